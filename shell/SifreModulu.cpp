#include "SifreModulu.h"

#include "OrtakYordamlarModulu.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace OrtakYordamlarModülü {

QString ŞifreKarıştır(const QString& metin, const QString& tablo, const QString& anahtar) {
  const bool sıfır = std::all_of(metin.begin(), metin.end(), [](QChar c) { return c == u'0'; });
  const QString kaynak = sıfır ? QStringLiteral("0") : metin;
  const qsizetype uzunluk = tablo.size();
  QString sonuç;
  if (uzunluk == 0) return sonuç;

  qsizetype k = 0;
  for (const QChar c : kaynak) {
    const qsizetype sütun = tablo.indexOf(c);
    if (sütun < 0) {
      sonuç += tablo.at(0);
    } else if (!anahtar.isEmpty()) {
      // Row i is the table turned left by i places; the first row showing the key
      // character in the text character's column gives its first character.
      const QChar a = anahtar.at(k);
      for (qsizetype i = 0; i < uzunluk; ++i) {
        if (tablo.at((i + sütun) % uzunluk) == a) {
          sonuç += tablo.at(i);
          break;
        }
      }
    }
    if (!anahtar.isEmpty()) k = (k + 1) % anahtar.size();
  }
  return sonuç;
}

void ŞifreKutusuHazırla(QLineEdit* kutu) {
  kutu->setEchoMode(QLineEdit::Password);
  kutu->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  kutu->setMaxLength(10);
  kutu->setFont(QFont(QStringLiteral("Tahoma")));
  static const QRegularExpression rakamlar(QStringLiteral("[0-9]*"));
  kutu->setValidator(new QRegularExpressionValidator(rakamlar, kutu));
}

bool ŞifreUzunluğuUygun(QLineEdit* kutu) {
  const qsizetype uzunluk = kutu->text().size();
  if (uzunluk >= 4) return true;
  MesajKutusu(uzunluk == 0 ? QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!")
                           : QStringLiteral("Şifre en az 4 rakam olmalıdır!"),
              Stil::Bilgi);
  kutu->setFocus();
  return false;
}

}  // namespace OrtakYordamlarModülü
