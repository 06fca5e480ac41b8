#include "ExcelKitabi.h"

#include "TurkceMetin.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>
#include <zlib.h>

#include <charconv>
#include <clocale>
#include <optional>
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

// The library writes every number with sixteen significant digits, so that 83,79 is kept as
// 83.79000000000001. The sheet's number cells are given the fewest digits that read back as the
// same double instead ("83.79"). The workbook is a zip of deflated parts with sizes in their
// headers; one of another shape is left as written.
quint32 Oku(const QByteArray& b, qsizetype i, int boy) {
  quint32 d = 0;
  for (int k = boy - 1; k >= 0; --k) d = d << 8 | static_cast<quint8>(b[i + k]);
  return d;
}
void Yaz(QByteArray& b, qsizetype i, int boy, quint32 d) {
  for (int k = 0; k < boy; ++k, d >>= 8) b[i + k] = static_cast<char>(d & 0xff);
}

std::optional<QByteArray> Aç(const QByteArray& sıkışık, quint32 boy) {
  QByteArray açık(boy, Qt::Uninitialized);
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(sıkışık.constData()));
  z.avail_in = static_cast<uInt>(sıkışık.size());
  z.next_out = reinterpret_cast<Bytef*>(açık.data());
  z.avail_out = boy;
  const int sonuç = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (sonuç != Z_STREAM_END || z.total_out != boy) return std::nullopt;
  return açık;
}

std::optional<QByteArray> Sık(const QByteArray& açık) {
  z_stream z{};
  if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    return std::nullopt;
  QByteArray sıkışık(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(açık.size()))), Qt::Uninitialized);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(açık.constData()));
  z.avail_in = static_cast<uInt>(açık.size());
  z.next_out = reinterpret_cast<Bytef*>(sıkışık.data());
  z.avail_out = static_cast<uInt>(sıkışık.size());
  const int sonuç = deflate(&z, Z_FINISH);
  deflateEnd(&z);
  if (sonuç != Z_STREAM_END) return std::nullopt;
  sıkışık.truncate(static_cast<qsizetype>(z.total_out));
  return sıkışık;
}

// Number cells are <c r=".." s=".."><v>..</v></c>: without a type, which strings and formulas carry.
QByteArray SayılarıKısalt(const QByteArray& xml) {
  QByteArray yeni;
  yeni.reserve(xml.size());
  qsizetype i = 0;
  for (qsizetype c = xml.indexOf("<c ", i); c >= 0; c = xml.indexOf("<c ", i)) {
    const qsizetype son = xml.indexOf('>', c);
    if (son < 0) break;
    const QByteArray etiket = xml.mid(c, son - c);
    const qsizetype değer = son + 1;
    const qsizetype değerSonu = xml.indexOf("</v>", değer);
    if (etiket.contains(" t=") || etiket.endsWith('/') || !xml.mid(değer, 3).startsWith("<v>") || değerSonu < 0) {
      yeni += xml.mid(i, değer - i);
      i = değer;
      continue;
    }
    const char* baş = xml.constData() + değer + 3;
    const char* bit = xml.constData() + değerSonu;
    double d = 0;
    char metin[32];
    const auto okunan = std::from_chars(baş, bit, d);
    const auto yazılan = std::to_chars(metin, metin + sizeof metin, d);
    yeni += xml.mid(i, değer + 3 - i);
    if (okunan.ec == std::errc() && okunan.ptr == bit && yazılan.ec == std::errc())
      yeni.append(metin, yazılan.ptr - metin);
    else
      yeni.append(baş, bit - baş);
    i = değerSonu;
  }
  yeni += xml.mid(i);
  return yeni;
}

// The workbook with its sheet's numbers shortened; none when the zip is not of the shape written.
std::optional<QByteArray> KısaSayılıKitap(const QByteArray& kitap) {
  const QByteArray sayfa = "xl/worksheets/sheet1.xml";
  const qsizetype son = kitap.lastIndexOf("PK\x05\x06");
  if (son < 0 || son + 22 > kitap.size()) return std::nullopt;
  const quint32 dizinBoyu = Oku(kitap, son + 12, 4), dizinYeri = Oku(kitap, son + 16, 4);
  const quint16 adet = static_cast<quint16>(Oku(kitap, son + 10, 2));
  if (qint64(dizinYeri) + dizinBoyu != son) return std::nullopt;
  QByteArray parçalar, dizin = kitap.mid(dizinYeri, dizinBoyu);
  qsizetype d = 0;
  for (quint16 n = 0; n < adet; ++n) {
    if (d + 46 > dizin.size() || Oku(dizin, d, 4) != 0x02014b50) return std::nullopt;
    const quint32 yer = Oku(dizin, d + 42, 4);
    const qsizetype adBoyu = Oku(dizin, d + 28, 2), dizinEki = Oku(dizin, d + 30, 2) + Oku(dizin, d + 32, 2);
    if (yer + 30 > quint32(kitap.size()) || Oku(kitap, yer, 4) != 0x04034b50) return std::nullopt;
    const quint32 bayrak = Oku(kitap, yer + 6, 2), yöntem = Oku(kitap, yer + 8, 2), boy = Oku(kitap, yer + 18, 4);
    const qsizetype başlık = 30 + Oku(kitap, yer + 26, 2) + Oku(kitap, yer + 28, 2);
    if (bayrak & 0x8 || boy == 0xffffffff || yer + başlık + boy > quint32(kitap.size())) return std::nullopt;
    QByteArray yerel = kitap.mid(yer, başlık), veri = kitap.mid(yer + başlık, boy);
    if (dizin.mid(d + 46, adBoyu) == sayfa) {
      if (yöntem != 8) return std::nullopt;
      const auto açık = Aç(veri, Oku(kitap, yer + 22, 4));
      if (!açık) return std::nullopt;
      const QByteArray kısa = SayılarıKısalt(*açık);
      const auto sıkışık = Sık(kısa);
      if (!sıkışık) return std::nullopt;
      veri = *sıkışık;
      const quint32 crc = static_cast<quint32>(
          crc32(0, reinterpret_cast<const Bytef*>(kısa.constData()), static_cast<uInt>(kısa.size())));
      for (auto [b, k] : {std::pair{&yerel, qsizetype(14)}, std::pair{&dizin, d + 16}}) {
        Yaz(*b, k, 4, crc);
        Yaz(*b, k + 4, 4, static_cast<quint32>(veri.size()));
        Yaz(*b, k + 8, 4, static_cast<quint32>(kısa.size()));
      }
    }
    Yaz(dizin, d + 42, 4, static_cast<quint32>(parçalar.size()));
    parçalar += yerel + veri;
    d += 46 + adBoyu + dizinEki;
  }
  QByteArray sonBölüm = kitap.mid(son);
  Yaz(sonBölüm, 16, 4, static_cast<quint32>(parçalar.size()));
  return parçalar + dizin + sonBölüm;
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
  {
    QFile yazılan(yarımDosya_);
    if (!yazılan.open(QIODevice::ReadOnly)) Başarısız(Neden(LXW_ERROR_READING_TMPFILE));
    const auto kısa = KısaSayılıKitap(yazılan.readAll());
    yazılan.close();
    if (kısa) {
      QSaveFile yeni(yarımDosya_);
      if (!yeni.open(QIODevice::WriteOnly) || yeni.write(*kısa) != kısa->size() || !yeni.commit())
        Başarısız(Neden(LXW_ERROR_CREATING_XLSX_FILE));
    }
  }
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
