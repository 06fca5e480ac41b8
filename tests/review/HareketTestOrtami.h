#pragma once
// The shared fixture with rows of the movement tables put in by SQL, as the vouchers write them.

#include "HareketVerileri.h"
#include "KabukTestOrtami.h"

#include <QDate>

class HareketTestOrtamı : public KabukTestOrtamı {
protected:
  using Tür = HareketVerileri::HareketTürü;

  qint64 Ekle(const QString& sql, const QVariantList& d) {
    vt->Çalıştır(sql, d);
    return vt->SonEklenenNo();
  }
  qint64 Ürün(const QString& kod, const QString& ad) {
    return Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES (?, ?)", {kod, ad});
  }
  qint64 Depo(const QString& ad) { return Ekle("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES (?)", {ad}); }
  qint64 Satıcı(const QString& ad) {
    return Ekle("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {ad});
  }
  qint64 Alıcı(const QString& ad) { return Ekle("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {ad}); }
  qint64 Kişi(const QString& ad) {
    return Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)", {ad});
  }
  qint64 Giriş(qint64 u, qint64 d, double m, QDate t = {2026, 1, 5}, qint64 firma = 0, qint64 kişi = 0,
               int neden = 1) {
    return Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, GirisNedeni, "
                "IslemTarihi, GirisMiktari) VALUES (?, ?, ?, ?, ?, ?, ?)",
                {u, d, firma, kişi, neden, t, m});
  }
  qint64 Çıkış(qint64 u, qint64 d, double m, QDate t = {2026, 1, 6}, qint64 firma = 0, qint64 kişi = 0,
               int neden = 0, QVariant giriş = {}) {
    return Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, CikisNedeni, "
                "IslemTarihi, CikisMiktari, GirisIslemNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                {u, d, firma, kişi, neden, t, m, giriş});
  }
  // A transfer pair: the entry in the target names the source, the exit in the source the target.
  std::pair<qint64, qint64> Transfer(qint64 u, qint64 kaynak, qint64 hedef, double m, qint64 kişi = 0) {
    const qint64 g = Giriş(u, hedef, m, {2026, 1, 7}, kaynak, kişi, 99);
    return {g, Çıkış(u, kaynak, m, {2026, 1, 7}, hedef, kişi, 99, g)};
  }
  qint64 Say(const QString& sql, const QVariantList& d = {}) {
    return vt->KayıtKümesiAç("SELECT Count(*) AS n " + sql, d).Tamsayı("n");
  }
  // A statement of the table fails from now on, as a full disk or a lost lock would make it.
  void Bozulsun(const QString& tablo, const QString& işlem) {
    vt->Çalıştır(QStringLiteral("CREATE TRIGGER Bozuk%1 BEFORE %2 ON %1 BEGIN SELECT RAISE(ABORT, 'disk I/O'); END")
                     .arg(tablo, işlem));
  }
};
