#include "BaslangicModulu.h"
#include "KabukTestOrtami.h"
#include "KarsilamaFormu.h"
#include "TekKopya.h"

#include <QApplication>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

namespace {

using namespace BaşlangıçModülü;

TEST(Başlangıç, BaşlıkSürümüBitişikYazar) {
  EXPECT_EQ(BaşlıkOluştur(1, 2, 4), "Belvaro - Velmora 1.24 (İstemci)");
  EXPECT_EQ(BaşlıkOluştur(2, 0, 11), "Belvaro - Velmora 2.011 (İstemci)");
}

TEST(Başlangıç, SürümDenetimi) {
  using K = Platform::SürümKaydı;
  EXPECT_FALSE(SürümüDenetle(K{1, 4, 0, 0x04000456u, {}}).hata.isEmpty());  // Windows 95 before OSR2
  EXPECT_TRUE(SürümüDenetle(K{1, 4, 0, 0x04000457u, {}}).hata.isEmpty());
  EXPECT_TRUE(SürümüDenetle(K{1, 4, 10, 0, {}}).hata.isEmpty());
  EXPECT_EQ(SürümüDenetle(K{1, 4, 10, 0, {}}).ntPlatformu, false);
  EXPECT_FALSE(SürümüDenetle(K{2, 3, 51, 0, {}}).hata.isEmpty());
  EXPECT_FALSE(SürümüDenetle(K{2, 4, 0, 0, {}}).hata.isEmpty());  // no service pack
  EXPECT_FALSE(SürümüDenetle(K{2, 4, 0, 0, "Service Pack 2"}).hata.isEmpty());
  EXPECT_TRUE(SürümüDenetle(K{2, 4, 0, 0, QStringLiteral("Service Pack 6") + QChar(0) + "x"}).hata.isEmpty());
  EXPECT_TRUE(SürümüDenetle(K{2, 10, 0, 0, {}}).hata.isEmpty());
  EXPECT_EQ(SürümüDenetle(K{2, 10, 0, 0, {}}).ntPlatformu, true);
  EXPECT_FALSE(SürümüDenetle(K{3, 1, 0, 0, {}}).ntPlatformu.has_value());
  EXPECT_TRUE(SürümüDenetle(Platform::SürümKaydı{}).hata.isEmpty());  // what Linux reports
}

// The real folder chooser, offscreen: Turkish texts, opening at the folder it is given.
TEST(Başlangıç, KlasörSeçiciTürkçeVeVerilenKlasördeAçılır) {
  QTemporaryDir başlangıç;
  QTranslator çevirmen;
  ASSERT_TRUE(QtÇevirisiniYükle(çevirmen));
  Platform::VarsayılanlarıKur();
  QString açıldığıKlasör;
  QStringList metinler;
  QTimer::singleShot(0, [&] {
    auto* seçici = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(seçici);
    açıldığıKlasör = seçici->directory().absolutePath();
    for (const QAbstractButton* d : seçici->findChildren<QAbstractButton*>()) metinler << d->text();
    for (const QLabel* e : seçici->findChildren<QLabel*>()) metinler << e->text();
    seçici->reject();
  });
  EXPECT_TRUE(Platform::KlasörSeç(nullptr, "Sunucu programın bulunduğu yeri seçiniz!", başlangıç.path()).isEmpty());
  EXPECT_EQ(açıldığıKlasör, başlangıç.path());
  for (const char* metin : {"&Seç", "İptal", "Arama konumu:"}) EXPECT_TRUE(metinler.contains(QString::fromUtf8(metin))) << metin;
}

TEST(Başlangıç, BölgeAyarlarıYalnızcaFarklıOlanlarıUyarır) {
  EXPECT_TRUE(BölgeAyarıUyarıları({",", ".", ",", ".", true}).isEmpty());
  const QStringList iki = BölgeAyarıUyarıları({".", ",", ",", ".", true});
  ASSERT_EQ(iki.size(), 2);
  EXPECT_TRUE(iki[0].contains("\"Ondalık Simgesi\"nin virgül (,)"));
  EXPECT_TRUE(iki[1].contains("\"Basamak Simgesi\"nin nokta (.)"));
  const QStringList para = BölgeAyarıUyarıları({",", ".", ".", "", false});
  ASSERT_EQ(para.size(), 2);
  EXPECT_TRUE(para[0].contains("Para Birimi Ondalık Simgesi"));
  EXPECT_EQ(para[1], "İşletim sisteminiz \"Türkçe\" karakterleri desteklemediği için program doğru çalışmayabilir!");
}

using KarşılamaTesti = KabukTestOrtamı;

TEST_F(KarşılamaTesti, UyarılarSırayla48StiliyleGösterilir) {
  Platform::BölgeAyarlarıOku = [] { return Platform::BölgeAyarları{".", ",", ",", ".", true}; };
  KarşılamaFormu form;
  form.Form_Activate();
  ASSERT_EQ(mesajlar.size(), 2u);
  EXPECT_EQ(mesajlar[0].stil, 48);
  EXPECT_EQ(mesajlar[1].metin,
            "Programın doğru çalışabilmesi için \"Basamak Simgesi\"nin nokta (.) olması gereklidir!");
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

TEST(TekKopyaTesti, İkinciKopyaBirincininPenceresiniGösterir) {
  TekKopya birinci(QStringLiteral("Test başlığı %1").arg(QCoreApplication::applicationPid()));
  int gösterilen = 0;
  ASSERT_TRUE(birinci.Dinle([&] { ++gösterilen; }));
  TekKopya ikinci(QStringLiteral("Test başlığı %1").arg(QCoreApplication::applicationPid()));
  EXPECT_TRUE(ikinci.BaşkaKopyayıUyandır());
  QElapsedTimer süre;
  süre.start();
  while (gösterilen == 0 && süre.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(gösterilen, 1);
  TekKopya başka(QStringLiteral("Başka program"));
  EXPECT_FALSE(başka.BaşkaKopyayıUyandır());
}

}  // namespace

#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "SunucuDegistirFormu.h"
#include "Surum.h"
#include "VeritabaninaBaglanFormu.h"

#include <QLocalServer>
#include <QStandardPaths>

#include <utility>

namespace {

class BaşlangıçTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    FormuYokEt<AnaForm>();  // start-up creates the main window itself
  }
  void TearDown() override {
    FormuYokEt<VeritabanınaBağlanFormu>();
    FormuYokEt<SunucuDeğiştirFormu>();
    FormuYokEt<KarşılamaFormu>();
    FormuYokEt<AnaForm>();
    AnaForm::KarşılamaFormunuKaldır = nullptr;
    KabukTestOrtamı::TearDown();
  }
};

TEST_F(BaşlangıçTesti, BağlantıdanVazgeçilinceProgramPencereBırakmadanBiter) {
  Ortak::Veritabanı.reset();
  Cevapla({Platform::Cevap::Hayır});
  EXPECT_EQ(Main(), 0);
  ASSERT_GE(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar.back().metin, "Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?");
  EXPECT_FALSE(FormYüklü<AnaForm>());
  EXPECT_FALSE(Form<KarşılamaFormu>().isVisible());
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
  EXPECT_EQ(Ortak::Başlık, "Belvaro - Velmora 1.24 (İstemci)");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(BaşlangıçTesti, KullanıcınınÇalışanKopyasıylaKonuşulmaz) {
  // The key a copy the user runs listens on.
  const QString ek = std::exchange(TekKopya::AnahtarEki, QString());
  const QString kullanıcınınAnahtarı = TekKopya::Anahtar(BaşlıkOluştur(Sürüm::Ana, Sürüm::Alt, Sürüm::Düzeltme));
  TekKopya::AnahtarEki = ek;
  QLocalServer kullanıcınınKopyası;
  // Taken already: the user's copy is really running, and must not hear from us either.
  const bool dinliyor = kullanıcınınKopyası.listen(kullanıcınınAnahtarı);

  Ortak::Veritabanı.reset();
  Cevapla({Platform::Cevap::Hayır});
  EXPECT_EQ(Main(), 0);
  // Start-up went its own way to the connection instead of handing over and ending.
  ASSERT_FALSE(mesajlar.empty());
  EXPECT_EQ(mesajlar.front().metin, "Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?");
  if (dinliyor) {
    EXPECT_FALSE(kullanıcınınKopyası.waitForNewConnection(0));
  }
}

TEST(TestOrtamıTesti, KullanıcıKlasörleriTestinKendisinin) {
  const QString kök = TestKullanıcıKlasörü() + u'/';
  ASSERT_NE(kök, "/");
  // The settings store lies below the first where no test moved it.
  for (const auto yer : {QStandardPaths::GenericConfigLocation, QStandardPaths::AppConfigLocation,
                         QStandardPaths::GenericDataLocation, QStandardPaths::AppDataLocation,
                         QStandardPaths::CacheLocation, QStandardPaths::RuntimeLocation})
    EXPECT_TRUE(QStandardPaths::writableLocation(yer).startsWith(kök)) << int(yer);
}

}  // namespace
