#include "KomutDagitimi.h"

#include "AnaForm.h"
#include "CikisNedenineGoreStokListesiFormu.h"
#include "CikisIslemleriFormu.h"
#include "DepoIslemleriFormu.h"
#include "DepodanDepoyaTransferFormu.h"
#include "FirmaIslemleriFormu.h"
#include "FirmalaraGoreStokListesi.h"
#include "FormYoneticisi.h"
#include "GirisCikisIslemleriListesiFormu.h"
#include "GirisCikisYapanlaraGoreStokHareketleriFormu.h"
#include "GirisIslemleriFormu.h"
#include "GirisSifresiBelirleDegistirFormu.h"
#include "HakkindaFormu.h"
#include "HataBildirmeFormu.h"
#include "IadeEdilenUrunlerListesiFormu.h"
#include "IlerlemeGosterFormu.h"
#include "IslemSecFormu.h"
#include "KritikStokBelirlemeFormu.h"
#include "KritikStokListesiFormu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "StokListesiFormu.h"
#include "SunucuDegistirFormu.h"
#include "UrunIslemleriFormu.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QLabel>

namespace {

struct Sayım {
  const char* sql;
  const char* takmaAd;
};

const Sayım Ürünler{"SELECT Count(UrunNo) As UrunSayisi FROM UrunBilgileriTablosu", "UrunSayisi"};
const Sayım Depolar{"SELECT Count(DepoNo) As DepoSayisi FROM DepoBilgileriTablosu", "DepoSayisi"};
const Sayım Satıcılar{"SELECT Count(FirmaNo) As FirmaSayisi FROM SaticiFirmaBilgileriTablosu", "FirmaSayisi"};
const Sayım Alıcılar{"SELECT Count(FirmaNo) As FirmaSayisi FROM AliciFirmaBilgileriTablosu", "FirmaSayisi"};
const Sayım Kişiler{"SELECT Count(GirisCikisYapanNo) As GirisCikisYapanSayisi FROM GirisCikisYapanlarTablosu",
                    "GirisCikisYapanSayisi"};
const Sayım Girişler{"SELECT Count(IslemNo) As GirisSayisi FROM GirisIslemleriTablosu", "GirisSayisi"};
const Sayım Çıkışlar{"SELECT Count(IslemNo) As CikisSayisi FROM CikisIslemleriTablosu", "CikisSayisi"};
const Sayım İadeler{"SELECT Count(IadeNo) As IadeSayisi FROM IadeBilgileriTablosu", "IadeSayisi"};

const QString ÜrünYok = QStringLiteral("Henüz ÜRÜN tanımlamanmamış! Lütfen, önce ürün tanımlayınız.");
const QString DepoYok = QStringLiteral("Henüz DEPO tanımlamanmamış! Lütfen, önce depo tanımlayınız.");

// When there are no rows, refuses with the message. A count that passes goes to
// TanımSayıları(tanım) where one is given.
bool Denetle(qint64 n, const QString& ret, int tanım = -1) {
  if (n == 0) {
    OrtakYordamlarModülü::MesajKutusu(ret, OrtakYordamlarModülü::Stil::Uyarı);
    return false;
  }
  if (tanım >= 0) Ortak::TanımSayıları[tanım] = n;
  return true;
}

bool Denetle(const Sayım& sayım, const QString& ret, int tanım = -1) {
  const KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(QString::fromUtf8(sayım.sql));
  return Denetle(k.Tamsayı(QString::fromUtf8(sayım.takmaAd)), ret, tanım);
}

void İlerlemeİşi(int kod, const QString& başlık, const QString& metin) {
  Form<İlerlemeGösterFormu>().İşiÇalıştır(kod, başlık, metin, SahipPencere());
}

// A form whose lists a job fills before it is shown.
template <class F>
void İşinArdındanGöster(int iş, const QString& başlık = İş::ListelerBaşlık, const QString& metin = İş::ListelerMetin) {
  İlerlemeİşi(iş, başlık, metin);
  ModalGöster(Form<F>());
}

// A voucher is loaded first: the job fills the lists of its fresh design.
template <class F>
void FişAç(int iş) {
  Form<F>().Yükle();
  İşinArdındanGöster<F>(iş);
}

// The company list for suppliers (203) or customers (204): the kind first, for the form's load reads it.
FirmalaraGöreStokListesi& FirmaListesiniHazırla(bool satıcı) {
  FirmalaraGöreStokListesi& f = Form<FirmalaraGöreStokListesi>();
  f.FirmaTürü = satıcı ? QStringLiteral("Satici") : QStringLiteral("Alici");
  f.Etiket[0]->setText(satıcı ? QStringLiteral("Satıcı &Firmalar") : QStringLiteral("Alıcı &Firmalar"));
  f.Etiket[4]->setText(satıcı ? QStringLiteral("&Giriş Listesi") : QStringLiteral("&Çıkış Listesi"));
  f.setWindowTitle(satıcı ? QStringLiteral("Satıcı Firmalara Göre Stok Listesi")
                          : QStringLiteral("Alıcı Firmalara Göre Stok Listesi"));
  return f;
}

// The entries (206) or exits (207) list.
GirişÇıkışİşlemleriListesiFormu& İşlemListesiniHazırla(bool giriş) {
  GirişÇıkışİşlemleriListesiFormu& f = Form<GirişÇıkışİşlemleriListesiFormu>();
  f.İşlemTürü = giriş ? QStringLiteral("Giris") : QStringLiteral("Cikis");
  f.setWindowTitle(giriş ? QStringLiteral("Giriş İşlemleri Listesi") : QStringLiteral("Çıkış İşlemleri Listesi"));
  f.Etiket[4]->setText(giriş ? QStringLiteral("&Giriş Listesi") : QStringLiteral("&Çıkış Listesi"));
  return f;
}

}  // namespace

bool TanımlarıDenetle(const QString& işlemAdı, const QString& firmaTürü) {
  const Sayım firmalar = firmaTürü == QLatin1String("Alici") ? Alıcılar : Satıcılar;
  return Denetle(firmalar, QStringLiteral("FİRMA tanımlamadan %1 işlemi yapamazsınız!").arg(işlemAdı), 0) &&
         Denetle(Ürünler, QStringLiteral("ÜRÜN tanımlamadan %1 işlemi yapamazsınız!").arg(işlemAdı), 1) &&
         Denetle(Depolar, QStringLiteral("DEPO tanımlamadan %1 işlemi yapamazsınız!").arg(işlemAdı), 2);
}

bool KomutDenetle(int komutNo) {
  switch (komutNo) {
    case 105:
    case 401: return TanımlarıDenetle(QStringLiteral("GİRİŞ"), QStringLiteral("Satici"));
    case 106:
    case 402: return TanımlarıDenetle(QStringLiteral("ÇIKIŞ"), QStringLiteral("Alici"));
    case 107: return TanımlarıDenetle(QStringLiteral("TRANSFER"), QStringLiteral("Satici"));
    case 109:
    case 403: return Denetle(Ürünler, ÜrünYok, 1);
    case 110:
      return Denetle(Kişiler, QStringLiteral("Hiçbir GİRİŞ-ÇIKIŞ işlemi yapılmadığı için liste görüntülenemiyor!"));
    case 111: return Denetle(Ürünler, ÜrünYok) && Denetle(Depolar, DepoYok, 2);
    case 201: return Denetle(Girişler, QStringLiteral("GİRİŞ İŞLEMİ yapılmadığı için stok listesi görüntülenemez!"));
    case 202:
    case 207: return Denetle(Çıkışlar, QStringLiteral("ÇIKIŞ İŞLEMİ yapılmadığı için liste görüntülenemez!"));
    case 203: return Denetle(Satıcılar, QStringLiteral("SATICI FİRMA tanımlanmadığı için liste görüntülenemez!"));
    case 204: return Denetle(Alıcılar, QStringLiteral("ALICI FİRMA tanımlanmadığı için liste görüntülenemez!"));
    case 205: return Denetle(KritikStokSayısı(), QStringLiteral("KRİTİK STOK bulunmadığı için liste görüntülenemez!"));
    case 206: return Denetle(Girişler, QStringLiteral("GİRİŞ İŞLEMİ yapılmadığı için liste görüntülenemez!"));
    case 208: return Denetle(İadeler, QStringLiteral("İADE İŞLEMİ yapılmadığı için liste görüntülenemez!"));
    default: return true;
  }
}

bool KomutHazır(int komutNo) {
  switch (komutNo) {
    case 101:
    case 102:
    case 103:
    case 104:
    case 105:
    case 106:
    case 107:
    case 402:
    case 108:  // only opens its submenu
    case 109:
    case 110:
    case 111:
    case 201:
    case 202:
    case 203:
    case 204:
    case 205:
    case 206:
    case 207:
    case 208:
    case 300:
    case 301:
    case 303:
    case 304:
    case 305:
    case 400:
    case 401:
    case 403: return true;
    default: return false;
  }
}

void KomutDağıt(int komutNo) {
  // A command whose form is not in the program yet runs nothing (the main window shows it disabled).
  if (!KomutHazır(komutNo) || !KomutDenetle(komutNo)) return;
  switch (komutNo) {
    case 101: ModalGöster(Form<ÜrünİşlemleriFormu>()); break;
    case 102: ModalGöster(Form<DepoİşlemleriFormu>()); break;
    case 103: ModalGöster(FirmaİşlemleriFormunuHazırla(QStringLiteral("Satici"))); break;
    case 104: ModalGöster(FirmaİşlemleriFormunuHazırla(QStringLiteral("Alici"))); break;
    case 111: İşinArdındanGöster<KritikStokBelirlemeFormu>(13); break;
    case 105:
    case 401: FişAç<GirişİşlemleriFormu>(1); break;
    case 106:
    case 402: FişAç<ÇıkışİşlemleriFormu>(2); break;
    case 107: FişAç<DepodanDepoyaTransferFormu>(8); break;
    case 201: ModalGöster(Form<StokListesiFormu>()); break;
    case 202: ModalGöster(Form<ÇıkışNedenineGöreStokListesiFormu>()); break;
    case 203:
    case 204: ModalGöster(FirmaListesiniHazırla(komutNo == 203)); break;
    case 205: İşinArdındanGöster<KritikStokListesiFormu>(33); break;
    case 206:
    case 207: ModalGöster(İşlemListesiniHazırla(komutNo == 206)); break;
    case 208: ModalGöster(Form<İadeEdilenÜrünlerListesiFormu>()); break;
    case 109:
    case 403: İşinArdındanGöster<ÜrünlereGöreStokHareketleriFormu>(12, İş::ListeBaşlık, İş::ListeMetin); break;
    case 110: ModalGöster(Form<GirişÇıkışYapanlaraGöreStokHareketleriFormu>()); break;
    case 300: GirişŞifresiBelirleDeğiştirFormunuGöster(); break;
    case 301: SunucuDeğiştir(); break;
    case 303: ModalGöster(Form<HataBildirmeFormu>()); break;
    case 304: ModalGöster(Form<HakkındaFormu>()); break;
    case 305:
      // Closing the last window ends the program, after the placement is saved.
      Form<AnaForm>().Kaldır();
      break;
    case 400: ModalGöster(Form<İşlemSeçFormu>()); break;
    default: break;  // 108 runs nothing of its own
  }
}

void KomutlarıBağla() {
  AnaForm::KomutDağıtıcı = KomutDağıt;
  AnaForm::KomutHazırMı = KomutHazır;
}
