// The entry voucher driven offscreen as a user drives it.
#include "Ayarlar.h"
#include "FisTestOrtami.h"
#include "FormYoneticisi.h"
#include "GirisIslemleriFormu.h"
#include "IlerlemeGosterFormu.h"
#include "KomutDagitimi.h"
#include "Platform.h"
#include "TanimTestOrtami.h"
#include "TarihKutusu.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class GirişFormuTesti : public FişTestOrtamı {
protected:
  void SetUp() override {
    FişTestOrtamı::SetUp();
    ÖrnekTanımlar();
  }
  void TearDown() override {
    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    FişTestOrtamı::TearDown();
  }

  // The form as the command shows it: its lists filled by job 1, on the screen.
  GirişİşlemleriFormu& Aç() {
    Ortak::TanımSayıları = {2, 3, 2};
    Form<İlerlemeGösterFormu>().İşiÇalıştır(1, İş::ListelerBaşlık, İş::ListelerMetin);
    GirişİşlemleriFormu& f = Form<GirişİşlemleriFormu>();
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
  }
  static void Tıkla(QListWidget* l, qint64 no) {
    for (int i = 0; i < l->count(); ++i)
      if (l->item(i)->data(Qt::UserRole).toLongLong() == no)
        return QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
    ADD_FAILURE() << "listede yok: " << no;
  }
  static void Yazıla(QWidget* alan, const QString& metin) {
    alan->setFocus();
    if (auto* k = qobject_cast<QComboBox*>(alan)) k->clearEditText();
    if (auto* k = qobject_cast<QLineEdit*>(alan)) k->clear();
    Yaz(alan, metin);
  }
  // A line as the user enters it; 0 leaves a list without a choice.
  void Satır(GirişİşlemleriFormu& f, qint64 firma, qint64 ürün, qint64 depo, const QString& kişi,
             const QString& miktar) {
    if (firma) Tıkla(f.FirmaListesi, firma);
    if (ürün) Tıkla(f.ÜrünListesi, ürün);
    if (depo) Tıkla(f.DepoListesi, depo);
    Yazıla(f.GirişiYapanKutusu, kişi);
    Yazıla(f.GirişMiktarıKutusu, miktar);
    QTest::mouseClick(f.ListeyeEkleDüğmesi, Qt::LeftButton);
  }
  static QString Hücre(GirişİşlemleriFormu& f, int satır, int sütun) {
    return f.GirişiYapılacakÜrünListesi->AltÖğe(satır, sütun);
  }
  static bool ListeAçık(GirişİşlemleriFormu& f) {
    bool açık = f.Çerçeve[1]->isEnabled();
    for (QPushButton* d : {f.ListeyiStoğaEkleDüğmesi, f.GirişiListedenÇıkarDüğmesi, f.ListeyiTemizleDüğmesi,
                           f.GirişFişiYazdırDüğmesi, f.ListeyiExceleAktarDüğmesi})
      EXPECT_EQ(d->isEnabled(), açık) << d->text().toStdString();
    return açık;
  }
  qint64 Sayı(const char* tablo) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM %1").arg(QString::fromUtf8(tablo)))
        .Tamsayı("n");
  }
};

TEST_F(GirişFormuTesti, SatırınAltıRetiSırasıylaMesajVeOdakVerir) {
  GirişİşlemleriFormu& f = Aç();
  Satır(f, akın, civata, merkez, "VELİ", "5");
  f.GirişTarihiKutusu->DeğerAyarla(QDate(2026, 1, 2));
  struct Durum {
    qint64 firma, ürün, depo;
    const char* kişi;
    const char* miktar;
    const char* mesaj;
    QWidget* odak;
  };
  const std::vector<Durum> durumlar{
      {0, 0, 0, "ALİ VELİ", "7", "Lütfen, listeden bir FİRMA seçiniz!", f.FirmaListesi},
      {akın, 0, 0, "ALİ VELİ", "7", "Lütfen, listeden bir ÜRÜN seçiniz!", f.ÜrünListesi},
      {akın, civata, 0, "ALİ VELİ", "7", "Lütfen, ürünün ekleneceği DEPOYU listeden seçiniz!", f.DepoListesi},
      {akın, civata, merkez, "ALİ VELİ", "7",
       "Bu GİRİŞ İŞLEMİ listeye daha önce eklenmiş!\n\nLütfen, firmayı, ürünü ya da depoyu değiştiriniz.",
       f.FirmaListesi},
      {akın, civata, şube, "", "7", "Lütfen, GİRİŞİ YAPANI giriniz!", f.GirişiYapanKutusu},
      {akın, civata, şube, " ", "", "Lütfen, GİRİŞ MİKTARINI giriniz!", f.GirişMiktarıKutusu},
      {akın, civata, şube, "ALİ VELİ", "0", "Lütfen, GİRİŞ MİKTARINI giriniz!", f.GirişMiktarıKutusu},
      {akın, civata, şube, "ALİ VELİ", "0,00", "Lütfen, GİRİŞ MİKTARINI giriniz!", f.GirişMiktarıKutusu},
      {akın, civata, şube, "ALİ VELİ", ",", "Lütfen, GİRİŞ MİKTARINI giriniz!", f.GirişMiktarıKutusu},
  };
  for (const Durum& d : durumlar) {
    mesajlar.clear();
    for (auto* s : f.Seçiciler) s->Seç(-1);
    Satır(f, d.firma, d.ürün, d.depo, QString::fromUtf8(d.kişi), QString::fromUtf8(d.miktar));
    ASSERT_EQ(mesajlar.size(), 1u) << d.mesaj;
    EXPECT_EQ(mesajlar[0].metin, QString::fromUtf8(d.mesaj));
    EXPECT_EQ(mesajlar[0].stil, 64);
    EXPECT_EQ(QApplication::focusWidget(), d.odak) << d.mesaj;
    EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
  }
  EXPECT_EQ(Sayı("GirisCikisYapanlarTablosu"), 2);  // refused lines register nobody
  // The same product from another supplier, or into another warehouse, is a new line.
  Satır(f, yıldız, civata, merkez, "ALİ VELİ", "7");
  Satır(f, akın, civata, şube, "ALİ VELİ", "7");
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 3);
}

TEST_F(GirişFormuTesti, KişiHarfBüyüklüğüneBakmadanBulunurYenisiGerçekNumarasıylaBirKezEklenir) {
  vt->Çalıştır(QStringLiteral("UPDATE GirisCikisYapanlarTablosu SET GirisCikisYapanAdi = 'Ali Veli'"));
  Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanNo, GirisCikisYapanAdi) VALUES (40000, 'ESKİ')", {});
  vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanNo = 40000"));
  GirişİşlemleriFormu& f = Aç();

  Satır(f, akın, civata, merkez, "ali veli", "1");
  EXPECT_EQ(Hücre(f, 1, 3), QString::number(ali));
  Satır(f, akın, somun, merkez, "O'NEIL", "1");
  Satır(f, akın, pul, merkez, "O'NEIL", "1");
  EXPECT_EQ(Hücre(f, 2, 3), QStringLiteral("40001"));
  EXPECT_EQ(Hücre(f, 3, 3), QStringLiteral("40001"));
  EXPECT_EQ(f.GirişiYapanKutusu->currentText(), QStringLiteral("O'NEIL"));  // kept for the next line
  const KayıtKümesi k = vt->KayıtKümesiAç(
      QStringLiteral("SELECT GirisCikisYapanNo, GirisCikisYapanAdi FROM GirisCikisYapanlarTablosu "
                     "WHERE GirisCikisYapanNo <> ?"),
      {ali});
  EXPECT_EQ(k.KayıtSayısı(), 1);
  EXPECT_EQ(k.Metin("GirisCikisYapanAdi"), QStringLiteral("O'NEIL"));
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(GirişFormuTesti, AğırlıklarHücredekiİkiOndalıklaToplanırÇıkarmaSeçimiTaşır) {
  GirişİşlemleriFormu& f = Aç();
  ASSERT_FALSE(ListeAçık(f));
  Satır(f, akın, civata, merkez, "ALİ VELİ", "1");
  // After an add: no choices, no quantity, the person and date kept, the focus on the firms.
  EXPECT_TRUE(f.FirmaListesi->selectedItems().isEmpty() && f.ÜrünListesi->selectedItems().isEmpty() &&
              f.DepoListesi->selectedItems().isEmpty());
  EXPECT_TRUE(f.GirişMiktarıKutusu->text().isEmpty() && f.MevcutÜrünSayısıKutusu->text().isEmpty());
  EXPECT_EQ(f.GirişiYapanKutusu->currentText(), QStringLiteral("ALİ VELİ"));
  EXPECT_EQ(QApplication::focusWidget(), f.FirmaListesi);
  EXPECT_TRUE(ListeAçık(f));

  struct Durum {
    int çıkarılan;  // 0: nothing chosen
    int kalanSeçili;
    const char* toplam;
  };
  for (const Durum& d : std::vector<Durum>{{1, 1, "0,66"}, {2, 1, "0,66"}, {3, 2, "0,66"}, {0, 0, "0,99"}}) {
    f.ListeyiTemizleDüğmesi->click();
    for (qint64 firma : {akın, yıldız}) Satır(f, firma, civata, merkez, "ALİ VELİ", "1");
    Satır(f, akın, civata, şube, "ALİ VELİ", "1");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Hücre(f, i, 10), QStringLiteral("0,33"));
    EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), QStringLiteral("0,99"));
    if (d.çıkarılan) f.GirişiYapılacakÜrünListesi->SatırSeç(d.çıkarılan);
    f.GirişiListedenÇıkarDüğmesi->click();
    EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SeçiliSatırKonumu(), d.kalanSeçili) << d.çıkarılan;
    EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), QString::fromUtf8(d.toplam)) << d.çıkarılan;
  }
  EXPECT_TRUE(mesajlar.empty());

  // The double click removes too; the last row leaves an empty total and the list switched off.
  f.ListeyiTemizleDüğmesi->click();
  Satır(f, akın, somun, şube, "ALİ VELİ", "1.234");
  EXPECT_EQ(Hücre(f, 1, 9), QStringLiteral("1.234,00"));
  EXPECT_EQ(Hücre(f, 1, 10), QStringLiteral("3.085,00"));
  ListeGörünümü* l = f.GirişiYapılacakÜrünListesi;
  const QPoint hücre = l->visualRect(l->model()->index(0, 5)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, hücre);  // a double click begins as a click
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, hücre);
  EXPECT_EQ(l->SatırSayısı(), 0);
  EXPECT_TRUE(f.ToplamAğırlıkKutusu->text().isEmpty());
  EXPECT_FALSE(ListeAçık(f));
}

TEST_F(GirişFormuTesti, AktarmaGörünenSırayıYazarBirSatırDüşerseHiçbiriniYazmaz) {
  GirişİşlemleriFormu& f = Aç();
  const std::vector<std::tuple<qint64, qint64, qint64, QDate, const char*>> satırlar{
      {akın, civata, merkez, QDate(2026, 3, 1), "10"},
      {yıldız, somun, şube, QDate(2026, 2, 1), "9"},
      {akın, pul, şube, QDate(2026, 1, 1), "12,5"}};
  for (const auto& [firma, ürün, depo, tarih, miktar] : satırlar) {
    f.GirişTarihiKutusu->DeğerAyarla(tarih);
    Satır(f, firma, ürün, depo, "ALİ VELİ", QString::fromUtf8(miktar));
  }
  // Sorted by date, the list shows the third line first; it is written in that order.
  f.GirişiYapılacakÜrünListesi_ColumnClick(5);
  ASSERT_EQ(Hücre(f, 1, 1), QString::number(pul));

  vt->Çalıştır(QStringLiteral("CREATE TRIGGER Reddet BEFORE INSERT ON GirisIslemleriTablosu "
                              "WHEN NEW.UrunNo = %1 BEGIN SELECT RAISE(ABORT, 'disk dolu'); END")
                   .arg(civata));
  f.ListeyiStoğaEkleDüğmesi->click();
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_TRUE(mesajlar[0].metin.contains(QStringLiteral("disk dolu")));
  EXPECT_EQ(Sayı("GirisIslemleriTablosu"), 0);
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 3);
  EXPECT_TRUE(ListeAçık(f));

  vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
  f.ListeyiStoğaEkleDüğmesi->click();
  EXPECT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
  EXPECT_FALSE(ListeAçık(f));
  KayıtKümesi k = vt->KayıtKümesiAç(QStringLiteral(
      "SELECT SaticiFirmaNo, UrunNo, DepoNo, GirisiYapan, GirisNedeni, IslemTarihi, GirisMiktari "
      "FROM GirisIslemleriTablosu ORDER BY IslemNo"));
  for (int i : {2, 1, 0}) {
    const auto& [firma, ürün, depo, tarih, miktar] = satırlar[i];
    ASSERT_FALSE(k.Sonda());
    EXPECT_EQ(QVariantList({k.Tamsayı("SaticiFirmaNo"), k.Tamsayı("UrunNo"), k.Tamsayı("DepoNo"),
                            k.Tamsayı("GirisiYapan"), k.Tamsayı("GirisNedeni"), k.Tarih("IslemTarihi"),
                            k.Miktar("GirisMiktari")}),
              QVariantList({firma, ürün, depo, ali, 1, tarih, *TürkçeMetin::MiktarOku(QString::fromUtf8(miktar))}));
    k.MoveNext();
  }
}

TEST_F(GirişFormuTesti, MevcutStokSeçilenÜrünVeDepodanOkunur) {
  Giriş(civata, merkez, 10);
  Çıkış(civata, merkez, 4, 99);   // half of a transfer out
  Giriş(civata, şube, 4, 99);     // the other half
  Çıkış(somun, şube, 3);
  GirişİşlemleriFormu& f = Aç();
  Tıkla(f.ÜrünListesi, civata);
  EXPECT_EQ(f.ÜrünKoduKutusu->text(), QStringLiteral("C-10"));
  EXPECT_TRUE(f.MevcutÜrünSayısıKutusu->text().isEmpty());
  struct Durum {
    qint64 ürün, depo;
    const char *sayı, *ağırlık;
  };
  for (const Durum& d : std::vector<Durum>{
           {civata, merkez, "6,00", "2,00"}, {civata, şube, "4,00", "1,33"}, {pul, merkez, "0,00", "0,00"},
           {somun, şube, "-3,00", "-7,50"}}) {
    Tıkla(f.DepoListesi, d.depo);
    Tıkla(f.ÜrünListesi, d.ürün);
    EXPECT_EQ(f.MevcutÜrünSayısıKutusu->text(), QString::fromUtf8(d.sayı));
    EXPECT_EQ(f.MevcutÜrünAğırlığıKutusu->text(), QString::fromUtf8(d.ağırlık));
  }
  // Typing a beginning no product has: no product, no code, no stock.
  Yazıla(f.ÜrünBulKutusu, "x");
  EXPECT_TRUE(f.ÜrünListesi->selectedItems().isEmpty());
  EXPECT_TRUE(f.ÜrünKoduKutusu->text().isEmpty() && f.MevcutÜrünSayısıKutusu->text().isEmpty());
  Yazıla(f.ÜrünBulKutusu, "so");
  EXPECT_EQ(f.ÜrünKoduKutusu->text(), QStringLiteral("S-20"));
  EXPECT_EQ(f.MevcutÜrünSayısıKutusu->text(), QStringLiteral("-3,00"));
  // Codes on request, still in the order of the names.
  QTest::mouseClick(f.ÜrünKoduAdıSeçeneği[1], Qt::LeftButton);
  ASSERT_EQ(f.ÜrünListesi->count(), 3);
  EXPECT_EQ(f.ÜrünListesi->item(0)->text() + f.ÜrünListesi->item(1)->text() + f.ÜrünListesi->item(2)->text(),
            QStringLiteral("C-10P-30S-20"));
}

TEST_F(GirişFormuTesti, KapatmaSorusuHayırdaSatırlarıTutarEvetteDüzeniSaklar) {
  GirişİşlemleriFormu& f = Aç();
  Satır(f, akın, civata, merkez, "ALİ VELİ", "1");
  f.GirişiYapılacakÜrünListesi->SütunGenişliğiAyarla(8, 3000);
  f.GirişTarihiKutusu->DeğerAyarla(QDate(2020, 1, 1));
  Cevapla({Platform::Cevap::Hayır});
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
  EXPECT_FALSE(Ayarlar::BölümVar(QStringLiteral("Listeler\\GirisListesi")));
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].stil, 36);

  f.KapatDüğmesi->click();  // the default answer, Yes
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(Ayarlar::Oku(QStringLiteral("Listeler\\GirisListesi"), QStringLiteral("Genislik-8")),
            QStringLiteral("3000"));
  Aç();
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
  EXPECT_FALSE(ListeAçık(f));
  EXPECT_EQ(f.GirişTarihiKutusu->Değer(), QDate(2026, 12, 7));
  EXPECT_EQ(f.GirişiYapılacakÜrünListesi->SütunGenişliği(8), 3000);
  EXPECT_TRUE(f.GirişiYapanKutusu->currentText().isEmpty());
  Satır(f, akın, somun, merkez, "ALİ VELİ", "2");
  EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), QStringLiteral("5,00"));
  // An empty list closes without a question.
  f.ListeyiTemizleDüğmesi->click();
  f.close();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(mesajlar.size(), 2u);
}

TEST_F(GirişFormuTesti, EnterOdakSırasınıİzlerEkleDüğmesindeSatırıEkler) {
  GirişİşlemleriFormu& f = Aç();
  Tıkla(f.FirmaListesi, akın);
  Tıkla(f.ÜrünListesi, somun);
  Tıkla(f.DepoListesi, şube);
  f.FirmaListesi->setFocus();
  const std::vector<QWidget*> sıra{f.FirmaBulKutusu,          f.ÜrünListesi,       f.ÜrünKoduAdıSeçeneği[0],
                                   f.ÜrünBulKutusu,           f.DepoListesi,       f.DepoKoduAdıSeçeneği[0],
                                   f.DepoBulKutusu,           f.GirişiYapanKutusu, f.GirişTarihiKutusu,
                                   f.GirişMiktarıKutusu,      f.ListeyeEkleDüğmesi};
  for (QWidget* beklenen : sıra) {
    QWidget* alan = QApplication::focusWidget();
    if (alan == f.GirişiYapanKutusu) Yaz(alan, "ayşe");
    if (alan == f.GirişMiktarıKutusu) Yaz(alan, "12,5");
    QTest::keyClick(alan, Qt::Key_Return);
    // Enter on an order option does nothing; Tab moves on.
    if (qobject_cast<QRadioButton*>(alan)) {
      EXPECT_EQ(QApplication::focusWidget(), alan);
      QTest::keyClick(alan, Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), beklenen);
  }
  EXPECT_EQ(f.GirişMiktarıKutusu->text(), QStringLiteral("12,50"));
  QTest::keyClick(f.ListeyeEkleDüğmesi, Qt::Key_Return);
  ASSERT_EQ(f.GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
  EXPECT_EQ(Hücre(f, 1, 5) + "|" + Hücre(f, 1, 7) + "|" + Hücre(f, 1, 9), QStringLiteral("AKIN LTD.|SOMUN|12,50"));
  EXPECT_EQ(f.GirişiYapanKutusu->currentText(), QStringLiteral("AYŞE"));
  EXPECT_EQ(QApplication::focusWidget(), f.FirmaListesi);
}

TEST_F(GirişFormuTesti, SütunBaşlığıTarihSayıVeMetneGöreSıralar) {
  GirişİşlemleriFormu& f = Aç();
  const std::vector<std::tuple<qint64, qint64, QDate, const char*>> satırlar{
      {akın, civata, QDate(2026, 1, 20), "10"}, {yıldız, somun, QDate(2025, 12, 31), "9"},
      {akın, pul, QDate(2026, 1, 3), "100"}};
  for (const auto& [firma, ürün, tarih, miktar] : satırlar) {
    f.GirişTarihiKutusu->DeğerAyarla(tarih);
    Satır(f, firma, ürün, merkez, "ALİ VELİ", QString::fromUtf8(miktar));
  }
  const auto sütun = [&](int k) {
    QStringList s;
    for (int i = 1; i <= 3; ++i) s << Hücre(f, i, k);
    return s.join(u' ');
  };
  struct Tık {
    int başlık;
    int okunan;
    const char* sıra;
  };
  for (const Tık& t : std::vector<Tık>{{8, 7, "CİVATA PUL SOMUN"},
                                       {5, 4, "31.12.2025 03.01.2026 20.01.2026"},
                                       {5, 4, "20.01.2026 03.01.2026 31.12.2025"},
                                       {10, 9, "9,00 10,00 100,00"},
                                       {10, 9, "100,00 10,00 9,00"}}) {
    f.GirişiYapılacakÜrünListesi_ColumnClick(t.başlık);
    EXPECT_EQ(sütun(t.okunan), QString::fromUtf8(t.sıra)) << t.başlık;
    EXPECT_EQ(f.GirişiYapılacakÜrünListesi->BaşlıkResmi(t.başlık), Ortak::SıralamaYönü + 1);
  }
}

TEST_F(GirişFormuTesti, Komut105Ve401DenetleyipFormuDolmuşAçar) {
  // Once the lists are filled by the progress form, the voucher shows over the main window.
  int firma = 0;
  QTimer zamanlayıcı;
  QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != &Form<GirişİşlemleriFormu>()) return;
    firma += Form<GirişİşlemleriFormu>().FirmaListesi->count();
    Form<GirişİşlemleriFormu>().close();
  });
  zamanlayıcı.start(10);
  for (int komut : {105, 401}) KomutDağıt(komut);
  zamanlayıcı.stop();
  EXPECT_EQ(firma, 4);
  vt->Çalıştır(QStringLiteral("DELETE FROM DepoBilgileriTablosu"));
  KomutDağıt(105);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, QStringLiteral("DEPO tanımlamadan GİRİŞ işlemi yapamazsınız!"));
}

}  // namespace
