#include "IslemIzleri.h"

#include "Ayarlar.h"
#include "Veritabani.h"

#include <QUuid>

#include <algorithm>
#include <map>

namespace İşlemİzleri {

namespace {

// A token is removed by age only long after any run that wrote it has ended; a pending work not
// found after this long may have lost its token that way, and is not told "not stored".
constexpr qint64 SilinmeYaşıSn = 90LL * 24 * 3600;
constexpr qint64 SöylenebilirYaşSn = 60LL * 24 * 3600;

const QString Bölüm = QStringLiteral("SonucuBilinmeyenIsler");
// Where an earlier version kept its one pending work.
const QString EskiBölüm = QStringLiteral("SonucuBilinmeyenIs");

struct Kayıt {
  Bekleyenİş iş;
  int bağlantı = 0;  // the connection that wrote the token; 0 for a run that ended
  Bekleyenİz* sahip = nullptr;
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
    std::vector<Çözülen> çözülen;  // settled, not yet told: still in the settings
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
  static void Tut(Bekleyenİz* sahip, const QString& iz) { sahip->iz_ = iz; }
  static void Kopar(Bekleyenİz* sahip) { sahip->iz_.clear(); }
};

void Bekleyenİz::Bırak() { Dosyalar::Bırak(this); }

namespace {

using Dosya = Dosyalar::Dosya;

// One pending work a line: the file, the token, the time and the name, which may hold anything
// but a tab.
QString Satır(const QString& yol, const Bekleyenİş& iş) {
  return QStringList{yol, (iş.eski ? QStringLiteral("eski:") : QString()) + iş.iz, iş.zaman.toString(Qt::ISODate), iş.ad}
      .join(u'\t');
}

std::optional<std::pair<QString, Bekleyenİş>> SatırıOku(const QString& satır) {
  const QStringList p = satır.split(u'\t');
  if (p.size() < 4 || p[1].isEmpty()) return std::nullopt;
  Bekleyenİş iş{p[1], p.mid(3).join(u'\t'), QDateTime::fromString(p[2], Qt::ISODate)};
  if (iş.iz.startsWith(QStringLiteral("eski:"))) iş.iz = iş.iz.mid(5), iş.eski = true;
  return std::make_pair(p[0], iş);
}

// The file's works, pending and settled but untold, in place of what the settings keep for it.
void Sakla(const QString& yol, const Dosya& d) {
  if (!AyarlardaTut) return;
  QList<QPair<QString, QString>> satırlar;
  const auto ekle = [&](const QString& metin) {
    satırlar.append({QStringLiteral("Is-%1").arg(satırlar.size() + 1), metin});
  };
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku(Bölüm))
    if (const auto s = SatırıOku(değer); s && s->first != yol) ekle(değer);
  for (const Kayıt& k : d.bekleyen) ekle(Satır(yol, k.iş));
  for (const Çözülen& ç : d.çözülen) ekle(Satır(yol, ç.k.iş));
  if (satırlar.isEmpty())
    Ayarlar::BölümüSil(Bölüm);
  else
    Ayarlar::BölümüYaz(Bölüm, satırlar);
}

// What the settings keep for the file that this run does not know yet, read at each connection:
// a run that ended, or the one pending work an earlier version kept.
Dosya& AyarlardanAl(const QString& yol) {
  Dosya& d = Dosyalar::Hepsi()[yol];
  if (!AyarlardaTut) return d;
  const auto biliniyor = [&d](const QString& iz) {
    return std::any_of(d.bekleyen.begin(), d.bekleyen.end(), [&](const Kayıt& k) { return k.iş.iz == iz; }) ||
           std::any_of(d.çözülen.begin(), d.çözülen.end(), [&](const Çözülen& ç) { return ç.k.iş.iz == iz; });
  };
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku(Bölüm))
    if (const auto s = SatırıOku(değer); s && s->first == yol && !biliniyor(s->second.iz))
      d.bekleyen.push_back({s->second});
  if (Ayarlar::BölümVar(EskiBölüm) && Ayarlar::Oku(EskiBölüm, QStringLiteral("Veritabani")) == yol) {
    const auto oku = [](const char* a) { return Ayarlar::Oku(EskiBölüm, QString::fromLatin1(a)); };
    if (!oku("Iz").isEmpty() && !biliniyor(oku("Iz")))
      d.bekleyen.push_back({{oku("Iz"), oku("Ad"), QDateTime::fromString(oku("Zaman"), Qt::ISODate), true}});
    Sakla(yol, d);
    Ayarlar::BölümüSil(EskiBölüm);
  }
  return d;
}

bool TabloVar(Veritabanı& vt, const QString& ad) {
  return !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), {ad}).Boş();
}

// Whether the work's token is in the file; nothing when its absence no longer tells.
std::optional<bool> Oku(Veritabanı& vt, const Bekleyenİş& iş) {
  const QString tablo = iş.eski ? QStringLiteral("IslemIzleriTablosu") : QStringLiteral("IslemIzleri");
  const bool var = TabloVar(vt, tablo) &&
                   !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM %1 WHERE Iz = ?").arg(tablo), {iş.iz}).Boş();
  if (!var && iş.zaman.isValid() && iş.zaman.secsTo(QDateTime::currentDateTime()) > SöylenebilirYaşSn)
    return std::nullopt;
  return var;
}

// Reads every pending work of the file back; all are read before any is taken as settled, so a
// read the disk fails leaves them all pending. True when `kendi`'s is in the file.
bool HepsiniÇöz(Veritabanı& vt, Dosya& d, Bekleyenİz* kendi) {
  if (d.bekleyen.empty()) return false;
  std::vector<std::optional<bool>> sonuçlar;
  for (const Kayıt& k : d.bekleyen) sonuçlar.push_back(Oku(vt, k.iş));
  bool önce = false;
  for (size_t i = 0; i < d.bekleyen.size(); ++i) {
    const Kayıt& k = d.bekleyen[i];
    const bool kendisi = kendi && k.sahip == kendi;
    if (kendisi) önce = sonuçlar[i].value_or(false);
    if (k.sahip) Dosyalar::Kopar(k.sahip);
    d.çözülen.push_back({k, sonuçlar[i], kendisi});
  }
  d.bekleyen.clear();
  return önce;
}

}  // namespace

void Bağlanınca(Veritabanı& vt) {
  Dosya& d = AyarlardanAl(vt.Yol());
  try {
    HepsiniÇöz(vt, d, nullptr);
  } catch (const VeritabanıHatası&) {
    // The disk still fails: the first write on the file reads them under its lock.
  }
}

bool Çöz(Veritabanı& vt, Bekleyenİz* kendi) { return HepsiniÇöz(vt, Dosyalar::Hepsi()[vt.Yol()], kendi); }

QString Yaz(Veritabanı& vt) {
  BağlantıDurumu& b = vt.İzDurumu();
  // Made here, in the write itself: a file that could not take it at connection still gets the
  // token with its first write, or the write fails.
  vt.Çalıştır(QStringLiteral("CREATE TABLE IF NOT EXISTS IslemIzleri (Iz TEXT PRIMARY KEY, Zaman INTEGER NOT NULL) "
                             "WITHOUT ROWID"));
  for (const QString& iz : b.silinecek) vt.Çalıştır(QStringLiteral("DELETE FROM IslemIzleri WHERE Iz = ?"), {iz});
  const qint64 şimdi = QDateTime::currentSecsSinceEpoch();
  if (!b.yaşlılarSilindi)
    vt.Çalıştır(QStringLiteral("DELETE FROM IslemIzleri WHERE Zaman < ?"), {şimdi - SilinmeYaşıSn});
  const QString iz = QUuid::createUuid().toString(QUuid::WithoutBraces);
  vt.Çalıştır(QStringLiteral("INSERT INTO IslemIzleri (Iz, Zaman) VALUES (?, ?)"), {iz, şimdi});
  return iz;
}

void Yazıldı(Veritabanı& vt, const QString& iz) {
  BağlantıDurumu& b = vt.İzDurumu();
  b.silinecek.assign(1, iz);
  b.yaşlılarSilindi = true;
}

void Bilinmiyor(Veritabanı& vt, const QString& iz, const QString& ad, Bekleyenİz* kendi) {
  Dosya& d = Dosyalar::Hepsi()[vt.Yol()];
  d.bekleyen.push_back({{iz, ad, QDateTime::currentDateTime()}, vt.İzDurumu().no, kendi});
  if (kendi) Dosyalar::Tut(kendi, iz);
  Sakla(vt.Yol(), d);
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
    try {
      if (ç.k.sahip && ç.k.sahip->Çözüldü)
        ç.k.sahip->Çözüldü(ç.k.iş, ç.yazılmış, ç.kendi);
      else if (Söyle)
        Söyle(ç.k.iş, ç.yazılmış, ç.kendi);
    } catch (...) {
    }
    // Forgotten only once told, and its token removed only once forgotten: a program that ends
    // in between tells it again at the next start, from a token still there.
    Dosya& sonra = Dosyalar::Hepsi()[yol];
    std::erase_if(sonra.çözülen, [&](const Çözülen& x) { return x.k.iş.iz == ç.k.iş.iz; });
    Sakla(yol, sonra);
    if (ç.k.bağlantı == vt.İzDurumu().no && ç.yazılmış.value_or(false) && !ç.k.iş.eski)
      vt.İzDurumu().silinecek.push_back(ç.k.iş.iz);
  }
  söyleniyor = false;
}

void HepsiniUnut() { Dosyalar::Hepsi().clear(); }

BağlantıDurumu::BağlantıDurumu() {
  static int sayaç = 0;
  no = ++sayaç;
}

}  // namespace İşlemİzleri
