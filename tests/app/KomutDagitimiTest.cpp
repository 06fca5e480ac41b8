#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "KomutDagitimi.h"
#include "KritikStokListesiFormu.h"

#include <QApplication>
#include <QTimer>

namespace {

class KomutDağıtımıTesti : public KabukTestOrtamı {
protected:
  void Ekle(const char* sql) { vt->Çalıştır(QString::fromUtf8(sql)); }
  void Satıcı() { Ekle("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES ('AKSOY')"); }
  void Alıcı() { Ekle("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES ('DOĞAN')"); }
  void Ürün() { Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES ('A', 'ARMUT')"); }
  void Depo() { Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('M', 'MERKEZ')"); }
  QString SonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }
};

TEST_F(KomutDağıtımıTesti, FişKomutlarıTanımlarıSıraylaDenetler) {
  // Nothing at all: only the companies message, with the operation's word.
  EXPECT_FALSE(KomutDenetle(105));
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, "FİRMA tanımlamadan GİRİŞ işlemi yapamazsınız!");
  EXPECT_EQ(mesajlar[0].stil, 48);

  // Companies but neither products nor warehouses: only the products message.
  Satıcı();
  Alıcı();
  mesajlar.clear();
  EXPECT_FALSE(KomutDenetle(106));
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, "ÜRÜN tanımlamadan ÇIKIŞ işlemi yapamazsınız!");
  Ürün();
  EXPECT_FALSE(KomutDenetle(107));
  EXPECT_EQ(SonMesaj(), "DEPO tanımlamadan TRANSFER işlemi yapamazsınız!");
  Depo();
  Depo();
  mesajlar.clear();
  for (int komut : {105, 401, 106, 402, 107}) EXPECT_TRUE(KomutDenetle(komut)) << komut;
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(Ortak::TanımSayıları, (std::array<qint64, 3>{1, 1, 2}));
}

TEST_F(KomutDağıtımıTesti, SatıcısızGirişVeTransferReddedilirÇıkışGeçer) {
  Alıcı();
  Ürün();
  Depo();
  EXPECT_FALSE(KomutDenetle(105));
  EXPECT_EQ(SonMesaj(), "FİRMA tanımlamadan GİRİŞ işlemi yapamazsınız!");
  EXPECT_FALSE(KomutDenetle(107));
  EXPECT_EQ(SonMesaj(), "FİRMA tanımlamadan TRANSFER işlemi yapamazsınız!");
  const size_t önce = mesajlar.size();
  EXPECT_TRUE(KomutDenetle(106));
  EXPECT_EQ(mesajlar.size(), önce);
}

TEST_F(KomutDağıtımıTesti, ListeVeHareketKomutlarınınRetMesajları) {
  const std::map<int, QString> beklenen{
      {109, "Henüz ÜRÜN tanımlamanmamış! Lütfen, önce ürün tanımlayınız."},
      {110, "Hiçbir GİRİŞ-ÇIKIŞ işlemi yapılmadığı için liste görüntülenemiyor!"},
      {111, "Henüz ÜRÜN tanımlamanmamış! Lütfen, önce ürün tanımlayınız."},
      {201, "GİRİŞ İŞLEMİ yapılmadığı için stok listesi görüntülenemez!"},
      {202, "ÇIKIŞ İŞLEMİ yapılmadığı için liste görüntülenemez!"},
      {203, "SATICI FİRMA tanımlanmadığı için liste görüntülenemez!"},
      {204, "ALICI FİRMA tanımlanmadığı için liste görüntülenemez!"},
      {205, "KRİTİK STOK bulunmadığı için liste görüntülenemez!"},
      {206, "GİRİŞ İŞLEMİ yapılmadığı için liste görüntülenemez!"},
      {207, "ÇIKIŞ İŞLEMİ yapılmadığı için liste görüntülenemez!"},
      {208, "İADE İŞLEMİ yapılmadığı için liste görüntülenemez!"},
  };
  for (const auto& [komut, metin] : beklenen) {
    mesajlar.clear();
    EXPECT_FALSE(KomutDenetle(komut)) << komut;
    ASSERT_EQ(mesajlar.size(), 1u) << komut;
    EXPECT_EQ(mesajlar[0].metin, metin) << komut;
  }
  // Products but no warehouse: the warehouse message, and the old warehouse count stays.
  Ürün();
  Ortak::TanımSayıları[2] = 7;
  mesajlar.clear();
  EXPECT_FALSE(KomutDenetle(111));
  EXPECT_EQ(SonMesaj(), "Henüz DEPO tanımlamanmamış! Lütfen, önce depo tanımlayınız.");
  EXPECT_EQ(Ortak::TanımSayıları[2], 7);
  EXPECT_TRUE(KomutDenetle(109));  // movements need only products
  // The persons table, not the movements, opens the list of persons.
  Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES ('ALİ')");
  EXPECT_TRUE(KomutDenetle(110));
  for (int komut : {101, 102, 103, 104, 108, 300, 301, 303, 304, 400, 999}) EXPECT_TRUE(KomutDenetle(komut));
}

TEST_F(KomutDağıtımıTesti, KritikStokKomutuSeviyeAltındaStokYoksaAçılmaz) {
  Ürün();
  Depo();
  Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (1, 1, 10, 1)");
  Ekle("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (1, 1, 9.99)");
  int gösterilen = 0;
  KomutDağıt(205);
  EXPECT_EQ(SonMesaj(), "KRİTİK STOK bulunmadığı için liste görüntülenemez!");
  EXPECT_EQ(gösterilen, 0);

  Ekle("UPDATE KritikStokBilgileriTablosu SET KritikStokMiktari = 10");
  mesajlar.clear();
  // The progress form fills the list and closes; then the list shows.
  Form<KritikStokListesiFormu>();
  QTimer zamanlayıcı;
  QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() == &Form<KritikStokListesiFormu>()) {
      ++gösterilen;
      Form<KritikStokListesiFormu>().reject();
    }
  });
  zamanlayıcı.start(10);
  KomutDağıt(205);
  zamanlayıcı.stop();
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(gösterilen, 1);
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
  FormuYokEt<KritikStokListesiFormu>();
  FormuYokEt<İlerlemeGösterFormu>();
}

TEST_F(KomutDağıtımıTesti, YapılmamışFormlarınKomutlarıHazırDeğil) {
  for (int komut : {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 201, 202, 203, 204, 205, 206, 207, 208,
                    300, 301, 303, 304, 305, 400, 401, 402, 403})
    EXPECT_TRUE(KomutHazır(komut)) << komut;
  for (int komut : {112, 209, 302})
    EXPECT_FALSE(KomutHazır(komut)) << komut;
}

}  // namespace
