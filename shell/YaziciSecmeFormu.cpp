#include "YaziciSecmeFormu.h"

#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace OrtakYordamlarModülü;

YazıcıSeçmeFormu::YazıcıSeçmeFormu() {
  setWindowTitle(QStringLiteral("Yazıcı Seç"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

  Altlık = new QWidget(this);
  Çerçeve = new QGroupBox(QStringLiteral("Yazıcı "), Altlık);
  Etiket[0] = new QLabel(QStringLiteral("Yazıcı &Adı :"), Çerçeve);
  YazıcıAdlarıKutusu = new QComboBox(Çerçeve);
  YazıcıAdlarıKutusu->setEditable(false);
  YazıcıAdlarıKutusu->setMinimumWidth(260);
  Etiket[1] = new QLabel(QStringLiteral("&Bağlantı Yeri :"), Çerçeve);
  BağlantıNoktasıKutusu = new QLineEdit(Çerçeve);
  BağlantıNoktasıKutusu->setEnabled(false);
  Etiket[0]->setBuddy(YazıcıAdlarıKutusu);
  Etiket[1]->setBuddy(BağlantıNoktasıKutusu);
  auto* alanlar = new QGridLayout(Çerçeve);
  alanlar->addWidget(Etiket[0], 0, 0);
  alanlar->addWidget(YazıcıAdlarıKutusu, 0, 1);
  alanlar->addWidget(Etiket[1], 1, 0);
  alanlar->addWidget(BağlantıNoktasıKutusu, 1, 1);
  alanlar->setColumnStretch(1, 1);

  TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), Altlık);
  İptalDüğmesi = new QPushButton(QStringLiteral("İptal (Esc)"), Altlık);
  // Enter presses only the button that has the focus.
  TamamDüğmesi->setAutoDefault(false);
  İptalDüğmesi->setAutoDefault(false);
  OdaktakiDüğmeEnterAlır(*this);
  PanelliDüzen(*this, Altlık, Çerçeve, {TamamDüğmesi, İptalDüğmesi});

  connect(YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this, [this] { YazıcıAdlarıKutusu_Click(); });
  connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
  connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

void YazıcıSeçmeFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Form_Load();
  QDialog::showEvent(olay);
}

void YazıcıSeçmeFormu::Form_Load() {
  Altlık->setPalette(palette());
  // Each showing lists the printers as they are now.
  YazıcıAdlarıKutusu->clear();
  BağlantıNoktasıKutusu->clear();
  const QStringList adlar = Platform::Yazıcılar();
  for (int i = 0; i < adlar.size(); ++i) YazıcıAdlarıKutusu->addItem(adlar[i], i);
  const QString geçerli = Ortak::GeçerliYazıcı.isEmpty() ? Platform::VarsayılanYazıcı() : Ortak::GeçerliYazıcı;
  YazıcıAdlarıKutusu->setCurrentIndex(YazıcıAdlarıKutusu->findText(geçerli, Qt::MatchExactly));
  YazıcıAdlarıKutusu->setFocus();
}

void YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click() {
  const int i = YazıcıAdlarıKutusu->currentIndex();
  BağlantıNoktasıKutusu->setText(i < 0 ? QString() : Platform::YazıcıBağlantısı(YazıcıAdlarıKutusu->itemText(i)));
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click() {
  // Without a chosen entry the current printer stays.
  if (const int i = YazıcıAdlarıKutusu->currentIndex(); i >= 0) Ortak::GeçerliYazıcı = YazıcıAdlarıKutusu->itemText(i);
  Kaldır();
  QApplication::processEvents();
}

void YazıcıSeçmeFormu::İptalDüğmesi_Click() {
  Ortak::YazdırmaİptalEdildi = true;
  Kaldır();
}

void YazıcıSeçmeFormu::reject() { İptalDüğmesi_Click(); }

void YazıcıSeçmeFormu::closeEvent(QCloseEvent* olay) {
  olay->accept();
  Kaldır();
}

void YazıcıSeçmeFormu::Kaldır() { done(QDialog::Rejected); }
