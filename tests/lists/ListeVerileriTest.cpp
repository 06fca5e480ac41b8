#include "ListeTestOrtami.h"

#include <sqlite3.h>

#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using namespace ListeVerileri;

class ListeVerileriTesti : public ListeTestOrtamı {
protected:
  void SetUp() override {
    ListeTestOrtamı::SetUp();
    VerileriYaz();
  }
};

const Dönem Hepsi{{2000, 1, 1}, {2100, 1, 1}};
const Dönem Şubat{{2026, 2, 1}, {2026, 2, 28}};

TEST_F(ListeVerileriTesti, HerListeninSatırlarıBağımsızToplamlarlaAynı) {
  const qint64 merkez = depoNo[0], şube = depoNo[1];
  struct Durum {
    const char* ad;
    std::function<QStringList(const Süzgeç&)> liste;
    std::function<QStringList(const Süzgeç&)> beklenen;
    Süzgeç süzgeç;
    int satırSayısı;  // holds the known set to what it is meant to show
  };
  const auto stok = [&](const Süzgeç& s) { return Metinler(MevcutStokListesi(*vt, s)); };
  const auto bStok = [&](const Süzgeç& s) { return BeklenenStok(s); };
  const auto neden = [&](const Süzgeç& s) { return Metinler(ÇıkışNedeniListesi(*vt, s)); };
  const auto bNeden = [&](const Süzgeç& s) { return BeklenenÇıkışNedeni(s); };
  const auto firma = [&](bool satıcı) {
    return [&, satıcı](const Süzgeç& s) { return Metinler(FirmaStokListesi(*vt, satıcı ? "Satici" : "Alici", s)); };
  };
  const auto bFirma = [&](bool satıcı) { return [&, satıcı](const Süzgeç& s) { return BeklenenFirma(satıcı, s); }; };
  const auto işlem = [&](bool giriş) {
    return [&, giriş](const Süzgeç& s) { return Metinler(İşlemListesi(*vt, giriş ? "Giris" : "Cikis", s)); };
  };
  const auto bİşlem = [&](bool giriş) { return [&, giriş](const Süzgeç& s) { return Beklenenİşlemler(giriş, s); }; };
  const auto iade = [&](const Süzgeç& s) { return Metinler(İadeListesi(*vt, s)); };
  const auto bİade = [&](const Süzgeç& s) { return Beklenenİadeler(s); };

  const Durum durumlar[] = {
      // Every warehouse: transfers are moves inside the stock and are left out.
      {"stok, tüm depolar", stok, bStok, {{}, {}, Hepsi}, 4},
      // One warehouse: what reached or left it by transfer counts.
      {"stok, merkez", stok, bStok, {merkez, {}, Hepsi}, 3},
      {"stok, şube, şubat", stok, bStok, {şube, {}, Şubat}, 3},
      {"stok, tüm depolar, şubat", stok, bStok, {{}, {}, Şubat}, 3},
      {"çıkış nedeni, tümü", neden, bNeden, {{}, {}, Hepsi}, 5},
      {"çıkış nedeni, satış", neden, bNeden, {{}, 0, Hepsi}, 2},
      {"çıkış nedeni, hurda, ocak", neden, bNeden, {{}, 3, {{2026, 1, 1}, {2026, 1, 31}}}, 0},
      {"satıcılar", firma(true), bFirma(true), {{}, {}, Hepsi}, 5},
      {"satıcı AKSOY, şube", firma(true), bFirma(true), {şube, satıcıNo[1], Hepsi}, 2},
      {"alıcılar, şubat", firma(false), bFirma(false), {{}, {}, Şubat}, 3},
      {"alıcı DOĞAN", firma(false), bFirma(false), {{}, alıcıNo[1], Hepsi}, 2},
      {"girişler", işlem(true), bİşlem(true), {{}, {}, Hepsi}, 5},
      {"çıkışlar, merkez, şubat", işlem(false), bİşlem(false), {merkez, {}, Şubat}, 1},
      {"iadeler", iade, bİade, {{}, {}, Hepsi}, 2},
      {"iadeler, şube", iade, bİade, {şube, {}, Hepsi}, 1},
      {"iadeler, şubat sonrası", iade, bİade, {{}, {}, {{2026, 2, 2}, {2026, 12, 31}}}, 1},
  };
  for (const Durum& d : durumlar) {
    const QStringList satırlar = d.liste(d.süzgeç);
    EXPECT_EQ(satırlar, d.beklenen(d.süzgeç)) << d.ad;
    EXPECT_EQ(satırlar.size(), d.satırSayısı) << d.ad;
  }
}

TEST_F(ListeVerileriTesti, ÖrnekSatırlarElleHesaplandığıGibi) {
  // ELMA in every warehouse: 10,10 + 5 in, 2,5 + 1,1 out; the 3 moved to ŞUBE counts in neither.
  EXPECT_EQ(Metinler(MevcutStokListesi(*vt, {{}, {}, Hepsi}))[2],
            "E1 | ELMA | 15,10 | 30,20 | 3,60 | 7,20 | 11,50 | 23,00");
  // ŞUBE: ARMUT 100 in, 40 sold and 10 moved to MERKEZ.
  EXPECT_EQ(Metinler(MevcutStokListesi(*vt, {depoNo[1], {}, Hepsi}))[0],
            "A1 | ARMUT | 100,00 | 50,00 | 50,00 | 25,00 | 50,00 | 25,00");
  // A product without a unit weight weighs nothing.
  EXPECT_EQ(Metinler(ÇıkışNedeniListesi(*vt, {{}, 6, Hepsi})),
            QStringList{"Ç1 | ÇİVİ | MERKEZ | IŞIK | 999,99 | 0,00"});
  // Keys that no record answers to keep their rows, without names or weight.
  vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, IslemTarihi, "
               "GirisMiktari) VALUES (?, 999, 998, 1, '2026-04-01', 2), (997, ?, ?, 1, '2026-04-01', 3)",
               {ürünNo[0], depoNo[0], satıcıNo[0]});
  EXPECT_EQ(Metinler(İşlemListesi(*vt, "Giris", {{}, {}, {{2026, 4, 1}, {2026, 4, 1}}})),
            (QStringList{"01.04.2026 |  | E1 | ELMA |  | Alım | 2,00 | 4,00",
                         "01.04.2026 | BEŞER |  |  | MERKEZ | Alım | 3,00 | 0,00"}));
}

// On-hand weight is the on-hand quantity times the unit weight, rounded once, whether the
// list reads the kept balance (every date) or sums the period's rows; in and out weights
// rounded apart would give 17,92, 365,15 and 15,42.
TEST_F(ListeVerileriTesti, MevcutAğırlıkBirKezYuvarlanırİkiOkumadaAynı) {
  const struct {
    const char *kod, *ad;
    double birim, giren, çıkan;
    const char* satır;
  } ürünlerim[] = {
      {"M1", "MUSLUK", 0.35, 1043.5, 0.23, "M1 | MUSLUK | 1.043,50 | 365,23 | 0,23 | 0,08 | 1.043,27 | 365,14"},
      {"P1", "PVC KELEPÇE", 0.15, 120, 0.5, "P1 | PVC KELEPÇE | 120,00 | 18,00 | 0,50 | 0,08 | 119,50 | 17,93"},
      {"V1", "VİDA", 1.25, 12.52, 0.18, "V1 | VİDA | 12,52 | 15,65 | 0,18 | 0,23 | 12,34 | 15,43"},
  };
  QStringList beklenen;
  for (const auto& u : ürünlerim) {
    const qint64 no = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                           {QString::fromUtf8(u.kod), QString::fromUtf8(u.ad), u.birim});
    Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, IslemTarihi, GirisMiktari) "
         "VALUES (?, ?, ?, 1, ?, ?)",
         {no, depoNo[0], satıcıNo[0], QDate(2026, 2, 3), u.giren});
    Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisNedeni, IslemTarihi, CikisMiktari) "
         "VALUES (?, ?, ?, 0, ?, ?)",
         {no, depoNo[0], alıcıNo[0], QDate(2026, 2, 4), u.çıkan});
    beklenen << QString::fromUtf8(u.satır);
  }
  const Süzgeç süzgeçler[] = {{{}, {}, Hepsi}, {{}, {}, Şubat}, {depoNo[0], {}, Hepsi}, {depoNo[0], {}, Şubat}};
  for (const Süzgeç& s : süzgeçler) {
    QStringList satırlar;
    qint64 toplam = 0;
    SCOPED_TRACE(s.dönem.ilk.toString().toStdString() + (s.depo ? " merkez" : ""));
    const SıkıListe liste = MevcutStokListesi(*vt, s);
    const QStringList metinler = Metinler(liste);
    for (int r = 0; r < liste.SatırSayısı(); ++r)
      if (QStringList{"M1", "P1", "V1"}.contains(liste.Metin(r, 0))) {
        satırlar << metinler[r];
        toplam += liste.Miktar(r, 7);
      }
    EXPECT_EQ(satırlar, beklenen);
    // The total box adds the rows as shown.
    EXPECT_EQ(M(toplam), "398,50");
  }
}

// Another workstation renames ELMA and gives its old name to a new product with one entry, in one
// transaction, started just as the list goes from the names to the movements. Read apart, the list
// would show both products as ELMA, which the file never held.
TEST_F(ListeVerileriTesti, AdlarVeHareketlerAynıAndanOkunur) {
  std::unique_ptr<Veritabanı> öteki = Veritabanı::Aç(vt->Yol());
  struct Yazan {
    std::mutex m;
    std::condition_variable cv;
    bool kilitBekliyor = false, bitti = false;
    std::string hata;
    std::thread iş;
    std::function<void()> yaz;
    void Söyle(bool& durum) {
      std::lock_guard k(m);
      durum = true;
      cv.notify_all();
    }
  } y;
  y.yaz = [&] {
    try {
      Veritabanı::İşlem i(*öteki);
      öteki->Çalıştır("UPDATE UrunBilgileriTablosu SET UrunAdi = 'YEŞİL ELMA' WHERE UrunNo = ?", {ürünNo[0]});
      öteki->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES ('E2', 'ELMA', 1)");
      öteki->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, IslemTarihi, "
                      "GirisMiktari) VALUES (?, ?, ?, 1, '2026-01-06', 7)",
                      {öteki->SonEklenenNo(), depoNo[0], satıcıNo[0]});
      i.Onayla();
    } catch (const VeritabanıHatası& h) {
      y.hata = h.Açıklama().toStdString();
    }
    y.Söyle(y.bitti);
  };
  // The writer's wait for the lock is told to the reader, which then reads on; a lock never given
  // back fails the write after some seconds instead of hanging the test.
  sqlite3_busy_handler(
      öteki->Tutamaç(),
      [](void* p, int kaçıncı) {
        static_cast<Yazan*>(p)->Söyle(static_cast<Yazan*>(p)->kilitBekliyor);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return kaçıncı < 5000 ? 1 : 0;
      },
      &y);
  sqlite3_trace_v2(
      vt->Tutamaç(), SQLITE_TRACE_STMT,
      [](unsigned, void* p, void*, void* metin) {
        auto& y = *static_cast<Yazan*>(p);
        if (y.iş.joinable() || !std::strstr(static_cast<const char*>(metin), "FROM GirisIslemleriTablosu")) return 0;
        y.iş = std::thread(y.yaz);
        std::unique_lock k(y.m);
        y.cv.wait(k, [&] { return y.bitti || y.kilitBekliyor; });
        return 0;
      },
      &y);
  const std::string okunan = Metinler(İşlemListesi(*vt, "Giris", {{}, {}, Hepsi})).join('\n').toStdString();
  sqlite3_trace_v2(vt->Tutamaç(), 0, nullptr, nullptr);
  ASSERT_TRUE(y.iş.joinable());
  y.iş.join();
  EXPECT_EQ(y.hata, "");
  // The file as it was before the other write, then as it is after it.
  EXPECT_EQ(okunan, Beklenenİşlemler(true, {{}, {}, Hepsi}).join('\n').toStdString());
  const QStringList sonra = Metinler(İşlemListesi(*vt, "Giris", {{}, {}, Hepsi}));
  EXPECT_EQ(sonra.filter(" | E1 | YEŞİL ELMA | ").size(), 2);
  EXPECT_EQ(sonra.filter(" | E2 | ELMA | ").size(), 1);
}

TEST_F(ListeVerileriTesti, OkumaHerYoldaBiterYazmaİşlemininİçindeYenisiAçılmaz) {
  // Inside a write transaction the list reads in it, and the write goes on to its commit.
  {
    Veritabanı::İşlem i(*vt);
    vt->Çalıştır("UPDATE UrunBilgileriTablosu SET UrunAdi = 'YEŞİL ELMA' WHERE UrunNo = ?", {ürünNo[0]});
    EXPECT_TRUE(Metinler(İadeListesi(*vt, {{}, {}, Hepsi}))[0].contains(" | E1 | YEŞİL ELMA | "));
    EXPECT_NO_THROW(i.Onayla());
  }
  // A read that fails after the names ends its transaction all the same: no lock is left held.
  vt->Çalıştır("DROP TABLE IadeBilgileriTablosu");
  EXPECT_THROW(İadeListesi(*vt, {{}, {}, Hepsi}), VeritabanıHatası);
  EXPECT_TRUE(sqlite3_get_autocommit(vt->Tutamaç()));
}

TEST_F(ListeVerileriTesti, TümTarihlerKaynağınİlkVeSonGünü) {
  const struct {
    Kaynak kaynak;
    QDate ilk, son;
  } durumlar[] = {
      {Kaynak::GirişVeÇıkış, {2026, 1, 5}, {2026, 3, 5}},
      {Kaynak::Giriş, {2026, 1, 5}, {2026, 3, 1}},
      {Kaynak::Çıkış, {2026, 1, 25}, {2026, 3, 5}},
      {Kaynak::İade, {2026, 2, 1}, {2026, 2, 5}},
  };
  for (const auto& d : durumlar) {
    const auto dönem = TümDönem(*vt, d.kaynak);
    ASSERT_TRUE(dönem);
    EXPECT_EQ(dönem->ilk, d.ilk);
    EXPECT_EQ(dönem->son, d.son);
  }
  vt->Çalıştır("DELETE FROM IadeBilgileriTablosu");
  EXPECT_FALSE(TümDönem(*vt, Kaynak::İade));
}

}  // namespace
