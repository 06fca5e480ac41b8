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
  if (!HataYakala([&] { sonuç = StoğaİadeEt(*Ortak::Veritabanı, *çıkış, Tarih->Değer(), iade, &Bekleyen); })) return;
  if (sonuç == Sonuç::İadeÇıkıştanÖnce) {
    Uyar(tarihRet, Tarih);
    return;
  }
  if (sonuç == Sonuç::TutulamazMiktar) {
    Uyar(BüyükMiktarMetni, Miktar);
    return;
  }
  if (sonuç != Sonuç::Yapıldı) MesajKutusu(HareketDeğişmişMetni, Stil::Uyarı);
  inceleme.ÜrünListesi_Click();
  if (sonuç == Sonuç::Yapıldı) inceleme.SatırıYenidenSeç(inceleme.Sayaç);
  done(QDialog::Accepted);
}
