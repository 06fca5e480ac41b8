#include "ListeRaporu.h"

#include "ListeGorunumu.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"

namespace ListeRaporu {

void Yazdır(QWidget&, const ListeGörünümü& liste, const Tanım&) {
  if (liste.SatırSayısı() == 0) return;
  if (!Ortak::YazıcıVar) {
    OrtakYordamlarModülü::MesajKutusu(QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\\r\\n\\r\\n"
                                                     "Lütfen, bir yazıcı yükleyip tekrar deneyiniz."),
                                      OrtakYordamlarModülü::Stil::Uyarı);
    return;
  }
}

ExcelKitabı::HücreTürü HücreTürü(ListeyiSıralaModülü::SütunTürü tür) {
  switch (tür) {
    case ListeyiSıralaModülü::SütunTürü::Sayı: return ExcelKitabı::HücreTürü::Sayı;
    case ListeyiSıralaModülü::SütunTürü::Tarih: return ExcelKitabı::HücreTürü::Tarih;
    default: return ExcelKitabı::HücreTürü::Metin;
  }
}

}  // namespace ListeRaporu
