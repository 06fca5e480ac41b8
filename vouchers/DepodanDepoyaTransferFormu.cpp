#include "DepodanDepoyaTransferFormu.h"

#include "FisBaskisi.h"
#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TransferVerileri.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace OrtakYordamlarModülü;
using Tür = ListeyiSıralaModülü::SütunTürü;

namespace {

QStringList DepoSeçenekleri() {
  return {QStringLiteral("Depo Adına Göre Listele "), QStringLiteral("Depo Koduna Göre Listele ")};
}

FişTanımı Tanım() {
  FişTanımı t;
  t.başlık = QStringLiteral("Depodan Depoya Transfer");
  t.seçiciler = {
      {QStringLiteral("Ürünün Bulunduğu &Depo :"), QStringLiteral("Depo &Bul :"), DepoSeçenekleri(), 2, 1620, false},
      {QStringLiteral("Ürü&nler :"), QStringLiteral("Ürün B&ul :"),
       {QStringLiteral("Ürün Adına Göre Listele "), QStringLiteral("Ürün Koduna Göre Listele ")}, 1},
      {QStringLiteral("Transfer Edilecek Dep&o :"), QStringLiteral("Depo Bul :"), DepoSeçenekleri(), 4}};
  t.alanlar = {{FişAlanı::ÜrünKodu, QStringLiteral("Ürün Kodu :")},
               {FişAlanı::MevcutSayı, QStringLiteral("Mevcut Sayı :")},
               {FişAlanı::MevcutAğırlık, QStringLiteral("Mevcut Ağırlık :")},
               {FişAlanı::Kişi, QStringLiteral("Transferi  &Yapan :")},
               {FişAlanı::Tarih, QStringLiteral("Transfer &Tarihi :")},
               {FişAlanı::Miktar, QStringLiteral("Transfer &Miktarı :")}};
  t.listeÇerçevesi = QStringLiteral("Transfer Edilecek Ürün Listesi ");
  t.sütunlar = {{"Çıkan Depo No", 1, Tür::Metin}, {"Ürün No", 1, Tür::Metin},       {"Giren Depo No", 1, Tür::Metin},
                {"Transferi Yapan", 1, Tür::Metin}, {"Tarihi", 1200, Tür::Tarih},   {"Çıkan Depo", 1900, Tür::Metin},
                {"Ürün Kodu", 1200, Tür::Metin},  {"Ürün Adı", 2000, Tür::Metin},   {"Giren Depo", 1900, Tür::Metin},
                {"Miktarı", 1200, Tür::Sayı},     {"Miktar Ağırlığı", 1200, Tür::Sayı}};
  t.ağırlıkSütunu = 10;
  t.ayarAdı = QStringLiteral("TransferListesi");
  t.listeDüğmeleri = {QStringLiteral("Listeyi Transfer &Et"), QStringLiteral("Transferi Listeden Çıka&r"),
                      QStringLiteral("Listeyi Temi&zle"), QStringLiteral("Transfer &Fişi Yazdır"),
                      QStringLiteral("Listeyi Microsoft E&xcel'e Aktar")};
  t.excel = {22, QStringLiteral("Transfer Fişi"), QStringLiteral("Depo/Stok Transfer Fişi"), 4, 10};
  t.kapatma = {QStringLiteral("transfer EDİLMEMİŞ"), QStringLiteral("transfer edilmeyecek"),
               QStringLiteral("transfer etmeden"), QStringLiteral("aktarılıp aktarılmadıkları")};
  t.sıralı = true;
  return t;
}

// Columns of a row: source, product, target, person, date, ..., quantity.
constexpr FişVerileri::ListeSütunları Sütunlar{1, 0, 9};
// The same for the warehouse the row brings stock into.
constexpr FişVerileri::ListeSütunları Hedefler{1, 2, 9};

ListeHedefi Listeler() { return Form<DepodanDepoyaTransferFormu>().Hedef(); }
[[maybe_unused]] const bool işlerKayıtlı = İlerlemeGösterFormu::HedefKaydet({8, 9, 10, 11}, Listeler);
[[maybe_unused]] const bool aktarmaKayıtlı =
    İlerlemeGösterFormu::İşProsedürüKaydet({22}, [] { Form<DepodanDepoyaTransferFormu>().MSExceleAktar(); });

}  // namespace

DepodanDepoyaTransferFormu::DepodanDepoyaTransferFormu() : StoktanFişFormu(Tanım(), {0, 1, 9, Sütunlar}) {
  DepoSeçici().SeçenekTıklandı = [this](int i) { DepoKoduAdıSeçeneği_Click(i); };
  YeniDepoSeçici().SeçenekTıklandı = [this](int i) { DepoKoduAdıSeçeneği_Click(i + 2); };
  connect(ListeyeEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
  connect(ListeDüğmeleri[0], &QPushButton::clicked, this, [this] { ListeyiTransferEtDüğmesi_Click(); });
  connect(TransferFişiYazdırDüğmesi(), &QPushButton::clicked, this, [this] { TransferFişiYazdırDüğmesi_Click(); });
}

ListeHedefi DepodanDepoyaTransferFormu::Hedef() {
  Yükle();
  return {nullptr, ÜrünListesi(), DepoListesi(), YeniDepoListesi(), [this] { return ÜrünSeçici().AdlarGösteriliyor(); },
          [this](int k) { return (k == 2 ? YeniDepoSeçici() : DepoSeçici()).AdlarGösteriliyor(); }};
}

void DepodanDepoyaTransferFormu::DepoKoduAdıSeçeneği_Click(int index) {
  ÜrünListesi()->clear();
  ListeİşiniÇalıştır(index < 2 ? 10 : 11);
}

void DepodanDepoyaTransferFormu::ListeyeEkleDüğmesi_Click() {
  const auto kaynak = DepoSeçici().SeçiliNo();
  const auto ürün = ÜrünSeçici().SeçiliNo();
  const auto hedef = YeniDepoSeçici().SeçiliNo();
  QString anahtar;
  if (!SatırKabulEdilir(
          {{[&] { return !kaynak; }, QStringLiteral("Lütfen, ürünün bulunduğu DEPOYU seçiniz!"), DepoListesi()},
           {[&] { return !ürün; }, QStringLiteral("Lütfen, listeden bir ÜRÜN seçiniz!"), ÜrünListesi()},
           {[&] { return !hedef; }, QStringLiteral("Lütfen, ürünün transfer edileceği DEPOYU listeden seçiniz!"),
            YeniDepoListesi()},
           {[&] { return *kaynak == *hedef; },
            QStringLiteral("Ürünün transfer edileceği depo, bulunduğu depodan FARKLI olmalıdır!"), YeniDepoListesi()},
           {[&] {
              anahtar = FişVerileri::SatırAnahtarı(*kaynak, *ürün, *hedef);
              return Çalışma->Yinelenen(anahtar);
            },
            QStringLiteral("Bu TRANSFER İŞLEMİ listeye daha önce eklenmiş!\n\nLütfen, ürünü ya da depoyu değiştiriniz."),
            DepoListesi()},
           {[&] { return KişiKutusu->currentText().isEmpty(); }, QStringLiteral("Lütfen, TRANSFERİ YAPANI giriniz!"),
            KişiKutusu},
           MiktarReddi(QStringLiteral("Lütfen, TRANSFER MİKTARINI giriniz!")),
           AğırlıkReddi(),
           StokReddi(QStringLiteral("Transfer miktarı mevcuttan FAZLA olamaz!")),
           StokSınırıReddi(Hedefler, ürün, hedef)}))
    return;
  HataYakala([&] {
    const SatırDeğerleri d = DeğerleriAl();
    // The names are what the lists show, codes included.
    SatırıEkle({QString::number(*kaynak), QString::number(*ürün), QString::number(*hedef), QString::number(d.kişiNo),
                d.tarih, DepoSeçici().SeçiliMetin(), ÜrünKoduKutusu->text(), ÜrünSeçici().SeçiliMetin(),
                YeniDepoSeçici().SeçiliMetin(), d.miktar, d.ağırlık},
               anahtar);
  });
}

void DepodanDepoyaTransferFormu::ListeyiTransferEtDüğmesi_Click() {
  Çalışma->Aktar([](const ÇalışmaListesi::Yazılacak& iş) {
    using namespace FişVerileri;
    std::vector<TransferSatırı> transferler;
    for (const QStringList& s : iş.satırlar)
      transferler.push_back(
          {HücreNo(s[0]), HücreNo(s[1]), HücreNo(s[2]), HücreNo(s[3]), HücreTarihi(s[4]), HücreMiktarı(s[9])});
    TransferleriYaz(*Ortak::Veritabanı, transferler, iş.önceki);
  });
}

void DepodanDepoyaTransferFormu::TransferFişiYazdırDüğmesi_Click() {
  FişiYazdır(TransferFişiBaskısı, TransferFişiYazdırDüğmesi(),
             QStringLiteral("Listeyi şimdi TRANSFER ETMEK ister misiniz?"), [this] { ListeyiTransferEtDüğmesi_Click(); },
             DepoListesi());
}
