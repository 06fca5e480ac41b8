#include "TanimFormu.h"

#include "AlanAileleri.h"
#include "ListeKutusu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "TurkceListeOgesi.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

using namespace OrtakYordamlarModülü;

namespace {
const QString SonGirilenÜstüne = QStringLiteral(" Son girdiğiniz bilgiler onun üzerine kaydedildi.");
const QString YeniKayıtOlarakEklendi = QStringLiteral(" Son girdiğiniz bilgiler yeni bir kayıt olarak eklendi.");
const QString SonGirilenKaydedilmedi = QStringLiteral(" Son girdiğiniz bilgiler kaydedilmedi.");
const QString ÖnceKaydedilmişMetni = QStringLiteral("İşlem, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş.");
const QString KaydetMetni = QStringLiteral("Kaydet");
const QString KapatMetni = QStringLiteral("Kapat (Esc)");
const QString İptalMetni = QStringLiteral("İptal");
}  // namespace

QString AlanMetni(const QWidget* alan) {
  if (auto* k = qobject_cast<const QLineEdit*>(alan)) return k->text();
  if (auto* k = qobject_cast<const QPlainTextEdit*>(alan)) return k->toPlainText();
  if (auto* k = qobject_cast<const QComboBox*>(alan)) return k->currentText();
  return {};
}

TanımFormu::TanımFormu(const Metinler& metinler, const TanımVerileri::Tanım& tanım, bool ikiSıra)
    : metinler_(metinler), tanım_(tanım) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(metinler.başlık);

  for (int i = 0; i < 2; ++i) {
    Çerçeve[i] = new QGroupBox(i == 0 ? metinler.aramaÇerçevesi : metinler.bilgiÇerçevesi, this);
    Altlık[i] = new QWidget(Çerçeve[i]);
    (new QVBoxLayout(Çerçeve[i]))->addWidget(Altlık[i]);
  }
  Etiket.push_back(new QLabel(metinler.aramaEtiketi, Altlık[0]));
  AramaKutusu = new QLineEdit(Altlık[0]);
  AramaKutusu->setMaxLength(255);
  for (int i = 0; i < 2; ++i) {
    AramaSeçeneği[i] = new QRadioButton(i == 0 ? metinler.adaGöre : metinler.kodaGöre, Altlık[0]);
    AramaSeçeneği[i]->setCursor(Qt::PointingHandCursor);
  }
  AraDüğmesi = new QPushButton(metinler.araDüğmesi, Altlık[0]);
  Etiket.push_back(new QLabel(metinler.listeEtiketi, Altlık[0]));
  BulunanListe = new ListeKutusu(Altlık[0]);
  BulunanListe->setSortingEnabled(true);
  Etiket[0]->setBuddy(AramaKutusu);
  Etiket[1]->setBuddy(BulunanListe);

  auto* arama = new QVBoxLayout(Altlık[0]);
  arama->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{Etiket[0], AramaKutusu, AramaSeçeneği[0], AramaSeçeneği[1],
                                                    AraDüğmesi, Etiket[1]})
    arama->addWidget(w);
  arama->addWidget(BulunanListe, 1);
  AraDüğmesi->setFixedHeight(Piksel(345));
  Altlık[0]->setFixedWidth(Piksel(2475));

  BilgiDüzeni = new QGridLayout(Altlık[1]);
  BilgiDüzeni->setContentsMargins(0, 0, 0, 0);

  EkleDüğmesi = new QPushButton(metinler.ekleDüğmesi, this);
  DeğiştirDüğmesi = new QPushButton(metinler.değiştirDüğmesi, this);
  SilKaydetDüğmesi = new QPushButton(metinler.silDüğmesi, this);
  KapatİptalDüğmesi = new QPushButton(KapatMetni, this);
  auto* düğmeler = new QGridLayout;
  const std::array<QPushButton*, 4> sıra{EkleDüğmesi, DeğiştirDüğmesi, SilKaydetDüğmesi, KapatİptalDüğmesi};
  for (int i = 0; i < 4; ++i) {
    // No default button: Enter presses only the button that has the focus.
    sıra[i]->setAutoDefault(false);
    sıra[i]->setFixedHeight(Piksel(345));
    // Two rows: add and delete above, change and close below.
    if (ikiSıra)
      düğmeler->addWidget(sıra[i], i % 2, i / 2);
    else
      düğmeler->addWidget(sıra[i], 0, i);
  }
  AraDüğmesi->setAutoDefault(false);
  OdaktakiDüğmeEnterAlır(*this);

  auto* düzen = new QGridLayout(this);
  düzen->addWidget(Çerçeve[0], 0, 0, 2, 1);
  düzen->addWidget(Çerçeve[1], 0, 1);
  düzen->addLayout(düğmeler, 1, 1, Qt::AlignBottom);
  düzen->setSizeConstraint(QLayout::SetFixedSize);

  AlanAileleri::Bağla(AramaKutusu, Etiket[0], AlanAileleri::Aile::Arama, [this] { AraDüğmesi_Click(); });
  AlanAileleri::Bağla(BulunanListe, Etiket[1], AlanAileleri::Aile::Seçim);
  connect(AraDüğmesi, &QPushButton::clicked, this, [this] { AraDüğmesi_Click(); });
  connect(BulunanListe, &QListWidget::itemSelectionChanged, this, [this] { BulunanListe_Click(); });
  connect(EkleDüğmesi, &QPushButton::clicked, this, [this] { EkleDüğmesi_Click(); });
  connect(DeğiştirDüğmesi, &QPushButton::clicked, this, [this] { DeğiştirDüğmesi_Click(); });
  connect(SilKaydetDüğmesi, &QPushButton::clicked, this, [this] { SilKaydetDüğmesi_Click(); });
  connect(KapatİptalDüğmesi, &QPushButton::clicked, this, [this] { KapatİptalDüğmesi_Click(); });
  deneme_.bekleyen.Çözüldü = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    ÖncekiDenemeÇözüldü(iş, yazılmış, kendi);
  };
}

int TanımFormu::Piksel(int twip) { return (twip + 7) / 15; }

QLabel* TanımFormu::AlanEkle(const QString& başlık, QWidget* alan) {
  auto* etiket = new QLabel(başlık, Altlık[1]);
  etiket->setBuddy(alan);
  const int satır = BilgiDüzeni->rowCount();
  // A two-line field has its caption at its first line.
  const bool çokSatır = qobject_cast<QPlainTextEdit*>(alan) != nullptr;
  BilgiDüzeni->addWidget(etiket, satır, 0, Qt::AlignRight | (çokSatır ? Qt::AlignTop : Qt::AlignVCenter));
  BilgiDüzeni->addWidget(alan, satır, 1);
  Etiket.push_back(etiket);
  return etiket;
}

QLineEdit* TanımFormu::SatırEkle(const QString& başlık, AlanAileleri::Aile aile, int enUzun) {
  auto* kutu = new QLineEdit(Altlık[1]);
  kutu->setMaxLength(enUzun);
  AlanAileleri::Bağla(kutu, AlanEkle(başlık, kutu), aile);
  return kutu;
}

QPlainTextEdit* TanımFormu::ÇokSatırEkle(const QString& başlık, AlanAileleri::Aile aile, int enUzun) {
  auto* kutu = new QPlainTextEdit(Altlık[1]);
  kutu->setFixedHeight(Piksel(525));
  kutu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  AlanAileleri::Bağla(kutu, AlanEkle(başlık, kutu), aile, {}, enUzun);
  return kutu;
}

void TanımFormu::Kur() {
  // The fields keep together at the top of their frame.
  BilgiDüzeni->setRowStretch(BilgiDüzeni->rowCount(), 1);
  std::vector<QWidget*> sıra{AramaKutusu, AramaSeçeneği[0], AramaSeçeneği[1], AraDüğmesi, BulunanListe};
  for (QWidget* alan : KayıtAlanları()) sıra.push_back(alan);
  sıra.insert(sıra.end(), {EkleDüğmesi, DeğiştirDüğmesi, SilKaydetDüğmesi, KapatİptalDüğmesi});
  for (size_t i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
}

void TanımFormu::Form_Load() {
  for (QWidget* altlık : Altlık) {
    altlık->setAutoFillBackground(true);
    QPalette p = altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    altlık->setPalette(p);
  }
  // Opening always starts in browse, whatever state the form was closed in.
  GözatKipineGeç();
  AramaKutusu->clear();
  AramaSeçeneği[0]->setChecked(true);
  BulunanListe->clear();
  AlanlarıBoşalt();
  AlanAileleri::PencereyiSıfırla(this);
  AramaKutusu->setFocus();
}

QWidget* TanımFormu::ListeBoşkenOdak(bool) const { return AramaKutusu; }

void TanımFormu::AramaBölümünüEtkinleştir(bool etkin) {
  for (QWidget* w : std::initializer_list<QWidget*>{Çerçeve[0], Etiket[0], AramaKutusu, AraDüğmesi, AramaSeçeneği[0],
                                                    AramaSeçeneği[1], Etiket[1], BulunanListe, EkleDüğmesi,
                                                    DeğiştirDüğmesi})
    w->setEnabled(etkin);
}

void TanımFormu::AlanlarıBoşalt() {
  for (QWidget* alan : KayıtAlanları()) {
    if (auto* k = qobject_cast<QLineEdit*>(alan)) k->clear();
    if (auto* k = qobject_cast<QPlainTextEdit*>(alan)) k->clear();
    if (auto* k = qobject_cast<QComboBox*>(alan)) {
      k->setCurrentIndex(-1);
      k->clearEditText();
    }
  }
}

bool TanımFormu::KayıtSeçili() {
  if (BulunanListe->count() == 0) {
    MesajKutusu(metinler_.boşListe, Stil::Bilgi);
    ListeBoşkenOdak(false)->setFocus();
    return false;
  }
  if (BulunanListe->selectedItems().isEmpty() || AlanMetni(KayıtAlanları().front()).isEmpty()) {
    MesajKutusu(metinler_.seçimYok, Stil::Bilgi);
    BulunanListe->setFocus();
    return false;
  }
  return true;
}

void TanımFormu::AraDüğmesi_Click() {
  HataYakala([&] {
    BulunanListe->clear();
    AlanlarıBoşalt();
    if (AramaKutusu->text().trimmed().isEmpty()) {
      MesajKutusu(metinler_.boşArama, Stil::Bilgi);
      AramaKutusu->setFocus();
      return;
    }
    const bool adaGöre = AramaSeçeneği[0]->isChecked();
    for (const auto& b : TanımVerileri::Ara(*Ortak::Veritabanı, tanım_, adaGöre, AramaKutusu->text()))
      BulunanListe->addItem(new TürkçeListeÖğesi(b.metin, b.no));
    // While a save searches, both are disabled and the focus stays where it is.
    if (BulunanListe->count() == 0) {
      if (AramaKutusu->isEnabled()) AramaKutusu->setFocus();
    } else if (BulunanListe->isEnabled()) {
      BulunanListe->setFocus();
    }
  });
}

void TanımFormu::BulunanListe_Click() {
  HataYakala([&] {
    AlanlarıBoşalt();
    const auto seçili = BulunanListe->selectedItems();
    if (seçili.isEmpty()) return;
    SeçiliKayıtNo = seçili.first()->data(Qt::UserRole).toLongLong();
    KaydıYükle(SeçiliKayıtNo);
  });
}

void TanımFormu::BilgiKipineGeç(int kip) {
  KayıtKipi = kip;
  AramaBölümünüEtkinleştir(false);
  Çerçeve[1]->setEnabled(true);
  SilKaydetDüğmesi->setText(KaydetMetni);
  KapatİptalDüğmesi->setText(İptalMetni);
}

void TanımFormu::GözatKipineGeç() {
  DenemeyiBırak();
  KayıtKipi = Gözat;
  Çerçeve[1]->setEnabled(false);
  AramaBölümünüEtkinleştir(true);
  SilKaydetDüğmesi->setText(metinler_.silDüğmesi);
  KapatİptalDüğmesi->setText(KapatMetni);
}

void TanımFormu::EkleDüğmesi_Click() {
  HataYakala([&] {
    BilgiKipineGeç(YeniKayıt);
    AlanlarıBoşalt();
    KayıtAlanları().front()->setFocus();
  });
}

void TanımFormu::DeğiştirDüğmesi_Click() {
  HataYakala([&] {
    if (!KayıtSeçili()) return;
    BilgiKipineGeç(KayıtDeğiştir);
    KayıtAlanları().front()->setFocus();
  });
}

void TanımFormu::SilKaydetDüğmesi_Click() {
  if (KayıtKipi != Gözat) {
    const QString önceki = deneme_.bekleyen.İz();
    std::vector<QString> alanlar = AlanDeğerleri();
    HataYakala([&] { Kaydet(); });
    // Left unknown: the fields as they are now went with that commit.
    const bool bilinmiyor = deneme_.bekleyen.Var() && deneme_.bekleyen.İz() != önceki;
    if (bilinmiyor) denenenAlanlar_ = std::move(alanlar);
    // This save found its earlier try in the file: told with what became of the fields given now,
    // once the save is done, refused, or left unknown in its turn.
    if (const auto bulunan = std::exchange(kendiBulundu_, std::nullopt)) {
      // Its record deleted since by another workstation: the input went in as a new record, or
      // stays on the form.
      const QString silinmiş = bilinmiyor           ? QString()
                               : KayıtKipi != Gözat ? SonGirilenKaydedilmedi
                                                    : YeniKayıtOlarakEklendi;
      const QString metin = bulunan->silinmiş    ? ÖnceEklenipSilinmişMetni + silinmiş
                            : bilinmiyor         ? (bulunan->yeni ? ÖnceEklenmişMetni : ÖnceKaydedilmişMetni)
                            : KayıtKipi != Gözat ? SonGirilenYazılmadıMetni
                            : bulunan->yeni      ? ÖnceEklenmişMetni + (bulunan->aynı ? QString() : SonGirilenÜstüne)
                            : bulunan->aynı      ? ÖnceYazılmışMetni
                                                 : ÜzerineYazıldıMetni;
      MesajKutusu(metin, Stil::Bilgi);
    }
    return;
  }
  HataYakala([&] {
    if (!KayıtSeçili()) return;
    auto& vt = *Ortak::Veritabanı;
    // Asked first so that the question is not put for a record that cannot go; the
    // delete asks again in its own transaction.
    if (TanımVerileri::GirişVar(vt, EtkinTanım(), SeçiliKayıtNo)) {
      MesajKutusu(metinler_.girişVar, Stil::Bilgi);
      return;
    }
    if (MesajKutusu(metinler_.silmeSorusu, Stil::SilmeSorusu) != Platform::Cevap::Evet) return;
    if (!TanımVerileri::Sil(vt, EtkinTanım(), SeçiliKayıtNo)) {
      MesajKutusu(metinler_.girişVar, Stil::Bilgi);
      return;
    }
    const int sayaç = BulunanListe->row(BulunanListe->selectedItems().first());
    delete BulunanListe->takeItem(sayaç);
    if (BulunanListe->count() == 0)
      AlanlarıBoşalt();
    else
      BulunanListe->setCurrentRow(sayaç == 0 ? 0 : sayaç - 1);  // loads it
    BulunanListe->setFocus();
  });
}

void TanımFormu::KapatİptalDüğmesi_Click() {
  if (KayıtKipi == Gözat) {
    Kaldır();
    return;
  }
  GözatKipineGeç();
  AlanlarıBoşalt();
  if (BulunanListe->count() > 0) {
    BulunanListe_Click();
    BulunanListe->setFocus();
  } else {
    ListeBoşkenOdak(true)->setFocus();
  }
}

bool TanımFormu::KayıtSonucu(const TanımVerileri::KayıtSonucu& s, std::initializer_list<Ret> retler) {
  if (s.sonuç == TanımVerileri::Sonuç::Kaydedildi) return true;
  if (s.sonuç == TanımVerileri::Sonuç::KayıtYok) {
    MesajKutusu(metinler_.kayıtYok, Stil::Bilgi);
    // The record is gone: its entry goes too, so that going back to browse does not read it.
    for (int i = BulunanListe->count() - 1; i >= 0; --i)
      if (BulunanListe->item(i)->data(Qt::UserRole).toLongLong() == SeçiliKayıtNo) delete BulunanListe->takeItem(i);
    KapatİptalDüğmesi_Click();
    return false;
  }
  for (const Ret& r : retler) {
    if (r.sonuç != s.sonuç) continue;
    MesajKutusu(r.mesaj, Stil::Bilgi);
    r.alan->setFocus();
  }
  return false;
}

void TanımFormu::KaydedileniGöster(const QString& ad, qint64 no) {
  AramaKutusu->setText(ad);
  AramaSeçeneği[0]->setChecked(true);
  AraDüğmesi_Click();
  // The saved record, also when another one has the same name.
  int satır = BulunanListe->count() > 0 ? 0 : -1;
  for (int i = 0; i < BulunanListe->count(); ++i)
    if (BulunanListe->item(i)->data(Qt::UserRole).toLongLong() == no) satır = i;
  if (satır >= 0) BulunanListe->setCurrentRow(satır);
  KapatİptalDüğmesi_Click();
}

std::vector<QString> TanımFormu::AlanDeğerleri() const {
  std::vector<QString> değerler;
  for (const QWidget* alan : KayıtAlanları()) değerler.push_back(AlanMetni(alan));
  return değerler;
}

void TanımFormu::DenemeyiBırak() {
  deneme_.bekleyen.Bırak();
  deneme_.no = 0;
  deneme_.silinmiş = false;
  denenenAlanlar_.clear();
}

void TanımFormu::ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
  const std::vector<QString> denenen = std::exchange(denenenAlanlar_, {});
  const bool yazıldı = yazılmış.value_or(false), yeniKayıt = KayıtKipi == YeniKayıt;
  const bool silinmiş = std::exchange(deneme_.silinmiş, false);
  // Its new record is in the file: what the form holds is a change of that record from now on.
  if (yazıldı && KayıtKipi == YeniKayıt && deneme_.no && !silinmiş) {
    KayıtKipi = KayıtDeğiştir;
    SeçiliKayıtNo = std::exchange(deneme_.no, 0);
    ÖncekiDenemeEklendi(SeçiliKayıtNo);
  }
  if (kendi) {
    // This save read it, and has written the form's input as a new record or over the stored one.
    if (yazıldı)
      kendiBulundu_ = KendiBulunan{yeniKayıt, AlanDeğerleri() == denenen, silinmiş};
    else if (!yazılmış)
      MesajKutusu(ÖncekiİşMetni(iş, yazılmış), Stil::Bilgi);
    return;
  }
  if (!yazıldı) {
    // The number its try was given is no record's; the input stays to be saved as it is.
    deneme_.no = 0;
    MesajKutusu(ÖncekiİşMetni(iş, yazılmış, QStringLiteral("bilgileri formda, kaydedilmeyi bekliyor.")), Stil::Bilgi);
    return;
  }
  // Stored as the form still shows it: the record is shown as after any save. Changed since, the
  // change stays on the form, to be saved over it.
  const bool değişmedi = AlanDeğerleri() == denenen;
  if (değişmedi) HataYakala([&] { KayıtSonrası(SeçiliKayıtNo); });
  MesajKutusu(ÖncekiİşMetni(iş, true) +
                  (değişmedi ? QString()
                             : QStringLiteral(" Formda sonradan yaptığınız değişiklikler henüz kaydedilmedi.")),
              Stil::Bilgi);
}

void TanımFormu::reject() { KapatİptalDüğmesi_Click(); }

void TanımFormu::Kaldır() {
  DenemeyiBırak();
  KayıtKipi = Gözat;
  yüklü_ = false;
  if (isVisible()) done(QDialog::Rejected);
}

void TanımFormu::showEvent(QShowEvent* olay) {
  if (!yüklü_) {
    yüklü_ = true;
    Form_Load();
  }
  QDialog::showEvent(olay);
}

void TanımFormu::closeEvent(QCloseEvent* olay) {
  olay->accept();
  Kaldır();
}

