#include "IslemDegistirFormu.h"

#include "FormYoneticisi.h"
#include "HareketIzlemeFormu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TarihKutusu.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace HareketVerileri;

namespace {

TarihMiktarFormu::Tasarım Tasarımı(HareketTürü tür) {
  if (tür == HareketTürü::Giriş)
    return {QStringLiteral("Giriş İşlemi Değiştirme"), QStringLiteral("Giriş Bilgileri "),
            QStringLiteral("Giriş &Tarihi :"), QStringLiteral("Giriş &Miktarı :"), 20, QStringLiteral("Kaydet"), {}};
  return {QStringLiteral("Çıkış İşlemi Değiştirme"), QStringLiteral("Çıkış Bilgileri "),
          QStringLiteral("Çıkış &Tarihi :"),          QStringLiteral("Çıkış &Miktarı :"),
          20,                                           QStringLiteral("Kaydet"),
          QStringLiteral("Çıkış Ne&deni :")};
}

}  // namespace

İşlemDeğiştirFormu::İşlemDeğiştirFormu(HareketTürü tür) : TarihMiktarFormu(Tasarımı(tür)), tür_(tür) {
  KaydetDüğmesi = ÜstDüğme;
  // Only an edit of the user's own enables saving: the values the review puts in before
  // showing the dialog raise the same signals while the focus is elsewhere.
  Tarih->Değişti = [this] {
    if (Tarih->OdakSende()) KaydetDüğmesi->setEnabled(true);
  };
  connect(Miktar, &QLineEdit::textEdited, this, [this] { KaydetDüğmesi->setEnabled(true); });
  if (Neden) connect(Neden, &QComboBox::activated, this, [this] { KaydetDüğmesi->setEnabled(true); });
  Form_Load();
}

void İşlemDeğiştirFormu::Form_Load() {
  TarihMiktarFormu::Form_Load();
  KaydetDüğmesi->setEnabled(false);
}

void İşlemDeğiştirFormu::KaydetDüğmesi_Click() {
  const bool giriş = tür_ == HareketTürü::Giriş;
  if (MiktarYok(Miktar->text())) {
    Uyar(giriş ? QStringLiteral("Lütfen, GİRİŞ MİKTARINI giriniz!") : QStringLiteral("Lütfen, ÇIKIŞ MİKTARINI giriniz!"),
         Miktar);
    return;
  }
  const TürkçeMetin::Miktar yeni = TürkçeMetin::MiktarOku(Miktar->text()).value_or(0);
  if (!TürkçeMetin::TamTutulur(yeni)) {
    Uyar(OrtakYordamlarModülü::BüyükMiktarMetni, Miktar);
    return;
  }
  ÜrünlereGöreStokHareketleriFormu& inceleme = Form<ÜrünlereGöreStokHareketleriFormu>();
  const std::optional<GörülenHareket> h = inceleme.SeçiliHareket();
  if (!h) return;
  const TürkçeMetin::Miktar girenler = inceleme.Toplam(inceleme.GirişMiktarıToplamıKutusu),
                            çıkanlar = inceleme.Toplam(inceleme.ÇıkışMiktarıToplamıKutusu);
  // The product as a whole, by the totals on the screen; the warehouse is tested as stored.
  const QString eksiMetni = giriş ? QStringLiteral("Giriş miktarı, çıkış toplamından AZ olamaz!")
                                  : QStringLiteral("Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!");
  const TürkçeMetin::Miktar bakiye =
      giriş ? (girenler - h->miktar + yeni) - çıkanlar : girenler - (çıkanlar - h->miktar + yeni);
  if (bakiye < 0) {
    Uyar(eksiMetni, Miktar);
    return;
  }
  if (!giriş && Neden->currentIndex() < 0) {
    Uyar(QStringLiteral("Lütfen ÇIKIŞ NEDENİ'ni belirtiniz."), Neden);
    return;
  }

  // The product's check above weighs the change against the totals shown; the movement is
  // written from what the file holds, which is an earlier try once that was found in it.
  const Değerler girilen = Girilen();
  const GörülenHareket taban = taban_ ? Hali(*h, *taban_) : *h;
  const std::optional<GörülenHareket> deneme = Deneme() ? std::optional(Hali(*h, *Deneme())) : std::nullopt;
  Sonuç sonuç = Sonuç::Yapıldı;
  QString depoMetni;
  std::optional<Değerler> bulunan;
  const bool yazıldı = Kaydet(
      [&] {
        Veritabanı& vt = *Ortak::Veritabanı;
        DepoEksiği eksik;
        const GörülenHareket* d = deneme ? &*deneme : nullptr;
        sonuç = giriş ? GirişiDeğiştir(vt, taban, girilen.tarih, girilen.miktar, &eksik, &Bekleyen, d)
                      : ÇıkışıDeğiştir(vt, taban, girilen.tarih, girilen.miktar, girilen.neden, &eksik, &Bekleyen, d);
        if (sonuç == Sonuç::StokEksiyeDüşer) depoMetni = DepoEksiğiMetni(vt, eksik, false);
      },
      bulunan);
  if (bulunan) taban_ = bulunan;
  if (!yazıldı) return;
  // The earlier try found in the file is told with what became of the values given now.
  const QString önce =
      bulunan && sonuç != Sonuç::Yapıldı ? OrtakYordamlarModülü::SonGirilenYazılmadıMetni + QStringLiteral("\n\n") : QString();
  if (sonuç == Sonuç::StokEksiyeDüşer || sonuç == Sonuç::TutulamazMiktar) {
    // The product has enough, one warehouse has not (the message says which); or the new
    // quantity's weight is past what is kept exactly.
    Uyar(önce + (sonuç == Sonuç::StokEksiyeDüşer ? depoMetni : OrtakYordamlarModülü::BüyükMiktarMetni), Miktar);
    return;
  }
  if (sonuç != Sonuç::Yapıldı)
    OrtakYordamlarModülü::MesajKutusu(önce + HareketDeğişmişMetni, OrtakYordamlarModülü::Stil::Uyarı);
  else if (bulunan)
    OrtakYordamlarModülü::MesajKutusu(
        girilen == *bulunan ? OrtakYordamlarModülü::ÖnceYazılmışMetni : OrtakYordamlarModülü::ÜzerineYazıldıMetni,
        OrtakYordamlarModülü::Stil::Bilgi);
  taban_.reset();
  inceleme.ListeyiYenile(sonuç == Sonuç::Yapıldı);
  done(QDialog::Accepted);
}

void İşlemDeğiştirFormu::ÖncekiDenemeYazılmış(const İşlemİzleri::Bekleyenİş& iş, const Değerler& deneme) {
  // The input stays: saved, it goes over the try as a change of it.
  taban_ = deneme;
  OrtakYordamlarModülü::MesajKutusu(ÖncekiİşMetni(iş, true), OrtakYordamlarModülü::Stil::Bilgi);
}

GörülenHareket İşlemDeğiştirFormu::Hali(GörülenHareket h, const Değerler& d) const {
  h.tarih = d.tarih;
  h.miktar = d.miktar;
  if (Neden) h.neden = d.neden;
  return h;
}

bool İşlemDeğiştirFormu::İncelemeEskiKalabilir() const {
  // The try found in the file, which the review does not show yet.
  return taban_ || TarihMiktarFormu::İncelemeEskiKalabilir();
}

void İşlemDeğiştirFormu::done(int sonuç) {
  TarihMiktarFormu::done(sonuç);
  taban_.reset();
}

GirişİşlemiDeğiştirFormu::GirişİşlemiDeğiştirFormu() : İşlemDeğiştirFormu(HareketTürü::Giriş) {
  GirişTarihiKutusu = Tarih;
  GirişMiktarıKutusu = Miktar;
}

ÇıkışİşlemiDeğiştirFormu::ÇıkışİşlemiDeğiştirFormu() : İşlemDeğiştirFormu(HareketTürü::Çıkış) {
  ÇıkışTarihiKutusu = Tarih;
  ÇıkışMiktarıKutusu = Miktar;
  ÇıkışNedeniKutusu = Neden;
}
