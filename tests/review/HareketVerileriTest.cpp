#include "CikisVerileri.h"
#include "HareketTestOrtami.h"
#include "HataliDisk.h"

#include <functional>

namespace {

using namespace HareketVerileri;

class HareketVerileriTesti : public HareketTestOrtamı {
protected:
  // What the list shows of the movement, as the user chooses it.
  GörülenHareket Görülen(Tür tür, qint64 islemNo) {
    for (const ÜrünHareketi& h : ÜrünHareketleri(*vt, ÜrünNo(tür, islemNo), tür))
      if (h.islemNo == islemNo) return {tür, h.islemNo, h.tarih, h.miktar, h.neden, h.girişİşlemNo};
    ADD_FAILURE() << "listede yok: " << islemNo;
    return {};
  }
  qint64 ÜrünNo(Tür tür, qint64 islemNo) {
    return vt->KayıtKümesiAç(tür == Tür::Giriş ? "SELECT UrunNo FROM GirisIslemleriTablosu WHERE IslemNo= ?"
                                               : "SELECT UrunNo FROM CikisIslemleriTablosu WHERE IslemNo= ?",
                             {islemNo})
        .Tamsayı("UrunNo");
  }
  qint64 Girişler() { return Say("FROM GirisIslemleriTablosu"); }
  qint64 Çıkışlar() { return Say("FROM CikisIslemleriTablosu"); }
};

// A product with 10 in warehouse A (20 in, 10 out) and 100 in B: the product's total would
// allow each of these, the warehouse does not.
TEST_F(HareketVerileriTesti, DepoEksiyeDüşemezÜrünToplamıYetseBile) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), b = Depo("B");
  const qint64 girişA = Giriş(u, a, 20), çıkışA = Çıkış(u, a, 10);
  Giriş(u, b, 100);
  struct Durum {
    const char* ad;
    std::function<Sonuç()> yaz;
    Sonuç beklenen;
    Miktar aSonra;
  };
  const QDate t(2026, 2, 1);
  const std::vector<Durum> durumlar{
      {"A'daki 20 girişi silmek", [&] { return HareketiSil(*vt, Görülen(Tür::Giriş, girişA)); },
       Sonuç::StokEksiyeDüşer, 1000},
      {"A'daki girişi 9'a indirmek", [&] { return GirişiDeğiştir(*vt, Görülen(Tür::Giriş, girişA), t, 900); },
       Sonuç::StokEksiyeDüşer, 1000},
      {"A'daki çıkışı 21'e çıkarmak", [&] { return ÇıkışıDeğiştir(*vt, Görülen(Tür::Çıkış, çıkışA), t, 2100, 3); },
       Sonuç::StokEksiyeDüşer, 1000},
      {"çıkışı tam 20'ye çıkarmak", [&] { return ÇıkışıDeğiştir(*vt, Görülen(Tür::Çıkış, çıkışA), t, 2000, 3); },
       Sonuç::Yapıldı, 0},
      {"girişi yükseltmek", [&] { return GirişiDeğiştir(*vt, Görülen(Tür::Giriş, girişA), t, 2500); },
       Sonuç::Yapıldı, 500},
      {"çıkışı silmek", [&] { return HareketiSil(*vt, Görülen(Tür::Çıkış, çıkışA)); }, Sonuç::Yapıldı, 2500},
      {"kalan girişi silmek", [&] { return HareketiSil(*vt, Görülen(Tür::Giriş, girişA)); }, Sonuç::Yapıldı, 0},
  };
  for (const Durum& d : durumlar) {
    EXPECT_EQ(d.yaz(), d.beklenen) << d.ad;
    EXPECT_EQ(MevcutStok(*vt, u, a), d.aSonra) << d.ad;
    EXPECT_EQ(MevcutStok(*vt, u, b), 10000) << d.ad;
  }
}

TEST_F(HareketVerileriTesti, DeğişikliklerDeğerOlarakYazılırBaşkaYerdeDeğişenSatıraDokunulmaz) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  Giriş(u, a, 50);
  const qint64 ç = Çıkış(u, a, 10);
  const GörülenHareket görülen = Görülen(Tür::Çıkış, ç);
  EXPECT_EQ(ÇıkışıDeğiştir(*vt, görülen, {2026, 3, 4}, 1250, 5), Sonuç::Yapıldı);
  const KayıtKümesi k = vt->KayıtKümesiAç(
      "SELECT IslemTarihi, typeof(CikisMiktari) AS tm, CikisMiktari, CikisNedeni FROM CikisIslemleriTablosu");
  EXPECT_EQ(k.Metin("IslemTarihi"), "2026-03-04");
  EXPECT_EQ(k.Metin("tm"), "real");
  EXPECT_DOUBLE_EQ(k.Ondalık("CikisMiktari"), 12.5);
  EXPECT_EQ(k.Tamsayı("CikisNedeni"), 5);

  // The list still shows the old figures: every write is refused, nothing is written.
  const std::vector<std::function<Sonuç()>> yazılar{
      [&] { return ÇıkışıDeğiştir(*vt, görülen, {2026, 5, 5}, 100, 1); },
      [&] { return HareketiSil(*vt, görülen); },
      [&] { return StoğaİadeEt(*vt, görülen, {2026, 5, 5}, 100); },
  };
  for (const auto& yaz : yazılar) EXPECT_EQ(yaz(), Sonuç::HareketDeğişmiş);
  EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT CikisMiktari FROM CikisIslemleriTablosu").Ondalık("CikisMiktari"), 12.5);
  EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), 0);
  vt->Çalıştır("DELETE FROM CikisIslemleriTablosu");
  EXPECT_EQ(HareketiSil(*vt, Görülen(Tür::Giriş, 1)), Sonuç::Yapıldı);
  EXPECT_EQ(ÇıkışıDeğiştir(*vt, görülen, {2026, 5, 5}, 100, 1), Sonuç::HareketDeğişmiş);
}

// A new quantity kept exactly whose weight is not (a unit weight of 1.000 kg): refused, nothing
// written; at the largest weight kept, written.
TEST_F(HareketVerileriTesti, AğırlığıTamTutulamayanDeğişiklikYazılmaz) {
  const qint64 u = Ürün("AĞ", "AĞIR"), a = Depo("A");
  vt->Çalıştır("UPDATE UrunBilgileriTablosu SET BirimAgirligi = 1000 WHERE UrunNo = ?", {u});
  const qint64 g = Giriş(u, a, 5);
  const GörülenHareket görülen = Görülen(Tür::Giriş, g);
  EXPECT_EQ(GirişiDeğiştir(*vt, görülen, görülen.tarih, 1'000'000'000'001, nullptr), Sonuç::TutulamazMiktar);
  EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT GirisMiktari FROM GirisIslemleriTablosu").Ondalık("GirisMiktari"), 5);
  EXPECT_EQ(GirişiDeğiştir(*vt, görülen, görülen.tarih, 999'999'999'999, nullptr), Sonuç::Yapıldı);
}

TEST_F(HareketVerileriTesti, TransferİkiYarısıylaSilinirHedefMalıVermişseReddedilir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), b = Depo("B");
  Giriş(u, a, 30);
  struct Durum {
    const char* ad;
    Tür görünüm;
    double hedeftenÇıkan;
    const char* bozulan;  // the second statement's table, failing
    Sonuç beklenen;
  };
  const std::vector<Durum> durumlar{
      {"çıkışlar görünümünden", Tür::Çıkış, 0, nullptr, Sonuç::Yapıldı},
      {"girişler görünümünden", Tür::Giriş, 0, nullptr, Sonuç::Yapıldı},
      {"hedef malı vermiş", Tür::Çıkış, 5, nullptr, Sonuç::StokEksiyeDüşer},
      {"hedef malı vermiş (girişten)", Tür::Giriş, 5, nullptr, Sonuç::StokEksiyeDüşer},
      {"ikinci deyim bozuk (çıkıştan)", Tür::Çıkış, 0, "GirisIslemleriTablosu", Sonuç::Yapıldı},
      {"ikinci deyim bozuk (girişten)", Tür::Giriş, 0, "CikisIslemleriTablosu", Sonuç::Yapıldı},
  };
  for (const Durum& d : durumlar) {
    vt->Çalıştır("DELETE FROM CikisIslemleriTablosu");
    vt->Çalıştır("DELETE FROM GirisIslemleriTablosu WHERE GirisNedeni=99");
    const auto [g, ç] = Transfer(u, a, b, 10);
    const qint64 satış = d.hedeftenÇıkan > 0 ? Çıkış(u, b, d.hedeftenÇıkan) : 0;
    const qint64 önceG = Girişler(), önceÇ = Çıkışlar();
    const GörülenHareket h = Görülen(d.görünüm, d.görünüm == Tür::Giriş ? g : ç);
    if (d.bozulan) {
      Bozulsun(d.bozulan, "DELETE");
      EXPECT_THROW(HareketiSil(*vt, h), VeritabanıHatası) << d.ad;
      vt->Çalıştır(QStringLiteral("DROP TRIGGER Bozuk%1").arg(d.bozulan));
    } else {
      EXPECT_EQ(HareketiSil(*vt, h), d.beklenen) << d.ad;
    }
    const bool silindi = !d.bozulan && d.beklenen == Sonuç::Yapıldı;
    EXPECT_EQ(Girişler(), önceG - (silindi ? 1 : 0)) << d.ad;
    EXPECT_EQ(Çıkışlar(), önceÇ - (silindi ? 1 : 0)) << d.ad;
    EXPECT_EQ(MevcutStok(*vt, u, a), silindi ? 3000 : 2000) << d.ad;
    if (satış) vt->Çalıştır("DELETE FROM CikisIslemleriTablosu WHERE IslemNo= ?", {satış});
  }
}

TEST_F(HareketVerileriTesti, İadeÇıkışıİndirirYaDaSilerİadeSatırıÇıkışınBilgileriniTaşır) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), müşteri = Alıcı("DOĞAN");
  Giriş(u, a, 50);
  const qint64 ç = Çıkış(u, a, 10, {2026, 1, 6}, müşteri);
  EXPECT_EQ(StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), {2026, 1, 9}, 1001), Sonuç::Reddedildi);  // more than the exit

  Bozulsun("IadeBilgileriTablosu", "INSERT");
  EXPECT_THROW(StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), {2026, 1, 9}, 250), VeritabanıHatası);
  vt->Çalıştır("DROP TRIGGER BozukIadeBilgileriTablosu");
  EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT CikisMiktari FROM CikisIslemleriTablosu").Ondalık("CikisMiktari"), 10);

  EXPECT_EQ(StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), {2026, 1, 9}, 250), Sonuç::Yapıldı);
  EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT CikisMiktari FROM CikisIslemleriTablosu").Ondalık("CikisMiktari"), 7.5);
  // Dated before the exit as stored: nothing written.
  EXPECT_EQ(StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), {2026, 1, 5}, 750), Sonuç::İadeÇıkıştanÖnce);
  EXPECT_EQ(Çıkışlar(), 1);
  EXPECT_EQ(StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), {2026, 1, 6}, 750), Sonuç::Yapıldı);  // the whole rest, that day
  EXPECT_EQ(Çıkışlar(), 0);
  KayıtKümesi r = vt->KayıtKümesiAç(
      "SELECT IslemNo, UrunNo, FirmaNo, DepoNo, IadeTarihi, typeof(IadeMiktari) AS tm, IadeMiktari "
      "FROM IadeBilgileriTablosu ORDER BY IadeNo");
  ASSERT_EQ(r.KayıtSayısı(), 2);
  for (const auto& [tarih, miktar] : {std::pair{"2026-01-09", 2.5}, std::pair{"2026-01-06", 7.5}}) {
    EXPECT_EQ(std::vector<qint64>({r.Tamsayı("IslemNo"), r.Tamsayı("UrunNo"), r.Tamsayı("FirmaNo"), r.Tamsayı("DepoNo")}),
              std::vector<qint64>({ç, u, müşteri, a}));
    EXPECT_EQ(r.Metin("IadeTarihi"), tarih);
    EXPECT_EQ(r.Metin("tm"), "real");
    EXPECT_DOUBLE_EQ(r.Ondalık("IadeMiktari"), miktar);
    r.MoveNext();
  }
}

// A return whose outcome the disk hid, saved again from its dialog with the same token: returned
// once in all, whether the earlier try reached the file or not.
TEST_F(HareketVerileriTesti, SonucuBilinmeyenİadeYenidenKaydedilinceBirKezYapılır) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), müşteri = Alıcı("DOĞAN");
  Giriş(u, a, 50);
  for (const bool yazılmış : {true, false}) {
    SCOPED_TRACE(yazılmış);
    const qint64 ç = Çıkış(u, a, 10, {2026, 1, 6}, müşteri);
    const GörülenHareket görülen = Görülen(Tür::Çıkış, ç);
    İşlemİzleri::Bekleyenİz bekleyen;
    {
      HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      vt = Veritabanı::Aç(vt->Yol());
      EXPECT_THROW(StoğaİadeEt(*vt, görülen, {2026, 1, 9}, 250, &bekleyen), VeritabanıHatası);
    }
    EXPECT_EQ(StoğaİadeEt(*vt, görülen, {2026, 1, 9}, 250, &bekleyen), Sonuç::Yapıldı);
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu WHERE IslemNo= ?", {ç}), 1);
    EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT CikisMiktari FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç})
                         .Ondalık("CikisMiktari"),
                     7.5);
  }
}

// An entry of 10 (4 gone out of its warehouse) changed to 15, its outcome hidden by the disk, then
// saved again with other values and the same token: the file ends with those, checked as a change
// of what the file holds. A try in the file is the baseline, of the checks and of the change.
TEST_F(HareketVerileriTesti, SonucuBilinmeyenDeğişiklikDüzeltilinceSonDeğerlerYazılır) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  Çıkış(u, a, 4);
  const struct {
    bool yazılmış;
    Miktar yeni;
    double başkası;  // another workstation's quantity after the try; 0: none
    Sonuç sonuç;
    double dosyada;
    Miktar düşülen;  // by a refusal
  } durumlar[] = {
      {true, 1200, 0, Sonuç::Yapıldı, 12, 0},   {false, 1200, 0, Sonuç::Yapıldı, 12, 0},
      {true, 1500, 0, Sonuç::Yapıldı, 15, 0},   {true, 300, 0, Sonuç::StokEksiyeDüşer, 15, 1200},
      {false, 300, 0, Sonuç::StokEksiyeDüşer, 10, 700},
      {true, 1200, 20, Sonuç::HareketDeğişmiş, 20, 0},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.yazılmış << " " << d.yeni << " " << d.başkası);
    vt->Çalıştır("DELETE FROM GirisIslemleriTablosu");
    const qint64 g = Giriş(u, a, 10);
    const GörülenHareket görülen = Görülen(Tür::Giriş, g);
    GörülenHareket deneme = görülen;
    deneme.miktar = 1500;
    İşlemİzleri::Bekleyenİz bekleyen;
    {
      HatalıDisk disk(d.yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      d.yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      vt = Veritabanı::Aç(vt->Yol());
      EXPECT_THROW(GirişiDeğiştir(*vt, görülen, görülen.tarih, 1500, nullptr, &bekleyen), VeritabanıHatası);
    }
    if (d.başkası) vt->Çalıştır("UPDATE GirisIslemleriTablosu SET GirisMiktari = ?", {d.başkası});
    const qint64 izler = Say("FROM OnayIzleri");
    DepoEksiği eksik;
    EXPECT_EQ(GirişiDeğiştir(*vt, görülen, görülen.tarih, d.yeni, &eksik, &bekleyen, &deneme), d.sonuç);
    EXPECT_DOUBLE_EQ(vt->KayıtKümesiAç("SELECT GirisMiktari FROM GirisIslemleriTablosu").Ondalık("GirisMiktari"),
                     d.dosyada);
    EXPECT_EQ(eksik.düşülen, d.düşülen);
    // The same values as the stored try: nothing is written, no token either.
    if (d.yeni == 1500 && d.yazılmış) {
      EXPECT_EQ(Say("FROM OnayIzleri"), izler);
    }
  }
}

// A work whose outcome the disk hid is told, once settled, by its product, a voucher also by its
// number of lines. (A change and a return: in the review's form tests.)
TEST_F(HareketVerileriTesti, SonucuBilinmeyenİşÜrünüVeSatırlarıylaAnılır) {
  const qint64 vida = Ürün("XR-77", "DENEME  VİDA"), pul = Ürün("P-3", "PUL"), a = Depo("A");
  const qint64 s = Satıcı("AKIN"), m = Alıcı("DOĞAN"), ç = Çıkış(vida, a, 1);
  const QDate t{2026, 12, 8};
  İşlemİzleri::Saat = [t] { return QDateTime(t, {10, 15}); };
  using namespace FişVerileri;
  const std::pair<std::function<void(Veritabanı&)>, QString> işler[] = {
      {[&](Veritabanı& v) { HareketiSil(v, Görülen(Tür::Çıkış, ç)); }, "Hareket silme: XR-77 DENEME VİDA"},
      {[&](Veritabanı& v) { GirişleriYaz(v, {{s, pul, a, 0, 1, t, 100}}); }, "Stoğa giriş fişi: P-3 PUL"},
      {[&](Veritabanı& v) { ÇıkışlarıYaz(v, {{m, pul, a, 0, 0, t, 50, {}}, {m, pul, a, 0, 0, t, 50, {}}}); },
       "Stoktan çıkış fişi: 2 satır, ilki P-3 PUL"},
  };
  for (const auto& [yaz, ad] : işler) {
    {
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
      EXPECT_THROW(yaz(*Veritabanı::Aç(vt->Yol())), VeritabanıHatası);
    }
    mesajlar.clear();
    Veritabanı::İşlem{*vt};  // another write settles it
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_TRUE(mesajlar[0].metin.startsWith("Sonucu bilinmeyen işlem (" + ad + ", 08.12.2026 10:15;"))
        << mesajlar[0].metin.toStdString();
  }
}

TEST_F(HareketVerileriTesti, ListelerVeToplamlarTransferleriAdlandırırToplamaKatmaz) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("ANA"), b = Depo("ŞUBE"), s = Satıcı("AKSOY"),
               m = Alıcı("DOĞAN"), ali = Kişi("ALİ"), veli = Kişi("VELİ");
  Giriş(u, a, 30, {2026, 1, 5}, s, ali);
  Çıkış(u, a, 7.25, {2026, 1, 6}, m, ali, 3);
  const auto [g, ç] = Transfer(u, a, b, 10, ali);
  Transfer(u, b, a, 1, veli);

  std::vector<QString> firmalar;
  for (const auto& h : ÜrünHareketleri(*vt, u, Tür::Giriş)) firmalar.push_back(h.firması);
  EXPECT_EQ(firmalar, (std::vector<QString>{"AKSOY", "ANA", "ŞUBE"}));
  const auto çıkışlar = ÜrünHareketleri(*vt, u, Tür::Çıkış);
  ASSERT_EQ(çıkışlar.size(), 3u);
  EXPECT_EQ(çıkışlar[1].firması, "ŞUBE");
  EXPECT_EQ(çıkışlar[1].girişİşlemNo, g);
  EXPECT_FALSE(çıkışlar[0].girişİşlemNo);

  const Toplamlar ü = ÜrünToplamları(*vt, u), k = KişiToplamları(*vt, ali), v = KişiToplamları(*vt, veli);
  EXPECT_EQ(std::vector<Miktar>({ü.giriş, ü.çıkış, ü.Mevcut(), k.giriş, k.çıkış, v.giriş, v.Mevcut()}),
            std::vector<Miktar>({3000, 725, 2275, 3000, 725, 0, 0}));
}

}  // namespace

// A change, return or delete that would raise the warehouse's stock past the largest figure kept
// exactly is refused, nothing written; up to it, written.
TEST_F(HareketVerileriTesti, TamTutulamayacakStokaVaranDeğişiklikYazılmaz) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  vt->Çalıştır("UPDATE UrunBilgileriTablosu SET BirimAgirligi = 1 WHERE UrunNo = ?", {u});
  Giriş(u, a, 9'999'999'999'990);
  const qint64 g = Giriş(u, a, 25), ç = Çıkış(u, a, 20);
  const Miktar önce = 999'999'999'999'500;
  const QDate t(2026, 2, 1);
  struct Durum {
    const char* ad;
    std::function<Sonuç()> yaz;
    Sonuç beklenen;
    Miktar sonra;
  };
  const std::vector<Durum> durumlar{
      {"girişi yükseltmek", [&] { return GirişiDeğiştir(*vt, Görülen(Tür::Giriş, g), t, 3500); },
       Sonuç::TutulamazMiktar, önce},
      {"çıkışı düşürmek", [&] { return ÇıkışıDeğiştir(*vt, Görülen(Tür::Çıkış, ç), t, 1000, 0); },
       Sonuç::TutulamazMiktar, önce},
      {"çıkışı stoğa iade etmek", [&] { return StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), t, 1000); },
       Sonuç::TutulamazMiktar, önce},
      {"çıkışı silmek", [&] { return HareketiSil(*vt, Görülen(Tür::Çıkış, ç)); }, Sonuç::TutulamazMiktar, önce},
      {"sınıra kadar iade etmek", [&] { return StoğaİadeEt(*vt, Görülen(Tür::Çıkış, ç), t, 499); }, Sonuç::Yapıldı,
       TürkçeMetin::EnBüyükMiktar},
  };
  for (const Durum& d : durumlar) {
    EXPECT_EQ(d.yaz(), d.beklenen) << d.ad;
    EXPECT_EQ(MevcutStok(*vt, u, a), d.sonra) << d.ad;
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), d.beklenen == Sonuç::Yapıldı ? 1 : 0) << d.ad;
    EXPECT_EQ(Çıkışlar(), 1) << d.ad;
  }
}
