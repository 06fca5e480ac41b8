// Stock figures over generated files: 1,000 products, 10 warehouses and 200,000 movements with
// statistics gathered by hand; and 5,000 products, 10 warehouses, 19 persons, 10,000 critical
// levels and 1,000,000 movements as the program meets such a file, with statistics only from the
// creation tool and the refresh at connection time (and, to compare, without that refresh).
// The forms that list most (the critical list, a person's movements) are filled offscreen.

#include "Ayarlar.h"
#include "CikisNedenineGoreStokListesiFormu.h"
#include "CikisVerileri.h"
#include "FisVerileri.h"
#include "FormYoneticisi.h"
#include "GirisCikisYapanlaraGoreStokHareketleriFormu.h"
#include "HareketVerileri.h"
#include "FirmalaraGoreStokListesi.h"
#include "GirisCikisIslemleriListesiFormu.h"
#include "KritikStokListesiFormu.h"
#include "ListeGorunumu.h"
#include "ListeRaporu.h"
#include "ListeVerileri.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "SikiListeGorunumu.h"
#include "StokBakiyesi.h"
#include "StokListesiFormu.h"
#include "TarihKutusu.h"
#include "Veritabani.h"
#include "VeritabaniOlusturucu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDate>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int KişiSayısı = 19;

struct DepoAralığı {
  qint64 ilk = 0, son = 0;
};

// Ten warehouses, `ürünSayısı` products and as many exits as entries, in one transaction with
// prepared statements.
DepoAralığı Doldur(Veritabanı& vt, int ürünSayısı, int girişSayısı) {
  DepoAralığı depolar;
  Veritabanı::İşlem işlem(vt);
  for (int d = 0; d < 10; ++d) {
    vt.Çalıştır("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                {QStringLiteral("D%1").arg(d), QStringLiteral("DEPO %1").arg(d)});
    if (d == 0) depolar.ilk = vt.SonEklenenNo();
    depolar.son = vt.SonEklenenNo();
  }
  for (int u = 0; u < ürünSayısı; ++u)
    vt.Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                {QStringLiteral("U%1").arg(u), QStringLiteral("ÜRÜN %1").arg(u), 0.5});

  sqlite3* db = vt.Tutamaç();
  sqlite3_stmt *giriş = nullptr, *çıkış = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, GirisNedeni, "
                     "IslemTarihi, GirisMiktari) VALUES (?, ?, 1, ?, ?, ?, ?)",
                     -1, &giriş, nullptr);
  sqlite3_prepare_v2(db,
                     "INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, CikisNedeni, "
                     "IslemTarihi, CikisMiktari) VALUES (?, ?, 1, ?, ?, ?, ?)",
                     -1, &çıkış, nullptr);
  QRandomGenerator üreteç(42);
  const QDate ilk(2024, 1, 1);
  for (int i = 0; i < girişSayısı; ++i) {
    const qint64 ürün = 1 + üreteç.bounded(ürünSayısı), depo = depolar.ilk + üreteç.bounded(10);
    const int neden = i % 50 == 0 ? 99 : 1;
    const QByteArray tarih = ilk.addDays(i % 900).toString(Qt::ISODate).toLatin1();
    const double miktarlar[] = {1 + üreteç.bounded(10000) / 100.0, üreteç.bounded(500) / 100.0};
    const int nedenler[] = {neden, neden == 99 ? 99 : i % 7};
    for (int y = 0; y < 2; ++y) {
      sqlite3_stmt* d = y == 0 ? giriş : çıkış;
      sqlite3_bind_int64(d, 1, ürün);
      sqlite3_bind_int64(d, 2, depo);
      // Nineteen persons: the busiest makes some 26,000 entries.
      sqlite3_bind_int(d, 3, 1 + i % KişiSayısı);
      sqlite3_bind_int(d, 4, nedenler[y]);
      sqlite3_bind_text(d, 5, tarih.constData(), static_cast<int>(tarih.size()), SQLITE_TRANSIENT);
      sqlite3_bind_double(d, 6, miktarlar[y]);
      if (sqlite3_step(d) != SQLITE_DONE) throw VeritabanıHatası(VeritabanıHataNo::Genel, "ölçüm verisi yazılamadı");
      sqlite3_reset(d);
    }
  }
  sqlite3_finalize(giriş);
  sqlite3_finalize(çıkış);
  işlem.Onayla();
  return depolar;
}

struct ÖlçümVeritabanı {
  QTemporaryDir klasör;
  std::unique_ptr<Veritabanı> vt;
  DepoAralığı depolar;

  ÖlçümVeritabanı() {
    vt = Veritabanı::Aç(VeritabanıOluşturucu::Oluştur(klasör.path()));
    depolar = Doldur(*vt, 1000, 100000);
    vt->Çalıştır("ANALYZE");
  }
};

ÖlçümVeritabanı& Ortam() {
  static ÖlçümVeritabanı o;
  return o;
}

// The million-movement file is built once for the run; each case opens a copy of its own.
struct MilyonHareket {
  QTemporaryDir klasör;
  QString asıl;
  DepoAralığı depolar;

  MilyonHareket() {
    asıl = VeritabanıOluşturucu::Oluştur(klasör.path());
    auto vt = Veritabanı::Aç(asıl);
    depolar = Doldur(*vt, 5000, 500000);
    // Two levels per product, about half of them met.
    Veritabanı::İşlem işlem(*vt);
    QRandomGenerator üreteç(11);
    for (qint64 u = 1; u <= 5000; ++u)
      for (qint64 d : {depolar.ilk + u % 10, depolar.ilk + (u + 5) % 10})
        vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)",
                     {u, d, 50.0 + üreteç.bounded(900)});
    işlem.Onayla();
  }
  std::unique_ptr<Veritabanı> Kopya(const QString& ad, bool tazele) const {
    const QString k = klasör.filePath(ad);
    QDir().mkpath(k);
    QFile::copy(asıl, k + QStringLiteral("/Vlm.vtb"));
    auto vt = Veritabanı::Aç(k + QStringLiteral("/Vlm.vtb"));
    if (tazele) vt->İstatistikleriTazele();
    return vt;
  }
};

const MilyonHareket& Milyon() {
  static MilyonHareket m;
  return m;
}

void MevcutStok(benchmark::State& durum, Veritabanı& vt, DepoAralığı depolar) {
  for (auto _ : durum) {
    auto k = vt.SorguAç("MevcutStokSorgusu", {depolar.ilk, depolar.son, QDate(2000, 1, 1), QDate(2100, 1, 1), 99});
    benchmark::DoNotOptimize(k.KayıtSayısı());
  }
}

void BirÜrününBirDepodakiStoğu(benchmark::State& durum) {
  auto& o = Ortam();
  qint64 ürün = 1;
  for (auto _ : durum) {
    auto g = o.vt->KayıtKümesiAç("SELECT Sum(GirisMiktari) AS GirisToplami FROM GirisIslemleriTablosu "
                                 "WHERE UrunNo = ? AND DepoNo = ?",
                                 {ürün, o.depolar.ilk + ürün % 10});
    auto c = o.vt->KayıtKümesiAç("SELECT Sum(CikisMiktari) AS CikisToplami FROM CikisIslemleriTablosu "
                                 "WHERE UrunNo = ? AND DepoNo = ?",
                                 {ürün, o.depolar.ilk + ürün % 10});
    benchmark::DoNotOptimize(g.Miktar("GirisToplami") - c.Miktar("CikisToplami"));
    ürün = ürün % 1000 + 1;
  }
}
BENCHMARK(BirÜrününBirDepodakiStoğu)->Unit(benchmark::kMicrosecond);

void TümDepolarınMevcutStoğu(benchmark::State& durum) { MevcutStok(durum, *Ortam().vt, Ortam().depolar); }
BENCHMARK(TümDepolarınMevcutStoğu)->Unit(benchmark::kMillisecond);

void KritikStokSayısı(benchmark::State& durum) {
  auto& o = Ortam();
  static bool hazır = false;
  if (!hazır) {
    for (qint64 u = 1; u <= 1000; u += 3)
      o.vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)",
                     {u, o.depolar.ilk + u % 10, 2000.0});
    hazır = true;
  }
  for (auto _ : durum) {
    auto k = o.vt->KayıtKümesiAç(
        "SELECT Count (DepoAdi) As KritikStokSayisi FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0");
    benchmark::DoNotOptimize(k.Tamsayı("KritikStokSayisi"));
  }
}
BENCHMARK(KritikStokSayısı)->Unit(benchmark::kMillisecond);

// The yardstick: the same two tables summed by product, nothing else.
void DüzToplam(Veritabanı& vt) {
  auto g = vt.KayıtKümesiAç("SELECT UrunNo, Sum(GirisMiktari) AS Toplam FROM GirisIslemleriTablosu GROUP BY UrunNo");
  auto c = vt.KayıtKümesiAç("SELECT UrunNo, Sum(CikisMiktari) AS Toplam FROM CikisIslemleriTablosu GROUP BY UrunNo");
  benchmark::DoNotOptimize(g.KayıtSayısı() + c.KayıtSayısı());
}

void MilyonHareketteDüzToplam(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("duz"), true);
  for (auto _ : durum) DüzToplam(*vt);
}
BENCHMARK(MilyonHareketteDüzToplam)->Unit(benchmark::kMillisecond);

void MilyonHareketteMevcutStok(benchmark::State& durum) {
  const bool tazele = durum.range(0) != 0;
  durum.SetLabel(tazele ? "bağlanınca tazelenmiş" : "istatistiksiz");
  auto vt = Milyon().Kopya(tazele ? QStringLiteral("tazelenmis") : QStringLiteral("istatistiksiz"), tazele);
  MevcutStok(durum, *vt, Milyon().depolar);
}
BENCHMARK(MilyonHareketteMevcutStok)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What connecting costs on such a file.
void MilyonHareketteİstatistikTazeleme(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("tazeleme"), false);
  for (auto _ : durum) vt->İstatistikleriTazele();
}
BENCHMARK(MilyonHareketteİstatistikTazeleme)->Unit(benchmark::kMillisecond);

// The entry voucher on that file: the stock of one product in one warehouse as the product
// click reads it, and a 50-line entry list committed in one transaction.
void MilyonHareketteBirÜrününBirDepodakiStoğu(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("fis-stok"), true);
  const DepoAralığı depolar = Milyon().depolar;
  qint64 ürün = 1;
  for (auto _ : durum) {
    benchmark::DoNotOptimize(FişVerileri::MevcutStok(*vt, ürün, depolar.ilk + ürün % 10));
    ürün = ürün % 5000 + 1;
  }
}
BENCHMARK(MilyonHareketteBirÜrününBirDepodakiStoğu)->Unit(benchmark::kMicrosecond);

// Arg 0: the same file without the balance's triggers, to compare.
std::unique_ptr<Veritabanı> TetikleyiciliKopya(benchmark::State& durum, const QString& ad) {
  const bool tetikleyicili = durum.range(0) != 0;
  durum.SetLabel(tetikleyicili ? "bakiyeli" : "tetikleyicisiz");
  auto vt = Milyon().Kopya(ad + QString::number(durum.range(0)), true);
  if (!tetikleyicili)
    for (const char* const* t = StokBakiyesi::Tetikleyiciler(); *t; ++t)
      vt->Çalıştır(QStringLiteral("DROP TRIGGER %1").arg(QLatin1String(*t)));
  return vt;
}

void MilyonHareketteElliSatırlıkGirişFişi(benchmark::State& durum) {
  auto vt = TetikleyiciliKopya(durum, QStringLiteral("fis-aktar"));
  const DepoAralığı depolar = Milyon().depolar;
  vt->Çalıştır("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES ('SATICI')");
  const qint64 satıcı = vt->SonEklenenNo();
  QRandomGenerator üreteç(7);
  std::vector<FişVerileri::GirişSatırı> satırlar;
  for (int i = 0; i < 50; ++i)
    satırlar.push_back({satıcı, 1 + üreteç.bounded(5000), depolar.ilk + üreteç.bounded(10), 1, 1, QDate(2026, 12, 7),
                        100 + i});
  for (auto _ : durum) FişVerileri::GirişleriYaz(*vt, satırlar);
  durum.SetItemsProcessed(durum.iterations() * static_cast<int64_t>(satırlar.size()));
}
BENCHMARK(MilyonHareketteElliSatırlıkGirişFişi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void MilyonHareketteElliSatırlıkÇıkışFişi(benchmark::State& durum) {
  auto vt = TetikleyiciliKopya(durum, QStringLiteral("cikis-aktar"));
  const DepoAralığı depolar = Milyon().depolar;
  vt->Çalıştır("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES ('ALICI')");
  const qint64 alıcı = vt->SonEklenenNo();
  QRandomGenerator üreteç(7);
  std::vector<FişVerileri::ÇıkışSatırı> satırlar;
  // A hundredth each: every warehouse of the file holds that many times over.
  for (int i = 0; i < 50; ++i)
    satırlar.push_back({alıcı, 1 + üreteç.bounded(5000), depolar.ilk + üreteç.bounded(10), 1, i % 7,
                        QDate(2026, 12, 7), 1, std::nullopt});
  for (auto _ : durum) FişVerileri::ÇıkışlarıYaz(*vt, satırlar);
  durum.SetItemsProcessed(durum.iterations() * static_cast<int64_t>(satırlar.size()));
}
BENCHMARK(MilyonHareketteElliSatırlıkÇıkışFişi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The program's connection is the copy for as long as a case runs.
struct ProgramınBağlantısı {
  explicit ProgramınBağlantısı(std::unique_ptr<Veritabanı> vt) { Ortak::Veritabanı = std::move(vt); }
  ~ProgramınBağlantısı() {
    FormuYokEt<KritikStokListesiFormu>();
    FormuYokEt<GirişÇıkışYapanlaraGöreStokHareketleriFormu>();
    FormuYokEt<GirişÇıkışİşlemleriListesiFormu>();
    Ortak::Veritabanı.reset();
  }
};

// F7 and the start-up warning: the count of critical levels met, then their rows.
// Arg 0: both statements as written, each reading the view; 1: the program's count, then the
// list form filled (offscreen) as job 33 fills it; 2: the list form filled alone.
void MilyonHareketteKritikStokSayısıVeListesi(benchmark::State& durum) {
  const int yol = static_cast<int>(durum.range(0));
  durum.SetLabel(yol == 0 ? "iki deyim" : yol == 1 ? "sayı ve liste formu" : "liste formu");
  ProgramınBağlantısı bağlantı(Milyon().Kopya(QStringLiteral("kritik%1").arg(yol), true));
  Veritabanı& vt = *Ortak::Veritabanı;
  auto& form = Form<KritikStokListesiFormu>();
  qint64 satır = 0;
  for (auto _ : durum) {
    if (yol == 0) {
      const qint64 sayı =
          vt.KayıtKümesiAç("SELECT Count (DepoAdi) As KritikStokSayisi FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0")
              .Tamsayı("KritikStokSayisi");
      auto k = vt.KayıtKümesiAç("SELECT * FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0");
      satır = k.KayıtSayısı();
      benchmark::DoNotOptimize(sayı);
    } else {
      if (yol == 1) benchmark::DoNotOptimize(::KritikStokSayısı());
      form.ListeOluştur();
      satır = form.KritikStokListesi->SatırSayısı();
    }
  }
  durum.counters["satır"] = static_cast<double>(satır);
}
BENCHMARK(MilyonHareketteKritikStokSayısıVeListesi)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The products of a warehouse, as the exit and transfer vouchers list them.
void MilyonHareketteDepodakiÜrünler(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("depodaki"), true);
  const DepoAralığı depolar = Milyon().depolar;
  qint64 depo = depolar.ilk, satır = 0;
  for (auto _ : durum) {
    satır = OrtakYordamlarModülü::DepodakiÜrünler(*vt, depo).KayıtSayısı();
    depo = depo == depolar.son ? depolar.ilk : depo + 1;
  }
  durum.counters["satır"] = static_cast<double>(satır);
}
BENCHMARK(MilyonHareketteDepodakiÜrünler)->Unit(benchmark::kMillisecond);

// "VmRSS" (resident now) or "VmHWM" (the most it was), in KiB.
qint64 BellekKB(const char* ne = "VmRSS:") {
  std::ifstream durum("/proc/self/status");
  std::string satır;
  while (std::getline(durum, satır))
    if (satır.rfind(ne, 0) == 0) return std::stoll(satır.substr(std::strlen(ne)));
  return 0;
}

// The entries of the busiest person with the person's totals, as the review lists them.
void MilyonHareketteEnÇokHareketliKişi(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("kisi"), true);
  const qint64 önce = BellekKB();
  qint64 satır = 0, enÇok = önce;
  for (auto _ : durum) {
    std::vector<HareketVerileri::KişiHareketi> hareketler;
    HareketVerileri::KişiHareketleri(*vt, 1, HareketVerileri::HareketTürü::Giriş,
                                     [&](const HareketVerileri::KişiHareketi& h) { hareketler.push_back(h); });
    benchmark::DoNotOptimize(HareketVerileri::KişiToplamları(*vt, 1));
    satır = static_cast<qint64>(hareketler.size());
    enÇok = std::max(enÇok, BellekKB());
  }
  durum.counters["satır"] = static_cast<double>(satır);
  durum.counters["ekMB"] = static_cast<double>(enÇok - önce) / 1024;
}
BENCHMARK(MilyonHareketteEnÇokHareketliKişi)->Unit(benchmark::kMillisecond);

// Connecting to a file made before the balance: it is built and filled once.
void MilyonHareketteBakiyeKurulumu(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("kurulum"), true);
  for (auto _ : durum) {
    durum.PauseTiming();
    vt->Çalıştır("DROP TABLE StokBakiyeleriTablosu");
    durum.ResumeTiming();
    StokBakiyesi::Ekle(*vt);
  }
}
BENCHMARK(MilyonHareketteBakiyeKurulumu)->Unit(benchmark::kMillisecond)->Iterations(3);

// The page cache of the connection (KiB) and memory mapping (MiB), over what a user does most
// on a large file: the critical list, a warehouse's products, the current stock and a person.
void MilyonHareketteÖnbellek(benchmark::State& durum) {
  const QString ad = QStringLiteral("onbellek-%1-%2").arg(durum.range(0)).arg(durum.range(1));
  auto vt = Milyon().Kopya(ad, true);
  vt->Çalıştır(QStringLiteral("PRAGMA cache_size=-%1").arg(durum.range(0)));
  vt->Çalıştır(QStringLiteral("PRAGMA mmap_size=%1").arg(durum.range(1) * 1024 * 1024));
  const DepoAralığı depolar = Milyon().depolar;
  const qint64 önce = BellekKB();
  for (auto _ : durum) {
    benchmark::DoNotOptimize(vt->KayıtKümesiAç("SELECT * FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0"));
    benchmark::DoNotOptimize(OrtakYordamlarModülü::DepodakiÜrünler(*vt, depolar.ilk + 3));
    benchmark::DoNotOptimize(
        vt->SorguAç("MevcutStokSorgusu", {depolar.ilk, depolar.son, QDate(2000, 1, 1), QDate(2100, 1, 1), 99}));
    benchmark::DoNotOptimize(
        vt->SorguAç("MevcutStokSorgusu", {depolar.ilk, depolar.son, QDate(2024, 3, 1), QDate(2100, 1, 1), 99}));
    qint64 n = 0;
    HareketVerileri::KişiHareketleri(*vt, 2, HareketVerileri::HareketTürü::Çıkış,
                                     [&](const HareketVerileri::KişiHareketi&) { ++n; });
    benchmark::DoNotOptimize(n);
  }
  durum.counters["ekMB"] = static_cast<double>(BellekKB() - önce) / 1024;
}
BENCHMARK(MilyonHareketteÖnbellek)
    ->Args({2000, 0})
    ->Args({8192, 0})
    ->Args({16384, 0})
    ->Args({65536, 0})
    ->Args({2000, 256})
    ->Args({16384, 256})
    ->Unit(benchmark::kMillisecond);

// Runs the yardstick beside the measured work in every iteration, outside the timing, and counts
// their ratio: a busy machine slows both alike.
template <class Ölçüt, class İş>
void Oranla(benchmark::State& durum, Ölçüt ölçüt, İş iş) {
  using Saat = std::chrono::steady_clock;
  Saat::duration ölçütSüresi{}, işSüresi{};
  for (auto _ : durum) {
    durum.PauseTiming();
    const auto ö = Saat::now();
    ölçüt();
    ölçütSüresi += Saat::now() - ö;
    durum.ResumeTiming();
    const auto i = Saat::now();
    iş();
    işSüresi += Saat::now() - i;
  }
  durum.counters["oran"] = static_cast<double>(işSüresi.count()) / static_cast<double>(ölçütSüresi.count());
}

// A list form on the million-movement file, shown as the user sees it; gone with the case.
template <class F>
struct AçıkListe {
  F& f;
  explicit AçıkListe(const QString& ad) : f((Platform::VarsayılanlarıKur(),
                                             Ortak::Veritabanı = Milyon().Kopya(ad, true), Form<F>())) {
    f.show();
  }
  ~AçıkListe() {
    f.done(0);
    FormuYokEt<F>();
    Ortak::Veritabanı.reset();
  }
};

// The current stock list of every warehouse and all dates, from its list button (the progress form
// and the first and last dates included) to the filled list; the yardstick is the plain sum above,
// run beside it.
void MilyonHareketteStokListesi(benchmark::State& durum) {
  AçıkListe<StokListesiFormu> a(QStringLiteral("stoklistesi"));
  const qint64 önce = BellekKB();
  Oranla(durum, [&] { DüzToplam(*Ortak::Veritabanı); }, [&] { a.f.ListeleDüğmesi_Click(); });
  durum.counters["satır"] = a.f.Liste->SatırSayısı();
  durum.counters["ekMB"] = static_cast<double>(BellekKB() - önce) / 1024;
  durum.counters["MB"] = static_cast<double>(BellekKB()) / 1024;
}
BENCHMARK(MilyonHareketteStokListesi)->Unit(benchmark::kMillisecond);

// A month of the file: some 16,700 entries and as many exits.
const ListeVerileri::Dönem BirAy{QDate(2025, 3, 1), QDate(2025, 3, 31)};

// The rows of the exit reason list and of the company lists (0 exit reasons, 1 suppliers,
// 2 customers) for every warehouse and choice over a month, against the same rows summed by the
// same groups through the date index, with no names and no order.
void MilyonHareketteBirAylıkListe(benchmark::State& durum) {
  const int tür = static_cast<int>(durum.range(0));
  const char* const adlar[] = {"çıkış nedeni", "satıcı firmalar", "alıcı firmalar"};
  durum.SetLabel(adlar[tür]);
  auto vt = Milyon().Kopya(QStringLiteral("biray%1").arg(tür), true);
  const ListeVerileri::Süzgeç s{std::nullopt, std::nullopt, BirAy};
  const QString ölçüt =
      tür == 1 ? QStringLiteral("SELECT SaticiFirmaNo, UrunNo, DepoNo, Sum(GirisMiktari) AS Toplam "
                                "FROM GirisIslemleriTablosu WHERE IslemTarihi BETWEEN ? AND ? AND GirisNedeni < 99 "
                                "GROUP BY SaticiFirmaNo, UrunNo, DepoNo")
               : QStringLiteral("SELECT AliciFirmaNo, UrunNo, DepoNo, Sum(CikisMiktari) AS Toplam "
                                "FROM CikisIslemleriTablosu WHERE IslemTarihi BETWEEN ? AND ? AND CikisNedeni < 99 "
                                "GROUP BY AliciFirmaNo, UrunNo, DepoNo");
  int satır = 0;
  Oranla(
      durum, [&] { benchmark::DoNotOptimize(vt->KayıtKümesiAç(ölçüt, {BirAy.ilk, BirAy.son}).KayıtSayısı()); },
      [&] {
        satır = tür == 0   ? ListeVerileri::ÇıkışNedeniListesi(*vt, s).SatırSayısı()
                : tür == 1 ? ListeVerileri::FirmaStokListesi(*vt, QStringLiteral("Satici"), s).SatırSayısı()
                           : ListeVerileri::FirmaStokListesi(*vt, QStringLiteral("Alici"), s).SatırSayısı();
      });
  durum.counters["satır"] = static_cast<double>(satır);
}
BENCHMARK(MilyonHareketteBirAylıkListe)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Five hundred suppliers and customers, each movement's company by its number: nearly every
// movement is then a group of its own in the company and exit reason lists.
void FirmalarıDağıt(Veritabanı& vt) {
  Veritabanı::İşlem işlem(vt);
  for (int f = 1; f <= 500; ++f)
    for (const char* tablo : {"SaticiFirmaBilgileriTablosu", "AliciFirmaBilgileriTablosu"})
      vt.Çalıştır(QStringLiteral("INSERT INTO %1 (FirmaAdi) VALUES (?)").arg(QLatin1String(tablo)),
                  {QStringLiteral("FİRMA %1").arg(f)});
  vt.Çalıştır("UPDATE GirisIslemleriTablosu SET SaticiFirmaNo = 1 + IslemNo % 500");
  vt.Çalıştır("UPDATE CikisIslemleriTablosu SET AliciFirmaNo = 1 + IslemNo % 500");
  işlem.Onayla();
  vt.İstatistikleriTazele();
}

// The same lists over all dates, with the entry operations beside them (0 exit reasons, 1 suppliers,
// 2 customers, 3 entries), on the file as it is (one company: some 50,000 groups) and with its
// movements spread over 500 companies (1): the engine weighs each group's row of the first three,
// the program each entry.
void MilyonHareketteTümTarihlerListesi(benchmark::State& durum) {
  const int tür = static_cast<int>(durum.range(0));
  const bool dağıtık = durum.range(1) != 0;
  const char* const adlar[] = {"çıkış nedeni", "satıcı firmalar", "alıcı firmalar", "giriş işlemleri"};
  durum.SetLabel(std::string(adlar[tür]) + (dağıtık ? ", 500 firma" : ", 1 firma"));
  auto vt = Milyon().Kopya(QStringLiteral("tumtarih%1-%2").arg(tür).arg(dağıtık), true);
  if (dağıtık) FirmalarıDağıt(*vt);
  using ListeVerileri::Kaynak;
  const Kaynak kaynak = tür == 0 || tür == 2 ? Kaynak::Çıkış : Kaynak::Giriş;
  const ListeVerileri::Süzgeç s{std::nullopt, std::nullopt, *ListeVerileri::TümDönem(*vt, kaynak)};
  int satır = 0;
  Oranla(
      durum, [&] { DüzToplam(*vt); },
      [&] {
        satır = tür == 0   ? ListeVerileri::ÇıkışNedeniListesi(*vt, s).SatırSayısı()
                : tür == 3 ? ListeVerileri::İşlemListesi(*vt, QStringLiteral("Giris"), s).SatırSayısı()
                           : ListeVerileri::FirmaStokListesi(*vt, tür == 1 ? QStringLiteral("Satici")
                                                                            : QStringLiteral("Alici"), s)
                                 .SatırSayısı();
      });
  durum.counters["satır"] = static_cast<double>(satır);
}
BENCHMARK(MilyonHareketteTümTarihlerListesi)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The exit reason query alone over all dates, movements spread over 500 companies: as this
// program runs it (each row's weight from AGIRLIK) against the text the file keeps (the weight in
// the engine's arithmetic), run beside it in every iteration; "oran" is the program's time over the
// file's.
void MilyonHareketteÇıkışNedeniSorgusununAğırlığı(benchmark::State& durum) {
  auto vt = Milyon().Kopya(QStringLiteral("neden-agirlik"), true);
  FirmalarıDağıt(*vt);
  const ListeVerileri::Dönem d = *ListeVerileri::TümDönem(*vt, ListeVerileri::Kaynak::Çıkış);
  qint64 satır = 0;
  const auto oku = [&](const QString& metin) {
    satır = 0;
    vt->SatırSatırOku(metin, {0, 98, d.ilk, d.son}, [&](const OkunanSatır&) { ++satır; });
  };
  const QString ad = QStringLiteral("CikisNedeniSorgusu");
  Oranla(
      durum, [&] { oku(VeritabanıOluşturucu::SorguMetni(ad)); }, [&] { oku(vt->SorguMetni(ad)); });
  durum.counters["satır"] = static_cast<double>(satır);
}
BENCHMARK(MilyonHareketteÇıkışNedeniSorgusununAğırlığı)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same from the list button of the exit reason list, for a month: rows read, written and shown.
void MilyonHareketteBirAylıkÇıkışNedeniListesi(benchmark::State& durum) {
  AçıkListe<ÇıkışNedenineGöreStokListesiFormu> a(QStringLiteral("biraylik-neden"));
  a.f.TümTarihlerOnayı->setChecked(false);
  a.f.TümTarihlerOnayı_Click();
  a.f.İlkTarihKutusu->DeğerAyarla(BirAy.ilk);
  a.f.SonTarihKutusu->DeğerAyarla(BirAy.son);
  const QString ölçüt = QStringLiteral(
      "SELECT AliciFirmaNo, UrunNo, DepoNo, Sum(CikisMiktari) AS Toplam FROM CikisIslemleriTablosu "
      "WHERE IslemTarihi BETWEEN ? AND ? AND CikisNedeni < 99 GROUP BY AliciFirmaNo, UrunNo, DepoNo");
  Oranla(
      durum,
      [&] {
        benchmark::DoNotOptimize(Ortak::Veritabanı->KayıtKümesiAç(ölçüt, {BirAy.ilk, BirAy.son}).KayıtSayısı());
      },
      [&] { a.f.ListeleDüğmesi_Click(); });
  durum.counters["satır"] = a.f.Liste->SatırSayısı();
}
BENCHMARK(MilyonHareketteBirAylıkÇıkışNedeniListesi)->Unit(benchmark::kMillisecond);

// A shown list view of the current stock list's columns emptied and filled with 5,000 rows of
// texts, laid out and painted.
void BeşBinSatırlıkListeDoldurma(benchmark::State& durum) {
  ListeGörünümü liste;
  for (int k = 0; k < 8; ++k)
    liste.SütunEkle(QStringLiteral("Sütun %1").arg(k), 1150, k < 2 ? ListeGörünümü::Hiza::Sol : ListeGörünümü::Hiza::Sağ);
  liste.resize(900, 500);
  liste.show();
  std::vector<QStringList> satırlar;
  for (int i = 0; i < 5000; ++i) {
    QStringList hücreler{QStringLiteral("U%1").arg(i), QStringLiteral("ÜRÜN %1").arg(i)};
    for (int k = 2; k < 8; ++k) hücreler << TürkçeMetin::MiktarMetni(i * 1234 + k);
    satırlar.push_back(std::move(hücreler));
  }
  for (auto _ : durum) {
    liste.Temizle();
    liste.SatırlarıEkle(satırlar);
    QApplication::processEvents();
  }
  durum.counters["satır"] = liste.SatırSayısı();
}
BENCHMARK(BeşBinSatırlıkListeDoldurma)->Unit(benchmark::kMillisecond);

// The built current stock list (5,000 rows) printed as its print button does once the printer is
// chosen: on the recording canvas (0) and into a PDF file (1).
void MilyonHareketteStokListesiBaskısı(benchmark::State& durum) {
  const bool pdf = durum.range(0) != 0;
  durum.SetLabel(pdf ? "PDF" : "kayıt");
  AçıkListe<StokListesiFormu> a(QStringLiteral("baski%1").arg(pdf));
  a.f.ListeleDüğmesi_Click();
  QTemporaryDir klasör;
  int sayfa = 0;
  for (auto _ : durum) {
    std::unique_ptr<RaporTuvali> t;
    if (pdf)
      t = YazıcıTuvali::PdfDosyasına(klasör.filePath(QStringLiteral("liste.pdf")), a.f.windowTitle());
    else
      t = std::make_unique<KayıtTuvali>();
    t->YazıTipiAdı(Ortak::YazıcıYazıTipi);
    Ortak::SayfaYüksekliği = static_cast<int>(t->SayfaYüksekliği());
    Ortak::SayfaGenişliği = static_cast<int>(t->SayfaGenişliği());
    ListeRaporu::ListeBaskıDüzeni(*t, *a.f.Liste, {a.f.windowTitle(), a.f.ToplamAğırlıkKutusu->text(), {}});
    t->BelgeyiBitir();
    sayfa = t->SayfaNo();
  }
  durum.counters["satır"] = a.f.Liste->SatırSayısı();
  durum.counters["sayfa"] = sayfa;
}
BENCHMARK(MilyonHareketteStokListesiBaskısı)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Resident memory with the largest lists of the file open, each built from its button: the current
// stock list (5,000 rows), the exits of every reason and warehouse over all dates (some 50,000
// rows) and the entry operations of all dates (500,000 rows).
void MilyonHareketteEnBüyükListeninBelleği(benchmark::State& durum) {
  const int tür = static_cast<int>(durum.range(0));
  const char* const adlar[] = {"stok listesi", "çıkış nedeni, tüm tarihler", "giriş işlemleri, tüm tarihler"};
  durum.SetLabel(adlar[tür]);
  const QString ad = QStringLiteral("bellek%1").arg(tür);
  int satır = 0;
  const auto ölç = [&](ListeFormu& f) {
    for (auto _ : durum) f.ListeleDüğmesi_Click();
    satır = f.Liste->SatırSayısı();
  };
  if (tür == 0) {
    AçıkListe<StokListesiFormu> a(ad);
    ölç(a.f);
  } else if (tür == 1) {
    AçıkListe<ÇıkışNedenineGöreStokListesiFormu> a(ad);
    ölç(a.f);
  } else {
    AçıkListe<GirişÇıkışİşlemleriListesiFormu> a(ad);
    ölç(a.f);
  }
  durum.counters["satır"] = satır;
  durum.counters["MB"] = static_cast<double>(BellekKB()) / 1024;
}
BENCHMARK(MilyonHareketteEnBüyükListeninBelleği)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

// The entry operations of all dates (some 440,000 rows) as the user meets them: built from the list
// button (0) against the plain read of the same rows from the statement, and two header clicks,
// the date and then the quantity (1).
void MilyonHareketteİşlemListesi(benchmark::State& durum) {
  const bool tıklama = durum.range(0) != 0;
  durum.SetLabel(tıklama ? "iki başlık tıklaması" : "listele düğmesi");
  AçıkListe<GirişÇıkışİşlemleriListesiFormu> a(QStringLiteral("islemlistesi%1").arg(durum.range(0)));
  const QByteArray sql =
      "SELECT h.IslemTarihi, f.FirmaAdi, u.UrunKodu, u.UrunAdi, d.DepoAdi, h.GirisNedeni AS Neden, "
      "h.GirisMiktari AS Miktar, ROUND(h.GirisMiktari * COALESCE(u.BirimAgirligi, 0), 2) AS Agirlik "
      "FROM ((GirisIslemleriTablosu h LEFT JOIN UrunBilgileriTablosu u ON h.UrunNo = u.UrunNo) "
      "LEFT JOIN DepoBilgileriTablosu d ON h.DepoNo = d.DepoNo) "
      "LEFT JOIN SaticiFirmaBilgileriTablosu f ON h.SaticiFirmaNo = f.FirmaNo "
      "WHERE h.GirisNedeni < 99 AND h.IslemTarihi BETWEEN '2000-01-01' AND '2100-01-01' "
      "ORDER BY h.IslemTarihi, h.IslemNo";
  const auto düzOkuma = [&] {
    sqlite3_stmt* d = nullptr;
    sqlite3_prepare_v2(Ortak::Veritabanı->Tutamaç(), sql.constData(), -1, &d, nullptr);
    qint64 bayt = 0;
    while (sqlite3_step(d) == SQLITE_ROW)
      for (int k = 0; k < 8; ++k) {
        benchmark::DoNotOptimize(sqlite3_column_text(d, k));
        bayt += sqlite3_column_bytes(d, k);
      }
    sqlite3_finalize(d);
    benchmark::DoNotOptimize(bayt);
  };
  if (!tıklama) {
    Oranla(durum, düzOkuma, [&] { a.f.ListeleDüğmesi_Click(); });
  } else {
    for (auto _ : durum) {
      durum.PauseTiming();
      Ortak::SıralamaSütunu = Ortak::SıralamaYönü = 0;
      a.f.ListeleDüğmesi_Click();
      durum.ResumeTiming();
      a.f.Liste_ColumnClick(1);
      a.f.Liste_ColumnClick(7);
      QApplication::processEvents();
    }
  }
  durum.counters["satır"] = a.f.Liste->SatırSayısı();
}
BENCHMARK(MilyonHareketteİşlemListesi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// The entry operations of all dates shown, built from its button and sorted twice, as a user looks
// through it: by date, then by quantity.
GirişÇıkışİşlemleriListesiFormu& İşlemListesiniAç() {
  auto& işlemler = Form<GirişÇıkışİşlemleriListesiFormu>();
  işlemler.show();
  işlemler.ListeleDüğmesi_Click();
  QApplication::processEvents();
  işlemler.Liste_ColumnClick(1);
  işlemler.Liste_ColumnClick(7);
  QApplication::processEvents();
  return işlemler;
}

// The program's memory on the million-movement file with its largest lists open: a process of
// its own (this program again, with "--bellek"), so that building the file does not count.
// It shows the busiest person's entries in the person review, the critical list and the entry
// operations of all dates (the longest list) beside it, sorted by two of its columns.
int BellekÖlçümü(const QString& dosya) {
  ProgramınBağlantısı bağlantı(Veritabanı::Aç(dosya));
  const qint64 başta = BellekKB();
  auto& kişiler = Form<GirişÇıkışYapanlaraGöreStokHareketleriFormu>();
  kişiler.show();
  QListWidget& seçim = *kişiler.GirişÇıkışYapanlarListesi;
  for (int i = 0; i < seçim.count(); ++i)
    if (seçim.item(i)->data(Qt::UserRole).toLongLong() == 1) seçim.setCurrentRow(i);
  QApplication::processEvents();
  const int kişiSatırı = kişiler.StokHareketleriListesi->SatırSayısı();
  auto& kritik = Form<KritikStokListesiFormu>();
  if (::KritikStokSayısı() > 0) kritik.ListeOluştur();
  kritik.show();
  QApplication::processEvents();
  const qint64 ikiListe = BellekKB();
  auto& işlemler = İşlemListesiniAç();
  std::cout << başta << ' ' << ikiListe << ' ' << BellekKB() << ' ' << BellekKB("VmHWM:") << ' ' << kişiSatırı << ' '
            << kritik.KritikStokListesi->SatırSayısı() << ' ' << işlemler.Liste->SatırSayısı() << std::endl;
  return 0;
}

// The million-movement file with its persons, made once for the memory measures.
const QString& BellekDosyası() {
  static const QString dosya = [] {
    auto vt = Milyon().Kopya(QStringLiteral("bellek"), true);
    for (int k = 1; k <= KişiSayısı; ++k)
      vt->Çalıştır("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)",
                   {QStringLiteral("KİŞİ %1").arg(k)});
    return vt->Yol();
  }();
  return dosya;
}

// This program again as a child with `kip` on the file; the figures it prints.
std::vector<qint64> AltSüreç(benchmark::State& durum, const char* kip, size_t kaç) {
  std::vector<qint64> değerler(kaç);
  for (auto _ : durum) {
    QProcess süreç;
    süreç.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    süreç.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kip), BellekDosyası()});
    süreç.waitForFinished(-1);
    std::istringstream çıktı(süreç.readAllStandardOutput().toStdString());
    for (qint64& d : değerler) çıktı >> d;
  }
  return değerler;
}

void MilyonHareketteBellek(benchmark::State& durum) {
  const std::vector<qint64> değerler = AltSüreç(durum, "--bellek", 7);
  durum.counters["başta_MB"] = static_cast<double>(değerler[0]) / 1024;
  durum.counters["kişi_kritik_MB"] = static_cast<double>(değerler[1]) / 1024;
  durum.counters["RSS_MB"] = static_cast<double>(değerler[2]) / 1024;
  durum.counters["tepe_MB"] = static_cast<double>(değerler[3]) / 1024;
  durum.counters["kişi_satırı"] = static_cast<double>(değerler[4]);
  durum.counters["kritik_satırı"] = static_cast<double>(değerler[5]);
  durum.counters["işlem_satırı"] = static_cast<double>(değerler[6]);
}
BENCHMARK(MilyonHareketteBellek)->Unit(benchmark::kMillisecond)->Iterations(1);

// The entry operations of all dates alone in a process (this program again, with "--bellek-islem"):
// resident memory at start, with the list built and sorted by date and by quantity, and at its most.
int İşlemListesiBelleği(const QString& dosya) {
  ProgramınBağlantısı bağlantı(Veritabanı::Aç(dosya));
  const qint64 başta = BellekKB();
  auto& işlemler = İşlemListesiniAç();
  std::cout << başta << ' ' << BellekKB() << ' ' << BellekKB("VmHWM:") << ' ' << işlemler.Liste->SatırSayısı()
            << std::endl;
  return 0;
}

void MilyonHareketteİşlemListesiBelleği(benchmark::State& durum) {
  const std::vector<qint64> d = AltSüreç(durum, "--bellek-islem", 4);
  durum.counters["başta_MB"] = static_cast<double>(d[0]) / 1024;
  durum.counters["RSS_MB"] = static_cast<double>(d[1]) / 1024;
  durum.counters["tepe_MB"] = static_cast<double>(d[2]) / 1024;
  durum.counters["satır"] = static_cast<double>(d[3]);
}
BENCHMARK(MilyonHareketteİşlemListesiBelleği)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  // The forms are measured on screen but need none.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication uygulama(argc, argv);
  // The forms' layouts and settings go to a folder of this run; a message is printed, never shown.
  QTemporaryDir ayarlar;
  Ayarlar::KlasöreYönlendir(ayarlar.path());
  Platform::VarsayılanlarıKur();
  Platform::MesajGöster = [](QWidget*, const QString& metin, int, const QString&) {
    std::cerr << metin.toStdString() << std::endl;
    return Platform::Cevap::Tamam;
  };
  if (argc == 3 && std::strcmp(argv[1], "--bellek") == 0) return BellekÖlçümü(QString::fromLocal8Bit(argv[2]));
  if (argc == 3 && std::strcmp(argv[1], "--bellek-islem") == 0)
    return İşlemListesiBelleği(QString::fromLocal8Bit(argv[2]));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
