#include "ExcelAktarmaDuzeni.h"

#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "SutunluListe.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"

#include <QScopeGuard>
#include <QUrl>

#include <optional>

namespace ExcelAktarmaDüzeni {

using namespace OrtakYordamlarModülü;

void DüğmeTıklandı(QWidget* form, const SütunluListe& liste, int işKodu) {
  if (liste.SatırSayısı() == 0) return;
  if (!Platform::TabloProgramıVar()) {
    MesajKutusu(ExcelYokMetni, Stil::Bilgi);
    return;
  }
  Form<İlerlemeGösterFormu>().İşiÇalıştır(işKodu, İş::ExcelBaşlık, İş::ExcelMetin, form, true);
}

void MSExceleAktar(const SütunluListe& liste, const Tanım& tanım) {
  İlerlemeGösterFormu& ilerleme = Form<İlerlemeGösterFormu>();
  const auto kaldır = qScopeGuard([&] {
    Ortak::ExcelUygulaması = nullptr;
    ilerleme.Kaldır();
  });
  const int n = liste.SatırSayısı();
  ilerleme.EnBüyükYaz(n);

  ExcelKitabı::Tanım kitapTanımı{tanım.sayfaAdı, tanım.başlık, {}, Ortak::YazıcıVar};
  for (const Sütun& s : tanım.sütunlar)
    kitapTanımı.sütunlar.push_back({liste.SütunBaşlığı(s.altÖğe + 1), liste.BütünSütunGenişliği(s.altÖğe + 1) / 100.0, s.tür});

  std::optional<ExcelKitabı> kitap;
  QString yol;
  try {
    kitap.emplace(kitapTanımı);
    // The error routine drops the unfinished workbook before it asks.
    Ortak::ExcelUygulaması = [&kitap] { kitap->Vazgeç(); };
    QStringList hücreler;
    for (int satır = 1; satır <= n; ++satır) {
      ilerleme.DeğerYaz(satır);
      hücreler.clear();
      for (const Sütun& s : tanım.sütunlar) hücreler << liste.AltÖğe(satır, s.altÖğe);
      kitap->SatırEkle(hücreler);
    }
    yol = kitap->Bitir();
  } catch (const ExcelKitabı::Hata& h) {
    HataİşleYordamı(h.Numara(), h.Açıklama());
    return;
  } catch (const std::bad_alloc&) {
    HataİşleYordamı(7, QStringLiteral("Yetersiz bellek"));
    return;
  }
  Ortak::ExcelUygulaması = nullptr;
  if (!Platform::DosyaAç(QUrl::fromLocalFile(yol)))
    MesajKutusu(QStringLiteral("Aktarılan liste açılamadı:\n%1").arg(yol), Stil::Uyarı);
}

}  // namespace ExcelAktarmaDüzeni
