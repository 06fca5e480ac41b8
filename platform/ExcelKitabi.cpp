#include "ExcelKitabi.h"

#include "TurkceMetin.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <clocale>
#include <locale.h>

namespace {

constexpr int İlkVeriSatırı = 2;  // 0-based: title, headers, then the rows

QByteArray U8(const QString& metin) { return metin.toUtf8(); }

// Characters a sheet name may not hold, and its length.
QString SayfaAdı(QString ad) {
  for (const QChar c : QStringLiteral("[]:*?/\\")) ad.replace(c, u'-');
  while (ad.startsWith(u'\'') || ad.endsWith(u'\'')) ad = ad.startsWith(u'\'') ? ad.mid(1) : ad.chopped(1);
  ad = ad.left(31).trimmed();
  return ad.isEmpty() ? QStringLiteral("Sayfa1") : ad;
}

// The library prints its numbers with the C library, in the program's locale: a decimal comma of
// the user's locale would make widths, margins and values unreadable in the file.
class NoktalıSayılar {
public:
  NoktalıSayılar() {
    const locale_t program = duplocale(LC_GLOBAL_LOCALE);
    c_ = program ? newlocale(LC_NUMERIC_MASK, "C", program) : static_cast<locale_t>(0);
    if (!c_ && program) freelocale(program);
    if (c_) önceki_ = uselocale(c_);
  }
  ~NoktalıSayılar() {
    if (!c_) return;
    uselocale(önceki_);
    freelocale(c_);
  }
  NoktalıSayılar(const NoktalıSayılar&) = delete;
  NoktalıSayılar& operator=(const NoktalıSayılar&) = delete;

private:
  locale_t c_ = static_cast<locale_t>(0);
  locale_t önceki_ = static_cast<locale_t>(0);
};

// The library's reasons the user can act on, in Turkish.
QString Neden(lxw_error hata) {
  switch (hata) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return QStringLiteral("Yetersiz bellek.");
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
      return QStringLiteral("Dosya yazılamadı; klasör yazılamıyor ya da disk dolu olabilir.");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
      return QStringLiteral("Bir hücrenin metni %1 karakterden uzun.").arg(TürkçeMetin::SayaçMetni(32767));
    default: return QString::fromUtf8(lxw_strerror(hata));
  }
}

}  // namespace

ExcelKitabı::Hata::Hata(int numara, const QString& açıklama)
    : std::runtime_error(açıklama.toStdString()), numara_(numara), açıklama_(açıklama) {}

ExcelKitabı::ExcelKitabı(const Tanım& tanım, const QString& klasör) : tanım_(tanım), klasör_(klasör) {
  tanım_.sayfaAdı = SayfaAdı(tanım_.sayfaAdı);
  {
    // Reserves a hidden name of our own in the folder; the library writes over it at the end.
    QTemporaryFile yer(QDir(klasör_).filePath(QStringLiteral(".velmora-XXXXXX.xlsx")));
    yer.setAutoRemove(false);
    if (!yer.open()) Başarısız(QStringLiteral("%1 klasörüne yazılamıyor.").arg(QDir::toNativeSeparators(klasör_)));
    yarımDosya_ = yer.fileName();
  }
  kitap_ = workbook_new(U8(yarımDosya_).constData());
  if (!kitap_) Başarısız(QStringLiteral("Çalışma kitabı oluşturulamadı."));
  sayfa_ = workbook_add_worksheet(kitap_, U8(tanım_.sayfaAdı).constData());
  if (!sayfa_) Başarısız(QStringLiteral("Çalışma sayfası oluşturulamadı."));

  lxw_format* başlıkBiçimi = workbook_add_format(kitap_);
  format_set_bold(başlıkBiçimi);
  format_set_align(başlıkBiçimi, LXW_ALIGN_CENTER);
  format_set_align(başlıkBiçimi, LXW_ALIGN_VERTICAL_CENTER);
  lxw_format* sütunBaşlığıBiçimi = workbook_add_format(kitap_);
  format_set_bold(sütunBaşlığıBiçimi);
  format_set_align(sütunBaşlığıBiçimi, LXW_ALIGN_CENTER);
  format_set_align(sütunBaşlığıBiçimi, LXW_ALIGN_VERTICAL_CENTER);
  format_set_text_wrap(sütunBaşlığıBiçimi);
  sayıBiçimi_ = workbook_add_format(kitap_);
  format_set_num_format(sayıBiçimi_, "#,##0.00");
  tarihBiçimi_ = workbook_add_format(kitap_);
  format_set_num_format(tarihBiçimi_, "dd.mm.yyyy");

  const auto sütunSayısı = static_cast<lxw_col_t>(std::max<size_t>(tanım_.sütunlar.size(), 1));
  if (tanım_.sayfaDüzeni) {
    worksheet_set_margins(sayfa_, 0.6, 0.6, 0.6, 0.6);
    worksheet_center_horizontally(sayfa_);
    worksheet_gridlines(sayfa_, LXW_SHOW_ALL_GRIDLINES);
  }
  Denetle(worksheet_set_row(sayfa_, 0, 30, başlıkBiçimi));
  Denetle(worksheet_set_row(sayfa_, 1, 20, nullptr));
  if (sütunSayısı > 1)
    Denetle(worksheet_merge_range(sayfa_, 0, 0, 0, sütunSayısı - 1, U8(tanım_.başlık).constData(), başlıkBiçimi));
  else
    Denetle(worksheet_write_string(sayfa_, 0, 0, U8(tanım_.başlık).constData(), başlıkBiçimi));
  for (lxw_col_t s = 0; s < tanım_.sütunlar.size(); ++s) {
    const Sütun& sütun = tanım_.sütunlar[s];
    // As in the list, a column narrower than a pixel is hidden but keeps its texts.
    lxw_row_col_options seçenek{};
    seçenek.hidden = sütun.genişlik * 7 < 0.5;
    Denetle(worksheet_set_column_opt(sayfa_, s, s, sütun.genişlik, nullptr, &seçenek));
    Denetle(worksheet_write_string(sayfa_, 1, s, U8(sütun.başlık).constData(), sütunBaşlığıBiçimi));
  }
}

ExcelKitabı::~ExcelKitabı() { Vazgeç(); }

void ExcelKitabı::SatırEkle(const QStringList& hücreler) {
  if (!kitap_) Başarısız(QStringLiteral("Çalışma kitabı kapatılmış."));
  const qint64 satırNo = İlkVeriSatırı + satırSayısı_;
  if (satırNo >= LXW_ROW_MAX)
    Başarısız(QStringLiteral("Liste, bir çalışma sayfasına sığmayacak kadar uzun (%1 satırdan fazla).")
                  .arg(LXW_ROW_MAX - İlkVeriSatırı));
  const auto satır = static_cast<lxw_row_t>(satırNo);
  for (lxw_col_t s = 0; s < tanım_.sütunlar.size() && s < static_cast<lxw_col_t>(hücreler.size()); ++s) {
    const QString& metin = hücreler[static_cast<qsizetype>(s)];
    if (metin.isEmpty()) continue;
    switch (tanım_.sütunlar[s].tür) {
      case HücreTürü::Sayı:
        if (const auto sayı = TürkçeMetin::SayıOku(metin)) {
          Denetle(worksheet_write_number(sayfa_, satır, s, *sayı, sayıBiçimi_));
          continue;
        }
        break;
      case HücreTürü::Tarih:
        // The spreadsheet's calendar starts in 1900.
        if (const QDate t = TürkçeMetin::TarihOku(metin); t.isValid() && t.year() >= 1900 && t.year() <= 9999) {
          lxw_datetime tarih{t.year(), t.month(), t.day(), 0, 0, 0};
          Denetle(worksheet_write_datetime(sayfa_, satır, s, &tarih, tarihBiçimi_));
          continue;
        }
        break;
      case HücreTürü::Metin: break;
    }
    Denetle(worksheet_write_string(sayfa_, satır, s, U8(metin).constData(), nullptr));
  }
  ++satırSayısı_;
}

QString ExcelKitabı::Bitir() {
  if (!kitap_) Başarısız(QStringLiteral("Çalışma kitabı kapatılmış."));
  lxw_error sonuç;
  {
    const NoktalıSayılar noktalı;
    sonuç = workbook_close(std::exchange(kitap_, nullptr));
  }
  sayfa_ = nullptr;
  if (sonuç != LXW_NO_ERROR) Başarısız(Neden(sonuç));
  // A new name: an earlier export the user still has open is never written over.
  const QDir klasör(klasör_);
  for (int n = 1; n < 10000; ++n) {
    const QString ad = n == 1 ? QStringLiteral("%1.xlsx").arg(tanım_.sayfaAdı)
                              : QStringLiteral("%1 (%2).xlsx").arg(tanım_.sayfaAdı).arg(n);
    const QString yol = klasör.filePath(ad);
    if (QFileInfo::exists(yol)) continue;
    if (QFile::rename(yarımDosya_, yol)) {
      yarımDosya_.clear();
      return yol;
    }
    if (!QFileInfo::exists(yol)) break;  // not a name taken meanwhile: renaming itself fails
  }
  Başarısız(QStringLiteral("Dosyaya yeni bir ad verilemedi."));
}

void ExcelKitabı::Vazgeç() {
  if (kitap_) lxw_workbook_free(std::exchange(kitap_, nullptr));
  sayfa_ = nullptr;
  if (!yarımDosya_.isEmpty()) QFile::remove(std::exchange(yarımDosya_, QString()));
}

void ExcelKitabı::Başarısız(const QString& neden) {
  Vazgeç();
  throw Hata(HataNo, QStringLiteral("MS Excel'e aktarılamadı. %1").arg(neden));
}

void ExcelKitabı::Denetle(int hata) {
  if (hata == LXW_NO_ERROR) return;
  Başarısız(Neden(static_cast<lxw_error>(hata)));
}
