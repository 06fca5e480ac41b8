#pragma once
// The seams to the system that tests replace: set once by main and by the test fixture.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;
class RaporTuvali;

namespace Platform {

// Answers of a message box, as the program compares them.
namespace Cevap {
inline constexpr int Tamam = 1;
inline constexpr int İptal = 2;
inline constexpr int Evet = 6;
inline constexpr int Hayır = 7;
}  // namespace Cevap

// Shows one message box owned by `sahip` (null: centred on the screen) and returns the answer.
// `stil` is a sum of buttons (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No), icon (16 critical,
// 32 question, 48 exclamation, 64 information) and default button (0, 256, 512).
extern std::function<int(QWidget* sahip, const QString& metin, int stil, const QString& başlık)> MesajGöster;

// Folder chooser opening at `başlangıç`; an empty result means the user cancelled.
extern std::function<QString(QWidget* sahip, const QString& başlık, const QString& başlangıç)> KlasörSeç;

// Ends the program at once: no closing handler and no settings write runs.
extern std::function<void(int kod)> ProgramıBitir;

extern std::function<QDate()> Bugün;

// Names of the installed printers, the one the system prints on unless told otherwise,
// and where a printer is connected (its device address; empty when unknown).
extern std::function<QStringList()> Yazıcılar;
extern std::function<QString()> VarsayılanYazıcı;
extern std::function<QString(const QString& yazıcı)> YazıcıBağlantısı;
// Begins a document on the named printer: every print draws through the canvas it returns.
// Throws YazıcıHatası when the printer cannot begin one.
extern std::function<std::shared_ptr<RaporTuvali>(const QString& yazıcı, const QString& belgeAdı)> TuvalAç;

// Whether a program opens spreadsheet files; and opening a file with it.
extern std::function<bool()> TabloProgramıVar;
extern std::function<bool(const QUrl&)> DosyaAç;

// The regional values the welcome form checks.
struct BölgeAyarları {
  QString ondalıkSimgesi;
  QString basamakSimgesi;
  QString paraOndalıkSimgesi;
  QString paraBasamakSimgesi;
  bool türkçeKarakterler = true;  // the locale's character set can hold "İ"
};
extern std::function<BölgeAyarları()> BölgeAyarlarıOku;

// What the system says of itself, in the shape the version check expects.
struct SürümKaydı {
  int platform = 2;  // 1: 9x family, 2: NT family
  int anaSürüm = 10;
  int altSürüm = 0;
  quint32 yapıNo = 0;
  QString hizmetPaketi;
};
extern std::function<SürümKaydı()> SürümOku;

// The program's screen font: the forms are laid out for an 8-point sans serif, so that the
// widest voucher still fits a screen 800 pixels wide. Liberation Sans is the metric twin of the
// font they were drawn with; where it is missing the system's own font stays.
void ArayüzYazıTipiniKur();

// Puts every seam back to the real system.
void VarsayılanlarıKur();

}  // namespace Platform
