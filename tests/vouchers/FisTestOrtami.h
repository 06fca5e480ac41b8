#pragma once
// The shared fixture with the rows the voucher tests build on.

#include "KabukTestOrtami.h"
#include "OrtakDegiskenlerModulu.h"

class FişTestOrtamı : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    Ortak::SıralamaSütunu = Ortak::SıralamaYönü = Ortak::SayısalSırala = 0;
  }
  qint64 Ekle(const char* sql, const QVariantList& d) {
    vt->Çalıştır(QString::fromUtf8(sql), d);
    return vt->SonEklenenNo();
  }
  qint64 Satıcı(const char* ad) {
    return Ekle("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {QString::fromUtf8(ad)});
  }
  qint64 Ürün(const char* kod, const char* ad, double birimAğırlık) {
    return Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                {QString::fromUtf8(kod), QString::fromUtf8(ad), birimAğırlık});
  }
  qint64 Depo(const char* kod, const char* ad) {
    return Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                {QString::fromUtf8(kod), QString::fromUtf8(ad)});
  }
  qint64 Kişi(const char* ad) {
    return Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)", {QString::fromUtf8(ad)});
  }
  void Giriş(qint64 ürün, qint64 depo, double miktar, int neden = 1) {
    Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisNedeni, GirisMiktari) VALUES (?, ?, ?, ?)",
         {ürün, depo, neden, miktar});
  }
  void Çıkış(qint64 ürün, qint64 depo, double miktar, int neden = 0) {
    Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, CikisNedeni, CikisMiktari) VALUES (?, ?, ?, ?)",
         {ürün, depo, neden, miktar});
  }

  // Two suppliers, three products, two warehouses, one known person.
  void ÖrnekTanımlar() {
    akın = Satıcı("AKIN LTD.");
    yıldız = Satıcı("YILDIZ A.Ş.");
    civata = Ürün("C-10", "CİVATA", 0.333);
    somun = Ürün("S-20", "SOMUN", 2.5);
    pul = Ürün("P-30", "PUL", 0.1);
    merkez = Depo("M1", "MERKEZ");
    şube = Depo("Ş2", "ŞUBE");
    ali = Kişi("ALİ VELİ");
  }

  qint64 akın = 0, yıldız = 0, civata = 0, somun = 0, pul = 0, merkez = 0, şube = 0, ali = 0;
};
