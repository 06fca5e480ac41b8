#pragma once
// A workbook the program wrote, read back by a spreadsheet reader of its own (openpyxl).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

// The reader's account: "sayfalar", "birleşik", "yükseklik", "genişlik" (as the program gave them),
// "satırSayısı", "satırlar" (the first 50) and "son", each cell {"d", "t", "f", ...}, "kenarlar",
// "yatayOrtalı", "ızgara".
inline QJsonObject XlsxOku(const QString& yol) {
  QProcess süreç;
  süreç.start(QStringLiteral(VELMORA_PYTHON), {QStringLiteral(XLSX_OKU), yol});
  const bool bitti = süreç.waitForFinished(60000);
  EXPECT_TRUE(bitti && süreç.exitCode() == 0) << süreç.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(süreç.readAllStandardOutput()).object();
}

// A cell as "s:text", "n:number" or "t:yyyy-mm-dd" (a date), "" when empty.
inline QString XlsxHücre(const QJsonValue& h) {
  const QJsonObject o = h.toObject();
  if (o.value("d").isNull()) return {};
  const QString t = o.value("t").toString();
  if (t == QLatin1String("tarih")) return "t:" + o.value("d").toString();
  if (t == QLatin1String("n")) return "n:" + QString::number(o.value("d").toDouble(), 'g', 15);
  return "s:" + o.value("d").toString();
}
