// Stock figures over a generated file of 1,000 products, 10 warehouses and 200,000 movements.

#include "Veritabani.h"
#include "VeritabaniOlusturucu.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct ÖlçümVeritabanı {
  QTemporaryDir klasör;
  std::unique_ptr<Veritabanı> vt;
  qint64 ilkDepo = 0, sonDepo = 0;

  ÖlçümVeritabanı() {
    const QString yol = VeritabanıOluşturucu::Oluştur(klasör.path());
    vt = Veritabanı::Aç(yol);
    QRandomGenerator üreteç(42);
    Veritabanı::İşlem işlem(*vt);
    for (int d = 0; d < 10; ++d) {
      vt->Çalıştır("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                   {QStringLiteral("D%1").arg(d), QStringLiteral("DEPO %1").arg(d)});
      if (d == 0) ilkDepo = vt->SonEklenenNo();
      sonDepo = vt->SonEklenenNo();
    }
    for (int u = 0; u < 1000; ++u)
      vt->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                   {QStringLiteral("U%1").arg(u), QStringLiteral("ÜRÜN %1").arg(u), 0.5});
    const QDate ilk(2024, 1, 1);
    for (int i = 0; i < 100000; ++i) {
      const qint64 ürün = 1 + üreteç.bounded(1000), depo = ilkDepo + üreteç.bounded(10);
      const int neden = i % 50 == 0 ? 99 : 1;
      vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, GirisNedeni, "
                   "IslemTarihi, GirisMiktari) VALUES (?, ?, 1, 1, ?, ?, ?)",
                   {ürün, depo, neden, ilk.addDays(i % 900), 1 + üreteç.bounded(10000) / 100.0});
      vt->Çalıştır("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, CikisNedeni, "
                   "IslemTarihi, CikisMiktari) VALUES (?, ?, 1, 1, ?, ?, ?)",
                   {ürün, depo, neden == 99 ? 99 : i % 7, ilk.addDays(i % 900), üreteç.bounded(500) / 100.0});
    }
    işlem.Onayla();
    vt->Çalıştır("ANALYZE");
  }
};

ÖlçümVeritabanı& Ortam() {
  static ÖlçümVeritabanı o;
  return o;
}

void BirÜrününBirDepodakiStoğu(benchmark::State& durum) {
  auto& o = Ortam();
  qint64 ürün = 1;
  for (auto _ : durum) {
    auto g = o.vt->KayıtKümesiAç("SELECT Sum(GirisMiktari) AS GirisToplami FROM GirisIslemleriTablosu "
                                 "WHERE UrunNo = ? AND DepoNo = ?",
                                 {ürün, o.ilkDepo + ürün % 10});
    auto c = o.vt->KayıtKümesiAç("SELECT Sum(CikisMiktari) AS CikisToplami FROM CikisIslemleriTablosu "
                                 "WHERE UrunNo = ? AND DepoNo = ?",
                                 {ürün, o.ilkDepo + ürün % 10});
    benchmark::DoNotOptimize(g.Miktar("GirisToplami") - c.Miktar("CikisToplami"));
    ürün = ürün % 1000 + 1;
  }
}
BENCHMARK(BirÜrününBirDepodakiStoğu)->Unit(benchmark::kMicrosecond);

void TümDepolarınMevcutStoğu(benchmark::State& durum) {
  auto& o = Ortam();
  for (auto _ : durum) {
    auto k = o.vt->SorguAç("MevcutStokSorgusu",
                           {o.ilkDepo, o.sonDepo, QDate(2000, 1, 1), QDate(2100, 1, 1), 99});
    benchmark::DoNotOptimize(k.KayıtSayısı());
  }
}
BENCHMARK(TümDepolarınMevcutStoğu)->Unit(benchmark::kMillisecond);

void KritikStokSayısı(benchmark::State& durum) {
  auto& o = Ortam();
  static bool hazır = false;
  if (!hazır) {
    for (qint64 u = 1; u <= 1000; u += 3)
      o.vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)",
                     {u, o.ilkDepo + u % 10, 2000.0});
    hazır = true;
  }
  for (auto _ : durum) {
    auto k = o.vt->KayıtKümesiAç(
        "SELECT Count (DepoAdi) As KritikStokSayisi FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0");
    benchmark::DoNotOptimize(k.Tamsayı("KritikStokSayisi"));
  }
}
BENCHMARK(KritikStokSayısı)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication uygulama(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
