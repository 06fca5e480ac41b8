#include "ListeGorunumu.h"
#include "ListeyiSiralaModulu.h"
#include "OrtakDegiskenlerModulu.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace ListeyiSıralaModülü;
using Hiza = ListeGörünümü::Hiza;

// A movement list: number, name, date and quantity, with a hidden reason column.
class ListeyiSıralaTesti : public ::testing::Test {
protected:
  void SetUp() override {
    Ortak::SıralamaSütunu = 0;
    Ortak::SıralamaYönü = 0;
    Ortak::SayısalSırala = 0;
    liste = YeniListe();
  }

  static std::unique_ptr<ListeGörünümü> YeniListe() {
    auto l = std::make_unique<ListeGörünümü>();
    l->SütunEkle("İşlem No", 900);
    l->SütunEkle("Ürün Adı", 2500);
    l->SütunEkle("Tarihi", 1200);
    l->SütunEkle("Miktarı", 1200, Hiza::Sağ);
    l->SütunEkle("Nedeni", 1);
    // The form's column-click procedure: which kind each column is.
    ListeGörünümü* p = l.get();
    p->BaşlığaTıklandı = [p](int i) {
      SütunTıklandı(*p, i, i == 3 ? SütunTürü::Tarih : i == 4 || i == 5 ? SütunTürü::Sayı : SütunTürü::Metin);
    };
    l->resize(700, 300);
    return l;
  }

  void SatırEkle(const QString& no, const QString& ad, const QString& tarih, const QString& miktar,
                 const QString& neden = "0") {
    QTreeWidgetItem* s = liste->SatırEkle(no);
    s->setText(1, ad);
    s->setText(2, tarih);
    s->setText(3, miktar);
    s->setText(4, neden);
    ListeGörünümü::SatırEtiketiAyarla(s, "n" + no);
  }

  // A real click on the middle of the header section.
  static void BaşlığaTıkla(ListeGörünümü& l, int başlıkIndex) {
    if (!l.isVisible()) {
      l.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&l));
    }
    QHeaderView* h = l.header();
    const int m = başlıkIndex - 1;
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(m) + h->sectionSize(m) / 2, h->height() / 2));
  }

  static QStringList Sütun(const ListeGörünümü& l, int k) {
    QStringList metinler;
    for (int i = 1; i <= l.SatırSayısı(); ++i) metinler << l.AltÖğe(i, k);
    return metinler;
  }

  static std::vector<int> Resimler(const ListeGörünümü& l) {
    std::vector<int> r;
    for (int i = 1; i <= l.SütunSayısı(); ++i) r.push_back(l.BaşlıkResmi(i));
    return r;
  }

  std::unique_ptr<ListeGörünümü> liste;
};

TEST_F(ListeyiSıralaTesti, SayılarSayıOlarakTarihlerTarihOlarakSıralanırİkinciTıklamaÇevirir) {
  SatırEkle("1", "Elma", "1.2.2026", "9");
  SatırEkle("2", "Armut", "15.1.2026", "1.000");
  SatırEkle("3", "Ayva", "3.3.2025", "10");

  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"9", "10", "1.000"}));
  EXPECT_EQ(Ortak::SıralamaSütunu, 3);
  EXPECT_EQ(Ortak::SıralamaYönü, 0);
  EXPECT_EQ(Ortak::SayısalSırala, 1);
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 0, 0, 1, 0}));

  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"1.000", "10", "9"}));
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 0, 0, 2, 0}));

  // Another column after a descending sort starts ascending again.
  BaşlığaTıkla(*liste, 3);
  EXPECT_EQ(Sütun(*liste, 2), (QStringList{"3.3.2025", "15.1.2026", "1.2.2026"}));
  EXPECT_EQ(Ortak::SayısalSırala, 0);
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 0, 1, 0, 0}));
  BaşlığaTıkla(*liste, 3);
  EXPECT_EQ(Sütun(*liste, 2), (QStringList{"1.2.2026", "15.1.2026", "3.3.2025"}));
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 0, 2, 0, 0}));

  // Every row keeps its own cells and tag through the sorts.
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(ListeGörünümü::SatırEtiketi(liste->Satır(i)), "n" + liste->AltÖğe(i, 0));
  EXPECT_EQ(liste->SatırKonumu(liste->EtiketleBul("n2")), 2);
  EXPECT_EQ(liste->AltÖğe(liste->SatırKonumu(liste->EtiketleBul("n3")), 1), "Ayva");
}

TEST_F(ListeyiSıralaTesti, İlkTıklamaİlkSütundaAzalanDiğerSütundaArtanSıralar) {
  SatırEkle("2", "Çilek", "1.1.2026", "1");
  SatırEkle("10", "Ceviz", "1.1.2026", "1");
  SatırEkle("1", "Dut", "1.1.2026", "1");
  // At start column 0 counts as the last sorted one: its first click reverses.
  BaşlığaTıkla(*liste, 1);
  EXPECT_EQ(Ortak::SıralamaYönü, 1);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"2", "10", "1"}));  // text column: text order
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{2, 0, 0, 0, 0}));

  // A text column sorts with the Turkish alphabet.
  BaşlığaTıkla(*liste, 2);
  EXPECT_EQ(Sütun(*liste, 1), (QStringList{"Ceviz", "Çilek", "Dut"}));
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 1, 0, 0, 0}));
  BaşlığaTıkla(*liste, 2);
  EXPECT_EQ(Sütun(*liste, 1), (QStringList{"Dut", "Çilek", "Ceviz"}));
  EXPECT_TRUE(liste->Sıralı());

  // A date or number sort switches the text sort off.
  BaşlığaTıkla(*liste, 4);
  EXPECT_FALSE(liste->Sıralı());
}

TEST_F(ListeyiSıralaTesti, MetinSıralamasıAçıkkenEklenenVeDeğişenSatırYerineGirer) {
  SatırEkle("1", "Dut", "1.1.2026", "1");
  SatırEkle("2", "Ceviz", "1.1.2026", "2");
  BaşlığaTıkla(*liste, 2);
  liste->SatırSeç(2);  // Dut

  // A working list grows and changes while it stands sorted.
  SatırEkle("3", "Çilek", "1.1.2026", "3");
  SatırEkle("4", "Armut", "1.1.2026", "4");
  liste->AltÖğeAyarla(liste->SatırKonumu(liste->EtiketleBul("n2")), 1, "Zeytin");
  EXPECT_EQ(Sütun(*liste, 1), (QStringList{"Armut", "Çilek", "Dut", "Zeytin"}));
  liste->EtiketleBul("n4")->setText(1, "İncir");
  SatırEkle("5", "Dut", "1.1.2026", "5");  // after the equal key already there
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"3", "1", "5", "4", "2"}));
  EXPECT_EQ(liste->SeçiliSatır()->text(1), "Dut");
  EXPECT_EQ(liste->SeçiliSatırKonumu(), 2);
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 1, 0, 0, 0}));

  BaşlığaTıkla(*liste, 2);
  SatırEkle("6", "Elma", "1.1.2026", "6");
  EXPECT_EQ(Sütun(*liste, 1), (QStringList{"Zeytin", "İncir", "Elma", "Dut", "Dut", "Çilek"}));
  EXPECT_EQ(Resimler(*liste), (std::vector<int>{0, 2, 0, 0, 0}));

  // A number sort is not the list's own: a new row goes to the end.
  BaşlığaTıkla(*liste, 4);
  SatırEkle("7", "Ayva", "1.1.2026", "0");
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"1", "2", "3", "4", "5", "6", "0"}));
}

TEST_F(ListeyiSıralaTesti, YönVeSütunBütünProgramınListeleriArasındaPaylaşılır) {
  SatırEkle("1", "A", "1.1.2026", "5");
  SatırEkle("2", "B", "1.1.2026", "7");
  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"5", "7"}));

  // Another form's list with the same column index continues the toggling.
  auto başka = YeniListe();
  başka->SatırEkle("x")->setText(3, "3");
  başka->SatırEkle("y")->setText(3, "8");
  BaşlığaTıkla(*başka, 4);
  EXPECT_EQ(Ortak::SıralamaYönü, 1);
  EXPECT_EQ(Sütun(*başka, 3), (QStringList{"8", "3"}));
  EXPECT_EQ(başka->BaşlıkResmi(4), 2);
  // The first list keeps its own order and arrow until it is clicked.
  EXPECT_EQ(liste->BaşlıkResmi(4), 1);
}

TEST_F(ListeyiSıralaTesti, BoşVeSayıOlmayanHücreler0SayılırVeSıralamaBozulmaz) {
  SatırEkle("1", "a", "2.2.2020", "5");
  SatırEkle("2", "b", "", "");
  SatırEkle("3", "c", "yarın", "on beş");
  SatırEkle("4", "d", "31.2.2026", "-2");
  SatırEkle("5", "e", "1.1.1900", "1,5");
  SatırEkle("6", "f", "1.1.1800", "0");

  BaşlığaTıkla(*liste, 4);
  // Empty, unreadable and true zero compare equal and keep their order.
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"-2", "", "on beş", "0", "1,5", "5"}));
  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 3), (QStringList{"5", "1,5", "", "on beş", "0", "-2"}));

  // A date that is empty or no date sorts as 30.12.1899: after 1800, before 1900.
  BaşlığaTıkla(*liste, 3);
  EXPECT_EQ(Sütun(*liste, 2), (QStringList{"1.1.1800", "", "yarın", "31.2.2026", "1.1.1900", "2.2.2020"}));
  EXPECT_EQ(liste->SatırSayısı(), 6);
}

TEST_F(ListeyiSıralaTesti, YalnızcaİlkOtuzBirKarakterKarşılaştırılır) {
  const QString uzunTarih = QString("3.3.2025").leftJustified(31, u' ') + "notu";
  const QString uzunSayı = QString("12").leftJustified(31, u' ') + "7";
  SatırEkle("1", "a", "1.1.2026", "20");
  SatırEkle("2", "b", uzunTarih, uzunSayı);
  SatırEkle("3", "c", "2.2.2020", "3");
  BaşlığaTıkla(*liste, 3);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"3", "2", "1"}));
  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"3", "2", "1"}));

  Ortak::SayısalSırala = 1;
  EXPECT_EQ(SıralamaDeğeri("1.234,5"), 1234.5);
  EXPECT_EQ(SıralamaDeğeri(QString(31, u'9') + "9"), SıralamaDeğeri(QString(31, u'9')));
}

TEST_F(ListeyiSıralaTesti, EşitDeğerlerİkiYöndeDeSıralarınıKorurVeSeçimKalır) {
  SatırEkle("1", "a", "1.1.2026", "5");
  SatırEkle("2", "b", "1.1.2026", "2");
  SatırEkle("3", "c", "01.01.2026", "5,00");
  SatırEkle("4", "d", "1.1.2026", "2");
  liste->SatırSeç(3);
  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"2", "4", "1", "3"}));
  EXPECT_EQ(liste->SeçiliSatır()->text(0), "3");
  EXPECT_EQ(liste->SeçiliSatırKonumu(), 4);
  BaşlığaTıkla(*liste, 4);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"1", "3", "2", "4"}));
  EXPECT_EQ(liste->SeçiliSatırKonumu(), 2);
  BaşlığaTıkla(*liste, 3);
  EXPECT_EQ(Sütun(*liste, 0), (QStringList{"1", "3", "2", "4"}));
}

TEST_F(ListeyiSıralaTesti, GizliSayıSütunuVeSütunsuzListeHatasızÇalışır) {
  SatırEkle("1", "a", "1.1.2026", "1", "99");
  SatırEkle("2", "b", "1.1.2026", "1", "6");
  SütunTıklandı(*liste, 5, SütunTürü::Sayı);
  EXPECT_EQ(Sütun(*liste, 4), (QStringList{"6", "99"}));

  // A sort column beyond the list's columns leaves the rows as they are.
  Ortak::SıralamaSütunu = 40;
  ListeyiSırala(*liste);
  EXPECT_EQ(Sütun(*liste, 4), (QStringList{"6", "99"}));

  ListeGörünümü boş;
  SütunTıklandı(boş, 2, SütunTürü::Tarih);
  ListeyeSimgeEkle(boş, 1);
  EXPECT_EQ(boş.SütunSayısı(), 0);
  EXPECT_EQ(boş.SatırSayısı(), 0);
}

}  // namespace
