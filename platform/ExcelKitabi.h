#pragma once
// A list handed to the user's spreadsheet program: one sheet with a merged bold title row,
// a bold wrapped header row whose widths follow the list, and one row per list row.
// The workbook is written with libxlsxwriter under a hidden name in a folder (the temporary
// folder) and takes its own new name only once it is whole, so the user never opens half a
// file and an export that fails leaves nothing behind.

#include <QDir>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class ExcelKitabı {
public:
  // How a column's texts are read, as a spreadsheet program on a Turkish system would read
  // them; a text that does not read so, and every text of a Metin column ("00123"), stays text.
  enum class HücreTürü {
    Metin,
    Sayı,   // "1.234,50": a number shown "#,##0.00"
    Tarih,  // "05.03.2026": a date shown dd.MM.yyyy
  };

  struct Sütun {
    QString başlık;
    double genişlik = 0;  // the spreadsheet's column width: the list column's twips / 100
    HücreTürü tür = HücreTürü::Metin;
  };

  struct Tanım {
    QString sayfaAdı;  // at most 31 characters are kept
    QString başlık;    // across the merged first row
    std::vector<Sütun> sütunlar;
    bool sayfaDüzeni = false;  // 0.6 inch margins, centred, gridlines printed: only with a printer
  };

  // Every failure of an export; nothing is left on disk when it is thrown.
  class Hata : public std::runtime_error {
  public:
    Hata(int numara, const QString& açıklama);
    int Numara() const { return numara_; }
    QString Açıklama() const { return açıklama_; }

  private:
    int numara_;
    QString açıklama_;
  };
  static constexpr int HataNo = 1004;

  // A new workbook with its title and header rows; nothing is written yet.
  explicit ExcelKitabı(const Tanım& tanım, const QString& klasör = QDir::tempPath());
  ~ExcelKitabı();  // an unfinished workbook leaves no file
  ExcelKitabı(const ExcelKitabı&) = delete;
  ExcelKitabı& operator=(const ExcelKitabı&) = delete;

  // The next list row: its texts as the list shows them, one per column, typed by the column.
  void SatırEkle(const QStringList& hücreler);
  qint64 SatırSayısı() const { return satırSayısı_; }

  // Writes the workbook and gives it a new name in the folder ("<sheet>.xlsx", "<sheet> (2).xlsx",
  // ...); returns its path. Nothing more can be added.
  QString Bitir();
  // Drops an unfinished workbook and whatever part of it reached the disk.
  void Vazgeç();

private:
  [[noreturn]] void Başarısız(const QString& neden);
  void Denetle(int hata);

  Tanım tanım_;
  QString klasör_;
  QString yarımDosya_;  // hidden name the workbook is written under
  lxw_workbook* kitap_ = nullptr;
  lxw_worksheet* sayfa_ = nullptr;
  lxw_format* sayıBiçimi_ = nullptr;
  lxw_format* tarihBiçimi_ = nullptr;
  qint64 satırSayısı_ = 0;
};
