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
  static QString M(const char* metin) { return QString::fromUtf8(metin); }
  qint64 Kişi(const char* ad) {
    return Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)", {M(ad)});
  }
  void Giriş(qint64 ürün, qint64 depo, double miktar, int neden = 1) {
    Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisNedeni, GirisMiktari) VALUES (?, ?, ?, ?)",
         {ürün, depo, neden, miktar});
  }
  void Çıkış(qint64 ürün, qint64 depo, double miktar, int neden = 0) {
    Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, CikisNedeni, CikisMiktari) VALUES (?, ?, ?, ?)",
         {ürün, depo, neden, miktar});
  }

  // Inserting an entry of the product fails, as a full disk would make it fail.
  void ReddetmeTetiği(qint64 ürün) {
    vt->Çalıştır(QStringLiteral("CREATE TRIGGER Reddet BEFORE INSERT ON GirisIslemleriTablosu WHEN NEW.UrunNo = %1 "
                                "BEGIN SELECT RAISE(ABORT, 'disk dolu'); END")
                     .arg(ürün));
  }
  // The entry rows as written, in the order of their numbers.
  std::vector<QVariantList> GirişSatırları() {
    std::vector<QVariantList> s;
    KayıtKümesi k = vt->KayıtKümesiAç(QStringLiteral(
        "SELECT SaticiFirmaNo, UrunNo, DepoNo, GirisiYapan, GirisNedeni, IslemTarihi, GirisMiktari "
        "FROM GirisIslemleriTablosu ORDER BY IslemNo"));
    for (; !k.Sonda(); k.MoveNext())
      s.push_back({k.Tamsayı("SaticiFirmaNo"), k.Tamsayı("UrunNo"), k.Tamsayı("DepoNo"), k.Tamsayı("GirisiYapan"),
                   k.Tamsayı("GirisNedeni"), k.Tarih("IslemTarihi"), k.Miktar("GirisMiktari")});
    return s;
  }

  // Two suppliers, three products, two warehouses, one known person.
  void ÖrnekTanımlar() {
    const char* const satıcı = "INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES (?)";
    const char* const ürün = "INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)";
    const char* const depo = "INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)";
    akın = Ekle(satıcı, {M("AKIN LTD.")});
    yıldız = Ekle(satıcı, {M("YILDIZ A.Ş.")});
    civata = Ekle(ürün, {M("C-10"), M("CİVATA"), 0.333});
    somun = Ekle(ürün, {M("S-20"), M("SOMUN"), 2.5});
    pul = Ekle(ürün, {M("P-30"), M("PUL"), 0.1});
    merkez = Ekle(depo, {M("M1"), M("MERKEZ")});
    şube = Ekle(depo, {M("Ş2"), M("ŞUBE")});
    ali = Kişi("ALİ VELİ");
  }

  qint64 akın = 0, yıldız = 0, civata = 0, somun = 0, pul = 0, merkez = 0, şube = 0, ali = 0;
};
