#include "KritikStokListesiFormu.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "ListeGorunumu.h"
#include "ListeRaporu.h"
#include "ListeyiSiralaModulu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

using namespace OrtakYordamlarModülü;
using ListeyiSıralaModülü::SütunTürü;

namespace {

const QString ListeAdı = QStringLiteral("KritikStokListesi");
const QString AyarBölümü = QStringLiteral("Ayarlar");
const QString UyarıAnahtarı = QStringLiteral("KritikStokUyarisi");
// The count and the list take the same rows.
const QString KritikStoklar = QStringLiteral("FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0");

struct Sütun {
  const char* başlık;
  int genişlikTwip;
  const char* alan;
  bool miktar;  // right-aligned, two decimals, sorted as a number
};

const std::array<Sütun, 5> Sütunlar{{
    {"Depo Adı", 2400, "DepoAdi", false},
    {"Ürün Kodu", 1800, "UrunKodu", false},
    {"Ürün Adı", 3000, "UrunAdi", false},
    {"Mevcut Miktar", 1800, "MevcutMiktari", true},
    {"Kritik Stok Miktarı", 2100, "KritikStokMiktari", true},
}};

const QString Başlık = QStringLiteral("Kritik Stok Listesi");
constexpr int Aktarİşi = 26;

[[maybe_unused]] const bool iş33 =
    İlerlemeGösterFormu::İşProsedürüKaydet({33}, [] { Form<KritikStokListesiFormu>().ListeOluştur(); }) &&
    İlerlemeGösterFormu::İşProsedürüKaydet({Aktarİşi}, [] { Form<KritikStokListesiFormu>().MSExceleAktar(); });

}  // namespace

qint64 KritikStokSayısı() {
  return Ortak::Veritabanı
      ->KayıtKümesiAç(QStringLiteral("SELECT Count (DepoAdi) As KritikStokSayisi ") + KritikStoklar)
      .Tamsayı(QStringLiteral("KritikStokSayisi"));
}

KritikStokListesiFormu::KritikStokListesiFormu() {
  setWindowTitle(Başlık);

  KritikStokListesi = new ListeGörünümü(this);
  for (const Sütun& s : Sütunlar)
    KritikStokListesi->SütunEkle(QString::fromUtf8(s.başlık), s.genişlikTwip,
                                 s.miktar ? ListeGörünümü::Hiza::Sağ : ListeGörünümü::Hiza::Sol);
  BaşlangıçtaGösterOnayı = new QCheckBox(QStringLiteral("Program &Başlarken Listeyi Göster"), this);
  YazdırDüğmesi = new QPushButton(QStringLiteral("&Yazdır"), this);
  ExceleAktarDüğmesi = new QPushButton(QStringLiteral("Microsoft E&xcel'e Aktar"), this);
  KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), this);
  for (QPushButton* d : {YazdırDüğmesi, ExceleAktarDüğmesi, KapatDüğmesi}) d->setAutoDefault(false);
  OdaktakiDüğmeEnterAlır(*this);

  auto* alt = new QHBoxLayout;
  alt->addWidget(BaşlangıçtaGösterOnayı);
  alt->addStretch();
  alt->addWidget(YazdırDüğmesi);
  alt->addWidget(ExceleAktarDüğmesi);
  alt->addWidget(KapatDüğmesi);
  auto* düzen = new QVBoxLayout(this);
  düzen->addWidget(KritikStokListesi, 1);
  düzen->addLayout(alt);
  // Within an 800-pixel screen with its frame; the list scrolls what its columns need beyond.
  resize(780, 420);

  DüzenliListe(KritikStokListesi, ListeAdı);
  KritikStokListesi->BaşlığaTıklandı = [this](int i) { KritikStokListesi_ColumnClick(i); };
  // Only the user's change is saved; showing the stored value at load writes nothing.
  connect(BaşlangıçtaGösterOnayı, &QCheckBox::clicked, this, [this] { BaşlangıçtaGösterOnayı_Click(); });
  connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
  connect(ExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ExceleAktarDüğmesi_Click(); });
  connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });

  Form_Load();
}

void KritikStokListesiFormu::Form_Load() {
  ListeFormuTabanı::Form_Load();
  // Ticked only for the value that makes start-up show the list.
  BaşlangıçtaGösterOnayı->setChecked(Ayarlar::SayıOku(AyarBölümü, UyarıAnahtarı, 0) == 1);
}

void KritikStokListesiFormu::ListeOluştur() {
  Yükle();
  İlerlemeGösterFormu& ilerleme = Form<İlerlemeGösterFormu>();
  const İlerlemeKaldırıcı kaldır(ilerleme);

  KritikStokListesi->Temizle();
  HataYakala([&] {
    KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(QStringLiteral("SELECT * ") + KritikStoklar);
    ilerleme.EnBüyükYaz(k.KayıtSayısı());
    qint64 eklenen = 0;
    for (; !k.Sonda(); k.MoveNext()) {
      QTreeWidgetItem* satır = KritikStokListesi->SatırEkle(k.Metin(QString::fromUtf8(Sütunlar[0].alan)));
      for (int s = 1; s < static_cast<int>(Sütunlar.size()); ++s) {
        const QString alan = QString::fromUtf8(Sütunlar[s].alan);
        satır->setText(s, Sütunlar[s].miktar ? TürkçeMetin::MiktarMetni(k.Miktar(alan)) : k.Metin(alan));
      }
      ilerleme.DeğerYaz(++eklenen);
    }
  });
}

void KritikStokListesiFormu::KritikStokListesi_ColumnClick(int başlıkIndex) {
  if (başlıkIndex < 1 || başlıkIndex > static_cast<int>(Sütunlar.size())) return;
  ListeyiSıralaModülü::SütunTıklandı(*KritikStokListesi, başlıkIndex,
                                      Sütunlar[başlıkIndex - 1].miktar ? SütunTürü::Sayı : SütunTürü::Metin);
}

void KritikStokListesiFormu::BaşlangıçtaGösterOnayı_Click() {
  const bool göster = BaşlangıçtaGösterOnayı->isChecked();
  Ayarlar::Yaz(AyarBölümü, UyarıAnahtarı, göster ? QStringLiteral("1") : QStringLiteral("0"));
  Ortak::KritikStokUyarısı = göster ? 1 : 0;
}

void KritikStokListesiFormu::YazdırDüğmesi_Click() {
  ListeRaporu::Yazdır(*this, YazdırDüğmesi, *KritikStokListesi, {Başlık, {}});
}

void KritikStokListesiFormu::ExceleAktarDüğmesi_Click() { ListeRaporu::ExceleAktar(*this, *KritikStokListesi, Aktarİşi); }

void KritikStokListesiFormu::MSExceleAktar() {
  std::vector<SütunTürü> türler;
  for (const Sütun& s : Sütunlar) türler.push_back(s.miktar ? SütunTürü::Sayı : SütunTürü::Metin);
  ListeRaporu::MSExceleAktar(*KritikStokListesi, QStringLiteral("Kritik Stoklar"), Başlık, türler);
}

void KritikStokListesiFormu::KapatDüğmesi_Click() { done(QDialog::Rejected); }
