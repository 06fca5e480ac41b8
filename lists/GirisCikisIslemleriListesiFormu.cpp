#include "GirisCikisIslemleriListesiFormu.h"

namespace {
constexpr int Oluşturİşi = 34, Aktarİşi = 27;
[[maybe_unused]] const bool işler = ListeİşleriniKaydet<GirişÇıkışİşlemleriListesiFormu>(Oluşturİşi, Aktarİşi);
}  // namespace

GirişÇıkışİşlemleriListesiFormu::GirişÇıkışİşlemleriListesiFormu()
    : ListeFormu({QStringLiteral("Giriş İşlemleri Listesi"),
                  QStringLiteral("&Giriş Listesi"),
                  QStringLiteral("GirisCikisListesi"),
                  {},
                  Oluşturİşi,
                  Aktarİşi,
                  Seçici::Yok,
                  true,
                  {{"Tarihi", 1100},
                   {"Firması", 2000},
                   {"Ürün Kodu", 1100},
                   {"Ürün Adı", 2000},
                   {"Depo Adı", 1500},
                   {"Nedeni", 900},
                   {"Miktarı", 1100},
                   {"Ağırlığı", 1100}},
                  ListeVerileri::Sütunlar::İşlem,
                  7,
                  QStringLiteral("IslemListesi")}) {}

SıkıListe GirişÇıkışİşlemleriListesiFormu::Satırlar(Veritabanı& vt,
                                                                            const ListeVerileri::Süzgeç& s) {
  return ListeVerileri::İşlemListesi(vt, İşlemTürü, s);
}

ListeVerileri::Kaynak GirişÇıkışİşlemleriListesiFormu::TarihKaynağı() const {
  return İşlemTürü == QLatin1String("Cikis") ? ListeVerileri::Kaynak::Çıkış : ListeVerileri::Kaynak::Giriş;
}

QString GirişÇıkışİşlemleriListesiFormu::SayfaAdı() const {
  return İşlemTürü == QLatin1String("Cikis") ? QStringLiteral("Çıkış İşlemleri") : QStringLiteral("Giriş İşlemleri");
}
