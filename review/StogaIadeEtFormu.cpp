#include "StogaIadeEtFormu.h"

#include "FormYoneticisi.h"
#include "HareketIzlemeFormu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "TarihKutusu.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QLineEdit>

using namespace HareketVerileri;
using namespace OrtakYordamlarModülü;

StoğaİadeEtFormu::StoğaİadeEtFormu()
    : TarihMiktarFormu({QStringLiteral("Çıkışı Stoğa İade Et"), QStringLiteral("İade Bilgileri "),
                        QStringLiteral("İade &Tarihi :"), QStringLiteral("İade &Miktarı :"), 10,
                        QStringLiteral("Stoğa İade &Et"), {}}) {
  İadeTarihiKutusu = Tarih;
  İadeMiktarıKutusu = Miktar;
  İadeEtDüğmesi = ÜstDüğme;
  Form_Load();
}

void StoğaİadeEtFormu::Form_Load() {
  TarihMiktarFormu::Form_Load();
  Tarih->DeğerAyarla(Platform::Bugün());
}

void StoğaİadeEtFormu::İadeEtDüğmesi_Click() {
  const QString ret = QStringLiteral("İade edilecek miktar, ÇIKIŞ miktarını geçemez!");
  if (MiktarYok(Miktar->text())) {
    Uyar(QStringLiteral("Stoğa iade edilecek MİKTARI giriniz!"), Miktar);
    return;
  }
  ÜrünlereGöreStokHareketleriFormu& inceleme = Form<ÜrünlereGöreStokHareketleriFormu>();
  const std::optional<GörülenHareket> çıkış = inceleme.SeçiliHareket();
  if (!çıkış) return;
  const TürkçeMetin::Miktar iade = TürkçeMetin::MiktarOku(Miktar->text()).value_or(0);
  if (çıkış->miktar < iade) {
    Uyar(ret, Miktar);
    return;
  }
  // Before the question: a return dated before its exit is refused whatever its quantity.
  const QString tarihRet = QStringLiteral("İade tarihi, ÇIKIŞ tarihinden önce olamaz!");
  if (Tarih->Değer() < çıkış->tarih) {
    Uyar(tarihRet, Tarih);
    return;
  }
  if (çıkış->miktar == iade &&
      MesajKutusu(QStringLiteral("Çıkış miktarının TÜMÜNÜ stoğa iade etmek istediğinizden emin misiniz?"),
                  Stil::SoruEvetHayır) != Platform::Cevap::Evet) {
    Miktar->setFocus();
    return;
  }

  Sonuç sonuç = Sonuç::Yapıldı;
  std::optional<Değerler> bulunan;
  if (!Kaydet([&] { sonuç = StoğaİadeEt(*Ortak::Veritabanı, *çıkış, Tarih->Değer(), iade, &Bekleyen); }, bulunan))
    return;
  if (bulunan) return Yazıldı(*bulunan, ÖnceYazılmışMetni);  // nothing written now
  if (sonuç == Sonuç::İadeÇıkıştanÖnce) {
    Uyar(tarihRet, Tarih);
    return;
  }
  if (sonuç == Sonuç::TutulamazMiktar) {
    Uyar(BüyükMiktarMetni, Miktar);
    return;
  }
  if (sonuç != Sonuç::Yapıldı) MesajKutusu(HareketDeğişmişMetni, Stil::Uyarı);
  Bitti(sonuç == Sonuç::Yapıldı);
}

QString StoğaİadeEtFormu::İadeYazılmışMetni(const QDate& tarih, TürkçeMetin::Miktar miktar) {
  return QStringLiteral("İade, sonucu bilinmeyen önceki denemede %1 tarihiyle %2 miktarında veritabanına "
                        "kaydedilmiş. Sonradan girdiğiniz değerler kaydedilmedi.")
      .arg(TürkçeMetin::TarihMetni(tarih), TürkçeMetin::MiktarMetni(miktar));
}

void StoğaİadeEtFormu::ÖncekiDenemeYazılmış(const İşlemİzleri::Bekleyenİş& iş, const Değerler& deneme) {
  Yazıldı(deneme, ÖncekiİşMetni(iş, true));
}

void StoğaİadeEtFormu::Yazıldı(const Değerler& deneme, const QString& aynıysa) {
  if (Girilen() == deneme) {
    MesajKutusu(aynıysa, Stil::Bilgi);
  } else {
    Tarih->DeğerAyarla(deneme.tarih);
    Miktar->setText(TürkçeMetin::MiktarMetni(deneme.miktar));
    MesajKutusu(İadeYazılmışMetni(deneme.tarih, deneme.miktar), Stil::Bilgi);
  }
  Bitti(true);
}

void StoğaİadeEtFormu::Bitti(bool yapıldı) {
  Form<ÜrünlereGöreStokHareketleriFormu>().ListeyiYenile(yapıldı);
  done(QDialog::Accepted);
}
