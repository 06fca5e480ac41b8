#include "IlerlemeGosterFormu.h"
#include "KomutAdimlari.h"
#include "KilitliDosya.h"
#include "KritikStokBelirlemeFormu.h"
#include "Platform.h"
#include "SayiSigmasi.h"
#include "KritikStokVerileri.h"
#include "TanimTestOrtami.h"

#include <cmath>

namespace {

using namespace KritikStokVerileri;

// MERKEZ holds ÇİVİ (12 × 1,5 kg) and AMBALAJ (4 × 2 kg); ŞUBE holds nothing; BOYA is nowhere.
class KritikStokTesti : public TanımFormuTesti {
protected:
  void SetUp() override {
    TanımFormuTesti::SetUp();
    for (const char* sql : {"INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('M', 'MERKEZ'), ('Ş', 'ŞUBE')",
                            "INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) "
                            "VALUES ('Ç-1', 'ÇİVİ', 1.5), ('A-1', 'AMBALAJ', 2), ('B-1', 'BOYA', 1)",
                            "INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) "
                            "VALUES (1, 1, 10, 1), (2, 1, 4, 1), (1, 1, 2, 1)"})
      vt->Çalıştır(QString::fromUtf8(sql));
  }
  void TearDown() override {
    // The progress form last ran over this form, as its child: it goes first.
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<KritikStokBelirlemeFormu>();
    TanımFormuTesti::TearDown();
  }
  QStringList Satırlar() {
    QStringList s;
    for (KayıtKümesi k = vt->KayıtKümesiAç("SELECT * FROM KritikStokBilgileriTablosu ORDER BY DepoNo, UrunNo");
         !k.Sonda(); k.MoveNext())
      s << QStringLiteral("%1/%2=%3").arg(k.Tamsayı("DepoNo")).arg(k.Tamsayı("UrunNo")).arg(k.Ondalık("KritikStokMiktari"));
    return s;
  }
  KritikStokBelirlemeFormu& Aç() {
    Form<İlerlemeGösterFormu>().İşiÇalıştır(13, İş::ListelerBaşlık, İş::ListelerMetin);
    return TanımFormuTesti::Aç<KritikStokBelirlemeFormu>();
  }
  static void Seç(QListWidget* l, const QString& metin) {
    const auto öğe = l->findItems(metin, Qt::MatchExactly);
    ASSERT_EQ(öğe.size(), 1) << metin.toStdString();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(öğe[0]).center());
  }
  static QStringList Metinler(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
  }
  // The fixture gives the form the activation back after each job, as a window manager does.
  static void Odakla(QWidget* w) {
    ASSERT_TRUE(w->isActiveWindow());
    w->setFocus();
  }
  static void MiktarYaz(KritikStokBelirlemeFormu& f, const QString& m) {
    QTest::mouseClick(f.KritikStokMiktarıKutusu, Qt::LeftButton);
    f.KritikStokMiktarıKutusu->selectAll();
    Yaz(f.KritikStokMiktarıKutusu, m);
  }
};

TEST_F(KritikStokTesti, İlkKayıtEklerSonrakilerDeğiştirirToplamlarİçerir) {
  EXPECT_EQ(ToplamAğırlık(*vt, 1), 2600);
  EXPECT_EQ(ToplamAğırlık(*vt, 2) + ToplamKritikStokAğırlığı(*vt, 1) + ToplamKritikStokAğırlığı(*vt, 2), 0);
  // Product, quantity in hundredths, rows of the table, critical total of MERKEZ.
  const std::array<qint64, 4> adımlar[] = {{1, 1000, 1, 1500}, {1, 250, 1, 375}, {2, 1, 2, 377}, {1, 0, 2, 2}};
  for (const auto& [ürün, miktar, satır, toplam] : adımlar) {
    EXPECT_EQ(Kaydet(*vt, 1, ürün, miktar), Sonuç::Yazıldı);
    EXPECT_EQ(Satırlar().size(), satır) << miktar;
    EXPECT_EQ(ToplamKritikStokAğırlığı(*vt, 1), toplam) << miktar;
  }
  EXPECT_EQ(Oku(*vt, 1, 2)->ağırlık, 2);
  EXPECT_FALSE(Oku(*vt, 2, 2));
  // Another workstation added the pair meanwhile: its row is changed, no second one appears.
  EXPECT_EQ(Kaydet(*Veritabanı::Aç(vt->Yol()), 2, 1, 700), Sonuç::Yazıldı);
  EXPECT_EQ(Kaydet(*vt, 2, 1, 800), Sonuç::Yazıldı);
  // A product or warehouse deleted meanwhile gets no level, nor does a level that would weigh
  // past the largest figure kept (AMBALAJ weighs 2 a piece).
  EXPECT_EQ(Kaydet(*vt, 2, 999, 100), Sonuç::KayıtYok);
  EXPECT_EQ(Kaydet(*vt, 999, 1, 100), Sonuç::KayıtYok);
  EXPECT_EQ(Kaydet(*vt, 1, 2, 500'000'000'000'000), Sonuç::AğırlıkTutulamaz);
  EXPECT_EQ(Satırlar(), QStringList({"1/1=0", "1/2=0.01", "2/1=8"}));
}

TEST_F(KritikStokTesti, KomutDepolarıAdSırasıylaAçarEscKapatır) {
  EXPECT_TRUE(KomutuSür(111, {{"Kritik Stok Belirleme", [](QWidget* w) {
                              auto& f = Form<KritikStokBelirlemeFormu>();
                              EXPECT_EQ(Metinler(f.DepoListesi), QStringList({"MERKEZ", "ŞUBE"}));
                              EXPECT_TRUE(f.ÜrünListesi->count() == 0 && !f.KaydetDüğmesi->isEnabled());
                              QTest::keyClick(w, Qt::Key_Escape);
                            }}}));
  EXPECT_FALSE(Form<KritikStokBelirlemeFormu>().isVisible());
}

TEST_F(KritikStokTesti, FormSeviyeyiEklerDeğiştirirGeçersizMiktarıKaydetmez) {
  auto& f = Aç();
  Seç(f.DepoListesi, "ŞUBE");
  EXPECT_EQ(f.ÜrünListesi->count(), 0);
  EXPECT_EQ(f.ToplamÜrünAğırlığıKutusu->text() + f.ToplamKritikStokAğırlığıKutusu->text(), "0,000,00");
  Seç(f.DepoListesi, "MERKEZ");
  EXPECT_EQ(Metinler(f.ÜrünListesi), QStringList({"AMBALAJ", "ÇİVİ"}));  // only what entered it
  EXPECT_EQ(f.ToplamÜrünAğırlığıKutusu->text(), "26,00");

  // Product, typed quantity, what the box holds, the table after the save, the critical total.
  const std::array<QString, 5> kayıtlar[] = {{"ÇİVİ", "12a.-", "12", "1/1=12", "18,00"},
                                             {"ÇİVİ", "1234,5", "1234,5", "1/1=1234.5", "1.851,75"}};
  for (const auto& [ürün, yazılan, kutu, tablo, toplam] : kayıtlar) {
    Seç(f.ÜrünListesi, ürün);
    MiktarYaz(f, yazılan);
    EXPECT_EQ(f.KritikStokMiktarıKutusu->text(), kutu);
    ASSERT_TRUE(f.KaydetDüğmesi->isEnabled());
    // The form has no default button: Enter on an option saves nothing, on "Kaydet" it saves.
    const QStringList önce = Satırlar();
    Odakla(f.ÜrünKoduAdıSeçeneği[0]);
    QTest::keyClick(f.ÜrünKoduAdıSeçeneği[0], Qt::Key_Return);
    EXPECT_EQ(Satırlar(), önce);
    f.KaydetDüğmesi->setFocus();
    QTest::keyClick(f.KaydetDüğmesi, Qt::Key_Return);
    EXPECT_EQ(Satırlar(), QStringList{tablo});
    EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty() && f.KritikStokMiktarıKutusu->text().isEmpty());
    EXPECT_FALSE(f.KaydetDüğmesi->isEnabled());
    EXPECT_EQ(f.ToplamKritikStokAğırlığıKutusu->text(), toplam);
  }
  Seç(f.ÜrünListesi, "ÇİVİ");
  EXPECT_EQ(f.KritikStokMiktarıKutusu->text() + " " + f.ÜrünKritikStokAğırlığıKutusu->text(), "1.234,50 1.851,75");

  // A level that would weigh past the largest figure kept is refused, and the box keeps it.
  Seç(f.ÜrünListesi, "AMBALAJ");
  MiktarYaz(f, "5000000000000");
  Tıkla(f.KaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), OrtakYordamlarModülü::BüyükMiktarMetni);
  EXPECT_EQ(Satırlar(), QStringList{"1/1=1234.5"});
  EXPECT_EQ(f.KritikStokMiktarıKutusu->text(), "5.000.000.000.000,00");
  Seç(f.ÜrünListesi, "ÇİVİ");

  // A quantity typed for one product, then another product chosen: its empty box is not saved.
  MiktarYaz(f, "5");
  Seç(f.ÜrünListesi, "AMBALAJ");
  Tıkla(f.KaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "Lütfen, geçerli bir KRİTİK STOK MİKTARI giriniz!");
  EXPECT_EQ(Satırlar(), QStringList{"1/1=1234.5"});

  // Another workstation holds the file when the next product is chosen: once the user goes on,
  // nothing of the last one stays, and no level is saved from the choice.
  Seç(f.ÜrünListesi, "ÇİVİ");
  MiktarYaz(f, "7");
  {
    KilitliDosya kilit(vt->Yol());
    Cevapla({Platform::Cevap::Evet});
    Seç(f.ÜrünListesi, "AMBALAJ");
  }
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  EXPECT_EQ(f.KritikStokMiktarıKutusu->text() + f.ÜrünKritikStokAğırlığıKutusu->text(), "");
  Tıkla(f.KaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "Lütfen, listeden bir ÜRÜN seçiniz!");
  EXPECT_EQ(Satırlar(), QStringList{"1/1=1234.5"});
}

TEST_F(KritikStokTesti, BulKutularıVeKodAdSeçenekleriListeleriİzler) {
  auto& f = Aç();
  Odakla(f.DepoBulKutusu);
  Yaz(f.DepoBulKutusu, "me");  // upper-cased as typed, found in any case
  EXPECT_EQ(f.DepoBulKutusu->text() + f.DepoListesi->selectedItems().value(0)->text(), "MEMERKEZ");
  QTest::keyClick(&f, Qt::Key_Tab, Qt::ShiftModifier);
  QTest::keyClick(&f, Qt::Key_Tab);  // reached by Tab again: the text stays unselected
  EXPECT_EQ(f.focusWidget(), f.DepoBulKutusu);
  EXPECT_FALSE(f.DepoBulKutusu->hasSelectedText());
  EXPECT_EQ(f.ÜrünListesi->count(), 2);
  Odakla(f.ÜrünBulKutusu);
  Yaz(f.ÜrünBulKutusu, "çi ");
  QTest::keyClick(f.ÜrünBulKutusu, Qt::Key_Return);
  EXPECT_EQ(f.focusWidget(), f.KritikStokMiktarıKutusu);
  EXPECT_EQ(f.ÜrünBulKutusu->text(), "Çİ ");  // left as typed: the list keeps following it
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  Odakla(f.ÜrünBulKutusu);
  Yaz(f.ÜrünBulKutusu, "çi");  // entering selected the text, so typing replaces it
  EXPECT_EQ(f.ÜrünListesi->selectedItems().value(0)->text(), "ÇİVİ");

  QTest::mouseClick(f.DepoKoduAdıSeçeneği[1], Qt::LeftButton);
  EXPECT_EQ(Metinler(f.DepoListesi), QStringList({"M", "Ş"}));  // in name order
  EXPECT_TRUE(f.DepoListesi->selectedItems().isEmpty() && f.ToplamÜrünAğırlığıKutusu->text().isEmpty());
  EXPECT_EQ(f.ÜrünListesi->count(), 0);

  // Closed and opened again: the start state.
  Tıkla(f.KapatDüğmesi);
  EXPECT_EQ(Metinler(Aç().DepoListesi), QStringList({"MERKEZ", "ŞUBE"}));
  EXPECT_TRUE(f.DepoKoduAdıSeçeneği[0]->isChecked() && f.DepoBulKutusu->text().isEmpty());
  EXPECT_TRUE(mesajlar.empty());
}

// A level whose commit the disk left unknown: Kaydet stays on, and the quantity saved again from
// the keyboard is what the file ends with, in one row, told once: over the stored try, or as it.
TEST_F(KritikStokTesti, SonucuBilinmeyenSeviyeYenidenKaydedilir) {
  ASSERT_EQ(Kaydet(*vt, 1, 1, 8000), Sonuç::Yazıldı);
  auto& f = Aç();
  Seç(f.DepoListesi, "MERKEZ");
  const struct {
    bool yazılmış;
    const char* ürün;
    const char *denenen, *sonra;  // typed for the unknown outcome, then for the save again
    QStringList tablo, sonTablo;  // the table after the unknown outcome, and after the save again
    QStringList söylenen;         // what the save again is told
  } durumlar[] = {
      {true, "ÇİVİ", "90", "95", {"1/1=90"}, {"1/1=95"}, {OrtakYordamlarModülü::ÜzerineYazıldıMetni}},
      {true, "ÇİVİ", "96", "96", {"1/1=96"}, {"1/1=96"}, {OrtakYordamlarModülü::ÖnceEklenmişMetni}},
      {false, "AMBALAJ", "5", "6", {"1/1=96"}, {"1/1=96", "1/2=6"}, {}},
  };
  for (const auto& d : durumlar) {
    Seç(f.ÜrünListesi, d.ürün);
    MiktarYaz(f, d.denenen);
    Odakla(f.KaydetDüğmesi);
    SonucuBilinmeden(d.yazılmış, [&] { QTest::keyClick(f.KaydetDüğmesi, Qt::Key_Return); });
    EXPECT_EQ(Satırlar(), d.tablo);
    EXPECT_TRUE(f.KaydetDüğmesi->isEnabled() && f.focusWidget() == f.KaydetDüğmesi) << d.ürün;
    MiktarYaz(f, d.sonra);
    Odakla(f.KaydetDüğmesi);
    QTest::keyClick(f.KaydetDüğmesi, Qt::Key_Return);
    EXPECT_EQ(Mesajlar(), d.söylenen) << d.sonra;
    EXPECT_EQ(Satırlar(), d.sonTablo);
  }
}

}  // namespace

namespace {

// Two products of a warehouse hold the largest weight kept, one at a level as large: the level
// shows whole, and so do the warehouse's sums that pass it.
TEST_F(KritikStokTesti, EnBüyükSayıKutulardaBütünGörünür) {
  for (const auto& [ürün, miktar] : {std::pair{2, 4999999999999.99}, {3, 9999999999999.99}}) {
    vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, 2, ?, 1)",
                 {ürün, miktar});
    ASSERT_EQ(Kaydet(*vt, 2, ürün, std::llround(miktar * 100)), Sonuç::Yazıldı);
  }
  KritikStokBelirlemeFormu& f = Aç();
  Seç(f.DepoListesi, "ŞUBE");
  Seç(f.ÜrünListesi, "BOYA");
  const QString toplam = "19.999.999.999.999,97";  // AMBALAJ weighs 2 a piece
  const std::pair<const QLineEdit*, QString> kutular[] = {{f.ToplamÜrünAğırlığıKutusu, toplam},
                                                          {f.ToplamKritikStokAğırlığıKutusu, toplam},
                                                          {f.ÜrünKritikStokAğırlığıKutusu, EnBüyükSayı},
                                                          {f.KritikStokMiktarıKutusu, EnBüyükSayı}};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(KutudaBütün(*kutular[i].first, kutular[i].second)) << i;
}

}  // namespace
