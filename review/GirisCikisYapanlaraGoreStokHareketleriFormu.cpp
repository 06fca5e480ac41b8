#include "GirisCikisYapanlaraGoreStokHareketleriFormu.h"

#include "ListeGorunumu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceListeOgesi.h"

#include <QLabel>
#include <QListWidget>

using namespace HareketVerileri;
using ListeyiSıralaModülü::SütunTürü;

HareketİzlemeFormu::Tasarım GirişÇıkışYapanlaraGöreStokHareketleriFormu::Tasarımı() {
  return {QStringLiteral("Giriş-Çıkış Yapanlara Göre Stok Hareketleri (İzleme/Düzenleme)"),
          QStringLiteral("Giriş-Çıkış Yapanlar :"),
          QStringLiteral("Giriş-Çıkış Yapanı &Bul :"),
          QStringLiteral("HareketListesi-2"),
          {{"Ürün Kodu", 1200, false, SütunTürü::Metin},
           {"Ürün Adı", 2400, false, SütunTürü::Metin},
           {"Tarihi", 1200, false, SütunTürü::Tarih},
           {"Miktarı", 1200, true, SütunTürü::Sayı},
           {"Nedeni", 1200, true, SütunTürü::Metin}}};
}

GirişÇıkışYapanlaraGöreStokHareketleriFormu::GirişÇıkışYapanlaraGöreStokHareketleriFormu()
    : HareketİzlemeFormu(Tasarımı()) {
  GirişÇıkışYapanlarListesi = SeçimListesi;
  GirişÇıkışYapanıBulKutusu = BulKutusu;
  Form_Load();
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::Form_Load() {
  const QSignalBlocker engel(GirişÇıkışYapanlarListesi);
  // Emptied first: the listing of the load must find no person of the last opening chosen.
  GirişÇıkışYapanlarListesi->clear();
  HareketİzlemeFormu::Form_Load();
  OrtakYordamlarModülü::HataYakala([&] {
    for (const Kişi& k : KişileriOku(*Ortak::Veritabanı))
      GirişÇıkışYapanlarListesi->addItem(new TürkçeListeÖğesi(k.ad, k.no));
  });
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::GirişÇıkışYapanlarListesi_Click() {
  ListeGörünümü& liste = *StokHareketleriListesi;
  liste.Temizle();
  ToplamlarıGöster(std::nullopt);
  const std::optional<qint64> kişi = SeçiliNo();
  if (!kişi) return;
  const HareketTürü tür = Görünüm();
  const bool okundu = OrtakYordamlarModülü::HataYakala([&] {
    KişiHareketleri(*Ortak::Veritabanı, *kişi, tür, [&](const KişiHareketi& h) {
      QTreeWidgetItem* satır = liste.SatırEkle(h.ürünKodu);
      satır->setText(1, h.ürünAdı);
      satır->setText(2, TürkçeMetin::TarihMetni(h.tarih));
      satır->setText(3, TürkçeMetin::MiktarMetni(h.miktar));
      satır->setText(4, NedenAdı(tür, h.neden));
    });
    ToplamlarıGöster(KişiToplamları(*Ortak::Veritabanı, *kişi));
  });
  if (!okundu) SeçimiBırak();
}
