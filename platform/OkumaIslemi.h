#pragma once
// A read of several statements that sees the file at one moment. Each statement alone takes the
// shared lock and gives it back when it ends, so another workstation may write between two of
// them; a deferred transaction keeps the lock from the first read to the end of the scope. Other
// workstations still read meanwhile, and their writes wait only at their commit: keep it as short
// as the reads themselves.
//
// For reads only: what is written inside is undone at the end. Inside a transaction already open
// (a write's Veritabanı::İşlem) nothing is begun, the open one already sees one moment; and no
// write transaction may begin inside this one.

class Veritabanı;

class Okumaİşlemi {
public:
  explicit Okumaİşlemi(Veritabanı& vt);
  // Ends the transaction on every way out, a thrown error included; never throws.
  ~Okumaİşlemi();
  Okumaİşlemi(const Okumaİşlemi&) = delete;
  Okumaİşlemi& operator=(const Okumaİşlemi&) = delete;

private:
  Veritabanı& vt_;
  bool başlatıldı_;
};
