#include "IadeEdilenUrunlerListesiFormu.h"

using ListeyiSıralaModülü::SütunTürü;

namespace {
constexpr int Oluşturİşi = 35, Aktarİşi = 28;
[[maybe_unused]] const bool işler = ListeİşleriniKaydet<İadeEdilenÜrünlerListesiFormu>(Oluşturİşi, Aktarİşi);
}  // namespace

İadeEdilenÜrünlerListesiFormu::İadeEdilenÜrünlerListesiFormu()
    : ListeFormu({QStringLiteral("İade Edilen Ürünler Listesi"),
                  QStringLiteral("İad&e Listesi"),
                  QStringLiteral("IadeListesi"),
                  QStringLiteral("İade Edilen Ürünler"),
                  Oluşturİşi,
                  Aktarİşi,
                  Seçici::Yok,
                  true,
                  {{"İade Tarihi", 1100, SütunTürü::Tarih},
                   {"Firması", 2200, SütunTürü::Metin},
                   {"Ürün Kodu", 1100, SütunTürü::Metin},
                   {"Ürün Adı", 2200, SütunTürü::Metin},
                   {"Depo Adı", 1600, SütunTürü::Metin},
                   {"İade Miktarı", 1200, SütunTürü::Sayı},
                   {"Ağırlığı", 1200, SütunTürü::Sayı}},
                  6}) {}

SıkıListe İadeEdilenÜrünlerListesiFormu::Satırlar(Veritabanı& vt,
                                                                          const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::İadeListesi(vt, s);
}

ListeVerileri::Kaynak İadeEdilenÜrünlerListesiFormu::TarihKaynağı() const { return ListeVerileri::Kaynak::İade; }
