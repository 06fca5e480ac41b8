#include "TestOrtami.h"

#include "Ayarlar.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "VeritabaniOlusturucu.h"

#include <QDir>

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

  sunucu_ = YeniVeritabanı(QStringLiteral("sunucu"));
  vt = Veritabanı::Aç(QDir(sunucu_).filePath(QStringLiteral("Vlm.vtb")));
}

void TestOrtamı::TearDown() {
  vt.reset();
  Platform::VarsayılanlarıKur();
}

QString TestOrtamı::YeniVeritabanı(const QString& klasörAdı) {
  const QString klasör = geçici_.filePath(klasörAdı);
  QDir().mkpath(klasör);
  VeritabanıOluşturucu::Oluştur(klasör);
  return klasör;
}

void TestOrtamı::Cevapla(std::initializer_list<int> cevaplar) {
  cevaplar_.insert(cevaplar_.end(), cevaplar.begin(), cevaplar.end());
}
