#include "IslemIzleri.h"

#include "Ayarlar.h"
#include "KosuDosyalari.h"
#include "Veritabani.h"

#include <QMap>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <map>

namespace İşlemİzleri {

namespace {

// A token is removed by age only once the file has taken this many commits after it: far more
// than any run that wrote it lives through. A pending work not found whose token may have gone
// that way is not told "not stored".
constexpr qint64 SilinmeSırası = 1'000'000;

const QString Bölüm = QStringLiteral("SonucuBilinmeyenIsler");
// Where an earlier version kept its one pending work.
const QString EskiBölüm = QStringLiteral("SonucuBilinmeyenIs");

struct Kayıt {
  Bekleyenİş iş;
  int bağlantı = 0;  // the connection that wrote the token; 0 for a run that ended
  Bekleyenİz* sahip = nullptr;
  QString anahtar;  // its line in a run's file
};
struct Çözülen {
  Kayıt k;
  std::optional<bool> yazılmış;
  bool kendi = false;
};

}  // namespace

struct Dosyalar {
  struct Dosya {
    std::vector<Kayıt> bekleyen;
    std::vector<Çözülen> çözülen;  // settled, not yet told: its line still kept, still held
    std::vector<Çözülen> satırıKalan;  // told, but its line could not be removed: its token stays
  };
  static std::map<QString, Dosya>& Hepsi() {
    static std::map<QString, Dosya> dosyalar;
    return dosyalar;
  }
  static void Bırak(Bekleyenİz* sahip) {
    for (auto& [yol, d] : Hepsi()) {
      for (Kayıt& k : d.bekleyen)
        if (k.sahip == sahip) k.sahip = nullptr;
      for (Çözülen& ç : d.çözülen)
        if (ç.k.sahip == sahip) ç.k.sahip = nullptr;
    }
    sahip->iz_.clear();
  }
  static void Tut(Bekleyenİz* sahip, const QString& iz, bool saklandı) { sahip->iz_ = iz, sahip->saklandı_ = saklandı; }
  // Told what became of `iz`: the holder lets it go, unless it holds a later try by now.
  static void Kopar(Bekleyenİz* sahip, const QString& iz) {
    if (sahip->iz_ == iz) sahip->iz_.clear();
  }
};

void Bekleyenİz::Bırak() { Dosyalar::Bırak(this); }

namespace {

using Dosya = Dosyalar::Dosya;

// One pending work a line: the file, the token, the time and the name. The token says where it
// is looked for: "onay:<sıra>:" in front; "eski:" for the oldest version; nothing for the version
// before. In the settings, where earlier versions kept them, ":<run>" after names the run that
// held it while it lived.
QString Satır(const Bekleyenİş& iş) {
  QString iz = iş.iz;
  if (iş.tablo == Tablo::Onay) iz = QStringLiteral("onay:%1:%2").arg(iş.sıra).arg(iş.iz);
  if (iş.tablo == Tablo::Eski) iz = QStringLiteral("eski:") + iş.iz;
  return QStringList{iş.yol, iz, iş.zaman.toString(Qt::ISODate), iş.ad}.join(u'\t');
}

struct Okunan {
  Bekleyenİş iş;
  QString koşu;  // the run that holds it; none for a run of an earlier version
};

// Nothing for a line that cannot be read: nothing about it could be told.
std::optional<Okunan> SatırıOku(const QString& satır) {
  const QStringList p = satır.split(u'\t');
  if (p.size() < 4 || p[0].isEmpty() || p[1].isEmpty()) return std::nullopt;
  Okunan o{{p[1], p.mid(3).join(u'\t'), QDateTime::fromString(p[2], Qt::ISODate), p[0], 0, Tablo::Önceki}, {}};
  Bekleyenİş& iş = o.iş;
  if (iş.iz.startsWith(QStringLiteral("eski:"))) {
    iş.iz = iş.iz.mid(5), iş.tablo = Tablo::Eski;
    if (iş.iz.isEmpty()) return std::nullopt;
  } else if (iş.iz.startsWith(QStringLiteral("onay:"))) {
    const QStringList parça = iş.iz.split(u':');
    bool tamam = false;
    iş.sıra = parça.value(1).toLongLong(&tamam);
    if (parça.size() < 3 || parça.size() > 4 || !tamam || iş.sıra < 1 || parça[2].isEmpty()) return std::nullopt;
    // A run is named by a number of its own, never a path: a line written by hand names no file.
    if (parça.size() == 4 && QUuid::fromString(parça[3]).isNull()) return std::nullopt;
    iş.iz = parça[2], iş.tablo = Tablo::Onay, o.koşu = parça.value(3);
  }
  return o;
}

// Works taken from the settings of an earlier version are keyed so: their settings line must
// be gone before the run's file lets them go, or another copy would take them from there again.
const QString AyarlardanÖnEki = QStringLiteral("ayarlardan:");

// The work's line in this run's own file. False when it could not be kept.
bool SatırıEkle(Kayıt& k, bool ayarlardan = false) {
  if (!KoşuDosyasındaTut) return true;
  const QString anahtar = (ayarlardan ? AyarlardanÖnEki : QString()) + k.iş.iz;
  if (!KoşuDosyaları::Ekle(anahtar, Satır(k.iş))) return false;
  k.anahtar = anahtar;
  return true;
}

// Lines earlier versions kept in the settings for that token go, under the settings' lock. Nothing
// here waits on that lock: a line left is taken or removed at a later connection, period or write.
bool AyarlardanAt(const QString& iz) {
  bool tamam = true;
  if (Ayarlar::BölümVar(Bölüm))
    tamam = Ayarlar::BölümüBeklemedenDeğiştir(Bölüm, [&](QList<QPair<QString, QString>>& satırlar) {
      satırlar.removeIf([&](const QPair<QString, QString>& s) {
        const auto o = SatırıOku(s.second);
        return o && o->iş.iz == iz;
      });
    });
  if (Ayarlar::BölümVar(EskiBölüm))
    tamam = Ayarlar::BölümüBeklemedenDeğiştir(EskiBölüm, [&](QList<QPair<QString, QString>>& satırlar) {
      if (std::any_of(satırlar.begin(), satırlar.end(), [&](const auto& s) { return s.first == u"Iz" && s.second == iz; }))
        satırlar.clear();
    }) && tamam;
  return tamam;
}

// True once the line is known gone (or was never kept); the caller has forgotten the work already.
bool SatırıSil(const Kayıt& k) {
  if (!KoşuDosyasındaTut || k.anahtar.isEmpty()) return true;
  if (k.anahtar.startsWith(AyarlardanÖnEki) && !AyarlardanAt(k.iş.iz)) return false;
  return KoşuDosyaları::Sil(k.anahtar);
}

bool Biliniyor(const Dosya& d, const QString& iz) {
  const auto bu = [&](const Çözülen& ç) { return ç.k.iş.iz == iz; };
  return std::any_of(d.bekleyen.begin(), d.bekleyen.end(), [&](const Kayıt& k) { return k.iş.iz == iz; }) ||
         std::any_of(d.çözülen.begin(), d.çözülen.end(), bu) ||
         std::any_of(d.satırıKalan.begin(), d.satırıKalan.end(), bu);
}

// A work an earlier version left in the settings becomes this run's: written to its own file
// first, so that a crash before its line goes leaves it in both, and the settings' one is dropped
// by whoever reads it next.
bool Devral(Dosya& d, const Bekleyenİş& iş) {
  Kayıt k{iş, 0, nullptr, {}};
  if (!SatırıEkle(k, true)) return false;
  d.bekleyen.push_back(k);
  return true;
}

// What earlier versions kept in the settings for the file, from runs that have ended, taken
// under the settings' lock: no other copy takes the same line. Held by another copy, the lines
// are left for the next connection or period.
void AyarlardanAl(Dosya& d, const QString& yol) {
  QStringList biten;
  if (Ayarlar::BölümVar(Bölüm))
    Ayarlar::BölümüBeklemedenDeğiştir(Bölüm, [&](QList<QPair<QString, QString>>& satırlar) {
      satırlar.removeIf([&](const QPair<QString, QString>& s) {
        const auto o = SatırıOku(s.second);
        if (!o) return true;
        if (o->iş.yol != yol) return false;
        if (!o->koşu.isEmpty()) {
          if (!biten.contains(o->koşu) && !KoşuDosyaları::EskiKoşuBitti(o->koşu)) return false;
          biten << o->koşu;
        }
        return Biliniyor(d, o->iş.iz) || KoşuDosyaları::HerhangiBirindeVar(AyarlardanÖnEki + o->iş.iz) ||
               Devral(d, o->iş);
      });
    });
  // Nothing waits on an ended run's lock; a line of it for another file still finds it ended.
  for (const QString& koşu : biten) KoşuDosyaları::EskiKoşuyuSil(koşu);
  if (Ayarlar::BölümVar(EskiBölüm))
    Ayarlar::BölümüBeklemedenDeğiştir(EskiBölüm, [&](QList<QPair<QString, QString>>& satırlar) {
      QMap<QString, QString> a;
      for (const auto& [anahtar, değer] : satırlar) a[anahtar] = değer;
      if (a.value(QStringLiteral("Veritabani")) != yol) return;
      const Bekleyenİş iş{a.value(QStringLiteral("Iz")), a.value(QStringLiteral("Ad")),
                          QDateTime::fromString(a.value(QStringLiteral("Zaman")), Qt::ISODate), yol, 0, Tablo::Eski};
      if (iş.iz.isEmpty() || Biliniyor(d, iş.iz) || KoşuDosyaları::HerhangiBirindeVar(AyarlardanÖnEki + iş.iz) ||
          Devral(d, iş))
        satırlar.clear();
    });
}

// What this run does not know yet of the file, read at each connection: the works of runs that
// have ended. A running copy's works stay its own: its form may still hold them and write them
// at its next save.
Dosya& Al(const QString& yol) {
  Dosya& d = Dosyalar::Hepsi()[yol];
  if (!KoşuDosyasındaTut) return d;
  KoşuDosyaları::Yenile();
  using KoşuDosyaları::Seçim;
  for (const KoşuDosyaları::Satır& s : KoşuDosyaları::Al([&](const KoşuDosyaları::Satır& s) {
         const auto o = SatırıOku(s.metin);
         if (!o || !s.anahtar.endsWith(o->iş.iz)) return Seçim::At;
         if (o->iş.yol != yol) return Seçim::Bırak;
         return Biliniyor(d, o->iş.iz) ? Seçim::At : Seçim::Al;
       }))
    d.bekleyen.push_back({SatırıOku(s.metin)->iş, 0, nullptr, s.anahtar});
  AyarlardanAl(d, yol);
  return d;
}

bool TabloVar(Veritabanı& vt, const QString& ad) {
  return !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), {ad}).Boş();
}

bool İzVar(Veritabanı& vt, const QString& tablo, const QString& iz) {
  return TabloVar(vt, tablo) &&
         !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM %1 WHERE Iz = ?").arg(tablo), {iz}).Boş();
}

// The file's count of commits that stored a token: the newest token's, which no write removes.
// Never below nought, whatever a file written by other means holds: no difference of it overflows.
qint64 SonSıra(Veritabanı& vt) {
  if (!TabloVar(vt, QStringLiteral("OnayIzleri"))) return 0;
  return vt.KayıtKümesiAç(QStringLiteral("SELECT MAX(IFNULL(MAX(Sira), 0), 0) AS Sira FROM OnayIzleri")).Tamsayı("Sira");
}

// Whether the work's token is in the file; nothing when its absence no longer tells.
std::optional<bool> Oku(Veritabanı& vt, const Bekleyenİş& iş) {
  switch (iş.tablo) {
    case Tablo::Onay:
      if (İzVar(vt, QStringLiteral("OnayIzleri"), iş.iz)) return true;
      // Removed by age only once some write counted past sıra + SilinmeSırası (a count read
      // from the settings may be anything: no sum of it can overflow).
      if (SonSıra(vt) - SilinmeSırası > iş.sıra) return std::nullopt;
      return false;
    case Tablo::Önceki:
      // That version removed tokens by the clock of whichever workstation wrote: a missing one
      // tells nothing.
      if (İzVar(vt, QStringLiteral("IslemIzleri"), iş.iz)) return true;
      return std::nullopt;
    case Tablo::Eski: return İzVar(vt, QStringLiteral("IslemIzleriTablosu"), iş.iz);
  }
  return std::nullopt;
}

// Reads every pending work of the file back; all are read before any is taken as settled, so a
// read the disk fails leaves them all pending. True when `kendi`'s is in the file, whether this
// read settled it or an earlier one whose answer the holder has not been told yet.
bool HepsiniÇöz(Veritabanı& vt, Dosya& d, Bekleyenİz* kendi) {
  bool önce = false;
  for (Çözülen& ç : d.çözülen)
    if (kendi && ç.k.sahip == kendi && ç.k.iş.iz == kendi->İz()) ç.kendi = true, önce = ç.yazılmış.value_or(false);
  if (d.bekleyen.empty()) return önce;
  std::vector<std::optional<bool>> sonuçlar;
  for (const Kayıt& k : d.bekleyen) sonuçlar.push_back(Oku(vt, k.iş));
  for (size_t i = 0; i < d.bekleyen.size(); ++i) {
    const Kayıt& k = d.bekleyen[i];
    const bool kendisi = kendi && k.sahip == kendi;
    if (kendisi) önce = sonuçlar[i].value_or(false);
    d.çözülen.push_back({k, sonuçlar[i], kendisi});
  }
  d.bekleyen.clear();
  return önce;
}

// Removes the lines of told works that are still kept; a token of this connection's
// whose line is gone goes with its next write.
void SatırlarıSil(Veritabanı& vt) {
  auto& kalan = Dosyalar::Hepsi()[vt.Yol()].satırıKalan;
  for (auto i = kalan.begin(); i != kalan.end();) {
    const Çözülen ç = *i;
    i = kalan.erase(i);
    if (!SatırıSil(ç.k)) {
      i = kalan.insert(i, ç) + 1;
      continue;
    }
    if (ç.k.bağlantı == vt.İzDurumu().no && ç.yazılmış.value_or(false) && ç.k.iş.tablo == Tablo::Onay)
      vt.İzDurumu().silinecek.push_back(ç.k.iş.iz);
  }
}

}  // namespace

namespace {
void BekleyenleriÇöz(Veritabanı& vt, Dosya& d) {
  try {
    HepsiniÇöz(vt, d, nullptr);
  } catch (const VeritabanıHatası&) {
    // The disk still fails: the first write on the file reads them under its lock.
  }
}
}  // namespace

void Bağlanınca(Veritabanı& vt) { BekleyenleriÇöz(vt, Al(vt.Yol())); }

void Yokla(Veritabanı& vt) {
  if (!KoşuDosyasındaTut) return;
  const size_t önce = Dosyalar::Hepsi()[vt.Yol()].bekleyen.size();
  Dosya& d = Al(vt.Yol());
  if (d.bekleyen.size() != önce) BekleyenleriÇöz(vt, d);
  Bildir(vt);
}

bool Çöz(Veritabanı& vt, Bekleyenİz* kendi) {
  if (KoşuDosyasındaTut) KoşuDosyaları::Yenile();
  return HepsiniÇöz(vt, Dosyalar::Hepsi()[vt.Yol()], kendi);
}

Yazılan Yaz(Veritabanı& vt) {
  BağlantıDurumu& b = vt.İzDurumu();
  // Made here, in the write itself: a file that could not take it at connection still gets the
  // token with its first write, or the write fails.
  vt.Çalıştır(QStringLiteral("CREATE TABLE IF NOT EXISTS OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) "
                             "WITHOUT ROWID"));
  vt.Çalıştır(QStringLiteral("CREATE INDEX IF NOT EXISTS OnayIzleriSira ON OnayIzleri (Sira)"));
  const qint64 son = SonSıra(vt);
  // Only a file written by other means gets here; a count past it would wrap, and the age rule
  // would then take every other workstation's tokens.
  if (son == std::numeric_limits<qint64>::max())
    throw VeritabanıHatası(VeritabanıHataNo::Genel,
                           QStringLiteral("Veritabanındaki işlem sayacı en büyük değerine ulaşmış: veritabanı başka bir "
                                          "programla değiştirilmiş olabilir. İşlem kaydedilmedi.\n\nLütfen, sistem "
                                          "yöneticinize başvurunuz."));
  const Yazılan y{QUuid::createUuid().toString(QUuid::WithoutBraces), son + 1};
  for (const QString& iz : b.silinecek) vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Iz = ?"), {iz});
  vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Sira < ?"), {y.sıra - SilinmeSırası});
  vt.Çalıştır(QStringLiteral("INSERT INTO OnayIzleri (Iz, Sira) VALUES (?, ?)"), {y.iz, y.sıra});
  return y;
}

void Yazıldı(Veritabanı& vt, const QString& iz) { vt.İzDurumu().silinecek.assign(1, iz); }

bool Bilinmiyor(Veritabanı& vt, const Yazılan& y, const QString& ad, Bekleyenİz* kendi) {
  Dosya& d = Dosyalar::Hepsi()[vt.Yol()];
  Kayıt k{{y.iz, ad, Saat(), vt.Yol(), y.sıra, Tablo::Onay}, vt.İzDurumu().no, kendi, {}};
  const bool saklandı = SatırıEkle(k);
  d.bekleyen.push_back(k);
  if (kendi) Dosyalar::Tut(kendi, y.iz, saklandı);
  return saklandı;
}

void Bildir(Veritabanı& vt) {
  // A message shown while telling runs an event loop; what it may start is told after.
  static bool söyleniyor = false;
  if (söyleniyor) return;
  söyleniyor = true;
  const QString yol = vt.Yol();
  while (true) {
    Dosya& d = Dosyalar::Hepsi()[yol];
    if (d.çözülen.empty()) break;
    const Çözülen ç = d.çözülen.front();
    // Told and let go in one step: the holder's answer is the one it hears.
    if (ç.k.sahip) Dosyalar::Kopar(ç.k.sahip, ç.k.iş.iz);
    try {
      if (ç.k.sahip && ç.k.sahip->Çözüldü)
        ç.k.sahip->Çözüldü(ç.k.iş, ç.yazılmış, ç.kendi);
      else if (Söyle)
        Söyle(ç.k.iş, ç.yazılmış, ç.kendi);
    } catch (...) {
    }
    // Forgotten only once told, and its token removed only once its line is known gone: a line
    // that outlives this run, the program ending in between or the disk refusing the
    // removal, is told again at the next start from a token still there, truly.
    std::erase_if(Dosyalar::Hepsi()[yol].çözülen, [&](const Çözülen& x) { return x.k.iş.iz == ç.k.iş.iz; });
    Dosyalar::Hepsi()[yol].satırıKalan.emplace_back(ç).k.sahip = nullptr;
  }
  try {
    for (const QString& kenar : KoşuDosyaları::KenaraAlınanlar())
      if (OkunamayanDosya) OkunamayanDosya(kenar);
    if (KoşuDosyasındaTut && KoşuDosyaları::Kayboldu() && NotKayboldu) NotKayboldu();
  } catch (...) {
  }
  SatırlarıSil(vt);
  söyleniyor = false;
}

void Kapanırken(Veritabanı& vt) noexcept {
  try {
    SatırlarıSil(vt);
    const std::vector<QString>& silinecek = vt.İzDurumu().silinecek;
    if (silinecek.empty()) return;
    // The run is over: its settled tokens go now, not with a write that will not come. Nothing
    // waits long on it: a file locked or failing keeps them, and they go by age.
    sqlite3_busy_timeout(vt.Tutamaç(), 1000);
    // Not a work of the user's: no token of its own, nothing to tell.
    vt.Çalıştır(QStringLiteral("BEGIN IMMEDIATE"));
    const qint64 son = SonSıra(vt);
    for (const QString& iz : silinecek) vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Iz = ?"), {iz});
    // The file's count stays in a row no work asks for: it never goes back.
    if (SonSıra(vt) < son)
      vt.Çalıştır(QStringLiteral("INSERT OR REPLACE INTO OnayIzleri (Iz, Sira) VALUES ('', ?)"), {son});
    vt.Çalıştır(QStringLiteral("COMMIT"));
  } catch (...) {
  }
  if (!sqlite3_get_autocommit(vt.Tutamaç())) sqlite3_exec(vt.Tutamaç(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void HepsiniUnut() {
  Dosyalar::Hepsi().clear();
  KoşuDosyaları::Yeni();
}

BağlantıDurumu::BağlantıDurumu() {
  static int sayaç = 0;
  no = ++sayaç;
}

}  // namespace İşlemİzleri
