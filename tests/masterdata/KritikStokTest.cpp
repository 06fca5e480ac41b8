#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "KomutDagitimi.h"
#include "KritikStokBelirlemeFormu.h"
#include "KritikStokVerileri.h"
#include "TanimTestOrtami.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class KritikStokTesti : public KabukTestOrtamı {
protected:
  void TearDown() override {
    // The progress form last ran over this form, as its child: it goes first.
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<KritikStokBelirlemeFormu>();
    KabukTestOrtamı::TearDown();
  }
  qint64 Ekle(const char* sql, const QVariantList& d) {
    vt->Çalıştır(QString::fromUtf8(sql), d);
    return vt->SonEklenenNo();
  }
  qint64 Ürün(const char* kod, const char* ad, double ağırlık) {
    return Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                {QString::fromUtf8(kod), QString::fromUtf8(ad), ağırlık});
  }
  qint64 Depo(const char* kod, const char* ad) {
    return Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                {QString::fromUtf8(kod), QString::fromUtf8(ad)});
  }
  void Giriş(qint64 ürün, qint64 depo, double m) {
    Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, ?, ?, 1)",
         {ürün, depo, m});
  }
  QStringList Satırlar() {
    QStringList s;
    KayıtKümesi k = vt->KayıtKümesiAç("SELECT DepoNo, UrunNo, KritikStokMiktari FROM KritikStokBilgileriTablosu "
                                      "ORDER BY DepoNo, UrunNo");
    for (; !k.Sonda(); k.MoveNext())
      s << QStringLiteral("%1/%2=%3").arg(k.Tamsayı("DepoNo")).arg(k.Tamsayı("UrunNo")).arg(k.Ondalık("KritikStokMiktari"));
    return s;
  }
  // MERKEZ holds ÇİVİ and AMBALAJ, ŞUBE nothing.
  void Örnek() {
    merkez = Depo("M", "MERKEZ"), şube = Depo("Ş", "ŞUBE");
    çivi = Ürün("Ç-1", "ÇİVİ", 1.5), ambalaj = Ürün("A-1", "AMBALAJ", 2), Ürün("B-1", "BOYA", 1);
    Giriş(çivi, merkez, 10), Giriş(ambalaj, merkez, 4), Giriş(çivi, merkez, 2);
  }
  qint64 merkez = 0, şube = 0, çivi = 0, ambalaj = 0;
};

using namespace KritikStokVerileri;

TEST_F(KritikStokTesti, İlkKayıtEklerSonrakilerDeğiştirirToplamlarİçerir) {
  Örnek();
  EXPECT_EQ(ToplamAğırlık(*vt, merkez), 2600);  // 12 × 1,5 + 4 × 2
  for (qint64 depo : {merkez, şube}) EXPECT_EQ(ToplamKritikStokAğırlığı(*vt, depo), 0);
  EXPECT_EQ(ToplamAğırlık(*vt, şube), 0);
  struct Adım {
    qint64 ürün;
    TürkçeMetin::Miktar miktar;
    int satır;
    TürkçeMetin::Miktar toplam;
  };
  const Adım adımlar[] = {{çivi, 1000, 1, 1500}, {çivi, 250, 1, 375}, {ambalaj, 1, 2, 377}, {çivi, 0, 2, 2}};
  for (const Adım& a : adımlar) {
    EXPECT_TRUE(Kaydet(*vt, merkez, a.ürün, a.miktar));
    EXPECT_EQ(Satırlar().size(), a.satır) << a.miktar;
    EXPECT_EQ(ToplamKritikStokAğırlığı(*vt, merkez), a.toplam) << a.miktar;
  }
  const auto s = Oku(*vt, merkez, ambalaj);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->miktar, 1);
  EXPECT_EQ(s->ağırlık, 2);
  EXPECT_FALSE(Oku(*vt, şube, ambalaj));

  // Another workstation added the pair meanwhile: its row is changed, no second one appears.
  auto öbürü = Veritabanı::Aç(vt->Yol());
  EXPECT_TRUE(Kaydet(*öbürü, şube, çivi, 700));
  EXPECT_TRUE(Kaydet(*vt, şube, çivi, 800));
  // A product or warehouse deleted meanwhile gets no level.
  EXPECT_FALSE(Kaydet(*vt, şube, 999, 100));
  EXPECT_FALSE(Kaydet(*vt, 999, çivi, 100));
  EXPECT_EQ(Satırlar(), QStringList({"1/1=0", "1/2=0.01", "2/1=8"}));
}

class KritikStokFormuTesti : public KritikStokTesti {
protected:
  KritikStokBelirlemeFormu& Aç() {
    Ortak::TanımSayıları[2] = 2;
    Form<İlerlemeGösterFormu>().İşiÇalıştır(13, İş::ListelerBaşlık, İş::ListelerMetin);
    auto& f = Form<KritikStokBelirlemeFormu>();
    f.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
  }
  static void Tıkla(QListWidget* l, const QString& metin) {
    const auto öğe = l->findItems(metin, Qt::MatchExactly);
    ASSERT_EQ(öğe.size(), 1) << metin.toStdString();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(öğe[0]).center());
  }
  // The window system here does not give the activation back when the progress form closes.
  static void Odakla(QWidget* w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
    w->setFocus();
  }
  static QStringList Metinler(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
  }
  static void MiktarYaz(KritikStokBelirlemeFormu& f, const QString& m) {
    QTest::mouseClick(f.KritikStokMiktarıKutusu, Qt::LeftButton);
    f.KritikStokMiktarıKutusu->selectAll();
    Yaz(f.KritikStokMiktarıKutusu, m);
  }
};

TEST_F(KritikStokFormuTesti, KomutDepolarıAdSırasıylaAçarEscKapatır) {
  Örnek();
  QStringList depolar;
  bool boş = false;
  // Looks once the progress form has filled the list and the form is up.
  QTimer zamanlayıcı;
  QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
    auto& f = Form<KritikStokBelirlemeFormu>();
    if (QApplication::activeModalWidget() != &f) return;
    depolar = Metinler(f.DepoListesi);
    boş = f.ÜrünListesi->count() == 0 && f.DepoListesi->selectedItems().isEmpty() && !f.KaydetDüğmesi->isEnabled();
    QTest::keyClick(&f, Qt::Key_Escape);
  });
  zamanlayıcı.start(10);
  KomutDağıt(111);
  EXPECT_EQ(depolar, QStringList({"MERKEZ", "ŞUBE"}));
  EXPECT_TRUE(boş);
  EXPECT_FALSE(Form<KritikStokBelirlemeFormu>().isVisible());
}

TEST_F(KritikStokFormuTesti, SeviyeKaydıEklerDeğiştirirGeçersizMiktarıKaydetmez) {
  Örnek();
  auto& f = Aç();
  Tıkla(f.DepoListesi, "ŞUBE");
  EXPECT_EQ(f.ÜrünListesi->count(), 0);
  EXPECT_EQ(f.ToplamÜrünAğırlığıKutusu->text(), "0,00");
  EXPECT_EQ(f.ToplamKritikStokAğırlığıKutusu->text(), "0,00");
  Tıkla(f.DepoListesi, "MERKEZ");
  EXPECT_EQ(Metinler(f.ÜrünListesi), QStringList({"AMBALAJ", "ÇİVİ"}));  // only what entered it
  EXPECT_EQ(f.ToplamÜrünAğırlığıKutusu->text(), "26,00");

  Tıkla(f.ÜrünListesi, "ÇİVİ");
  EXPECT_TRUE(f.KritikStokMiktarıKutusu->text().isEmpty());
  MiktarYaz(f, "12a.-");
  EXPECT_EQ(f.KritikStokMiktarıKutusu->text(), "12");
  EXPECT_TRUE(f.KaydetDüğmesi->isEnabled());
  QTest::mouseClick(f.KaydetDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Satırlar(), QStringList{"1/1=12"});
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  EXPECT_TRUE(f.KritikStokMiktarıKutusu->text().isEmpty());
  EXPECT_FALSE(f.KaydetDüğmesi->isEnabled());
  EXPECT_EQ(f.ToplamKritikStokAğırlığıKutusu->text(), "18,00");

  Tıkla(f.ÜrünListesi, "ÇİVİ");
  EXPECT_EQ(f.KritikStokMiktarıKutusu->text(), "12,00");
  EXPECT_EQ(f.ÜrünKritikStokAğırlığıKutusu->text(), "18,00");
  MiktarYaz(f, "1234,5");
  QTest::mouseClick(f.KaydetDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Satırlar(), QStringList{"1/1=1234.5"});

  // A quantity typed for one product, then another product chosen: its empty box is not saved.
  Tıkla(f.ÜrünListesi, "ÇİVİ");
  MiktarYaz(f, "5");
  Tıkla(f.ÜrünListesi, "AMBALAJ");
  ASSERT_TRUE(f.KaydetDüğmesi->isEnabled());
  QTest::mouseClick(f.KaydetDüğmesi, Qt::LeftButton);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, "Lütfen, geçerli bir KRİTİK STOK MİKTARI giriniz!");
  EXPECT_EQ(Satırlar(), QStringList{"1/1=1234.5"});

  // Saving with nothing chosen names the warehouse first.
  Odakla(f.DepoBulKutusu);
  Yaz(f.DepoBulKutusu, "x");
  EXPECT_EQ(f.ÜrünListesi->count(), 0);
  f.KaydetDüğmesi->setEnabled(true);
  QTest::mouseClick(f.KaydetDüğmesi, Qt::LeftButton);
  EXPECT_EQ(mesajlar.back().metin, "Lütfen, ürünün bulunduğu DEPOYU listeden seçiniz!");
  EXPECT_EQ(f.focusWidget(), f.DepoListesi);
}

TEST_F(KritikStokFormuTesti, BulKutularıVeKodAdSeçenekleriListeleriİzler) {
  Örnek();
  auto& f = Aç();
  Odakla(f.DepoBulKutusu);
  Yaz(f.DepoBulKutusu, "me");  // upper-cased as typed, found in any case
  EXPECT_EQ(f.DepoBulKutusu->text(), "ME");
  ASSERT_EQ(f.DepoListesi->selectedItems().size(), 1);
  EXPECT_EQ(f.ÜrünListesi->count(), 2);
  Odakla(f.ÜrünBulKutusu);
  Yaz(f.ÜrünBulKutusu, "çi ");
  QTest::keyClick(f.ÜrünBulKutusu, Qt::Key_Return);
  EXPECT_EQ(f.focusWidget(), f.KritikStokMiktarıKutusu);
  EXPECT_EQ(f.ÜrünBulKutusu->text(), "Çİ ");  // left as typed: the list keeps following it
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  Odakla(f.ÜrünBulKutusu);
  Yaz(f.ÜrünBulKutusu, "çi");  // entering selected the text, so typing replaces it
  ASSERT_EQ(f.ÜrünListesi->selectedItems().size(), 1);
  EXPECT_EQ(f.ÜrünListesi->selectedItems()[0]->text(), "ÇİVİ");

  QTest::mouseClick(f.ÜrünKoduAdıSeçeneği[1], Qt::LeftButton);
  EXPECT_EQ(Metinler(f.ÜrünListesi), QStringList({"A-1", "Ç-1"}));  // in name order
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  QTest::mouseClick(f.DepoKoduAdıSeçeneği[1], Qt::LeftButton);
  EXPECT_EQ(Metinler(f.DepoListesi), QStringList({"M", "Ş"}));
  EXPECT_TRUE(f.DepoListesi->selectedItems().isEmpty());
  EXPECT_EQ(f.ÜrünListesi->count(), 0);
  EXPECT_TRUE(f.ToplamÜrünAğırlığıKutusu->text().isEmpty());

  // Closed and opened again: the start state.
  f.KapatDüğmesi->click();
  auto& yeni = Aç();
  EXPECT_TRUE(yeni.DepoKoduAdıSeçeneği[0]->isChecked());
  EXPECT_EQ(Metinler(yeni.DepoListesi), QStringList({"MERKEZ", "ŞUBE"}));
  EXPECT_TRUE(yeni.DepoBulKutusu->text().isEmpty());
  EXPECT_TRUE(mesajlar.empty());
}

}  // namespace
