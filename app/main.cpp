#include "Ayarlar.h"
#include "BaslangicModulu.h"
#include "KomutDagitimi.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
  QApplication uygulama(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setOrganizationName(QStringLiteral("Belvaro"));
  Platform::VarsayılanlarıKur();
  Platform::ArayüzYazıTipiniKur();
  Veritabanı::Bildir = OrtakYordamlarModülü::KayıtBildirimi;
  İşlemİzleri::Söyle = OrtakYordamlarModülü::BekleyenİşiSöyle;
  İşlemİzleri::KoşuDosyasındaTut = true;
  İşlemİzleri::OkunamayanDosya = OrtakYordamlarModülü::OkunamayanİşDosyası;
  İşlemİzleri::NotKayboldu = [] { OrtakYordamlarModülü::İşNotuKayboldu(false); };
  QTranslator qtÇevirisi;
  BaşlangıçModülü::QtÇevirisiniYükle(qtÇevirisi);

  // --ornek-sunucu <klasör>: the sample database's folder, used when no server folder is saved yet.
  const QStringList argümanlar = uygulama.arguments();
  const int i = static_cast<int>(argümanlar.indexOf(QStringLiteral("--ornek-sunucu")));
  if (i > 0 && i + 1 < argümanlar.size() && !Ayarlar::BölümVar(QStringLiteral("Sunucular"))) {
    Ayarlar::Yaz(QStringLiteral("Sunucular"), QStringLiteral("Sunucu-1"),
                 QFileInfo(argümanlar[i + 1]).absoluteFilePath());
    Ayarlar::Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), QStringLiteral("0"));
  }
  KomutlarıBağla();
  return BaşlangıçModülü::Main();
}
