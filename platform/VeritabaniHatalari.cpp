#include "VeritabaniHatalari.h"

#include "KosuDosyalari.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

QString TürAdı(const QString& tür) {
  static const QHash<QString, QString> adlar = {
      {QStringLiteral("TEXT"), QStringLiteral("metin")},       {QStringLiteral("INTEGER"), QStringLiteral("tamsayı")},
      {QStringLiteral("INT"), QStringLiteral("tamsayı")},      {QStringLiteral("REAL"), QStringLiteral("ondalık sayı")},
      {QStringLiteral("BLOB"), QStringLiteral("ikili veri")},
  };
  return adlar.value(tür.toUpper(), tür);
}

// A Turkish text for a broken rule of the table, naming what failed.
QString KuralMetni(int kod, const QString& motor) {
  const int ayraç = motor.indexOf(QStringLiteral(": "));
  const QString ne = ayraç < 0 ? motor : motor.mid(ayraç + 2);
  switch (kod) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_ROWID:
      return (ne.contains(u',') ? QStringLiteral("Yinelenen değer: %1 alanlarında aynı değerlere sahip başka bir kayıt var.")
                                : QStringLiteral("Yinelenen değer: %1 alanında aynı değere sahip başka bir kayıt var."))
          .arg(ne);
    case SQLITE_CONSTRAINT_NOTNULL: return QStringLiteral("%1 alanı boş bırakılamaz.").arg(ne);
    case SQLITE_CONSTRAINT_CHECK: return QStringLiteral("Değer, %1 doğrulama kuralına uymuyor.").arg(ne);
    case SQLITE_CONSTRAINT_DATATYPE: {
      static const QRegularExpression kalıp(QStringLiteral("cannot store (\\w+) value in (\\w+) column (\\S+)"));
      const auto eş = kalıp.match(motor);
      if (!eş.hasMatch()) break;
      return QStringLiteral("%1 alanına %2 yazılamaz; bu alan %3 bekler.")
          .arg(eş.captured(3), TürAdı(eş.captured(1)), TürAdı(eş.captured(2)));
    }
    case SQLITE_CONSTRAINT_TRIGGER: return QStringLiteral("Değer kabul edilmedi: %1").arg(motor);
  }
  return QStringLiteral("Değer kabul edilmedi: %1").arg(motor);
}

bool YerYok(int sistem) { return sistem == ENOSPC || sistem == EFBIG || sistem == EDQUOT; }
bool YazılamazYer(int sistem) { return sistem == EROFS || sistem == EACCES; }

// What happened and what the user can do, in Turkish; the engine's own text only where
// it names a fault of the program that the error report must carry.
QString MotorMetni(int kod, int sistem, int numara, const QString& motor, bool okuma) {
  using namespace VeritabanıHataNo;
  const QString yazılmadı = QStringLiteral("Veritabanına yazılamadı, işlem kaydedilmedi. ");
  // A read stores nothing: it is told that the data could not be read, not that work was lost.
  if (okuma && numara == AğHatası)
    return QStringLiteral("Veritabanı dosyası okunurken disk veya ağ hatası oluştu; bilgiler okunamadı. Lütfen, "
                          "sunucuya bağlantıyı ve diski denetleyiniz.");
  if (okuma && numara == Kilitli)
    return QStringLiteral("Veritabanı başka bir bilgisayarda kullanılıyor ve beklenen süre içinde serbest kalmadı; "
                          "bilgiler okunamadı. Lütfen, biraz sonra yeniden deneyiniz.");
  switch (numara) {
    case DiskDolu:
      if (sistem == EFBIG)
        return QStringLiteral("Veritabanı dosyası izin verilen en büyük dosya boyutuna ulaştı. ") + yazılmadı +
               QStringLiteral("Lütfen, sistem yöneticinizden dosya boyutu sınırını yükseltmesini isteyip yeniden "
                              "deneyiniz.");
      if (sistem == EDQUOT)
        return QStringLiteral("Disk kotanız doldu. ") + yazılmadı +
               QStringLiteral("Lütfen, kotanızda yer açıp ya da kotanızı artırtıp yeniden deneyiniz.");
      return QStringLiteral("Diskte yer kalmadı. ") + yazılmadı +
             QStringLiteral("Lütfen, veritabanının bulunduğu diskte yer açıp yeniden deneyiniz.");
    case SaltOkunur:
      if (kod == SQLITE_READONLY_DBMOVED)
        return QStringLiteral("Veritabanı dosyası, program açıkken taşınmış ya da silinmiş. ") + yazılmadı +
               QStringLiteral("Lütfen, dosyanın yerini denetleyip programı yeniden başlatınız.");
      if (sistem == EIO)
        return QStringLiteral("Veritabanının bulunduğu disk, hata verdiği için yazmayı kabul etmiyor. ") + yazılmadı +
               QStringLiteral("Lütfen, diski sistem yöneticinize denetletip yeniden deneyiniz.");
      return QStringLiteral("Veritabanının bulunduğu klasör ya da disk salt okunur. ") + yazılmadı +
             QStringLiteral("Lütfen, klasörün yazma iznini denetleyip yeniden deneyiniz.");
    case AğHatası:
      return QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken disk veya ağ hatası oluştu; işlem "
                            "kaydedilmedi. Lütfen, sunucuya bağlantıyı ve diski denetleyiniz.");
    case DosyaYok:
      return QStringLiteral("Veritabanı dosyası ya da yanındaki geçici dosya açılamadı; işlem kaydedilmedi. "
                            "Lütfen, veritabanının bulunduğu klasörü denetleyiniz.");
    case Kilitli:
      return QStringLiteral("Veritabanı başka bir bilgisayarda kullanılıyor ve beklenen süre içinde serbest kalmadı; "
                            "işlem kaydedilmedi. Lütfen, biraz sonra yeniden deneyiniz.");
  }
  switch (kod & 0xff) {
    case SQLITE_CONSTRAINT: return KuralMetni(kod, motor);
    case SQLITE_CORRUPT: return QStringLiteral("Veritabanı dosyası bozuk. Lütfen, sistem yöneticinize başvurunuz.");
    case SQLITE_NOTADB: return QStringLiteral("Dosya, bu programın veritabanı dosyası değil ya da bozuk.");
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return QStringLiteral("Veritabanı dosyasına erişim izni yok. Lütfen, dosyanın izinlerini denetleyiniz.");
    case SQLITE_NOMEM:
      return QStringLiteral("Bellek yetersiz; işlem kaydedilmedi. Lütfen, başka programları kapatıp yeniden "
                            "deneyiniz.");
    case SQLITE_INTERRUPT: return QStringLiteral("İşlem yarıda kesildi; kaydedilmedi.");
    case SQLITE_TOOBIG: return QStringLiteral("Değer, veritabanının alabileceğinden büyük; işlem kaydedilmedi.");
    case SQLITE_PROTOCOL:
    case SQLITE_SCHEMA:
      return QStringLiteral("Veritabanı bu arada başka bir bilgisayarda değişti; işlem kaydedilmedi. Lütfen, "
                            "yeniden deneyiniz.");
  }
  return QStringLiteral("Veritabanı komutu çalıştırılamadı: %1").arg(motor);
}


}  // namespace

VeritabanıHatası::VeritabanıHatası(int numara, const QString& açıklama)
    : std::runtime_error(açıklama.toStdString()), numara_(numara), açıklama_(açıklama) {}

int HataNumarası(int kod, int sistem) {
  using namespace VeritabanıHataNo;
  switch (kod) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_ROWID: return YinelenenDeğer;
    case SQLITE_CONSTRAINT_NOTNULL: return BoşOlamaz;
  }
  switch (kod & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Kilitli;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_PERM:
    case SQLITE_AUTH: return ErişimYok;
    // A full disk and a folder that cannot be written leave the file as it was: the user
    // can make room or fix the folder and save again.
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
      if (YerYok(sistem)) return DiskDolu;
      if (YazılamazYer(sistem)) return SaltOkunur;
      // A file system the kernel has given up on refuses every new file: nothing was written.
      if ((kod & 0xff) == SQLITE_CANTOPEN && sistem == EIO) return SaltOkunur;
      return (kod & 0xff) == SQLITE_IOERR ? AğHatası : DosyaYok;
    case SQLITE_FULL: return DiskDolu;
    case SQLITE_READONLY: return SaltOkunur;
    case SQLITE_CONSTRAINT: return KuralaAykırı;  // check, STRICT type, trigger
    default: return Genel;  // never 3356, which the error routine ignores
  }
}

VeritabanıHatası MotorHatası(int kod, int sistem, const QString& motor, bool okuma) {
  const int numara = HataNumarası(kod, sistem);
  return {numara, MotorMetni(kod, sistem, numara, motor, okuma)};
}

VeritabanıHatası SonucuBilinmeyenHata(bool saklandı) {
  QString metin = QStringLiteral(
      "Disk, işlem kaydedilirken ve ardından yapılan denetimlerde hata verdi. İşlemin sonucu "
      "şimdilik bilinmiyor: veritabanına ulaşmış da olabilir, ulaşmamış da. Girdiğiniz bilgiler "
      "korunuyor.\n\nLütfen, diski ve sunucuya bağlantıyı denetledikten sonra yeniden kaydediniz: program önce "
      "bu denemenin veritabanına ulaşıp ulaşmadığına bakacak; ulaştıysa onu yeniden yazmayacak, "
      "ulaşmadıysa bir kez kaydedecektir.");
  if (!saklandı)
    metin += QStringLiteral("\n\nSonucu bilinmeyen işlemlerin not edildiği klasör (%1) bu bilgisayarda "
                            "oluşturulamadığı ya da yazılamadığı için bu işlem bir yere not edilemedi: program "
                            "kapanırsa, yeniden açıldığında sonucunu bildiremeyecek. Lütfen, programı kapatmadan "
                            "önce yeniden kaydediniz.")
                 .arg(QDir::toNativeSeparators(KoşuDosyaları::Klasör()));
  return {VeritabanıHataNo::SonucuBilinmiyor, metin};
}

QString ÖncekiİşMetni(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, const QString& yazılmadıysa) {
  // A time the settings kept unreadable is left out rather than shown empty.
  QString ne = iş.ad.isEmpty() ? QStringLiteral("kayıt") : iş.ad;
  if (iş.zaman.isValid()) ne += QStringLiteral(", ") + iş.zaman.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
  const QString başı = QStringLiteral("Sonucu bilinmeyen işlem (%1; sunucu klasörü: %2) ")
                           .arg(ne, QDir::toNativeSeparators(QFileInfo(iş.yol).absolutePath()));
  if (!yazılmış)
    return başı + QStringLiteral("veritabanına kaydedilip kaydedilmediği artık anlaşılamıyor; lütfen, denetleyiniz.");
  return başı + (*yazılmış ? QStringLiteral("veritabanına kaydedilmiş.")
                           : QStringLiteral("veritabanına kaydedilmemiş; ") + yazılmadıysa);
}

std::optional<VeritabanıHatası> AçılışHatası(const QString& yol) {
  using namespace VeritabanıHataNo;
  const auto sorun = [&](int numara, const QString& metin) { return VeritabanıHatası(numara, metin.arg(yol)); };
  const QString geçersiz = QStringLiteral("'%1' geçerli bir dosya adı değil.");
  const QString erişilemiyor = QStringLiteral("'%1' dosyasına erişilemiyor.");
  if (yol.trimmed().isEmpty() || yol.contains(QChar(0))) return sorun(DosyaAdıGeçersiz, geçersiz);
  const QFileInfo dosya(yol);
  const QByteArray yerel = QFile::encodeName(dosya.absoluteFilePath());
  const QByteArray klasör = QFile::encodeName(dosya.absolutePath());
  // The engine names the file by its full path and cannot hold a longer one.
  if (yerel.size() >= sqlite3_vfs_find(nullptr)->mxPathname)
    return sorun(DosyaAdıGeçersiz, QStringLiteral("'%1' geçerli bir dosya adı değil: yol çok uzun."));
  struct stat bilgi {};
  if (::stat(yerel.constData(), &bilgi) != 0) {
    switch (errno) {
      case ENAMETOOLONG:
      case ELOOP: return sorun(DosyaAdıGeçersiz, geçersiz);
      // A folder we may not enter is not the same as a missing file.
      case EACCES: return sorun(ErişimYok, erişilemiyor);
      case ENOENT:
        if (::stat(klasör.constData(), &bilgi) == 0 && S_ISDIR(bilgi.st_mode))
          return sorun(DosyaYok, QStringLiteral("'%1' dosyası bulunamadı."));
    }
    return sorun(YolGeçersiz, QStringLiteral("'%1' geçerli bir yol değil."));
  }
  if (S_ISDIR(bilgi.st_mode)) return sorun(DosyaAdıGeçersiz, geçersiz);
  if (::access(yerel.constData(), R_OK | W_OK) != 0) return sorun(ErişimYok, erişilemiyor);
  // Every write creates the journal beside the file; without this the first save would fail.
  if (::access(klasör.constData(), W_OK | X_OK) != 0)
    return VeritabanıHatası(ErişimYok, QStringLiteral("'%1' klasörüne yazma izni yok. Veritabanı dosyasının "
                                                    "bulunduğu klasöre yazma izni gereklidir.")
                                         .arg(dosya.absolutePath()));
  return std::nullopt;
}
