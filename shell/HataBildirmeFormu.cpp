#include "HataBildirmeFormu.h"

#include "BaglantiEtiketleri.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Simgeler.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

// The product's name goes into the query as it is.
QString HataBildirmeFormu::GeriBildirimAdresi() {
  return QStringLiteral("http://www.belvaro.com.tr/asp/mesaj/mesaj.asp?ProgramAdi=") + Ortak::ProgramAdı;
}
QString HataBildirmeFormu::EPostaAdresi() { return QStringLiteral("destek@belvaro.com.tr"); }

namespace {

QLabel* RenkliEtiket(const QString& metin, QColor renk, QWidget* ebeveyn) {
  auto* e = new QLabel(metin, ebeveyn);
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, renk);
  e->setPalette(p);
  return e;
}

}  // namespace

HataBildirmeFormu::HataBildirmeFormu() {
  setWindowTitle(QStringLiteral("Hata Bildirme"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

  Altlık = new QWidget(this);
  Çerçeve = new QGroupBox(Altlık);
  SimgeKutusu = new QLabel(Çerçeve);
  SimgeKutusu->setPixmap(Resim(QStringLiteral("HATABILDIR")));
  SimgeKutusu->setAlignment(Qt::AlignTop);
  Etiket[0] = RenkliEtiket(QStringLiteral("Hataları Bildirin!"), QColor(192, 64, 0), Çerçeve);
  QFont altıÇizili = Etiket[0]->font();
  altıÇizili.setUnderline(true);
  Etiket[0]->setFont(altıÇizili);
  Etiket[1] = new QLabel(QStringLiteral("Lütfen, programda gördüğünüz hataları aşağıdaki yollardan biri ile bize "
                                        "iletiniz.\nİlginiz için şimdiden teşekkürler..."),
                         Çerçeve);
  Etiket[1]->setWordWrap(true);
  WebEtiketi = RenkliEtiket(QStringLiteral("Mesaj Gönder"), QColor(0, 0, 192), Çerçeve);
  EPostaEtiketi = RenkliEtiket(QStringLiteral("E-Posta Gönder"), QColor(0, 0, 192), Çerçeve);
  EPostaEtiketi->setToolTip(EPostaAdresi());
  KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), Altlık);

  auto* metinler = new QVBoxLayout;
  metinler->addWidget(Etiket[0]);
  metinler->addWidget(Etiket[1]);
  auto* bağlantılar = new QHBoxLayout;
  bağlantılar->addWidget(WebEtiketi);
  bağlantılar->addSpacing(24);
  bağlantılar->addWidget(EPostaEtiketi);
  bağlantılar->addStretch();
  metinler->addSpacing(6);
  metinler->addLayout(bağlantılar);
  auto* çerçeveDüzeni = new QHBoxLayout(Çerçeve);
  çerçeveDüzeni->addWidget(SimgeKutusu);
  çerçeveDüzeni->addLayout(metinler, 1);
  Çerçeve->setFixedWidth(360);
  OrtakYordamlarModülü::PanelliDüzen(*this, Altlık, Çerçeve, {KapatDüğmesi});

  Bağlantılar = new BağlantıEtiketleri(this);
  Bağlantılar->BağlantıEkle(WebEtiketi, QUrl(GeriBildirimAdresi()));
  Bağlantılar->BağlantıEkle(EPostaEtiketi, QUrl(QStringLiteral("mailto:") + EPostaAdresi()));
  Bağlantılar->AltlıkEkle(Altlık);
  Bağlantılar->Bitir();
  // Kapat is the cancel button: Esc closes as it does, and Enter while it has the focus.
  KapatDüğmesi->setAutoDefault(false);
  OrtakYordamlarModülü::OdaktakiDüğmeEnterAlır(*this);
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

void HataBildirmeFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) {
    Altlık->setPalette(palette());
    Bağlantılar->AltlıkÜzerinde();
  }
  QDialog::showEvent(olay);
}
