#include "UrunIslemleriFormu.h"

#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <cmath>

using namespace OrtakYordamlarModülü;
using AlanAileleri::Aile;
using TanımVerileri::Sonuç;

namespace {
const QString BirimBölümü = QStringLiteral("BirimTurleri");
}  // namespace

ÜrünİşlemleriFormu::ÜrünİşlemleriFormu()
    : TanımFormu(
          {
              QStringLiteral("Ürün İşlemleri (Ekleme-Değitirme-Silme)"),
              QStringLiteral("Ürün Arama "),
              QStringLiteral("Ürün Bilgileri "),
              QStringLiteral("Aranan Ürün :"),
              QStringLiteral("Ürün A&dına Göre Ara "),
              QStringLiteral("Ürün K&oduna Göre Ara "),
              QStringLiteral("Ürün Ara"),
              QStringLiteral("Bulunan Ürünler :"),
              QStringLiteral("&Yeni Ürün Ekle"),
              QStringLiteral("Ürün Bilgilerini D&eğiştir"),
              QStringLiteral("Ürünü &Sil"),
              QStringLiteral("Aradığınız ürünü bulmanız için en az BİR HARF girmelisiniz!"),
              QStringLiteral("'Bulunan Ürünler' listeniz BOŞ! Lütfen, önce arama yaparak ürün bulunuz."),
              QStringLiteral("Lütfen, 'Bulunan Ürünler' listesinden bir ürün SEÇİNİZ!"),
              QStringLiteral("Bu üründen GİRİŞ yapıldığı için, önce bu giriş işlem(ler)ini silmeniz gerekir!"),
              QStringLiteral("Seçilen ürünü SİLMEK istediğinizden emin misiniz?"),
              QStringLiteral("Değiştirdiğiniz ürün, bu arada başka bir bilgisayardan silinmiş! "
                             "Değişiklikler kaydedilemedi."),
          },
          TanımVerileri::Ürünler, false) {
  ÜrünKoduKutusu = SatırEkle(QStringLiteral("Ürün &Kodu :"), Aile::Metin, 128);
  ÜreticiKoduKutusu = SatırEkle(QStringLiteral("Üreti&ci Kodu :"), Aile::Metin, 128);
  ÜrünAdıKutusu = ÇokSatırEkle(QStringLiteral("Ürün &Adı :"), Aile::Ad, 255);
  BirimTürüKutusu = new QComboBox(Altlık[1]);
  BirimTürüKutusu->setEditable(true);
  BirimTürüKutusu->setInsertPolicy(QComboBox::NoInsert);
  BirimTürüKutusu->setCompleter(nullptr);
  AlanAileleri::Bağla(BirimTürüKutusu, AlanEkle(QStringLiteral("Birim &Türü :"), BirimTürüKutusu), Aile::Seçim);
  BirimAğırlığıKutusu = SatırEkle(QStringLiteral("Biri&m Ağırlığı :"), Aile::Ondalık, 20);
  PaketlemeAdediKutusu = SatırEkle(QStringLiteral("&Paketleme Adedi :"), Aile::Tamsayı, 20);
  AskılamaSayısıKutusu = SatırEkle(QStringLiteral("Askılama Sayısı :"), Aile::Tamsayı, 20);
  AçıklamaKutusu = ÇokSatırEkle(QStringLiteral("Açıklama (Not) :"), Aile::Metin);
  BilgiDüzeni->setColumnMinimumWidth(1, Piksel(4275));
  BulunanListe->setFixedHeight(Piksel(2790));
  Kur();
}

std::vector<QWidget*> ÜrünİşlemleriFormu::KayıtAlanları() const {
  return {ÜrünKoduKutusu,      ÜreticiKoduKutusu,    ÜrünAdıKutusu,        BirimTürüKutusu,
          BirimAğırlığıKutusu, PaketlemeAdediKutusu, AskılamaSayısıKutusu, AçıklamaKutusu};
}

void ÜrünİşlemleriFormu::Form_Load() {
  BirimTürüKutusu->clear();
  SonKullanılanlarıYükle(BirimTürüKutusu, BirimBölümü);
  TanımFormu::Form_Load();
}

void ÜrünİşlemleriFormu::KaydıYükle(qint64 no) {
  const TanımVerileri::ÜrünBilgisi b = TanımVerileri::ÜrünOku(*Ortak::Veritabanı, no);
  const auto sayaç = [](const std::optional<qint64>& n) { return n ? TürkçeMetin::SayaçMetni(*n) : QString(); };
  ÜrünKoduKutusu->setText(b.UrunKodu);
  ÜreticiKoduKutusu->setText(b.UreticiKodu);
  ÜrünAdıKutusu->setPlainText(b.UrunAdi);
  BirimTürüKutusu->setEditText(b.BirimTuru);
  AçıklamaKutusu->setPlainText(b.Aciklama);
  BirimAğırlığıKutusu->setText(b.BirimAgirligi ? TürkçeMetin::SayıMetni(*b.BirimAgirligi, 2) : QString());
  PaketlemeAdediKutusu->setText(sayaç(b.PaketlemeAdedi));
  AskılamaSayısıKutusu->setText(sayaç(b.AskilamaSayisi));
  EskiDeğer = ÜrünKoduKutusu->text();
}

void ÜrünİşlemleriFormu::Kaydet() {
  const auto sayı = [](const QLineEdit* kutu) { return AlanAileleri::SayıDeğeri(kutu->text()); };
  const auto tamsayı = [&](const QLineEdit* kutu) -> std::optional<qint64> {
    const auto d = sayı(kutu);
    if (!d) return std::nullopt;
    return std::llround(*d);
  };
  const TanımVerileri::ÜrünBilgisi b{ÜrünKoduKutusu->text(),        ÜreticiKoduKutusu->text(),
                                      ÜrünAdıKutusu->toPlainText(),  BirimTürüKutusu->currentText(),
                                      sayı(BirimAğırlığıKutusu),     tamsayı(PaketlemeAdediKutusu),
                                      tamsayı(AskılamaSayısıKutusu), AçıklamaKutusu->toPlainText()};
  const auto s =
      TanımVerileri::ÜrünKaydet(*Ortak::Veritabanı, b, KayıtKipi == YeniKayıt ? 0 : SeçiliKayıtNo, &deneme_);
  const bool kaydedildi =
      KayıtSonucu(s, {
                         {Sonuç::KodBoş, QStringLiteral("ÜRÜN KODU boş bırakılamaz!"), ÜrünKoduKutusu},
                         {Sonuç::KodVar,
                          QStringLiteral("Girmeye çalıştığınız ÜRÜN KODU daha önce girilmiş!\n\n"
                                         "Lütfen, değiştirip yeniden deneyiniz."),
                          ÜrünKoduKutusu},
                         {Sonuç::AdBoş, QStringLiteral("ÜRÜN ADI boş bırakılamaz!"), ÜrünAdıKutusu},
                         {Sonuç::AğırlıkTutulamaz, BirimAğırlığıBüyükMetni, BirimAğırlığıKutusu},
                     });
  if (kaydedildi) KayıtSonrası(s.no);
}

void ÜrünİşlemleriFormu::KayıtSonrası(qint64 no) {
  SonKullanılanlarıKaydet(BirimTürüKutusu, BirimBölümü);
  KaydedileniGöster(ÜrünAdıKutusu->toPlainText(), no);
}
