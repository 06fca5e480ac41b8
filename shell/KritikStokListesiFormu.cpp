#include "KritikStokListesiFormu.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "ListeRaporu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "SikiListeGorunumu.h"
#include "TurkceMetin.h"
#include "Veritabani.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include <sqlite3.h>

using namespace OrtakYordamlarModülü;

namespace {

const QString ListeAdı = QStringLiteral("KritikStokListesi");
const QString AyarBölümü = QStringLiteral("Ayarlar");
const QString UyarıAnahtarı = QStringLiteral("KritikStokUyarisi");
// The count and the list take the same rows.
const QString KritikStoklar = QStringLiteral("SELECT * FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0");

struct Sütun {
  const char* başlık;
  int genişlikTwip;
  const char* alan;
  HücreTürü tür;  // an amount stands right-aligned, with two decimals, and sorts as a number
};

const std::array<Sütun, 5> Sütunlar{{
    {"Depo Adı", 2400, "DepoAdi", HücreTürü::Metin},
    {"Ürün Kodu", 1800, "UrunKodu", HücreTürü::Metin},
    {"Ürün Adı", 3000, "UrunAdi", HücreTürü::Metin},
    {"Mevcut Miktar", 1800, "MevcutMiktari", HücreTürü::Miktar},
    {"Kritik Stok Miktarı", 2100, "KritikStokMiktari", HücreTürü::Miktar},
}};

const QString Başlık = QStringLiteral("Kritik Stok Listesi");
constexpr int Aktarİşi = 26;

[[maybe_unused]] const bool iş33 =
    İlerlemeGösterFormu::İşProsedürüKaydet({33}, [] { Form<KritikStokListesiFormu>().ListeOluştur(); }) &&
    İlerlemeGösterFormu::İşProsedürüKaydet({Aktarİşi}, [] { Form<KritikStokListesiFormu>().MSExceleAktar(); });

// What the file looked like to this connection when read: the engine's data version
// changes with every write to the file, this connection's own or another workstation's.
struct Damga {
  const sqlite3* bağlantı = nullptr;
  unsigned int sürüm = 0;
  bool operator==(const Damga&) const = default;
};

Damga ŞimdikiDamga() {
  Veritabanı& vt = *Ortak::Veritabanı;
  // A read first: the version is brought up to date when a read begins.
  vt.KayıtKümesiAç(QStringLiteral("PRAGMA schema_version"));
  unsigned int sürüm = 0;
  sqlite3_file_control(vt.Tutamaç(), "main", SQLITE_FCNTL_DATA_VERSION, &sürüm);
  return {vt.Tutamaç(), sürüm};
}

// The rows the last count read. The count is asked just before the list is built (F7, the
// start-up warning): the list takes them instead of reading the view again, unless the
// file has changed since.
struct {
  Damga damga;
  KayıtKümesi satırlar;
} sayılan;

KayıtKümesi KritikStokSatırları() {
  if (sayılan.damga.bağlantı && sayılan.damga == ŞimdikiDamga()) {
    sayılan.damga = {};
    return std::move(sayılan.satırlar);
  }
  sayılan = {};
  return Ortak::Veritabanı->KayıtKümesiAç(KritikStoklar);
}

}  // namespace

qint64 KritikStokSayısı() {
  sayılan = {};
  const Damga damga = ŞimdikiDamga();
  KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(KritikStoklar);
  // As Count (DepoAdi) counts: rows with a warehouse name.
  qint64 sayı = 0;
  for (; !k.Sonda(); k.MoveNext()) sayı += !k.BoşMu(QStringLiteral("DepoAdi"));
  k.MoveFirst();
  sayılan = {damga, std::move(k)};
  return sayı;
}

KritikStokListesiFormu::KritikStokListesiFormu() {
  setWindowTitle(Başlık);

  KritikStokListesi = new SıkıListeGörünümü(this);
  for (const Sütun& s : Sütunlar) KritikStokListesi->SütunEkle(QString::fromUtf8(s.başlık), s.genişlikTwip, s.tür);
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
    KayıtKümesi k = KritikStokSatırları();
    const qint64 toplam = k.KayıtSayısı();
    ilerleme.EnBüyükYaz(toplam);
    // The bar moves a percent at a time, not redrawn for every row of a long list.
    const qint64 adım = std::max<qint64>(1, toplam / 100);
    static const auto alanlar = [] {
      std::array<QString, Sütunlar.size()> a;
      for (size_t s = 0; s < a.size(); ++s) a[s] = QString::fromUtf8(Sütunlar[s].alan);
      return a;
    }();
    std::vector<HücreTürü> türler;
    for (const Sütun& s : Sütunlar) türler.push_back(s.tür);
    SıkıListe satırlar(türler);
    qint64 eklenen = 0;
    for (; !k.Sonda(); k.MoveNext()) {
      for (int s = 0; s < static_cast<int>(Sütunlar.size()); ++s) {
        if (türler[static_cast<size_t>(s)] == HücreTürü::Miktar)
          satırlar.MiktarEkle(s, k.Miktar(alanlar[static_cast<size_t>(s)]));
        else
          satırlar.MetinEkle(s, k.Metin(alanlar[static_cast<size_t>(s)]));
      }
      if (++eklenen % adım == 0 || eklenen == toplam) ilerleme.DeğerYaz(eklenen);
    }
    KritikStokListesi->Doldur(std::move(satırlar));
  });
}

void KritikStokListesiFormu::KritikStokListesi_ColumnClick(int başlıkIndex) {
  ListeSütunuTıklandı(*KritikStokListesi, başlıkIndex);
}

void KritikStokListesiFormu::BaşlangıçtaGösterOnayı_Click() {
  const bool göster = BaşlangıçtaGösterOnayı->isChecked();
  OrtakYordamlarModülü::AyarKaydedilmediyseSöyle(
      Ayarlar::AnahtarlarıYaz(AyarBölümü, {{UyarıAnahtarı, göster ? QStringLiteral("1") : QStringLiteral("0")}}),
      QStringLiteral("'Program Başlarken Listeyi Göster' seçimi"));
  Ortak::KritikStokUyarısı = göster ? 1 : 0;
}

void KritikStokListesiFormu::YazdırDüğmesi_Click() {
  ListeRaporu::Yazdır(*this, YazdırDüğmesi, *KritikStokListesi, {Başlık, {}, {}});
}

void KritikStokListesiFormu::ExceleAktarDüğmesi_Click() { ListeRaporu::ExceleAktar(*this, *KritikStokListesi, Aktarİşi); }

void KritikStokListesiFormu::MSExceleAktar() {
  ListeyiAktar(*KritikStokListesi, QStringLiteral("Kritik Stoklar"), Başlık);
}

void KritikStokListesiFormu::KapatDüğmesi_Click() { done(QDialog::Rejected); }
