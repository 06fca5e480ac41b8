#include "TestOrtami.h"

#include "Ayarlar.h"
#include "KosuDosyalari.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "VeritabaniOlusturucu.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace {

// Does what a window manager does and the offscreen platform does not: a window shown over
// another (the progress form over the form whose list it loads) gives the activation back to
// that window when it goes away, so that focus tests after it see the focus events a user's do.
class PencereYöneticisi : public QObject {
protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override {
    if (olay->type() != QEvent::Hide || !nesne->isWidgetType()) return false;
    auto* pencere = static_cast<QWidget*>(nesne);
    if (!pencere->isWindow() || !pencere->parentWidget()) return false;
    QWidget* etkin = QApplication::activeWindow();
    if (etkin && etkin != pencere) return false;
    QWidget* sahip = pencere->parentWidget()->window();
    if (!sahip->isVisible()) return false;
    sahip->activateWindow();
    QApplication::setActiveWindow(sahip);  // at once: the test goes on without an event loop
    return false;
  }
};

}  // namespace

int VarsayılanCevap(int stil) {
  const int düğme = (stil & 0x300) >> 8;
  switch (stil & 7) {
    case 1: return düğme == 0 ? Platform::Cevap::Tamam : Platform::Cevap::İptal;
    case 3: return düğme == 0 ? Platform::Cevap::Evet : düğme == 1 ? Platform::Cevap::Hayır : Platform::Cevap::İptal;
    case 4: return düğme == 0 ? Platform::Cevap::Evet : Platform::Cevap::Hayır;
    default: return Platform::Cevap::Tamam;
  }
}

void TestOrtamı::SetUp() {
  ASSERT_TRUE(geçici_.isValid());
  const QString ayarlar = geçici_.filePath(QStringLiteral("ayarlar"));
  QDir().mkpath(ayarlar);
  Ayarlar::KlasöreYönlendir(ayarlar);

  Platform::VarsayılanlarıKur();
  Platform::MesajGöster = [this](QWidget*, const QString& metin, int stil, const QString& başlık) {
    mesajlar.push_back({metin, stil, başlık});
    if (cevaplar_.empty()) return VarsayılanCevap(stil);
    const int c = cevaplar_.front();
    cevaplar_.pop_front();
    return c;
  };
  Platform::ProgramıBitir = [this](int kod) {
    bitişler.push_back(kod);
    throw ProgramSonlandı{kod};
  };
  Platform::KlasörSeç = [](QWidget*, const QString&, const QString&) { return QString(); };
  Platform::Yazıcılar = [] { return QStringList{}; };
  Platform::VarsayılanYazıcı = [] { return QString(); };
  Platform::YazıcıBağlantısı = [](const QString&) { return QString(); };
  // No test prints on a printer of the machine.
  Platform::TuvalAç = [](const QString&, const QString&) { return std::make_shared<KayıtTuvali>(); };
  Platform::TabloProgramıVar = [] { return false; };
  Platform::DosyaAç = [](const QUrl&) { return true; };
  Platform::BölgeAyarlarıOku = [] { return Platform::BölgeAyarları{",", ".", ",", ".", true}; };
  Platform::Bugün = [] { return QDate(2026, 12, 7); };

  pencereYöneticisi_ = std::make_unique<PencereYöneticisi>();
  qApp->installEventFilter(pencereYöneticisi_.get());

  sunucu_ = YeniVeritabanı(QStringLiteral("sunucu"));
  vt = Veritabanı::Aç(QDir(sunucu_).filePath(QStringLiteral("Vlm.vtb")));
}

void TestOrtamı::TearDown() {
  pencereYöneticisi_.reset();
  vt.reset();
  Veritabanı::Bildir = {};
  İşlemİzleri::Söyle = {};
  İşlemİzleri::KoşuDosyasındaTut = false;
  İşlemİzleri::OkunamayanDosya = {};
  İşlemİzleri::HepsiniUnut();
  KoşuDosyaları::KilitlemedenÖnce = {};
  KoşuDosyaları::YazımAdımı = {};
  KoşuDosyaları::KilitYerine = {};
  KoşuDosyaları::AdsızDosyaKullan = true;
  KoşuDosyaları::Dönem = std::chrono::seconds(30);
  KoşuDosyaları::BayatDönemi = 8;
  İşlemİzleri::Saat = [] { return QDateTime::currentDateTime(); };
  Platform::VarsayılanlarıKur();
}

QString TestOrtamı::YeniVeritabanı(const QString& klasörAdı) {
  const QString klasör = geçici_.filePath(klasörAdı);
  QDir().mkpath(klasör);
  VeritabanıOluşturucu::Oluştur(klasör);
  return klasör;
}

int TestOrtamı::Kalıcıİşler() {
  int n = 0;
  const QDir klasör(KoşuDosyaları::Klasör());
  for (const QString& ad : klasör.entryList({QStringLiteral("*.isler")}, QDir::Files)) {
    QFile f(klasör.filePath(ad));
    if (f.open(QIODevice::ReadOnly)) n += int(f.readAll().count('\n')) - 2;  // but its first line and its last
  }
  return n;
}

void TestOrtamı::Cevapla(std::initializer_list<int> cevaplar) {
  cevaplar_.insert(cevaplar_.end(), cevaplar.begin(), cevaplar.end());
}
