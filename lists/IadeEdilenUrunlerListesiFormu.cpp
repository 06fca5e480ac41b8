#include "IadeEdilenUrunlerListesiFormu.h"

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
                  {{"İade Tarihi", 1100},
                   {"Firması", 2200},
                   {"Ürün Kodu", 1100},
                   {"Ürün Adı", 2200},
                   {"Depo Adı", 1600},
                   {"İade Miktarı", 1200},
                   {"Ağırlığı", 1200}},
                  ListeVerileri::Sütunlar::İade,
                  6}) {}

SıkıListe İadeEdilenÜrünlerListesiFormu::Satırlar(Veritabanı& vt,
                                                                          const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::İadeListesi(vt, s);
}

ListeVerileri::Kaynak İadeEdilenÜrünlerListesiFormu::TarihKaynağı() const { return ListeVerileri::Kaynak::İade; }
