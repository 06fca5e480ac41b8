#include "SunucuDegistirFormu.h"

#include "AnaForm.h"
#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "ListeKutusu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Veritabani.h"
#include "VeritabaninaBaglanFormu.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace OrtakYordamlarModülü;

namespace {
const QString Bölüm = QStringLiteral("Sunucular");
QString Anahtar(int numara) { return QStringLiteral("Sunucu-%1").arg(numara); }
constexpr int EnÇokSunucu = 4;
// Folders are told apart as the file system does: letter case counts.
bool AynıKlasör(const QString& a, const QString& b) { return QDir::cleanPath(a) == QDir::cleanPath(b); }
qsizetype Yeri(const QStringList& liste, const QString& klasör) {
  for (qsizetype i = 0; i < liste.size(); ++i)
    if (AynıKlasör(liste[i], klasör)) return i;
  return -1;
}
// The rule of four; `çıkan` gets the folder the new one replaced. False when nothing was added.
bool DörtKuralıylaEkle(QStringList& liste, const QString& klasör, QString& çıkan) {
  if (liste.size() > EnÇokSunucu) return false;
  if (liste.size() == EnÇokSunucu) çıkan = liste.takeAt(EnÇokSunucu - 1);
  liste.append(klasör);
  return true;
}
QStringList Metinler(const QListWidget& liste) {
  QStringList metinler;
  for (int i = 0; i < liste.count(); ++i) metinler << liste.item(i)->text();
  return metinler;
}
}  // namespace

SunucuDeğiştirFormu::SunucuDeğiştirFormu() {
  setWindowTitle(QStringLiteral("Sunucu Değiştirme"));

  SunucuListesi = new ListeKutusu(this);
  Etiket[0] = new QLabel(QStringLiteral("&Sunucu Listesi"), this);
  Etiket[0]->setBuddy(SunucuListesi);
  Etiket[1] = new QLabel(QStringLiteral("Seçilen Sunucu"), this);
  Etiket[2] = new QLabel(this);
  Etiket[2]->setFrameShape(QFrame::StyledPanel);
  Etiket[2]->setFrameShadow(QFrame::Sunken);
  Etiket[2]->setMinimumWidth(320);
  SunucuSeçDüğmesi = new QPushButton(QStringLiteral("&Yeni Sunucu Seç..."), this);
  SeçilenSunucuyaBağlanDüğmesi = new QPushButton(QStringLiteral("Seçili Sunucu'ya &Bağlan"), this);
  VaçgeçDüğmesi = new QPushButton(QStringLiteral("Vazgeç (Esc)"), this);
  // No default button: Enter presses only the button that has the focus.
  for (QPushButton* d : {SunucuSeçDüğmesi, SeçilenSunucuyaBağlanDüğmesi, VaçgeçDüğmesi}) d->setAutoDefault(false);
  OdaktakiDüğmeEnterAlır(*this);

  auto* düğmeler = new QHBoxLayout;
  düğmeler->addWidget(SunucuSeçDüğmesi);
  düğmeler->addStretch();
  düğmeler->addWidget(SeçilenSunucuyaBağlanDüğmesi);
  düğmeler->addWidget(VaçgeçDüğmesi);
  auto* yerleşim = new QVBoxLayout(this);
  yerleşim->addWidget(Etiket[0]);
  yerleşim->addWidget(SunucuListesi);
  yerleşim->addWidget(Etiket[1]);
  yerleşim->addWidget(Etiket[2]);
  yerleşim->addLayout(düğmeler);
  BaşlığaYerAç(*this);

  connect(SunucuListesi, &QListWidget::currentRowChanged, this, [this] { SunucuListesi_Click(); });
  connect(SunucuSeçDüğmesi, &QPushButton::clicked, this, [this] { SunucuSeçDüğmesi_Click(); });
  connect(SeçilenSunucuyaBağlanDüğmesi, &QPushButton::clicked, this, [this] { SeçilenSunucuyaBağlanDüğmesi_Click(); });
  connect(VaçgeçDüğmesi, &QPushButton::clicked, this, [this] { VaçgeçDüğmesi_Click(); });

  Form_Load();
  yüklü_ = true;
}

void SunucuDeğiştirFormu::Yükle() {
  if (yüklü_) return;
  Form_Load();
  yüklü_ = true;
}

void SunucuDeğiştirFormu::Kaldır() {
  yüklü_ = false;
  QDialog::done(QDialog::Rejected);
}

void SunucuDeğiştirFormu::Form_Load() {
  eklemeler_.clear();
  SunucuListesi->clear();
  Etiket[2]->clear();
  for (const auto& [anahtar, klasör] : Ayarlar::TümünüOku(Bölüm)) SunucuListesi->addItem(klasör);
}

void SunucuDeğiştirFormu::showEvent(QShowEvent* olay) {
  QDialog::showEvent(olay);
  if (!olay->spontaneous()) Form_Activate();
}

void SunucuDeğiştirFormu::Form_Activate() {
  if (SunucuListesi->count() == 0) return;
  const qint64 n = Ayarlar::SayıOku(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), 0);
  if (n >= 0 && n < SunucuListesi->count()) SunucuListesi->setCurrentRow(static_cast<int>(n));
}

void SunucuDeğiştirFormu::SunucuListesi_Click() {
  const QListWidgetItem* öğe = SunucuListesi->currentItem();
  Etiket[2]->setText(öğe ? öğe->text() : QString());
}

void SunucuDeğiştirFormu::SunucuSeçDüğmesi_Click() {
  VeritabanınaBağlanFormu& bağlan = Form<VeritabanınaBağlanFormu>();
  bağlan.SunucuYolu = bağlan.AğaGözat(this);
  if (!bağlan.KlasörKimliği) return;
  const QString klasör = bağlan.SunucuYolu;
  if (!DosyaVarMı(VeritabanıDosyası(klasör))) {
    MesajKutusu(QStringLiteral("Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\n"
                               "Lütfen, farklı bir SUNUCU seçip yeniden deneyiniz."),
                Stil::Uyarı);
    return;
  }
  if (const qsizetype yer = Yeri(Metinler(*SunucuListesi), klasör); yer >= 0) {
    SunucuListesi->setCurrentRow(static_cast<int>(yer));
    return;
  }
  // Only the list changes here; the settings follow once the folder's database has opened.
  SunucuEkle(klasör);
  SunucuListesi->setCurrentRow(SunucuListesi->count() - 1);
}

void SunucuDeğiştirFormu::SunucuEkle(const QString& klasör) {
  QStringList liste = Metinler(*SunucuListesi);
  QString çıkan;
  if (!DörtKuralıylaEkle(liste, klasör, çıkan)) return;
  eklemeler_.push_back({klasör, çıkan});
  SunucuListesi->addItem(klasör);
  if (!çıkan.isEmpty()) delete SunucuListesi->takeItem(EnÇokSunucu - 1);
}

Ayarlar::Sonuç SunucuDeğiştirFormu::ListeyiKaydet(int seçili) {
  const QString seçilen = seçili >= 0 && seçili < SunucuListesi->count() ? SunucuListesi->item(seçili)->text() : QString();
  QStringList liste;
  const Ayarlar::Sonuç sonuç = Ayarlar::Değiştir([&](Ayarlar::Değişiklik& d) {
    liste.clear();
    for (const auto& [anahtar, klasör] : d.TümünüOku(Bölüm)) liste << klasör;
    // What this form did, done again on the file's list; the folder connected to stays in it.
    QString çıkan;
    for (const Ekleme& e : eklemeler_) {
      if (const qsizetype yer = Yeri(liste, e.çıkan); !e.çıkan.isEmpty() && yer >= 0) liste.removeAt(yer);
      if (Yeri(liste, e.eklenen) < 0) DörtKuralıylaEkle(liste, e.eklenen, çıkan);
    }
    if (!seçilen.isEmpty() && Yeri(liste, seçilen) < 0) DörtKuralıylaEkle(liste, seçilen, çıkan);
    QList<QPair<QString, QString>> değerler;
    for (qsizetype i = 0; i < liste.size(); ++i) değerler.append({Anahtar(static_cast<int>(i) + 1), liste[i]});
    d.BölümüYaz(Bölüm, değerler);
    if (const qsizetype yer = Yeri(liste, seçilen); yer >= 0)
      d.Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), QString::number(yer));
  });
  if (sonuç == Ayarlar::Sonuç::Yazıldı) {
    eklemeler_.clear();
    SunucuListesi->clear();
    SunucuListesi->addItems(liste);
  }
  return sonuç;
}

void SunucuDeğiştirFormu::SeçilenSunucuyaBağlanDüğmesi_Click() {
  const int seçili = SunucuListesi->currentRow();
  const QString klasör = seçili >= 0 ? SunucuListesi->item(seçili)->text() : QString();
  // The database in use stays current until the new one is open.
  std::unique_ptr<Veritabanı> yeni;
  try {
    yeni = Veritabanı::Aç(VeritabanıDosyası(klasör));
  } catch (const VeritabanıHatası& h) {
    const QString metin = BağlantıHatasıMetni(h.Numara());
    if (metin.isEmpty())
      HataİşleYordamı(h);
    else
      MesajKutusu(metin, Stil::Bilgi);
    return;
  }
  QCoreApplication::processEvents();
  Ortak::Veritabanı = std::move(yeni);
  Ortak::Veritabanı->İstatistikleriTazele();
  if (FormYüklü<AnaForm>()) Form<AnaForm>().DurumPaneliYaz(2, QStringLiteral("   Veritabanı bağlantısı tamam!"));
  AyarKaydedilmediyseSöyle(ListeyiKaydet(seçili), QStringLiteral("Sunucu listesindeki değişiklik ve bağlanılan sunucu"));
  Kaldır();
  BekleyenİşiSonuçlandır();
}

void SunucuDeğiştirFormu::reject() { VaçgeçDüğmesi_Click(); }

void SunucuDeğiştirFormu::VaçgeçDüğmesi_Click() {
  Kaldır();
  if (!Ortak::Veritabanı && FormYüklü<AnaForm>()) Form<AnaForm>().Kaldır();
}

void SunucuDeğiştir() {
  SunucuDeğiştirFormu& form = Form<SunucuDeğiştirFormu>();
  form.Yükle();
  ModalGöster(form);
}
