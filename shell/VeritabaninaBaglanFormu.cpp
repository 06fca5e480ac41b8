#include "VeritabaninaBaglanFormu.h"

#include "AnaForm.h"
#include "Ayarlar.h"
#include "BaglantiSonrasi.h"
#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "Simgeler.h"
#include "SunucuDegistirFormu.h"
#include "Veritabani.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <new>

using namespace OrtakYordamlarModülü;

namespace {
const QString Bağlanılıyor = QStringLiteral("Veritabanına bağlanılıyor. Lütfen, bekleyiniz!");
const QString BağlantıTamam = QStringLiteral("   Veritabanı bağlantısı tamam!");
const QString BağlantıYok = QStringLiteral("   Veritabanı bağlantısı yapılamıyor!");

void DurumYaz(const QString& metin) {
  // Writing to an unloaded main window would bring it back.
  if (FormYüklü<AnaForm>()) Form<AnaForm>().DurumPaneliYaz(2, metin);
}
}  // namespace

QString VeritabanıDosyası(const QString& klasör) {
  if (klasör.isEmpty()) return {};
  const QString ad = QString::fromLatin1(Veritabanı::DosyaAdı);
  return klasör.endsWith(u'/') ? klasör + ad : klasör + u'/' + ad;
}

QString BağlantıHatasıMetni(int numara) {
  using namespace VeritabanıHataNo;
  switch (numara) {
    case AğHatası:
    case YolGeçersiz: return QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
    case ErişimYok: return QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    case DosyaAdıGeçersiz: return QStringLiteral("Dosya adı geçersiz. Lütfen, kontrol edip tekrar deneyiniz!");
    case DosyaYok: return QStringLiteral("Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!");
    default: return {};
  }
}

VeritabanınaBağlanFormu::VeritabanınaBağlanFormu() {
  // No close box and no system menu: the form is left through its buttons only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("Veritabanı Bağlantısı..."));

  SimgeKutusu = new QLabel(this);
  SimgeKutusu->setFixedSize(48, 48);
  SimgeKutusu->setAlignment(Qt::AlignCenter);
  Etiket = new QLabel(this);
  Etiket->setWordWrap(true);
  Etiket->setMinimumWidth(300);
  YenidenDeneDüğmesi = new QPushButton(QStringLiteral("Yeniden Dene"), this);
  YenidenDeneDüğmesi->setDefault(true);
  VazgeçDüğmesi = new QPushButton(QStringLiteral("Vazgeç"), this);
  VazgeçDüğmesi->setAutoDefault(false);
  // "Yeniden Dene" takes Enter, unless the focus is on "Vazgeç".
  OdaktakiDüğmeEnterAlır(*this);

  auto* üst = new QHBoxLayout;
  üst->addWidget(SimgeKutusu, 0, Qt::AlignTop);
  üst->addWidget(Etiket, 1);
  auto* düğmeler = new QHBoxLayout;
  düğmeler->addStretch();
  düğmeler->addWidget(YenidenDeneDüğmesi);
  düğmeler->addWidget(VazgeçDüğmesi);
  auto* yerleşim = new QVBoxLayout(this);
  yerleşim->addLayout(üst);
  yerleşim->addLayout(düğmeler);
  BaşlığaYerAç(*this);

  connect(YenidenDeneDüğmesi, &QPushButton::clicked, this, [this] { YenidenDeneDüğmesi_Click(); });
  connect(VazgeçDüğmesi, &QPushButton::clicked, this, [this] { VazgeçDüğmesi_Click(); });
}

void VeritabanınaBağlanFormu::showEvent(QShowEvent* olay) {
  QDialog::showEvent(olay);
  // The attempt runs once the form is up and its modal loop is running.
  if (!olay->spontaneous())
    QMetaObject::invokeMethod(this, [this] { if (isVisible()) Form_Activate(); }, Qt::QueuedConnection);
}

void VeritabanınaBağlanFormu::Form_Activate() { VeritabanınaBağlan(); }
void VeritabanınaBağlanFormu::YenidenDeneDüğmesi_Click() { VeritabanınaBağlan(); }

void VeritabanınaBağlanFormu::reject() { VazgeçDüğmesi_Click(); }

void VeritabanınaBağlanFormu::VazgeçDüğmesi_Click() {
  if (MesajKutusu(QStringLiteral("Veritabanına bağlanmadan programı kullanamazsınız!\n"
                                 "Şimdi, programdan çıkmak istiyor musunuz?"),
                  Stil::SoruEvetHayır) == Platform::Cevap::Evet)
    VazgeçVeKapat();
}

void VeritabanınaBağlanFormu::VazgeçVeKapat() {
  vazgeçildi_ = true;
  unsetCursor();
  QDialog::done(QDialog::Rejected);
  if (FormYüklü<AnaForm>()) Form<AnaForm>().Kaldır();
}

QString VeritabanınaBağlanFormu::AğaGözat(QWidget* sahip) {
  // The chooser opens at the current server folder: the open database's, else the last one tried.
  const QString başlangıç = Ortak::Veritabanı ? QFileInfo(Ortak::Veritabanı->Yol()).absolutePath() : SunucuYolu;
  QString yol;
  if (Platform::KlasörSeç)
    yol = Platform::KlasörSeç(sahip, QStringLiteral("Sunucu programın bulunduğu yeri seçiniz!"), başlangıç);
  KlasörKimliği = !yol.isEmpty();
  // The file name is joined with "/", so the folder keeps no trailing separator.
  return KlasörKimliği ? QDir::cleanPath(yol) : QString();
}

void VeritabanınaBağlanFormu::VeritabanınaBağlan() {
  vazgeçildi_ = false;
  SimgeKutusu->setPixmap(Resim(QStringLiteral("BAGLAN")));
  Etiket->setText(Bağlanılıyor);
  YenidenDeneDüğmesi->setEnabled(false);
  setCursor(Qt::WaitCursor);
  QCoreApplication::processEvents();
  if (vazgeçildi_) return;  // "Vazgeç" is live while connecting

  qint64 n = 0;
  try {
    SunucuDeğiştirFormu& sunucular = Form<SunucuDeğiştirFormu>();
    sunucular.Yükle();
    QListWidget* liste = sunucular.SunucuListesi;
    if (liste->count() > 0) {
      n = Ayarlar::SayıOku(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), 0);
      if (n < 0 || n >= liste->count()) n = 0;
      SunucuYolu = liste->item(static_cast<int>(n))->text();
    } else {
      if (MesajKutusu(QStringLiteral("Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?"),
                      Stil::SoruEvetHayır) != Platform::Cevap::Evet) {
        VazgeçVeKapat();
        return;
      }
      for (;;) {
        SunucuYolu = AğaGözat(this);
        if (!KlasörKimliği) {
          VazgeçVeKapat();
          return;
        }
        if (DosyaVarMı(VeritabanıDosyası(SunucuYolu))) break;
        MesajKutusu(QStringLiteral("Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\n"
                                   "Lütfen, farklı bir SUNUCU seçip yeniden deneyiniz."),
                    Stil::Uyarı);
      }
      // Saved with the index once the database has opened.
      sunucular.SunucuEkle(SunucuYolu);
    }

    std::unique_ptr<Veritabanı> yeni = Veritabanı::Aç(VeritabanıDosyası(SunucuYolu));
    QCoreApplication::processEvents();
    if (vazgeçildi_) return;  // the user quit while the file was opening
    Ortak::Veritabanı = std::move(yeni);
    Ortak::Veritabanı->İstatistikleriTazele();
    AyarKaydedilmediyseSöyle(sunucular.ListeyiKaydet(static_cast<int>(n)), QStringLiteral("Bağlanılan sunucu"));
  } catch (const VeritabanıHatası& h) {
    BağlantıHatası(h.Numara(), h.Açıklama());
    return;
  } catch (const std::bad_alloc&) {
    BağlantıHatası(7, QStringLiteral("Yetersiz bellek"));
    return;
  }

  DurumYaz(BağlantıTamam);
  unsetCursor();
  QDialog::done(QDialog::Accepted);

  // The connection stands: a failure from here on is an ordinary error and must not
  // cost the user the saved server folders.
  HataYakala([] {
    BekleyenİşiSonuçlandır();
    Ortak::GirişŞifresiSorulsun =
        Ayarlar::MantıksalOku(QStringLiteral("Ayarlar"), QStringLiteral("GirisSifresiSor"), false);
    if (Ortak::GirişŞifresiSorulsun)
      GirişŞifresiSor();
    else
      KritikStokUyarısınıGöster();
  });
}

void VeritabanınaBağlanFormu::BağlantıHatası(int numara, const QString& açıklama) {
  const QString metin = BağlantıHatasıMetni(numara);
  if (metin.isEmpty()) {
    Etiket->setText(QStringLiteral("Bir hata dolayısıyla veritabanına bağlanılamadı!"));
    HataİşleYordamı(numara, açıklama);
  } else {
    Etiket->setText(metin);
  }
  // Forget every saved folder, so that the next attempt asks for the folder again.
  if (Ayarlar::BölümVar(QStringLiteral("Sunucular"))) Ayarlar::BölümüSil(QStringLiteral("Sunucular"));
  Form<SunucuDeğiştirFormu>().SunucuListesi->clear();

  SimgeKutusu->setPixmap(Resim(QStringLiteral("BAGLANMA")));
  YenidenDeneDüğmesi->setEnabled(true);
  unsetCursor();
  DurumYaz(BağlantıYok);
}
