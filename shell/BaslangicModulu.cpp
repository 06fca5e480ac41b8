#include "BaslangicModulu.h"

#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "KarsilamaFormu.h"
#include "KosuDosyalari.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Surum.h"
#include "TekKopya.h"
#include "VeritabaninaBaglanFormu.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace BaşlangıçModülü {

namespace {
const QString Win95Metni = QStringLiteral(
    "Programın çalışabilmesi için bilgisayarınızda Windows 95’in OSR2 sürümünün yüklü olması gerekiyor.");
const QString NTMetni = QStringLiteral(
    "Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis Pack 3\" veya daha yüksek bir sürümün "
    "yüklü olması gerekiyor.");

void AnaPencereyiÖneGetir() {
  if (!FormYüklü<AnaForm>()) return;
  AnaForm& ana = Form<AnaForm>();
  if (ana.isMinimized()) ana.showNormal();
  ana.show();
  ana.raise();
  ana.activateWindow();
}
}  // namespace

bool QtÇevirisiniYükle(QTranslator& çevirmen) {
  return çevirmen.load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
         QCoreApplication::installTranslator(&çevirmen);
}

QString SürümNumarası(int ana, int alt, int düzeltme) {
  return QStringLiteral("%1.%2%3").arg(ana).arg(alt).arg(düzeltme);
}

QString BaşlıkOluştur(int ana, int alt, int düzeltme) {
  return QStringLiteral("Belvaro - Velmora %1 (İstemci)").arg(SürümNumarası(ana, alt, düzeltme));
}

SürümSonucu SürümüDenetle(const Platform::SürümKaydı& k) {
  SürümSonucu s;
  if (k.platform == 1) {
    s.ntPlatformu = false;
    if (k.altSürüm == 0 && k.yapıNo < 0x04000457u) s.hata = Win95Metni;
  } else if (k.platform == 2) {
    s.ntPlatformu = true;
    if (k.anaSürüm == 3) {
      s.hata = NTMetni;
    } else if (k.anaSürüm == 4) {
      QString paket = k.hizmetPaketi;
      if (const int nul = paket.indexOf(QChar(0)); nul >= 0) paket.truncate(nul);
      const bool yeterli = !paket.isEmpty() && paket.back().isDigit() && paket.back().digitValue() >= 3;
      if (!yeterli) s.hata = NTMetni;
    }
  }
  return s;
}

void WindowsSürümünüDenetle() {
  const SürümSonucu s = SürümüDenetle(Platform::SürümOku());
  if (s.ntPlatformu) Ortak::NTPlatformu = *s.ntPlatformu;
  if (!s.hata.isEmpty()) {
    OrtakYordamlarModülü::MesajKutusu(s.hata, OrtakYordamlarModülü::Stil::Kritik);
    OrtakYordamlarModülü::ProgramıBitir(1);
  }
}

int Main() {
  Ortak::Başlık = BaşlıkOluştur(Sürüm::Ana, Sürüm::Alt, Sürüm::Düzeltme);

  TekKopya tekKopya(Ortak::Başlık);
  if (tekKopya.BaşkaKopyayıUyandır()) return 0;
  tekKopya.Dinle(AnaPencereyiÖneGetir);

  KarşılamaFormu& karşılama = Form<KarşılamaFormu>();
  karşılama.show();
  QApplication::processEvents();
  karşılama.Form_Activate();

  WindowsSürümünüDenetle();
  Ortak::AyarUygulamaAdı = QStringLiteral("Belvaro\\Velmora");
  Ortak::OdakRengi = QColor(10, 80, 220);

  AnaForm::KarşılamaFormunuKaldır = [] {
    if (FormVar<KarşılamaFormu>()) Form<KarşılamaFormu>().hide();
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  };
  Form<AnaForm>().Yükle();  // creation check, load, placement; closes the welcome form

  // Before connecting: the critical stock list the connection may open can already print.
  Ortak::YazıcıVar = !Platform::Yazıcılar().isEmpty();
  if (Ortak::YazıcıVar) {
    Ortak::YazıcıYazıTipi = QStringLiteral("Liberation Sans");
    Ortak::GeçerliYazıcı = Platform::VarsayılanYazıcı();
  }

  VeritabanınaBağlanFormu& bağlantı = Form<VeritabanınaBağlanFormu>();
  ModalGöster(bağlantı);
  // Giving up in the connection form unloads the main window: no process stays without a window.
  if (bağlantı.Vazgeçildi() || !FormYüklü<AnaForm>()) return 0;

  QTimer yoklama;
  QObject::connect(&yoklama, &QTimer::timeout, OrtakYordamlarModülü::BekleyenİşleriYokla);
  yoklama.start(KoşuDosyaları::Dönem);
  const int kod = QApplication::exec();
  // Closed while the settings and the application still stand: the connection removes its
  // settled tokens and the lines it could not let go before; the run's file, harmed from
  // outside meanwhile, stands whole for the next start.
  Ortak::Veritabanı.reset();
  if (!KoşuDosyaları::Bitir()) OrtakYordamlarModülü::İşNotuKayboldu(true);
  return kod;
}

}  // namespace BaşlangıçModülü
