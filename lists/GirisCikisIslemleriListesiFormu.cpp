#include "GirisCikisIslemleriListesiFormu.h"

using ListeyiSıralaModülü::SütunTürü;

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
                  {{"Tarihi", 1100, SütunTürü::Tarih},
                   {"Firması", 2000, SütunTürü::Metin},
                   {"Ürün Kodu", 1100, SütunTürü::Metin},
                   {"Ürün Adı", 2000, SütunTürü::Metin},
                   {"Depo Adı", 1500, SütunTürü::Metin},
                   {"Nedeni", 900, SütunTürü::Metin},
                   {"Miktarı", 1100, SütunTürü::Sayı},
                   {"Ağırlığı", 1100, SütunTürü::Sayı}},
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
