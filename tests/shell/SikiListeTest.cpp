// The list of compact rows against the item view the lists had before, on the same known rows:
// the same order after every header click, the same arrows, the same printed page and workbook.
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "ListeFormuTabani.h"
#include "ListeGorunumu.h"
#include "ListeRaporu.h"
#include "ListeyiSiralaModulu.h"
#include "OrtakDegiskenlerModulu.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "SikiListeGorunumu.h"
#include "XlsxOku.h"

#include <QFile>
#include <QUrl>

#include <tuple>

namespace {

using namespace ListeyiSıralaModülü;
using Hiza = SütunluListe::Hiza;

struct Satır {
  const char* ad;
  QDate tarih;
  qint64 miktar;
  const char* kod;
};
const Satır Satırlar[] = {
    {"Çilek", {2026, 2, 1}, 150, "K1"},  {"Ceviz", {}, -250, "K2"},         {"ılık", {2025, 12, 31}, 150, "K3"},
    {"Irmak", {2026, 2, 1}, 0, "K4"},    {"İncir", {2026, 1, 15}, 123456, "K5"}, {"ŞEKER", {}, 0, "K6"},
    {"şule", {2024, 3, 3}, 99, "K7"},    {"Zeytin", {2026, 2, 1}, 150, "K8"}, {"Çilek", {2025, 1, 1}, 1, "K9"},
    {"çam", {1899, 12, 29}, -1, "K10"},
};
// The item view is told each column's kind at its click and export; the compact one has it from its columns.
const struct {
  const char* başlık;
  int genişlik;
  Hiza hiza;
  SütunTürü tür;
  HücreTürü hücre;
} Sütunlar[] = {{"Ürün Adı", 2000, Hiza::Sol, SütunTürü::Metin, HücreTürü::Metin},
                {"Tarihi", 1200, Hiza::Sol, SütunTürü::Tarih, HücreTürü::Tarih},
                {"Miktarı", 1100, Hiza::Sağ, SütunTürü::Sayı, HücreTürü::Miktar},
                {"Kod", 1, Hiza::Sol, SütunTürü::Metin, HücreTürü::Metin}};

class SıkıListeTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    Ortak::SıralamaSütunu = Ortak::SıralamaYönü = Ortak::SayısalSırala = 0;
    for (const auto& s : Sütunlar) {
      eski.SütunEkle(s.başlık, s.genişlik, s.hiza);
      yeni.SütunEkle(s.başlık, s.genişlik, s.hücre);
    }
    eski.BaşlığaTıklandı = [this](int i) { SütunTıklandı(eski, i, Sütunlar[i - 1].tür); };
    yeni.BaşlığaTıklandı = [this](int i) { ListeSütunuTıklandı(yeni, i); };
    Doldur();
  }
  void TearDown() override {
    FormuYokEt<İlerlemeGösterFormu>();
    KabukTestOrtamı::TearDown();
  }

  // The same rows into both lists, as a list form's build puts them.
  void Doldur() {
    std::vector<QStringList> metinler;
    SıkıListe sıkı({HücreTürü::Metin, HücreTürü::Tarih, HücreTürü::Miktar, HücreTürü::Metin});
    for (const Satır& s : Satırlar) {
      metinler.push_back({s.ad, TürkçeMetin::TarihMetni(s.tarih), TürkçeMetin::MiktarMetni(s.miktar), s.kod});
      sıkı.MetinEkle(0, QByteArrayView(s.ad));
      sıkı.TarihEkle(1, s.tarih);
      sıkı.MiktarEkle(2, s.miktar);
      sıkı.MetinEkle(3, QString::fromUtf8(s.kod));
    }
    eski.Temizle();
    eski.SatırlarıEkle(metinler);
    yeni.Doldur(std::move(sıkı));
  }
  // Both lists clicked from the same program-wide sort state.
  void Tıkla(int başlıkIndex) {
    const auto önce = std::tuple(Ortak::SıralamaSütunu, Ortak::SıralamaYönü);
    eski.BaşlığaTıklandı(başlıkIndex);
    std::tie(Ortak::SıralamaSütunu, Ortak::SıralamaYönü) = önce;
    yeni.BaşlığaTıklandı(başlıkIndex);
  }
  static std::string Görünen(const SütunluListe& l) {
    QStringList r;
    for (int i = 1; i <= l.SatırSayısı(); ++i) {
      QStringList h;
      for (int k = 0; k < l.SütunSayısı(); ++k) h << l.AltÖğe(i, k);
      r << h.join(" | ");
    }
    return r.join("\n").toStdString();
  }
  static std::vector<int> Oklar(const SütunluListe& l) {
    std::vector<int> r;
    for (int i = 1; i <= l.SütunSayısı(); ++i) r.push_back(l.BaşlıkResmi(i));
    return r;
  }

  ListeGörünümü eski;
  SıkıListeGörünümü yeni;
};

TEST_F(SıkıListeTesti, HerTıklamadaVeYenidenDoldurmadaÖğeGörünümüyleAynıSıraVeOklar) {
  ASSERT_EQ(Görünen(yeni), Görünen(eski));
  // Texts (Turkish letters, repeated names), dates (missing ones, one before the zero date) and
  // amounts (equal ones, negatives), each clicked twice, then the hidden text column.
  for (int tıklanan : {2, 2, 1, 1, 3, 3, 3, 1, 2, 4}) {
    Tıkla(tıklanan);
    ASSERT_EQ(Görünen(yeni), Görünen(eski)) << "sütun " << tıklanan;
    ASSERT_EQ(Oklar(yeni), Oklar(eski)) << "sütun " << tıklanan;
    ASSERT_EQ(yeni.Sıralı(), eski.Sıralı());
  }

  // A text sort is the list's own: built again, the rows come back in its order with its arrow.
  Tıkla(1);
  Doldur();
  EXPECT_EQ(Görünen(yeni), Görünen(eski));
  EXPECT_EQ(Oklar(yeni), Oklar(eski));
  EXPECT_NE(Oklar(yeni), (std::vector<int>{0, 0, 0, 0}));
  // After an amount sort a build shows the rows as they come, without an arrow.
  Tıkla(3);
  Doldur();
  EXPECT_EQ(Görünen(yeni), Görünen(eski));
  EXPECT_EQ(Görünen(yeni).substr(0, 33), "Çilek | 01.02.2026 | 1,50 | K1\nC");
  EXPECT_EQ(Oklar(yeni), (std::vector<int>{0, 0, 0, 0}));
  // Rows whose columns are typed otherwise than the list's are refused; the rows shown stay.
  EXPECT_THROW(yeni.Doldur(SıkıListe({HücreTürü::Metin, HücreTürü::Miktar, HücreTürü::Tarih, HücreTürü::Metin})),
               std::invalid_argument);
  EXPECT_EQ(Görünen(yeni), Görünen(eski));
}

TEST_F(SıkıListeTesti, TekrarlananAdlarBirKezTutulurSeçimSıralamadaSatırındaKalır) {
  // Ten rows, nine names and ten codes: each distinct text once, the same one behind every row that shows it.
  EXPECT_EQ(yeni.Model().Satırlar().FarklıMetinSayısı(), 19);
  const QAbstractItemModel& m = *yeni.model();
  EXPECT_EQ(m.data(m.index(0, 0)).toString().constData(), m.data(m.index(8, 0)).toString().constData());

  yeni.SatırSeç(5);  // İncir
  yeni.BaşlığaTıklandı(3);
  EXPECT_EQ(yeni.SeçiliSatırKonumu(), 10);
  EXPECT_EQ(yeni.currentIndex().row(), 9);
  EXPECT_EQ(yeni.AltÖğe(yeni.SeçiliSatırKonumu(), 0), "İncir");
}

TEST_F(SıkıListeTesti, BaskıVeAktarılanKitapÖğeGörünümününkiyleAynı) {
  Tıkla(2);
  // A short page, so that the rows run onto a second one.
  KayıtTuvali eskiTuval(190, 40), yeniTuval(190, 40);
  for (auto [tuval, liste] : {std::pair<KayıtTuvali*, const SütunluListe*>{&eskiTuval, &eski}, {&yeniTuval, &yeni}}) {
    Ortak::SayfaYüksekliği = 40;
    Ortak::SayfaGenişliği = 190;
    ListeRaporu::ListeBaskıDüzeni(*tuval, *liste, {"Liste", "12,50", {"Tüm depolar"}});
  }
  ASSERT_EQ(yeniTuval.SayfaSayısı, 2);
  ASSERT_EQ(yeniTuval.Metinler.size(), eskiTuval.Metinler.size());
  for (size_t i = 0; i < yeniTuval.Metinler.size(); ++i) {
    const auto &a = yeniTuval.Metinler[i], &b = eskiTuval.Metinler[i];
    EXPECT_EQ(std::tuple(a.metin, a.x, a.y, a.sayfa), std::tuple(b.metin, b.x, b.y, b.sayfa)) << i;
  }

  QStringList açılanlar;
  Platform::DosyaAç = [&](const QUrl& u) {
    açılanlar << u.toLocalFile();
    return true;
  };
  std::vector<SütunTürü> türler;
  for (const auto& s : Sütunlar) türler.push_back(s.tür);
  ListeRaporu::MSExceleAktar(eski, "Sayfa", "Liste", türler);
  ListeyiAktar(yeni, "Sayfa", "Liste");
  ASSERT_EQ(açılanlar.size(), 2);
  const QJsonObject eskiKitap = XlsxOku(açılanlar[0]), yeniKitap = XlsxOku(açılanlar[1]);
  EXPECT_EQ(yeniKitap["metinler"].toArray().size(), 10);
  EXPECT_EQ(yeniKitap, eskiKitap);
  for (const QString& yol : açılanlar) QFile::remove(yol);
  EXPECT_TRUE(mesajlar.empty());
}

TEST(SıkıListeDizme, HerSatırıBirKezTutmayanSıraReddedilirListeDeğişmez) {
  SıkıListe l({HücreTürü::Metin, HücreTürü::Miktar});
  for (const char* ad : {"A", "B", "C"}) {
    l.MetinEkle(0, QByteArrayView(ad));
    l.MiktarEkle(1, ad[0]);
  }
  // Two rows named twice, a row too many, one that is not there, none at all.
  const std::vector<std::vector<quint32>> yanlışlar{{0, 0}, {0, 0, 1}, {2, 1, 0, 0}, {0, 1, 3}, {}};
  for (const std::vector<quint32>& sıra : yanlışlar) {
    EXPECT_THROW(l.Diz(sıra), std::invalid_argument) << sıra.size();
    EXPECT_EQ(l.Metin(0, 0) + l.Metin(1, 0) + l.Metin(2, 0), "ABC");
    EXPECT_EQ(l.Miktar(2, 1), 'C');
  }
  l.Diz({2, 0, 1});
  EXPECT_EQ(l.Metin(0, 0) + l.Metin(1, 0) + l.Metin(2, 0), "CAB");
  EXPECT_EQ(l.Miktar(0, 1), 'C');
}

}  // namespace
