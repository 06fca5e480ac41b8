#include "CikisNedenineGoreStokListesiFormu.h"

namespace {
constexpr int Oluşturİşi = 31, Aktarİşi = 24;
[[maybe_unused]] const bool işler = ListeİşleriniKaydet<ÇıkışNedenineGöreStokListesiFormu>(Oluşturİşi, Aktarİşi);
}  // namespace

ÇıkışNedenineGöreStokListesiFormu::ÇıkışNedenineGöreStokListesiFormu()
    : ListeFormu({QStringLiteral("Çıkış Nedenine Göre Stok Listesi"),
                  QStringLiteral("&Stok Listesi"),
                  QStringLiteral("CikisNedeniStokListesi"),
                  QStringLiteral("Çıkış Nedenine Göre"),
                  Oluşturİşi,
                  Aktarİşi,
                  Seçici::Neden,
                  false,
                  {{"Ürün Kodu", 1200},
                   {"Ürün Adı", 2400},
                   {"Depo Adı", 1800},
                   {"Firma Adı", 2400},
                   {"Çıkış Miktarı", 1300},
                   {"Ağırlığı", 1300}},
                  ListeVerileri::Sütunlar::ÇıkışNedeni,
                  5,
                  QStringLiteral("CikisNedeniListesi")}) {}

SıkıListe ÇıkışNedenineGöreStokListesiFormu::Satırlar(Veritabanı& vt,
                                                                              const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::ÇıkışNedeniListesi(vt, s);
}

ListeVerileri::Kaynak ÇıkışNedenineGöreStokListesiFormu::TarihKaynağı() const {
  return ListeVerileri::Kaynak::Çıkış;
}
