#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "GirisCikisYapanlaraGoreStokHareketleriFormu.h"
#include "HareketTestOrtami.h"
#include "HataliDisk.h"
#include "IlerlemeGosterFormu.h"
#include "IslemDegistirFormu.h"
#include "KomutDagitimi.h"
#include "ListeGorunumu.h"
#include "Platform.h"
#include "KilitliDosya.h"
#include "SayiSigmasi.h"
#include "StogaIadeEtFormu.h"
#include "TarihKutusu.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Negatif = "Bu hareket silinirse stok mevcudunuz NEGATİF olacağı için işlem yapılamıyor!";

class HareketFormTesti : public HareketTestOrtamı {
protected:
  void SetUp() override {
    HareketTestOrtamı::SetUp();
    Ortak::SıralamaSütunu = Ortak::SıralamaYönü = 0;
  }
  void TearDown() override {
    // The dialogs and the progress form become the review's children once shown over it.
    FormuYokEt<GirişİşlemiDeğiştirFormu>(), FormuYokEt<ÇıkışİşlemiDeğiştirFormu>(), FormuYokEt<StoğaİadeEtFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<ÜrünlereGöreStokHareketleriFormu>(), FormuYokEt<GirişÇıkışYapanlaraGöreStokHareketleriFormu>();
    HareketTestOrtamı::TearDown();
  }
  static ÜrünlereGöreStokHareketleriFormu& F() { return Form<ÜrünlereGöreStokHareketleriFormu>(); }

  // As the command opens it: job 12 fills the products; then a product is found by typing.
  void Aç(const char* bul, int görünüm = 0) {
    Form<İlerlemeGösterFormu>().İşiÇalıştır(12, İş::ListeBaşlık, İş::ListeMetin);
    F().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F()));
    F().ÜrünBulKutusu->clear();
    QTest::keyClicks(F().ÜrünBulKutusu, bul);
    QTest::mouseClick(F().HareketTürüSeçeneği[görünüm], Qt::LeftButton);
  }
  static void SatırıSeç(qint64 islemNo) {
    ListeGörünümü& l = *F().StokHareketleriListesi;
    for (int i = 1; i <= l.SatırSayısı(); ++i)
      if (l.AltÖğe(i, 0) == QString::number(islemNo))
        return QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.Satır(i)).center());
    ADD_FAILURE() << "satır yok: " << islemNo;
  }
  static QStringList Sütun(const ListeGörünümü& l, int k) {
    QStringList s;
    for (int i = 1; i <= l.SatırSayısı(); ++i) s << l.AltÖğe(i, k);
    return s;
  }
  // Runs `iş` inside the loop of the next modal dialog, then cancels the dialog if it is still open.
  static void Modalda(std::function<void(QWidget*)> iş) {
    auto bekle = std::make_shared<std::function<void()>>();
    *bekle = [iş, bekle] {
      QWidget* d = QApplication::activeModalWidget();
      if (!d || dynamic_cast<İlerlemeGösterFormu*>(d)) return QTimer::singleShot(0, *bekle);
      *bekle = nullptr;  // no more tries: the waiting function lets go of itself (this copy runs on)
      EXPECT_TRUE(QTest::qWaitFor([d] { return d->isAncestorOf(QApplication::focusWidget()); }));
      iş(d);
      if (d->isVisible()) QTest::keyClick(d, Qt::Key_Escape);
    };
    QTimer::singleShot(0, *bekle);
  }
  // Types the quantity into the dialog the command opens and presses its upper button.
  static void DiyalogdaYaz(QPushButton* komut, const QString& yazılan, bool* kayıtKapalıydı = nullptr) {
    Modalda([=](QWidget* d) {
      auto* tarih = static_cast<TarihMiktarFormu*>(d);
      if (kayıtKapalıydı) *kayıtKapalıydı = !tarih->ÜstDüğme->isEnabled();
      // Each opening starts on the date; Enter moves on to the quantity.
      EXPECT_EQ(QApplication::focusWidget(), tarih->Tarih);
      QTest::keyClick(tarih->Tarih, Qt::Key_Return);
      EXPECT_EQ(QApplication::focusWidget(), tarih->Miktar);
      tarih->Miktar->selectAll();
      QTest::keyClicks(tarih->Miktar, yazılan);
      tarih->ÜstDüğme->setFocus();  // Enter presses the button that has the focus
      QTest::keyClick(tarih->ÜstDüğme, Qt::Key_Return);
    });
    QTest::mouseClick(komut, Qt::LeftButton);
  }
  QString SonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }
  // Runs `iş` on a disk that hides whether the commit reached the file (`yazılmış`: it did, or it
  // did not), the program's connection opened on it.
  void SonucuBilinmeden(bool yazılmış, const std::function<void()>& iş) {
    HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                    yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
    Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
    iş();
  }
  // Types the quantity into an open dialog and saves with Enter; `bilinmeyen`: the outcome hidden.
  void Kaydet(TarihMiktarFormu& f, const char* miktar, std::optional<bool> bilinmeyen = std::nullopt) {
    f.Miktar->setFocus();
    f.Miktar->selectAll();
    QTest::keyClicks(f.Miktar, miktar);
    f.ÜstDüğme->setFocus();
    const auto kaydet = [&f] { QTest::keyClick(f.ÜstDüğme, Qt::Key_Return); };
    bilinmeyen ? SonucuBilinmeden(*bilinmeyen, kaydet) : kaydet();
  }
  // Another write on the file, which settles every pending work of it.
  void BaşkaYazı(qint64 depo) {
    Veritabanı::İşlem işlem(*vt);
    vt->Çalıştır("UPDATE DepoBilgileriTablosu SET DepoAdi = DepoAdi WHERE DepoNo = ?", {depo});
    işlem.Onayla();
  }
  double Değer(const char* sql, qint64 no) { return vt->KayıtKümesiAç(sql, {no}).Ondalık("m"); }
};

TEST_F(HareketFormTesti, Komutlar109Ve403ÜrünleriYükleyip110KişilerleAçar) {
  Ürün("EL", "ELMA"), Ürün("AR", "ARMUT"), Kişi("ALİ");
  for (int komut : {109, 403, 110}) {
    QStringList liste;
    Modalda([&](QWidget* d) {
      auto* f = static_cast<HareketİzlemeFormu*>(d);
      for (int i = 0; i < f->SeçimListesi->count(); ++i) liste << f->SeçimListesi->item(i)->text();
      EXPECT_EQ(QApplication::focusWidget(), f->SeçimListesi) << komut;  // also after the find box was used
      f->BulKutusu->setFocus();
    });
    KomutDağıt(komut);
    EXPECT_EQ(liste, komut == 110 ? QStringList{"ALİ"} : QStringList({"ARMUT", "ELMA"})) << komut;
  }
  EXPECT_TRUE(mesajlar.empty());
}

// Totals of 30 entered: deleting an entry of 10 leaves exactly 0 after 20 left, below 0 after 21.
TEST_F(HareketFormTesti, GirişSilmeEkrandakiToplamlaVeTransferleDenetlenir) {
  const qint64 a = Depo("A"), b = Depo("B");
  for (double çıkan : {20.0, 21.0}) {
    const qint64 u = Ürün("Ü", QString("ÜRÜN %1").arg(çıkan));
    const qint64 on = Giriş(u, a, 10);
    Giriş(u, a, 20), Çıkış(u, a, çıkan);
    Aç(qPrintable(QString("ÜRÜN %1").arg(çıkan)));
    EXPECT_EQ(F().GirişMiktarıToplamıKutusu->text(), "30,00");
    SatırıSeç(on);
    mesajlar.clear();
    F().HareketiSilDüğmesi->setFocus();
    QTest::keyClick(F().HareketiSilDüğmesi, Qt::Key_Return);
    EXPECT_EQ(mesajlar.front().metin, "Bu hareketi SİLMEK istediğinizden emin misiniz?");
    EXPECT_EQ(Say("FROM GirisIslemleriTablosu WHERE UrunNo= ?", {u}), çıkan == 20 ? 1 : 2);
    EXPECT_EQ(mesajlar.size(), çıkan == 20 ? 1u : 2u);
    if (çıkan == 21) {
      EXPECT_EQ(std::pair(SonMesaj(), mesajlar.back().stil), std::pair(Negatif, 48));
    }
  }
  // A product with a transfer entry anywhere keeps its plain entries; its plain exits go.
  const qint64 u = Ürün("T", "TAHTA"), g = Giriş(u, a, 50), ç = Çıkış(u, a, 5);
  Transfer(u, a, b, 10);
  Aç("TAH");
  SatırıSeç(g);
  QTest::mouseClick(F().HareketiSilDüğmesi, Qt::LeftButton);
  EXPECT_EQ(std::pair(SonMesaj(), mesajlar.back().stil),
            std::pair(QString("Bu ürüne ait TRANSFER işlem(ler)i var! Lütfen önce bu işlem(ler)i siliniz!"), 16));
  QTest::mouseClick(F().HareketTürüSeçeneği[1], Qt::LeftButton);
  SatırıSeç(ç);
  QTest::mouseClick(F().HareketiSilDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Say("FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç}), 0);
  EXPECT_EQ(F().StokHareketleriListesi->SeçiliSatırKonumu(), 1);  // the row that moved up
}

// The review's chooser and its movement list from the keyboard, in a window as active as the user's:
// a list entered with nothing selected starts on its first row, also after it was listed again.
TEST_F(HareketFormTesti, SeçiliSatırıOlmayanListedeAşağıVeBaşİlkSatırıSeçer) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  Ürün("ZE", "ZEYTİN");
  const qint64 g = Giriş(u, a, 10);
  Giriş(u, a, 20), Giriş(u, a, 30);
  Form<İlerlemeGösterFormu>().İşiÇalıştır(12, İş::ListeBaşlık, İş::ListeMetin);
  F().show();
  F().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&F()));
  QListWidget* ürünler = F().SeçimListesi;
  ListeGörünümü& hareketler = *F().StokHareketleriListesi;
  const auto gir = [](QWidget* liste, Qt::Key tuş) {
    F().KapatDüğmesi->setFocus();
    liste->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), liste);
    QTest::keyClick(liste, tuş);
  };
  const auto seçiliÜrün = [&] {
    return ürünler->selectedItems().isEmpty() ? QString() : ürünler->selectedItems().first()->text();
  };

  gir(ürünler, Qt::Key_Down);
  EXPECT_EQ(std::pair(seçiliÜrün(), ürünler->currentRow()), std::pair(QString("ELMA"), 0));
  ASSERT_EQ(hareketler.SatırSayısı(), 3);
  gir(&hareketler, Qt::Key_Home);
  EXPECT_EQ(hareketler.SeçiliSatırKonumu(), 1);
  EXPECT_EQ(hareketler.currentItem(), hareketler.Satır(1));

  // Changed through its dialog, the movement is listed again and stays chosen.
  Modalda([](QWidget* d) {
    auto* tarih = static_cast<TarihMiktarFormu*>(d);
    tarih->Miktar->setFocus();
    tarih->Miktar->selectAll();
    QTest::keyClicks(tarih->Miktar, "15");
    tarih->ÜstDüğme->setFocus();
    QTest::keyClick(tarih->ÜstDüğme, Qt::Key_Return);
  });
  SatırıSeç(g);
  QTest::mouseDClick(hareketler.viewport(), Qt::LeftButton, {}, hareketler.visualItemRect(hareketler.Satır(1)).center());
  EXPECT_EQ(Sütun(hareketler, 4).first(), "15,00");
  EXPECT_EQ(hareketler.SeçiliSatırKonumu(), 1);
  // Listed again by the other view and back, nothing is selected.
  QTest::mouseClick(F().HareketTürüSeçeneği[1], Qt::LeftButton);
  QTest::mouseClick(F().HareketTürüSeçeneği[0], Qt::LeftButton);
  EXPECT_EQ(hareketler.SeçiliSatırKonumu(), 0);
  for (int beklenen : {1, 2}) {
    QTest::keyClick(&hareketler, Qt::Key_Down);
    EXPECT_EQ(hareketler.SeçiliSatırKonumu(), beklenen);
    EXPECT_EQ(hareketler.currentItem(), hareketler.Satır(beklenen));
  }

  // Listed by code, the chooser is filled again with nothing selected.
  QTest::mouseClick(F().ÜrünKoduAdıSeçeneği[1], Qt::LeftButton);
  ASSERT_TRUE(F().isActiveWindow());  // the fixture gives it back after the progress form
  gir(ürünler, Qt::Key_Home);
  EXPECT_EQ(std::pair(seçiliÜrün(), ürünler->currentRow()), std::pair(QString("EL"), 0));
}

// The second row chosen, a command by its access key, then Alt+O and the arrows: after the list was
// listed again (and sorted) they move on from the row the user sees, not from the first.
TEST_F(HareketFormTesti, İadeDeğişiklikSilmeVeSıralamadanSonraOklarGörülenSatırdanYürür) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  Giriş(u, a, 100);
  for (double m : {1, 2, 3, 4, 5, 6}) Çıkış(u, a, m);
  struct Durum {
    Qt::Key erişim;  // Key_unknown: a click on the "Firması" header
    const char* yazılan;
    std::vector<int> oklardanSonra;  // after Down, Down, Up
  };
  // A return and a change keep row 2 chosen, a delete the row that moved up, a sort the same row.
  const std::vector<Durum> durumlar{{Qt::Key_T, "1", {3, 4, 3}},
                                    {Qt::Key_D, "9", {3, 4, 3}},
                                    {Qt::Key_S, nullptr, {3, 4, 3}},
                                    {Qt::Key_unknown, nullptr, {3, 4, 3}}};
  Aç("EL", 1);
  F().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&F()));
  ListeGörünümü& l = *F().StokHareketleriListesi;
  // Each command changes the exits' sum: it has run when the sum moves.
  const auto toplam = [this] {
    return vt->KayıtKümesiAç("SELECT Total(CikisMiktari) AS m FROM CikisIslemleriTablosu").Ondalık("m");
  };
  for (const Durum& d : durumlar) {
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.Satır(2)).center());
    const double önce = toplam();
    if (d.yazılan)
      Modalda([&d](QWidget* diyalog) {
        auto* f = static_cast<TarihMiktarFormu*>(diyalog);
        QTest::keyClick(f, Qt::Key_M, Qt::AltModifier);
        f->Miktar->selectAll();
        QTest::keyClicks(f->Miktar, d.yazılan);
        f->ÜstDüğme->setFocus();
        QTest::keyClick(f->ÜstDüğme, Qt::Key_Return);
      });
    if (d.erişim == Qt::Key_unknown) {
      QHeaderView* h = l.header();
      QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                        QPoint(h->sectionViewportPosition(1) + 5, h->height() / 2));
    } else {
      QTest::keyClick(&F(), d.erişim, Qt::AltModifier);
      ASSERT_TRUE(QTest::qWaitFor([&] { return toplam() != önce; })) << d.erişim;
    }
    ASSERT_TRUE(F().isActiveWindow());
    QTest::keyClick(&F(), Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), &l);
    std::vector<int> konumlar;
    for (Qt::Key tuş : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
      QTest::keyClick(&l, tuş);
      konumlar.push_back(l.SeçiliSatırKonumu());
      EXPECT_EQ(l.currentItem(), l.Satır(konumlar.back()));
    }
    EXPECT_EQ(konumlar, d.oklardanSonra) << d.erişim;
  }
}

// 10 in warehouse A (20 in, 10 out) and 100 in B: the product's totals would allow each refused step.
TEST_F(HareketFormTesti, DepoEksiyeDüşürenSilmeVeDeğişiklikReddedilir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), b = Depo("B");
  const qint64 g = Giriş(u, a, 20), ç = Çıkış(u, a, 10);
  Giriş(u, b, 100);
  struct Durum {
    int görünüm;
    qint64 satır;
    const char* yazılan;  // null: delete
    QString mesaj;
    double sonra;
  };
  // The product's totals allow these: warehouse A refuses, and the message names it.
  const QString silme = "A deposundaki ELMA ürününün stok mevcudu (10,00), silinecek girişin MİKTARINDAN "
                        "(20,00) az!\n\nHareket silinmedi.",
                değişiklik = "A deposundaki ELMA ürününün stok mevcudu (10,00), değişikliğin stoktan düşeceği "
                             "MİKTARDAN (11,00) az!\n\nDeğişiklik kaydedilmedi; lütfen, miktarı düzeltiniz.",
                fazla = "Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!";
  const std::vector<Durum> durumlar{{0, g, nullptr, silme, 20},    {0, g, "9", değişiklik, 20},
                                    {1, ç, "21", değişiklik, 10},  {1, ç, "131", fazla, 10},
                                    {0, g, "0", "Lütfen, GİRİŞ MİKTARINI giriniz!", 20},
                                    {1, ç, "15", QString(), 15},   {0, g, "1.250", QString(), 1250}};
  Aç("EL");
  for (const Durum& d : durumlar) {
    QTest::mouseClick(F().HareketTürüSeçeneği[d.görünüm], Qt::LeftButton);
    SatırıSeç(d.satır);
    mesajlar.clear();
    bool kapalıydı = false;
    if (d.yazılan)
      DiyalogdaYaz(F().HareketiDeğiştirDüğmesi, d.yazılan, &kapalıydı);
    else
      QTest::mouseClick(F().HareketiSilDüğmesi, Qt::LeftButton);
    EXPECT_EQ(SonMesaj(), d.mesaj) << d.yazılan;
    EXPECT_TRUE(kapalıydı || !d.yazılan) << "kayıt düğmesi ancak düzenlenince açılır";
    EXPECT_DOUBLE_EQ(Değer(d.görünüm ? "SELECT CikisMiktari AS m FROM CikisIslemleriTablosu WHERE IslemNo= ?"
                                     : "SELECT GirisMiktari AS m FROM GirisIslemleriTablosu WHERE IslemNo= ?",
                           d.satır),
                     d.sonra)
        << d.yazılan;
  }
  EXPECT_EQ(Sütun(*F().StokHareketleriListesi, 4), QStringList({"1.250,00", "100,00"}));  // reloaded
  EXPECT_EQ(F().MevcutKutusu->text(), "1.335,00");
}

TEST_F(HareketFormTesti, TransferHerİkiGörünümdenİkiYarısıylaSilinirYaDaHiçSilinmez) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), b = Depo("B");
  Giriş(u, a, 30);
  // The target warehouse would lose the entry half it has partly given out.
  const QString hedef = "B deposundaki ELMA ürününün stok mevcudu (6,00), silinecek girişin MİKTARINDAN (10,00) az!";
  struct Durum {
    int görünüm;
    double hedeftenÇıkan;
    const char* bozuk;
    QString mesaj;
  };
  const std::vector<Durum> durumlar{{1, 0, nullptr, {}},
                                    {0, 0, nullptr, {}},
                                    {1, 4, nullptr, hedef},
                                    {0, 4, nullptr, hedef},
                                    {1, 0, "GirisIslemleriTablosu", "Hata Kodu"},
                                    {0, 0, "CikisIslemleriTablosu", "Hata Kodu"}};
  for (const Durum& d : durumlar) {
    vt->Çalıştır("DELETE FROM CikisIslemleriTablosu"), vt->Çalıştır("DELETE FROM GirisIslemleriTablosu WHERE DepoNo= ?", {b});
    const auto [g, ç] = Transfer(u, a, b, 10);
    if (d.hedeftenÇıkan) Çıkış(u, b, d.hedeftenÇıkan);
    if (d.bozuk) Bozulsun(d.bozuk, "DELETE");
    Aç("EL", d.görünüm);
    EXPECT_EQ(F().MevcutKutusu->text(), d.hedeftenÇıkan ? "26,00" : "30,00");  // transfers do not count
    SatırıSeç(d.görünüm ? ç : g);
    mesajlar.clear();
    QTest::mouseClick(F().HareketiSilDüğmesi, Qt::LeftButton);
    EXPECT_TRUE(mesajlar.front().metin.startsWith("Bir TRANSFER işlemini silerseniz")) << d.görünüm;
    EXPECT_TRUE(d.mesaj.isEmpty() ? mesajlar.size() == 1 : SonMesaj().contains(d.mesaj)) << SonMesaj().toStdString();
    const bool gitti = d.mesaj.isEmpty();
    EXPECT_EQ(Say("FROM GirisIslemleriTablosu WHERE IslemNo= ?", {g}) + Say("FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç}),
              gitti ? 0 : 2);
    if (d.bozuk) vt->Çalıştır(QString("DROP TRIGGER Bozuk%1").arg(d.bozuk));
  }
}

TEST_F(HareketFormTesti, İadeKısmenYaDaTamamenYazılırFazlasıVeBozukKayıtHiçbirŞeyDeğiştirmez) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), m = Alıcı("DOĞAN");
  Giriş(u, a, 100);
  const qint64 ç = Çıkış(u, a, 10, {2026, 1, 6}, m);
  Çıkış(u, a, 1, {2026, 1, 7}, m);
  struct Adım {
    QString yazılan;
    int cevap;  // of the whole-return question
    QString mesaj;
    double kalan;  // of the exit; 0: deleted
    qint64 iadeler;
  };
  const std::vector<Adım> adımlar{{"11", 0, "İade edilecek miktar, ÇIKIŞ miktarını geçemez!", 10, 0},
                                  {"0", 0, "Stoğa iade edilecek MİKTARI giriniz!", 10, 0},
                                  {"2,5", 0, {}, 7.5, 1},
                                  {"BOZUK", 0, "Hata Kodu", 7.5, 1},
                                  {"7,5", Platform::Cevap::Hayır, "TÜMÜNÜ", 7.5, 1},
                                  {"7,5", Platform::Cevap::Evet, "TÜMÜNÜ", 0, 2}};
  Aç("EL", 1);
  EXPECT_TRUE(F().ÇıkışıStoğaİadeEtDüğmesi->isEnabled());
  for (const Adım& s : adımlar) {
    SatırıSeç(ç);
    mesajlar.clear();
    if (s.cevap) Cevapla({s.cevap});
    const bool bozuk = s.yazılan == "BOZUK";
    if (bozuk) Bozulsun("IadeBilgileriTablosu", "INSERT");
    DiyalogdaYaz(F().ÇıkışıStoğaİadeEtDüğmesi, bozuk ? "1" : s.yazılan);
    if (bozuk) vt->Çalıştır("DROP TRIGGER BozukIadeBilgileriTablosu");
    EXPECT_TRUE(s.mesaj.isEmpty() ? mesajlar.empty() : SonMesaj().contains(s.mesaj)) << s.yazılan.toStdString();
    EXPECT_EQ(Say("FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç}), s.kalan ? 1 : 0);
    if (s.kalan) {
      EXPECT_DOUBLE_EQ(Değer("SELECT CikisMiktari AS m FROM CikisIslemleriTablosu WHERE IslemNo= ?", ç), s.kalan);
    }
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu WHERE IslemNo= ? AND FirmaNo= ? AND DepoNo= ? AND IadeTarihi= '2026-12-07'",
                  {ç, m, a}),
              s.iadeler);
  }
  // The whole return of the first row: the row that moved into its place is chosen.
  EXPECT_EQ(Sütun(*F().StokHareketleriListesi, 4), QStringList{"1,00"});
  EXPECT_EQ(F().StokHareketleriListesi->SeçiliSatırKonumu(), 1);
  QTest::mouseClick(F().HareketTürüSeçeneği[0], Qt::LeftButton);
  EXPECT_FALSE(F().ÇıkışıStoğaİadeEtDüğmesi->isEnabled());
}

// The dialog is reused: each opening starts on the day, whatever part the last one was left on,
// and Tab leaves the date in one press (the arrows move between its parts).
TEST_F(HareketFormTesti, İadeDiyaloğuHerAçılıştaYazılanTarihiSaklar) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), ç = Çıkış(u, a, 10);
  Giriş(u, a, 50);
  Aç("EL", 1);
  const char* const tarihler[] = {"03022026", "04032026"};
  for (const char* yazılan : tarihler) {
    SatırıSeç(ç);
    Modalda([&](QWidget* d) {
      auto& f = *static_cast<StoğaİadeEtFormu*>(d);
      QTest::keyClicks(f.İadeTarihiKutusu, yazılan);
      if (yazılan == tarihler[0]) {
        QTest::keyClick(f.İadeTarihiKutusu, Qt::Key_Return);
      } else {
        QTest::keyClick(f.İadeTarihiKutusu, Qt::Key_Left);
        EXPECT_EQ(f.İadeTarihiKutusu->currentSection(), QDateTimeEdit::MonthSection);  // Tab still leaves
        QTest::keyClick(f.İadeTarihiKutusu, Qt::Key_Tab);
      }
      EXPECT_EQ(QApplication::focusWidget(), f.İadeMiktarıKutusu) << yazılan;
      QTest::keyClicks(f.İadeMiktarıKutusu, "1");
      QTest::mouseClick(f.İadeEtDüğmesi, Qt::LeftButton);
    });
    QTest::mouseClick(F().ÇıkışıStoğaİadeEtDüğmesi, Qt::LeftButton);
  }
  std::string saklanan;
  for (KayıtKümesi k = vt->KayıtKümesiAç("SELECT IadeTarihi FROM IadeBilgileriTablosu ORDER BY IadeNo"); !k.Sonda();
       k.MoveNext())
    saklanan += k.Tarih("IadeTarihi").toString(Qt::ISODate).toStdString() + " ";
  EXPECT_EQ(saklanan, "2026-02-03 2026-03-04 ");
}

// A return dated before its exit is refused: the message, the date to correct, nothing written.
// A product whose movements cannot be read (the file held elsewhere) is let go, its view empty.
TEST_F(HareketFormTesti, ÇıkıştanÖnceİadeYokOkunamayanÜrünBırakılır) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), ç = Çıkış(u, a, 10, {2026, 10, 3});
  Giriş(u, a, 50);
  Aç("EL", 1);
  SatırıSeç(ç);
  Modalda([&](QWidget* d) {
    auto& f = *static_cast<StoğaİadeEtFormu*>(d);
    QTest::keyClicks(f.İadeTarihiKutusu, "01012026");
    QTest::keyClick(f.İadeTarihiKutusu, Qt::Key_Return);
    QTest::keyClicks(f.İadeMiktarıKutusu, "10");
    QTest::mouseClick(f.İadeEtDüğmesi, Qt::LeftButton);
    EXPECT_EQ(SonMesaj(), "İade tarihi, ÇIKIŞ tarihinden önce olamaz!");
    EXPECT_EQ(QApplication::focusWidget(), f.İadeTarihiKutusu);
    EXPECT_TRUE(f.isVisible());
  });
  QTest::mouseClick(F().ÇıkışıStoğaİadeEtDüğmesi, Qt::LeftButton);
  EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), 0);
  EXPECT_EQ(Say("FROM CikisIslemleriTablosu"), 1);

  const QListWidgetItem* elma = F().ÜrünListesi->currentItem();
  ASSERT_TRUE(elma);
  F().ÜrünListesi->clearSelection();
  {
    KilitliDosya kilit(vt->Yol());
    Cevapla({Platform::Cevap::Evet});
    QTest::mouseClick(F().ÜrünListesi->viewport(), Qt::LeftButton, {}, F().ÜrünListesi->visualItemRect(elma).center());
  }
  EXPECT_TRUE(F().ÜrünListesi->selectedItems().isEmpty());
  EXPECT_EQ(F().StokHareketleriListesi->SatırSayısı(), 0);
  EXPECT_EQ(F().GirişMiktarıToplamıKutusu->text() + F().MevcutKutusu->text(), "");
}

TEST_F(HareketFormTesti, BaşkaYerdeDeğişenSatırYazılmazListeYenilenir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), ç = Çıkış(u, a, 10);
  Giriş(u, a, 50);
  Aç("EL", 1);
  SatırıSeç(ç);
  vt->Çalıştır("UPDATE CikisIslemleriTablosu SET CikisMiktari= 12");  // another workstation
  DiyalogdaYaz(F().ÇıkışıStoğaİadeEtDüğmesi, "10");
  EXPECT_EQ(SonMesaj(), HareketDeğişmişMetni);
  EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), 0);
  EXPECT_EQ(Sütun(*F().StokHareketleriListesi, 4), QStringList{"12,00"});
}

// A change whose outcome the disk hid, corrected in the dialog that stays open and saved again: the
// file ends with what was saved last, and the user hears once what became of the try, whether this
// save found it, another write before it, or a connection opened meanwhile.
TEST_F(HareketFormTesti, SonucuBilinmeyenDeğişiklikDüzeltilipKaydedilinceSonGirilenYazılır) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  const qint64 g = Giriş(u, a, 10), ç = Çıkış(u, a, 4);
  enum Başkası { Yok, Yazı, Bağlantı };
  const struct {
    int görünüm;
    bool yazılmış;
    Başkası başkası;
    const char *denenen, *düzeltilen;
    QString mesaj;  // after the unknown outcome's; empty: none
    double dosyada;
  } durumlar[] = {
      {0, true, Yok, "15", "12", OrtakYordamlarModülü::ÜzerineYazıldıMetni, 12},
      {0, false, Yok, "15", "12", {}, 12},
      {0, true, Yok, "15", "15", OrtakYordamlarModülü::ÖnceYazılmışMetni, 15},
      {0, true, Yazı, "15", "12", "veritabanına kaydedilmiş.", 12},
      {0, false, Yazı, "15", "12", "kaydedilmemiş; bilgileri pencerede, kaydedilmeyi bekliyor.", 12},
      {0, true, Bağlantı, "15", "12", OrtakYordamlarModülü::ÜzerineYazıldıMetni, 12},
      {1, true, Yok, "6", "5", OrtakYordamlarModülü::ÜzerineYazıldıMetni, 5},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.görünüm << d.yazılmış << d.başkası << d.düzeltilen);
    vt->Çalıştır("UPDATE GirisIslemleriTablosu SET GirisMiktari = 10");
    vt->Çalıştır("UPDATE CikisIslemleriTablosu SET CikisMiktari = 4");
    Aç("EL", d.görünüm);
    const qint64 no = d.görünüm ? ç : g;
    SatırıSeç(no);
    mesajlar.clear();
    bool kapandı = false;
    Modalda([&](QWidget* w) {
      auto& f = *static_cast<TarihMiktarFormu*>(w);
      Kaydet(f, d.denenen, d.yazılmış);
      ASSERT_TRUE(f.isVisible());
      ASSERT_EQ(mesajlar.size(), 1u);
      EXPECT_TRUE(mesajlar[0].stil == 48 && mesajlar[0].metin.contains("bilinmiyor"));
      if (d.başkası == Yazı) {
        BaşkaYazı(a);
        EXPECT_EQ(mesajlar.size(), 2u);  // told at once
      }
      if (d.başkası == Bağlantı) Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      Kaydet(f, d.düzeltilen);
      kapandı = !f.isVisible();
    });
    QTest::mouseClick(F().HareketiDeğiştirDüğmesi, Qt::LeftButton);
    EXPECT_TRUE(kapandı);
    EXPECT_DOUBLE_EQ(Değer(d.görünüm ? "SELECT CikisMiktari AS m FROM CikisIslemleriTablosu WHERE IslemNo= ?"
                                     : "SELECT GirisMiktari AS m FROM GirisIslemleriTablosu WHERE IslemNo= ?",
                           no),
                     d.dosyada);
    ASSERT_EQ(mesajlar.size(), d.mesaj.isEmpty() ? 1u : 2u);
    if (!d.mesaj.isEmpty()) {
      EXPECT_TRUE(mesajlar[1].metin.endsWith(d.mesaj)) << mesajlar[1].metin.toStdString();
    }
    ASSERT_TRUE(F().StokHareketleriListesi->SeçiliSatır());
    EXPECT_EQ(F().StokHareketleriListesi->SeçiliSatır()->text(4), TürkçeMetin::MiktarMetni(d.dosyada * 100));
    EXPECT_EQ(Kalıcıİşler(), 0);  // nothing left pending
  }
}

// A return whose outcome the disk hid, found in the file, is never made twice. Its quantity edited
// after it, saved again or settled by another write first: the dialog shows what the file holds and
// says the new values were not written; unedited, it says the return was stored.
TEST_F(HareketFormTesti, SonucuBilinmeyenİadeDüzeltilinceİkinciİadeYazılmazDosyadakiGösterilir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  Giriş(u, a, 50);
  const QString düzeltilmiş = StoğaİadeEtFormu::İadeYazılmışMetni({2026, 12, 7}, 250);
  const struct {
    const char* düzeltilen;
    bool başkaYazı;
    QString mesaj;
  } durumlar[] = {
      {"3", false, düzeltilmiş},
      {"3", true, düzeltilmiş},
      {"2,5", false, OrtakYordamlarModülü::ÖnceYazılmışMetni},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.düzeltilen << d.başkaYazı);
    vt->Çalıştır("DELETE FROM IadeBilgileriTablosu");
    const qint64 ç = Çıkış(u, a, 10);
    Aç("EL", 1);
    SatırıSeç(ç);
    mesajlar.clear();
    QString gösterilen;
    Modalda([&](QWidget* w) {
      auto& f = *static_cast<StoğaİadeEtFormu*>(w);
      Kaydet(f, "2,5", true);
      ASSERT_EQ(mesajlar.size(), 1u);
      if (d.başkaYazı) {
        f.İadeMiktarıKutusu->selectAll();
        QTest::keyClicks(f.İadeMiktarıKutusu, d.düzeltilen);
        BaşkaYazı(a);
      } else {
        Kaydet(f, d.düzeltilen);
      }
      EXPECT_FALSE(f.isVisible());
      gösterilen = f.İadeMiktarıKutusu->text();
    });
    QTest::mouseClick(F().ÇıkışıStoğaİadeEtDüğmesi, Qt::LeftButton);
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu WHERE IslemNo= ? AND IadeMiktari= 2.5", {ç}), 1);
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), 1);
    EXPECT_DOUBLE_EQ(Değer("SELECT CikisMiktari AS m FROM CikisIslemleriTablosu WHERE IslemNo= ?", ç), 7.5);
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(mesajlar[1].metin.endsWith(d.mesaj)) << mesajlar[1].metin.toStdString();
    EXPECT_EQ(gösterilen, "2,50");
    EXPECT_TRUE(Sütun(*F().StokHareketleriListesi, 4).contains("7,50"));
    vt->Çalıştır("DELETE FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç});
  }
}

// A change or return whose outcome the disk hid, left with İptal, or a delete tried again, was this
// workstation's own try: the review lists what the file holds, sorted by date as the user sorted it,
// with the same movement chosen, and the command acts on it from there with no "changed elsewhere"
// refusal. The settlement is told once, by the product; a delete not stored before is just done.
TEST_F(HareketFormTesti, SonucuBilinmeyenİşİptalEdilinceSatırDosyadakindenYenidenDeğişir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  enum Komut { Değiştir, İade, Sil };
  const struct {
    Komut komut;
    bool yazılmış;
    int tarihTıklaması;  // on "Tarihi" before: 0 none, 1 ascending, 2 descending
    const char *ilkTarih, *denenen, *sonraki, *gösterilen;  // shown after İptal, or after the delete
    double dosyada;
    const char* söylenen;  // null: nothing
  } durumlar[] = {
      {Değiştir, true, 0, "05.01.2026", "360", "370", "360,00", 370, "(Hareket değişikliği: EL ELMA, "},
      {Değiştir, false, 0, "05.01.2026", "360", "370", "350,00", 370, "(Hareket değişikliği: EL ELMA, "},
      {İade, true, 0, "06.01.2026", "2,5", "1", "7,50", 6.5, "(Stoğa iade: EL ELMA, "},
      {Değiştir, true, 2, "09.01.2026", "360", "370", "360,00", 370, "(Hareket değişikliği: EL ELMA, "},
      {İade, false, 1, "01.01.2026", "2,5", "1", "10,00", 9, "(Stoğa iade: EL ELMA, "},
      {Sil, true, 0, "06.01.2026", nullptr, nullptr, "10,00", 0, "(Hareket silme: EL ELMA, "},
      {Sil, false, 0, "06.01.2026", nullptr, nullptr, "10,00", 0, nullptr},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.komut << d.yazılmış << d.tarihTıklaması);
    vt->Çalıştır("DELETE FROM GirisIslemleriTablosu"), vt->Çalıştır("DELETE FROM CikisIslemleriTablosu");
    // First by number, between the others by date: sorted either way, it stands second.
    const qint64 g = Giriş(u, a, 350, {2026, 1, 5}), ç = Çıkış(u, a, 10, {2026, 1, 6});
    Giriş(u, a, 20, {2026, 1, 1}), Giriş(u, a, 30, {2026, 1, 9}), Çıkış(u, a, 5, {2026, 1, 1}), Çıkış(u, a, 4, {2026, 1, 9});
    const bool girişte = d.komut == Değiştir;
    const qint64 no = girişte ? g : ç;
    QPushButton* komut = d.komut == İade ? F().ÇıkışıStoğaİadeEtDüğmesi
                         : d.komut == Sil ? F().HareketiSilDüğmesi
                                          : F().HareketiDeğiştirDüğmesi;
    Aç("EL", !girişte);
    ListeGörünümü& l = *F().StokHareketleriListesi;
    Ortak::SıralamaSütunu = Ortak::SıralamaYönü = 0;
    for (int i = 0; i < d.tarihTıklaması; ++i)
      QTest::mouseClick(l.header()->viewport(), Qt::LeftButton, {}, {l.header()->sectionViewportPosition(3) + 5, 5});
    // The movement chosen, where it stands, the arrow on "Tarihi" and the first date.
    const auto görülen = [&l] {
      return std::tuple(l.SeçiliSatır() ? l.SeçiliSatır()->text(0).toLongLong() : 0, l.SeçiliSatırKonumu(),
                        l.BaşlıkResmi(4), l.AltÖğe(1, 3));
    };
    const auto beklenen = std::tuple(no, d.tarihTıklaması ? 2 : 1, d.tarihTıklaması, QString(d.ilkTarih));
    SatırıSeç(no);
    if (d.komut == Sil) {
      SonucuBilinmeden(d.yazılmış, [komut] { QTest::mouseClick(komut, Qt::LeftButton); });
    } else {
      Modalda([&](QWidget* w) { Kaydet(*static_cast<TarihMiktarFormu*>(w), d.denenen, d.yazılmış); });  // then Esc
      QTest::mouseClick(komut, Qt::LeftButton);
    }
    EXPECT_EQ(görülen(), beklenen);
    ASSERT_TRUE(l.SeçiliSatır());
    EXPECT_EQ(l.SeçiliSatır()->text(4), d.gösterilen);
    mesajlar.clear();
    if (d.komut == Sil) {
      SatırıSeç(no);
      QTest::mouseClick(komut, Qt::LeftButton);  // Yes to the question
    } else {
      DiyalogdaYaz(komut, d.sonraki);  // on the row the review chose
    }
    QStringList söylenen;
    for (const GösterilenMesaj& m : mesajlar)
      if (m.stil != OrtakYordamlarModülü::Stil::SoruEvetHayır) söylenen << m.metin;
    ASSERT_EQ(söylenen.size(), d.söylenen ? 1 : 0) << söylenen.join(" | ").toStdString();
    if (d.söylenen) {
      EXPECT_TRUE(söylenen[0].contains(d.söylenen) &&
                  söylenen[0].endsWith(d.yazılmış ? "kaydedilmiş." : "gerekiyorsa yeniden giriniz."))
          << söylenen[0].toStdString();
    }
    // Nothing else touched.
    EXPECT_EQ(Say("FROM GirisIslemleriTablosu WHERE IslemNo <> ? AND GirisMiktari IN (20, 30)", {g}) +
                  Say("FROM CikisIslemleriTablosu WHERE IslemNo <> ? AND CikisMiktari IN (5, 4)", {ç}),
              4);
    if (d.komut == Sil) {
      EXPECT_EQ(Say("FROM CikisIslemleriTablosu WHERE IslemNo= ?", {ç}), 0);
      EXPECT_EQ(QStringList({QString::number(l.SatırSayısı()), F().ÇıkışMiktarıToplamıKutusu->text(), F().MevcutKutusu->text()}),
                QStringList({"2", "9,00", "391,00"}));
      continue;
    }
    EXPECT_EQ(görülen(), beklenen);
    EXPECT_EQ(l.SeçiliSatır()->text(4), TürkçeMetin::MiktarMetni(d.dosyada * 100));
    EXPECT_DOUBLE_EQ(Değer(girişte ? "SELECT GirisMiktari AS m FROM GirisIslemleriTablosu WHERE IslemNo= ?"
                                   : "SELECT CikisMiktari AS m FROM CikisIslemleriTablosu WHERE IslemNo= ?",
                           no),
                     d.dosyada);
  }
}

TEST_F(HareketFormTesti, KişiİncelemesiNedenAdlarıToplamlarVeTarihSayıSıralaması) {
  const qint64 u = Ürün("EL", "ELMA"), v = Ürün("AR", "ARMUT"), a = Depo("A"), b = Depo("B"), ali = Kişi("ALİ");
  Kişi("AHMET");
  Giriş(u, a, 30, {2026, 3, 1}, 0, ali), Giriş(v, a, 1250.5, {2026, 1, 9}, 0, ali);
  Çıkış(u, a, 2, {2026, 2, 1}, 0, ali, 3), Çıkış(u, a, 9, {2026, 1, 2}, 0, ali, 6), Çıkış(u, a, 100, {2026, 1, 1}, 0, ali, 0);
  Transfer(u, a, b, 5, ali);
  auto& f = Form<GirişÇıkışYapanlaraGöreStokHareketleriFormu>();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  QTest::keyClicks(f.GirişÇıkışYapanıBulKutusu, "al");
  ListeGörünümü& l = *f.StokHareketleriListesi;
  const auto oklar = [&l] {
    std::vector<int> r;
    for (int i = 1; i <= l.SütunSayısı(); ++i) r.push_back(l.BaşlıkResmi(i));
    return r;
  };
  EXPECT_EQ(oklar(), std::vector<int>(5, 0));  // rows in recording order: no arrow
  EXPECT_EQ(Sütun(l, 4), QStringList({"Alım", "Alım", "Transfer"}));
  EXPECT_EQ(QStringList({f.GirişMiktarıToplamıKutusu->text(), f.ÇıkışMiktarıToplamıKutusu->text(), f.MevcutKutusu->text()}),
            QStringList({"1.280,50", "111,00", "1.169,50"}));
  QTest::mouseClick(f.HareketTürüSeçeneği[1], Qt::LeftButton);
  EXPECT_EQ(Sütun(l, 4), QStringList({"Hurda", "Hediye", "Satış", "Transfer"}));
  EXPECT_EQ(f.MevcutKutusu->text(), "1.169,50");  // the same in both views
  const auto başlık = [&](int i) {
    QHeaderView* h = l.header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(i - 1) + 5, h->height() / 2));
  };
  başlık(3);
  EXPECT_EQ(Sütun(l, 2), QStringList({"01.01.2026", "02.01.2026", "07.01.2026", "01.02.2026"}));
  başlık(3);
  EXPECT_EQ(Sütun(l, 2).first(), "01.02.2026");
  başlık(4);
  EXPECT_EQ(Sütun(l, 3), QStringList({"2,00", "5,00", "9,00", "100,00"}));
  EXPECT_EQ(oklar(), std::vector<int>({0, 0, 0, 1, 0}));
  // Listed again, a number sort is gone and so is its arrow; the list's own text sort stays.
  QTest::mouseClick(f.HareketTürüSeçeneği[0], Qt::LeftButton);
  EXPECT_EQ(Sütun(l, 3), QStringList({"30,00", "1.250,50", "5,00"}));
  EXPECT_EQ(oklar(), std::vector<int>(5, 0));
  başlık(2);
  QTest::mouseClick(f.HareketTürüSeçeneği[1], Qt::LeftButton);
  QTest::mouseClick(f.HareketTürüSeçeneği[0], Qt::LeftButton);
  EXPECT_EQ(Sütun(l, 1), QStringList({"ARMUT", "ELMA", "ELMA"}));
  EXPECT_EQ(oklar(), std::vector<int>({0, 1, 0, 0, 0}));
  // Opened again, nobody is chosen and nothing of the last person shows.
  QTest::keyClick(&f, Qt::Key_Escape);
  f.show();
  EXPECT_EQ(l.SatırSayısı(), 0);
  EXPECT_TRUE(f.MevcutKutusu->text().isEmpty());
  QTest::keyClicks(f.GirişÇıkışYapanıBulKutusu, "al");
  QTest::keyClicks(f.GirişÇıkışYapanıBulKutusu, "x");  // no name begins so: the view empties
  EXPECT_EQ(l.SatırSayısı(), 0);
  EXPECT_TRUE(f.MevcutKutusu->text().isEmpty());
}

}  // namespace

namespace {

// A return or a change that would raise the warehouse's stock past the largest figure kept exactly:
// the add's message, the dialog stays on the quantity, nothing written.
TEST_F(HareketFormTesti, TamTutulamayacakStokaVaranİadeVeDeğişiklikBüyükMiktarMetniyleReddedilir) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A");
  vt->Çalıştır("UPDATE UrunBilgileriTablosu SET BirimAgirligi = 1 WHERE UrunNo = ?", {u});
  const qint64 g = Giriş(u, a, 9'999'999'999'990);
  Giriş(u, a, 25);
  const qint64 ç = Çıkış(u, a, 20);
  struct Durum {
    int görünüm;
    qint64 satır;
    QPushButton* komut;
  };
  Aç("EL");
  const Durum durumlar[] = {{1, ç, F().ÇıkışıStoğaİadeEtDüğmesi}, {0, g, F().HareketiDeğiştirDüğmesi},
                            {1, ç, F().HareketiDeğiştirDüğmesi}};
  const QString yazılanlar[] = {"15", "9.999.999.999.999", "1"};
  for (std::size_t i = 0; i < std::size(durumlar); ++i) {
    QTest::mouseClick(F().HareketTürüSeçeneği[durumlar[i].görünüm], Qt::LeftButton);
    SatırıSeç(durumlar[i].satır);
    mesajlar.clear();
    DiyalogdaYaz(durumlar[i].komut, yazılanlar[i]);
    EXPECT_EQ(SonMesaj(), OrtakYordamlarModülü::BüyükMiktarMetni) << i;
    EXPECT_EQ(HareketVerileri::MevcutStok(*vt, u, a), 999'999'999'999'500) << i;
    EXPECT_EQ(Say("FROM IadeBilgileriTablosu"), 0) << i;
  }
}

// The largest figure kept, and its negative where a person only took out, shows whole in every box
// of both reviews, in their movement column and in the change dialog that takes it over.
TEST_F(HareketFormTesti, EnBüyükSayıKutulardaVeSütundaBütünGörünür) {
  const qint64 u = Ürün("EL", "ELMA"), a = Depo("A"), ali = Kişi("ALİ"), veli = Kişi("VELİ");
  const qint64 g = Giriş(u, a, 9999999999999.99, {2026, 1, 5}, 0, ali);
  const qint64 ç = Çıkış(u, a, 9999999999999.99, {2026, 1, 6}, 0, veli);
  // Twice the largest figure in one product: its sums pass it.
  const qint64 iki = Ürün("İK", "İKİZ");
  const qint64 g2 = Giriş(iki, a, 9999999999999.99);
  Giriş(iki, a, 9999999999999.99);
  const QString eksi = "-" + EnBüyükSayı, sıfır = "0,00", toplam = "19.999.999.999.999,98";
  struct Durum {
    const char* bul;  // a product found in the product review, or a person in the persons review
    bool kişi;
    int görünüm;
    qint64 satır;  // the movement shown
    QStringList toplamlar;  // entries, exits, on hand
  };
  const Durum durumlar[] = {
      {"EL", false, 0, g, {EnBüyükSayı, EnBüyükSayı, sıfır}},
      {"EL", false, 1, ç, {EnBüyükSayı, EnBüyükSayı, sıfır}},
      {"al", true, 0, g, {EnBüyükSayı, sıfır, EnBüyükSayı}},
      {"ve", true, 1, ç, {sıfır, EnBüyükSayı, eksi}},
      {"ik", false, 0, g2, {toplam, sıfır, toplam}},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(std::string(d.bul) + std::to_string(d.görünüm));
    HareketİzlemeFormu* f;
    if (d.kişi) {
      auto& k = Form<GirişÇıkışYapanlaraGöreStokHareketleriFormu>();
      k.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
      QTest::keyClicks(k.GirişÇıkışYapanıBulKutusu, d.bul);
      QTest::mouseClick(k.HareketTürüSeçeneği[d.görünüm], Qt::LeftButton);
      f = &k;
    } else {
      Aç(d.bul, d.görünüm);
      f = &F();
    }
    const QLineEdit* kutular[] = {f->GirişMiktarıToplamıKutusu, f->ÇıkışMiktarıToplamıKutusu, f->MevcutKutusu};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(KutudaBütün(*kutular[i], d.toplamlar[i])) << i;
    EXPECT_LE(f->width(), 790);  // still on an 800-pixel screen, frame included
    ListeGörünümü& l = *f->StokHareketleriListesi;
    ASSERT_GE(l.SatırSayısı(), 1);
    const int miktar = d.kişi ? 3 : 4;
    for (int i = 1; i <= l.SatırSayısı(); ++i) {
      EXPECT_EQ(l.AltÖğe(i, miktar), EnBüyükSayı);
      EXPECT_TRUE(HücredeBütün(l, l.indexFromItem(l.Satır(i), miktar)));
    }
    if (!d.kişi) {
      SatırıSeç(d.satır);
      bool görüldü = false;
      Modalda([&](QWidget* diyalog) {
        görüldü = true;
        EXPECT_TRUE(KutudaBütün(*static_cast<TarihMiktarFormu*>(diyalog)->Miktar, EnBüyükSayı));
      });
      QTest::mouseClick(F().HareketiDeğiştirDüğmesi, Qt::LeftButton);
      EXPECT_TRUE(görüldü);
    }
    f->close();
  }
}

}  // namespace
