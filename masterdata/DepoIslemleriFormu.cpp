#include "DepoIslemleriFormu.h"

#include "OrtakDegiskenlerModulu.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using AlanAileleri::Aile;
using TanımVerileri::Sonuç;

DepoİşlemleriFormu::DepoİşlemleriFormu()
    : TanımFormu(
          {
              QStringLiteral("Depo İşlemleri"),
              QStringLiteral("Depo Arama "),
              QStringLiteral("Depo Bilgileri "),
              QStringLiteral("Aranan Depo :"),
              QStringLiteral("Depo A&dına Göre Ara "),
              QStringLiteral("Depo K&oduna Göre Ara "),
              QStringLiteral("Depo Ara"),
              QStringLiteral("Bulunan Depolar :"),
              QStringLiteral("&Yeni Depo Ekle"),
              QStringLiteral("Depo Bilgilerini D&eğiştir"),
              QStringLiteral("Depoyu &Sil"),
              QStringLiteral("Aradığınız depoyu bulmanız için en az BİR HARF girmelisiniz!"),
              QStringLiteral("'Bulunan Depolar' listeniz BOŞ! Lütfen, önce arama yaparak depo bulunuz."),
              QStringLiteral("Lütfen, 'Bulunan Depolar' listesinden bir depo SEÇİNİZ!"),
              QStringLiteral("Bu depoya GİRİŞ yapıldığı için, önce bu giriş işlem(ler)ini silmeniz gerekir!"),
              QStringLiteral("Seçilen depoyu SİLMEK istediğinizden emin misiniz?"),
              QStringLiteral("Değiştirdiğiniz depo, bu arada başka bir bilgisayardan silinmiş! "
                             "Değişiklikler kaydedilemedi."),
          },
          TanımVerileri::Depolar, true) {
  DepoKoduKutusu = SatırEkle(QStringLiteral("Depo &Kodu :"), Aile::Metin, 128);
  DepoAdıKutusu = SatırEkle(QStringLiteral("Depo &Adı :"), Aile::Metin, 255);
  DepoYeriKutusu = SatırEkle(QStringLiteral("Depo Yer&i :"), Aile::Metin, 255);
  AçıklamaKutusu = ÇokSatırEkle(QStringLiteral("Açıkla&ma :"), Aile::Metin);
  BilgiDüzeni->setColumnMinimumWidth(1, Piksel(2745));
  BulunanListe->setFixedHeight(Piksel(1230));
  Kur();
}

std::vector<QWidget*> DepoİşlemleriFormu::KayıtAlanları() const {
  return {DepoKoduKutusu, DepoAdıKutusu, DepoYeriKutusu, AçıklamaKutusu};
}

void DepoİşlemleriFormu::KaydıYükle(qint64 no) {
  const TanımVerileri::DepoBilgisi b = TanımVerileri::DepoOku(*Ortak::Veritabanı, no);
  DepoKoduKutusu->setText(b.DepoKodu);
  DepoAdıKutusu->setText(b.DepoAdi);
  DepoYeriKutusu->setText(b.DepoYeri);
  AçıklamaKutusu->setPlainText(b.Aciklama);
  EskiDeğer = DepoAdıKutusu->text();
}

void DepoİşlemleriFormu::Kaydet() {
  const TanımVerileri::DepoBilgisi b{DepoKoduKutusu->text(), DepoAdıKutusu->text(), DepoYeriKutusu->text(),
                                      AçıklamaKutusu->toPlainText()};
  const auto s =
      TanımVerileri::DepoKaydet(*Ortak::Veritabanı, b, KayıtKipi == YeniKayıt ? 0 : SeçiliKayıtNo, &deneme_);
  const bool kaydedildi =
      KayıtSonucu(s, {
                         {Sonuç::KodBoş, QStringLiteral("DEPO KODU boş bırakılamaz!"), DepoKoduKutusu},
                         {Sonuç::AdBoş, QStringLiteral("DEPO ADI boş bırakılamaz!"), DepoAdıKutusu},
                         {Sonuç::AdVar,
                          QStringLiteral("Girmeye çalıştığınız DEPO ADI daha önce girilmiş!\n\n"
                                         "Lütfen, değiştirip yeniden deneyiniz."),
                          DepoAdıKutusu},
                     });
  if (kaydedildi) KayıtSonrası(s.no);
}

void DepoİşlemleriFormu::KayıtSonrası(qint64 no) { KaydedileniGöster(DepoAdıKutusu->text(), no); }
