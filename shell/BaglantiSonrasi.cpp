#include "BaglantiSonrasi.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "GirisSifresiSorFormu.h"
#include "IlerlemeGosterFormu.h"
#include "KritikStokListesiFormu.h"
#include "OrtakDegiskenlerModulu.h"

void GirişŞifresiSor() { ModalGöster(Form<GirişŞifresiSorFormu>()); }

void KritikStokUyarısınıGöster() {
  Ortak::KritikStokUyarısı = Ayarlar::SayıOku(QStringLiteral("Ayarlar"), QStringLiteral("KritikStokUyarisi"), 0);
  if (Ortak::KritikStokUyarısı != 1) return;
  if (KritikStokSayısı() <= 0) return;
  Form<İlerlemeGösterFormu>().İşiÇalıştır(33, İş::ListelerBaşlık, İş::ListelerMetin, SahipPencere());
  ModalGöster(Form<KritikStokListesiFormu>());
}
