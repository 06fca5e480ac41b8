#include "StokListesiFormu.h"

using ListeyiSıralaModülü::SütunTürü;

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
                  {{"Ürün Kodu", 1200, SütunTürü::Metin},
                   {"Ürün Adı", 2400, SütunTürü::Metin},
                   {"Giren Miktar", 1150, SütunTürü::Sayı},
                   {"Giren Ağırlık", 1150, SütunTürü::Sayı},
                   {"Çıkan Miktar", 1150, SütunTürü::Sayı},
                   {"Çıkan Ağırlık", 1150, SütunTürü::Sayı},
                   {"Mevcut Miktar", 1150, SütunTürü::Sayı},
                   {"Mevcut Ağırlık", 1150, SütunTürü::Sayı}},
                  7}) {}

SıkıListe StokListesiFormu::Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::MevcutStokListesi(vt, s);
}

ListeVerileri::Kaynak StokListesiFormu::TarihKaynağı() const { return ListeVerileri::Kaynak::GirişVeÇıkış; }
