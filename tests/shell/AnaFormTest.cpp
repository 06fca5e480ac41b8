#include "AnaForm.h"
#include "KomutDagitimi.h"
#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "GirisSifresiSorFormu.h"
#include "SunucuDegistirFormu.h"
#include "VeritabaninaBaglanFormu.h"
#include "OrtakDegiskenlerModulu.h"
#include "Platform.h"
#include "Simgeler.h"
#include "TestOrtami.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <map>
#include <ostream>
#include <vector>

// Placements read in a failure message.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace {

const QString Bölüm = QStringLiteral("Ayarlar");

class AnaFormTesti : public TestOrtamı {
protected:
  void SetUp() override {
    TestOrtamı::SetUp();
    FormuYokEt<AnaForm>();
    AnaForm::EkranBoyutu = [] { return QSize(1024, 768); };
    AnaForm::EkranAlanları = [] { return QList<QRect>{{0, 0, 1024, 768}}; };
    KomutlarıBağla();
    AnaForm::KarşılamaFormunuKaldır = nullptr;
    Ortak::Başlık = QStringLiteral("Belvaro - Velmora 1.24 (İstemci)");
    Ortak::GirişŞifresiSorulsun = false;
  }
  void TearDown() override {
    FormuYokEt<AnaForm>();
    AnaForm::EkranBoyutu = nullptr;
    AnaForm::EkranAlanları = nullptr;
    KomutlarıBağla();
    AnaForm::KarşılamaFormunuKaldır = nullptr;
    Ortak::GirişŞifresiSorulsun = false;
    TestOrtamı::TearDown();
  }

  // The main window as start-up leaves it: created and loaded.
  static AnaForm& AnaPencere() {
    AnaForm& f = Form<AnaForm>();
    f.Yükle();
    return f;
  }

  static void EtkinYap(AnaForm& f) {
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  }

  static void Yaz(const char* anahtar, const char* değer) { Ayarlar::Yaz(Bölüm, anahtar, değer); }
  static QString Oku(const char* anahtar) { return Ayarlar::Oku(Bölüm, anahtar, QStringLiteral("<yok>")); }
  static std::map<QString, QString> Kayıtlar() {
    std::map<QString, QString> m;
    for (const auto& [a, d] : Ayarlar::TümünüOku(Bölüm)) m[a] = d;
    return m;
  }
};

struct Girdi {
  int no;
  QString başlık;
  bool ayraç;
  QKeySequence tuş;
};

// The entries of a menu in order, each noting whether a dividing line stands before it.
std::vector<Girdi> Girdileri(const QMenu* menü) {
  std::vector<Girdi> sonuç;
  bool ayraç = false;
  for (QAction* a : menü->actions()) {
    if (a->isSeparator()) {
      ayraç = true;
      continue;
    }
    sonuç.push_back({a->data().toInt(), a->text(), ayraç, a->shortcut()});
    ayraç = false;
  }
  return sonuç;
}

void Karşılaştır(const std::vector<Girdi>& bulunan, const std::vector<Girdi>& beklenen) {
  ASSERT_EQ(bulunan.size(), beklenen.size());
  for (size_t i = 0; i < beklenen.size(); ++i) {
    SCOPED_TRACE(beklenen[i].no);
    EXPECT_EQ(bulunan[i].no, beklenen[i].no);
    if (beklenen[i].no != 300) {
      EXPECT_EQ(bulunan[i].başlık, beklenen[i].başlık);
    }
    EXPECT_EQ(bulunan[i].ayraç, beklenen[i].ayraç);
    EXPECT_EQ(bulunan[i].tuş, beklenen[i].tuş);
  }
}

QKeySequence Ctrl(Qt::Key k) { return QKeySequence(Qt::CTRL | k); }

TEST_F(AnaFormTesti, MenülerAraÇubuğuVeTuşlarTablodakiGibi) {
  AnaForm& f = AnaPencere();
  const QList<QAction*> başlıklar = f.menuBar()->actions();
  ASSERT_EQ(başlıklar.size(), 4);
  EXPECT_EQ(başlıklar[0]->text(), "&Program");
  EXPECT_EQ(başlıklar[1]->text(), "&Stok İşlemleri");
  EXPECT_EQ(başlıklar[2]->text(), "&Listeler");
  EXPECT_EQ(başlıklar[3]->text(), "&Yardım");

  Karşılaştır(Girdileri(f.Menüler[0]), {{300, "", false, Ctrl(Qt::Key_G)},
                                         {301, "Sunucu Değiştir...", false, {}},
                                         {305, "Çıkış", true, {}}});
  Karşılaştır(Girdileri(f.Menüler[1]), {{101, "Ürün İşlemleri...", false, Ctrl(Qt::Key_U)},
                                         {102, "Depo İşlemleri...", false, Ctrl(Qt::Key_D)},
                                         {103, "Satıcı Firma İşlemleri...", false, {}},
                                         {104, "Alıcı Firma (Müşteri) İşlemleri...", false, {}},
                                         {105, "Stoğa (Depoya) Giriş...", true, QKeySequence(Qt::Key_F2)},
                                         {106, "Stoktan (Depodan) Çıkış...", false, QKeySequence(Qt::Key_F3)},
                                         {107, "Depodan Depoya Transfer...", false, QKeySequence(Qt::Key_F4)},
                                         {108, "Stok Hareketleri", true, {}},
                                         {111, "Kritik Stok Belirleme...", true, Ctrl(Qt::Key_K)}});
  ASSERT_EQ(f.Komut(108)->menu(), f.StokHareketleriMenüsü);
  Karşılaştır(Girdileri(f.StokHareketleriMenüsü),
              {{109, "Ürünlere Göre Stok Hareketleri", false, Ctrl(Qt::Key_H)},
               {110, "Giriş-Çıkış Yapanlara Göre Stok Hareketleri", false, {}}});
  Karşılaştır(Girdileri(f.Menüler[2]), {{201, "Güncel Stok Listesi...", false, QKeySequence(Qt::Key_F5)},
                                         {202, "Çıkış Nedenine Göre Stok Listesi...", true, QKeySequence(Qt::Key_F6)},
                                         {203, "Satıcı Firmalara Göre Stok Listesi", false, {}},
                                         {204, "Alıcı Firmalara Göre Stok Listesi", false, {}},
                                         {205, "Kritik Stok Listesi", true, QKeySequence(Qt::Key_F7)},
                                         {206, "Giriş İşlemleri Listesi...", true, QKeySequence(Qt::Key_F8)},
                                         {207, "Çıkış İşlemleri Listesi...", false, QKeySequence(Qt::Key_F9)},
                                         {208, "İade Edilen Ürünler Listesi", true, {}}});
  Karşılaştır(Girdileri(f.Menüler[3]), {{303, "Hata Bildirme...", false, {}}, {304, "Hakkında", false, {}}});

  // One toolbar, four buttons with large pictures.
  const auto araçlar = f.findChildren<QToolBar*>();
  ASSERT_EQ(araçlar.size(), 1);
  EXPECT_EQ(araçlar[0]->windowTitle(), "Standart");
  EXPECT_EQ(araçlar[0]->iconSize(), QSize(48, 48));
  const QList<QAction*> düğmeler = araçlar[0]->actions();
  const std::vector<std::pair<int, QString>> beklenen = {
      {400, "Tanımlamalar"}, {401, "Giriş İşlemleri"}, {402, "Çıkış İşlemleri"}, {403, "Hareketler"}};
  ASSERT_EQ(düğmeler.size(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(düğmeler[i]->data().toInt(), beklenen[size_t(i)].first);
    EXPECT_EQ(düğmeler[i]->text(), beklenen[size_t(i)].second);
    EXPECT_FALSE(düğmeler[i]->icon().isNull());
  }

  // No key reaches two commands: Ctrl+K belongs to 111 alone.
  std::map<QString, std::vector<int>> tuşlar;
  for (const auto& [no, eylem] : f.Komutlar)
    for (const QKeySequence& k : eylem->shortcuts()) tuşlar[k.toString()].push_back(no);
  EXPECT_EQ(tuşlar.size(), 13u);
  for (const auto& [tuş, komutlar] : tuşlar) EXPECT_EQ(komutlar.size(), 1u) << tuş.toStdString();
  EXPECT_EQ(tuşlar[Ctrl(Qt::Key_K).toString()], std::vector<int>{111});
  EXPECT_TRUE(f.Komut(305)->shortcuts().isEmpty());

  // Pictures only where the command has one.
  for (int no : {101, 105, 106, 109, 111, 201, 206, 207, 300}) EXPECT_FALSE(f.Komut(no)->icon().isNull()) << no;
  for (int no : {102, 103, 104, 107, 108, 110, 202, 203, 204, 205, 208, 301, 303, 304, 305})
    EXPECT_TRUE(f.Komut(no)->icon().isNull()) << no;

  EXPECT_EQ(f.windowTitle(), Ortak::Başlık);
}

TEST_F(AnaFormTesti, DurumÇubuğuVeKarşılamaFormu) {
  int kapatılan = 0;
  AnaForm::KarşılamaFormunuKaldır = [&] { ++kapatılan; };
  AnaForm& f = AnaPencere();
  EXPECT_EQ(kapatılan, 1);
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(FormYüklü<AnaForm>());
  EXPECT_EQ(SahipPencere(), &f);

  EXPECT_EQ(f.DurumPaneli(0), "");
  EXPECT_EQ(f.DurumPaneli(2), "");
  EXPECT_EQ(f.DurumPaneli(3), "   07.12.2026");
  f.DurumPaneliYaz(2, QStringLiteral("Bağlı: /sunucu"));
  EXPECT_EQ(f.DurumPaneli(2), "Bağlı: /sunucu");
  // Panes stand left to right in the order 0, 2, 3.
  EXPECT_LT(f.DurumPanelleri.at(0)->x(), f.DurumPanelleri.at(2)->x() + 1);
  EXPECT_LT(f.DurumPanelleri.at(2)->x(), f.DurumPanelleri.at(3)->x());
  f.DurumPaneliYaz(7, QStringLiteral("yok"));
  EXPECT_EQ(f.DurumPaneli(7), "");
}

TEST_F(AnaFormTesti, FormuOlmayanKomutlarKapalıVeÇalışmaz) {
  std::vector<int> dağıtılan;
  AnaForm::KomutDağıtıcı = [&](int no) { dağıtılan.push_back(no); };
  AnaForm& f = AnaPencere();
  for (const auto& [no, eylem] : f.Komutlar)
    EXPECT_EQ(eylem->isEnabled(), KomutHazır(no)) << no;
  // Every form is built now: two commands stand for one that is not.
  AnaForm::KomutHazırMı = [](int no) { return no != 303 && no != 304; };
  f.MDIForm_Activate();
  EXPECT_FALSE(f.Komut(303)->isEnabled());

  // A disabled command runs nothing, whatever way it is reached.
  f.Komut(304)->trigger();
  f.MenüDüğmeDurumÇubuğu_Execute(303);
  EXPECT_TRUE(dağıtılan.empty());

  // A form that becomes available is offered at the next activation.
  AnaForm::KomutHazırMı = [](int no) { return no == 101 || no == 305; };
  f.MDIForm_Activate();
  EXPECT_TRUE(f.Komut(101)->isEnabled());
  EXPECT_FALSE(f.Komut(108)->isEnabled());
  f.Komut(101)->trigger();
  EXPECT_EQ(dağıtılan, std::vector<int>{101});
}

TEST_F(AnaFormTesti, TuşMenüVeAraçDüğmesiDağıtımaKomutNumarasınıVerir) {
  std::vector<int> dağıtılan;
  AnaForm::KomutHazırMı = [](int) { return true; };
  AnaForm::KomutDağıtıcı = [&](int no) { dağıtılan.push_back(no); };
  AnaForm& f = AnaPencere();
  EtkinYap(f);

  QTest::keyClick(&f, Qt::Key_F2);
  QTest::keyClick(&f, Qt::Key_F9);
  QTest::keyClick(&f, Qt::Key_K, Qt::ControlModifier);
  QTest::keyClick(&f, Qt::Key_G, Qt::ControlModifier);
  QTest::keyClick(&f, Qt::Key_H, Qt::ControlModifier);
  QTest::mouseClick(f.StandartAraçÇubuğu->widgetForAction(f.Komut(402)), Qt::LeftButton);
  f.Komut(110)->trigger();
  EXPECT_EQ(dağıtılan, (std::vector<int>{105, 207, 111, 300, 109, 402, 110}));
}

TEST_F(AnaFormTesti, ÇıkışKomutuPencereyiKapatırKonumuKaydederFormlarıKaldırır) {
  AnaForm& f = AnaPencere();
  QDialog açıkForm;
  açıkForm.show();
  ASSERT_TRUE(açıkForm.isVisible());

  f.Komut(305)->trigger();
  EXPECT_FALSE(FormYüklü<AnaForm>());
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(açıkForm.isVisible());
  EXPECT_EQ(Oku("BaslamaKonumu"), "0");
  EXPECT_EQ(SahipPencere(), nullptr);
  EXPECT_TRUE(mesajlar.empty());

  // Loaded again, it is built afresh: every command once, one toolbar.
  f.Yükle();
  EXPECT_TRUE(FormYüklü<AnaForm>());
  EXPECT_EQ(f.Komutlar.size(), 28u);
  EXPECT_EQ(f.menuBar()->actions().size(), 4);
  EXPECT_EQ(f.findChildren<QToolBar*>().size(), 1);
  EXPECT_EQ(f.DurumPaneli(3), "   07.12.2026");
}

TEST_F(AnaFormTesti, HerKapatmaYoluTekAnaPencereyiKapatır) {
  const struct {
    const char* yol;
    std::function<void()> kapat;
  } yollar[] = {
      {"Çıkış komutu", [] { KomutDağıt(305); }},
      {"bağlantıdan vazgeçmek", [] { Form<VeritabanınaBağlanFormu>().VazgeçDüğmesi_Click(); }},
      {"giriş şifresinden vazgeçmek", [] { Form<GirişŞifresiSorFormu>().İptalDüğmesi_Click(); }},
      {"veritabanı yokken sunucu değişikliğinden vazgeçmek", [] { Form<SunucuDeğiştirFormu>().VaçgeçDüğmesi_Click(); }},
  };
  for (const auto& y : yollar) {
    SCOPED_TRACE(y.yol);
    FormuYokEt<AnaForm>();
    AnaForm& ana = Form<AnaForm>();
    ana.Yükle();
    EXPECT_EQ(SahipPencere(), &ana);
    Cevapla({Platform::Cevap::Evet});
    try {
      y.kapat();
    } catch (const ProgramSonlandı&) {
    }
    EXPECT_FALSE(ana.Yüklü());
    EXPECT_FALSE(ana.isVisible());
    int pencereler = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) pencereler += dynamic_cast<AnaForm*>(w) != nullptr;
    EXPECT_EQ(pencereler, 1);
  }
  FormuYokEt<VeritabanınaBağlanFormu>();
  FormuYokEt<GirişŞifresiSorFormu>();
  FormuYokEt<SunucuDeğiştirFormu>();
}

TEST_F(AnaFormTesti, İlkBaşlangıçtaEkranGenişliğindeVeSolÜsttedir) {
  AnaForm& f = AnaPencere();
  EXPECT_EQ(f.windowState(), Qt::WindowNoState);
  // As wide as the screen, frame included (the offscreen platform's frame is 2 pixels a side);
  // (768*15 - 400) twips high.
  EXPECT_EQ(f.size(), QSize(1020, 741));
  EXPECT_EQ(f.pos(), QPoint(0, 0));

  f.Kaldır();
  EXPECT_EQ(Kayıtlar(), (std::map<QString, QString>{{"BaslamaKonumu", "0"},
                                                    {"Genislik", "15300"},
                                                    {"SolBosluk", "0"},
                                                    {"UstBosluk", "0"},
                                                    {"Yukseklik", "11115"}}));
}

TEST_F(AnaFormTesti, NormalKonumAynenKaydedilipGeriGelir) {
  Yaz("BaslamaKonumu", "0");
  Yaz("Yukseklik", "6000");
  Yaz("Genislik", "9000");
  Yaz("UstBosluk", "1500");
  Yaz("SolBosluk", "3000");
  {
    AnaForm& f = AnaPencere();
    EXPECT_EQ(f.size(), QSize(600, 400));
    EXPECT_EQ(f.pos(), QPoint(200, 100));
    f.resize(700, 500);
    f.move(30, 45);
    f.Kaldır();
  }
  EXPECT_EQ(Kayıtlar(), (std::map<QString, QString>{{"BaslamaKonumu", "0"},
                                                    {"Genislik", "10500"},
                                                    {"SolBosluk", "450"},
                                                    {"UstBosluk", "675"},
                                                    {"Yukseklik", "7500"}}));
  FormuYokEt<AnaForm>();
  AnaForm& yeni = AnaPencere();
  EXPECT_EQ(yeni.size(), QSize(700, 500));
  EXPECT_EQ(yeni.pos(), QPoint(30, 45));
}

TEST(PencereYeri, EkranaSığdırılır) {
  const QRect birincil(0, 0, 1024, 768), sağdaki(1024, 0, 1280, 1024), panelli(0, 30, 1024, 738),
      küçük(0, 0, 800, 600);
  const QMargins başlıklı(4, 24, 4, 4);  // a window manager's title bar and borders
  const struct {
    QRect pencere;
    QList<QRect> alanlar;
    QRect beklenen;
    QMargins çerçeve = {};
  } durumlar[] = {
      // The frame fits whole: the inside is as much smaller as the title bar and borders take.
      {{0, 0, 900, 620}, {küçük}, {0, 0, 792, 572}, başlıklı},
      {{0, 0, 800, 573}, {küçük}, {0, 0, 792, 572}, başlıklı},  // first start on 800 x 600
      {{100, 200, 600, 400}, {küçük}, {100, 172, 600, 400}, başlıklı},  // its bottom border on the edge
      {{100, 50, 600, 400}, {küçük}, {100, 50, 600, 400}, başlıklı},
      {{1500, 100, 1280, 1000}, {birincil, sağdaki}, {1024, 0, 1272, 996}, başlıklı},
      {{100, 50, 600, 400}, {birincil}, {100, 50, 600, 400}},             // on screen: untouched
      {{-200, 700, 600, 400}, {birincil}, {0, 368, 600, 400}},            // partly off: pulled in
      {{3000, 2000, 600, 400}, {birincil, sağdaki}, {424, 368, 600, 400}},  // its screen is gone
      {{1500, 100, 600, 400}, {birincil, sağdaki}, {1500, 100, 600, 400}},  // on the second screen
      {{900, 10, 400, 300}, {birincil, sağdaki}, {1024, 10, 400, 300}},     // mostly on the second
      {{-50, -50, 5000, 4000}, {birincil}, {0, 0, 1024, 768}},            // larger than the screen
      {{0, 0, 1024, 741}, {panelli}, {0, 30, 1024, 738}},                 // below the panel
      {{5, 5, 600, 400}, {}, {5, 5, 600, 400}},                           // no screen known
  };
  for (const auto& d : durumlar)
    EXPECT_EQ(EkranaSığdır(d.pencere, d.alanlar, d.çerçeve), d.beklenen) << d.pencere.x() << " " << d.pencere.y();
}

TEST_F(AnaFormTesti, BozukYaDaEkranDışıKonumPencereyiEkrandaAçar) {
  const QRect sağdaki(1024, 0, 1280, 1024);
  const struct {
    const char *yükseklik, *genişlik, *üst, *sol;
    QList<QRect> alanlar;
    QRect beklenen;
  } durumlar[] = {
      // The offscreen platform's frame, 2 pixels a side, stays on the screen too.
      {"6000", "9000", "1500", "22500", {{0, 0, 1024, 768}}, {420, 100, 600, 400}},  // second screen gone
      {"6000", "9000", "1500", "22500", {{0, 0, 1024, 768}, sağdaki}, {1500, 100, 600, 400}},
      {"75000", "90000", "-45000", "-3000", {{0, 0, 1024, 768}}, {0, 0, 1020, 764}},  // larger than the screen
      {"-6000", "0", "-99999999", "1e30", {{0, 0, 1024, 768}}, {0, 0, 1020, 741}},    // no such lengths
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.sol);
    Yaz("BaslamaKonumu", "0");
    Yaz("Yukseklik", d.yükseklik);
    Yaz("Genislik", d.genişlik);
    Yaz("UstBosluk", d.üst);
    Yaz("SolBosluk", d.sol);
    const QList<QRect> alanlar = d.alanlar;
    AnaForm::EkranAlanları = [alanlar] { return alanlar; };
    FormuYokEt<AnaForm>();
    AnaForm& f = AnaPencere();
    EXPECT_EQ(QRect(f.pos(), f.size()), d.beklenen);
  }

  // Without a stand-in, the screens are the offscreen platform's own.
  AnaForm::EkranAlanları = nullptr;
  FormuYokEt<AnaForm>();
  AnaForm& f = AnaPencere();
  const QRect ekran = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(ekran.contains(f.frameGeometry())) << f.x() << "," << f.y() << " " << f.width();
}

TEST_F(AnaFormTesti, EkranıKaplarkenYalnızBaşlamaKonumuYazılır) {
  // Started maximised: the stored size is neither read nor changed.
  Yaz("BaslamaKonumu", "2");
  Yaz("Yukseklik", "6000");
  Yaz("Genislik", "9000");
  Yaz("UstBosluk", "1500");
  Yaz("SolBosluk", "3000");
  AnaForm& f = AnaPencere();
  EXPECT_TRUE(f.isMaximized());
  f.Kaldır();
  EXPECT_EQ(Kayıtlar(), (std::map<QString, QString>{{"BaslamaKonumu", "2"},
                                                    {"Genislik", "9000"},
                                                    {"SolBosluk", "3000"},
                                                    {"UstBosluk", "1500"},
                                                    {"Yukseklik", "6000"}}));

  // Maximised by the user after a first start: only the state is written.
  Ayarlar::BölümüSil(Bölüm);
  FormuYokEt<AnaForm>();
  AnaForm& ikinci = AnaPencere();
  ikinci.showMaximized();
  ikinci.Kaldır();
  EXPECT_EQ(Kayıtlar(), (std::map<QString, QString>{{"BaslamaKonumu", "2"}}));
}

TEST_F(AnaFormTesti, SimgeDurumundaykenHiçbirŞeyYazılmaz) {
  AnaForm& f = AnaPencere();
  f.showMinimized();
  f.Kaldır();
  EXPECT_TRUE(Kayıtlar().empty());
  EXPECT_FALSE(FormYüklü<AnaForm>());
}

TEST_F(AnaFormTesti, SayıOlmayanAyarlarVarsayılanınıAlır) {
  Yaz("BaslamaKonumu", "iki");
  Yaz("Yukseklik", "abc");
  Yaz("Genislik", "9000");
  Yaz("UstBosluk", "12x");
  Yaz("SolBosluk", "");
  AnaForm& f = AnaPencere();
  EXPECT_EQ(f.windowState(), Qt::WindowNoState);
  EXPECT_EQ(f.height(), 741);
  EXPECT_EQ(f.width(), 600);
  // The defaults of the edges use the size just applied.
  EXPECT_EQ(f.y(), 0);
  EXPECT_EQ(f.x(), 212);  // (15360 - 9000) / 2 twips
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(AnaFormTesti, EkranYüksekliğiDenetimi) {
  AnaForm::EkranBoyutu = [] { return QSize(799, 600); };
  { AnaForm geçer; }
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_TRUE(bitişler.empty());

  AnaForm::EkranBoyutu = [] { return QSize(800, 599); };
  EXPECT_THROW(Form<AnaForm>(), ProgramSonlandı);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin,
            "Bu programın çalışması için ekran çözünürlüğünüzün en az\n800 x 600 piksel olması gerekiyor!");
  EXPECT_EQ(mesajlar[0].stil, 48);
  EXPECT_EQ(bitişler.size(), 1u);
  EXPECT_FALSE(FormYüklü<AnaForm>());
  // Nothing is saved when the screen is refused.
  EXPECT_TRUE(Kayıtlar().empty());
}

TEST_F(AnaFormTesti, GirişŞifresiKomutununBaşlığıEtkinleşinceDeğişir) {
  AnaForm& f = AnaPencere();
  EXPECT_EQ(f.Komut(300)->text(), "Giriş Şifresi Belirle/Değiştir...");
  EtkinYap(f);
  EXPECT_EQ(f.Komut(300)->text(), "Giriş Şifresi Belirle...");

  // The password form sets the flag; the caption follows as soon as the form closes.
  QDialog şifreFormu;
  QTimer::singleShot(0, &şifreFormu, [&] {
    Ortak::GirişŞifresiSorulsun = true;
    şifreFormu.accept();
  });
  ModalGöster(şifreFormu);
  EXPECT_EQ(şifreFormu.parentWidget(), &f);
  EXPECT_EQ(f.Komut(300)->text(), "Giriş Şifresi Değiştir...");

  QTimer::singleShot(0, &şifreFormu, [&] {
    Ortak::GirişŞifresiSorulsun = false;
    şifreFormu.accept();
  });
  ModalGöster(şifreFormu);
  EXPECT_EQ(f.Komut(300)->text(), "Giriş Şifresi Belirle...");

  // A form shown over the window belongs to its own accessor and outlives it.
  FormuYokEt<AnaForm>();
  EXPECT_EQ(şifreFormu.parentWidget(), nullptr);
}

TEST_F(AnaFormTesti, ResimlerÇizilirVeSaklanır) {
  for (const char* ad : {"BAGLAN", "BAGLANMA"}) EXPECT_EQ(Resim(ad).size(), QSize(32, 32)) << ad;
  EXPECT_EQ(Resim("KARSILAMA").size(), QSize(400, 250));
  EXPECT_FALSE(Resim("YUKARI").isNull());
  EXPECT_NE(Resim("YUKARI").toImage(), Resim("ASAGI").toImage());
  EXPECT_NE(Resim("BAGLAN").toImage(), Resim("BAGLANMA").toImage());
  EXPECT_TRUE(Resim("YOK").isNull());
  EXPECT_EQ(Resim("KARSILAMA").cacheKey(), Resim("KARSILAMA").cacheKey());

  for (int no : {101, 105, 106, 109, 111, 201, 206, 207, 300})
    EXPECT_EQ(KomutSimgesi(no).availableSizes(), QList<QSize>{QSize(16, 16)}) << no;
  for (int no : {400, 401, 402, 403}) EXPECT_EQ(KomutSimgesi(no).availableSizes(), QList<QSize>{QSize(48, 48)}) << no;
  EXPECT_TRUE(KomutSimgesi(208).isNull());
  // Each picture is its own.
  EXPECT_NE(KomutSimgesi(105).pixmap(16).toImage(), KomutSimgesi(106).pixmap(16).toImage());
  EXPECT_NE(KomutSimgesi(206).pixmap(16).toImage(), KomutSimgesi(207).pixmap(16).toImage());
}

}  // namespace

namespace {
// A form shown over another becomes its child; removing the owner must not leave a dangling reference.
TEST_F(AnaFormTesti, SahibiyleGidenFormYenidenOluşur) {
  GirişŞifresiSorFormu& şifre = Form<GirişŞifresiSorFormu>();
  şifre.setParent(&Form<SunucuDeğiştirFormu>(), Qt::Dialog);
  FormuYokEt<SunucuDeğiştirFormu>();
  EXPECT_FALSE(FormVar<GirişŞifresiSorFormu>());
  EXPECT_NE(&Form<GirişŞifresiSorFormu>(), nullptr);
  FormuYokEt<GirişŞifresiSorFormu>();
}
}  // namespace
