// The transfer voucher driven as a user does, and its commit on a real file.
#include "Platform.h"
#include "StoktanFisTestOrtami.h"

#include "ListeGorunumu.h"
#include "Platform.h"

#include <QHeaderView>

namespace {

class TransferFişiTesti : public StoktanFişTesti {
protected:
  void SetUp() override {
    StoktanFişTesti::SetUp();
    ÖrnekTanımlar();
    arka = Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)", {M("A3"), M("ARKA")});
    Giriş(civata, merkez, 10);
    Giriş(somun, merkez, 5);
  }
  qint64 arka = 0;
};

TEST_F(TransferFişiTesti, RetlerSırasıylaSonraSıralıListeÇiftlerHalindeYazılır) {
  auto& f = Aç<DepodanDepoyaTransferFormu>(8);
  // The widest voucher, with its window frame, fits the smallest screen the program runs on.
  EXPECT_LE(f.frameGeometry().width(), 790);
  const auto satır = [&](const char* kaynak, const char* ürün, const char* hedef, const char* miktar) {
    return [&f, kaynak, ürün, hedef, miktar] {
      Bul(f.DepoSeçici(), kaynak), Bul(f.ÜrünSeçici(), ürün), Bul(f.YeniDepoSeçici(), hedef);
      Yaz(f.TransferMiktarıKutusu(), miktar);
    };
  };
  const char* fazla = "Transfer miktarı mevcuttan FAZLA olamaz!";
  Yürüt(f, {
      {[] {}, "Lütfen, ürünün bulunduğu DEPOYU seçiniz!", f.DepoListesi()},
      {[&] { Bul(f.DepoSeçici(), "MER"); }, "Lütfen, listeden bir ÜRÜN seçiniz!", f.ÜrünListesi()},
      {[&] { Bul(f.ÜrünSeçici(), "civ"); }, "Lütfen, ürünün transfer edileceği DEPOYU listeden seçiniz!",
       f.YeniDepoListesi()},
      {[&] { Bul(f.YeniDepoSeçici(), "MER"); }, "Ürünün transfer edileceği depo, bulunduğu depodan FARKLI olmalıdır!",
       f.YeniDepoListesi()},
      {[&] { Bul(f.YeniDepoSeçici(), "ARK"); }, "Lütfen, TRANSFERİ YAPANI giriniz!", f.TransferiYapanKutusu()},
      {[&] { QTest::keyClicks(f.TransferiYapanKutusu(), "ali veli"); }, "Lütfen, TRANSFER MİKTARINI giriniz!",
       f.TransferMiktarıKutusu()},
      {[&] { Yaz(f.TransferMiktarıKutusu(), "10,01"); }, fazla, f.TransferMiktarıKutusu(), "10,00"},
      {[&] { Yaz(f.TransferMiktarıKutusu(), "6"); }, nullptr, f.DepoListesi(), ""},
      {satır("MER", "civ", "ARK", "1"), "Bu TRANSFER İŞLEMİ listeye daha önce eklenmiş!\n\nLütfen, ürünü ya da depoyu "
                                        "değiştiriniz.", f.DepoListesi()},
      // Another target from the same source: only what the first line leaves may go.
      {satır("MER", "civ", "ŞUB", "4,01"), fazla, f.TransferMiktarıKutusu(), "4,00"},
      {[] {}, nullptr, f.DepoListesi(), ""},
      {satır("MER", "som", "ARK", "5"), nullptr, f.DepoListesi(), ""},
  });
  auto* liste = f.TransferEdilecekÜrünListesi();
  ASSERT_EQ(liste->SatırSayısı(), 3);
  QStringList ilk;
  for (int k = 4; k < 11; ++k) ilk << liste->AltÖğe(1, k);
  EXPECT_EQ(ilk, (QStringList{TürkçeMetin::TarihMetni(Platform::Bugün()), "MERKEZ", "C-10", "CİVATA", "ARKA",
                              "6,00", "2,00"}));

  // Target first, descending: ŞUBE's line is written first. Meanwhile another workstation enters stock.
  QHeaderView* başlık = liste->header();
  for (int i = 0; i < 2; ++i)
    QTest::mouseClick(başlık->viewport(), Qt::LeftButton, {}, QPoint(başlık->sectionViewportPosition(8) + 5, 5));
  auto başka = Veritabanı::Aç(vt->Yol());
  for (int i = 0; i < 2; ++i)
    başka->Çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisNedeni, GirisMiktari) "
                                   "VALUES (?, ?, 1, 1)"),
                    {pul, şube});
  mesajlar.clear();
  Tıkla(f.ListeyiTransferEtDüğmesi());
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(liste->SatırSayısı(), 0);
  EXPECT_FALSE(f.ListeyiTransferEtDüğmesi()->isEnabled());

  // Each exit names the entry of its own line: the other warehouse, product and quantity match.
  EXPECT_EQ(Tablo(QStringLiteral(
                "SELECT c.DepoNo, c.AliciFirmaNo, c.UrunNo, c.CikisMiktari FROM CikisIslemleriTablosu c "
                "JOIN GirisIslemleriTablosu g ON g.IslemNo = c.GirisIslemNo AND g.DepoNo = c.AliciFirmaNo AND "
                "g.SaticiFirmaNo = c.DepoNo AND g.UrunNo = c.UrunNo AND g.GirisMiktari = c.CikisMiktari AND "
                "g.GirisNedeni = 99 AND c.CikisNedeni = 99 ORDER BY c.IslemNo")),
            (QStringList{QStringLiteral("%1|%2|%3|4").arg(merkez).arg(şube).arg(civata),
                         QStringLiteral("%1|%2|%3|6").arg(merkez).arg(arka).arg(civata),
                         QStringLiteral("%1|%2|%3|5").arg(merkez).arg(arka).arg(somun)}));
  for (const auto& [ürün, depo, stok] : {std::tuple{civata, merkez, 0}, std::tuple{civata, arka, 600},
                                        std::tuple{civata, şube, 400}, std::tuple{somun, merkez, 0},
                                        std::tuple{somun, arka, 500}})
    EXPECT_EQ(FişVerileri::MevcutStok(*vt, ürün, depo), stok) << ürün << "/" << depo;
}

}  // namespace
