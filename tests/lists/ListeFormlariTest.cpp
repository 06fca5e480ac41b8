// The list forms as a user meets them: opened by their commands, built with the list button
// under the progress form for a warehouse and a period, sorted, printed on the canvas and exported.
#include "Ayarlar.h"
#include "CikisNedenineGoreStokListesiFormu.h"
#include "FirmalaraGoreStokListesi.h"
#include "GirisCikisIslemleriListesiFormu.h"
#include "IadeEdilenUrunlerListesiFormu.h"
#include "KomutDagitimi.h"
#include "KritikStokListesiFormu.h"
#include "SikiListeGorunumu.h"
#include "ListeTestOrtami.h"
#include "Platform.h"
#include "ListeRaporu.h"
#include "RaporTuvali.h"
#include "SayiSigmasi.h"
#include "StokListesiFormu.h"
#include "TarihKutusu.h"
#include "TurkceMetin.h"
#include "XlsxOku.h"
#include "YaziciSecmeFormu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <set>

namespace {

class ListeFormlarıTesti : public ListeTestOrtamı {
protected:
  void SetUp() override {
    ListeTestOrtamı::SetUp();
    VerileriYaz();
    Ortak::SıralamaSütunu = Ortak::SıralamaYönü = 0;
  }
  void TearDown() override {
    FormuYokEt<StokListesiFormu>();
    FormuYokEt<ÇıkışNedenineGöreStokListesiFormu>();
    FormuYokEt<FirmalaraGöreStokListesi>();
    FormuYokEt<GirişÇıkışİşlemleriListesiFormu>();
    FormuYokEt<İadeEdilenÜrünlerListesiFormu>();
    FormuYokEt<KritikStokListesiFormu>();
    FormuYokEt<YazıcıSeçmeFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    for (const QString& yol : açılanlar) QFile::remove(yol);
    Ortak::YazıcıVar = false;
    ListeTestOrtamı::TearDown();
  }

  static QStringList Satırlar(const SıkıListeGörünümü& l, int k = -1) {
    QStringList s;
    for (int i = 1; i <= l.SatırSayısı(); ++i) {
      QStringList h;
      for (int j = 0; j < l.SütunSayısı(); ++j) h << l.AltÖğe(i, j);
      s << (k < 0 ? h.join(" | ") : h[k]);
    }
    return s;
  }
  static void Göster(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  }
  static void BaşlığaTıkla(SıkıListeGörünümü& l, int başlıkIndex) {
    QHeaderView* h = l.header();
    const int m = başlıkIndex - 1;
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(m) + h->sectionSize(m) / 2, h->height() / 2));
  }
  static void Seç(QComboBox* k, const QString& metin) { k->setCurrentIndex(k->findText(metin)); }

  QStringList açılanlar;
};

TEST_F(ListeFormlarıTesti, KomutlarFormlarınıKurupAçar) {
  const struct {
    int komut;
    QString başlık, etiket0, etiket4;
    QStringList seçenekler;  // the chooser's entries
  } durumlar[] = {
      {201, "Stok Listesi", {}, "&Stok Listesi", {}},
      {202, "Çıkış Nedenine Göre Stok Listesi", {}, "&Stok Listesi",
       {"Tüm Nedenler", "Satış", "Numune", "İşçilik", "Hurda", "Zayi", "Fire", "Hediye"}},
      {203, "Satıcı Firmalara Göre Stok Listesi", "Satıcı &Firmalar", "&Giriş Listesi",
       {"Tüm Firmalar", "AKSOY", "BEŞER"}},
      {204, "Alıcı Firmalara Göre Stok Listesi", "Alıcı &Firmalar", "&Çıkış Listesi", {"Tüm Firmalar", "DOĞAN", "IŞIK"}},
      {206, "Giriş İşlemleri Listesi", {}, "&Giriş Listesi", {}},
      {207, "Çıkış İşlemleri Listesi", {}, "&Çıkış Listesi", {}},
      {208, "İade Edilen Ürünler Listesi", {}, "İad&e Listesi", {}},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.komut);
    bool açıldı = false;
    QTimer::singleShot(0, [&] {
      auto* f = dynamic_cast<ListeFormu*>(QApplication::activeModalWidget());
      ASSERT_TRUE(f);
      açıldı = true;
      EXPECT_EQ(f->windowTitle(), d.başlık);
      if (!d.etiket0.isEmpty()) {
        EXPECT_EQ(f->Etiket[0]->text(), d.etiket0);
      }
      EXPECT_EQ(f->Etiket[4]->text(), d.etiket4);
      QStringList seçenekler;
      for (int i = 0; i < f->SeçimKutusu->count(); ++i) seçenekler << f->SeçimKutusu->itemText(i);
      EXPECT_EQ(seçenekler, d.seçenekler);
      if (f->DepoKutusu->isVisibleTo(f)) {
        EXPECT_EQ(f->DepoKutusu->itemText(0), "Tüm Depolar");
      }
      EXPECT_TRUE(f->TümTarihlerOnayı->isChecked());
      EXPECT_FALSE(f->İlkTarihKutusu->isEnabled());
      EXPECT_LE(f->width(), 790);  // within an 800-pixel screen
      // Each access key reaches one control.
      QMap<QChar, QString> tuşlar;
      for (QWidget* w : f->findChildren<QWidget*>()) {
        QString metin;
        if (auto* e = qobject_cast<QLabel*>(w)) metin = e->text();
        if (auto* d = qobject_cast<QAbstractButton*>(w)) metin = d->text();
        const qsizetype i = metin.remove("&&").indexOf('&');
        if (!w->isVisibleTo(f) || i < 0 || i + 1 >= metin.size()) continue;
        const QChar tuş = TürkçeMetin::BüyükHarf(metin[i + 1]);
        EXPECT_FALSE(tuşlar.contains(tuş)) << metin.toStdString() << " / " << tuşlar.value(tuş).toStdString();
        tuşlar[tuş] = metin;
      }
      EXPECT_GE(tuşlar.size(), 8);
      QTest::keyClick(f, Qt::Key_Escape);
    });
    KomutDağıt(d.komut);
    EXPECT_TRUE(açıldı);
  }
  EXPECT_EQ(Form<FirmalaraGöreStokListesi>().FirmaTürü, "Alici");
  EXPECT_EQ(Form<GirişÇıkışİşlemleriListesiFormu>().İşlemTürü, "Cikis");
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ListeFormlarıTesti, ListeDüğmesiDepoVeDönemeGöreOluştururSütunlarSıralanır) {
  StokListesiFormu& f = Form<StokListesiFormu>();
  Göster(f);
  // All dates: the first and last movement are shown and every warehouse is summed.
  EXPECT_EQ(f.İlkTarihKutusu->Değer(), QDate(2026, 1, 5));
  EXPECT_EQ(f.SonTarihKutusu->Değer(), QDate(2026, 3, 5));
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
  EXPECT_EQ(Form<İlerlemeGösterFormu>().İlerlemeÇubuğu->value(), 4);
  EXPECT_EQ(Satırlar(*f.Liste), BeklenenStok({{}, {}, {{2026, 1, 5}, {2026, 3, 5}}}));
  EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), "56,75");  // 30,00 + 0 + 23,00 + 3,75 in the last column

  // One warehouse and a period typed in.
  Seç(f.DepoKutusu, "ŞUBE");
  QTest::mouseClick(f.TümTarihlerOnayı, Qt::LeftButton);
  ASSERT_TRUE(f.İlkTarihKutusu->isEnabled());
  f.İlkTarihKutusu->DeğerAyarla({2026, 2, 1});
  f.SonTarihKutusu->DeğerAyarla({2026, 2, 13});
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Satırlar(*f.Liste), BeklenenStok({depoNo[1], {}, {{2026, 2, 1}, {2026, 2, 13}}}));
  EXPECT_EQ(Satırlar(*f.Liste, 1), QStringList({"ARMUT", "ELMA"}));
  EXPECT_TRUE(mesajlar.empty());

  // Numbers sort as numbers, the same column again reverses.
  QTest::mouseClick(f.TümTarihlerOnayı, Qt::LeftButton);
  Seç(f.DepoKutusu, "Tüm Depolar");
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  BaşlığaTıkla(*f.Liste, 7);
  EXPECT_EQ(Satırlar(*f.Liste, 6), QStringList({"0,01", "3,00", "11,50", "60,00"}));
  BaşlığaTıkla(*f.Liste, 7);
  EXPECT_EQ(Satırlar(*f.Liste, 6), QStringList({"60,00", "11,50", "3,00", "0,01"}));
  EXPECT_EQ(f.Liste->BaşlıkResmi(7), 2);

  // A period the wrong way round is refused; one without movements builds an empty list and says so.
  QTest::mouseClick(f.TümTarihlerOnayı, Qt::LeftButton);
  f.İlkTarihKutusu->DeğerAyarla({2026, 5, 1});
  f.SonTarihKutusu->DeğerAyarla({2026, 4, 1});
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, "Başlangıç tarihi, bitiş tarihinden sonra olamaz! Lütfen, tarihleri kontrol ediniz.");
  // The rows of the last build do not stay under the refused dates.
  EXPECT_EQ(f.Liste->SatırSayısı(), 0);
  EXPECT_TRUE(f.ToplamAğırlıkKutusu->text().isEmpty());
  f.SonTarihKutusu->DeğerAyarla({2026, 6, 1});
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(f.Liste->SatırSayısı(), 0);
  EXPECT_EQ(mesajlar.back().metin, "Seçtiğiniz ölçütlere uygun kayıt bulunamadı!");
  // Nothing to print or export: said, not an empty page or sheet.
  for (QPushButton* d : {f.YazdırDüğmesi, f.ExceleAktarDüğmesi}) {
    mesajlar.clear();
    QTest::mouseClick(d, Qt::LeftButton);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "Listede kayıt yok! Lütfen, önce listeyi oluşturunuz.");
  }

  // Esc closes; the layout the user gave the list comes back on the next opening.
  f.Liste->SütunGenişliğiAyarla(2, 3000);
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  Göster(f);
  EXPECT_EQ(f.Liste->SütunGenişliği(2), 3000);
  EXPECT_EQ(f.Liste->SatırSayısı(), 0);
}

TEST_F(ListeFormlarıTesti, VeritabanıHatasındaYalnızHataSöylenirİlerlemeKapanır) {
  StokListesiFormu& f = Form<StokListesiFormu>();
  Göster(f);
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  vt->Çalıştır("DELETE FROM KayitliSorgular WHERE Ad = 'MevcutStokSorgusu'");
  Cevapla({Platform::Cevap::Evet});
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  ASSERT_EQ(mesajlar.size(), 1u);  // not also "no matching records"
  EXPECT_TRUE(mesajlar[0].metin.contains("Hata Kodu: 3078"));
  EXPECT_EQ(f.Liste->SatırSayısı(), 0);  // no stale rows pass for current ones
  EXPECT_TRUE(f.ToplamAğırlıkKutusu->text().isEmpty());
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
}

TEST_F(ListeFormlarıTesti, FirmaVeİşlemListeleriTransferleriDışarıdaBırakır) {
  FirmalaraGöreStokListesi& f = Form<FirmalaraGöreStokListesi>();
  f.FirmaTürü = "Alici";
  Göster(f);
  Seç(f.SeçimKutusu, "DOĞAN");
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Satırlar(*f.Liste), BeklenenFirma(false, {{}, alıcıNo[1], {{2026, 1, 25}, {2026, 3, 5}}}));
  EXPECT_EQ(f.Liste->SatırSayısı(), 2);

  GirişÇıkışİşlemleriListesiFormu& i = Form<GirişÇıkışİşlemleriListesiFormu>();
  i.İşlemTürü = "Cikis";
  Göster(i);
  Seç(i.DepoKutusu, "MERKEZ");
  QTest::mouseClick(i.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Satırlar(*i.Liste), Beklenenİşlemler(false, {depoNo[0], {}, {{2026, 1, 25}, {2026, 3, 5}}}));
  EXPECT_EQ(Satırlar(*i.Liste, 5), QStringList({"Satış", "Hurda", "Hediye"}));  // the transfer out is not listed
  BaşlığaTıkla(*i.Liste, 1);  // the date column sorts as dates; at first the first column counts as clicked
  EXPECT_EQ(Satırlar(*i.Liste, 0), QStringList({"05.03.2026", "20.02.2026", "25.01.2026"}));
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ListeFormlarıTesti, TekrarlananAdlarBirKezTutulurKlavyeSeçilenSatırdanDevamEder) {
  GirişÇıkışİşlemleriListesiFormu& f = Form<GirişÇıkışİşlemleriListesiFormu>();
  Göster(f);
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  ASSERT_EQ(f.Liste->SatırSayısı(), 5);
  // Every cell that shows a name shows the one copy the list holds of it.
  const QAbstractItemModel& m = *f.Liste->model();
  std::map<QString, std::set<const QChar*>> kopyalar;
  for (int r = 0; r < m.rowCount(); ++r)
    for (int k = 1; k <= 5; ++k) {
      const QString metin = m.data(m.index(r, k)).toString();
      kopyalar[metin].insert(metin.constData());
    }
  EXPECT_EQ(kopyalar["ELMA"].size(), 1u);
  for (const auto& [metin, k] : kopyalar) EXPECT_EQ(k.size(), 1u) << metin.toStdString();

  // A fresh list: Down selects the first row; the next key goes on from the row highlighted last.
  f.Liste->setFocus();
  QTest::keyClick(f.Liste, Qt::Key_Down);
  EXPECT_EQ(f.Liste->SeçiliSatırKonumu(), 1);
  f.Liste->selectionModel()->select(m.index(3, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  QTest::keyClick(f.Liste, Qt::Key_Down);
  EXPECT_EQ(f.Liste->SeçiliSatırKonumu(), 5);
  // Sorted, the highlighted row stays highlighted where it now stands; built again, Home starts over.
  const QString seçilen = f.Liste->AltÖğe(5, 6);
  BaşlığaTıkla(*f.Liste, 7);
  EXPECT_EQ(f.Liste->AltÖğe(f.Liste->SeçiliSatırKonumu(), 6), seçilen);
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(f.Liste->SeçiliSatırKonumu(), 0);
  f.Liste->setFocus();
  QTest::keyClick(f.Liste, Qt::Key_Home);
  EXPECT_EQ(f.Liste->SeçiliSatırKonumu(), 1);
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ListeFormlarıTesti, YazdırılanListeBaşlıklarıVeİkinciSayfasıylaKaydedilir) {
  Ortak::YazıcıVar = true;
  std::shared_ptr<KayıtTuvali> tuval;
  // A short page, so that the known rows run onto a second one.
  Platform::TuvalAç = [&](const QString&, const QString&) { return tuval = std::make_shared<KayıtTuvali>(190, 62); };
  StokListesiFormu& f = Form<StokListesiFormu>();
  Göster(f);
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  QTimer::singleShot(0, [] { QTest::mouseClick(Form<YazıcıSeçmeFormu>().TamamDüğmesi, Qt::LeftButton); });
  QTest::mouseClick(f.YazdırDüğmesi, Qt::LeftButton);
  ASSERT_TRUE(tuval);
  EXPECT_TRUE(tuval->Bitti());
  EXPECT_TRUE(mesajlar.empty());
  ASSERT_EQ(tuval->SayfaSayısı, 2);

  // The last text of the page that reads so.
  const auto bul = [&](int sayfa, const QString& metin) -> const KayıtTuvali::Metin* {
    const KayıtTuvali::Metin* bulunan = nullptr;
    for (const auto& m : tuval->Metinler)
      if (m.sayfa == sayfa && m.metin == metin) bulunan = &m;
    return bulunan;
  };
  const auto* başlık = bul(1, "Stok Listesi");
  ASSERT_TRUE(başlık);
  EXPECT_DOUBLE_EQ(başlık->y, 15);
  EXPECT_NEAR(başlık->x + başlık->genişlik / 2, 95, 0.01);  // centred
  EXPECT_EQ(başlık->punto, 14);
  EXPECT_TRUE(başlık->kalın && başlık->altıÇizili);
  // Under the title, centred: what the list was built for.
  const auto* kapsam = bul(1, "Depo: Tüm Depolar     Dönem: Tüm Tarihler");
  ASSERT_TRUE(kapsam);
  EXPECT_NEAR(kapsam->x + kapsam->genişlik / 2, 95, 0.01);
  EXPECT_GT(kapsam->y, başlık->y);
  EXPECT_EQ(kapsam->punto, 9);
  // Heads: the first at the left edge; a number's head ends at its column's right edge, the last at
  // 180 mm; a head too wide for its column takes two lines.
  const auto* kod = bul(1, "Ürün Kodu");
  ASSERT_TRUE(kod);
  EXPECT_DOUBLE_EQ(kod->x, 10);
  EXPECT_EQ(kod->punto, 9);
  const auto* son = bul(1, "Ağırlık");
  const auto* sonÜst = bul(1, "Mevcut");
  ASSERT_TRUE(son && sonÜst);
  EXPECT_NEAR(son->Sağ(), 180, 0.01);
  EXPECT_GT(son->y, sonÜst->y);
  // The rows: four, each number ending at its column's edge, the total weight after them.
  int satır = 0;
  for (const auto& m : tuval->Metinler) satır += m.metin == "E1" || m.metin == "A1" || m.metin == "Ç1" || m.metin == "K1";
  EXPECT_EQ(satır, 4);
  const auto* toplam = bul(2, "Toplam Ağırlık: 56,75");
  ASSERT_TRUE(toplam);
  EXPECT_NEAR(toplam->Sağ(), 180, 0.01);
  // Page 2: the running header, and the heads again before its rows.
  const auto* sayfa2 = bul(2, "Sayfa - 2");
  ASSERT_TRUE(sayfa2);
  EXPECT_NEAR(sayfa2->Sağ(), 180, 0.01);
  EXPECT_DOUBLE_EQ(sayfa2->y, 5);
  ASSERT_TRUE(bul(2, "Stok Listesi"));
  EXPECT_DOUBLE_EQ(bul(2, "Stok Listesi")->x, 10);
  ASSERT_TRUE(bul(2, "Ürün Kodu"));
  EXPECT_DOUBLE_EQ(bul(2, "Ürün Kodu")->y, 15);
  ASSERT_EQ(tuval->Çizgiler.size(), 1u);
  EXPECT_EQ(tuval->Çizgiler[0].sayfa, 2);
}

TEST_F(ListeFormlarıTesti, YazdırılanListeOluşturulduğuSeçimleriSöyler) {
  Ortak::YazıcıVar = true;
  std::shared_ptr<KayıtTuvali> tuval;
  Platform::TuvalAç = [&](const QString&, const QString&) { return tuval = std::make_shared<KayıtTuvali>(190, 277); };
  const auto yazdır = [&](ListeFormu& f) {
    QTimer::singleShot(0, [] { QTest::mouseClick(Form<YazıcıSeçmeFormu>().TamamDüğmesi, Qt::LeftButton); });
    QTest::mouseClick(f.YazdırDüğmesi, Qt::LeftButton);
    return tuval && tuval->Metinler.size() > 1 ? tuval->Metinler[1].metin : QString();
  };
  ÇıkışNedenineGöreStokListesiFormu& n = Form<ÇıkışNedenineGöreStokListesiFormu>();
  Göster(n);
  Seç(n.SeçimKutusu, "Satış");
  QTest::mouseClick(n.TümTarihlerOnayı, Qt::LeftButton);
  n.İlkTarihKutusu->DeğerAyarla({2026, 1, 1});
  n.SonTarihKutusu->DeğerAyarla({2026, 3, 31});
  QTest::mouseClick(n.ListeleDüğmesi, Qt::LeftButton);
  // Filters changed after the build do not change what the rows were built for.
  Seç(n.SeçimKutusu, "Hurda");
  EXPECT_EQ(yazdır(n), "Dönem: 01.01.2026 - 31.03.2026     Çıkış Nedeni: Satış");

  FirmalaraGöreStokListesi& f = Form<FirmalaraGöreStokListesi>();
  f.FirmaTürü = "Satici";
  Göster(f);
  Seç(f.DepoKutusu, "ŞUBE");
  Seç(f.SeçimKutusu, "AKSOY");
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  EXPECT_EQ(yazdır(f), "Depo: ŞUBE     Dönem: Tüm Tarihler     Firma: AKSOY");
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ListeFormlarıTesti, DüzenListeninAdıylaSaklanırEskiAdlaSaklananBirKezAlınır) {
  const struct {
    ListeFormu* form;
    QString ad, eski;
  } durumlar[] = {
      {&Form<StokListesiFormu>(), "StokListesi", {}},
      {&Form<ÇıkışNedenineGöreStokListesiFormu>(), "CikisNedeniStokListesi", "CikisNedeniListesi"},
      {&Form<FirmalaraGöreStokListesi>(), "FirmalaraGoreStokListesi", "FirmaListesi"},
      {&Form<GirişÇıkışİşlemleriListesiFormu>(), "GirisCikisListesi", "IslemListesi"},
      {&Form<İadeEdilenÜrünlerListesiFormu>(), "IadeListesi", {}},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad.toStdString());
    if (!d.eski.isEmpty()) Ayarlar::Yaz("Listeler\\" + d.eski, "Genislik-2", "2985");
    Göster(*d.form);
    if (!d.eski.isEmpty()) {
      EXPECT_EQ(d.form->Liste->SütunGenişliği(2), 2985);
      EXPECT_FALSE(Ayarlar::BölümVar("Listeler\\" + d.eski));
    }
    d.form->Liste->SütunGenişliğiAyarla(2, 3015);
    QTest::keyClick(d.form, Qt::Key_Escape);
    EXPECT_EQ(Ayarlar::Oku("Listeler\\" + d.ad, "Genislik-2"), "3015");
  }
}

TEST_F(ListeFormlarıTesti, AktarılanListeTürlüHücrelerleGeriOkunur) {
  Platform::TabloProgramıVar = [] { return true; };
  Platform::DosyaAç = [this](const QUrl& u) {
    açılanlar << u.toLocalFile();
    return true;
  };
  İadeEdilenÜrünlerListesiFormu& f = Form<İadeEdilenÜrünlerListesiFormu>();
  Göster(f);
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  QTest::mouseClick(f.ExceleAktarDüğmesi, Qt::LeftButton);
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
  ASSERT_EQ(açılanlar.size(), 1);
  const QJsonObject k = XlsxOku(açılanlar[0]);
  EXPECT_EQ(k["sayfalar"].toArray(), QJsonArray{"İade Edilen Ürünler"});
  EXPECT_EQ(k["birleşik"].toArray(), QJsonArray{"A1:G1"});
  const QJsonArray satırlar = k["satırlar"].toArray();
  ASSERT_EQ(satırlar.size(), 4);
  EXPECT_EQ(satırlar[0].toArray()[0].toObject()["d"].toString(), "İade Edilen Ürünler Listesi");
  QStringList başlıklar;
  for (const QJsonValue& h : satırlar[1].toArray()) başlıklar << h.toObject()["d"].toString();
  EXPECT_EQ(başlıklar, QStringList({"İade Tarihi", "Firması", "Ürün Kodu", "Ürün Adı", "Depo Adı", "İade Miktarı",
                                    "Ağırlığı"}));
  // Dates as dates, figures as numbers, codes and names as text, each in its format.
  EXPECT_EQ(k["metinler"].toArray(), (QJsonArray{"t:2026-02-01|s:DOĞAN|s:E1|s:ELMA|s:MERKEZ|n:0.5|n:1",
                                                 "t:2026-02-05|s:DOĞAN|s:A1|s:ARMUT|s:ŞUBE|n:5|n:2.5"}));
}

}  // namespace

namespace {

// A product moved in, out and back in the largest quantity kept, below a critical level as large:
// every list shows its figures whole in their columns, inside the list also on an 800-pixel screen,
// and its total in the box, and prints them over nothing, the other columns giving way.
TEST_F(ListeFormlarıTesti, EnBüyükSayıSütundaKutudaVeKağıttaBütünKalır) {
  const double enBüyük = 9999999999999.99;
  const qint64 z = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES ('Z1', 'ZIMBA', 1)", {});
  Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, IslemTarihi, GirisMiktari) "
       "VALUES (?, ?, ?, 1, '2026-01-05', ?)",
       {z, depoNo[0], satıcıNo[0], enBüyük});
  const qint64 çıkış = Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisNedeni, IslemTarihi, "
                            "CikisMiktari) VALUES (?, ?, ?, 0, '2026-01-06', ?)",
                            {z, depoNo[0], alıcıNo[0], enBüyük});
  Ekle("INSERT INTO IadeBilgileriTablosu (IslemNo, UrunNo, FirmaNo, DepoNo, IadeTarihi, IadeMiktari) "
       "VALUES (?, ?, ?, ?, '2026-01-07', ?)",
       {çıkış, z, alıcıNo[0], depoNo[0], enBüyük});
  Ekle("INSERT INTO KritikStokBilgileriTablosu (DepoNo, UrunNo, KritikStokMiktari) VALUES (?, ?, ?)",
       {depoNo[1], z, enBüyük});
  Ortak::SayfaGenişliği = 190, Ortak::SayfaYüksekliği = 277, Ortak::ÜstBoşluk = 15, Ortak::AltBoşluk = 15;
  for (const int komut : {201, 202, 203, 204, 205, 206, 207, 208}) {
    SCOPED_TRACE(komut);
    bool açıldı = false;
    // The critical list opens behind the progress form of its building: it is waited for.
    std::function<void()> bekle = [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (!dynamic_cast<ListeFormu*>(w) && !dynamic_cast<KritikStokListesiFormu*>(w))
        return QTimer::singleShot(0, bekle);
      SıkıListeGörünümü* l = nullptr;
      QLineEdit* toplam = nullptr;
      if (auto* f = dynamic_cast<ListeFormu*>(w)) {
        QTest::mouseClick(f->ListeleDüğmesi, Qt::LeftButton);
        l = f->Liste, toplam = f->ToplamAğırlıkKutusu;
      } else if (auto* k = dynamic_cast<KritikStokListesiFormu*>(w)) {
        l = k->KritikStokListesi;
      }
      ASSERT_TRUE(l);
      açıldı = true;
      // As opened, and as wide as an 800-pixel screen gives it.
      for (const int genişlik : {w->width(), 790}) {
        w->resize(genişlik, w->height());
        QApplication::processEvents();
        int enBüyükler = 0;
        for (int k = 0; k < l->SütunSayısı(); ++k) {
          if (l->SütunHizası(k + 1) != SütunluListe::Hiza::Sağ || l->SütunGizli(k + 1)) continue;
          for (int r = 0; r < l->SatırSayısı(); ++r) {
            const QModelIndex yer = l->Model().index(r, k);
            enBüyükler += yer.data().toString() == EnBüyükSayı;
            EXPECT_TRUE(HücredeBütün(*l, yer)) << genişlik << ": " << k << "/" << r;
          }
        }
        EXPECT_GT(enBüyükler, 0);
      }
      if (toplam) {
        EXPECT_FALSE(toplam->text().isEmpty());
        EXPECT_TRUE(KutudaBütün(*toplam, toplam->text()));
      }
      KayıtTuvali t;
      ListeRaporu::ListeBaskıDüzeni(t, *l, {w->windowTitle(), toplam ? toplam->text() : QString(), {}});
      int sayılar = 0;
      EXPECT_TRUE(SayılarÜstüsteBinmez(t, &sayılar));
      EXPECT_GE(sayılar, l->SatırSayısı());
      QTest::keyClick(w, Qt::Key_Escape);
    };
    QTimer::singleShot(0, bekle);
    KomutDağıt(komut);
    EXPECT_TRUE(açıldı);
  }
  EXPECT_TRUE(mesajlar.empty());
}

}  // namespace

namespace {

// A file an older program or a hand wrote: 1.000 in and out at a unit weight of 10^15, entries of
// 9 * 10^16 in both warehouses (their sum passes 64 bits), entries past the largest figure kept, a
// critical level of 10^17. Each figure of every list, read from the balance and from the rows, its
// total, its print and its workbook is the one summed here in 128 bits apart from the program;
// where it passes what a list holds, it stands at the farthest figure, never wrapped.
TEST_F(ListeFormlarıTesti, TaşanToplamVeAğırlıkHiçbirYoldaSarılmaz) {
  using i128 = __int128;
  const auto kırp = [](i128 x) {
    const i128 uç = std::numeric_limits<qint64>::max();
    return static_cast<qint64>(x > uç ? uç : x < -uç ? -uç : x);
  };
  const auto yüzde = [](double m) { return static_cast<i128>(std::round(m * 100)); };
  const struct {
    QString kod, ad;
    double birim;
    std::vector<std::pair<int, double>> girişler, çıkışlar;  // warehouse, quantity
  } ürünler[] = {{"T1", "TAŞAN", 1e15, {{0, 1000}}, {{0, 1000}}},
                 {"B1", "BÜYÜK", 0.5, {{0, 9e16}, {1, 9e16}}, {}},
                 {"O1", "ORTA", 1.5, {{0, 3e13}, {1, 3e13}}, {}}};
  for (const auto& u : ürünler) {
    const qint64 no = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)",
                           {u.kod, u.ad, u.birim});
    for (const auto& [depo, miktar] : u.girişler)
      Ekle("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisNedeni, IslemTarihi, GirisMiktari) "
           "VALUES (?, ?, ?, 1, '2026-02-10', ?)",
           {no, depoNo[depo], satıcıNo[0], miktar});
    for (const auto& [depo, miktar] : u.çıkışlar)
      Ekle("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisNedeni, IslemTarihi, CikisMiktari) "
           "VALUES (?, ?, ?, 0, '2026-02-11', ?)",
           {no, depoNo[depo], alıcıNo[0], miktar});
  }
  Ekle("INSERT INTO KritikStokBilgileriTablosu (DepoNo, UrunNo, KritikStokMiktari) "
       "SELECT ?, UrunNo, 1e17 FROM UrunBilgileriTablosu WHERE UrunKodu = 'T1'",
       {depoNo[0]});

  // A product's quantity and weight in hundredths: entered, gone out or on hand, in one warehouse
  // or all; none where the row is none of these products.
  enum Yön { Giriş, Çıkış, Mevcut };
  const auto beklenen = [&](const QString& kod, const QString& depo, Yön yön) -> std::optional<std::vector<qint64>> {
    for (const auto& u : ürünler) {
      if (u.kod != kod) continue;
      i128 toplam = 0;
      for (const auto& [d, m] : u.girişler)
        if (yön != Çıkış && (depo.isEmpty() || depolar[d] == depo)) toplam += yüzde(m);
      for (const auto& [d, m] : u.çıkışlar)
        if (yön != Giriş && (depo.isEmpty() || depolar[d] == depo)) toplam += (yön == Mevcut ? -1 : 1) * yüzde(m);
      const i128 milyonda = toplam * static_cast<i128>(std::round(u.birim * 10000));
      return std::vector<qint64>{kırp(toplam), kırp((milyonda + (milyonda < 0 ? -5000 : 5000)) / 10000)};
    }
    return std::nullopt;
  };
  const auto metinler = [](const std::vector<qint64>& sayılar) {
    QStringList m;
    for (const qint64 s : sayılar) m << M(s);
    return m;
  };

  const Süzgeç tümü{{}, {}, *ListeVerileri::TümDönem(*vt, ListeVerileri::Kaynak::GirişVeÇıkış)},
      şubat{{}, {}, {{2026, 2, 1}, {2026, 2, 28}}};
  const struct {
    const char* ad;
    SıkıListe liste;
    int kod, depo;  // columns; -1: every warehouse summed
    std::vector<std::pair<int, Yön>> sayılar;  // the column of a quantity, its weight next to it
  } listeler[] = {
      {"stok, bakiyeden", ListeVerileri::MevcutStokListesi(*vt, tümü), 0, -1, {{2, Giriş}, {4, Çıkış}, {6, Mevcut}}},
      {"stok, satırlardan", ListeVerileri::MevcutStokListesi(*vt, şubat), 0, -1, {{2, Giriş}, {4, Çıkış}, {6, Mevcut}}},
      {"çıkış nedeni", ListeVerileri::ÇıkışNedeniListesi(*vt, tümü), 0, 2, {{4, Çıkış}}},
      {"satıcı", ListeVerileri::FirmaStokListesi(*vt, "Satici", şubat), 1, 3, {{4, Giriş}}},
      {"alıcı", ListeVerileri::FirmaStokListesi(*vt, "Alici", tümü), 1, 3, {{4, Çıkış}}},
      {"girişler", ListeVerileri::İşlemListesi(*vt, "Giris", tümü), 2, 4, {{6, Giriş}}},
      {"çıkışlar", ListeVerileri::İşlemListesi(*vt, "Cikis", şubat), 2, 4, {{6, Çıkış}}},
  };
  for (const auto& l : listeler) {
    SCOPED_TRACE(l.ad);
    int görülen = 0;
    for (int r = 0; r < l.liste.SatırSayısı(); ++r) {
      for (const auto& [k, yön] : l.sayılar) {
        const auto b = beklenen(l.liste.Metin(r, l.kod), l.depo < 0 ? QString() : l.liste.Metin(r, l.depo), yön);
        if (!b) continue;
        ++görülen;
        EXPECT_EQ((QStringList{l.liste.HücreMetni(r, k), l.liste.HücreMetni(r, k + 1)}), metinler(*b)) << r << "/" << k;
      }
    }
    EXPECT_GT(görülen, 0);
    // The total of the weights, summed apart in 128 bits.
    for (const auto& [k, yön] : l.sayılar) {
      i128 toplam = 0;
      for (int r = 0; r < l.liste.SatırSayısı(); ++r) toplam += l.liste.Miktar(r, k + 1);
      EXPECT_EQ(l.liste.Topla(k + 1), kırp(toplam)) << k + 1;
    }
  }

  // The stock list on screen, in its total, on paper and in the workbook.
  Platform::TabloProgramıVar = [] { return true; };
  Platform::DosyaAç = [this](const QUrl& u) {
    açılanlar << u.toLocalFile();
    return true;
  };
  StokListesiFormu& f = Form<StokListesiFormu>();
  Göster(f);
  QTest::mouseClick(f.ListeleDüğmesi, Qt::LeftButton);
  const QStringList ekran = Satırlar(*f.Liste);
  EXPECT_EQ(ekran, Metinler(listeler[0].liste));
  EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), M(listeler[0].liste.Topla(7)));
  Ortak::SayfaGenişliği = 190, Ortak::SayfaYüksekliği = 277, Ortak::ÜstBoşluk = 15, Ortak::AltBoşluk = 15;
  KayıtTuvali t;
  ListeRaporu::ListeBaskıDüzeni(t, *f.Liste, {f.windowTitle(), f.ToplamAğırlıkKutusu->text(), {}});
  // The printed figures by page and line, a line a row of the list.
  std::map<std::pair<int, double>, QStringList> basılanlar;
  static const QRegularExpression sayı(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d\\d$"));
  for (const auto& m : t.Metinler)
    if (sayı.match(m.metin).hasMatch()) basılanlar[{m.sayfa, m.y}] << m.metin;
  ASSERT_EQ(static_cast<int>(basılanlar.size()), f.Liste->SatırSayısı());
  QTest::mouseClick(f.ExceleAktarDüğmesi, Qt::LeftButton);
  ASSERT_EQ(açılanlar.size(), 1);
  const QJsonArray kitap = XlsxOku(açılanlar[0])["metinler"].toArray();
  for (const auto& u : ürünler) {
    SCOPED_TRACE(u.kod.toStdString());
    std::vector<qint64> sayılar;
    for (const Yön y : {Giriş, Çıkış, Mevcut}) std::ranges::copy(*beklenen(u.kod, {}, y), std::back_inserter(sayılar));
    const auto satır = std::find_if(ekran.begin(), ekran.end(), [&](const QString& s) { return s.startsWith(u.kod); });
    ASSERT_NE(satır, ekran.end());
    EXPECT_EQ(std::next(basılanlar.begin(), satır - ekran.begin())->second, metinler(sayılar));
    // Numbers in the workbook, the figures' own values.
    const auto k = std::find_if(kitap.begin(), kitap.end(),
                                [&](const QJsonValue& v) { return v.toString().startsWith("s:" + u.kod + "|"); });
    ASSERT_NE(k, kitap.end());
    const QStringList hücreler = k->toString().split('|').mid(2);
    ASSERT_EQ(hücreler.size(), static_cast<qsizetype>(sayılar.size()));
    for (qsizetype i = 0; i < hücreler.size(); ++i) {
      ASSERT_TRUE(hücreler[i].startsWith("n:")) << hücreler[i].toStdString();
      const double beklenenSayı = TürkçeMetin::MiktarDeğeri(sayılar[static_cast<size_t>(i)]);
      EXPECT_NEAR(hücreler[i].mid(2).toDouble(), beklenenSayı, std::fabs(beklenenSayı) * 1e-14) << i;
    }
  }

  // The critical level past what a list holds, in the critical list.
  KritikStokListesiFormu& kritik = Form<KritikStokListesiFormu>();
  kritik.ListeOluştur();
  EXPECT_TRUE(Satırlar(*kritik.KritikStokListesi)
                  .contains("MERKEZ | T1 | TAŞAN | 0,00 | " + M(kırp(yüzde(1e17)))));
  EXPECT_TRUE(mesajlar.empty());
}

}  // namespace
