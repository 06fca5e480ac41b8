// A sample data set that shows the program off: a few warehouses, products with
// Turkish names, companies, persons, entries, exits, transfers, a return and
// critical levels with some products below them.

#include "VeritabaniOlusturucu.h"

#include "Veritabani.h"

#include <QDate>

namespace VeritabanıOluşturucu {
namespace {

qint64 Ekle(Veritabanı& vt, const QString& sql, const QVariantList& değerler) {
  vt.Çalıştır(sql, değerler);
  return vt.SonEklenenNo();
}

}  // namespace

void ÖrnekVerileriEkle(Veritabanı& vt) {
  Veritabanı::İşlem işlem(vt);

  const QString depoSql = QStringLiteral(
      "INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi, DepoYeri, Aciklama) VALUES (?, ?, ?, ?)");
  const qint64 merkez = Ekle(vt, depoSql, {"D01", "MERKEZ DEPO", "İKİTELLİ OSB", "Ana depo"});
  const qint64 şube = Ekle(vt, depoSql, {"D02", "ÇORLU ŞUBE DEPOSU", "ÇORLU", ""});
  const qint64 izmir = Ekle(vt, depoSql, {"D03", "İZMİR BÖLGE DEPOSU", "KEMALPAŞA", "Ege bölgesi sevkiyatları"});

  const QString ürünSql = QStringLiteral(
      "INSERT INTO UrunBilgileriTablosu (UrunKodu, UreticiKodu, UrunAdi, BirimTuru, BirimAgirligi, "
      "PaketlemeAdedi, AskilamaSayisi, Aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  struct Ürün {
    const char* kod;
    const char* üretici;
    const char* ad;
    const char* birim;
    double ağırlık;
    int paket;
    int askı;
  };
  const Ürün ürünler[] = {
      {"U-1001", "BSK-45", "ÇELİK BORU 1/2\"", "ADET", 2.35, 10, 0},
      {"U-1002", "BSK-46", "ÇELİK BORU 3/4\"", "ADET", 3.10, 10, 0},
      {"U-1003", "GLV-12", "GALVANİZ DİRSEK", "ADET", 0.42, 50, 0},
      {"U-1004", "PVC-08", "PVC KELEPÇE", "PAKET", 0.15, 100, 20},
      {"U-1005", "IŞK-01", "IŞIKLI UYARI LEVHASI", "ADET", 1.80, 5, 2},
      {"U-1006", "ŞRT-22", "ŞERİT METRE 5 M", "ADET", 0.25, 12, 6},
      {"U-1007", "İZL-30", "İZOLASYON BANDI", "RULO", 0.08, 24, 12},
      {"U-1008", "ÖRG-10", "ÖRGÜ TEL", "KG", 1.00, 1, 0},
      {"U-1009", "ÜNV-55", "ÜNİVERSAL YAPIŞTIRICI", "KUTU", 0.55, 20, 0},
      {"U-1010", "CVT-04", "CIVATA M8 (100'LÜ)", "PAKET", 0.90, 10, 0},
      {"U-1011", "SOM-04", "SOMUN M8 (100'LÜ)", "PAKET", 0.60, 10, 0},
      {"U-1012", "GÜV-77", "GÜVENLİK GÖZLÜĞÜ", "ADET", 0.05, 25, 5},
  };
  QList<qint64> ürünNo;
  for (const auto& ü : ürünler)
    ürünNo << Ekle(vt, ürünSql,
                   {QString::fromUtf8(ü.kod), QString::fromUtf8(ü.üretici), QString::fromUtf8(ü.ad),
                    QString::fromUtf8(ü.birim), ü.ağırlık, ü.paket, ü.askı, QString()});

  const auto firmaSql = [](const char* tablo) {
    return QStringLiteral("INSERT INTO %1FirmaBilgileriTablosu (FirmaAdi, Telefonu, Faksi, Adresi, "
                          "BirinciYetkiliAdi, BirinciYetkiliTelefonu, IkinciYetkiliAdi, "
                          "IkinciYetkiliTelefonu, Aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .arg(QLatin1String(tablo));
  };
  QList<qint64> satıcı, alıcı;
  satıcı << Ekle(vt, firmaSql("Satici"),
                 {"AKSOY METAL SAN. VE TİC. A.Ş.", "0212 555 10 20", "0212 555 10 21", "İkitelli OSB, İstanbul",
                  "MEHMET AKSOY", "0532 111 22 33", "", "", ""});
  satıcı << Ekle(vt, firmaSql("Satici"),
                 {"ÇAĞDAŞ YAPI MALZEMELERİ LTD. ŞTİ.", "0224 444 33 22", "", "Nilüfer, Bursa", "AYŞE ÇAĞDAŞ",
                  "0533 222 33 44", "ŞÜKRÜ ÖZTÜRK", "0535 999 88 77", ""});
  satıcı << Ekle(vt, firmaSql("Satici"),
                 {"EGE HIRDAVAT", "0232 333 44 55", "", "Bornova, İzmir", "İSMAİL ŞAHİN", "", "", "", ""});
  alıcı << Ekle(vt, firmaSql("Alici"),
                {"DOĞAN İNŞAAT A.Ş.", "0216 777 66 55", "0216 777 66 56", "Ataşehir, İstanbul", "GÜLŞEN DOĞAN",
                 "0542 123 45 67", "", "", ""});
  alıcı << Ekle(vt, firmaSql("Alici"),
                {"IŞIK TESİSAT", "0312 888 99 00", "", "Ostim, Ankara", "ÖMER IŞIK", "", "", "", ""});
  alıcı << Ekle(vt, firmaSql("Alici"),
                {"ÜNAL ELEKTRİK LTD. ŞTİ.", "0262 321 54 76", "", "Gebze, Kocaeli", "ÇİĞDEM ÜNAL", "", "", "", ""});

  const QString kişiSql = QStringLiteral("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)");
  QList<qint64> kişi;
  for (const char* ad : {"ALİ YILDIZ", "ZEYNEP KOÇ", "HÜSEYİN ÇELİK", "İREM ŞENOL"})
    kişi << Ekle(vt, kişiSql, {QString::fromUtf8(ad)});

  const QString girişSql = QStringLiteral(
      "INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, GirisNedeni, "
      "IslemTarihi, GirisMiktari) VALUES (?, ?, ?, ?, ?, ?, ?)");
  const QString çıkışSql = QStringLiteral(
      "INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, CikisNedeni, "
      "IslemTarihi, CikisMiktari, GirisIslemNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  const QDate başlangıç(2026, 9, 1);
  const qint64 depolar[] = {merkez, şube, izmir};

  // Entries: every product into the main warehouse, some into the others.
  for (int i = 0; i < ürünNo.size(); ++i) {
    Ekle(vt, girişSql,
         {ürünNo[i], merkez, satıcı[i % satıcı.size()], kişi[i % kişi.size()], 1, başlangıç.addDays(i),
          100.0 + 25 * i});
    if (i % 2 == 0)
      Ekle(vt, girişSql,
           {ürünNo[i], depolar[1 + (i / 2) % 2], satıcı[(i + 1) % satıcı.size()], kişi[(i + 1) % kişi.size()], 1,
            başlangıç.addDays(10 + i), 40.5 + i});
  }
  // Exits with every reason.
  QList<qint64> çıkışlar;
  for (int i = 0; i < ürünNo.size(); ++i)
    çıkışlar << Ekle(vt, çıkışSql,
                     {ürünNo[i], merkez, alıcı[i % alıcı.size()], kişi[(i + 2) % kişi.size()], i % 7,
                      başlangıç.addDays(30 + i), 30.0 + 5 * i, QVariant()});

  // Transfers: the entry half first, the exit half points to it.
  const struct {
    int ürün;
    qint64 kaynak, hedef;
    double miktar;
  } transferler[] = {{0, merkez, şube, 20}, {3, merkez, izmir, 35.5}, {6, merkez, şube, 12}};
  for (const auto& t : transferler) {
    const QDate tarih = başlangıç.addDays(50);
    const qint64 giriş = Ekle(vt, girişSql, {ürünNo[t.ürün], t.hedef, t.kaynak, kişi[0], 99, tarih, t.miktar});
    Ekle(vt, çıkışSql, {ürünNo[t.ürün], t.kaynak, t.hedef, kişi[0], 99, tarih, t.miktar, giriş});
  }

  // A return: part of the first sale comes back.
  const double iade = 5;
  vt.Çalıştır(QStringLiteral("UPDATE CikisIslemleriTablosu SET CikisMiktari = CikisMiktari - ? WHERE IslemNo = ?"),
              {iade, çıkışlar[0]});
  Ekle(vt,
       QStringLiteral("INSERT INTO IadeBilgileriTablosu (IslemNo, UrunNo, FirmaNo, DepoNo, IadeTarihi, IadeMiktari) "
                      "VALUES (?, ?, ?, ?, ?, ?)"),
       {çıkışlar[0], ürünNo[0], alıcı[0], merkez, başlangıç.addDays(60), iade});

  // Critical levels: some met, some far above the stock.
  const QString kritikSql = QStringLiteral(
      "INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)");
  Ekle(vt, kritikSql, {ürünNo[0], merkez, 50.0});
  Ekle(vt, kritikSql, {ürünNo[1], merkez, 500.0});
  Ekle(vt, kritikSql, {ürünNo[4], merkez, 250.0});
  Ekle(vt, kritikSql, {ürünNo[2], şube, 100.0});
  Ekle(vt, kritikSql, {ürünNo[7], merkez, 10.0});
  Ekle(vt, kritikSql, {ürünNo[6], şube, 12.0});

  işlem.Onayla();
}

}  // namespace VeritabanıOluşturucu
