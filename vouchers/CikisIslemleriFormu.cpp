#include "CikisIslemleriFormu.h"

#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace OrtakYordamlarModülü;
using Tür = ListeyiSıralaModülü::SütunTürü;

namespace {

FişTanımı Tanım() {
  FişTanımı t;
  t.başlık = QStringLiteral("Çıkış İşlemleri");
  t.seçiciler = {
      {QStringLiteral("Dep&olar :"), QStringLiteral("Depo &Bul :"),
       {QStringLiteral("Depo Adına Göre Listele "), QStringLiteral("Depo Koduna Göre Listele ")}, 2, 1620, false},
      {QStringLiteral("Ürü&nler :"), QStringLiteral("Ürün B&ul :"),
       {QStringLiteral("Ürün Adına Göre Listele "), QStringLiteral("Ürün Koduna Göre Listele ")}, 1},
      {QStringLiteral("Firm&alar (Müşteriler) :"), QStringLiteral("Firma Bul :"), {}, -1, 2205}};
  t.alanlar = {{FişAlanı::MevcutSayı, QStringLiteral("Mevcut Sayı :")},
               {FişAlanı::MevcutAğırlık, QStringLiteral("Mevcut Ağırlık :")},
               {FişAlanı::Kişi, QStringLiteral("Çıkışı &Yapan :")},
               {FişAlanı::Tarih, QStringLiteral("Çıkış &Tarihi :")},
               {FişAlanı::Miktar, QStringLiteral("Çıkış &Miktarı :")},
               {FişAlanı::Neden, QStringLiteral("Çıkış Ne&deni :")}};
  t.listeÇerçevesi = QStringLiteral("Çıkışı Yapılacak Ürün Listesi ");
  t.sütunlar = {{"Firma No", 1, Tür::Metin},         {"Ürün No", 1, Tür::Metin},     {"Depo No", 1, Tür::Metin},
                {"Çıkışı Yapan", 1, Tür::Metin},     {"Çıkış Nedeni", 1, Tür::Metin}, {"Tarihi", 1200, Tür::Tarih},
                {"Firması", 1900, Tür::Metin},       {"Ürün Kodu", 1200, Tür::Metin}, {"Ürün Adı", 2000, Tür::Metin},
                {"Depo Adı", 1900, Tür::Metin},      {"Miktarı", 1200, Tür::Sayı},
                {"Miktar Ağırlığı", 1200, Tür::Sayı}};
  t.ağırlıkSütunu = 11;
  t.ayarAdı = QStringLiteral("CikisListesi");
  t.listeDüğmeleri = {QStringLiteral("Listeyi Stoktan Çı&k"), QStringLiteral("Seçilen Çıkış Bilgisini  Listeden Çıka&r"),
                      QStringLiteral("Listeyi Temi&zle"), QStringLiteral("Listeyi Microsoft E&xcel'e Aktar")};
  t.excel = {21, QStringLiteral("Çıkış Fişi"), QStringLiteral("Depo/Stok Çıkış Fişi"), 4, 11};
  t.kapatma = {QStringLiteral("stoktan ÇIKILMAMIŞ"), QStringLiteral("stoktan düşülmeyecek"),
               QStringLiteral("stoktan çıkmadan"), QStringLiteral("stoktan düşülüp düşülmedikleri")};
  t.sıralı = true;
  return t;
}

// Columns of a row: customer, product, warehouse, person, reason, date, ..., quantity.
constexpr FişVerileri::ListeSütunları Sütunlar{1, 2, 10};

ListeHedefi Listeler() { return Form<ÇıkışİşlemleriFormu>().Hedef(); }
[[maybe_unused]] const bool işlerKayıtlı = İlerlemeGösterFormu::HedefKaydet({2, 6, 7}, Listeler);
[[maybe_unused]] const bool aktarmaKayıtlı =
    İlerlemeGösterFormu::İşProsedürüKaydet({21}, [] { Form<ÇıkışİşlemleriFormu>().MSExceleAktar(); });

}  // namespace

ÇıkışİşlemleriFormu::ÇıkışİşlemleriFormu() : StoktanFişFormu(Tanım(), {0, 1, 7, Sütunlar}) {
  const char* nedenler[] = {"SATIŞ", "NUMUNE", "İŞÇİLİK", "HURDA", "ZAYİ", "FİRE", "HEDİYE"};
  for (int i = 0; i < 7; ++i) NedenKutusu->addItem(QString::fromUtf8(nedenler[i]), i);
  DepoSeçici().SeçenekTıklandı = [this](int) { DepoKoduAdıSeçeneği_Click(); };
  connect(ListeyeEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
  connect(ListeDüğmeleri[0], &QPushButton::clicked, this, [this] { ListeyiStoktanÇıkDüğmesi_Click(); });
}

ListeHedefi ÇıkışİşlemleriFormu::Hedef() {
  Yükle();
  return {FirmaListesi(), ÜrünListesi(), DepoListesi(), nullptr,
          [this] { return ÜrünSeçici().AdlarGösteriliyor(); }, [this](int) { return DepoSeçici().AdlarGösteriliyor(); }};
}

void ÇıkışİşlemleriFormu::DepoKoduAdıSeçeneği_Click() {
  // The products of the last warehouse stay; without a warehouse they show no stock.
  const QScopedValueRollback yenileniyor(depoYenileniyor_, true);
  ListeİşiniÇalıştır(6);
}

void ÇıkışİşlemleriFormu::ListeyeEkleDüğmesi_Click() {
  const auto depo = DepoSeçici().SeçiliNo();
  const auto ürün = ÜrünSeçici().SeçiliNo();
  const auto firma = FirmaSeçici().SeçiliNo();
  QString anahtar;
  if (!SatırKabulEdilir({
          {[&] { return !depo; }, QStringLiteral("Lütfen, ürünün bulunduğu DEPOYU listeden seçiniz!"), DepoListesi()},
          {[&] { return !ürün; }, QStringLiteral("Lütfen, listeden bir ÜRÜN seçiniz!"), ÜrünListesi()},
          {[&] { return !firma; }, QStringLiteral("Lütfen, listeden bir FİRMA seçiniz!"), FirmaListesi()},
          {[&] { return TürkçeMetin::MiktarOku(MevcutÜrünSayısıKutusu->text()).value_or(0) == 0; },
           QStringLiteral("Bu ürünün stokta MEVCUDU kalmamış!\n\nLütfen, başka bir ürün seçiniz."), ÜrünListesi()},
          {[&] {
             anahtar = FişVerileri::SatırAnahtarı(*firma, *ürün, *depo);
             return Çalışma->Yinelenen(anahtar);
           },
           QStringLiteral("Bu ÇIKIŞ İŞLEMİ listeye daha önce eklenmiş!\n\n"
                          "Lütfen, firmayı, ürünü ya da depoyu değiştiriniz."),
           FirmaListesi()},
          {[&] { return KişiKutusu->currentText().isEmpty(); }, QStringLiteral("Lütfen, ÇIKIŞI YAPANI giriniz!"),
           KişiKutusu},
          MiktarReddi(QStringLiteral("Lütfen, ÇIKIŞ MİKTARINI giriniz!")),
          AğırlıkReddi(),
          StokReddi(QStringLiteral("Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!")),
          {[&] { return NedenKutusu->currentIndex() < 0; }, QStringLiteral("Lütfen ÇIKIŞ NEDENİ'ni belirtiniz."),
           NedenKutusu}}))
    return;
  HataYakala([&] {
    const SatırDeğerleri d = DeğerleriAl();
    const QStringList hücreler{QString::number(*firma),
                               QString::number(*ürün),
                               QString::number(*depo),
                               QString::number(d.kişiNo),
                               QString::number(NedenKutusu->currentData().toInt()),
                               d.tarih,
                               FirmaSeçici().SeçiliMetin(),
                               SeçiliÜrünKodu,
                               Ad(ÜrünSeçici(), ÜrünAdıGetir),
                               Ad(DepoSeçici(), DepoAdıGetir),
                               d.miktar,
                               d.ağırlık};
    SatırıEkle(hücreler, anahtar);
    NedenKutusu->setCurrentIndex(-1);
  });
}

void ÇıkışİşlemleriFormu::ListeyiStoktanÇıkDüğmesi_Click() {
  Çalışma->Aktar([](const ÇalışmaListesi::Yazılacak& iş) {
    using namespace FişVerileri;
    std::vector<ÇıkışSatırı> çıkışlar;
    for (const QStringList& s : iş.satırlar)
      çıkışlar.push_back({HücreNo(s[0]), HücreNo(s[1]), HücreNo(s[2]), HücreNo(s[3]), static_cast<int>(HücreNo(s[4])),
                          HücreTarihi(s[5]), HücreMiktarı(s[10]), std::nullopt});
    ÇıkışlarıYaz(*Ortak::Veritabanı, çıkışlar, iş.önceki);
  });
}
