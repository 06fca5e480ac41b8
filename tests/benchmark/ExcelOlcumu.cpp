// A 5,000-row list in the exit voucher's shape exported whole: list read, typed cells, progress
// bar per row, workbook written and given its name.

#include "ExcelAktarmaDuzeni.h"
#include "ListeGorunumu.h"
#include "Platform.h"

#include <QApplication>
#include <QFile>
#include <QUrl>

#include <benchmark/benchmark.h>

namespace {

void BeşBinSatırlıkListeAktarımı(benchmark::State& durum) {
  ListeGörünümü liste;
  const char* başlıklar[] = {"Firma No", "Ürün No", "Depo No", "Çıkışı Yapan", "Çıkış Nedeni", "Tarihi",
                             "Firması", "Ürün Kodu", "Ürün Adı", "Depo Adı", "Miktarı", "Miktar Ağırlığı"};
  for (const char* b : başlıklar) liste.SütunEkle(QString::fromUtf8(b), 1200);
  const int n = static_cast<int>(durum.range(0));
  for (int i = 1; i <= n; ++i) {
    liste.SatırEkle(QString::number(i));
    const QStringList hücreler{QString::number(i % 50), QString::number(i % 500), QString::number(i % 10),
                               QStringLiteral("3"), QString::number(i % 7),
                               QStringLiteral("%1.12.2026").arg(1 + i % 28, 2, 10, QChar(u'0')),
                               QStringLiteral("MÜŞTERİ %1").arg(i % 50), QStringLiteral("0%1").arg(i % 500),
                               QStringLiteral("ÜRÜN ADI %1").arg(i % 500), QStringLiteral("DEPO %1").arg(i % 10),
                               QStringLiteral("1.%1,50").arg(i % 1000, 3, 10, QChar(u'0')),
                               QStringLiteral("%1,25").arg(i)};
    for (int k = 1; k < hücreler.size(); ++k) liste.AltÖğeAyarla(i, k, hücreler[k]);
  }
  using Tür = ExcelKitabı::HücreTürü;
  const ExcelAktarmaDüzeni::Tanım tanım{QStringLiteral("Çıkış Fişi"), QStringLiteral("Depo/Stok Çıkış Fişi"),
                                       {{4}, {5, Tür::Tarih}, {6}, {7}, {8}, {9}, {10, Tür::Sayı}, {11, Tür::Sayı}}};
  Platform::DosyaAç = [](const QUrl& adres) { return QFile::remove(adres.toLocalFile()); };
  for (auto _ : durum) ExcelAktarmaDüzeni::MSExceleAktar(liste, tanım);
  durum.SetItemsProcessed(durum.iterations() * n);
}
BENCHMARK(BeşBinSatırlıkListeAktarımı)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication uygulama(argc, argv);
  Platform::VarsayılanlarıKur();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
