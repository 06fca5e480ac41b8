#include "HakkindaFormu.h"

#include "BaglantiEtiketleri.h"
#include "BaslangicModulu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Simgeler.h"
#include "Surum.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString ÜrünSayfası = QStringLiteral("http://www.belvaro.com.tr/velmora/");

QLabel* KoyuGriEtiket(QWidget* ebeveyn) {
  auto* e = new QLabel(ebeveyn);
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, QColor(64, 64, 64));
  e->setPalette(p);
  return e;
}

}  // namespace

QString HakkındaFormu::SürümMetni(int ana, int alt, int düzeltme) {
  return QStringLiteral("Sürüm ") + BaşlangıçModülü::SürümNumarası(ana, alt, düzeltme);
}

HakkındaFormu::HakkındaFormu() {
  setWindowTitle(QStringLiteral("Hakkında"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

  Altlık[0] = new QWidget(this);
  Altlık[1] = new QWidget(this);
  FotografKutusu = new QLabel(Altlık[0]);
  FotografKutusu->setFixedSize(120, 200);
  Çerçeve = new QGroupBox(Altlık[0]);
  SimgeKutusu = new QLabel(Çerçeve);
  SimgeKutusu->setPixmap(Resim(QStringLiteral("PROGRAM")));
  ProgramAdıEtiketi = KoyuGriEtiket(Çerçeve);
  QFont kalın = ProgramAdıEtiketi->font();
  kalın.setBold(true);
  kalın.setPointSize(kalın.pointSize() + 4);
  ProgramAdıEtiketi->setFont(kalın);
  SürümEtiketi = KoyuGriEtiket(Çerçeve);
  TelifEtiketi = KoyuGriEtiket(Çerçeve);
  TelifEtiketi->setWordWrap(true);
  AyrıntılıBilgiEtiketi = KoyuGriEtiket(Çerçeve);
  AyrıntılıBilgiEtiketi->setText(QStringLiteral("Belvaro"));
  WebEtiketi = new QLabel(QStringLiteral("www.belvaro.com.tr"), Çerçeve);
  QPalette lacivert = WebEtiketi->palette();
  lacivert.setColor(QPalette::WindowText, QColor(0, 0, 128));
  WebEtiketi->setPalette(lacivert);
  TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), Altlık[1]);

  auto* başlık = new QHBoxLayout;
  başlık->addWidget(SimgeKutusu);
  başlık->addWidget(ProgramAdıEtiketi, 1);
  auto* bilgi = new QVBoxLayout(Çerçeve);
  bilgi->addLayout(başlık);
  bilgi->addWidget(SürümEtiketi);
  bilgi->addSpacing(8);
  bilgi->addWidget(TelifEtiketi);
  bilgi->addStretch();
  bilgi->addWidget(AyrıntılıBilgiEtiketi);
  bilgi->addWidget(WebEtiketi);
  auto* üst = new QHBoxLayout(Altlık[0]);
  üst->addWidget(FotografKutusu);
  üst->addWidget(Çerçeve, 1);
  Çerçeve->setFixedWidth(260);
  auto* alt = new QHBoxLayout(Altlık[1]);
  alt->setContentsMargins(8, 0, 8, 8);
  alt->addStretch();
  alt->addWidget(TamamDüğmesi);
  auto* düzen = new QVBoxLayout(this);
  düzen->setContentsMargins(0, 0, 0, 0);
  düzen->setSpacing(0);
  düzen->addWidget(Altlık[0]);
  düzen->addWidget(Altlık[1]);
  düzen->setSizeConstraint(QLayout::SetFixedSize);

  Bağlantılar = new BağlantıEtiketleri(this);
  Bağlantılar->BağlantıEkle(WebEtiketi, QUrl(ÜrünSayfası));
  Bağlantılar->AltlıkEkle(Altlık[0]);
  Bağlantılar->AltlıkEkle(Altlık[1]);
  Bağlantılar->Bitir();
  // Tamam is the cancel button: Esc closes as it does, and Enter while it has the focus.
  TamamDüğmesi->setAutoDefault(false);
  OrtakYordamlarModülü::OdaktakiDüğmeEnterAlır(*this);
  connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

void HakkındaFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Form_Load();
  QDialog::showEvent(olay);
}

void HakkındaFormu::Form_Load() {
  FotografKutusu->setPixmap(Resim(QStringLiteral("HAKKINDA")));
  for (QWidget* a : Altlık) a->setPalette(palette());
  ProgramAdıEtiketi->setText(Ortak::ProgramAdı);
  SürümEtiketi->setText(SürümMetni(Sürüm::Ana, Sürüm::Alt, Sürüm::Düzeltme));
  TelifEtiketi->setText(QString::fromUtf8(Sürüm::Telif));
  // Each showing starts as designed: the link plain.
  Bağlantılar->AltlıkÜzerinde();
}
