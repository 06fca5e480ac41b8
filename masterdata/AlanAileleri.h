#pragma once
// How every data-entry field behaves as the user enters it, types into it and
// leaves it. A form attaches one family to each field together with its caption
// label; the families keep no state of their own beyond the field.
//
// Focus handlers act on real focus moves only: a message box or the progress
// form coming up (and going away) neither re-selects nor re-formats a field.

#include <QLineEdit>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace AlanAileleri {

enum class Aile {
  Metin,    // free text: letters upper-cased as typed; trimmed and ' turned into ’ on leaving
  Ad,       // multi-line name: as Metin, and tabs and line breaks become blanks on leaving
  Tamsayı,  // digits only; shown grouped without decimals on leaving ("1.235")
  Ondalık,  // digits and one decimal comma (also the keypad's decimal key); shown with two
            // decimals on leaving ("1.234,50")
  Arama,    // search box: ? * ' refused, upper-cased, Enter trims it and runs `enter`
  Seçim,    // combo box or list: the caption takes the focus colour, nothing is selected;
            // an editable combo box also takes Metin's keys and leaving
  Bul,      // find box of a list: Metin's keys and entering; the list follows its text, so leaving
            // only gives the caption its colour back and the text stays as typed
  Telefon,  // telephone or fax: digits only, at most 11; entering shows the bare number, leaving
            // lays it into the mask "0### ### ## ##"
};

// Attaches the family to `alan` (QLineEdit, QPlainTextEdit, QComboBox or a list)
// and its caption `etiket` (may be null). Enter moves to the next field, except in
// Arama, where it runs `enter`. A multi-line field keeps at most `enUzun` characters
// (0: no limit); a line edit keeps its own maxLength.
void Bağla(QWidget* alan, QLabel* etiket, Aile aile, std::function<void()> enter = {}, int enUzun = 0);

// Entering the field colours its caption and leaves the text and caret as they were.
void SeçmedenGir(QWidget* alan);

// A box whose text entering leaves unselected, the caret where it was: a plain line edit
// selects all of it by itself when reached by Tab or an access key.
class SeçmedenGirilenKutu final : public QLineEdit {
public:
  using QLineEdit::QLineEdit;

protected:
  void focusInEvent(QFocusEvent* olay) override;
};
// Where a form's own convention differs from the family's.
struct Seçenekler {
  bool olduğuGibi = false;    // text stays exactly as typed on leaving (no trimming, ' kept)
  bool enterİlerler = false;  // Enter moves on from a list, a fixed combo or a date field as well
};
void Bağla(QWidget* alan, QLabel* etiket, Aile aile, Seçenekler seçenekler);

// The window is being unloaded: the next focus in it is a fresh one, no caption
// stays coloured, and a telephone box holds its whole mask again.
void PencereyiSıfırla(QWidget* pencere);

// The rules themselves, for the data module and the tests.
QString AyrılırkenMetin(const QString& metin);  // ' -> ’, then blanks trimmed
QString AdMetni(const QString& metin);          // as above, then tabs and line breaks to blanks
// The value of a text that is a number as a whole ("1.234,5", "12,"), or nothing.
std::optional<double> SayıDeğeri(const QString& metin);
// Leaving a number field: a number is shown with 2 (or 0) decimals, anything else stays.
QString SayıGösterimi(const QString& metin, int ondalık);
// A telephone number as stored: its number laid into "0### ### ## ##", the empty text for 0.
QString TelefonMaskesi(const QString& metin);
// As typed: the number of the text without the mask, or the text unchanged when that is 0.
QString TelefonRakamları(const QString& metin);

}  // namespace AlanAileleri
