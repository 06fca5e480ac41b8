// Disk faults while the file is open: the number and the Turkish text the user gets.
#include "CocukSureci.h"
#include "HataliDisk.h"
#include "TestOrtami.h"

#include <sqlite3.h>

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include <cerrno>
#include <cstddef>
#include <fcntl.h>

namespace {

TEST(DiskHatası, TürüneGöreNumaralanırVeTürkçeAnlatılır) {
  const struct {
    int kod, sistem, numara;
    const char* metin;
  } durumlar[] = {
      {SQLITE_FULL, 0, 3026, "Diskte yer kalmadı"},
      {SQLITE_IOERR_WRITE, EFBIG, 3026, "dosya boyutu sınırını"},
      {SQLITE_IOERR_FSYNC, EDQUOT, 3026, "kotanızda yer açıp"},
      {SQLITE_READONLY_DIRECTORY, 0, 3027, "yazma iznini denetleyip"},
      {SQLITE_IOERR_WRITE, EROFS, 3027, "salt okunur"},
      {SQLITE_CANTOPEN, EACCES, 3027, "salt okunur"},
      {SQLITE_CANTOPEN, EIO, 3027, "yazmayı kabul etmiyor"},
      {SQLITE_IOERR_READ, EIO, 3043, "disk veya ağ hatası"},
      {SQLITE_CANTOPEN, ENOENT, 3024, "açılamadı"},
      {SQLITE_BUSY, 0, 3260, "biraz sonra yeniden deneyiniz"},
      // A read stores nothing, and says so.
      {SQLITE_BUSY, -1, 3260, "bilgiler okunamadı"},
      {SQLITE_IOERR_READ, -1, 3043, "bilgiler okunamadı"},
  };
  for (const auto& d : durumlar) {
    const QString motor = QString::fromUtf8(sqlite3_errstr(d.kod));
    const bool okuma = d.sistem < 0;
    const VeritabanıHatası h = MotorHatası(d.kod, okuma ? 0 : d.sistem, motor, okuma);
    EXPECT_FALSE(okuma && h.Açıklama().contains(QStringLiteral("kaydedilmedi"))) << h.Açıklama().toStdString();
    EXPECT_EQ(h.Numara(), d.numara) << d.kod << ' ' << d.sistem;
    EXPECT_TRUE(h.Açıklama().contains(QString::fromUtf8(d.metin))) << h.Açıklama().toStdString();
    EXPECT_FALSE(h.Açıklama().contains(motor)) << motor.toStdString();
  }
}

using DiskHatalarıTesti = TestOrtamı;

// A transaction larger than the page cache has written pages of the file before its COMMIT; the
// journal's last sync then fails with no errno at all. The rollback writes the old header back
// and deletes the journal: that is no commit, and the writer is told it was not stored.
TEST_F(DiskHatalarıTesti, ÖnbellektenBüyükİşlemdeGünlükEşitlenemezseYazılmadıDenir) {
  HatalıDisk disk(HatalıDisk::GünlükEşitlemesi, 0, 0);
  auto açık = Veritabanı::Aç(vt->Yol());
  açık->Çalıştır(QStringLiteral("PRAGMA cache_size=10"));
  bool bildirildi = false;
  Veritabanı::Bildir = [&](Veritabanı::Bildirim) { bildirildi = true; };
  int numara = 0;
  try {
    Veritabanı::İşlem işlem(*açık);
    for (int i = 0; i < 2000; ++i)
      açık->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)"),
                     {i, QString(200, u'D') + QString::number(i)});
    disk.BozmayaBaşla(1);
    işlem.Onayla();
  } catch (const VeritabanıHatası& h) {
    numara = h.Numara();
  }
  EXPECT_EQ(numara, VeritabanıHataNo::AğHatası);
  EXPECT_FALSE(bildirildi);
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"), 0);
}

// The file system turns read-only while the file is open (a read-only bind mount in a mount
// namespace of a child's own; the file keeps a mount of its own, as a file open for writing
// stops a remount). A write says so and stores nothing; once writable, the same write goes through.
TEST_F(DiskHatalarıTesti, SaltOkunurOlanDosyaSistemiSöylenirDüzelinceYazılır) {
  const QByteArray klasör = QFile::encodeName(SunucuKlasörü()), dosya = klasör + "/Vlm.vtb";
  const QByteArray kimlik = "0 " + QByteArray::number(geteuid()) + " 1", grup = "0 " + QByteArray::number(getegid()) + " 1";
  const auto yaz = [](const char* yol, const QByteArray& metin) {
    QFile f(QString::fromLatin1(yol));
    return f.open(QIODevice::WriteOnly) && f.write(metin) == metin.size();
  };
  const auto saltOkunur = [&](bool evet) {
    return mount(nullptr, klasör, nullptr, MS_BIND | MS_REMOUNT | (evet ? MS_RDONLY : 0), nullptr) == 0;
  };
  const QByteArray sonuç = Çocukta([&]() -> QByteArray {
    // A user other than root gets a user namespace of its own, where the system allows it.
    const bool alan = unshare(CLONE_NEWNS) == 0 ||
                      (unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && yaz("/proc/self/setgroups", "deny") &&
                       yaz("/proc/self/uid_map", kimlik) && yaz("/proc/self/gid_map", grup));
    if (!alan || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount(klasör, klasör, nullptr, MS_BIND, nullptr) != 0 || mount(dosya, dosya, nullptr, MS_BIND, nullptr) != 0)
      return "atla";
    auto açık = Veritabanı::Aç(QFile::decodeName(dosya));
    const auto ekle = [&] { açık->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES ('A')")); };
    QByteArray s = "yazıldı";
    try {
      if (!saltOkunur(true)) return "atla";
      ekle();
    } catch (const VeritabanıHatası& h) {
      s = QByteArray::number(h.Numara()) + ' ' + h.Açıklama().toUtf8();
    }
    return saltOkunur(false) && (ekle(), true) ? s : "düzelmedi";
  });
  if (sonuç == "atla") GTEST_SKIP() << "bu sistem bağlama alanı açmaya izin vermiyor";
  EXPECT_TRUE(sonuç.startsWith("3027 ")) << sonuç.toStdString();
  EXPECT_TRUE(sonuç.contains("yazma iznini denetleyip")) << sonuç.toStdString();
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"), 1);
}

// A file system the kernel has marked failed refuses every open that would create a file (EROFS,
// or EIO once shut down) while the folder still reads as writable; the engine then retries the
// journal read-only and sees only "no such file". The write is told as read-only, nothing stored.
TEST_F(DiskHatalarıTesti, ÇökmüşDosyaSistemiSaltOkunurSayılır) {
  for (const int hata : {EROFS, EIO}) {
    const QByteArray sonuç = Çocukta([&]() -> QByteArray {
      auto açık = Veritabanı::Aç(vt->Yol());
      sock_filter süzgeç[] = {
          BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
          BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 3),
          BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
          BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_CREAT, 0, 1),
          BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<unsigned>(hata)),
          BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
      };
      const sock_fprog program{static_cast<unsigned short>(std::size(süzgeç)), süzgeç};
      if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        return "atla";
      try {
        açık->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES ('A')"));
      } catch (const VeritabanıHatası& h) {
        return QByteArray::number(h.Numara());
      }
      return "yazıldı";
    });
    if (sonuç == "atla") GTEST_SKIP() << "bu sistem süzgeç kurmaya izin vermiyor";
    EXPECT_EQ(sonuç, "3027") << hata;
  }
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"), 0);
}

}  // namespace
