#include "FirmalaraGoreStokListesi.h"

#include <QLabel>

namespace {
constexpr int Oluşturİşi = 32, Aktarİşi = 25;
[[maybe_unused]] const bool işler = ListeİşleriniKaydet<FirmalaraGöreStokListesi>(Oluşturİşi, Aktarİşi);
}  // namespace

FirmalaraGöreStokListesi::FirmalaraGöreStokListesi()
    : ListeFormu({QStringLiteral("Satıcı Firmalara Göre Stok Listesi"),
                  QStringLiteral("&Giriş Listesi"),
                  QStringLiteral("FirmalaraGoreStokListesi"),
                  {},
                  Oluşturİşi,
                  Aktarİşi,
                  Seçici::Firma,
                  true,
                  {{"Firma Adı", 2400},
                   {"Ürün Kodu", 1200},
                   {"Ürün Adı", 2400},
                   {"Depo Adı", 1800},
                   {"Miktarı", 1200},
                   {"Ağırlığı", 1200}},
                  ListeVerileri::Sütunlar::FirmaStok,
                  5,
                  QStringLiteral("FirmaListesi")}) {
  Etiket[0]->setText(QStringLiteral("Satıcı &Firmalar"));
}

SıkıListe FirmalaraGöreStokListesi::Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::FirmaStokListesi(vt, FirmaTürü, s);
}

ListeVerileri::Kaynak FirmalaraGöreStokListesi::TarihKaynağı() const {
  return FirmaTürü == QLatin1String("Alici") ? ListeVerileri::Kaynak::Çıkış : ListeVerileri::Kaynak::Giriş;
}

QString FirmalaraGöreStokListesi::SayfaAdı() const {
  return FirmaTürü == QLatin1String("Alici") ? QStringLiteral("Alıcı Firmalar") : QStringLiteral("Satıcı Firmalar");
}
