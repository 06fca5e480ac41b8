#include "KarsilamaFormu.h"

#include "OrtakYordamlarModulu.h"
#include "Simgeler.h"

#include <QApplication>
#include <QPainter>

namespace {
const QString Ondalık = QStringLiteral(
    "Programın doğru çalışabilmesi için \"Ondalık Simgesi\"nin virgül (,) olması gereklidir!");
const QString Basamak = QStringLiteral(
    "Programın doğru çalışabilmesi için \"Basamak Simgesi\"nin nokta (.) olması gereklidir!");
const QString ParaOndalık = QStringLiteral(
    "Programın doğru çalışabilmesi için \"Para Birimi Ondalık Simgesi\"nin virgül (,) olması gereklidir!");
const QString ParaBasamak = QStringLiteral(
    "Programın doğru çalışabilmesi için \"Para Birimi Basamak Simgesi\"nin nokta (.) olması gereklidir!");
const QString KarakterSeti = QStringLiteral(
    "İşletim sisteminiz \"Türkçe\" karakterleri desteklemediği için program doğru çalışmayabilir!");
}  // namespace

QStringList BölgeAyarıUyarıları(const Platform::BölgeAyarları& a) {
  QStringList uyarılar;
  // An empty value is one the system does not report: nothing to compare.
  const auto denetle = [&](const QString& değer, const QString& beklenen, const QString& uyarı) {
    if (!değer.isEmpty() && değer != beklenen) uyarılar << uyarı;
  };
  denetle(a.ondalıkSimgesi, QStringLiteral(","), Ondalık);
  denetle(a.basamakSimgesi, QStringLiteral("."), Basamak);
  denetle(a.paraOndalıkSimgesi, QStringLiteral(","), ParaOndalık);
  denetle(a.paraBasamakSimgesi, QStringLiteral("."), ParaBasamak);
  if (!a.türkçeKarakterler) uyarılar << KarakterSeti;
  return uyarılar;
}

KarşılamaFormu::KarşılamaFormu() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  Form_Load();
}

void KarşılamaFormu::Form_Load() {
  const QPixmap resim = Resim(QStringLiteral("KARSILAMA"));
  setFixedSize(resim.isNull() ? QSize(400, 250) : resim.size());
  QPalette p = palette();
  if (!resim.isNull()) p.setBrush(QPalette::Window, resim);
  setPalette(p);
  setAutoFillBackground(true);
  setCursor(Qt::WaitCursor);
  // The hourglass shows over the whole program until the main window has loaded.
  if (!QApplication::overrideCursor()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void KarşılamaFormu::Form_Activate() {
  for (const QString& uyarı : BölgeAyarıUyarıları(Platform::BölgeAyarlarıOku()))
    OrtakYordamlarModülü::MesajKutusu(uyarı, OrtakYordamlarModülü::Stil::Uyarı);
}

void KarşılamaFormu::mousePressEvent(QMouseEvent*) { hide(); }
