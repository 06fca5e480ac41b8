// Disk faults while the file is open: the number and the Turkish text the user gets, nothing
// half-written, and the same work stored once the disk can be written again.
#include "CocukSureci.h"
#include "DosyaBoyutuSiniri.h"
#include "TestOrtami.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>

namespace {

using DiskHatalarıTesti = TestOrtamı;

TEST(DiskHatası, TürüneGöreNumaralanırVeTürkçeAnlatılır) {
  const struct {
    int kod, sistem, numara;
    const char* metin;
  } durumlar[] = {
      {SQLITE_FULL, 0, 3026, "Diskte yer kalmadı"},
      {SQLITE_IOERR_WRITE, ENOSPC, 3026, "Diskte yer kalmadı"},
      {SQLITE_IOERR_WRITE, EFBIG, 3026, "dosya boyutu sınırını"},
      {SQLITE_IOERR_FSYNC, EDQUOT, 3026, "kotanızda yer açıp"},
      {SQLITE_CANTOPEN, ENOSPC, 3026, "Diskte yer kalmadı"},
      {SQLITE_READONLY, 0, 3027, "yazma iznini denetleyip"},
      {SQLITE_READONLY_DIRECTORY, 0, 3027, "salt okunur"},
      {SQLITE_IOERR_WRITE, EROFS, 3027, "salt okunur"},
      {SQLITE_CANTOPEN, EACCES, 3027, "salt okunur"},
      {SQLITE_READONLY_DBMOVED, 0, 3027, "taşınmış ya da silinmiş"},
      {SQLITE_IOERR_READ, EIO, 3043, "disk veya ağ hatası"},
      {SQLITE_IOERR_FSYNC, 0, 3043, "disk veya ağ hatası"},
      {SQLITE_CANTOPEN, ENOENT, 3024, "açılamadı"},
      {SQLITE_BUSY, 0, 3260, "biraz sonra yeniden deneyiniz"},
      {SQLITE_CORRUPT, 0, 3051, "bozuk"},
      {SQLITE_NOMEM, 0, 3001, "Bellek yetersiz"},
  };
  for (const auto& d : durumlar) {
    const QString motor = QString::fromUtf8(sqlite3_errstr(d.kod));
    const VeritabanıHatası h = MotorHatası(d.kod, d.sistem, motor);
    EXPECT_EQ(h.Numara(), d.numara) << d.kod << ' ' << d.sistem;
    EXPECT_TRUE(h.Açıklama().contains(QString::fromUtf8(d.metin))) << h.Açıklama().toStdString();
    EXPECT_FALSE(h.Açıklama().contains(motor)) << motor.toStdString();
  }
  // A fault of the program keeps the engine's words for the error report.
  EXPECT_TRUE(MotorHatası(SQLITE_ERROR, 0, "no such table: X").Açıklama().contains("no such table: X"));
}

// The file may not grow: at the first statement (not even the journal can be written), and at
// the commit (the journal is written and synced, the file is not), where the engine's own
// errno is already gone.
TEST_F(DiskHatalarıTesti, DoluDiskteHiçbirŞeyYazılmazYerAçılıncaAynıİşBirKezYazılır) {
  const auto sayı = [&] {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n");
  };
  int adım = 0;
  const auto yaz = [&] {
    adım = 0;
    Veritabanı::İşlem işlem(*vt);
    for (int i = 0; i < 200; ++i)
      vt->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)"),
                   {i, QString(100, u'D')});
    adım = 1;
    işlem.Onayla();
  };
  for (const bool onayda : {false, true}) {
    const qint64 önce = sayı();
    {
      DosyaBoyutuSınırı sınır(onayda ? QFileInfo(vt->Yol()).size() : 0);
      try {
        yaz();
        ADD_FAILURE() << "yazıldı";
      } catch (const VeritabanıHatası& h) {
        EXPECT_EQ(h.Numara(), 3026) << h.Açıklama().toStdString();
        EXPECT_TRUE(h.Açıklama().contains(QStringLiteral("işlem kaydedilmedi"))) << h.Açıklama().toStdString();
      }
    }
    EXPECT_EQ(adım, onayda ? 1 : 0);
    EXPECT_EQ(sayı(), önce);
    EXPECT_NO_THROW(yaz());
    EXPECT_EQ(sayı(), önce + 200);
  }
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("PRAGMA integrity_check")).Metin("integrity_check"), "ok");
}

bool DosyayaYaz(const char* yol, const QByteArray& metin) {
  QFile f(QString::fromLatin1(yol));
  return f.open(QIODevice::WriteOnly) && f.write(metin) == metin.size();
}

// A mount namespace of the child's own, also for a user that is not root (where the system lets it).
bool KendiBağlamaAlanı() {
  const uid_t kullanıcı = geteuid();
  const gid_t grup = getegid();
  if (unshare(CLONE_NEWNS) != 0) {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !DosyayaYaz("/proc/self/setgroups", "deny") ||
        !DosyayaYaz("/proc/self/uid_map", "0 " + QByteArray::number(kullanıcı) + " 1") ||
        !DosyayaYaz("/proc/self/gid_map", "0 " + QByteArray::number(grup) + " 1"))
      return false;
  }
  return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// The folder turns read-only while the file is open: by its mode (for a user other than root,
// whom modes do not stop), and by its file system. A write then says so and stores nothing;
// once the folder can be written again, the same write goes through.
TEST_F(DiskHatalarıTesti, SaltOkunurOlanKlasörSöylenirDüzelinceYazılır) {
  const QByteArray klasör = QFile::encodeName(SunucuKlasörü());
  const QByteArray dosya = klasör + "/Vlm.vtb";
  vt.reset();
  ::chmod(QFile::encodeName(GeçiciYol(QStringLiteral("."))).constData(), 0755);
  struct Durum {
    const char* ad;
    std::function<bool()> hazırla;  // in the child, before the file is opened
    std::function<bool(bool)> saltOkunur;
  } durumlar[] = {
      {"izin",
       [&] {
         if (geteuid() != 0) return true;
         return chown(klasör.constData(), 65534, 65534) == 0 && chown(dosya.constData(), 65534, 65534) == 0 &&
                setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
       },
       [&](bool evet) { return ::chmod(klasör.constData(), evet ? 0555 : 0755) == 0; }},
      // The file keeps a mount of its own, as a file open for writing stops a remount read-only.
      {"dosya sistemi",
       [&] {
         return KendiBağlamaAlanı() && mount(klasör.constData(), klasör.constData(), nullptr, MS_BIND, nullptr) == 0 &&
                mount(dosya.constData(), dosya.constData(), nullptr, MS_BIND, nullptr) == 0;
       },
       [&](bool evet) {
         return mount(nullptr, klasör.constData(), nullptr, MS_BIND | MS_REMOUNT | (evet ? MS_RDONLY : 0), nullptr) == 0;
       }},
  };
  QStringList yazılanlar;
  for (const Durum& d : durumlar) {
    const QByteArray sonuç = Çocukta([&]() -> QByteArray {
      if (!d.hazırla()) return "atla";
      try {
        auto açık = Veritabanı::Aç(QFile::decodeName(dosya));
        const auto ekle = [&] {
          açık->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES (?)"), {d.ad});
        };
        if (!d.saltOkunur(true)) return "atla";
        QByteArray s = "yazıldı";
        try {
          ekle();
        } catch (const VeritabanıHatası& h) {
          s = QByteArray::number(h.Numara()) + ' ' + h.Açıklama().toUtf8();
        }
        if (!d.saltOkunur(false)) return "düzelmedi";
        ekle();
        return s;
      } catch (const VeritabanıHatası& h) {
        return "açılmadı " + h.Açıklama().toUtf8();
      }
    });
    if (sonuç == "atla") {
      std::printf("'%s' denenemedi: bu sistem izin vermiyor\n", d.ad);
      continue;
    }
    EXPECT_TRUE(sonuç.startsWith("3027 ")) << d.ad << ": " << sonuç.toStdString();
    EXPECT_TRUE(sonuç.contains("yazma iznini denetleyip")) << sonuç.toStdString();
    yazılanlar << QString::fromUtf8(d.ad);
  }
  // Each folder took exactly the write made after it could be written again.
  vt = Veritabanı::Aç(QFile::decodeName(dosya));
  auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT DepoAdi FROM DepoBilgileriTablosu ORDER BY DepoNo"));
  QStringList adlar;
  for (; !k.Sonda(); k.MoveNext()) adlar << k.Metin("DepoAdi");
  EXPECT_EQ(adlar, yazılanlar);
}

}  // namespace
