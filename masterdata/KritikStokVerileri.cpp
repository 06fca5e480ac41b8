#include "KritikStokVerileri.h"

#include "OrtakYordamlarModulu.h"
#include "StokBakiyesi.h"

namespace KritikStokVerileri {

namespace {
TürkçeMetin::Miktar Toplam(Veritabanı& vt, const QString& sorgu, qint64 depoNo) {
  return vt.SorguAç(sorgu, {depoNo}).Miktar(QStringLiteral("ToplamAgirlikBilgisi"));
}

// How a save of the pair's level is named to the user: "Kritik stok seviyesi: MERKEZ / Ç-1 ÇİVİ".
QString İşAdı(Veritabanı& vt, qint64 depoNo, qint64 ürünNo) {
  const KayıtKümesi k = vt.KayıtKümesiAç(
      QStringLiteral("SELECT (SELECT DepoAdi FROM DepoBilgileriTablosu WHERE DepoNo = ?1) AS Depo, "
                     "(SELECT UrunKodu || ' ' || UrunAdi FROM UrunBilgileriTablosu WHERE UrunNo = ?2) AS Urun"),
      {depoNo, ürünNo});
  return QStringLiteral("Kritik stok seviyesi: %1 / %2")
      .arg(k.Metin(QStringLiteral("Depo")), k.Metin(QStringLiteral("Urun")))
      .simplified();
}
}  // namespace

std::optional<Seviye> Oku(Veritabanı& vt, qint64 depoNo, qint64 ürünNo) {
  const KayıtKümesi k = vt.KayıtKümesiAç(
      QStringLiteral("SELECT KritikStokBilgileriTablosu.KritikStokMiktari, ") +
          QString::fromStdString(StokBakiyesi::Ağırlık("ROUND(KritikStokMiktari * 100)")) +
          QStringLiteral(" AS KritikStokAgirligi "
                         "FROM KritikStokBilgileriTablosu LEFT JOIN UrunBilgileriTablosu u "
                         "ON KritikStokBilgileriTablosu.UrunNo = u.UrunNo "
                         "WHERE KritikStokBilgileriTablosu.DepoNo= ? AND KritikStokBilgileriTablosu.UrunNo= ?"),
      {depoNo, ürünNo});
  if (k.Sonda()) return std::nullopt;
  return Seviye{k.Miktar(QStringLiteral("KritikStokMiktari")), k.Miktar(QStringLiteral("KritikStokAgirligi"))};
}

Sonuç Kaydet(Veritabanı& vt, qint64 depoNo, qint64 ürünNo, TürkçeMetin::Miktar miktar,
             İşlemİzleri::Bekleyenİz* bekleyen) {
  // A transaction of its own, so that a commit the disk fails is judged as every other write.
  Veritabanı::İşlem işlem(vt, İşAdı(vt, depoNo, ürünNo), bekleyen);
  // Weighed at the unit weight the product has now, as a movement of that quantity would be.
  if (!OrtakYordamlarModülü::MiktarTamTutulur(vt, ürünNo, miktar)) return Sonuç::AğırlıkTutulamaz;
  // The pair is unique in the table: the row another workstation added meanwhile is changed, and
  // so is the one an earlier try of this level stored: written again, it holds the last quantity.
  const bool yazıldı = vt.Çalıştır(QStringLiteral(
                         "INSERT INTO KritikStokBilgileriTablosu (DepoNo, UrunNo, KritikStokMiktari) "
                         "SELECT ?1, ?2, ?3 "
                         "WHERE EXISTS (SELECT 1 FROM DepoBilgileriTablosu WHERE DepoNo = ?1) "
                         "AND EXISTS (SELECT 1 FROM UrunBilgileriTablosu WHERE UrunNo = ?2) "
                         "ON CONFLICT (UrunNo, DepoNo) DO UPDATE SET KritikStokMiktari = excluded.KritikStokMiktari"),
                     {depoNo, ürünNo, TürkçeMetin::MiktarDeğeri(miktar)}) > 0;
  işlem.Onayla();
  return yazıldı ? Sonuç::Yazıldı : Sonuç::KayıtYok;
}

TürkçeMetin::Miktar ToplamAğırlık(Veritabanı& vt, qint64 depoNo) {
  return Toplam(vt, QStringLiteral("ToplamAgirlikBulSorgusu"), depoNo);
}

TürkçeMetin::Miktar ToplamKritikStokAğırlığı(Veritabanı& vt, qint64 depoNo) {
  return Toplam(vt, QStringLiteral("ToplamKritikStokAgirligiBulSorgusu"), depoNo);
}

}  // namespace KritikStokVerileri
