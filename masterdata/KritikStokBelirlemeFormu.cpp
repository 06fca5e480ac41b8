#include "KritikStokBelirlemeFormu.h"

#include "AlanAileleri.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KritikStokVerileri.h"
#include "ListeKutusu.h"
#include "ListeSecimi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

using namespace OrtakYordamlarModülü;
using AlanAileleri::Aile;

namespace {

[[maybe_unused]] const bool işlerKayıtlı =
    İlerlemeGösterFormu::HedefKaydet({13, 14, 15}, [] { return Form<KritikStokBelirlemeFormu>().İşHedefi(); });

int Piksel(int twip) { return (twip + 7) / 15; }

// A backing panel: it is painted in the form's background colour at load.
QWidget* Panel(QWidget* üst) {
  auto* p = new QWidget(üst);
  p->setAutoFillBackground(true);
  return p;
}

}  // namespace

KritikStokBelirlemeFormu::KritikStokBelirlemeFormu() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Kritik Stok Belirleme"));

  const char* const çerçeveler[] = {"Ürün Seçimi ", "Kritik Stok Bilgileri ", "Kritk Stok Girişi "};
  for (int i = 0; i < 3; ++i) Çerçeve[i] = new QGroupBox(QString::fromUtf8(çerçeveler[i]), this);
  // Each option pair on its own panel, so that the two pairs choose apart.
  Altlık[0] = Panel(Çerçeve[0]);
  Altlık[1] = Panel(Altlık[0]);
  Altlık[2] = Panel(Altlık[0]);
  Altlık[3] = Panel(Çerçeve[1]);
  Altlık[4] = Panel(Çerçeve[2]);

  const char* const etiketler[] = {"Ürünün Bulunduğu &Depo :",    "Depo &Bul :",
                                   "Ürü&nler :",                  "Ürün B&ul :",
                                   "Toplam (Depo) Ağırlık :",     "Toplam Kritik Stok Ağırlığı :",
                                   "Ürün Kritik Stok Ağırlığı :", "Kritik Stok Miktarı :"};
  for (int i = 0; i < 8; ++i)
    Etiket[i] = new QLabel(QString::fromUtf8(etiketler[i]), Altlık[i < 4 ? 0 : i < 7 ? 3 : 4]);

  DepoListesi = new ListeKutusu(Altlık[0]);
  ÜrünListesi = new ListeKutusu(Altlık[0]);
  // Entering the warehouse find box leaves its text and caret as they were, as in the vouchers.
  DepoBulKutusu = new AlanAileleri::SeçmedenGirilenKutu(Altlık[0]);
  ÜrünBulKutusu = new QLineEdit(Altlık[0]);
  for (int i = 0; i < 2; ++i) {
    DepoKoduAdıSeçeneği[i] = new QRadioButton(
        i == 0 ? QStringLiteral("Depo Adına Göre Listele ") : QStringLiteral("Depo Koduna Göre Listele "), Altlık[1]);
    ÜrünKoduAdıSeçeneği[i] = new QRadioButton(
        i == 0 ? QStringLiteral("Ürün Adına Göre Listele ") : QStringLiteral("Ürün Koduna Göre Listele "), Altlık[2]);
  }
  for (QLineEdit* kutu : {DepoBulKutusu, ÜrünBulKutusu}) kutu->setMaxLength(255);
  Etiket[0]->setBuddy(DepoListesi);
  Etiket[1]->setBuddy(DepoBulKutusu);
  Etiket[2]->setBuddy(ÜrünListesi);
  Etiket[3]->setBuddy(ÜrünBulKutusu);

  auto* seçim = new QGridLayout(Altlık[0]);
  seçim->setContentsMargins(0, 0, 0, 0);
  seçim->setHorizontalSpacing(Piksel(240));
  const std::array<QListWidget*, 2> listeler{DepoListesi, ÜrünListesi};
  const std::array<QLineEdit*, 2> bulKutuları{DepoBulKutusu, ÜrünBulKutusu};
  const std::array<std::array<QRadioButton*, 2>*, 2> seçenekler{&DepoKoduAdıSeçeneği, &ÜrünKoduAdıSeçeneği};
  for (int s = 0; s < 2; ++s) {
    listeler[s]->setFixedSize(Piksel(3000), Piksel(3300));
    auto* p = new QVBoxLayout(Altlık[1 + s]);
    p->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* r : *seçenekler[s]) p->addWidget(r);
    seçim->addWidget(Etiket[2 * s], 0, s);
    seçim->addWidget(listeler[s], 1, s);
    seçim->addWidget(Altlık[1 + s], 2, s);
    seçim->addWidget(Etiket[2 * s + 1], 3, s);
    seçim->addWidget(bulKutuları[s], 4, s);
  }
  (new QVBoxLayout(Çerçeve[0]))->addWidget(Altlık[0]);

  // The weights are shown, never typed, and the Tab key passes them by.
  QFont kalın = font();
  kalın.setBold(true);
  auto* bilgi = new QVBoxLayout(Altlık[3]);
  bilgi->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 3; ++i) {
    auto* kutu = new QLineEdit(Altlık[3]);
    kutu->setReadOnly(true);
    kutu->setFocusPolicy(Qt::NoFocus);
    kutu->setFont(kalın);
    kutu->setAlignment(Qt::AlignRight);
    SayıKutusunaYerAç(*kutu);
    bilgi->addWidget(Etiket[4 + i]);
    bilgi->addWidget(kutu);
    (i == 0 ? ToplamÜrünAğırlığıKutusu : i == 1 ? ToplamKritikStokAğırlığıKutusu : ÜrünKritikStokAğırlığıKutusu) = kutu;
  }
  (new QVBoxLayout(Çerçeve[1]))->addWidget(Altlık[3]);

  KritikStokMiktarıKutusu = new QLineEdit(Altlık[4]);
  KritikStokMiktarıKutusu->setMaxLength(20);
  KritikStokMiktarıKutusu->setAlignment(Qt::AlignRight);
  SayıKutusunaYerAç(*KritikStokMiktarıKutusu);
  Etiket[7]->setBuddy(KritikStokMiktarıKutusu);
  auto* giriş = new QVBoxLayout(Altlık[4]);
  giriş->setContentsMargins(0, 0, 0, 0);
  giriş->addWidget(Etiket[7]);
  giriş->addWidget(KritikStokMiktarıKutusu);
  (new QVBoxLayout(Çerçeve[2]))->addWidget(Altlık[4]);

  KaydetDüğmesi = new QPushButton(QStringLiteral("Kaydet"), this);
  KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), this);
  for (QPushButton* d : {KaydetDüğmesi, KapatDüğmesi}) {
    d->setFixedHeight(Piksel(345));
    // No default button: Enter on an option must not save.
    d->setAutoDefault(false);
  }
  OdaktakiDüğmeEnterAlır(*this);

  auto* sağ = new QVBoxLayout;
  sağ->addWidget(Çerçeve[1]);
  sağ->addWidget(Çerçeve[2]);
  sağ->addStretch();
  sağ->addWidget(KaydetDüğmesi);
  sağ->addWidget(KapatDüğmesi);
  auto* düzen = new QGridLayout(this);
  düzen->addWidget(Çerçeve[0], 0, 0);
  düzen->addLayout(sağ, 0, 1);
  // As designed, unless the widest figure needs more.
  for (QGroupBox* ç : {Çerçeve[1], Çerçeve[2]}) ç->setFixedWidth(std::max(Piksel(3000), ç->minimumSizeHint().width()));
  BaşlığaYerAç(*this);

  QWidget* const sıra[] = {DepoListesi,   DepoKoduAdıSeçeneği[0], DepoKoduAdıSeçeneği[1], DepoBulKutusu,
                           ÜrünListesi,   ÜrünKoduAdıSeçeneği[0], ÜrünKoduAdıSeçeneği[1], ÜrünBulKutusu,
                           KritikStokMiktarıKutusu, KaydetDüğmesi, KapatDüğmesi};
  for (size_t i = 1; i < std::size(sıra); ++i)
    setTabOrder(sıra[i - 1], sıra[i]);

  AlanAileleri::Bağla(DepoListesi, Etiket[0], Aile::Seçim);
  AlanAileleri::Bağla(DepoBulKutusu, Etiket[1], Aile::Seçim, {.olduğuGibi = true});
  AlanAileleri::Bağla(ÜrünListesi, Etiket[2], Aile::Seçim);
  AlanAileleri::Bağla(ÜrünBulKutusu, Etiket[3], Aile::Bul);
  AlanAileleri::Bağla(KritikStokMiktarıKutusu, Etiket[7], Aile::Ondalık);

  connect(DepoListesi, &QListWidget::itemSelectionChanged, this, [this] { DepoListesi_Click(); });
  connect(ÜrünListesi, &QListWidget::itemSelectionChanged, this, [this] { ÜrünListesi_Click(); });
  for (int i = 0; i < 2; ++i) {
    connect(DepoKoduAdıSeçeneği[i], &QRadioButton::toggled, this, [this](bool seçili) {
      if (seçili && !yükleniyor_) DepoKoduAdıSeçeneği_Click();
    });
    connect(ÜrünKoduAdıSeçeneği[i], &QRadioButton::toggled, this, [this](bool seçili) {
      if (seçili && !yükleniyor_) ÜrünKoduAdıSeçeneği_Click();
    });
  }
  connect(DepoBulKutusu, &QLineEdit::textChanged, this, [this] { DepoBulKutusu_Change(); });
  connect(ÜrünBulKutusu, &QLineEdit::textChanged, this, [this] { ÜrünBulKutusu_Change(); });
  // Only the user's typing decides the button; filling the box from the database does not.
  connect(KritikStokMiktarıKutusu, &QLineEdit::textEdited, this, [this] { KritikStokMiktarıKutusu_Change(); });
  connect(KaydetDüğmesi, &QPushButton::clicked, this, [this] { KaydetDüğmesi_Click(); });
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
  bekleyen_.Çözüldü = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    // Its own save wrote the quantity in the box over the stored level, or as a new one: told once
    // that save is over.
    if (!kendi)
      MesajKutusu(ÖncekiİşMetni(iş, yazılmış, QStringLiteral("kritik stok miktarı formda, kaydedilmeyi bekliyor.")),
                  Stil::Bilgi);
    else if (yazılmış.value_or(false))
      kendiBulundu_ = true;
  };

  Form_Load();
}

void KritikStokBelirlemeFormu::Yükle() {
  if (!yüklü_) Form_Load();
}

ListeHedefi KritikStokBelirlemeFormu::İşHedefi() {
  Yükle();
  ListeHedefi h;
  h.DepoListesi = DepoListesi;
  h.ÜrünListesi = ÜrünListesi;
  h.ÜrünAdıSeçili = [this] { return ÜrünKoduAdıSeçeneği[0]->isChecked(); };
  h.DepoAdıSeçili = [this](int) { return DepoKoduAdıSeçeneği[0]->isChecked(); };
  return h;
}

void KritikStokBelirlemeFormu::Form_Load() {
  yükleniyor_ = true;
  for (QWidget* altlık : Altlık) {
    QPalette p = altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    altlık->setPalette(p);
  }
  DepoListesi->clear();
  ÜrünListesi->clear();
  DepoBulKutusu->clear();
  ÜrünBulKutusu->clear();
  KutularıBoşalt();
  DepoKoduAdıSeçeneği[0]->setChecked(true);
  ÜrünKoduAdıSeçeneği[0]->setChecked(true);
  KaydetDüğmesi->setEnabled(false);
  AlanAileleri::PencereyiSıfırla(this);
  DepoListesi->setFocus();
  yükleniyor_ = false;
  yüklü_ = true;
}

void KritikStokBelirlemeFormu::KutularıBoşalt() {
  bekleyen_.Bırak();
  for (QLineEdit* kutu :
       {ToplamÜrünAğırlığıKutusu, ToplamKritikStokAğırlığıKutusu, ÜrünKritikStokAğırlığıKutusu, KritikStokMiktarıKutusu})
    kutu->clear();
}

void KritikStokBelirlemeFormu::İlerlemeİşi(int kod) {
  Form<İlerlemeGösterFormu>().İşiÇalıştır(kod, İş::ListeBaşlık, İş::ListeMetin, this);
}

// A choice whose read failed is let go (its boxes empty): no level is saved from it half read.
void KritikStokBelirlemeFormu::DepoListesi_Click() {
  const bool okundu = HataYakala([&] {
    KutularıBoşalt();
    const auto depo = SeçiliKayıt(DepoListesi);
    if (!depo) {
      ÜrünListesi->clear();
      return;
    }
    Form<İlerlemeGösterFormu>().SeçilenDepoNo = *depo;
    İlerlemeİşi(14);
    auto& vt = *Ortak::Veritabanı;
    // A warehouse's sums may pass the largest figure: the frame widens with its boxes.
    SayıGöster(*ToplamÜrünAğırlığıKutusu, TürkçeMetin::MiktarMetni(KritikStokVerileri::ToplamAğırlık(vt, *depo)));
    SayıGöster(*ToplamKritikStokAğırlığıKutusu,
               TürkçeMetin::MiktarMetni(KritikStokVerileri::ToplamKritikStokAğırlığı(vt, *depo)));
    Çerçeve[1]->setFixedWidth(std::max(Çerçeve[1]->width(), Çerçeve[1]->minimumSizeHint().width()));
  });
  if (!okundu) SatırıSeç(DepoListesi, -1);
}

void KritikStokBelirlemeFormu::ÜrünListesi_Click() {
  bekleyen_.Bırak();
  ÜrünKritikStokAğırlığıKutusu->clear();
  KritikStokMiktarıKutusu->clear();
  const bool okundu = HataYakala([&] {
    const auto depo = SeçiliKayıt(DepoListesi);
    const auto ürün = SeçiliKayıt(ÜrünListesi);
    const auto seviye =
        depo && ürün ? KritikStokVerileri::Oku(*Ortak::Veritabanı, *depo, *ürün) : std::nullopt;
    if (!seviye) return;
    ÜrünKritikStokAğırlığıKutusu->setText(TürkçeMetin::MiktarMetni(seviye->ağırlık));
    KritikStokMiktarıKutusu->setText(TürkçeMetin::MiktarMetni(seviye->miktar));
  });
  if (!okundu) SatırıSeç(ÜrünListesi, -1);
}

void KritikStokBelirlemeFormu::DepoKoduAdıSeçeneği_Click() {
  HataYakala([&] {
    KutularıBoşalt();
    ÜrünListesi->clear();
    İlerlemeİşi(15);
  });
}

void KritikStokBelirlemeFormu::ÜrünKoduAdıSeçeneği_Click() { DepoListesi_Click(); }

void KritikStokBelirlemeFormu::DepoBulKutusu_Change() {
  if (!yükleniyor_) SatırıSeç(DepoListesi, ListedeAra(DepoListesi, DepoBulKutusu->text()));
}

void KritikStokBelirlemeFormu::ÜrünBulKutusu_Change() {
  if (!yükleniyor_) SatırıSeç(ÜrünListesi, ListedeAra(ÜrünListesi, ÜrünBulKutusu->text()));
}

void KritikStokBelirlemeFormu::KritikStokMiktarıKutusu_Change() {
  KaydetDüğmesi->setEnabled(TürkçeMetin::MiktarOku(KritikStokMiktarıKutusu->text()).has_value());
}

void KritikStokBelirlemeFormu::KaydetDüğmesi_Click() {
  const QString önceki = bekleyen_.İz();
  TürkçeMetin::Miktar girilen = 0;
  bool yazıldı = false;
  HataYakala([&] {
    const auto depo = SeçiliKayıt(DepoListesi);
    if (!depo) {
      MesajKutusu(QStringLiteral("Lütfen, ürünün bulunduğu DEPOYU listeden seçiniz!"), Stil::Bilgi);
      DepoListesi->setFocus();
      return;
    }
    const auto ürün = SeçiliKayıt(ÜrünListesi);
    if (!ürün) {
      MesajKutusu(QStringLiteral("Lütfen, listeden bir ÜRÜN seçiniz!"), Stil::Bilgi);
      ÜrünListesi->setFocus();
      return;
    }
    // The button may still be on from a quantity typed for another product.
    const auto miktar = TürkçeMetin::MiktarOku(KritikStokMiktarıKutusu->text());
    if (!miktar || !TürkçeMetin::TamTutulur(*miktar)) {
      KaydetDüğmesi->setEnabled(false);
      MesajKutusu(miktar ? BüyükMiktarMetni : QStringLiteral("Lütfen, geçerli bir KRİTİK STOK MİKTARI giriniz!"),
                  Stil::Bilgi);
      KritikStokMiktarıKutusu->setFocus();
      return;
    }
    girilen = *miktar;
    // A write that fails leaves the button on: the quantity stays in its box, to be saved again.
    const auto sonuç = KritikStokVerileri::Kaydet(*Ortak::Veritabanı, *depo, *ürün, *miktar, &bekleyen_);
    yazıldı = sonuç == KritikStokVerileri::Sonuç::Yazıldı;
    if (sonuç == KritikStokVerileri::Sonuç::AğırlıkTutulamaz) {
      KaydetDüğmesi->setEnabled(false);
      MesajKutusu(BüyükMiktarMetni, Stil::Bilgi);
      KritikStokMiktarıKutusu->setFocus();
      return;
    }
    if (!yazıldı)
      MesajKutusu(QStringLiteral("Seçilen ürün ya da depo, bu arada başka bir bilgisayardan silinmiş! "
                                 "Kritik stok kaydedilemedi."),
                  Stil::Bilgi);
    KaydetDüğmesi->setEnabled(false);
    DepoListesi_Click();
  });
  const bool bilinmiyor = bekleyen_.Var() && bekleyen_.İz() != önceki;
  if (std::exchange(kendiBulundu_, false))
    MesajKutusu(bilinmiyor || (yazıldı && girilen == denenen_) ? ÖnceEklenmişMetni
                : yazıldı                                       ? ÜzerineYazıldıMetni
                                                                : SonGirilenYazılmadıMetni,
                Stil::Bilgi);
  if (bilinmiyor) denenen_ = girilen;
}

void KritikStokBelirlemeFormu::KapatDüğmesi_Click() { done(QDialog::Rejected); }

void KritikStokBelirlemeFormu::done(int sonuç) {
  bekleyen_.Bırak();
  if (yüklü_) {
    yüklü_ = false;
    AlanAileleri::PencereyiSıfırla(this);
  }
  QDialog::done(sonuç);
}

void KritikStokBelirlemeFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Yükle();
  QDialog::showEvent(olay);
}

void KritikStokBelirlemeFormu::keyPressEvent(QKeyEvent* olay) {
  // A list passes Enter on: it moves to the next control, as in a field. A button takes
  // it only when it has the focus.
  const bool enter = olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter;
  if (enter && (focusWidget() == DepoListesi || focusWidget() == ÜrünListesi)) {
    focusNextChild();
    return;
  }
  if (!enter) QDialog::keyPressEvent(olay);
}
