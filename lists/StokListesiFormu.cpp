#include "StokListesiFormu.h"

namespace {
constexpr int Oluşturİşi = 30, Aktarİşi = 23;
[[maybe_unused]] const bool işler = ListeİşleriniKaydet<StokListesiFormu>(Oluşturİşi, Aktarİşi);
}  // namespace

StokListesiFormu::StokListesiFormu()
    : ListeFormu({QStringLiteral("Stok Listesi"),
                  QStringLiteral("&Stok Listesi"),
                  QStringLiteral("StokListesi"),
                  QStringLiteral("Stok Listesi"),
                  Oluşturİşi,
                  Aktarİşi,
                  Seçici::Yok,
                  true,
                  {{"Ürün Kodu", 1200},
                   {"Ürün Adı", 2400},
                   {"Giren Miktar", 1150},
                   {"Giren Ağırlık", 1150},
                   {"Çıkan Miktar", 1150},
                   {"Çıkan Ağırlık", 1150},
                   {"Mevcut Miktar", 1150},
                   {"Mevcut Ağırlık", 1150}},
                  ListeVerileri::Sütunlar::MevcutStok,
                  7}) {}

SıkıListe StokListesiFormu::Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::MevcutStokListesi(vt, s);
}

ListeVerileri::Kaynak StokListesiFormu::TarihKaynağı() const { return ListeVerileri::Kaynak::GirişVeÇıkış; }
