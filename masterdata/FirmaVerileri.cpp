#include "FirmaVerileri.h"

#include <array>

namespace FirmaVerileri {

using namespace TanımVerileri;

const Tanım Satıcılar{"SaticiFirmaBilgileriTablosu", "FirmaNo", "FirmaAdi", "FirmaAdi",
                      "SELECT UrunNo FROM GirisIslemleriTablosu WHERE SaticiFirmaNo=? AND GirisNedeni<99",
                      "satıcı firma"};
const Tanım Alıcılar{"AliciFirmaBilgileriTablosu", "FirmaNo", "FirmaAdi", "FirmaAdi",
                     "SELECT UrunNo FROM CikisIslemleriTablosu WHERE AliciFirmaNo=? AND CikisNedeni<99",
                     "alıcı firma"};

namespace {
const QStringList Sütunlar{"FirmaAdi",         "Telefonu",         "Faksi",
                           "Adresi",           "BirinciYetkiliAdi", "BirinciYetkiliTelefonu",
                           "IkinciYetkiliAdi", "IkinciYetkiliTelefonu", "Aciklama"};

// The fields in the order of the columns.
template <class Bilgi>
auto Alanları(Bilgi& b) {
  return std::array{&b.FirmaAdi,         &b.Telefonu,          &b.Faksi,
                    &b.Adresi,           &b.BirinciYetkiliAdi, &b.BirinciYetkiliTelefonu,
                    &b.IkinciYetkiliAdi, &b.IkinciYetkiliTelefonu, &b.Aciklama};
}
}  // namespace

const Tanım& Firmalar(const QString& firmaTürü) {
  return firmaTürü.compare(QLatin1String("Satici"), Qt::CaseInsensitive) == 0 ? Satıcılar : Alıcılar;
}

std::vector<Bulunan> Listele(Veritabanı& vt, const Tanım& t) {
  std::vector<Bulunan> firmalar;
  for (KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral("SELECT FirmaNo, FirmaAdi FROM %1 ORDER BY FirmaAdi COLLATE TURKCE")
                                            .arg(QString::fromUtf8(t.tablo)));
       !k.Sonda(); k.MoveNext())
    firmalar.push_back({k.Tamsayı(QStringLiteral("FirmaNo")), k.Metin(QStringLiteral("FirmaAdi"))});
  return firmalar;
}

FirmaBilgisi Oku(Veritabanı& vt, const Tanım& t, qint64 no) {
  const KayıtKümesi k = KaydıOku(vt, t, no);
  FirmaBilgisi b;
  const auto alanlar = Alanları(b);
  for (qsizetype i = 0; i < Sütunlar.size(); ++i) *alanlar[i] = k.Metin(Sütunlar[i]);
  return b;
}

KayıtSonucu Kaydet(Veritabanı& vt, const Tanım& t, const FirmaBilgisi& b, qint64 no, Deneme* deneme) {
  QVariantList değerler;
  for (const QString* alan : Alanları(b)) değerler << Metin(*alan);
  Kayıtİşlemi k(vt, t, no, b.FirmaAdi, deneme);
  if (b.FirmaAdi.trimmed().isEmpty()) return {Sonuç::AdBoş};
  if (BaşkasındaVar(vt, t, t.ad, b.FirmaAdi, k.no)) return {Sonuç::AdVar};
  return Yaz(vt, k, t, Sütunlar, değerler);
}

}  // namespace FirmaVerileri
