#include "FisSablonu.h"

#include "AlanAileleri.h"
#include "CikisVerileri.h"
#include "ExcelAktarmaDuzeni.h"
#include "FisBaskisi.h"
#include "FisVerileri.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "ListeKutusu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "Simgeler.h"
#include "TarihKutusu.h"
#include "TurkceListeOgesi.h"
#include "YazdirmaModulu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace OrtakYordamlarModülü;
using AlanAileleri::Aile;
using TürkçeMetin::Miktar;

namespace {

int Piksel(int twip) { return (twip + ListeGörünümü::PikselBaşınaTwip / 2) / ListeGörünümü::PikselBaşınaTwip; }

constexpr int SeçiciGenişliği = 2355;
constexpr int AlanGenişliği = 1935;
constexpr int SayıUzunluğu = 20;
constexpr int BulUzunluğu = 255;

// A box only the program writes: the user can neither reach it nor type into it.
QLineEdit* GösterimKutusu(QWidget* ebeveyn) {
  auto* kutu = new QLineEdit(ebeveyn);
  kutu->setReadOnly(true);
  kutu->setFocusPolicy(Qt::NoFocus);
  return kutu;
}


}  // namespace

// ---------------------------------------------------------------- chooser column

SeçiciSütunu::SeçiciSütunu(const SeçiciTanımı& tanım, bool sıralı, QWidget* ebeveyn) : QWidget(ebeveyn) {
  auto* düzen = new QVBoxLayout(this);
  düzen->setContentsMargins(0, 0, 0, 0);
  Etiket = new QLabel(tanım.başlık, this);
  Liste = new ListeKutusu(this);
  Liste->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste->setSortingEnabled(sıralı);
  Liste->setFixedHeight(Piksel(tanım.yükseklikTwip));
  Etiket->setBuddy(Liste);
  düzen->addWidget(Etiket);
  düzen->addWidget(Liste);
  if (tanım.seçenekler.size() == 2) {
    Altlık = new QWidget(this);
    auto* seçenekler = new QVBoxLayout(Altlık);
    seçenekler->setContentsMargins(0, 0, 0, 0);
    seçenekler->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
      Seçenek[i] = new QRadioButton(tanım.seçenekler[i], Altlık);
      seçenekler->addWidget(Seçenek[i]);
      connect(Seçenek[i], &QRadioButton::clicked, this, [this, i] {
        if (SeçenekTıklandı) SeçenekTıklandı(i);
      });
    }
    düzen->addWidget(Altlık);
  }
  düzen->addStretch();
  BulEtiketi = new QLabel(tanım.bulBaşlığı, this);
  BulKutusu = tanım.bulurkenSeç ? new QLineEdit(this) : new AlanAileleri::SeçmedenGirilenKutu(this);
  BulKutusu->setMaxLength(BulUzunluğu);
  BulEtiketi->setBuddy(BulKutusu);
  düzen->addWidget(BulEtiketi);
  düzen->addWidget(BulKutusu);
  // The options' captions are shown whole, whatever the font.
  setFixedWidth(std::max(Piksel(SeçiciGenişliği), Altlık ? Altlık->sizeHint().width() : 0));

  AlanAileleri::Bağla(Liste, Etiket, Aile::Seçim, {.enterİlerler = true});
  if (tanım.bulurkenSeç)
    AlanAileleri::Bağla(BulKutusu, BulEtiketi, Aile::Bul);
  else
    AlanAileleri::Bağla(BulKutusu, BulEtiketi, Aile::Seçim, {.olduğuGibi = true});
  connect(Liste, &QListWidget::itemSelectionChanged, this, [this] {
    if (Tıklandı) Tıklandı();
  });
  // The first item that begins with the typed text is chosen, or none.
  connect(BulKutusu, &QLineEdit::textChanged, this, [this](const QString& metin) { Seç(ListedeAra(Liste, metin)); });
  Sıfırla();
}

std::optional<qint64> SeçiciSütunu::SeçiliNo() const {
  const auto seçili = Liste->selectedItems();
  if (seçili.isEmpty()) return std::nullopt;
  return seçili.first()->data(Qt::UserRole).toLongLong();
}

QString SeçiciSütunu::SeçiliMetin() const {
  const auto seçili = Liste->selectedItems();
  return seçili.isEmpty() ? QString() : seçili.first()->text();
}

void SeçiciSütunu::Seç(int satır) {
  if (satır >= 0 && satır < Liste->count()) {
    Liste->setCurrentRow(satır);
    return;
  }
  Liste->setCurrentRow(-1);
  Liste->clearSelection();
}

bool SeçiciSütunu::AdlarGösteriliyor() const { return !Seçenek[0] || Seçenek[0]->isChecked(); }

void SeçiciSütunu::Sıfırla() {
  Liste->clear();
  BulKutusu->clear();
  if (Seçenek[0]) Seçenek[0]->setChecked(true);
}

// ---------------------------------------------------------------- working list

ÇalışmaListesi::ÇalışmaListesi(const QString& başlık, const std::vector<SütunTanımı>& sütunlar, int ağırlıkSütunu,
                               QString ayarAdı, QWidget* ebeveyn)
    : QGroupBox(başlık, ebeveyn), sütunlar_(sütunlar), ağırlıkSütunu_(ağırlıkSütunu), ayarAdı_(std::move(ayarAdı)) {
  Liste = new ListeGörünümü(this);
  for (const SütunTanımı& s : sütunlar_)
    Liste->SütunEkle(QString::fromUtf8(s.başlık), s.genişlikTwip,
                     s.tür == ListeyiSıralaModülü::SütunTürü::Sayı ? ListeGörünümü::Hiza::Sağ
                                                                   : ListeGörünümü::Hiza::Sol);
  Liste->BaşlığaTıklandı = [this](int i) { SütunaTıklandı(i); };

  Altlık = new QWidget(this);
  ToplamEtiketi = new QLabel(QStringLiteral("Toplam Ağırlık :"), Altlık);
  ToplamAğırlıkKutusu = GösterimKutusu(Altlık);
  ToplamAğırlıkKutusu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont kalın = ToplamAğırlıkKutusu->font();
  kalın.setBold(true);
  ToplamAğırlıkKutusu->setFont(kalın);
  ToplamAğırlıkKutusu->setFixedWidth(Piksel(2300));
  OrtakYordamlarModülü::SayıKutusunaYerAç(*ToplamAğırlıkKutusu);
  auto* alt = new QHBoxLayout(Altlık);
  alt->setContentsMargins(0, 0, 0, 0);
  alt->addStretch();
  alt->addWidget(ToplamEtiketi);
  alt->addWidget(ToplamAğırlıkKutusu);

  auto* düzen = new QVBoxLayout(this);
  düzen->addWidget(Liste, 1);
  düzen->addWidget(Altlık);
  bekleyen_.Çözüldü = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    ÖncekiDenemeÇözüldü(iş, yazılmış, kendi);
  };
}

namespace {
// Marks a row that was in the list when its commit was left unknown.
constexpr int ÖncekiDenemeRolü = Qt::UserRole + 1;
}  // namespace

bool ÇalışmaListesi::ÖncekiDenemede(const QTreeWidgetItem* satır) { return satır->data(0, ÖncekiDenemeRolü).toBool(); }

bool ÇalışmaListesi::Dolu() const { return Liste->SatırSayısı() > 0; }

int ÇalışmaListesi::ÖncekiDenemedekiSatırlar() const {
  int n = 0;
  for (int i = 1; i <= Liste->SatırSayısı(); ++i) n += ÖncekiDenemede(Liste->Satır(i));
  return n;
}

bool ÇalışmaListesi::Yinelenen(const QString& anahtar) const { return Liste->EtiketleBul(anahtar) != nullptr; }

void ÇalışmaListesi::Ekle(const QStringList& hücreler, const QString& anahtar) {
  QTreeWidgetItem* satır = Liste->SatırEkle(hücreler.value(0));
  for (int k = 1; k < hücreler.size(); ++k) satır->setText(k, hücreler[k]);
  ListeGörünümü::SatırEtiketiAyarla(satır, anahtar);
  // The total adds the weights as the cells show them, two decimals each.
  toplam_ += TürkçeMetin::MiktarOku(hücreler.value(ağırlıkSütunu_)).value_or(0);
  ToplamıGöster();
  if (!isEnabled()) DurumuAyarla(true);
}

void ÇalışmaListesi::SeçiliyiÇıkar() {
  const int p = Liste->SeçiliSatırKonumu();
  if (p == 0) return;
  toplam_ -= TürkçeMetin::MiktarOku(Liste->AltÖğe(p, ağırlıkSütunu_)).value_or(0);
  Liste->SatırSil(p);
  if (!Dolu()) {
    Temizle();
    return;
  }
  Liste->SatırSeç(p > 1 ? p - 1 : 1);
  Liste->setFocus();
  ToplamıGöster();
}

void ÇalışmaListesi::Temizle() {
  // The rows an unknown commit left are gone from the form: that commit is told as any other.
  bekleyen_.Bırak();
  Liste->Temizle();
  DurumuAyarla(false);
  toplam_ = 0;
  ToplamAğırlıkKutusu->clear();
}

void ÇalışmaListesi::SütunaTıklandı(int başlıkIndex) {
  if (başlıkIndex < 1 || başlıkIndex > static_cast<int>(sütunlar_.size())) return;
  ListeyiSıralaModülü::SütunTıklandı(*Liste, başlıkIndex, sütunlar_[başlıkIndex - 1].tür);
}

std::vector<QStringList> ÇalışmaListesi::Satırlar() const {
  std::vector<QStringList> satırlar;
  satırlar.reserve(Liste->SatırSayısı());
  for (int i = 1; i <= Liste->SatırSayısı(); ++i) {
    QStringList hücreler;
    for (int k = 0; k < Liste->SütunSayısı(); ++k) hücreler << Liste->AltÖğe(i, k);
    satırlar.push_back(hücreler);
  }
  return satırlar;
}

bool ÇalışmaListesi::Aktar(const std::function<void(const Yazılacak&)>& yaz) {
  Yazılacak iş{Satırlar(), {&bekleyen_, {}}};
  for (int i = 1; i <= Liste->SatırSayısı(); ++i) iş.önceki.satırlar.push_back(ÖncekiDenemede(Liste->Satır(i)));
  const QString önceki = bekleyen_.İz();
  bool yazıldı = false;
  try {
    yazıldı = HataYakala([&] { yaz(iş); });
  } catch (const FişVerileri::ListeYazılamaz& h) {
    MesajKutusu(h.Mesaj(), Stil::Bilgi);
  }
  if (yazıldı) {
    Temizle();
  } else if (bekleyen_.Var() && bekleyen_.İz() != önceki) {
    // Left unknown: every row now in the list went with that commit.
    for (int i = 1; i <= Liste->SatırSayısı(); ++i) Liste->Satır(i)->setData(0, ÖncekiDenemeRolü, true);
  }
  return yazıldı;
}

void ÇalışmaListesi::ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış,
                                        bool kendi) {
  if (!yazılmış.value_or(false)) {
    // Not in the file: the rows are ordinary rows again, saved with the list.
    for (int i = 1; i <= Liste->SatırSayısı(); ++i) Liste->Satır(i)->setData(0, ÖncekiDenemeRolü, QVariant());
    if (!kendi)
      MesajKutusu(ÖncekiİşMetni(iş, yazılmış, QStringLiteral("satırları listede, kaydedilmeyi bekliyor.")),
                  Stil::Bilgi);
    return;
  }
  for (int i = Liste->SatırSayısı(); i >= 1; --i) {
    if (!ÖncekiDenemede(Liste->Satır(i))) continue;
    toplam_ -= TürkçeMetin::MiktarOku(Liste->AltÖğe(i, ağırlıkSütunu_)).value_or(0);
    Liste->SatırSil(i);
  }
  if (Dolu())
    ToplamıGöster();
  else
    Temizle();
  MesajKutusu(QStringLiteral("İşlem, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; o satırlar yeniden "
                             "kaydedilmedi ve listeden çıkarıldı."),
              Stil::Bilgi);
}

void ÇalışmaListesi::Yükle() {
  // As designed first, so that a layout never saved still gives every column its place.
  Liste->TasarımaDön();
  Liste->DüzeniYükle(ayarAdı_);
  Liste->BaşlıkResimleriAyarla(Resim(QStringLiteral("YUKARI")), Resim(QStringLiteral("ASAGI")));
  Temizle();
}

void ÇalışmaListesi::DüzeniKaydet() const { ListeDüzeniniKaydet(*Liste, ayarAdı_, *window()); }

void ÇalışmaListesi::DurumuAyarla(bool dolu) {
  setEnabled(dolu);
  for (QWidget* d : Düğmeler) d->setEnabled(dolu);
}

void ÇalışmaListesi::ToplamıGöster() {
  OrtakYordamlarModülü::SayıGöster(*ToplamAğırlıkKutusu, TürkçeMetin::MiktarMetni(toplam_));
}

// ---------------------------------------------------------------- voucher form

FişFormu::FişFormu(const FişTanımı& tanım) : tanım_(tanım) {
  setWindowTitle(tanım_.başlık);
  int altlıkSayısı = tanım_.toplamAltlığı + 1;
  for (const SeçiciTanımı& s : tanım_.seçiciler) altlıkSayısı = std::max(altlıkSayısı, s.altlık + 1);
  Altlık.assign(altlıkSayısı, nullptr);

  // Controls are made in the order the focus follows.
  Çerçeve[0] = new QGroupBox(QStringLiteral("Ürün Seçme "), this);
  Altlık[0] = new QWidget(Çerçeve[0]);
  auto* seçimDüzeni = new QHBoxLayout(Altlık[0]);
  seçimDüzeni->setContentsMargins(0, 0, 0, 0);
  for (const SeçiciTanımı& s : tanım_.seçiciler) {
    auto* seçici = new SeçiciSütunu(s, tanım_.sıralı, Altlık[0]);
    Seçiciler.push_back(seçici);
    Etiket.push_back(seçici->Etiket);
    Etiket.push_back(seçici->BulEtiketi);
    if (s.altlık > 0) Altlık[s.altlık] = seçici->Altlık;
    seçimDüzeni->addWidget(seçici);
  }

  auto* sağ = new QWidget(Altlık[0]);
  auto* alanlar = new QGridLayout(sağ);
  alanlar->setContentsMargins(0, 0, 0, 0);
  int satır = 0;
  std::vector<QWidget*> kutular;
  // The fields share one width: the design's, or what the widest figure needs when that is more.
  int alanGenişliği = Piksel(AlanGenişliği);
  for (const auto& [alan, başlık] : tanım_.alanlar) {
    auto* etiket = new QLabel(başlık, sağ);
    etiket->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Etiket.push_back(etiket);
    QWidget* kutu = nullptr;
    switch (alan) {
      case FişAlanı::ÜrünKodu: kutu = ÜrünKoduKutusu = GösterimKutusu(sağ); break;
      case FişAlanı::MevcutSayı: kutu = MevcutÜrünSayısıKutusu = GösterimKutusu(sağ); break;
      case FişAlanı::MevcutAğırlık: kutu = MevcutÜrünAğırlığıKutusu = GösterimKutusu(sağ); break;
      case FişAlanı::Kişi:
        kutu = KişiKutusu = new QComboBox(sağ);
        KişiKutusu->setLineEdit(new AlanAileleri::SeçmedenGirilenKutu(KişiKutusu));
        KişiKutusu->setInsertPolicy(QComboBox::NoInsert);
        // The name stays as typed: no completion from the known names.
        KişiKutusu->setCompleter(nullptr);
        AlanAileleri::Bağla(KişiKutusu, etiket, Aile::Seçim, {.olduğuGibi = true});
        break;
      case FişAlanı::Tarih:
        kutu = TarihAlanı = new TarihKutusu(sağ);
        AlanAileleri::Bağla(TarihAlanı, etiket, Aile::Seçim, {.enterİlerler = true});
        break;
      case FişAlanı::Miktar:
        kutu = MiktarKutusu = new QLineEdit(sağ);
        MiktarKutusu->setMaxLength(SayıUzunluğu);
        AlanAileleri::Bağla(MiktarKutusu, etiket, Aile::Ondalık);
        break;
      case FişAlanı::Neden:
        kutu = NedenKutusu = new QComboBox(sağ);
        AlanAileleri::Bağla(NedenKutusu, nullptr, Aile::Seçim, {.enterİlerler = true});
        break;
    }
    if (auto* sayı = qobject_cast<QLineEdit*>(kutu); sayı && alan != FişAlanı::ÜrünKodu)
      alanGenişliği = std::max(alanGenişliği, OrtakYordamlarModülü::SayıKutusuGenişliği(*sayı));
    kutular.push_back(kutu);
    etiket->setBuddy(kutu);
    alanlar->addWidget(etiket, satır, 0);
    alanlar->addWidget(kutu, satır, 1);
    ++satır;
  }
  for (QWidget* kutu : kutular) kutu->setFixedWidth(alanGenişliği);
  ListeyeEkleDüğmesi = new QPushButton(QStringLiteral("&Listeye Ekle"), sağ);
  alanlar->addWidget(ListeyeEkleDüğmesi, satır, 1);
  alanlar->setRowStretch(satır + 1, 1);
  seçimDüzeni->addWidget(sağ, 1);
  auto* üstDüzen = new QVBoxLayout(Çerçeve[0]);
  üstDüzen->addWidget(Altlık[0]);

  Çalışma = new ÇalışmaListesi(tanım_.listeÇerçevesi, tanım_.sütunlar, tanım_.ağırlıkSütunu, tanım_.ayarAdı, this);
  Çerçeve[1] = Çalışma;
  Altlık[tanım_.toplamAltlığı] = Çalışma->Altlık;
  Etiket.push_back(Çalışma->ToplamEtiketi);

  auto* düğmeler = new QHBoxLayout;
  for (const QString& başlık : tanım_.listeDüğmeleri) {
    auto* d = new QPushButton(başlık, this);
    ListeDüğmeleri.push_back(d);
    Çalışma->Düğmeler.push_back(d);
    düğmeler->addWidget(d);
  }
  KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), this);
  düğmeler->addWidget(KapatDüğmesi);

  auto* düzen = new QVBoxLayout(this);
  düzen->addWidget(Çerçeve[0]);
  düzen->addWidget(Çalışma, 1);
  düzen->addLayout(düğmeler);
  resize(Piksel(11385) + 24, Piksel(3885 + 3315) + 64);

  // No default button: Enter presses the button that has the focus, and nothing else.
  for (QPushButton* d : findChildren<QPushButton*>()) d->setAutoDefault(false);
  OdaktakiDüğmeEnterAlır(*this);
  // Esc and the close box come through done() as well.
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  if (tanım_.excel.iş)
    connect(ListeDüğmeleri.back(), &QPushButton::clicked, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
  yeniKişi_.bekleyen.Çözüldü = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    YeniKişiÇözüldü(iş, yazılmış, kendi);
  };
}

void FişFormu::Yükle() {
  if (!yüklü_) Form_Load();
}

void FişFormu::Form_Load() {
  for (QWidget* a : Altlık)
    if (a) a->setPalette(palette());
  Çalışma->Yükle();
  for (SeçiciSütunu* s : Seçiciler) s->Sıfırla();
  ÜrünBilgisiniGöster(std::nullopt);
  BirimAğırlığı = 0;
  KişiKutusu->clear();
  HataYakala([this] {
    for (const FişVerileri::Kişi& k : FişVerileri::KişileriOku(*Ortak::Veritabanı)) KişiKutusu->addItem(k.ad, k.no);
  });
  KişiKutusu->setCurrentIndex(-1);
  KişiKutusu->clearEditText();
  TarihAlanı->DeğerAyarla(Platform::Bugün());
  MiktarKutusu->clear();
  if (NedenKutusu) NedenKutusu->setCurrentIndex(-1);
  // As at the first opening, the line begins at the first chooser (not on the button that closed it).
  Seçiciler.front()->Liste->setFocus(Qt::OtherFocusReason);
  yüklü_ = true;
}

void FişFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Yükle();
  QDialog::showEvent(olay);
}

void FişFormu::done(int sonuç) {
  if (yüklü_ && !Form_QueryUnload()) return;
  QDialog::done(sonuç);
}

bool FişFormu::Form_QueryUnload() {
  if (Çalışma->Dolu() && MesajKutusu(KapatmaSorusu(), Stil::SoruEvetHayır) != Platform::Cevap::Evet) return false;
  Çalışma->DüzeniKaydet();
  Kaldır();
  return true;
}

QString FişFormu::KapatmaSorusu() const {
  const auto& k = tanım_.kapatma;
  const int önceki = Çalışma->ÖncekiDenemedekiSatırlar();
  if (!önceki)
    return QStringLiteral("Listenizde %1 ürünler var, devam ederseniz bu ürünler %2!\n\n"
                          "Bu ürünleri %3 devam etmek istediğinize emin misiniz?")
        .arg(k.yapılmamış, k.yapılmayacak, k.yapmadan);
  // Those rows may be in the file already: closing lets them go, and the program still tells
  // what became of them, as of any work whose outcome it keeps.
  // Not kept in the run's file, only this run can still tell it.
  QString soru = QStringLiteral("Listenizde, sonucu bilinmeyen önceki kayıt denemesindeki ürünler var: %1 henüz "
                                "bilinmiyor, veritabanına kaydedilmiş olabilirler. Devam ederseniz program bunu yine "
                                "de öğrenip size bildirecek: %2")
                     .arg(k.yapılıpYapılmadıkları,
                          Çalışma->ÖncekiDenemeSaklandı()
                              ? QStringLiteral("bu bilgisayardan yapılacak bir sonraki kayıtta ya da program yeniden "
                                               "açıldığında.")
                              : QStringLiteral("bu bilgisayardan yapılacak bir sonraki kayıtta; ancak sonucu bilinmeyen "
                                               "işlemlerin not edildiği klasör yazılamadığı için program ondan önce "
                                               "kapanırsa bildiremeyecek."));
  if (önceki < Çalışma->Liste->SatırSayısı())
    soru += QStringLiteral("\n\nO denemeden sonra listeye eklediğiniz ürünler ise %1!").arg(k.yapılmayacak);
  return soru + QStringLiteral("\n\nDevam etmek istediğinize emin misiniz?");
}

void FişFormu::Kaldır() {
  // The rows go with the form, and a new person's try with its box: each is told as any other work.
  Çalışma->Temizle();
  yeniKişi_.bekleyen.Bırak();
  AlanAileleri::PencereyiSıfırla(this);
  yüklü_ = false;
}

bool FişFormu::ÜrünBilgisiniGöster(std::optional<qint64> ürünNo) {
  // Nothing of the product chosen before stays, also when this one cannot be read.
  SeçiliÜrünKodu.clear();
  BirimAğırlığı = 0;
  if (ÜrünKoduKutusu) ÜrünKoduKutusu->clear();
  if (!ürünNo) return StokGöster(std::nullopt, std::nullopt);
  return HataYakala([&] {
    const FişVerileri::ÜrünBilgisi ürün = FişVerileri::ÜrünBilgisiOku(*Ortak::Veritabanı, *ürünNo);
    BirimAğırlığı = ürün.birimAğırlığı;
    SeçiliÜrünKodu = ürün.kod;
    if (ÜrünKoduKutusu) ÜrünKoduKutusu->setText(ürün.kod);
  });
}

bool FişFormu::StokGöster(std::optional<qint64> ürünNo, std::optional<qint64> depoNo) {
  MevcutÜrünSayısıKutusu->clear();
  MevcutÜrünAğırlığıKutusu->clear();
  if (!ürünNo || !depoNo) return true;
  return HataYakala([&] {
    const Miktar stok = FişVerileri::MevcutStok(*Ortak::Veritabanı, *ürünNo, *depoNo);
    MevcutÜrünSayısıKutusu->setText(TürkçeMetin::MiktarMetni(stok));
    // The weight of the figure as shown, two decimals; one too large to hold stays empty, and a
    // line of it is refused at the add.
    if (FişVerileri::AğırlıkHesaplanır(stok, BirimAğırlığı))
      MevcutÜrünAğırlığıKutusu->setText(TürkçeMetin::MiktarMetni(FişVerileri::Ağırlık(stok, BirimAğırlığı)));
  });
}

FişFormu::Ret FişFormu::AğırlıkReddi() {
  return {[this] {
            const auto miktar = FişVerileri::FişMiktarı(MiktarKutusu->text());
            return miktar && !FişVerileri::AğırlıkHesaplanır(*miktar, BirimAğırlığı);
          },
          BüyükMiktarMetni,
          MiktarKutusu};
}

FişFormu::Ret FişFormu::StokSınırıReddi(FişVerileri::ListeSütunları sütunlar, std::optional<qint64> ürünNo,
                                       std::optional<qint64> depoNo) {
  return {[this, sütunlar, ürünNo, depoNo] {
            const auto miktar = FişVerileri::FişMiktarı(MiktarKutusu->text());
            if (!miktar || !ürünNo || !depoNo) return false;
            const Miktar gelen = *miktar + FişVerileri::ListedekiMiktar(Çalışma->Satırlar(), sütunlar, *ürünNo, *depoNo);
            bool aşar = false;
            // A read that fails is told by the error routine; the commit checks the stock again.
            HataYakala([&] { aşar = !StokTamTutulur(*Ortak::Veritabanı, *ürünNo, *depoNo, gelen); });
            return aşar;
          },
          BüyükMiktarMetni,
          MiktarKutusu};
}

bool FişFormu::SatırKabulEdilir(const std::vector<Ret>& retler) {
  for (const Ret& r : retler) {
    if (!r.koşul()) continue;
    MesajKutusu(r.mesaj, Stil::Bilgi);
    if (r.odak) r.odak->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

qint64 FişFormu::KişiNumarası() {
  QStringList adlar;
  for (int i = 0; i < KişiKutusu->count(); ++i) adlar << KişiKutusu->itemText(i);
  const QString ad = KişiKutusu->currentText();
  if (const int i = FişVerileri::KişiBul(adlar, ad); i >= 0) return KişiKutusu->itemData(i).toLongLong();
  const qint64 no = FişVerileri::KişiEkle(*Ortak::Veritabanı, ad, &yeniKişi_);
  KişiyiKutuyaEkle(ad, no);
  return no;
}

void FişFormu::YeniKişiÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
  // Stored: the person is known from now on, by the number the file gave it.
  if (yazılmış.value_or(false)) KişiyiKutuyaEkle(yeniKişi_.ad, yeniKişi_.no);
  if (kendi && yazılmış.value_or(false))
    MesajKutusu(QStringLiteral("Yeni kişi (%1), sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; yeniden "
                               "kaydedilmedi.")
                    .arg(yeniKişi_.ad),
                Stil::Bilgi);
  else
    BekleyenİşiSöyle(iş, yazılmış, kendi);
}

void FişFormu::KişiyiKutuyaEkle(const QString& ad, qint64 no) {
  if (KişiKutusu->findData(no) >= 0) return;
  int yer = KişiKutusu->count();
  if (tanım_.sıralı) {
    yer = 0;
    while (yer < KişiKutusu->count() && TürkçeMetin::Karşılaştır(KişiKutusu->itemText(yer), ad) <= 0) ++yer;
  }
  // Adding an item must not change what the box shows.
  const QString gösterilen = KişiKutusu->currentText();
  KişiKutusu->insertItem(yer, ad, no);
  KişiKutusu->setEditText(gösterilen);
}

void FişFormu::SatırıEkle(const QStringList& hücreler, const QString& anahtar) {
  Çalışma->Ekle(hücreler, anahtar);
  for (SeçiciSütunu* s : Seçiciler) s->Seç(-1);
  MiktarKutusu->clear();
  Seçiciler.front()->Liste->setFocus(Qt::OtherFocusReason);
}

void FişFormu::ListeyiExceleAktarDüğmesi_Click() {
  HataYakala([&] { ExcelAktarmaDüzeni::DüğmeTıklandı(this, *Çalışma->Liste, tanım_.excel.iş); });
  if (isVisible()) activateWindow();
}

void FişFormu::MSExceleAktar() {
  using ListeyiSıralaModülü::SütunTürü;
  ExcelAktarmaDüzeni::Tanım t{tanım_.excel.sayfaAdı, tanım_.excel.başlık, {}};
  for (int k = tanım_.excel.ilkAltÖğe; k <= tanım_.excel.sonAltÖğe; ++k) {
    const SütunTürü tür = tanım_.sütunlar[static_cast<size_t>(k)].tür;
    t.sütunlar.push_back({k, tür == SütunTürü::Sayı    ? ExcelKitabı::HücreTürü::Sayı
                             : tür == SütunTürü::Tarih ? ExcelKitabı::HücreTürü::Tarih
                                                       : ExcelKitabı::HücreTürü::Metin});
  }
  ExcelAktarmaDüzeni::MSExceleAktar(*Çalışma->Liste, t);
}

void FişFormu::ListeİşiniÇalıştır(int iş) {
  HataYakala([&] { Form<İlerlemeGösterFormu>().İşiÇalıştır(iş, İş::ListeBaşlık, İş::ListeMetin, this); });
  if (isVisible()) activateWindow();
}

QString FişFormu::Ad(const SeçiciSütunu& seçici, const std::function<QString(qint64)>& adGetir) {
  return seçici.AdlarGösteriliyor() ? seçici.SeçiliMetin() : adGetir(seçici.SeçiliNo().value_or(0));
}

void FişFormu::FişiYazdır(const FişBaskısı& fiş, QPushButton* düğme, const QString& soru,
                         const std::function<void()>& aktar, QWidget* odak) {
  if (!Çalışma->Dolu()) return;
  const std::vector<QStringList> satırlar = Çalışma->Satırlar();
  if (!YazdırmaModülü::Yazdır(this, düğme, fiş.başlık,
                              [&](RaporTuvali& t) { FişBaskıDüzeni(t, fiş, satırlar); }))
    return;
  if (MesajKutusu(soru, Stil::SoruEvetHayır) == Platform::Cevap::Evet)
    aktar();
  else
    odak->setFocus(Qt::OtherFocusReason);
}
