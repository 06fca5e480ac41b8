#include "Ayarlar.h"
#include "ListeGorunumu.h"
#include "ListeKutusu.h"
#include "SayiSigmasi.h"
#include "TarihKutusu.h"
#include "TestOrtami.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

using ListeGörünümüTesti = TestOrtamı;
using Hiza = ListeGörünümü::Hiza;

// The shape of a voucher list: visible texts, hidden record numbers and right-aligned numbers.
void SütunlarıKur(ListeGörünümü& liste) {
  liste.SütunEkle("Firma No", 1);
  liste.SütunEkle("Ürün Kodu", 1935);
  liste.SütunEkle("Ürün Adı", 2500);
  liste.SütunEkle("Depo No", 1);
  liste.SütunEkle("Miktarı", 1000, Hiza::Sağ);
  liste.SütunEkle("Tarihi", 1200);
}

QStringList Sütun(const ListeGörünümü& liste, int k) {
  QStringList metinler;
  for (int i = 1; i <= liste.SatırSayısı(); ++i) metinler << liste.AltÖğe(i, k);
  return metinler;
}

QPoint BaşlıkOrtası(const ListeGörünümü& liste, int başlıkIndex) {
  const QHeaderView* h = liste.header();
  const int m = başlıkIndex - 1;
  return {h->sectionViewportPosition(m) + h->sectionSize(m) / 2, h->height() / 2};
}

TEST_F(ListeGörünümüTesti, SütunlarTwipGenişliğiniVeGizliliğiniTutar) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  ASSERT_EQ(liste.SütunSayısı(), 6);
  EXPECT_EQ(liste.SütunBaşlığı(3), "Ürün Adı");
  EXPECT_EQ(liste.SütunHizası(5), Hiza::Sağ);
  // 1935 twips is not a whole number of pixels; the width still reads back as given.
  EXPECT_EQ(liste.SütunGenişliği(2), 1935);
  EXPECT_EQ(liste.header()->sectionSize(1), 129);
  EXPECT_EQ(liste.SütunGenişliği(1), 1);
  EXPECT_TRUE(liste.SütunGizli(1));
  EXPECT_TRUE(liste.SütunGizli(4));
  EXPECT_FALSE(liste.SütunGizli(2));
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(liste.SütunKonumu(i), i);

  // A hidden column carries its text all the same.
  QTreeWidgetItem* satır = liste.SatırEkle("17");
  satır->setText(4, "1.250,00");
  EXPECT_EQ(liste.AltÖğe(1, 0), "17");
  EXPECT_EQ(satır->textAlignment(4) & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(satır->textAlignment(2) & Qt::AlignRight, 0);

  liste.SütunKonumuAyarla(6, 2);
  EXPECT_EQ(liste.SütunKonumu(6), 2);
  EXPECT_EQ(liste.SütunKonumu(2), 3);
  liste.SütunGenişliğiAyarla(3, 1);
  EXPECT_TRUE(liste.SütunGizli(3));
  liste.SütunGenişliğiAyarla(3, 3000);
  EXPECT_FALSE(liste.SütunGizli(3));
  EXPECT_EQ(liste.SütunGenişliği(3), 3000);
  // Out-of-range headers change nothing and read as nothing.
  liste.SütunGenişliğiAyarla(7, 500);
  EXPECT_EQ(liste.SütunGenişliği(7), 0);
  EXPECT_EQ(liste.SütunBaşlığı(0), QString());

  // A caption wider than its designed width widens the column rather than being cut.
  const int dar = liste.SütunEkle("Miktar Ağırlığı", 300, Hiza::Sağ);
  EXPECT_GT(liste.header()->sectionSize(dar - 1), liste.header()->fontMetrics().horizontalAdvance("Miktar Ağırlığı"));
}

TEST_F(ListeGörünümüTesti, DüzenKaydedilipYenidenKurulanListeyeAynenDöner) {
  {
    ListeGörünümü liste;
    SütunlarıKur(liste);
    liste.show();
    // The user drags a width (whole pixels) and rearranges the columns.
    liste.header()->resizeSection(2, 200);
    liste.SütunKonumuAyarla(6, 1);
    liste.SütunKonumuAyarla(3, 2);
    liste.SütunKonumuAyarla(5, 4);
    liste.SütunGenişliğiAyarla(6, 1777);
    liste.DüzeniKaydet("GirisListesi");
  }
  EXPECT_EQ(Ayarlar::Oku("Listeler\\GirisListesi", "Genislik-3"), "3000");
  EXPECT_EQ(Ayarlar::Oku("Listeler\\GirisListesi", "Konum-6"), "1");

  ListeGörünümü yeni;
  SütunlarıKur(yeni);
  yeni.DüzeniYükle("GirisListesi");
  const std::vector<int> konumlar{3, 5, 2, 6, 4, 1};  // per header index
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(yeni.SütunKonumu(i), konumlar[i - 1]) << "sütun " << i;
  EXPECT_EQ(yeni.SütunGenişliği(3), 3000);
  EXPECT_EQ(yeni.SütunGenişliği(6), 1777);
  EXPECT_EQ(yeni.SütunGenişliği(2), 1935);
  EXPECT_TRUE(yeni.SütunGizli(1));
  EXPECT_TRUE(yeni.SütunGizli(4));
  EXPECT_EQ(yeni.SütunGenişliği(1), 1);
}

// Voucher after voucher in an exit voucher's list, its layout loaded as the voucher opens and saved
// as it closes: figures and the date show whole inside the view, the texts giving way; a line of
// the largest figure widens its columns only while shown, and a width the user drags is kept.
TEST_F(ListeGörünümüTesti, SayıİçinGenişleyenSütunDüzendeSaklanmaz) {
  const struct {
    QString miktar, ağırlık;
    int genişlik, sürüklenen;  // the view's pixels; those the user drags Miktarı to, 0: none
    bool depoKesilir;
  } fişler[] = {{EnBüyükSayı, EnBüyükSayı, 740, 0, false}, {"12,00", "164,30", 740, 0, false},
                {"-" + EnBüyükSayı, "1,00", 520, 0, true}, {"1,00", EnBüyükSayı, 740, 95, false},
                {"3,00", "164,30", 740, 0, false}};
  QString miktarTwip;
  for (const auto& f : fişler) {
    SCOPED_TRACE((f.miktar + " " + f.ağırlık).toStdString());
    ListeGörünümü l;
    for (const char* gizli : {"Firma No", "Ürün No", "Depo No", "Çıkışı Yapan", "Çıkış Nedeni"}) l.SütunEkle(gizli, 1);
    for (const auto& [başlık, twip] : {std::pair{"Tarihi", 1200}, {"Firması", 1900}, {"Ürün Kodu", 1200},
                                       {"Ürün Adı", 2000}, {"Depo Adı", 1900}})
      l.SütunEkle(başlık, twip);
    l.SütunEkle("Miktarı", 1200, Hiza::Sağ);
    l.SütunEkle("Miktar Ağırlığı", 1200, Hiza::Sağ);
    const QString ağırlıkTwip = QString::number(l.SütunGenişliği(12));
    if (miktarTwip.isEmpty()) miktarTwip = QString::number(l.SütunGenişliği(11));
    l.resize(f.genişlik, 200);
    l.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    l.DüzeniYükle("CikisListesi");
    l.SatırlarıEkle({{"1", "2", "3", "4", "0", "01.02.2026", "AKSOY METAL SAN. VE TİC. A.Ş.", "U-1001",
                      "ÇELİK BORU 1/2\"", "MERKEZ DEPO", f.miktar, f.ağırlık}});
    for (int k : {5, 10, 11}) EXPECT_TRUE(HücredeBütün(l, l.indexFromItem(l.Satır(1), k))) << k;
    EXPECT_NE(static_cast<bool>(HücredeBütün(l, l.indexFromItem(l.Satır(1), 9))), f.depoKesilir);
    if (f.sürüklenen) {
      l.header()->resizeSection(10, f.sürüklenen);
      miktarTwip = QString::number(f.sürüklenen * ListeGörünümü::PikselBaşınaTwip);
    }
    l.DüzeniKaydet("CikisListesi");
    EXPECT_EQ(Ayarlar::Oku("Listeler\\CikisListesi", "Genislik-11"), miktarTwip);
    EXPECT_EQ(Ayarlar::Oku("Listeler\\CikisListesi", "Genislik-12"), ağırlıkTwip);
    EXPECT_EQ(Ayarlar::Oku("Listeler\\CikisListesi", "Genislik-1"), "1");
  }
}

// The user drags a column's right edge with the mouse: a figure column dragged narrower than its
// widest figure still shows it whole, at once and without a resize of the window, and the drag is
// the width kept and saved; a text column takes the drag as it is.
TEST_F(ListeGörünümüTesti, SürüklenenSayıSütunuBütünGösterirSürükleneniSaklar) {
  const struct {
    int başlıkIndex, fark;  // pixels the edge is dragged, to the left when negative
    bool sayı;
  } sürüklemeler[] = {{3, -90, true}, {3, 30, true}, {2, -60, false}};
  for (const auto& s : sürüklemeler) {
    SCOPED_TRACE(testing::Message() << s.başlıkIndex << " " << s.fark);
    ListeGörünümü l;
    l.SütunEkle("Ürün Adı", 2400);
    l.SütunEkle("Depo Adı", 2000);
    l.SütunEkle("Miktarı", 1200, Hiza::Sağ);
    l.resize(700, 200);
    l.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    l.SatırlarıEkle({{"ÇELİK BORU 1/2\"", "MERKEZ DEPO", EnBüyükSayı}});
    QHeaderView* h = l.header();
    const int m = s.başlıkIndex - 1, önce = h->sectionSize(m);
    const QPoint kenar(h->sectionViewportPosition(m) + önce - 1, h->height() / 2);
    QTest::mousePress(h->viewport(), Qt::LeftButton, {}, kenar);
    for (int adım = 1; adım <= 3; ++adım) QTest::mouseMove(h->viewport(), kenar + QPoint(s.fark * adım / 3, 0));
    QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, kenar + QPoint(s.fark, 0));
    const int sürüklenen = önce + s.fark;
    EXPECT_EQ(l.SütunGenişliği(s.başlıkIndex), sürüklenen * ListeGörünümü::PikselBaşınaTwip);
    EXPECT_TRUE(HücredeBütün(l, l.indexFromItem(l.Satır(1), 2)));
    if (!s.sayı || s.fark > 0) {
      EXPECT_EQ(h->sectionSize(m), sürüklenen);
    }
    if (const QByteArray yol = qgetenv("VELMORA_RESIM"); !yol.isEmpty())
      l.grab().save(QString::fromUtf8(yol) + QString::number(s.fark) + ".png");
    l.DüzeniKaydet("SurukleListesi");
    EXPECT_EQ(Ayarlar::Oku("Listeler\\SurukleListesi", QStringLiteral("Genislik-%1").arg(s.başlıkIndex)),
              QString::number(sürüklenen * ListeGörünümü::PikselBaşınaTwip));
  }
}

TEST_F(ListeGörünümüTesti, BozukDüzenDeğerleriGeçerliDeğeriBırakır) {
  const QString bölüm = "Listeler\\StokListesi";
  Ayarlar::Yaz(bölüm, "Genislik-2", "geniş");
  Ayarlar::Yaz(bölüm, "Genislik-3", "0");      // would hide a shown column
  Ayarlar::Yaz(bölüm, "Genislik-1", "2000");   // would show a hidden column
  Ayarlar::Yaz(bölüm, "Konum-5", "99");
  Ayarlar::Yaz(bölüm, "Konum-2", "x");
  Ayarlar::Yaz(bölüm, "Konum-3", "1");
  Ayarlar::Yaz(bölüm, "Konum-6", "1");          // two columns want the first place

  ListeGörünümü liste;
  SütunlarıKur(liste);
  liste.DüzeniYükle(bölüm.mid(9));
  EXPECT_EQ(liste.SütunGenişliği(2), 1935);
  EXPECT_EQ(liste.SütunGenişliği(3), 2500);
  EXPECT_FALSE(liste.SütunGizli(3));
  EXPECT_TRUE(liste.SütunGizli(1));
  // Every column still has its own place.
  std::vector<int> görülen;
  for (int i = 1; i <= 6; ++i) görülen.push_back(liste.SütunKonumu(i));
  std::sort(görülen.begin(), görülen.end());
  EXPECT_EQ(görülen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_LT(liste.SütunKonumu(3), liste.SütunKonumu(6));
  EXPECT_LT(liste.SütunKonumu(3), liste.SütunKonumu(2));
  EXPECT_EQ(liste.SütunKonumu(5), 6);
}

TEST_F(ListeGörünümüTesti, SatırlarEtiketlerVeSeçim) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  for (int i = 1; i <= 4; ++i) {
    QTreeWidgetItem* s = liste.SatırEkle(QString::number(i));
    ListeGörünümü::SatırEtiketiAyarla(s, QString("%1-7-3").arg(i));
    liste.AltÖğeAyarla(i, 2, QString("Ürün %1").arg(i));
  }
  EXPECT_EQ(liste.SatırSayısı(), 4);
  EXPECT_EQ(liste.AltÖğe(3, 2), "Ürün 3");
  EXPECT_EQ(liste.Satır(5), nullptr);
  EXPECT_EQ(liste.Satır(0), nullptr);

  EXPECT_EQ(liste.SatırKonumu(liste.EtiketleBul("3-7-3")), 3);
  EXPECT_EQ(liste.EtiketleBul("3-7"), nullptr);  // exact tags only
  EXPECT_EQ(liste.EtiketleBul("13-7-3"), nullptr);

  EXPECT_EQ(liste.SeçiliSatır(), nullptr);
  EXPECT_EQ(liste.SeçiliSatırKonumu(), 0);
  liste.SatırSeç(2);
  EXPECT_EQ(liste.SeçiliSatırKonumu(), 2);
  liste.SatırSeç(4);
  EXPECT_EQ(liste.SeçiliSatırKonumu(), 4);
  EXPECT_EQ(liste.selectedItems().size(), 1);

  liste.SatırSil(4);
  EXPECT_EQ(liste.SatırSayısı(), 3);
  EXPECT_EQ(liste.SeçiliSatır(), nullptr);  // the form picks the next row itself
  EXPECT_EQ(liste.EtiketleBul("4-7-3"), nullptr);
  liste.SatırSeç(1);
  liste.SatırSil(2);
  EXPECT_EQ(liste.SeçiliSatırKonumu(), 1);
  EXPECT_EQ(Sütun(liste, 0), (QStringList{"1", "3"}));
  liste.SatırSil(9);
  EXPECT_EQ(liste.SatırSayısı(), 2);

  liste.Temizle();
  EXPECT_EQ(liste.SatırSayısı(), 0);
  EXPECT_EQ(liste.SütunSayısı(), 6);  // clearing keeps the columns
  EXPECT_EQ(liste.EtiketleBul("1-7-3"), nullptr);
}

TEST_F(ListeGörünümüTesti, KendiSıralamasıTürkçeAlfabeyleVeEtiketleriKorur) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  const QStringList adlar{"Dut", "Çay", "İnci", "Cevher", "Işık", "Zeytin"};
  for (int i = 0; i < adlar.size(); ++i) {
    QTreeWidgetItem* s = liste.SatırEkle(QString::number(i + 1));
    s->setText(2, adlar[i]);
    ListeGörünümü::SatırEtiketiAyarla(s, "e" + adlar[i]);
  }
  liste.SatırSeç(3);  // İnci
  liste.SıralamaAnahtarıAyarla(2);
  liste.SıralamaDüzeniAyarla(0);
  EXPECT_EQ(Sütun(liste, 2), adlar);  // nothing moves while the switch is off
  liste.SıralıAyarla(true);
  EXPECT_EQ(Sütun(liste, 2), (QStringList{"Cevher", "Çay", "Dut", "Işık", "İnci", "Zeytin"}));
  for (int i = 1; i <= liste.SatırSayısı(); ++i)
    EXPECT_EQ(ListeGörünümü::SatırEtiketi(liste.Satır(i)), "e" + liste.AltÖğe(i, 2));
  EXPECT_EQ(liste.SeçiliSatır()->text(2), "İnci");

  liste.SıralamaDüzeniAyarla(1);
  EXPECT_EQ(Sütun(liste, 2), (QStringList{"Zeytin", "İnci", "Işık", "Dut", "Çay", "Cevher"}));
  EXPECT_EQ(liste.SatırKonumu(liste.EtiketleBul("eÇay")), 5);
  EXPECT_EQ(liste.SeçiliSatırKonumu(), 2);
  EXPECT_EQ(liste.selectedItems().size(), 1);

  liste.SıralıAyarla(false);
  liste.SıralamaDüzeniAyarla(0);
  EXPECT_EQ(Sütun(liste, 2).first(), "Zeytin");  // switched off: the order stays
}

// Rows added in one step hold their texts and their column's alignment until changed; a changed
// key text still moves its row while the own sort is on.
TEST_F(ListeGörünümüTesti, TopluEklenenSatırlarDeğişenMetniVeHizayıTutar) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  liste.SatırlarıEkle({{"1", "K1", "Dut", "3", "1,00", "01.02.2026"},
                       {"2", "K2", "Çay", "3", "2,00", "02.02.2026"},
                       {"3", "K3", "Zeytin"}});
  ASSERT_EQ(liste.SatırSayısı(), 3);
  EXPECT_EQ(Sütun(liste, 2), (QStringList{"Dut", "Çay", "Zeytin"}));
  EXPECT_EQ(liste.AltÖğe(3, 4), QString());  // a short row leaves its last cells empty
  QTreeWidgetItem* ikinci = liste.Satır(2);
  EXPECT_EQ(ikinci->textAlignment(4) & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(ikinci->textAlignment(2) & Qt::AlignRight, 0);
  ikinci->setTextAlignment(4, Qt::AlignLeft);
  EXPECT_EQ(ikinci->textAlignment(4) & Qt::AlignRight, 0);

  liste.AltÖğeAyarla(1, 4, "9,50");
  liste.AltÖğeAyarla(1, 5, QString());
  EXPECT_EQ(liste.AltÖğe(1, 4), "9,50");
  EXPECT_EQ(liste.AltÖğe(1, 5), QString());
  EXPECT_EQ(liste.AltÖğe(1, 2), "Dut");

  liste.SıralamaAnahtarıAyarla(2);
  liste.SıralıAyarla(true);
  EXPECT_EQ(Sütun(liste, 2), (QStringList{"Çay", "Dut", "Zeytin"}));
  liste.AltÖğeAyarla(1, 2, "Ağaç");  // was Çay
  liste.AltÖğeAyarla(3, 2, "Armut");  // was Zeytin
  EXPECT_EQ(Sütun(liste, 2), (QStringList{"Ağaç", "Armut", "Dut"}));
  EXPECT_EQ(Sütun(liste, 0), (QStringList{"2", "3", "1"}));
}

TEST_F(ListeGörünümüTesti, BaşlıkTıklamasıVeÇiftTıklamaBildirilir) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  liste.SatırEkle("1")->setText(2, "Elma");
  liste.SatırEkle("2")->setText(2, "Armut");
  std::vector<int> tıklananlar;
  QTreeWidgetItem* çiftTıklanan = nullptr;
  liste.BaşlığaTıklandı = [&](int i) { tıklananlar.push_back(i); };
  liste.SatıraÇiftTıklandı = [&](QTreeWidgetItem* s) { çiftTıklanan = s; };
  liste.resize(600, 300);
  liste.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste));

  QTest::mouseClick(liste.header()->viewport(), Qt::LeftButton, {}, BaşlıkOrtası(liste, 5));
  QTest::mouseClick(liste.header()->viewport(), Qt::LeftButton, {}, BaşlıkOrtası(liste, 3));
  EXPECT_EQ(tıklananlar, (std::vector<int>{5, 3}));

  // The index stays that of the column, wherever the user has moved it.
  liste.SütunKonumuAyarla(5, 1);
  QTest::mouseClick(liste.header()->viewport(), Qt::LeftButton, {}, BaşlıkOrtası(liste, 5));
  EXPECT_EQ(tıklananlar.back(), 5);

  const QPoint yer(liste.header()->sectionViewportPosition(2) + 10, liste.visualItemRect(liste.Satır(2)).center().y());
  // The window system's order: press, release, double click, release.
  QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, yer);
  QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, yer);
  QTest::mouseRelease(liste.viewport(), Qt::LeftButton, {}, yer);
  EXPECT_EQ(çiftTıklanan, liste.Satır(2));
}

TEST_F(ListeGörünümüTesti, OkSolaDayalıBaşlıktaSonraSağaDayalıdaÖnceDurur) {
  ListeGörünümü liste;
  SütunlarıKur(liste);
  QPixmap yukarı(8, 8), aşağı(8, 8);
  yukarı.fill(Qt::black);
  aşağı.fill(Qt::gray);
  liste.BaşlıkResimleriAyarla(yukarı, aşağı);
  liste.resize(800, 300);
  liste.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste));
  const QHeaderView* h = liste.header();
  const QFontMetrics fm = h->fontMetrics();

  EXPECT_TRUE(liste.BaşlıkResmiAlanı(3).isEmpty());
  liste.BaşlıkResmiAyarla(3, 1);
  liste.BaşlıkResmiAyarla(5, 2);
  EXPECT_EQ(liste.BaşlıkResmi(3), 1);
  EXPECT_EQ(liste.BaşlıkResmi(5), 2);
  EXPECT_EQ(liste.BaşlıkResmi(2), 0);

  const QRect sol = liste.BaşlıkResmiAlanı(3);
  const int solBaşı = h->sectionViewportPosition(2);
  ASSERT_FALSE(sol.isEmpty());
  EXPECT_GE(sol.left(), solBaşı + fm.horizontalAdvance("Ürün Adı"));
  EXPECT_LT(sol.right(), solBaşı + h->sectionSize(2));

  const QRect sağ = liste.BaşlıkResmiAlanı(5);
  const int sağSonu = h->sectionViewportPosition(4) + h->sectionSize(4);
  ASSERT_FALSE(sağ.isEmpty());
  EXPECT_LE(sağ.right(), sağSonu - fm.horizontalAdvance("Miktarı"));
  EXPECT_GE(sağ.left(), h->sectionViewportPosition(4));

  // An image number outside the store shows nothing; a null store draws the style's arrow.
  liste.BaşlıkResmiAyarla(3, 3);
  EXPECT_EQ(liste.BaşlıkResmi(3), 0);
  EXPECT_TRUE(liste.BaşlıkResmiAlanı(3).isEmpty());
  liste.BaşlıkResimleriAyarla({}, {});
  EXPECT_FALSE(liste.BaşlıkResmiAlanı(5).isEmpty());
  liste.grab();  // paints the header with its arrow
}

TEST_F(ListeGörünümüTesti, TarihKutusuDeğeriGösteririVeOlaylarıBildirir) {
  QWidget pencere;
  auto* tarih = new TarihKutusu(&pencere);
  auto* başka = new QLineEdit(&pencere);
  auto* yerleşim = new QVBoxLayout(&pencere);
  yerleşim->addWidget(tarih);
  yerleşim->addWidget(başka);
  EXPECT_TRUE(tarih->calendarPopup());

  int değişme = 0, alma = 0, kaybetme = 0;
  tarih->Değişti = [&] { ++değişme; };
  tarih->OdakAldı = [&] { ++alma; };
  tarih->OdakKaybetti = [&] { ++kaybetme; };

  // Setting the value by program raises the change too; the same value does not.
  tarih->DeğerAyarla(QDate(2026, 2, 1));
  EXPECT_EQ(değişme, 1);
  tarih->DeğerAyarla(QDate(2026, 2, 1));
  EXPECT_EQ(değişme, 1);
  EXPECT_EQ(tarih->Değer(), QDate(2026, 2, 1));
  EXPECT_EQ(tarih->text(), "01.02.2026");

  pencere.show();
  QApplication::setActiveWindow(&pencere);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));
  başka->setFocus();
  alma = kaybetme = 0;
  tarih->setFocus();
  EXPECT_EQ(alma, 1);
  EXPECT_TRUE(tarih->OdakSende());

  // A new day typed over the day section is the value once the typing ends, here by leaving.
  tarih->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(tarih, "15");
  EXPECT_EQ(tarih->Değer(), QDate(2026, 2, 1));
  EXPECT_EQ(değişme, 1);

  başka->setFocus();
  EXPECT_EQ(tarih->Değer(), QDate(2026, 2, 15));
  EXPECT_EQ(değişme, 2);
  EXPECT_EQ(kaybetme, 1);
  EXPECT_FALSE(tarih->OdakSende());
}

}  // namespace

// Whoever highlights a row (a form's code, a re-sort keeping the selection), the next arrow key
// moves on from it: the highlighted row is the current one.
TEST_F(ListeGörünümüTesti, SeçilenSatırAkımSatırOlurOkTuşuOndanDevamEder) {
  QWidget pencere;
  auto* düzen = new QVBoxLayout(&pencere);
  auto* görünüm = new ListeGörünümü(&pencere);
  SütunlarıKur(*görünüm);
  auto* kutu = new ListeKutusu(&pencere);
  düzen->addWidget(görünüm), düzen->addWidget(kutu);
  for (int i = 0; i < 4; ++i) {
    görünüm->SatırEkle(QString::number(i))->setText(2, QString("Ad %1").arg(i));
    kutu->addItem(QString::number(i));
  }
  pencere.show();
  pencere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));
  for (QAbstractItemView* liste : std::initializer_list<QAbstractItemView*>{görünüm, kutu}) {
    liste->setFocus(Qt::TabFocusReason);
    liste->setCurrentIndex(liste->model()->index(0, 2 * (liste == görünüm)));
    liste->selectionModel()->select(liste->model()->index(2, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(liste->currentIndex().row(), 2);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(liste->selectionModel()->selectedRows().value(0).row(), 3);
  }
}
