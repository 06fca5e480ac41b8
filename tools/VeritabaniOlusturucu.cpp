#include "VeritabaniOlusturucu.h"

#include "StokBakiyesi.h"
#include "Veritabani.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace VeritabanıOluşturucu {
namespace {

const char* const Şema = R"SQL(
CREATE TABLE UrunBilgileriTablosu (
  UrunNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunKodu TEXT,
  UreticiKodu TEXT,
  UrunAdi TEXT,
  BirimTuru TEXT,
  BirimAgirligi REAL,
  PaketlemeAdedi INTEGER,
  AskilamaSayisi INTEGER,
  Aciklama TEXT
) STRICT;
CREATE TABLE DepoBilgileriTablosu (
  DepoNo INTEGER PRIMARY KEY AUTOINCREMENT,
  DepoKodu TEXT,
  DepoAdi TEXT,
  DepoYeri TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE SaticiFirmaBilgileriTablosu (
  FirmaNo INTEGER PRIMARY KEY AUTOINCREMENT,
  FirmaAdi TEXT,
  Telefonu TEXT,
  Faksi TEXT,
  Adresi TEXT,
  BirinciYetkiliAdi TEXT,
  BirinciYetkiliTelefonu TEXT,
  IkinciYetkiliAdi TEXT,
  IkinciYetkiliTelefonu TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE AliciFirmaBilgileriTablosu (
  FirmaNo INTEGER PRIMARY KEY AUTOINCREMENT,
  FirmaAdi TEXT,
  Telefonu TEXT,
  Faksi TEXT,
  Adresi TEXT,
  BirinciYetkiliAdi TEXT,
  BirinciYetkiliTelefonu TEXT,
  IkinciYetkiliAdi TEXT,
  IkinciYetkiliTelefonu TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE GirisCikisYapanlarTablosu (
  GirisCikisYapanNo INTEGER PRIMARY KEY AUTOINCREMENT,
  GirisCikisYapanAdi TEXT
) STRICT;
CREATE TABLE GirisIslemleriTablosu (
  IslemNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  SaticiFirmaNo INTEGER,
  GirisiYapan INTEGER,
  GirisNedeni INTEGER,
  IslemTarihi TEXT,
  GirisMiktari REAL
) STRICT;
CREATE TABLE CikisIslemleriTablosu (
  IslemNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  AliciFirmaNo INTEGER,
  CikisiYapan INTEGER,
  CikisNedeni INTEGER,
  IslemTarihi TEXT,
  CikisMiktari REAL,
  GirisIslemNo INTEGER
) STRICT;
CREATE TABLE IadeBilgileriTablosu (
  IadeNo INTEGER PRIMARY KEY AUTOINCREMENT,
  IslemNo INTEGER,
  UrunNo INTEGER,
  FirmaNo INTEGER,
  DepoNo INTEGER,
  IadeTarihi TEXT,
  IadeMiktari REAL
) STRICT;
CREATE TABLE KritikStokBilgileriTablosu (
  KritikStokNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  KritikStokMiktari REAL,
  UNIQUE (UrunNo, DepoNo)
) STRICT;

-- Stock sums read only these indexes (covering), also on large files.
CREATE INDEX GirisUrunDepo ON GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, IslemTarihi, GirisNedeni);
CREATE INDEX CikisUrunDepo ON CikisIslemleriTablosu (UrunNo, DepoNo, CikisMiktari, IslemTarihi, CikisNedeni);
CREATE INDEX CikisGirisIslemNo ON CikisIslemleriTablosu (GirisIslemNo);
CREATE INDEX GirisDepo ON GirisIslemleriTablosu (DepoNo);
CREATE INDEX CikisDepo ON CikisIslemleriTablosu (DepoNo);
CREATE INDEX GirisSatici ON GirisIslemleriTablosu (SaticiFirmaNo);
CREATE INDEX CikisAlici ON CikisIslemleriTablosu (AliciFirmaNo);
CREATE INDEX IadeIslemNo ON IadeBilgileriTablosu (IslemNo);
-- The lists read a period, and "all dates" its first and last day, from these.
CREATE INDEX GirisTarih ON GirisIslemleriTablosu (IslemTarihi);
CREATE INDEX CikisTarih ON CikisIslemleriTablosu (IslemTarihi);
CREATE INDEX IadeTarih ON IadeBilgileriTablosu (IadeTarihi);

-- Saved queries with positional parameters, prepared by name.
CREATE TABLE KayitliSorgular (
  Ad TEXT PRIMARY KEY,
  Metin TEXT NOT NULL
) STRICT;

-- Salted hash of the database password.
CREATE TABLE VeritabaniGuvenligi (
  Tuz BLOB NOT NULL,
  Ozet BLOB NOT NULL
) STRICT;
)SQL";

using StokBakiyesi::KayıtlıSorgu;

// Every saved query (the stock balance's readers, the exit reason and the weight sums) comes with
// the balance itself, which brings them to existing files too.

void Yürüt(sqlite3* db, const char* sql) {
  char* hata = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &hata) != SQLITE_OK) {
    const QString metin = QString::fromUtf8(hata ? hata : "?");
    sqlite3_free(hata);
    throw VeritabanıHatası(HataNumarası(sqlite3_extended_errcode(db)), metin);
  }
}

void Ekle(sqlite3* db, const char* sql, const std::function<void(sqlite3_stmt*)>& bağla) {
  sqlite3_stmt* d = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &d, nullptr);
  bağla(d);
  const int r = sqlite3_step(d);
  sqlite3_finalize(d);
  if (r != SQLITE_DONE) throw VeritabanıHatası(HataNumarası(r), QString::fromUtf8(sqlite3_errmsg(db)));
}

VeritabanıHatası DosyaVar(const QString& yol) {
  return VeritabanıHatası(VeritabanıHataNo::Genel, QStringLiteral("'%1' dosyası zaten var; üzerine yazılmaz.").arg(yol));
}

// Schema, saved queries, password and the planner's statistics, in one transaction.
void ŞemayıYaz(const QString& yol) {
  sqlite3* ham = nullptr;
  const int kod = sqlite3_open_v2(QFile::encodeName(yol).constData(), &ham, SQLITE_OPEN_READWRITE, nullptr);
  const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(ham, sqlite3_close);
  if (kod != SQLITE_OK)
    throw VeritabanıHatası(HataNumarası(kod), QStringLiteral("'%1' dosyası oluşturulamadı.").arg(yol));
  Veritabanı::TürkçeİşlevleriKaydet(ham);
  Yürüt(ham, "PRAGMA journal_mode=DELETE");
  Yürüt(ham, "BEGIN IMMEDIATE");
  Yürüt(ham, Şema);
  Yürüt(ham, StokBakiyesi::Şema());
  Yürüt(ham, StokBakiyesi::KritikStokGörünümü());
  Yürüt(ham, StokBakiyesi::KişiDizinleri());
  for (const KayıtlıSorgu* q = StokBakiyesi::Sorgular(); q->ad; ++q) {
    const KayıtlıSorgu& s = *q;
    Ekle(ham, "INSERT INTO KayitliSorgular (Ad, Metin) VALUES (?, ?)", [&](sqlite3_stmt* d) {
      sqlite3_bind_text(d, 1, s.ad, -1, SQLITE_STATIC);
      sqlite3_bind_text(d, 2, s.metin, -1, SQLITE_STATIC);
    });
    // Each saved query must prepare against the schema it was written for.
    sqlite3_stmt* deneme = nullptr;
    if (sqlite3_prepare_v2(ham, s.metin, -1, &deneme, nullptr) != SQLITE_OK)
      throw VeritabanıHatası(VeritabanıHataNo::Genel, QString::fromUtf8(sqlite3_errmsg(ham)));
    sqlite3_finalize(deneme);
  }
  QByteArray tuz(16, '\0');
  QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(tuz.data()), tuz.size() / 4);
  const QByteArray özet = Veritabanı::ParolaÖzeti(tuz, Veritabanı::Parola());
  Ekle(ham, "INSERT INTO VeritabaniGuvenligi (Tuz, Ozet) VALUES (?, ?)", [&](sqlite3_stmt* d) {
    sqlite3_bind_blob(d, 1, tuz.constData(), static_cast<int>(tuz.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(d, 2, özet.constData(), static_cast<int>(özet.size()), SQLITE_TRANSIENT);
  });
  // The statistics table exists from the start, so that the refresh at connection time is
  // no schema change for the other workstations.
  Yürüt(ham, "ANALYZE");
  Yürüt(ham, "COMMIT");
}

// A file of our own beside the target, under a random hidden name; its name (and journal) is
// removed at the end, whether or not the file was moved into place.
class GeçiciDosya {
public:
  explicit GeçiciDosya(const QString& hedef) {
    const QFileInfo h(hedef);
    for (int deneme = 0;; ++deneme) {
      const QString ad = QStringLiteral(".%1-%2")
                             .arg(h.fileName())
                             .arg(QRandomGenerator::system()->generate64(), 16, 16, QChar(u'0'));
      yol_ = h.dir().filePath(ad);
      const int fd = ::open(QFile::encodeName(yol_).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0644);
      if (fd >= 0) {
        ::close(fd);
        return;
      }
      if (errno != EEXIST || deneme == 9) {
        const int neden = errno;
        yol_.clear();
        throw VeritabanıHatası(neden == ENOSPC ? VeritabanıHataNo::DiskDolu : VeritabanıHataNo::ErişimYok,
                               QStringLiteral("'%1' dosyası oluşturulamadı: %2.")
                                   .arg(hedef, QString::fromLocal8Bit(std::strerror(neden))));
      }
    }
  }
  ~GeçiciDosya() {
    if (yol_.isEmpty()) return;
    ::unlink(QFile::encodeName(yol_).constData());
    ::unlink(QFile::encodeName(yol_ + QStringLiteral("-journal")).constData());
  }
  GeçiciDosya(const GeçiciDosya&) = delete;
  GeçiciDosya& operator=(const GeçiciDosya&) = delete;
  const QString& Yol() const { return yol_; }

private:
  QString yol_;
};

// The new name must outlive a power cut, like the file's own contents.
void KlasörüEşitle(const QString& klasör) {
  const int fd = ::open(QFile::encodeName(klasör).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// What a file system answers when it has no such operation (EPERM: no hard links on FAT).
bool Desteklenmiyor(int hata) { return hata == EINVAL || hata == ENOSYS || hata == EOPNOTSUPP || hata == EPERM; }

}  // namespace

Yerleşim DosyayıYerleştir(const QString& geçici, const QString& hedef, Yerleştirme yöntem) {
  const QByteArray g = QFile::encodeName(geçici), h = QFile::encodeName(hedef);
  int sonuç = -1;
  switch (yöntem) {
    case Yerleştirme::AdDeğiştir:
      sonuç = ::renameat2(AT_FDCWD, g.constData(), AT_FDCWD, h.constData(), RENAME_NOREPLACE);
      break;
    case Yerleştirme::BağlaSil:
      sonuç = ::link(g.constData(), h.constData());
      if (sonuç == 0) ::unlink(g.constData());
      break;
    case Yerleştirme::YerTut: {
      // Hold the name with an empty file of our own, then move ours over that one only.
      const int fd = ::open(h.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
      if (fd < 0) break;
      struct stat tutulan {};
      ::fstat(fd, &tutulan);
      ::close(fd);
      sonuç = ::rename(g.constData(), h.constData());
      if (sonuç != 0) {
        const int neden = errno;
        struct stat şimdi {};
        if (::stat(h.constData(), &şimdi) == 0 && şimdi.st_dev == tutulan.st_dev && şimdi.st_ino == tutulan.st_ino)
          ::unlink(h.constData());
        errno = neden;
      }
      break;
    }
  }
  if (sonuç == 0) return Yerleşim::Tamam;
  if (errno == EEXIST) return Yerleşim::Var;
  if (yöntem != Yerleştirme::YerTut && Desteklenmiyor(errno)) return Yerleşim::Desteklenmiyor;
  throw VeritabanıHatası(errno == ENOSPC ? VeritabanıHataNo::DiskDolu : VeritabanıHataNo::ErişimYok,
                         QStringLiteral("'%1' dosyası oluşturulamadı: %2.")
                             .arg(hedef, QString::fromLocal8Bit(std::strerror(errno))));
}

QString SorguMetni(const QString& ad) {
  for (const KayıtlıSorgu* s = StokBakiyesi::Sorgular(); s->ad; ++s)
    if (ad == QLatin1String(s->ad)) return QString::fromUtf8(s->metin);
  return {};
}

QString Oluştur(const QString& klasör) { return Oluştur(klasör, false); }

QString Oluştur(const QString& klasör, bool örnekVerilerle) {
  using namespace VeritabanıHataNo;
  const QFileInfo k(klasör);
  if (klasör.trimmed().isEmpty() || !k.exists() || !k.isDir())
    throw VeritabanıHatası(YolGeçersiz, QStringLiteral("'%1' klasörü bulunamadı.").arg(klasör));
  const QString yol = QDir(k.absoluteFilePath()).filePath(QString::fromLatin1(Veritabanı::DosyaAdı));
  if (QFileInfo::exists(yol)) throw DosyaVar(yol);

  // Built whole under a name of its own, so that no one ever sees (or we remove) a half-made Vlm.vtb.
  GeçiciDosya geçici(yol);
  ŞemayıYaz(geçici.Yol());
  if (örnekVerilerle) {
    auto vt = Veritabanı::Aç(geçici.Yol());
    ÖrnekVerileriEkle(*vt);
    vt->Çalıştır(QStringLiteral("ANALYZE"));
  }
  for (Yerleştirme yöntem : {Yerleştirme::AdDeğiştir, Yerleştirme::BağlaSil, Yerleştirme::YerTut}) {
    switch (DosyayıYerleştir(geçici.Yol(), yol, yöntem)) {
      case Yerleşim::Tamam: KlasörüEşitle(k.absoluteFilePath()); return yol;
      case Yerleşim::Var: throw DosyaVar(yol);
      case Yerleşim::Desteklenmiyor: break;
    }
  }
  throw VeritabanıHatası(ErişimYok, QStringLiteral("'%1' dosyası oluşturulamadı.").arg(yol));
}

}  // namespace VeritabanıOluşturucu
