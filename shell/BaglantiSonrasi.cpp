#include "BaglantiSonrasi.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "GirisSifresiSorFormu.h"
#include "OrtakDegiskenlerModulu.h"

void GirişŞifresiSor() { ModalGöster(Form<GirişŞifresiSorFormu>()); }

void KritikStokUyarısınıGöster() {
  Ortak::KritikStokUyarısı = Ayarlar::SayıOku(QStringLiteral("Ayarlar"), QStringLiteral("KritikStokUyarisi"), 0);
  if (Ortak::KritikStokUyarısı != 1) return;
  KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(
      QStringLiteral("SELECT Count (DepoAdi) As KritikStokSayisi FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0"));
  if (k.Tamsayı(QStringLiteral("KritikStokSayisi")) <= 0) return;
  // The critical stock list comes with its own form.
}
