#include "UrunlereGoreStokHareketleriFormu.h"

#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "IslemDegistirFormu.h"
#include "ListeGorunumu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "StogaIadeEtFormu.h"
#include "TarihKutusu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace HareketVerileri;
using namespace OrtakYordamlarModülü;
using ListeyiSıralaModülü::SütunTürü;

namespace {

const QString NegatifMetni =
    QStringLiteral("Bu hareket silinirse stok mevcudunuz NEGATİF olacağı için işlem yapılamıyor!");

// Job 12 fills the product list; touching the list loads the form.
[[maybe_unused]] const bool iş12 = İlerlemeGösterFormu::HedefKaydet({12}, [] {
  auto& form = Form<ÜrünlereGöreStokHareketleriFormu>();
  form.Yükle();
  ListeHedefi hedef;
  hedef.ÜrünListesi = form.ÜrünListesi;
  hedef.ÜrünAdıSeçili = [&form] { return form.ÜrünKoduAdıSeçeneği[0]->isChecked(); };
  return hedef;
});

}  // namespace

HareketİzlemeFormu::Tasarım ÜrünlereGöreStokHareketleriFormu::Tasarımı() {
  // The hidden columns carry what the commands read back: number, reason, a transfer exit's entry.
  return {QStringLiteral("Ürünlere Göre Stok Hareketleri (İzleme/Düzenleme)"),
          QStringLiteral("Ürü&nler :"),
          QStringLiteral("Ürün &Bul :"),
          QStringLiteral("HareketListesi-1"),
          {{"İşlem No", 1, false, SütunTürü::Metin},
           {"Firması", 2700, false, SütunTürü::Metin},
           {"Deposu", 2200, false, SütunTürü::Metin},
           {"Tarihi", 1200, false, SütunTürü::Tarih},
           {"Miktarı", 1200, true, SütunTürü::Sayı},
           {"Nedeni", 1, false, SütunTürü::Metin},
           {"Giriş İşlem No", 1, false, SütunTürü::Metin}}};
}

ÜrünlereGöreStokHareketleriFormu::ÜrünlereGöreStokHareketleriFormu() : HareketİzlemeFormu(Tasarımı()) {
  ÜrünListesi = SeçimListesi;
  ÜrünListesi->setSortingEnabled(true);
  ÜrünBulKutusu = BulKutusu;
  ÜrünKoduAdıSeçeneği[0] = new QRadioButton(QStringLiteral("Ürün &Adına Göre Listele "), Çerçeve[0]);
  ÜrünKoduAdıSeçeneği[1] = new QRadioButton(QStringLiteral("Ürün &Koduna Göre Listele "), Çerçeve[0]);
  HareketiDeğiştirDüğmesi = new QPushButton(QStringLiteral("Seçili Hareketi &Değiştir"), this);
  HareketiSilDüğmesi = new QPushButton(QStringLiteral("Seçili Hareketi &Sil"), this);
  ÇıkışıStoğaİadeEtDüğmesi = new QPushButton(QStringLiteral("Çıkışı Stoğa İade E&t"), this);
  int yer = 0;
  for (QRadioButton* s : ÜrünKoduAdıSeçeneği) SeçiciDüzeni->addWidget(s);
  for (QPushButton* d : {HareketiDeğiştirDüğmesi, HareketiSilDüğmesi, ÇıkışıStoğaİadeEtDüğmesi}) {
    d->setAutoDefault(false);
    DüğmeDüzeni->insertWidget(yer++, d);
  }
  // Only this review shows its totals in bold.
  for (QLineEdit* kutu : {GirişMiktarıToplamıKutusu, ÇıkışMiktarıToplamıKutusu, MevcutKutusu}) {
    QFont kalın = kutu->font();
    kalın.setBold(true);
    kutu->setFont(kalın);
  }
  // In the order they stand: the options under the find box, the commands before Kapat.
  setTabOrder(ÜrünBulKutusu, ÜrünKoduAdıSeçeneği[0]);
  setTabOrder(ÜrünKoduAdıSeçeneği[0], ÜrünKoduAdıSeçeneği[1]);
  setTabOrder(StokHareketleriListesi, HareketiDeğiştirDüğmesi);
  setTabOrder(HareketiDeğiştirDüğmesi, HareketiSilDüğmesi);
  setTabOrder(HareketiSilDüğmesi, ÇıkışıStoğaİadeEtDüğmesi);

  for (int i = 0; i < 2; ++i)
    connect(ÜrünKoduAdıSeçeneği[i], &QRadioButton::toggled, this, [this, i](bool seçili) {
      if (seçili) ÜrünKoduAdıSeçeneği_Click(i);
    });
  connect(HareketiDeğiştirDüğmesi, &QPushButton::clicked, this, [this] { HareketiDeğiştirDüğmesi_Click(); });
  connect(HareketiSilDüğmesi, &QPushButton::clicked, this, [this] { HareketiSilDüğmesi_Click(); });
  connect(ÇıkışıStoğaİadeEtDüğmesi, &QPushButton::clicked, this, [this] { ÇıkışıStoğaİadeEtDüğmesi_Click(); });
  StokHareketleriListesi->SatıraÇiftTıklandı = [this](QTreeWidgetItem*) { HareketiDeğiştirDüğmesi_Click(); };
  silmeBekleyen_.Çözüldü = [](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    // Found by the delete tried again: the movement went with the earlier try, and the list shows it
    // gone. Not found, the delete is done now and there is nothing to tell.
    if (kendi && yazılmış.value_or(false))
      MesajKutusu(ÖncekiİşMetni(iş, true), Stil::Bilgi);
    else
      BekleyenİşiSöyle(iş, yazılmış, kendi);
  };
  Form_Load();
}

void ÜrünlereGöreStokHareketleriFormu::done(int sonuç) {
  // Its row is no longer before the user: settled later, the try is told as any other work.
  silmeBekleyen_.Bırak();
  HareketİzlemeFormu::done(sonuç);
}

void ÜrünlereGöreStokHareketleriFormu::Form_Load() {
  {
    const QSignalBlocker engel0(ÜrünKoduAdıSeçeneği[0]), engel1(ÜrünKoduAdıSeçeneği[1]), engel(ÜrünListesi);
    ÜrünKoduAdıSeçeneği[0]->setChecked(true);
    ÜrünListesi->clear();
  }
  HareketİzlemeFormu::Form_Load();
}

void ÜrünlereGöreStokHareketleriFormu::ÜrünListesi_Click() {
  ListeGörünümü& liste = *StokHareketleriListesi;
  liste.Temizle();
  ToplamlarıGöster(std::nullopt);
  const std::optional<qint64> ürün = SeçiliNo();
  if (!ürün) return;
  // Both read before anything is shown: the commands weigh a change against the totals shown.
  std::vector<ÜrünHareketi> hareketler;
  Toplamlar toplamlar;
  if (!HataYakala([&] {
        hareketler = ÜrünHareketleri(*Ortak::Veritabanı, *ürün, Görünüm());
        toplamlar = ÜrünToplamları(*Ortak::Veritabanı, *ürün);
      }))
    return SeçimiBırak();
  for (const ÜrünHareketi& h : hareketler) {
    QTreeWidgetItem* satır = liste.SatırEkle(QString::number(h.islemNo));
    satır->setText(1, h.firması);
    satır->setText(2, h.deposu);
    satır->setText(3, TürkçeMetin::TarihMetni(h.tarih));
    satır->setText(4, TürkçeMetin::MiktarMetni(h.miktar));
    satır->setText(5, h.neden == NedenYok ? QString() : QString::number(h.neden));
    if (h.girişİşlemNo) satır->setText(6, QString::number(*h.girişİşlemNo));
  }
  ToplamlarıGöster(toplamlar);
}

void ÜrünlereGöreStokHareketleriFormu::HareketTürüSeçeneği_Click(int) {
  ÜrünListesi_Click();
  ÇıkışıStoğaİadeEtDüğmesi->setEnabled(HareketTürüSeçeneği[1]->isChecked());
}

void ÜrünlereGöreStokHareketleriFormu::ÜrünKoduAdıSeçeneği_Click(int) {
  Form<İlerlemeGösterFormu>().İşiÇalıştır(12, İş::ListeBaşlık, İş::ListeMetin, this);
  // The refilled list has no choice: the view empties.
  ÜrünListesi_Click();
}

std::optional<GörülenHareket> ÜrünlereGöreStokHareketleriFormu::SeçiliHareket() const {
  const QTreeWidgetItem* s = StokHareketleriListesi->SeçiliSatır();
  if (!s) return std::nullopt;
  GörülenHareket h;
  h.tür = Görünüm();
  h.islemNo = s->text(0).toLongLong();
  h.tarih = TürkçeMetin::TarihOku(s->text(3));
  h.miktar = TürkçeMetin::MiktarOku(s->text(4)).value_or(0);
  h.neden = s->text(5).isEmpty() ? NedenYok : s->text(5).toLongLong();
  if (!s->text(6).isEmpty()) h.girişİşlemNo = s->text(6).toLongLong();
  return h;
}

TürkçeMetin::Miktar ÜrünlereGöreStokHareketleriFormu::Toplam(const QLineEdit* kutu) {
  return TürkçeMetin::MiktarOku(kutu->text()).value_or(0);
}

void ÜrünlereGöreStokHareketleriFormu::SatırıYenidenSeç(int sayaç) {
  const int n = StokHareketleriListesi->SatırSayısı();
  if (n >= 1) StokHareketleriListesi->SatırSeç(std::min(sayaç, n));
}

void ÜrünlereGöreStokHareketleriFormu::ListeyiYenile(bool satırıSeç) {
  SıralamasıKorunarakListele();
  if (!satırıSeç) return;
  // The same movement wherever the sort puts it: the next command acts on the row the user chose.
  const ListeGörünümü& liste = *StokHareketleriListesi;
  for (int i = 1; i <= liste.SatırSayısı(); ++i)
    if (liste.AltÖğe(i, 0) == QString::number(SeçiliHareketNo)) return StokHareketleriListesi->SatırSeç(i);
  SatırıYenidenSeç(Sayaç);
}

void ÜrünlereGöreStokHareketleriFormu::HareketiDeğiştirDüğmesi_Click() {
  const std::optional<GörülenHareket> h = SeçiliHareket();
  if (!h) return;
  if (h->neden == TransferNedeni) {
    MesajKutusu(QStringLiteral("Bu bir TRANSFER işlemi olduğu için değişiklik yapılamaz!"), Stil::Kritik);
    return;
  }
  const QString miktar = StokHareketleriListesi->SeçiliSatır()->text(4);
  // Saved, the list is built again: the changed row is chosen again as after a return.
  Sayaç = StokHareketleriListesi->SeçiliSatırKonumu();
  SeçiliHareketNo = h->islemNo;
  if (h->tür == HareketTürü::Giriş) {
    auto& d = Form<GirişİşlemiDeğiştirFormu>();
    d.Yükle();
    d.GirişTarihiKutusu->DeğerAyarla(h->tarih);
    d.GirişMiktarıKutusu->setText(miktar);
    ÜzerindeGöster(d, this);
  } else {
    auto& d = Form<ÇıkışİşlemiDeğiştirFormu>();
    d.Yükle();
    d.ÇıkışTarihiKutusu->DeğerAyarla(h->tarih);
    d.ÇıkışMiktarıKutusu->setText(miktar);
    d.ÇıkışNedeniKutusu->setCurrentIndex(h->neden >= 0 && h->neden < d.ÇıkışNedeniKutusu->count()
                                             ? static_cast<int>(h->neden)
                                             : -1);
    ÜzerindeGöster(d, this);
  }
}

void ÜrünlereGöreStokHareketleriFormu::HareketiSilDüğmesi_Click() {
  const std::optional<GörülenHareket> h = SeçiliHareket();
  if (!h) return;
  SeçiliHareketNo = h->islemNo;
  Sayaç = StokHareketleriListesi->SeçiliSatırKonumu();
  const bool girişler = h->tür == HareketTürü::Giriş;
  HataYakala([&] {
    if (h->neden == TransferNedeni) {
      if (MesajKutusu(QStringLiteral("Bir TRANSFER işlemini silerseniz, buna ait tüm hareketler de silinir.\n\n"
                                     "Devam etmek istediğinizden emin misiniz?"),
                      Stil::SoruEvetHayır) != Platform::Cevap::Evet)
        return;
    } else {
      if (girişler && TransferGirişiVar(*Ortak::Veritabanı, SeçiliNo().value_or(0))) {
        MesajKutusu(QStringLiteral("Bu ürüne ait TRANSFER işlem(ler)i var! Lütfen önce bu işlem(ler)i siliniz!"),
                    Stil::Kritik);
        return;
      }
      if (MesajKutusu(QStringLiteral("Bu hareketi SİLMEK istediğinizden emin misiniz?"), Stil::SoruEvetHayır) !=
          Platform::Cevap::Evet)
        return;
      // The product as a whole, by the totals on the screen; the warehouse is tested as stored.
      if (girişler && (Toplam(GirişMiktarıToplamıKutusu) - h->miktar) - Toplam(ÇıkışMiktarıToplamıKutusu) < 0) {
        MesajKutusu(NegatifMetni, Stil::Uyarı);
        return;
      }
    }
    // A delete left unknown is this form's own try only on the movement it was tried on.
    if (silinen_ != std::pair(h->tür, h->islemNo)) silmeBekleyen_.Bırak();
    silinen_ = {h->tür, h->islemNo};
    DepoEksiği eksik;
    const Sonuç sonuç = HareketiSil(*Ortak::Veritabanı, *h, &eksik, &silmeBekleyen_);
    if (sonuç == Sonuç::StokEksiyeDüşer) {
      // The product has enough, one warehouse has not: the message says which.
      MesajKutusu(DepoEksiğiMetni(*Ortak::Veritabanı, eksik, true), Stil::Uyarı);
      return;
    }
    if (sonuç == Sonuç::TutulamazMiktar) {
      MesajKutusu(BüyükMiktarMetni, Stil::Bilgi);
      return;
    }
    if (sonuç != Sonuç::Yapıldı) MesajKutusu(HareketDeğişmişMetni, Stil::Uyarı);
    ListeyiYenile(sonuç == Sonuç::Yapıldı);
  });
}

void ÜrünlereGöreStokHareketleriFormu::ÇıkışıStoğaİadeEtDüğmesi_Click() {
  if (Görünüm() != HareketTürü::Çıkış) return;
  const std::optional<GörülenHareket> h = SeçiliHareket();
  if (!h) return;
  if (h->neden == TransferNedeni) {
    MesajKutusu(QStringLiteral("Bu bir TRANSFER işlemi olduğu için stoğa iade edilemez!"), Stil::Kritik);
    return;
  }
  Sayaç = StokHareketleriListesi->SeçiliSatırKonumu();
  SeçiliHareketNo = h->islemNo;
  auto& d = Form<StoğaİadeEtFormu>();
  d.Yükle();
  d.İadeTarihiKutusu->DeğerAyarla(Platform::Bugün());
  ÜzerindeGöster(d, this);
}
