#pragma once
// The login password: the settings store keeps only its scrambled form, and a login
// is checked by scrambling the entry and comparing the two scrambled texts.

#include <QString>

class QLineEdit;

namespace OrtakYordamlarModülü {

// The table and key every caller passes.
inline const QString ŞifreTablosu = QStringLiteral("8204617395");
inline const QString ŞifreAnahtarı = QStringLiteral("7193");

// Each character c becomes tablo[(pos(key character) - pos(c)) mod length], the key repeating
// along the text, so scrambling twice gives the text back. A text that reads as zero (empty or
// zeros only) is scrambled as "0"; a character outside the table comes out as its first one.
QString ŞifreKarıştır(const QString& metin, const QString& tablo, const QString& anahtar);

// A password box of the login forms: "*" for each character, at most 10 digits, nothing else
// accepted (neither typed nor pasted).
void ŞifreKutusuHazırla(QLineEdit* kutu);

// An empty or too short password is refused with its message and the box takes the focus.
bool ŞifreUzunluğuUygun(QLineEdit* kutu);

}  // namespace OrtakYordamlarModülü
