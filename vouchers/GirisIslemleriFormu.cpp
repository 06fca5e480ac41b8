#include "GirisIslemleriFormu.h"

#include "CikisVerileri.h"
#include "FisBaskisi.h"
#include "FisVerileri.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TarihKutusu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace OrtakYordamlarModülü;
using ListeyiSıralaModülü::SütunTürü;

namespace {

enum { Firma, Ürün, Depo };

FişTanımı GirişFişi() {
  FişTanımı t;
  t.başlık = QStringLiteral("Giriş İşlemleri");
  t.seçiciler = {
      {QStringLiteral("Firm&alar (Satıcılar) :"), QStringLiteral("Firma &Bul :"), {}, -1, 2205},
      {QStringLiteral("Ürü&nler :"), QStringLiteral("Ürün B&ul :"),
       {QStringLiteral("Ürün Adına Göre Listele "), QStringLiteral("Ürün Koduna Göre Listele ")}, 1, 1620},
      {QStringLiteral("Dep&olar :"), QStringLiteral("Depo Bul :"),
       {QStringLiteral("Depo Adına Göre Listele "), QStringLiteral("Depo Koduna Göre Listele ")}, 2, 1620},
  };
  t.alanlar = {
      {FişAlanı::ÜrünKodu, QStringLiteral("Ürün Kodu :")},
      {FişAlanı::MevcutSayı, QStringLiteral("Mevcut Sayı :")},
      {FişAlanı::MevcutAğırlık, QStringLiteral("Mevcut Ağırlık :")},
      {FişAlanı::Kişi, QStringLiteral("Girişi &Yapan :")},
      {FişAlanı::Tarih, QStringLiteral("Giriş &Tarihi :")},
      {FişAlanı::Miktar, QStringLiteral("Giriş &Miktarı :")},
  };
  t.listeÇerçevesi = QStringLiteral("Girişi Yapılacak Ürün Listesi ");
  t.sütunlar = {
      {"Firma No", 1, SütunTürü::Metin},       {"Ürün No", 1, SütunTürü::Metin},
      {"Depo No", 1, SütunTürü::Metin},        {"Girişi Yapan", 1, SütunTürü::Metin},
      {"Tarihi", 1200, SütunTürü::Tarih},      {"Firması", 1600, SütunTürü::Metin},
      {"Ürün Kodu", 1300, SütunTürü::Metin},   {"Ürün Adı", 2000, SütunTürü::Metin},
      {"Depo Adı", 1900, SütunTürü::Metin},    {"Miktarı", 1300, SütunTürü::Sayı},
      {"Miktar Ağırlığı", 1300, SütunTürü::Sayı},
  };
  t.ağırlıkSütunu = 10;
  t.ayarAdı = QStringLiteral("GirisListesi");
  t.toplamAltlığı = 3;
  t.listeDüğmeleri = {QStringLiteral("Listeyi Stoğa &Ekle"), QStringLiteral("Girişi Listeden Çıka&r"),
                      QStringLiteral("Listeyi Temi&zle"), QStringLiteral("&Giriş Fişi Yazdır"),
                      QStringLiteral("Listeyi Microsoft E&xcel'e Aktar")};
  t.excel = {20, QStringLiteral("Giriş Fişi"), QStringLiteral("Depo/Stok Giriş Fişi"), 4, 10};
  t.kapatma = {QStringLiteral("stoğa EKLENMEMİŞ"), QStringLiteral("stoğa eklenmeyecek"),
               QStringLiteral("stoğa eklemeden"), QStringLiteral("stoğa eklenip eklenmedikleri")};
  return t;
}

// Jobs 1, 3 and 5 of the progress form fill this form's lists; touching them loads the form.
ListeHedefi Listeler() {
  GirişİşlemleriFormu& f = Form<GirişİşlemleriFormu>();
  f.Yükle();
  ListeHedefi h;
  h.FirmaListesi = f.FirmaListesi;
  h.ÜrünListesi = f.ÜrünListesi;
  h.DepoListesi = f.DepoListesi;
  h.ÜrünAdıSeçili = [&f] { return f.ÜrünKoduAdıSeçeneği[0]->isChecked(); };
  h.DepoAdıSeçili = [&f](int) { return f.DepoKoduAdıSeçeneği[0]->isChecked(); };
  return h;
}
[[maybe_unused]] const bool işlerKayıtlı = İlerlemeGösterFormu::HedefKaydet({1, 3, 5}, Listeler);
[[maybe_unused]] const bool aktarmaKayıtlı =
    İlerlemeGösterFormu::İşProsedürüKaydet({20}, [] { Form<GirişİşlemleriFormu>().MSExceleAktar(); });

}  // namespace

GirişİşlemleriFormu::GirişİşlemleriFormu() : FişFormu(GirişFişi()) {
  FirmaListesi = Seçiciler[Firma]->Liste;
  FirmaBulKutusu = Seçiciler[Firma]->BulKutusu;
  ÜrünListesi = Seçiciler[Ürün]->Liste;
  ÜrünKoduAdıSeçeneği = Seçiciler[Ürün]->Seçenek;
  ÜrünBulKutusu = Seçiciler[Ürün]->BulKutusu;
  DepoListesi = Seçiciler[Depo]->Liste;
  DepoKoduAdıSeçeneği = Seçiciler[Depo]->Seçenek;
  DepoBulKutusu = Seçiciler[Depo]->BulKutusu;
  GirişiYapanKutusu = KişiKutusu;
  GirişTarihiKutusu = TarihAlanı;
  GirişMiktarıKutusu = MiktarKutusu;
  GirişiYapılacakÜrünListesi = Çalışma->Liste;
  ToplamAğırlıkKutusu = Çalışma->ToplamAğırlıkKutusu;
  ListeyiStoğaEkleDüğmesi = ListeDüğmeleri[0];
  GirişiListedenÇıkarDüğmesi = ListeDüğmeleri[1];
  ListeyiTemizleDüğmesi = ListeDüğmeleri[2];
  GirişFişiYazdırDüğmesi = ListeDüğmeleri[3];
  ListeyiExceleAktarDüğmesi = ListeDüğmeleri[4];

  Seçiciler[Ürün]->Tıklandı = [this] { ÜrünListesi_Click(); };
  Seçiciler[Depo]->Tıklandı = [this] { DepoListesi_Click(); };
  Seçiciler[Ürün]->SeçenekTıklandı = [this](int i) { ÜrünKoduAdıSeçeneği_Click(i); };
  Seçiciler[Depo]->SeçenekTıklandı = [this](int i) { DepoKoduAdıSeçeneği_Click(i); };
  connect(ListeyeEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
  connect(GirişiListedenÇıkarDüğmesi, &QPushButton::clicked, this, [this] { GirişiListedenÇıkarDüğmesi_Click(); });
  connect(ListeyiTemizleDüğmesi, &QPushButton::clicked, this, [this] { ListeyiTemizleDüğmesi_Click(); });
  connect(ListeyiStoğaEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyiStoğaEkleDüğmesi_Click(); });
  connect(GirişFişiYazdırDüğmesi, &QPushButton::clicked, this, [this] { GirişFişiYazdırDüğmesi_Click(); });
  // The export button is connected by the voucher template: it runs job 20 above.
  GirişiYapılacakÜrünListesi->BaşlığaTıklandı = [this](int i) { GirişiYapılacakÜrünListesi_ColumnClick(i); };
  GirişiYapılacakÜrünListesi->SatıraÇiftTıklandı = [this](QTreeWidgetItem*) { GirişiYapılacakÜrünListesi_DblClick(); };

  Yükle();
}

void GirişİşlemleriFormu::ÜrünKoduAdıSeçeneği_Click(int) { ListeİşiniÇalıştır(3); }

void GirişİşlemleriFormu::DepoKoduAdıSeçeneği_Click(int) { ListeİşiniÇalıştır(5); }

// A choice whose read failed is let go: its boxes empty, no line can be added from it.
void GirişİşlemleriFormu::ÜrünListesi_Click() {
  const auto ürün = Seçiciler[Ürün]->SeçiliNo();
  if (!ÜrünBilgisiniGöster(ürün) || !StokGöster(ürün, Seçiciler[Depo]->SeçiliNo())) Seçiciler[Ürün]->Seç(-1);
}

void GirişİşlemleriFormu::DepoListesi_Click() {
  if (!StokGöster(Seçiciler[Ürün]->SeçiliNo(), Seçiciler[Depo]->SeçiliNo())) Seçiciler[Depo]->Seç(-1);
}

void GirişİşlemleriFormu::ListeyeEkleDüğmesi_Click() {
  const SeçiciSütunu &firma = *Seçiciler[Firma], &ürün = *Seçiciler[Ürün], &depo = *Seçiciler[Depo];
  const auto anahtar = [&] {
    return FişVerileri::SatırAnahtarı(*firma.SeçiliNo(), *ürün.SeçiliNo(), *depo.SeçiliNo());
  };
  const auto miktar = [this] { return FişVerileri::FişMiktarı(GirişMiktarıKutusu->text()); };
  if (!SatırKabulEdilir({
          {[&] { return !firma.SeçiliNo(); }, QStringLiteral("Lütfen, listeden bir FİRMA seçiniz!"), FirmaListesi},
          {[&] { return !ürün.SeçiliNo(); }, QStringLiteral("Lütfen, listeden bir ÜRÜN seçiniz!"), ÜrünListesi},
          {[&] { return !depo.SeçiliNo(); }, QStringLiteral("Lütfen, ürünün ekleneceği DEPOYU listeden seçiniz!"),
           DepoListesi},
          {[&] { return Çalışma->Yinelenen(anahtar()); },
           QStringLiteral("Bu GİRİŞ İŞLEMİ listeye daha önce eklenmiş!\n\n"
                          "Lütfen, firmayı, ürünü ya da depoyu değiştiriniz."),
           FirmaListesi},
          {[&] { return GirişiYapanKutusu->currentText().isEmpty(); }, QStringLiteral("Lütfen, GİRİŞİ YAPANI giriniz!"),
           GirişiYapanKutusu},
          {[&] { return !miktar(); }, QStringLiteral("Lütfen, GİRİŞ MİKTARINI giriniz!"), GirişMiktarıKutusu},
          AğırlıkReddi(),
          StokSınırıReddi({1, 2, 9}, ürün.SeçiliNo(), depo.SeçiliNo()),
      }))
    return;

  HataYakala([&] {
    const qint64 kişi = KişiNumarası();
    const TürkçeMetin::Miktar m = *miktar();
    SatırıEkle({QString::number(*firma.SeçiliNo()), QString::number(*ürün.SeçiliNo()),
                QString::number(*depo.SeçiliNo()), QString::number(kişi),
                TürkçeMetin::TarihMetni(GirişTarihiKutusu->Değer()), firma.SeçiliMetin(), SeçiliÜrünKodu,
                Ad(ürün, ÜrünAdıGetir), Ad(depo, DepoAdıGetir), TürkçeMetin::MiktarMetni(m),
                TürkçeMetin::MiktarMetni(FişVerileri::Ağırlık(m, BirimAğırlığı))},
               anahtar());
  });
}

void GirişİşlemleriFormu::GirişiListedenÇıkarDüğmesi_Click() { Çalışma->SeçiliyiÇıkar(); }

void GirişİşlemleriFormu::GirişiYapılacakÜrünListesi_DblClick() { GirişiListedenÇıkarDüğmesi_Click(); }

void GirişİşlemleriFormu::ListeyiTemizleDüğmesi_Click() { Çalışma->Temizle(); }

void GirişİşlemleriFormu::ListeyiStoğaEkleDüğmesi_Click() {
  Çalışma->Aktar([](const ÇalışmaListesi::Yazılacak& iş) {
    using namespace FişVerileri;
    std::vector<GirişSatırı> girişler;
    for (const QStringList& h : iş.satırlar)
      girişler.push_back({HücreNo(h[0]), HücreNo(h[1]), HücreNo(h[2]), HücreNo(h[3]), 1, HücreTarihi(h[4]),
                          HücreMiktarı(h[9])});
    GirişleriYaz(*Ortak::Veritabanı, girişler, iş.önceki);
  });
}

void GirişİşlemleriFormu::GirişFişiYazdırDüğmesi_Click() {
  FişiYazdır(GirişFişiBaskısı, GirişFişiYazdırDüğmesi, QStringLiteral("Listeyi şimdi STOĞA EKLEMEK ister misiniz?"),
             [this] { ListeyiStoğaEkleDüğmesi_Click(); }, FirmaListesi);
}

void GirişİşlemleriFormu::GirişiYapılacakÜrünListesi_ColumnClick(int başlıkIndex) {
  Çalışma->SütunaTıklandı(başlıkIndex);
}
