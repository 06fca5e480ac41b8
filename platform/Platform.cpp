#include "Platform.h"

#include "RaporTuvali.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>

#include <clocale>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace Platform {

std::function<int(QWidget*, const QString&, int, const QString&)> MesajGöster;
std::function<QString(QWidget*, const QString&, const QString&)> KlasörSeç;
std::function<void(int)> ProgramıBitir;
std::function<QDate()> Bugün;
std::function<QStringList()> Yazıcılar;
std::function<QString()> VarsayılanYazıcı;
std::function<QString(const QString&)> YazıcıBağlantısı;
std::function<std::shared_ptr<RaporTuvali>(const QString&, const QString&)> TuvalAç;
std::function<bool()> TabloProgramıVar;
std::function<bool(const QUrl&)> DosyaAç;
std::function<BölgeAyarları()> BölgeAyarlarıOku;
std::function<SürümKaydı()> SürümOku;

namespace {

// A Yes/No question has no Esc answer: Esc and the close box leave it open until a button is pressed.
class QtMesajKutusu : public QMessageBox {
public:
  QtMesajKutusu(QWidget* sahip, bool kaçışVar) : QMessageBox(sahip), kaçışVar_(kaçışVar) {}

protected:
  void keyPressEvent(QKeyEvent* olay) override {
    if (!kaçışVar_ && olay->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(olay);
  }
  void closeEvent(QCloseEvent* olay) override {
    if (!kaçışVar_) {
      olay->ignore();
      return;
    }
    QMessageBox::closeEvent(olay);
  }

private:
  bool kaçışVar_;
};

int QtİleGöster(QWidget* sahip, const QString& metin, int stil, const QString& başlık) {
  const bool evetHayır = (stil & 7) == 4;
  QtMesajKutusu kutu(sahip, !evetHayır);
  kutu.setWindowTitle(başlık);
  kutu.setText(metin);
  switch (stil & 0x70) {
    case 16: kutu.setIcon(QMessageBox::Critical); break;
    case 32: kutu.setIcon(QMessageBox::Question); break;
    case 48: kutu.setIcon(QMessageBox::Warning); break;
    case 64: kutu.setIcon(QMessageBox::Information); break;
    default: kutu.setIcon(QMessageBox::NoIcon);
  }
  struct Düğme {
    QString metin;
    QMessageBox::ButtonRole rol;
    int cevap;
  };
  QList<Düğme> düğmeler;
  switch (stil & 7) {
    case 1: düğmeler = {{"Tamam", QMessageBox::AcceptRole, Cevap::Tamam}, {"İptal", QMessageBox::RejectRole, Cevap::İptal}}; break;
    case 3:
      düğmeler = {{"&Evet", QMessageBox::YesRole, Cevap::Evet},
                  {"&Hayır", QMessageBox::NoRole, Cevap::Hayır},
                  {"İptal", QMessageBox::RejectRole, Cevap::İptal}};
      break;
    case 4: düğmeler = {{"&Evet", QMessageBox::YesRole, Cevap::Evet}, {"&Hayır", QMessageBox::NoRole, Cevap::Hayır}}; break;
    default: düğmeler = {{"Tamam", QMessageBox::AcceptRole, Cevap::Tamam}};
  }
  QList<QPushButton*> eklenen;
  for (const auto& d : düğmeler) eklenen << kutu.addButton(d.metin, d.rol);
  const int varsayılan = std::min<int>((stil & 0x300) >> 8, static_cast<int>(eklenen.size()) - 1);
  kutu.setDefaultButton(eklenen[varsayılan]);
  // Esc answers Cancel, and a lone OK; Yes/No has no Esc answer.
  if (!evetHayır) kutu.setEscapeButton(eklenen.back());
  kutu.exec();
  const int i = static_cast<int>(eklenen.indexOf(static_cast<QPushButton*>(kutu.clickedButton())));
  return i >= 0 ? düğmeler[i].cevap : düğmeler.back().cevap;
}

BölgeAyarları SistemBölgeAyarları() {
  BölgeAyarları b;
  // The user's own locale, read without touching the program's.
  locale_t yerel = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
  if (!yerel) yerel = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  const locale_t önceki = uselocale(yerel);
  const lconv* lc = localeconv();
  b.ondalıkSimgesi = QString::fromLocal8Bit(lc->decimal_point);
  b.basamakSimgesi = QString::fromLocal8Bit(lc->thousands_sep);
  b.paraOndalıkSimgesi = QString::fromLocal8Bit(lc->mon_decimal_point);
  b.paraBasamakSimgesi = QString::fromLocal8Bit(lc->mon_thousands_sep);
  const char* karakterSeti = nl_langinfo(CODESET);
  iconv_t çevirici = iconv_open(karakterSeti, "UTF-8");
  if (çevirici == reinterpret_cast<iconv_t>(-1)) {
    b.türkçeKarakterler = false;
  } else {
    char giriş[] = "\xC4\xB0";  // İ
    char çıkış[8];
    char* g = giriş;
    char* ç = çıkış;
    size_t gk = 2, çk = sizeof çıkış;
    b.türkçeKarakterler = iconv(çevirici, &g, &gk, &ç, &çk) != static_cast<size_t>(-1);
    iconv_close(çevirici);
  }
  uselocale(önceki);
  freelocale(yerel);
  return b;
}

// CUPS keeps a queue's device address (its "port") to itself; lpstat tells it.
QString CupsBağlantısı(const QString& yazıcı) {
  QProcess süreç;
  // Its wording is read, so it must not be translated.
  QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
  ortam.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  süreç.setProcessEnvironment(ortam);
  süreç.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), yazıcı});
  if (!süreç.waitForFinished(3000) || süreç.exitCode() != 0) return {};
  // "device for PDF: cups-pdf:/"
  const QString satır = QString::fromLocal8Bit(süreç.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
  const int ayraç = satır.indexOf(QLatin1String(": "));
  return ayraç < 0 ? QString() : satır.mid(ayraç + 2).trimmed();
}

bool XlsxUygulamasıVar() {
  QProcess süreç;
  süreç.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"),
               QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
  if (!süreç.waitForFinished(3000)) return false;
  return süreç.exitCode() == 0 && !süreç.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

void ArayüzYazıTipiniKur() {
  const QString aile = QStringLiteral("Liberation Sans");
  if (!QFontDatabase::families().contains(aile)) return;
  QFont yazı(aile);
  yazı.setPointSize(8);
  QApplication::setFont(yazı);
}

void VarsayılanlarıKur() {
  MesajGöster = QtİleGöster;
  KlasörSeç = [](QWidget* sahip, const QString& başlık, const QString& başlangıç) {
    return QFileDialog::getExistingDirectory(sahip, başlık, başlangıç, QFileDialog::ShowDirsOnly);
  };
  ProgramıBitir = [](int kod) { std::_Exit(kod); };
  Bugün = [] { return QDate::currentDate(); };
  Yazıcılar = [] { return QPrinterInfo::availablePrinterNames(); };
  VarsayılanYazıcı = [] { return QPrinterInfo::defaultPrinterName(); };
  YazıcıBağlantısı = CupsBağlantısı;
  TuvalAç = [](const QString& yazıcı, const QString& belgeAdı) -> std::shared_ptr<RaporTuvali> {
    return YazıcıTuvali::Yazıcıya(yazıcı, belgeAdı);
  };
  TabloProgramıVar = XlsxUygulamasıVar;
  DosyaAç = [](const QUrl& adres) { return QDesktopServices::openUrl(adres); };
  BölgeAyarlarıOku = SistemBölgeAyarları;
  SürümOku = [] {
    // Linux stands for a supported later version of the NT family.
    return SürümKaydı{};
  };
}

}  // namespace Platform
