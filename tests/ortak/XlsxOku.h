#pragma once
// A workbook the program wrote, read back by a spreadsheet reader of its own (openpyxl).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

// The account of tests/ortak/xlsx_oku.py: sheet, merged ranges, row heights, widths as given,
// hidden columns, rows with their cells {"d", "t", "f", ...}, the data rows as "s:text|n:number|t:date"
// ("metinler", and the last one "son"), page setup.
inline QJsonObject XlsxOku(const QString& yol) {
  QProcess süreç;
  süreç.start(QStringLiteral(VELMORA_PYTHON), {QStringLiteral(XLSX_OKU), yol});
  EXPECT_TRUE(süreç.waitForFinished(60000) && süreç.exitCode() == 0) << süreç.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(süreç.readAllStandardOutput()).object();
}
