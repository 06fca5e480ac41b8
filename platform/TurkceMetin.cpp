#include "TurkceMetin.h"

#include <QCollator>

#include <algorithm>
#include <cmath>

namespace TürkçeMetin {

const QLocale& Yerel() {
  static const QLocale yerel = [] {
    QLocale l(QLocale::Turkish, QLocale::Turkey);
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l;
  }();
  return yerel;
}

QChar BüyükHarf(QChar c) {
  if (c == u'i') return QChar(0x0130);
  if (c == QChar(0x0131)) return u'I';
  const QString büyük = QString(c).toUpper();
  // A letter whose upper case is longer (ß) stays as typed.
  return büyük.size() == 1 ? büyük.at(0) : c;
}

QString BüyükHarfeÇevir(const QString& metin) {
  QString sonuç = metin;
  for (auto& c : sonuç) c = BüyükHarf(c);
  return sonuç;
}

QString Katla(const QString& metin) {
  QString sonuç;
  sonuç.reserve(metin.size());
  for (QChar c : metin) {
    if (c == QChar(0x0130) || c == u'i')
      sonuç += u'i';
    else if (c == u'I' || c == QChar(0x0131))
      sonuç += QChar(0x0131);
    else
      sonuç += c.toLower();
  }
  return sonuç;
}

bool BüyükKüçükDuyarsızEşit(const QString& a, const QString& b) { return Katla(a) == Katla(b); }

bool İleBaşlar(const QString& metin, const QString& önEk) { return Katla(metin).startsWith(Katla(önEk)); }

int Karşılaştır(const QString& a, const QString& b) {
  static const QCollator sıralayıcı = [] {
    QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    return c;
  }();
  const int k = sıralayıcı.compare(a, b);
  if (k != 0) return k;
  // Keep a total order for texts the collator holds equal.
  return a.compare(b);
}

QString SayıMetni(double değer, int ondalık) {
  if (ondalık <= 0) return Yerel().toString(Yuvarla(değer));
  return Yerel().toString(değer, 'f', ondalık);
}

QString SayaçMetni(qint64 değer) { return Yerel().toString(değer); }

std::optional<double> SayıOku(const QString& metin) {
  const QString t = metin.trimmed();
  if (t.isEmpty()) return std::nullopt;
  bool tamam = false;
  double d = Yerel().toDouble(t, &tamam);
  if (!tamam) {
    // Grouping is optional when typed: "1234,5" is read as well as "1.234,5".
    QString grupsuz = t;
    grupsuz.remove(Yerel().groupSeparator());
    d = Yerel().toDouble(grupsuz, &tamam);
  }
  if (!tamam || !std::isfinite(d)) return std::nullopt;
  return d;
}

Miktar Yuvarla(double değer) {
  const double tam = std::round(değer);
  // Past 2^63 a conversion has no answer: llround gives the lowest number, a cast anything.
  if (std::isnan(tam)) return 0;
  if (tam >= 0x1p63) return EnUçMiktar;
  if (tam <= -0x1p63) return -EnUçMiktar;
  return static_cast<Miktar>(tam);
}

Miktar MiktaraÇevir(double değer) { return Yuvarla(değer * 100.0); }

double MiktarDeğeri(Miktar m) { return static_cast<double>(m) / 100.0; }

QString MiktarMetni(Miktar m) {
  // Written digit by digit from the back: a long list shows thousands of figures, and the
  // locale's general number formatting costs several times more for the same text.
  static const QChar grup = Yerel().groupSeparator().at(0), ondalık = Yerel().decimalPoint().at(0),
                     eksi = Yerel().negativeSign().at(0);
  quint64 kalan = m < 0 ? 0 - static_cast<quint64>(m) : static_cast<quint64>(m);
  QChar harfler[32];
  int i = 32;
  harfler[--i] = QChar(static_cast<char16_t>(u'0' + kalan % 10));
  kalan /= 10;
  harfler[--i] = QChar(static_cast<char16_t>(u'0' + kalan % 10));
  kalan /= 10;
  harfler[--i] = ondalık;
  for (int basamak = 0; basamak == 0 || kalan > 0; ++basamak) {
    if (basamak > 0 && basamak % 3 == 0) harfler[--i] = grup;
    harfler[--i] = QChar(static_cast<char16_t>(u'0' + kalan % 10));
    kalan /= 10;
  }
  if (m < 0) harfler[--i] = eksi;
  return QString(harfler + i, 32 - i);
}

std::optional<Miktar> MiktarOku(const QString& metin) {
  const auto d = SayıOku(metin);
  if (!d || std::fabs(*d) > 1e15) return std::nullopt;
  // A text the locale reads is digits, grouping, one comma and a sign, or an exponent form;
  // only the latter goes through the double.
  QString t = metin.trimmed();
  t.remove(Yerel().groupSeparator());
  const bool eksi = t.startsWith(Yerel().negativeSign()) || t.startsWith(u'-');
  if (eksi || t.startsWith(Yerel().positiveSign()) || t.startsWith(u'+')) t.remove(0, 1);
  const qsizetype virgül = t.indexOf(Yerel().decimalPoint());
  const QString tam = virgül < 0 ? t : t.left(virgül), kesir = virgül < 0 ? QString() : t.mid(virgül + 1);
  const auto rakamlar = [](const QString& r) {
    return std::all_of(r.begin(), r.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  };
  if (!rakamlar(tam) || !rakamlar(kesir)) return MiktaraÇevir(*d);
  Miktar m = 0;
  for (QChar c : tam) m = m * 10 + (c.unicode() - u'0');
  for (int i = 0; i < 2; ++i) m = m * 10 + (i < kesir.size() ? kesir[i].unicode() - u'0' : 0);
  if (kesir.size() > 2 && kesir[2] >= u'5') ++m;
  return eksi ? -m : m;
}

QString TarihISO(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

QDate ISOTarih(const QString& metin) { return QDate::fromString(metin.left(10), Qt::ISODate); }

QString TarihMetni(const QDate& tarih) { return tarih.toString(QStringLiteral("dd.MM.yyyy")); }

QDate TarihOku(const QString& metin) {
  const QStringList p = metin.trimmed().split(u'.');
  if (p.size() != 3) return {};
  bool g = false, a = false, y = false;
  const int gün = p[0].toInt(&g), ay = p[1].toInt(&a), yıl = p[2].toInt(&y);
  if (!g || !a || !y) return {};
  return QDate(yıl, ay, gün);
}

}  // namespace TürkçeMetin
