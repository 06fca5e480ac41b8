#include "YazdirmaModulu.h"

#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "YaziciSecmeFormu.h"

#include <QApplication>
#include <QPushButton>

#include <cmath>
#include <memory>
#include <optional>

using namespace OrtakYordamlarModülü;

namespace YazdırmaModülü {

int TamMilimetre(double mm) { return static_cast<int>(std::nearbyint(mm)); }

void SayfaBaşlığı(RaporTuvali& t, const QString& başlık) {
  t.Y = 5;
  t.X = 10;
  t.Yaz(başlık);
  const QString sayfa = QStringLiteral("Sayfa - %1").arg(t.SayfaNo());
  t.SağaYaslıYaz(Ortak::SayfaGenişliği - 10, sayfa, true);
  t.Çizgi(10, 10, Ortak::SayfaGenişliği - 10, 10);
}

bool Yazdır(QWidget* sahip, QPushButton* düğme, const QString& başlık, const std::function<void(RaporTuvali&)>& çiz) {
  if (!Ortak::YazıcıVar) {
    MesajKutusu(YazıcıYokMesajı, Stil::Uyarı);
    return false;
  }
  Ortak::YazdırmaİptalEdildi = false;
  YazıcıSeçmeFormu& seçim = Form<YazıcıSeçmeFormu>();
  if (sahip && seçim.parentWidget() != sahip) seçim.setParent(sahip, seçim.windowFlags());
  seçim.exec();
  if (Ortak::YazdırmaİptalEdildi) {
    Ortak::YazdırmaİptalEdildi = false;
    return false;
  }

  if (düğme) düğme->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<YazıcıHatası> hata;
  std::shared_ptr<RaporTuvali> tuval;
  try {
    const QString yazıcı = Ortak::GeçerliYazıcı.isEmpty() ? Platform::VarsayılanYazıcı() : Ortak::GeçerliYazıcı;
    tuval = Platform::TuvalAç(yazıcı, başlık);
    tuval->YazıTipiAdı(Ortak::YazıcıYazıTipi);
    Ortak::SayfaYüksekliği = TamMilimetre(tuval->SayfaYüksekliği());
    Ortak::SayfaGenişliği = TamMilimetre(tuval->SayfaGenişliği());
    Ortak::ÜstBoşluk = 15;
    Ortak::AltBoşluk = 15;
    çiz(*tuval);
    tuval->BelgeyiBitir();
  } catch (const YazıcıHatası& h) {
    hata = h;
  } catch (const std::bad_alloc&) {
    hata = YazıcıHatası{7, QStringLiteral("Yetersiz bellek")};
  }
  // What was printed before the failure still goes out: a started document is never dropped.
  if (hata && tuval && !tuval->Bitti()) {
    try {
      tuval->BelgeyiBitir();
    } catch (const YazıcıHatası&) {
      // Already told below.
    }
  }
  tuval.reset();
  if (düğme) düğme->setEnabled(true);
  QApplication::restoreOverrideCursor();
  if (hata) HataİşleYordamı(hata->numara, hata->açıklama);
  return !hata;
}

}  // namespace YazdırmaModülü
