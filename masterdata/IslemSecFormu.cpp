#include "IslemSecFormu.h"

#include "DepoIslemleriFormu.h"
#include "FirmaIslemleriFormu.h"
#include "FormYoneticisi.h"
#include "OrtakYordamlarModulu.h"
#include "UrunIslemleriFormu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

İşlemSeçFormu::İşlemSeçFormu() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Tanımlama Seç"));
  Çerçeve = new QGroupBox(this);
  Altlık = new QWidget(Çerçeve);
  Altlık->setAutoFillBackground(true);
  (new QVBoxLayout(Çerçeve))->addWidget(Altlık);
  auto* seçenekler = new QVBoxLayout(Altlık);
  seçenekler->setContentsMargins(0, 0, 0, 0);
  const char* const başlıklar[] = {"Ürü&n Tanımlama ", "&Depo Tanımlama ", "&Satıcı Firma Tanımlama ",
                                   "&Alıcı Firma Tanımlama "};
  for (int i = 0; i < 4; ++i) {
    TanımlamaSeçeneği[i] = new QRadioButton(QString::fromUtf8(başlıklar[i]), Altlık);
    seçenekler->addWidget(TanımlamaSeçeneği[i]);
    connect(TanımlamaSeçeneği[i], &QRadioButton::toggled, this, [this, i](bool seçili) {
      if (seçili) TanımlamaSeçeneği_Click(i);
    });
  }
  TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
  İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
  TamamDüğmesi->setDefault(true);
  connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
  connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });

  auto* düzen = new QGridLayout(this);
  düzen->addWidget(Çerçeve, 0, 0, 3, 1);
  düzen->addWidget(TamamDüğmesi, 0, 1);
  düzen->addWidget(İptalDüğmesi, 1, 1);
  düzen->setRowStretch(2, 1);
  OrtakYordamlarModülü::BaşlığaYerAç(*this);
}

void İşlemSeçFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Form_Load();
  QDialog::showEvent(olay);
}

void İşlemSeçFormu::Form_Load() {
  QPalette p = Altlık->palette();
  p.setColor(QPalette::Window, palette().color(QPalette::Window));
  Altlık->setPalette(p);
  // The chooser opens on the kind chosen last, which is what "Tamam" acts on.
  TanımlamaSeçeneği[SeçilenTanımlama]->setChecked(true);
  TanımlamaSeçeneği[SeçilenTanımlama]->setFocus();
}

void İşlemSeçFormu::TanımlamaSeçeneği_Click(int index) { SeçilenTanımlama = static_cast<quint8>(index); }

void İşlemSeçFormu::TamamDüğmesi_Click() {
  QDialog* form = nullptr;
  switch (SeçilenTanımlama) {
    case 0: form = &Form<ÜrünİşlemleriFormu>(); break;
    case 1: form = &Form<DepoİşlemleriFormu>(); break;
    case 2: form = &FirmaİşlemleriFormunuHazırla(QStringLiteral("Satici")); break;
    case 3: form = &FirmaİşlemleriFormunuHazırla(QStringLiteral("Alici")); break;
    default: return;
  }
  if (form->parentWidget() != this) form->setParent(this, form->windowFlags() | Qt::Dialog);
  form->exec();
  // Not every window system hands the activation back when a modal form closes.
  activateWindow();
}

void İşlemSeçFormu::İptalDüğmesi_Click() { reject(); }
