#include "AnaForm.h"
#include "Ayarlar.h"
#include "BaglantiSonrasi.h"
#include "BaslangicModulu.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "KarsilamaFormu.h"
#include "KritikStokListesiFormu.h"
#include "SikiListeGorunumu.h"
#include "Platform.h"
#include "VeritabaninaBaglanFormu.h"
#include "YaziciSecmeFormu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// The progress form's job table as the program starts with it (other tests replace it).
std::function<std::function<void()>(int)> VarsayılanProsedürler;
struct ProsedürleriSakla : ::testing::Environment {
  void SetUp() override { VarsayılanProsedürler = İlerlemeGösterFormu::İşProsedürüBul; }
};
[[maybe_unused]] const auto* const ortam = ::testing::AddGlobalTestEnvironment(new ProsedürleriSakla);

class KritikStokListesiTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    İlerlemeGösterFormu::İşProsedürüBul = VarsayılanProsedürler;
    Ortak::KritikStokUyarısı = Ortak::SıralamaSütunu = Ortak::SıralamaYönü = 0;
  }
  void TearDown() override {
    FormuYokEt<KritikStokListesiFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    KabukTestOrtamı::TearDown();
  }

  qint64 Ekle(const char* sql, const QVariantList& d) {
    vt->Çalıştır(QString::fromUtf8(sql), d);
    return vt->SonEklenenNo();
  }
  qint64 Ürün(const char* ad) { return Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES (?, ?)",
                                            {QString::fromUtf8(ad).left(2), QString::fromUtf8(ad)}); }
  qint64 Depo(const char* ad) { return Ekle("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES (?)", {QString::fromUtf8(ad)}); }
  void Giriş(qint64 u, qint64 d, double m) {
    Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari) VALUES (?, ?, ?)", {u, d, m});
  }
  void Çıkış(qint64 u, qint64 d, double m) {
    Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, CikisMiktari) VALUES (?, ?, ?)", {u, d, m});
  }
  void Kritik(qint64 u, qint64 d, double m) {
    Ekle("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)", {u, d, m});
  }
  // Four pairs at or below their level (one met exactly, one in minus) and one 0,01 above it.
  void ÖrnekStok() {
    const qint64 merkez = Depo("MERKEZ"), şube = Depo("ŞUBE"), elma = Ürün("ELMA"), armut = Ürün("ARMUT"),
                 çivi = Ürün("ÇİVİ"), ışık = Ürün("IŞIK"), kayış = Ürün("KAYIŞ");
    Giriş(elma, merkez, 10.10), Giriş(elma, merkez, 0.20), Çıkış(elma, merkez, 0.30), Kritik(elma, merkez, 10);
    Giriş(armut, merkez, 10.01), Kritik(armut, merkez, 10);
    Giriş(çivi, şube, 1000), Kritik(çivi, şube, 1234.56);
    Kritik(ışık, şube, 0.5);
    Çıkış(kayış, merkez, 2.5), Kritik(kayış, merkez, 0);
  }

  static void İş33() { Form<İlerlemeGösterFormu>().İşiÇalıştır(33, İş::ListelerBaşlık, İş::ListelerMetin); }
  static SıkıListeGörünümü& Liste() { return *Form<KritikStokListesiFormu>().KritikStokListesi; }
  static QStringList Satırlar(int k = -1) {
    QStringList s;
    for (int i = 1; i <= Liste().SatırSayısı(); ++i) {
      QStringList h;
      for (int j = 0; j < Liste().SütunSayısı(); ++j) h << Liste().AltÖğe(i, j);
      s << (k < 0 ? h.join(" | ") : h[k]);
    }
    return s;
  }
  static void Göster(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  }
  static void BaşlığaTıkla(int başlıkIndex) {
    QHeaderView* h = Liste().header();
    const int m = başlıkIndex - 1;
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(m) + h->sectionSize(m) / 2, h->height() / 2));
  }
  static QString Ayar() { return Ayarlar::Oku("Ayarlar", "KritikStokUyarisi", "<yok>"); }
};

TEST_F(KritikStokListesiTesti, İş33SeviyedeVeAltındakileriListelerSütunlarTürüneGöreSıralanır) {
  ÖrnekStok();
  İş33();
  const auto& ilerleme = Form<İlerlemeGösterFormu>();
  EXPECT_FALSE(ilerleme.isVisible());
  EXPECT_EQ(ilerleme.İlerlemeÇubuğu->maximum(), 4);
  EXPECT_EQ(ilerleme.İlerlemeÇubuğu->value(), 4);
  const QStringList beklenen{"MERKEZ | EL | ELMA | 10,00 | 10,00",  // met exactly; ARMUT 0,01 above is left out
                             "MERKEZ | KA | KAYIŞ | -2,50 | 0,00", "ŞUBE | Çİ | ÇİVİ | 1.000,00 | 1.234,56",
                             "ŞUBE | IŞ | IŞIK | 0,00 | 0,50"};
  EXPECT_EQ(Satırlar(), beklenen);
  EXPECT_EQ(KritikStokSayısı(), beklenen.size());  // the warning counts what the list shows
  İş33();  // the next build replaces the rows
  EXPECT_EQ(Satırlar(), beklenen);

  Göster(Form<KritikStokListesiFormu>());
  EXPECT_LE(Form<KritikStokListesiFormu>().width(), 790);  // the smallest screen is 800 wide
  BaşlığaTıkla(4);
  EXPECT_EQ(Satırlar(3), QStringList({"-2,50", "0,00", "10,00", "1.000,00"}));
  BaşlığaTıkla(4);
  EXPECT_EQ(Satırlar(3), QStringList({"1.000,00", "10,00", "0,00", "-2,50"}));
  EXPECT_EQ(Liste().BaşlıkResmi(4), 2);
  BaşlığaTıkla(3);
  EXPECT_EQ(Satırlar(2), QStringList({"ÇİVİ", "ELMA", "IŞIK", "KAYIŞ"}));
  EXPECT_EQ(Liste().BaşlıkResmi(3), 1);
  BaşlığaTıkla(5);
  EXPECT_EQ(Satırlar(4), QStringList({"0,00", "0,50", "10,00", "1.234,56"}));
  EXPECT_TRUE(mesajlar.empty());
}

// The list takes the rows the count has just read only while the file is as the count saw it:
// a write of this workstation or of another one, or a changed view, makes it read them again.
TEST_F(KritikStokListesiTesti, SayımdanSonrakiDeğişiklikListedeGörünür) {
  struct Durum {
    const char* ad;
    std::function<void()> değiştir;
    int satır;  // -1: the list reports the error
  };
  // One after the other on one file, each counted first as F7 and the start-up warning do.
  const std::vector<Durum> durumlar{
      {"değişiklik yok", [] {}, 4},
      {"bu istasyonun girişi", [] {
         Ortak::Veritabanı->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari) "
                                     "SELECT UrunNo, DepoNo, 5 FROM UrunBilgileriTablosu, DepoBilgileriTablosu "
                                     "WHERE UrunAdi = 'KAYIŞ' AND DepoAdi = 'MERKEZ'");
       }, 3},
      {"başka istasyonun seviyesi", [this] { Kritik(Ürün("ZİL"), Depo("DEPO"), 1); }, 4},
      {"başka istasyonda silinen görünüm", [this] { vt->Çalıştır("DROP VIEW KritikStokSorgusu"); }, -1},
  };
  ÖrnekStok();
  qint64 sayı = 4;
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.ad);
    ASSERT_EQ(KritikStokSayısı(), sayı);
    d.değiştir();
    if (d.satır < 0) Cevapla({Platform::Cevap::Evet});
    İş33();
    EXPECT_EQ(Liste().SatırSayısı(), std::max(d.satır, 0));
    EXPECT_EQ(mesajlar.size(), d.satır < 0 ? 1u : 0u);
    sayı = d.satır;
  }
}

// The bar moves in steps over a long list and still ends full.
TEST_F(KritikStokListesiTesti, UzunListedeİlerlemeSonundaDolu) {
  const qint64 depo = Depo("MERKEZ");
  Veritabanı::İşlem işlem(*vt);
  for (int i = 0; i < 250; ++i) Kritik(Ürün(QStringLiteral("ÜRÜN %1").arg(i, 3, 10, QChar('0')).toUtf8().constData()), depo, 1);
  işlem.Onayla();
  İş33();
  EXPECT_EQ(Liste().SatırSayısı(), 250);
  EXPECT_EQ(Form<İlerlemeGösterFormu>().İlerlemeÇubuğu->maximum(), 250);
  EXPECT_EQ(Form<İlerlemeGösterFormu>().İlerlemeÇubuğu->value(), 250);
  EXPECT_EQ(Satırlar(2).first(), "ÜRÜN 000");
  EXPECT_EQ(Satırlar(2).last(), "ÜRÜN 249");
}

TEST_F(KritikStokListesiTesti, VeritabanıHatasındaListeBoşalırİlerlemeHerDurumdaKapanır) {
  ÖrnekStok();
  İş33();
  Ortak::Veritabanı->Çalıştır("DROP VIEW KritikStokSorgusu");
  Cevapla({Platform::Cevap::Evet});
  İş33();
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_TRUE(mesajlar[0].metin.contains("Hata Kodu:"));
  EXPECT_EQ(Liste().SatırSayısı(), 0);  // no stale rows pass for current ones

  // Ending the program from the error box: the procedure itself still unloads the progress form.
  FormuYokEt<İlerlemeGösterFormu>();
  Form<İlerlemeGösterFormu>().show();
  Cevapla({Platform::Cevap::Hayır});
  EXPECT_THROW(Form<KritikStokListesiFormu>().ListeOluştur(), ProgramSonlandı);
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
  EXPECT_EQ(bitişler, std::vector<int>{1});
}

TEST_F(KritikStokListesiTesti, OnayKutusuAyarıYazarDüzenKapatıpAçıncaKorunur) {
  auto* form = &Form<KritikStokListesiFormu>();
  EXPECT_FALSE(form->BaşlangıçtaGösterOnayı->isChecked());
  EXPECT_EQ(Ayar(), "<yok>");  // loading writes nothing
  Göster(*form);
  QTest::mouseClick(form->BaşlangıçtaGösterOnayı, Qt::LeftButton);
  EXPECT_EQ(Ayar(), "1");
  EXPECT_EQ(Ortak::KritikStokUyarısı, 1);
  QTest::mouseClick(form->BaşlangıçtaGösterOnayı, Qt::LeftButton);
  EXPECT_EQ(Ayar(), "0");
  EXPECT_EQ(Ortak::KritikStokUyarısı, 0);

  // Each load shows what is stored; only 1 ticks the box.
  for (const char* kayıtlı : {"1", "abc", "2"}) {
    Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", kayıtlı);
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    Göster(*form);
    EXPECT_EQ(form->BaşlangıçtaGösterOnayı->isChecked(), kayıtlı[0] == '1') << kayıtlı;
  }

  const int tasarım = Liste().SütunGenişliği(1);
  Liste().SütunGenişliğiAyarla(3, 4515);
  Liste().SütunKonumuAyarla(5, 1);
  BaşlığaTıkla(2);
  form->KapatDüğmesi->setFocus();
  QTest::keyClick(form->KapatDüğmesi, Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  for (int kez = 0; kez < 2; ++kez) {
    if (kez == 1) FormuYokEt<KritikStokListesiFormu>();  // the next run of the program
    İş33();
    EXPECT_EQ(Liste().SütunGenişliği(3), 4515);
    EXPECT_EQ(Liste().SütunGenişliği(1), tasarım);
    EXPECT_EQ(std::vector<int>({Liste().SütunKonumu(5), Liste().SütunKonumu(1), Liste().SütunKonumu(4)}),
              std::vector<int>({1, 2, 5}));
    EXPECT_EQ(Liste().BaşlıkResmi(2), 0);  // a fresh load shows no arrow
  }
}

TEST_F(KritikStokListesiTesti, BaşlangıçUyarısıYalnızcaAyar1VeKritikStokVarkenGösterir) {
  Form<AnaForm>().Yükle();
  int kez = 0;
  QStringList gösterilen;
  QWidget* sahip = nullptr;
  bool ilerlemeAçık = true;
  const auto uyar = [&] {
    // Waits out the progress form, then looks at the list from inside its own modal loop.
    std::function<void()> bekle = [&] {
      if (FormVar<KritikStokListesiFormu>() && Form<KritikStokListesiFormu>().isVisible()) {
        auto& form = Form<KritikStokListesiFormu>();
        ++kez, gösterilen = Satırlar(), sahip = form.parentWidget();
        ilerlemeAçık = Form<İlerlemeGösterFormu>().isVisible();
        form.KapatDüğmesi_Click();
      } else if (QApplication::activeModalWidget()) {
        QTimer::singleShot(0, bekle);
      }
    };
    QTimer::singleShot(0, bekle);
    KritikStokUyarısınıGöster();
    QApplication::processEvents();
  };
  const qint64 d = Depo("MERKEZ"), u = Ürün("ELMA");
  Giriş(u, d, 10.01), Kritik(u, d, 10);  // levels exist, nothing at or below them
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  uyar();
  Çıkış(u, d, 0.01);  // now exactly at its level
  for (const char* kayıtlı : {"0", "abc"}) {
    Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", kayıtlı);
    uyar();
    EXPECT_EQ(Ortak::KritikStokUyarısı, 0);
  }
  EXPECT_EQ(kez, 0);
  EXPECT_FALSE(FormVar<KritikStokListesiFormu>());

  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  uyar();
  EXPECT_EQ(kez, 1);
  EXPECT_EQ(gösterilen, QStringList{"MERKEZ | EL | ELMA | 10,00 | 10,00"});  // built before it showed
  EXPECT_FALSE(ilerlemeAçık);
  EXPECT_EQ(sahip, SahipPencere());
  EXPECT_EQ(Form<İlerlemeGösterFormu>().windowTitle(), "Listeler Yükleniyor");
  EXPECT_EQ(Form<İlerlemeGösterFormu>().Etiket->text(), "Listeler yüklenirken lütfen bekleyiniz!");
  EXPECT_TRUE(mesajlar.empty());
}

// The warning at start-up opens inside the connection form, before start-up goes on.
TEST_F(KritikStokListesiTesti, BaşlangıçtaAçılanListeYazıcıSeçiminiSunar) {
  FormuYokEt<AnaForm>();
  ÖrnekStok();
  Ayarlar::Yaz("Sunucular", "Sunucu-1", SunucuKlasörü());
  Ayarlar::Yaz("Ayarlar", "Veritabani", "0");
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  Platform::Yazıcılar = [] { return QStringList{"Ofis"}; };
  Platform::VarsayılanYazıcı = [] { return QStringLiteral("Ofis"); };
  Ortak::Veritabanı.reset();

  QObject bağlam;
  bool listeAçıldı = false;
  QString seçimdekiYazıcı;
  std::function<void()> bekle = [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!FormVar<KritikStokListesiFormu>() || modal != &Form<KritikStokListesiFormu>()) {
      QTimer::singleShot(10, &bağlam, bekle);
      return;
    }
    listeAçıldı = true;
    QTimer::singleShot(0, &bağlam, [&] {
      if (!FormVar<YazıcıSeçmeFormu>() || QApplication::activeModalWidget() != &Form<YazıcıSeçmeFormu>()) return;
      seçimdekiYazıcı = Form<YazıcıSeçmeFormu>().YazıcıAdlarıKutusu->currentText();
      QTest::mouseClick(Form<YazıcıSeçmeFormu>().İptalDüğmesi, Qt::LeftButton);
    });
    QTest::mouseClick(Form<KritikStokListesiFormu>().YazdırDüğmesi, Qt::LeftButton);
    Form<KritikStokListesiFormu>().KapatDüğmesi_Click();
  };
  QTimer::singleShot(0, &bağlam, bekle);
  // Start-up ends in the program's own event loop, once no form is modal any more.
  QTimer bitir;
  bitir.callOnTimeout([] {
    if (QThread::currentThread()->loopLevel() == 1 && !QApplication::activeModalWidget()) QCoreApplication::quit();
  });
  bitir.start(20);
  EXPECT_EQ(BaşlangıçModülü::Main(), 0);

  EXPECT_TRUE(listeAçıldı);
  EXPECT_EQ(seçimdekiYazıcı, "Ofis");
  EXPECT_TRUE(mesajlar.empty());

  FormuYokEt<YazıcıSeçmeFormu>();
  FormuYokEt<VeritabanınaBağlanFormu>();
  FormuYokEt<KarşılamaFormu>();
  FormuYokEt<AnaForm>();
  AnaForm::KarşılamaFormunuKaldır = nullptr;
  Ortak::YazıcıVar = false;
  Ortak::GeçerliYazıcı.clear();
}

}  // namespace
