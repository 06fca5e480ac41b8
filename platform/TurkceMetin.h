#pragma once
// Turkish text, numbers and dates with one fixed locale, whatever the system's.

#include <QDate>
#include <QLocale>
#include <QString>

#include <limits>
#include <optional>

namespace TürkçeMetin {

const QLocale& Yerel();  // Turkish, Turkey: decimal comma, grouping point

// Upper case as typed: i -> İ, ı -> I, other letters by their own upper case.
QChar BüyükHarf(QChar c);
QString BüyükHarfeÇevir(const QString& metin);
// Case folding with the Turkish pairs (İ/i and I/ı) for comparisons and searches.
QString Katla(const QString& metin);
bool BüyükKüçükDuyarsızEşit(const QString& a, const QString& b);
bool İleBaşlar(const QString& metin, const QString& önEk);
// Turkish collation: negative, 0 or positive.
int Karşılaştır(const QString& a, const QString& b);

// Numbers: two decimals with grouping ("1.234,50"); counts without decimals.
QString SayıMetni(double değer, int ondalık = 2);
QString SayaçMetni(qint64 değer);
std::optional<double> SayıOku(const QString& metin);

// Quantities are whole hundredths.
using Miktar = qint64;
// The largest figure the program keeps, 9.999.999.999.999,99: fifteen significant digits with
// its two decimals, what a stored REAL and a spreadsheet cell hold exactly. A quantity, or a
// weight, beyond it is refused where it is entered.
inline constexpr Miktar EnBüyükMiktar = 999'999'999'999'999;
inline bool TamTutulur(Miktar m) { return m >= -EnBüyükMiktar && m <= EnBüyükMiktar; }
// The farthest a list holds a figure. A file an older program or a hand wrote may hold more, or
// sums of it may pass it: such a figure is held here, with its sign, never wrapped into another.
inline constexpr Miktar EnUçMiktar = std::numeric_limits<Miktar>::max();
inline Miktar Kırp(__int128 yüzde) {
  return yüzde > EnUçMiktar ? EnUçMiktar : yüzde < -EnUçMiktar ? -EnUçMiktar : static_cast<Miktar>(yüzde);
}
// The whole number nearest to `değer`, half away from zero, within ±EnUçMiktar (not a number: 0).
Miktar Yuvarla(double değer);
Miktar MiktaraÇevir(double değer);
double MiktarDeğeri(Miktar m);
QString MiktarMetni(Miktar m);
// Read from the digits as typed, rounded to hundredths half away from zero, never through a
// double (which holds no more than fifteen or so digits); up to 10^15 either way.
std::optional<Miktar> MiktarOku(const QString& metin);

// Dates as stored (ISO) and as shown (dd.MM.yyyy).
QString TarihISO(const QDate& tarih);
QDate ISOTarih(const QString& metin);
QString TarihMetni(const QDate& tarih);
QDate TarihOku(const QString& metin);  // d.M.yyyy, leading zeros optional

}  // namespace TürkçeMetin
