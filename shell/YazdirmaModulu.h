#pragma once
// The print run every report and voucher follows: no printer refuses, the printer choice may
// cancel, then the report is drawn on the chosen printer with its button disabled and the wait
// pointer; a failure part-way is told once and ends the document.

#include <QString>

#include <functional>

class QPushButton;
class QWidget;
class RaporTuvali;

namespace YazdırmaModülü {

inline const QString YazıcıYokMesajı =
    QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");

// Runs one print over `sahip`: the caller has made its own checks (an empty list prints
// nothing). Before `çiz` runs, SayfaYüksekliği and SayfaGenişliği hold the printable area and
// ÜstBoşluk and AltBoşluk the margins (15 mm). `çiz` draws the whole report; the document is
// ended here. True only when the report reached the printer whole.
bool Yazdır(QWidget* sahip, QPushButton* düğme, const QString& başlık, const std::function<void(RaporTuvali&)>& çiz);

// The running header of every page after the first: the title at (10, 5), "Sayfa - n" ending
// 10 mm from the right edge, and a rule under them at y 10; in the font set before.
void SayfaBaşlığı(RaporTuvali& t, const QString& başlık);

// A length of the printable area to the nearest whole millimetre, a half to the even one.
int TamMilimetre(double mm);

}  // namespace YazdırmaModülü
