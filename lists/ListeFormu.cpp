#include "ListeFormu.h"

#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "ListeRaporu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "SikiListeGorunumu.h"
#include "TarihKutusu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

using namespace OrtakYordamlarModülü;

namespace {

const QString BoşSonuç = QStringLiteral("Seçtiğiniz ölçütlere uygun kayıt bulunamadı!");

QPushButton* Düğme(const QString& metin, QWidget* ebeveyn) {
  auto* d = new QPushButton(metin, ebeveyn);
  d->setAutoDefault(false);
  return d;
}

}  // namespace

ListeFormu::ListeFormu(Tasarım tasarım) : tasarım_(std::move(tasarım)) {
  setWindowTitle(tasarım_.başlık);

  auto* süzgeçler = new QGroupBox(QStringLiteral("Liste Ölçütleri "), this);
  auto* ızgara = new QGridLayout(süzgeçler);
  const auto etiketli = [&](int e, const QString& metin, QWidget* alan, int satır, int sütun) {
    Etiket[e] = new QLabel(metin, süzgeçler);
    Etiket[e]->setBuddy(alan);
    ızgara->addWidget(Etiket[e], satır, sütun);
    ızgara->addWidget(alan, satır, sütun + 1);
  };
  // A form without a chooser shows its warehouse first.
  const int depoSütunu = tasarım_.seçici == Seçici::Yok ? 0 : 2;
  SeçimKutusu = new QComboBox(süzgeçler);
  SeçimKutusu->setMinimumWidth(230);
  etiketli(0, tasarım_.seçici == Seçici::Neden ? QStringLiteral("Çıkış &Nedeni :") : QStringLiteral("&Firmalar :"),
           SeçimKutusu, 0, 2 - depoSütunu);
  DepoKutusu = new QComboBox(süzgeçler);
  DepoKutusu->setMinimumWidth(200);
  etiketli(1, QStringLiteral("&Depo :"), DepoKutusu, 0, depoSütunu);
  İlkTarihKutusu = new TarihKutusu(süzgeçler);
  etiketli(2, QStringLiteral("&Başlangıç :"), İlkTarihKutusu, 1, 0);
  SonTarihKutusu = new TarihKutusu(süzgeçler);
  etiketli(3, QStringLiteral("Bi&tiş :"), SonTarihKutusu, 1, 2);
  TümTarihlerOnayı = new QCheckBox(QStringLiteral("Tüm T&arihler"), süzgeçler);
  ızgara->addWidget(TümTarihlerOnayı, 1, 4);
  ListeleDüğmesi = Düğme(QStringLiteral("&Listele"), süzgeçler);
  ızgara->addWidget(ListeleDüğmesi, 0, 4);
  ızgara->setColumnStretch(5, 1);
  // Where a form has no chooser or no warehouse, its row keeps its place empty.
  for (int e : {0, 1}) {
    const bool var = e == 0 ? tasarım_.seçici != Seçici::Yok : tasarım_.depo;
    Etiket[e]->setVisible(var);
    (e == 0 ? SeçimKutusu : DepoKutusu)->setVisible(var);
  }

  Etiket[4] = new QLabel(tasarım_.listeEtiketi, this);
  Liste = new SıkıListeGörünümü(this);
  Etiket[4]->setBuddy(Liste);
  DüzenliListe(Liste, tasarım_.listeAdı, tasarım_.eskiListeAdı);
  if (tasarım_.türler.size() != tasarım_.sütunlar.size())
    throw std::invalid_argument("ListeFormu: a caption for every column of the list");
  int genişlik = 0;
  for (size_t i = 0; i < tasarım_.sütunlar.size(); ++i) {
    const Sütun& s = tasarım_.sütunlar[i];
    Liste->SütunEkle(QString::fromUtf8(s.başlık), s.genişlikTwip, tasarım_.türler[i]);
    genişlik += s.genişlikTwip / SütunluListe::PikselBaşınaTwip;
  }
  Liste->setMinimumSize(std::min(genişlik + 24, 760), 240);

  Etiket[5] = new QLabel(QStringLiteral("Toplam Ağırlık :"), this);
  ToplamAğırlıkKutusu = new QLineEdit(this);
  ToplamAğırlıkKutusu->setReadOnly(true);
  ToplamAğırlıkKutusu->setAlignment(Qt::AlignRight);
  ToplamAğırlıkKutusu->setFocusPolicy(Qt::NoFocus);
  ToplamAğırlıkKutusu->setMaximumWidth(140);
  OrtakYordamlarModülü::SayıKutusunaYerAç(*ToplamAğırlıkKutusu);
  YazdırDüğmesi = Düğme(QStringLiteral("&Yazdır"), this);
  ExceleAktarDüğmesi = Düğme(QStringLiteral("Microsoft E&xcel'e Aktar"), this);
  KapatDüğmesi = Düğme(QStringLiteral("Kapat (Esc)"), this);
  OdaktakiDüğmeEnterAlır(*this);

  auto* alt = new QHBoxLayout;
  alt->addWidget(Etiket[5]);
  alt->addWidget(ToplamAğırlıkKutusu);
  alt->addStretch();
  alt->addWidget(YazdırDüğmesi);
  alt->addWidget(ExceleAktarDüğmesi);
  alt->addWidget(KapatDüğmesi);
  auto* düzen = new QVBoxLayout(this);
  düzen->addWidget(süzgeçler);
  düzen->addWidget(Etiket[4]);
  düzen->addWidget(Liste, 1);
  düzen->addLayout(alt);

  connect(ListeleDüğmesi, &QPushButton::clicked, this, [this] { ListeleDüğmesi_Click(); });
  connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
  connect(ExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ExceleAktarDüğmesi_Click(); });
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
  connect(TümTarihlerOnayı, &QCheckBox::clicked, this, [this] { TümTarihlerOnayı_Click(); });
  Liste->BaşlığaTıklandı = [this](int i) { Liste_ColumnClick(i); };
}

void ListeFormu::Form_Load() {
  ListeFormuTabanı::Form_Load();
  ToplamAğırlıkKutusu->clear();
  kapsam_.clear();
  SeçimKutusu->clear();
  DepoKutusu->clear();
  İlkTarihKutusu->DeğerAyarla(Platform::Bugün());
  SonTarihKutusu->DeğerAyarla(Platform::Bugün());
  TümTarihlerOnayı->setChecked(true);
  TümTarihlerOnayı_Click();
  HataYakala([&] {
    Veritabanı& vt = *Ortak::Veritabanı;
    if (tasarım_.seçici == Seçici::Firma) {
      SeçimKutusu->addItem(QStringLiteral("Tüm Firmalar"));
      for (const auto& f : ListeVerileri::Firmalar(vt, SeçiciFirmaTürü())) SeçimKutusu->addItem(f.ad, f.no);
    } else if (tasarım_.seçici == Seçici::Neden) {
      SeçimKutusu->addItem(QStringLiteral("Tüm Nedenler"));
      for (int n = 0; n < ÇıkışNedeniSayısı; ++n) SeçimKutusu->addItem(ÇıkışNedeniAdı(n), n);
    }
    if (tasarım_.depo) {
      DepoKutusu->addItem(QStringLiteral("Tüm Depolar"));
      for (const auto& d : ListeVerileri::Depolar(vt)) DepoKutusu->addItem(d.ad, d.no);
    }
    TümTarihleriGöster();
  });
}

void ListeFormu::Form_Unload() {
  ListeFormuTabanı::Form_Unload();
  // Loaded again, the form starts on its first control, not on the one used last.
  if (QWidget* odak = focusWidget()) odak->clearFocus();
}

bool ListeFormu::TümTarihleriGöster() {
  const auto dönem = ListeVerileri::TümDönem(*Ortak::Veritabanı, TarihKaynağı());
  if (!dönem) return false;
  İlkTarihKutusu->DeğerAyarla(dönem->ilk);
  SonTarihKutusu->DeğerAyarla(dönem->son);
  return true;
}

void ListeFormu::TümTarihlerOnayı_Click() {
  const bool tümü = TümTarihlerOnayı->isChecked();
  İlkTarihKutusu->setEnabled(!tümü);
  SonTarihKutusu->setEnabled(!tümü);
  Etiket[2]->setEnabled(!tümü);
  Etiket[3]->setEnabled(!tümü);
  if (tümü && Yüklü()) HataYakala([&] { TümTarihleriGöster(); });
}

ListeVerileri::Süzgeç ListeFormu::Süzgeç() const {
  ListeVerileri::Süzgeç s;
  const auto seçilen = [](const QComboBox* k) {
    const QVariant v = k->currentData();
    return v.isValid() ? std::optional<qint64>(v.toLongLong()) : std::nullopt;
  };
  if (tasarım_.seçici != Seçici::Yok) s.seçim = seçilen(SeçimKutusu);
  if (tasarım_.depo) s.depo = seçilen(DepoKutusu);
  s.dönem = {İlkTarihKutusu->Değer(), SonTarihKutusu->Değer()};
  return s;
}

QStringList ListeFormu::Kapsam() const {
  QStringList parçalar;
  if (tasarım_.depo) parçalar << QStringLiteral("Depo: ") + DepoKutusu->currentText();
  parçalar << QStringLiteral("Dönem: ") + (TümTarihlerOnayı->isChecked()
                                               ? QStringLiteral("Tüm Tarihler")
                                               : TürkçeMetin::TarihMetni(İlkTarihKutusu->Değer()) + QStringLiteral(" - ") +
                                                     TürkçeMetin::TarihMetni(SonTarihKutusu->Değer()));
  if (tasarım_.seçici == Seçici::Firma) parçalar << QStringLiteral("Firma: ") + SeçimKutusu->currentText();
  if (tasarım_.seçici == Seçici::Neden) parçalar << QStringLiteral("Çıkış Nedeni: ") + SeçimKutusu->currentText();
  return parçalar;
}

void ListeFormu::ListeyiBoşalt() {
  Liste->Temizle();
  ToplamAğırlıkKutusu->clear();
  kapsam_.clear();
}

void ListeFormu::ListeleDüğmesi_Click() {
  if (!TümTarihlerOnayı->isChecked() && İlkTarihKutusu->Değer() > SonTarihKutusu->Değer()) {
    // The rows of the last build no longer stand under the dates shown.
    ListeyiBoşalt();
    MesajKutusu(QStringLiteral("Başlangıç tarihi, bitiş tarihinden sonra olamaz! Lütfen, tarihleri kontrol ediniz."),
                Stil::Bilgi);
    İlkTarihKutusu->setFocus();
    return;
  }
  oluşturuldu_ = false;
  Form<İlerlemeGösterFormu>().İşiÇalıştır(tasarım_.oluşturİşi, İş::OluşturBaşlık, İş::OluşturMetin, this);
  // After a failure the error box has spoken already.
  if (oluşturuldu_ && Liste->SatırSayısı() == 0) MesajKutusu(BoşSonuç, Stil::Bilgi);
}

void ListeFormu::ListeOluştur() {
  Yükle();
  İlerlemeGösterFormu& ilerleme = Form<İlerlemeGösterFormu>();
  const İlerlemeKaldırıcı kaldır(ilerleme);

  ListeyiBoşalt();
  oluşturuldu_ = HataYakala([&] {
    // "All dates" reaches the rows written meanwhile by other workstations too.
    if (TümTarihlerOnayı->isChecked() && !TümTarihleriGöster()) return;
    SıkıListe satırlar = Satırlar(*Ortak::Veritabanı, Süzgeç());
    // The rows come whole from the statement: the bar shows them read.
    const qint64 n = satırlar.SatırSayısı();
    ilerleme.EnBüyükYaz(n);
    ilerleme.DeğerYaz(n);
    const TürkçeMetin::Miktar toplam = n > 0 ? satırlar.Topla(tasarım_.ağırlıkSütunu) : 0;
    Liste->Doldur(std::move(satırlar));
    OrtakYordamlarModülü::SayıGöster(*ToplamAğırlıkKutusu, TürkçeMetin::MiktarMetni(toplam));
    kapsam_ = Kapsam();
  });
}

void ListeFormu::YazdırDüğmesi_Click() {
  ListeRaporu::Yazdır(*this, YazdırDüğmesi, *Liste, {windowTitle(), ToplamAğırlıkKutusu->text(), kapsam_});
}

void ListeFormu::ExceleAktarDüğmesi_Click() { ListeRaporu::ExceleAktar(*this, *Liste, tasarım_.aktarİşi); }

void ListeFormu::MSExceleAktar() { ListeyiAktar(*Liste, SayfaAdı(), windowTitle()); }

void ListeFormu::KapatDüğmesi_Click() { done(QDialog::Rejected); }

void ListeFormu::Liste_ColumnClick(int başlıkIndex) { ListeSütunuTıklandı(*Liste, başlıkIndex); }
