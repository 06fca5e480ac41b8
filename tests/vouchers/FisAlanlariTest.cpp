// The entry fields the three vouchers share: the date, the quantity's keys and its weight check.
#include "GirisIslemleriFormu.h"
#include "StoktanFisTestOrtami.h"
#include "TarihKutusu.h"

namespace {

class FişAlanlarıTesti : public StoktanFişTesti {
protected:
  void SetUp() override {
    StoktanFişTesti::SetUp();
    ÖrnekTanımlar();
    Alıcı("BORA");
    Giriş(somun, merkez, 999999999999999.0);
    Ortak::TanımSayıları = {2, 3, 2};
  }
  void TearDown() override {
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<GirişİşlemleriFormu>();
    StoktanFişTesti::TearDown();
  }
  struct Fiş {
    std::function<FişFormu&()> aç;
    std::vector<const char*> seçimler;  // typed into the find boxes, left to right
  };
  std::vector<Fiş> Fişler() {
    return {{[this]() -> FişFormu& { return Aç<GirişİşlemleriFormu>(1); }, {"AKI", "SOM", "MER"}},
            {[this]() -> FişFormu& { return Aç<ÇıkışİşlemleriFormu>(2); }, {"MER", "SOM", "BOR"}},
            {[this]() -> FişFormu& { return Aç<DepodanDepoyaTransferFormu>(8); }, {"MER", "SOM", "Ş"}}};
  }
  qint64 KişiSayısı() { return Tablo("SELECT GirisCikisYapanNo FROM GirisCikisYapanlarTablosu").size(); }
};

TEST_F(FişAlanlarıTesti, TarihTekDurakMiktarTuşlarıVeAğırlıkSınırı) {
  for (const Fiş& fiş : Fişler()) {
    FişFormu& f = fiş.aç();
    const std::string ad = f.windowTitle().toStdString();
    // The date is one stop: Tab leaves it from whichever part the arrows moved to.
    f.TarihAlanı->setFocus();
    QTest::keyClick(f.TarihAlanı, Qt::Key_Right);
    QTest::keyClick(f.TarihAlanı, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.MiktarKutusu) << ad;

    // The keypad's decimal key types the comma, once; the main keyboard's point is the grouping mark.
    const std::pair<std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>, const char*> tuşlar[] = {
        {{{Qt::Key_2, {}}, {Qt::Key_Period, Qt::KeypadModifier}, {Qt::Key_5, {}}, {Qt::Key_Period, Qt::KeypadModifier}},
         "2,5"},
        {{{Qt::Key_1, {}}, {Qt::Key_Period, {}}, {Qt::Key_0, {}}, {Qt::Key_0, {}}, {Qt::Key_0, {}}}, "1000"}};
    for (const auto& [basılan, beklenen] : tuşlar) {
      f.MiktarKutusu->clear();
      for (const auto& [tuş, değiştirici] : basılan) QTest::keyClick(f.MiktarKutusu, tuş, değiştirici);
      EXPECT_EQ(f.MiktarKutusu->text(), beklenen) << ad;
    }

    // A weight too large to keep is refused with the add checks: no new person, no line. The stock's
    // weight, as large, is left unshown rather than raised as an error.
    mesajlar.clear();
    for (size_t i = 0; i < fiş.seçimler.size(); ++i) Bul(*f.Seçiciler[i], fiş.seçimler[i]);
    f.KişiKutusu->setEditText(QStringLiteral("YENİ KİŞİ"));
    if (f.NedenKutusu) f.NedenKutusu->setCurrentIndex(0);
    Yaz(f.MiktarKutusu, "999999999999999");
    const qint64 kişiler = KişiSayısı();
    Tıkla(f.ListeyeEkleDüğmesi);
    ASSERT_EQ(mesajlar.size(), 1u) << ad;
    EXPECT_EQ(mesajlar[0].metin, "Bu miktarın AĞIRLIĞI hesaplanamayacak kadar büyük!\n\n"
                                 "Lütfen, daha küçük bir MİKTAR giriniz.") << ad;
    EXPECT_EQ(f.focusWidget(), f.MiktarKutusu) << ad;
    EXPECT_EQ(KişiSayısı(), kişiler) << ad;
    EXPECT_FALSE(f.Çalışma->Dolu()) << ad;
    f.close();
  }
}

}  // namespace
