#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "Platform.h"

#include <QApplication>
#include <QListWidget>
#include <QProgressBar>

namespace {

class İlerlemeTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    özgünHedef = İlerlemeGösterFormu::HedefFormBul;
    özgünProsedür = İlerlemeGösterFormu::İşProsedürüBul;
    FormuYokEt<İlerlemeGösterFormu>();
    hedef.FirmaListesi = &firmalar;
    hedef.ÜrünListesi = &ürünler;
    hedef.DepoListesi = &depolar;
    hedef.YeniDepoListesi = &yeniDepolar;
    hedef.ÜrünAdıSeçili = [this] { return ürünAdları; };
    hedef.DepoAdıSeçili = [this](int k) { return k == 2 ? yeniDepoAdları : depoAdları; };
    İlerlemeGösterFormu::HedefFormBul = [this](int) { return std::optional<ListeHedefi>(hedef); };
  }
  void TearDown() override {
    İlerlemeGösterFormu::HedefFormBul = özgünHedef;
    İlerlemeGösterFormu::İşProsedürüBul = özgünProsedür;
    FormuYokEt<İlerlemeGösterFormu>();
    KabukTestOrtamı::TearDown();
  }

  void Çalıştır(int kod) {
    Form<İlerlemeGösterFormu>().İşiÇalıştır(kod, İş::ListelerBaşlık, İş::ListelerMetin);
  }

  qint64 Ekle(const QString& sql, const QVariantList& d) {
    vt->Çalıştır(sql, d);
    return vt->SonEklenenNo();
  }

  QListWidget firmalar, ürünler, depolar, yeniDepolar;
  bool ürünAdları = true, depoAdları = true, yeniDepoAdları = true;
  ListeHedefi hedef;
  decltype(İlerlemeGösterFormu::HedefFormBul) özgünHedef;
  decltype(İlerlemeGösterFormu::İşProsedürüBul) özgünProsedür;
};

std::vector<std::pair<QString, qint64>> İçerik(const QListWidget& l) {
  std::vector<std::pair<QString, qint64>> s;
  for (int i = 0; i < l.count(); ++i) s.emplace_back(l.item(i)->text(), l.item(i)->data(Qt::UserRole).toLongLong());
  return s;
}

TEST_F(İlerlemeTesti, İş1ÜçListeyiKendiNumaralarıylaDoldurur) {
  std::map<QString, qint64> no;
  for (const char* ad : {"ZEYTİN A.Ş.", "ÇAĞDAŞ LTD.", "AKSOY"})
    no[ad] = Ekle("INSERT INTO SaticiFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {QString::fromUtf8(ad)});
  for (const char* ad : {"SOMUN", "ÇİVİ", "CIVATA", "İP", "IŞIK"})
    no[ad] = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES (?, ?)",
                  {QStringLiteral("K-") + QString::fromUtf8(ad), QString::fromUtf8(ad)});
  for (const char* ad : {"ŞUBE", "MERKEZ"})
    no[ad] = Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                  {QStringLiteral("D-") + QString::fromUtf8(ad), QString::fromUtf8(ad)});
  Ortak::TanımSayıları = {3, 5, 2};
  // A list that shows its items sorted still gives each item its own key.
  firmalar.setSortingEnabled(true);
  Çalıştır(1);

  const auto f = İçerik(firmalar);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0], std::make_pair(QString("AKSOY"), no["AKSOY"]));
  EXPECT_EQ(f[1], std::make_pair(QString("ÇAĞDAŞ LTD."), no["ÇAĞDAŞ LTD."]));
  EXPECT_EQ(f[2], std::make_pair(QString("ZEYTİN A.Ş."), no["ZEYTİN A.Ş."]));
  const auto ü = İçerik(ürünler);
  ASSERT_EQ(ü.size(), 5u);
  const std::vector<QString> sıra{"CIVATA", "ÇİVİ", "IŞIK", "İP", "SOMUN"};
  for (size_t i = 0; i < sıra.size(); ++i) EXPECT_EQ(ü[i], std::make_pair(sıra[i], no[sıra[i]]));
  EXPECT_EQ(İçerik(depolar).size(), 2u);
  EXPECT_EQ(İçerik(depolar)[0].second, no["MERKEZ"]);

  auto& form = Form<İlerlemeGösterFormu>();
  EXPECT_EQ(form.İlerlemeÇubuğu->maximum(), 10);
  EXPECT_EQ(form.İlerlemeÇubuğu->value(), 10);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Codes in the order of the names.
  ürünAdları = false;
  Çalıştır(3);
  ASSERT_EQ(ürünler.count(), 5);
  EXPECT_EQ(ürünler.item(0)->text(), "K-CIVATA");
  EXPECT_EQ(ürünler.item(4)->text(), "K-SOMUN");
}

TEST_F(İlerlemeTesti, DepodakiÜrünlerVeTransferListeleri) {
  const qint64 u1 = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES ('A', 'ARMUT')", {});
  const qint64 u2 = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES ('E', 'ELMA')", {});
  const qint64 d1 = Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('M', 'MERKEZ')", {});
  const qint64 d2 = Ekle("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('Ş', 'ŞUBE')", {});
  for (int i = 0; i < 3; ++i)
    vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, ?, 1, 1)",
                 {u2, d1});
  vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, ?, 1, 1)",
               {u1, d1});
  auto& form = Form<İlerlemeGösterFormu>();
  form.SeçilenDepoNo = d1;
  Çalıştır(7);
  ASSERT_EQ(ürünler.count(), 2);  // a product entered three times is listed once
  EXPECT_EQ(ürünler.item(0)->data(Qt::UserRole).toLongLong(), u1);
  EXPECT_EQ(form.İlerlemeÇubuğu->maximum(), 2);

  form.SeçilenDepoNo = d2;
  Çalıştır(9);
  EXPECT_EQ(ürünler.count(), 0);
  EXPECT_EQ(form.İlerlemeÇubuğu->maximum(), 1);

  Ortak::TanımSayıları = {0, 2, 2};
  Çalıştır(8);
  EXPECT_EQ(depolar.count(), 2);
  EXPECT_EQ(yeniDepolar.count(), 2);
  EXPECT_EQ(form.İlerlemeÇubuğu->value(), 2);  // each warehouse counted once
  Çalıştır(8);
  EXPECT_EQ(yeniDepolar.count(), 2);  // a second run does not double the target list

  yeniDepoAdları = false;
  Çalıştır(11);
  EXPECT_EQ(yeniDepolar.item(0)->text(), "M");
  EXPECT_EQ(depolar.item(0)->text(), "MERKEZ");
}

TEST_F(İlerlemeTesti, FormİşNeYaparsaYapsınKapanır) {
  auto& form = Form<İlerlemeGösterFormu>();
  // A failing list query: the error routine asks, the job ends, the form closes.
  İlerlemeGösterFormu::HedefFormBul = [this](int) {
    vt->Çalıştır("DROP TABLE DepoBilgileriTablosu");
    return std::optional<ListeHedefi>(hedef);
  };
  Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
  Cevapla({Platform::Cevap::Evet});
  Ortak::TanımSayıları = {0, 0, 3};
  Çalıştır(5);
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_TRUE(mesajlar[0].metin.contains("Hata Kodu:"));

  // A procedure that never unloads the form, and one that ends the program.
  İlerlemeGösterFormu::İşProsedürüBul = [](int kod) {
    return std::function<void()>([kod] {
      if (kod == 26) throw VeritabanıHatası(3044, "yol");
    });
  };
  Form<İlerlemeGösterFormu>().İşiÇalıştır(30, İş::OluşturBaşlık, İş::OluşturMetin);
  EXPECT_FALSE(form.isVisible());
  EXPECT_THROW(Form<İlerlemeGösterFormu>().İşiÇalıştır(26, İş::ExcelBaşlık, İş::ExcelMetin, nullptr, true),
               ProgramSonlandı);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(bitişler.size(), 1u);
  // A code without a job closes at once.
  Çalıştır(4);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(İlerlemeTesti, ÇubukEnBüyüğüAşılırsaYükseltilir) {
  auto& form = Form<İlerlemeGösterFormu>();
  form.EnBüyükYaz(2);
  form.DeğerYaz(3);
  EXPECT_EQ(form.İlerlemeÇubuğu->maximum(), 3);
  EXPECT_EQ(form.İlerlemeÇubuğu->value(), 3);
  form.EnBüyükYaz(0);
  EXPECT_EQ(form.İlerlemeÇubuğu->maximum(), 1);
}

}  // namespace
