#pragma once
// The rows of a long list kept compact: each column typed (a text, an amount in whole hundredths,
// a date as a day number), the texts held once in the list's pool and the cells pointing at them,
// so that a name repeated in thousands of rows costs one copy. A cell becomes text only when it
// is shown, printed or exported.

#include "TurkceMetin.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class HücreTürü : quint8 { Metin, Miktar, Tarih };

class SıkıListe {
public:
  SıkıListe() = default;
  explicit SıkıListe(std::vector<HücreTürü> türler);

  int SütunSayısı() const { return static_cast<int>(sütunlar_.size()); }
  HücreTürü Tür(int sütun) const { return sütunlar_[static_cast<size_t>(sütun)].tür; }
  int SatırSayısı() const;
  // How many distinct texts the list holds, each once.
  int FarklıMetinSayısı() const { return static_cast<int>(metinler_.size()); }

  // A row is built by giving each column its cell in turn; a text given as UTF-8 bytes is looked
  // up as it is, so a text the pool holds already costs nothing more.
  void MetinEkle(int sütun, QByteArrayView utf8);
  // A text's number in the pool (put there when new), and a cell that shows the text numbered so:
  // a name read once serves every row that repeats it.
  qint32 MetinNo(QByteArrayView utf8) { return MetinNo(std::string_view(utf8.data(), static_cast<size_t>(utf8.size()))); }
  void MetinNoEkle(int sütun, qint32 no) { sütunlar_[static_cast<size_t>(sütun)].küçük.push_back(no); }
  void MetinEkle(int sütun, const QString& metin);
  void MiktarEkle(int sütun, TürkçeMetin::Miktar yüzde);
  void TarihEkle(int sütun, const QDate& tarih);
  // From ISO text ("2026-02-01", more after the day is ignored); anything else is no date.
  void TarihEkle(int sütun, QByteArrayView iso);

  // Rows count from 0 in the order they were built (or put by Diz).
  const QString& Metin(int satır, int sütun) const;  // empty for a column of another type
  TürkçeMetin::Miktar Miktar(int satır, int sütun) const;
  QDate Tarih(int satır, int sütun) const;
  // The cell as the lists show it: amounts with two decimals, dates as dd.MM.yyyy.
  QString HücreMetni(int satır, int sütun) const;
  TürkçeMetin::Miktar Topla(int sütun) const;

  // Orders the row numbers in `sıra` by a column's values, stably: texts in Turkish order, amounts
  // and dates by value (no date counts as 30.12.1899); descending keeps the order of equal ones.
  void Sırala(std::vector<quint32>& sıra, int sütun, bool azalan) const;
  // Puts the rows in the order of `sıra`, which must hold every row once; any other order throws
  // std::invalid_argument and leaves the rows as they were.
  void Diz(const std::vector<quint32>& sıra);

private:
  struct Sütun {
    HücreTürü tür;
    std::vector<qint32> küçük;  // text number in the pool, or day number
    std::vector<qint64> büyük;  // amounts
  };
  struct Özet {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  qint32 MetinNo(std::string_view utf8);
  // The place of each pool text in Turkish order, counted when first asked after a new text.
  const std::vector<qint32>& Sıralar() const;

  std::vector<Sütun> sütunlar_;
  std::vector<QString> metinler_;
  std::unordered_map<std::string, qint32, Özet, std::equal_to<>> metinNo_;
  mutable std::vector<qint32> sıralar_;
};
