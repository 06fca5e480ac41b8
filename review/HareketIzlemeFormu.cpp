#include "HareketIzlemeFormu.h"

#include "AlanAileleri.h"
#include "ListeGorunumu.h"
#include "ListeKutusu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Simgeler.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace HareketVerileri;

int ÜzerindeGöster(QDialog& form, QWidget* sahip) {
  if (sahip && form.parentWidget() != sahip) form.setParent(sahip, form.windowFlags() | Qt::Dialog);
  return form.exec();
}

HareketİzlemeFormu::HareketİzlemeFormu(Tasarım tasarım) : tasarım_(std::move(tasarım)) {
  setWindowTitle(tasarım_.başlık);

  Çerçeve[0] = new QGroupBox(QStringLiteral("Ürünler "), this);
  Etiket[2] = new QLabel(tasarım_.seçiciEtiketi, Çerçeve[0]);
  SeçimListesi = new ListeKutusu(Çerçeve[0]);
  Etiket[3] = new QLabel(tasarım_.bulEtiketi, Çerçeve[0]);
  BulKutusu = new QLineEdit(Çerçeve[0]);
  Etiket[2]->setBuddy(SeçimListesi);
  Etiket[3]->setBuddy(BulKutusu);
  SeçiciDüzeni = new QVBoxLayout(Çerçeve[0]);
  for (QWidget* w : std::initializer_list<QWidget*>{Etiket[2], SeçimListesi, Etiket[3], BulKutusu})
    SeçiciDüzeni->addWidget(w);
  SeçimListesi->setMinimumWidth(200);

  Çerçeve[1] = new QGroupBox(QStringLiteral("Hareket Türü Seç "), this);
  HareketTürüSeçeneği[0] = new QRadioButton(QStringLiteral("&Giriş Hareketlerini Listele "), Çerçeve[1]);
  HareketTürüSeçeneği[1] = new QRadioButton(QStringLiteral("Çı&kış Hareketlerini Listele "), Çerçeve[1]);
  auto* türDüzeni = new QHBoxLayout(Çerçeve[1]);
  türDüzeni->addWidget(HareketTürüSeçeneği[0]);
  türDüzeni->addWidget(HareketTürüSeçeneği[1]);
  türDüzeni->addStretch();

  Etiket[0] = new QLabel(QStringLiteral("St&ok Hareketleri :"), this);
  StokHareketleriListesi = new ListeGörünümü(this);
  Etiket[0]->setBuddy(StokHareketleriListesi);
  int genişlik = 0;
  for (const Sütun& s : tasarım_.sütunlar) {
    StokHareketleriListesi->SütunEkle(QString::fromUtf8(s.başlık), s.genişlikTwip,
                                      s.sağa ? ListeGörünümü::Hiza::Sağ : ListeGörünümü::Hiza::Sol);
    genişlik += s.genişlikTwip / ListeGörünümü::PikselBaşınaTwip;
  }
  StokHareketleriListesi->setMinimumSize(genişlik + 24, 260);

  Çerçeve[2] = new QGroupBox(this);
  // Each caption over its box: three boxes that hold the largest figure whole, side by side with
  // their captions, would make the form wider than an 800-pixel screen.
  auto* toplamDüzeni = new QGridLayout(Çerçeve[2]);
  toplamDüzeni->setVerticalSpacing(2);
  int sütun = 0;
  const auto toplam = [&](int etiket, const char* metin) {
    Etiket[etiket] = new QLabel(QString::fromUtf8(metin), Çerçeve[2]);
    auto* kutu = new QLineEdit(Çerçeve[2]);
    kutu->setReadOnly(true);
    kutu->setAlignment(Qt::AlignRight);
    kutu->setFocusPolicy(Qt::NoFocus);
    OrtakYordamlarModülü::SayıKutusunaYerAç(*kutu);
    toplamDüzeni->addWidget(Etiket[etiket], 0, sütun);
    toplamDüzeni->addWidget(kutu, 1, sütun);
    toplamDüzeni->setColumnStretch(sütun++, 1);
    return kutu;
  };
  GirişMiktarıToplamıKutusu = toplam(1, "Giriş Miktarı :");
  ÇıkışMiktarıToplamıKutusu = toplam(4, "Çıkış Miktarı :");
  MevcutKutusu = toplam(5, "Mevcut :");

  KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), this);
  KapatDüğmesi->setAutoDefault(false);
  OrtakYordamlarModülü::OdaktakiDüğmeEnterAlır(*this);
  DüğmeDüzeni = new QHBoxLayout;
  DüğmeDüzeni->addStretch();
  DüğmeDüzeni->addWidget(KapatDüğmesi);

  auto* sağ = new QVBoxLayout;
  sağ->addWidget(Çerçeve[1]);
  sağ->addWidget(Etiket[0]);
  sağ->addWidget(StokHareketleriListesi, 1);
  sağ->addWidget(Çerçeve[2]);
  auto* üst = new QHBoxLayout;
  üst->addWidget(Çerçeve[0]);
  üst->addLayout(sağ, 1);
  auto* düzen = new QVBoxLayout(this);
  düzen->addLayout(üst, 1);
  düzen->addLayout(DüğmeDüzeni);

  AlanAileleri::Bağla(BulKutusu, Etiket[3], AlanAileleri::Aile::Bul);
  connect(BulKutusu, &QLineEdit::textChanged, this, [this] { BulKutusu_Change(); });
  // Choosing an item by program lists it just as a user's choice does.
  connect(SeçimListesi, &QListWidget::itemSelectionChanged, this, [this] { Listele(); });
  for (int i = 0; i < 2; ++i)
    connect(HareketTürüSeçeneği[i], &QRadioButton::toggled, this, [this, i](bool seçili) {
      if (seçili) HareketTürüSeçeneği_Click(i);
    });
  StokHareketleriListesi->BaşlığaTıklandı = [this](int i) { StokHareketleriListesi_ColumnClick(i); };
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
}

void HareketİzlemeFormu::Yükle() {
  if (!yüklü_) Form_Load();
}

void HareketİzlemeFormu::Form_Load() {
  yüklü_ = true;
  {
    const QSignalBlocker engel(BulKutusu);
    BulKutusu->clear();
  }
  // As designed first, so that a layout never saved still gives every column its place.
  ListeGörünümü& liste = *StokHareketleriListesi;
  liste.TasarımaDön();
  liste.DüzeniYükle(tasarım_.listeAdı);
  // The rows come in recording order: no header shows an arrow until one is clicked.
  liste.BaşlıkResimleriAyarla(Resim(QStringLiteral("YUKARI")), Resim(QStringLiteral("ASAGI")));
  {
    const QSignalBlocker engel(HareketTürüSeçeneği[0]);
    const QSignalBlocker engel1(HareketTürüSeçeneği[1]);
    HareketTürüSeçeneği[0]->setChecked(true);
  }
  HareketTürüSeçeneği_Click(0);
}

void HareketİzlemeFormu::Form_Unload() {
  OrtakYordamlarModülü::ListeDüzeniniKaydet(*StokHareketleriListesi, tasarım_.listeAdı, *this);
  // Loaded again, the form starts on its first control, not on the one used last.
  if (QWidget* odak = focusWidget()) odak->clearFocus();
  AlanAileleri::PencereyiSıfırla(this);
  yüklü_ = false;
}

void HareketİzlemeFormu::done(int sonuç) {
  if (yüklü_) Form_Unload();
  QDialog::done(sonuç);
}

void HareketİzlemeFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Yükle();
  QDialog::showEvent(olay);
}

HareketTürü HareketİzlemeFormu::Görünüm() const {
  return HareketTürüSeçeneği[1]->isChecked() ? HareketTürü::Çıkış : HareketTürü::Giriş;
}

void HareketİzlemeFormu::HareketTürüSeçeneği_Click(int) { Listele(); }

std::optional<qint64> HareketİzlemeFormu::SeçiliNo() const {
  const auto seçili = SeçimListesi->selectedItems();
  if (seçili.isEmpty()) return std::nullopt;
  return seçili.first()->data(Qt::UserRole).toLongLong();
}

void HareketİzlemeFormu::ToplamlarıGöster(const std::optional<Toplamlar>& t) {
  using OrtakYordamlarModülü::SayıGöster;
  SayıGöster(*GirişMiktarıToplamıKutusu, t ? TürkçeMetin::MiktarMetni(t->giriş) : QString());
  SayıGöster(*ÇıkışMiktarıToplamıKutusu, t ? TürkçeMetin::MiktarMetni(t->çıkış) : QString());
  SayıGöster(*MevcutKutusu, t ? TürkçeMetin::MiktarMetni(t->Mevcut()) : QString());
}

void HareketİzlemeFormu::SeçimiBırak() {
  SeçimListesi->clearSelection();
  SeçimListesi->setCurrentRow(-1);
  StokHareketleriListesi->Temizle();
  ToplamlarıGöster(std::nullopt);
}

void HareketİzlemeFormu::StokHareketleriListesi_ColumnClick(int başlıkIndex) {
  if (başlıkIndex < 1 || başlıkIndex > static_cast<int>(tasarım_.sütunlar.size())) return;
  ListeyiSıralaModülü::SütunTıklandı(*StokHareketleriListesi, başlıkIndex,
                                      tasarım_.sütunlar[static_cast<size_t>(başlıkIndex - 1)].tür);
}

void HareketİzlemeFormu::SıralamasıKorunarakListele() {
  // A sort by dates or figures orders the rows there are once; a text sort places every row it
  // gets by itself. Only the first has to be done again on the rows listed anew.
  using ListeyiSıralaModülü::SütunTürü;
  ListeGörünümü& liste = *StokHareketleriListesi;
  const auto tür = [this](int başlık) { return tasarım_.sütunlar[static_cast<size_t>(başlık - 1)].tür; };
  int başlık = 0, resim = 0;
  for (int i = 1; i <= static_cast<int>(tasarım_.sütunlar.size()); ++i)
    if (!liste.Sıralı() && tür(i) != SütunTürü::Metin && liste.BaşlıkResmi(i)) başlık = i, resim = liste.BaşlıkResmi(i);
  Listele();
  if (!başlık) return;
  Ortak::SıralamaSütunu = başlık - 1;
  Ortak::SıralamaYönü = resim - 1;
  Ortak::SayısalSırala = tür(başlık) == SütunTürü::Tarih ? 0 : 1;
  ListeyiSıralaModülü::ListeyiSırala(liste);
  ListeyiSıralaModülü::ListeyeSimgeEkle(liste, başlık);
}

void HareketİzlemeFormu::BulKutusu_Change() {
  const int i = OrtakYordamlarModülü::ListedeAra(SeçimListesi, BulKutusu->text());
  if (i >= 0) {
    SeçimListesi->setCurrentRow(i);
    SeçimListesi->scrollToItem(SeçimListesi->item(i));
  } else {
    // Nothing begins with the text: no item is chosen and the view empties.
    SeçimListesi->clearSelection();
    SeçimListesi->setCurrentItem(nullptr);
  }
}

void HareketİzlemeFormu::KapatDüğmesi_Click() { done(QDialog::Rejected); }
