#include "AnaForm.h"
#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "KabukTestOrtami.h"
#include "Platform.h"
#include "Simgeler.h"
#include "SunucuDegistirFormu.h"
#include "VeritabaninaBaglanFormu.h"
#include "VeritabaniOlusturucu.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <gmock/gmock.h>

#include <deque>
#include <sys/wait.h>
#include <unistd.h>
#include <functional>

namespace {

const QString Soru = "Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?";
const QString DosyaYokUyarısı =
    "Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\nLütfen, farklı bir SUNUCU seçip yeniden deneyiniz.";
const QString DosyaBulunamadı = "Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!";
const QString AğYok = "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!";
const QString ÇıkışSorusu = "Veritabanına bağlanmadan programı kullanamazsınız!\nŞimdi, programdan çıkmak istiyor musunuz?";
const QString Tamam = "   Veritabanı bağlantısı tamam!";
const QString Yapılamıyor = "   Veritabanı bağlantısı yapılamıyor!";
const QString GözatBaşlığı = "Sunucu programın bulunduğu yeri seçiniz!";

using Platform::Cevap::Evet;
using Platform::Cevap::Hayır;

class BağlantıTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    Ortak::Veritabanı.reset();  // start-up begins without a database
    Ortak::GirişŞifresiSorulsun = false;
    FormuYokEt<VeritabanınaBağlanFormu>();
    FormuYokEt<SunucuDeğiştirFormu>();
    FormuYokEt<AnaForm>();
    Form<AnaForm>().Yükle();  // start-up has loaded the main window before it connects
    Platform::KlasörSeç = [this](QWidget*, const QString& başlık, const QString& başlangıç) {
      gözatBaşlıkları.push_back(başlık);
      gözatBaşlangıçları.push_back(başlangıç);
      if (seçilecekler.empty()) return QString();
      const QString k = seçilecekler.front();
      seçilecekler.pop_front();
      return k;
    };
  }
  void TearDown() override {
    FormuYokEt<VeritabanınaBağlanFormu>();
    FormuYokEt<SunucuDeğiştirFormu>();
    FormuYokEt<AnaForm>();
    KabukTestOrtamı::TearDown();
  }

  VeritabanınaBağlanFormu& Bağlan() { return Form<VeritabanınaBağlanFormu>(); }
  SunucuDeğiştirFormu& Değiştir() { return Form<SunucuDeğiştirFormu>(); }

  QString BoşKlasör(const QString& ad) {
    const QString k = GeçiciYol(ad);
    QDir().mkpath(k);
    return k;
  }
  static QString Dosya(const QString& klasör) { return klasör + "/Vlm.vtb"; }

  void SunucularıKaydet(const QStringList& klasörler) {
    for (int i = 0; i < klasörler.size(); ++i) Ayarlar::Yaz("Sunucular", QString("Sunucu-%1").arg(i + 1), klasörler[i]);
  }
  static QList<QPair<QString, QString>> Sunucular() { return Ayarlar::TümünüOku("Sunucular"); }
  static QStringList Liste(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
  }
  QStringList Metinler() const {
    QStringList s;
    for (const auto& m : mesajlar) s << m.metin;
    return s;
  }
  static bool Simge(const QLabel* kutu, const char* ad) {
    return kutu->pixmap().toImage() == Resim(QString::fromLatin1(ad)).toImage();
  }

  // Runs a modal loop with `sür` inside it; a form that stays open is closed, so a fault cannot hang the run.
  bool ModalSür(QDialog& form, const std::function<void()>& göster, const std::function<void()>& sür = {}) {
    bool kendiKapandı = true;
    QTimer::singleShot(0, [&] {
      if (sür) sür();
      if (!QTest::qWaitFor([&] { return !form.isVisible(); })) {
        kendiKapandı = false;
        form.done(-1);
      }
    });
    göster();
    return kendiKapandı;
  }

  std::deque<QString> seçilecekler;
  QStringList gözatBaşlıkları;
  QStringList gözatBaşlangıçları;
};

// --- first start, no saved folder --------------------------------------------------------------

TEST_F(BağlantıTesti, KayıtlıSunucuYokkenSorulurHayırVeİptalVazgeçer) {
  Cevapla({Hayır});
  Bağlan().VeritabanınaBağlan();
  ASSERT_EQ(Metinler(), QStringList{Soru});
  EXPECT_EQ(mesajlar[0].stil, 36);
  EXPECT_TRUE(gözatBaşlıkları.isEmpty());
  EXPECT_TRUE(Bağlan().Vazgeçildi());
  EXPECT_EQ(Bağlan().result(), QDialog::Rejected);
  EXPECT_FALSE(FormYüklü<AnaForm>());

  // Yes: a folder without the file is refused and the browser opens again until cancelled.
  mesajlar.clear();
  FormuYokEt<AnaForm>();
  Form<AnaForm>().Yükle();
  const QString boş = BoşKlasör("bos");
  seçilecekler = {boş, boş, QString()};
  Cevapla({Evet});
  Bağlan().VeritabanınaBağlan();
  EXPECT_EQ(Metinler(), (QStringList{Soru, DosyaYokUyarısı, DosyaYokUyarısı}));
  EXPECT_EQ(mesajlar[1].stil, 48);
  EXPECT_EQ(gözatBaşlıkları, (QStringList{GözatBaşlığı, GözatBaşlığı, GözatBaşlığı}));
  EXPECT_EQ(gözatBaşlangıçları, (QStringList{"", boş, boş}));  // then the folder tried last
  EXPECT_TRUE(Bağlan().Vazgeçildi());
  EXPECT_FALSE(FormYüklü<AnaForm>());
  EXPECT_FALSE(Ortak::Veritabanı);
  EXPECT_TRUE(Sunucular().isEmpty());
}

TEST_F(BağlantıTesti, BulunanKlasörSunucu1OlurVeritabaniSıfırOlur) {
  const QString iyi = YeniVeritabanı("iyi");
  seçilecekler = {BoşKlasör("bos"), iyi + "/"};  // the browser may hand back a trailing separator
  Ayarlar::Yaz("Ayarlar", "Veritabani", "2");
  Cevapla({Evet});
  Bağlan().VeritabanınaBağlan();

  EXPECT_EQ(Metinler(), (QStringList{Soru, DosyaYokUyarısı}));
  EXPECT_EQ(Bağlan().SunucuYolu, iyi);
  EXPECT_EQ(Sunucular(), (QList<QPair<QString, QString>>{{"Sunucu-1", iyi}}));
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "0");
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(iyi));
  EXPECT_EQ(Form<AnaForm>().DurumPaneli(2), Tamam);
  EXPECT_FALSE(Bağlan().Vazgeçildi());
  EXPECT_EQ(Bağlan().result(), QDialog::Accepted);
  EXPECT_TRUE(FormYüklü<AnaForm>());
  EXPECT_EQ(Liste(Değiştir().SunucuListesi), QStringList{iyi});
}

// --- saved folders ------------------------------------------------------------------------------

TEST_F(BağlantıTesti, VeritabaniGeçersizseİlkSunucuyaBağlanır) {
  const QString a = YeniVeritabanı("a"), b = YeniVeritabanı("b");
  SunucularıKaydet({a, b});
  const QList<QPair<QString, QString>> durumlar = {{"2", a}, {"17", a}, {"-1", a}, {"bir", a}, {"", a}, {"1", b}};
  for (const auto& [değer, beklenen] : durumlar) {
    SCOPED_TRACE(değer.toStdString());
    Ortak::Veritabanı.reset();
    Ayarlar::Yaz("Ayarlar", "Veritabani", değer);
    Bağlan().VeritabanınaBağlan();
    ASSERT_TRUE(Ortak::Veritabanı);
    EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(beklenen));
    EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), beklenen == a ? "0" : "1");
  }
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(Sunucular().size(), 2);
}

TEST_F(BağlantıTesti, DosyasıKaybolanSunucuHataDurumunaGeçerSunucularıSiler) {
  struct Durum {
    QString klasör, metin;
  };
  const std::vector<Durum> durumlar = {{BoşKlasör("dosyasiz"), DosyaBulunamadı},
                                       {GeçiciYol("olmayan/klasor"), AğYok}};
  const QString yedek = YeniVeritabanı("yedek");
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.klasör.toStdString());
    SunucularıKaydet({d.klasör, yedek});
    FormuYokEt<SunucuDeğiştirFormu>();
    Bağlan().VeritabanınaBağlan();

    EXPECT_EQ(Bağlan().Etiket->text(), d.metin);
    EXPECT_TRUE(Bağlan().YenidenDeneDüğmesi->isEnabled());
    EXPECT_EQ(Bağlan().cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(Simge(Bağlan().SimgeKutusu, "BAGLANMA"));
    EXPECT_EQ(Form<AnaForm>().DurumPaneli(2), Yapılamıyor);
    EXPECT_FALSE(Ayarlar::BölümVar("Sunucular"));
    EXPECT_EQ(Değiştir().SunucuListesi->count(), 0);
    EXPECT_FALSE(Ortak::Veritabanı);
    EXPECT_FALSE(Bağlan().Vazgeçildi());
    // Shown in the form only: the network error must not end the program here.
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_TRUE(bitişler.empty());
    EXPECT_TRUE(FormYüklü<AnaForm>());
  }

  // With the list forgotten, a retry asks for the folder again.
  Cevapla({Hayır});
  Bağlan().YenidenDeneDüğmesi->click();
  EXPECT_EQ(Metinler(), QStringList{Soru});
  EXPECT_TRUE(Bağlan().Vazgeçildi());
  EXPECT_FALSE(FormYüklü<AnaForm>());
}

TEST_F(BağlantıTesti, ParolasıTutmayanDosyaHataYordamınaGider) {
  const QString yanlış = YeniVeritabanı("yanlis");
  Veritabanı::Aç(Dosya(yanlış))->Çalıştır("UPDATE VeritabaniGuvenligi SET Ozet = ?", {QByteArray("bozuk")});
  SunucularıKaydet({yanlış});

  Cevapla({Evet});  // go on
  Bağlan().VeritabanınaBağlan();
  EXPECT_EQ(Bağlan().Etiket->text(), "Bir hata dolayısıyla veritabanına bağlanılamadı!");
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
  EXPECT_EQ(mesajlar[0].stil, 20);
  EXPECT_TRUE(mesajlar[0].metin.contains("Hata Kodu: 3031\n"));
  EXPECT_TRUE(Bağlan().YenidenDeneDüğmesi->isEnabled());
  EXPECT_FALSE(Ayarlar::BölümVar("Sunucular"));
  EXPECT_FALSE(Ortak::Veritabanı);

  // Quitting now: the folder that failed is still in SunucuYolu, so start-up must ask Vazgeçildi.
  Cevapla({Evet});
  Bağlan().VazgeçDüğmesi->click();
  EXPECT_EQ(mesajlar.back().metin, ÇıkışSorusu);
  EXPECT_EQ(Bağlan().SunucuYolu, yanlış);
  EXPECT_TRUE(Bağlan().Vazgeçildi());
  EXPECT_FALSE(FormYüklü<AnaForm>());

  // No to the error routine ends the program at once; a folder just found is not kept.
  FormuYokEt<SunucuDeğiştirFormu>();
  seçilecekler = {yanlış};
  Cevapla({Evet, Hayır});
  EXPECT_THROW(Bağlan().VeritabanınaBağlan(), ProgramSonlandı);
  EXPECT_EQ(bitişler, std::vector<int>{1});
  EXPECT_FALSE(Ayarlar::BölümVar("Sunucular"));
}

TEST_F(BağlantıTesti, BağlantıdanSonrakiHataSunucularıSilmez) {
  const QString iyi = YeniVeritabanı("iyi");
  Veritabanı::Aç(Dosya(iyi))->Çalıştır("DROP VIEW KritikStokSorgusu");
  SunucularıKaydet({iyi});
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");

  Cevapla({Evet});
  Bağlan().VeritabanınaBağlan();
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
  EXPECT_FALSE(Ortak::GirişŞifresiSorulsun);
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Sunucular(), (QList<QPair<QString, QString>>{{"Sunucu-1", iyi}}));
  EXPECT_EQ(Bağlan().result(), QDialog::Accepted);
  EXPECT_EQ(Form<AnaForm>().DurumPaneli(2), Tamam);
  EXPECT_FALSE(Bağlan().Vazgeçildi());
}

// --- the form in its own modal loop -------------------------------------------------------------

TEST_F(BağlantıTesti, AçılıştaBağlanırHataDurumundaEscYalnızSorar) {
  VeritabanınaBağlanFormu& form = Bağlan();
  EXPECT_EQ(form.windowTitle(), "Veritabanı Bağlantısı...");
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(form.YenidenDeneDüğmesi->isDefault());

  // A good saved folder: the activation connects and the loop ends by itself.
  SunucularıKaydet({SunucuKlasörü()});
  EXPECT_TRUE(ModalSür(form, [&] { ModalGöster(form); }));
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(Ortak::Veritabanı);

  // A folder that lost its file: the form waits in the failed state; Esc only asks,
  // Enter retries, asks for a folder and connects to the one chosen.
  Ortak::Veritabanı.reset();
  SunucularıKaydet({BoşKlasör("dosyasiz")});
  FormuYokEt<SunucuDeğiştirFormu>();
  const QString iyi = YeniVeritabanı("iyi");
  seçilecekler = {iyi};
  bool başarısızDurum = false, escSonrasıAçık = false;
  const bool kapandı = ModalSür(form, [&] { ModalGöster(form); }, [&] {
    başarısızDurum = QTest::qWaitFor([&] { return form.Etiket->text() == DosyaBulunamadı; });
    Cevapla({Hayır, Hayır});
    QTest::keyClick(&form, Qt::Key_Escape);
    form.VazgeçDüğmesi->setFocus();
    QTest::keyClick(form.VazgeçDüğmesi, Qt::Key_Return);  // the focused button, not the default
    escSonrasıAçık = form.isVisible();
    form.YenidenDeneDüğmesi->setFocus();
    Cevapla({Evet});
    QTest::keyClick(&form, Qt::Key_Return);
  });
  EXPECT_TRUE(kapandı);
  EXPECT_TRUE(başarısızDurum);
  EXPECT_TRUE(escSonrasıAçık);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(Metinler(), (QStringList{ÇıkışSorusu, ÇıkışSorusu, Soru}));
  EXPECT_EQ(Sunucular(), (QList<QPair<QString, QString>>{{"Sunucu-1", iyi}}));
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(iyi));
  EXPECT_FALSE(form.Vazgeçildi());
  EXPECT_TRUE(FormYüklü<AnaForm>());
}

// --- server change form ---------------------------------------------------------------------------

TEST_F(BağlantıTesti, DörtSunucuKuralı) {
  const QString a = YeniVeritabanı("a"), b = YeniVeritabanı("b"), c = YeniVeritabanı("c");
  SunucularıKaydet({a, b, c});
  Ayarlar::Yaz("Ayarlar", "Veritabani", "1");
  const auto kayıtlı = Sunucular();
  SunucuDeğiştirFormu& form = Değiştir();
  form.Form_Activate();
  EXPECT_EQ(form.Etiket[2]->text(), b);

  // A folder already listed is only selected.
  seçilecekler = {a + "/"};
  form.SunucuSeçDüğmesi_Click();
  EXPECT_EQ(form.SunucuListesi->currentRow(), 0);
  EXPECT_EQ(form.Etiket[2]->text(), a);

  // A folder without the file and a cancelled browse change nothing.
  seçilecekler = {BoşKlasör("bos")};
  form.SunucuSeçDüğmesi_Click();
  form.SunucuSeçDüğmesi_Click();
  EXPECT_EQ(Metinler(), QStringList{DosyaYokUyarısı});
  EXPECT_EQ(Liste(form.SunucuListesi), (QStringList{a, b, c}));

  const QString d = YeniVeritabanı("d"), e = YeniVeritabanı("e");
  seçilecekler = {d, e};
  form.SunucuSeçDüğmesi_Click();
  form.SunucuSeçDüğmesi_Click();
  EXPECT_EQ(Liste(form.SunucuListesi), (QStringList{a, b, c, e}));
  EXPECT_EQ(form.SunucuListesi->currentRow(), 3);
  EXPECT_EQ(form.Etiket[2]->text(), e);
  EXPECT_EQ(Bağlan().SunucuYolu, e);
  // Saved only once the folder's database has opened.
  EXPECT_EQ(Sunucular(), kayıtlı);
  form.SeçilenSunucuyaBağlanDüğmesi_Click();
  EXPECT_EQ(Sunucular(), (QList<QPair<QString, QString>>{{"Sunucu-1", a}, {"Sunucu-2", b}, {"Sunucu-3", c}, {"Sunucu-4", e}}));
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "3");

  // A later load reads the same four back.
  FormuYokEt<SunucuDeğiştirFormu>();
  EXPECT_EQ(Liste(Değiştir().SunucuListesi), (QStringList{a, b, c, e}));
}

TEST_F(BağlantıTesti, VazgeçilenDeğişiklikAyarlarıDeğiştirmezHarfBüyüklüğüAyrıKlasördür) {
  const QString büyük = YeniVeritabanı("Depo"), küçük = YeniVeritabanı("depo");
  const QString b = YeniVeritabanı("b"), c = YeniVeritabanı("c"), d = YeniVeritabanı("d"), e = YeniVeritabanı("e");
  SunucularıKaydet({b, c, d, büyük});
  Ayarlar::Yaz("Ayarlar", "Veritabani", "3");
  Ortak::Veritabanı = Veritabanı::Aç(Dosya(büyük));
  const auto kayıtlı = Sunucular();

  // A fifth folder, then "Vazgeç": the settings stay as they were and the next start opens the old folder.
  SunucuDeğiştirFormu& form = Değiştir();
  QStringList gösterilen;
  seçilecekler = {e};
  EXPECT_TRUE(ModalSür(form, [] { SunucuDeğiştir(); }, [&] {
    QTest::mouseClick(form.SunucuSeçDüğmesi, Qt::LeftButton);
    gösterilen = Liste(form.SunucuListesi);
    QTest::mouseClick(form.VaçgeçDüğmesi, Qt::LeftButton);
  }));
  EXPECT_EQ(gösterilen, (QStringList{b, c, d, e}));
  EXPECT_EQ(Sunucular(), kayıtlı);
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "3");
  FormuYokEt<SunucuDeğiştirFormu>();
  Ortak::Veritabanı.reset();
  Bağlan().VeritabanınaBağlan();
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(büyük));

  // The same name in small letters is another folder: it is added, and its own file is opened.
  SunucularıKaydet({b, c, d, büyük});
  FormuYokEt<SunucuDeğiştirFormu>();
  SunucuDeğiştirFormu& yeniden = Değiştir();
  seçilecekler = {küçük};
  EXPECT_TRUE(ModalSür(yeniden, [] { SunucuDeğiştir(); }, [&] {
    QTest::mouseClick(yeniden.SunucuSeçDüğmesi, Qt::LeftButton);
    gösterilen = Liste(yeniden.SunucuListesi);
    QTest::mouseClick(yeniden.SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
  }));
  EXPECT_EQ(gösterilen, (QStringList{b, c, d, küçük}));
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(küçük));
  EXPECT_EQ(Sunucular().back(), (QPair<QString, QString>{"Sunucu-4", küçük}));
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "3");
  // Each browse opened at the folder in use.
  EXPECT_EQ(gözatBaşlangıçları, (QStringList{büyük, büyük}));
}

TEST_F(BağlantıTesti, SunucuDeğiştirmedeAçılamayanVeritabanıEskisiniKorur) {
  Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
  const ::Veritabanı* eski = Ortak::Veritabanı.get();
  const QString yanlış = YeniVeritabanı("yanlis");
  Veritabanı::Aç(Dosya(yanlış))->Çalıştır("UPDATE VeritabaniGuvenligi SET Ozet = ?", {QByteArray("bozuk")});
  const QString yeni = YeniVeritabanı("yeni");
  SunucularıKaydet({SunucuKlasörü(), BoşKlasör("dosyasiz"), yanlış, yeni});
  Ayarlar::Yaz("Ayarlar", "Veritabani", "0");

  SunucuDeğiştirFormu& form = Değiştir();
  bool ilkSeçili = false, eskiKaldı = false, eskiKaldıHatadan = false, açıkKaldı = false;
  const bool kapandı = ModalSür(form, [] { SunucuDeğiştir(); }, [&] {
    ilkSeçili = form.SunucuListesi->currentRow() == 0;
    form.SunucuListesi->setCurrentRow(1);
    QTest::mouseClick(form.SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
    eskiKaldı = Ortak::Veritabanı.get() == eski;

    Cevapla({Evet});
    form.SunucuListesi->setCurrentRow(2);
    QTest::mouseClick(form.SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
    eskiKaldıHatadan = Ortak::Veritabanı.get() == eski && Ayarlar::Oku("Ayarlar", "Veritabani") == "0";
    açıkKaldı = form.isVisible();

    form.SunucuListesi->setCurrentRow(3);
    form.SeçilenSunucuyaBağlanDüğmesi->setFocus();
    QTest::keyClick(form.SeçilenSunucuyaBağlanDüğmesi, Qt::Key_Return);
  });
  EXPECT_TRUE(ilkSeçili);
  EXPECT_TRUE(eskiKaldı);
  EXPECT_TRUE(eskiKaldıHatadan);
  EXPECT_TRUE(açıkKaldı);
  ASSERT_EQ(mesajlar.size(), 2u);
  EXPECT_EQ(mesajlar[0].metin, DosyaBulunamadı);
  EXPECT_EQ(mesajlar[0].stil, 64);
  EXPECT_EQ(mesajlar[1].başlık, "Hata oluştu!");
  EXPECT_TRUE(mesajlar[1].metin.contains("Hata Kodu: 3031\n"));

  EXPECT_TRUE(kapandı);
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(yeni));
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "3");
  EXPECT_EQ(Form<AnaForm>().DurumPaneli(2), Tamam);
  EXPECT_EQ(Sunucular().size(), 4);  // a failed change forgets nothing
  EXPECT_TRUE(FormYüklü<AnaForm>());
  EXPECT_FALSE(form.Yüklü());
}

TEST_F(BağlantıTesti, SunucuDeğiştirmedeVazgeç) {
  Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
  SunucularıKaydet({SunucuKlasörü()});
  SunucuDeğiştirFormu& form = Değiştir();
  EXPECT_TRUE(ModalSür(form, [] { SunucuDeğiştir(); }, [&] { QTest::keyClick(&form, Qt::Key_Escape); }));
  EXPECT_FALSE(form.Yüklü());
  EXPECT_TRUE(FormYüklü<AnaForm>());

  // Without a database the program cannot go on.
  Ortak::Veritabanı.reset();
  EXPECT_TRUE(ModalSür(form, [] { SunucuDeğiştir(); },
                       [&] { QTest::mouseClick(form.VaçgeçDüğmesi, Qt::LeftButton); }));
  EXPECT_FALSE(FormYüklü<AnaForm>());
  EXPECT_TRUE(mesajlar.empty());
}

// --- the planner's statistics --------------------------------------------------------------------

// Movements written after the file was created, with no statistics gathered for them.
void Hareketler(Veritabanı& vt) {
  Veritabanı::İşlem işlem(vt);
  for (const char* tablo : {"Giris", "Cikis"})
    for (int i = 0; i < 5000; ++i)
      vt.Çalıştır(QString("INSERT INTO %1IslemleriTablosu (UrunNo, DepoNo, %1Nedeni, IslemTarihi, %1Miktari) "
                          "VALUES (?, ?, 1, '2026-01-01', 1)")
                      .arg(tablo),
                  {i % 50, 1 + i % 10});
  işlem.Onayla();
}

std::string StokPlanı() {
  KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(
      "EXPLAIN QUERY PLAN " + VeritabanıOluşturucu::SorguMetni("MevcutStokSorgusu"), {1, 10, "2000", "2100", 99});
  std::string plan;
  for (; !k.Sonda(); k.MoveNext()) plan += k.Metin("detail").toStdString() + '\n';
  return plan;
}

TEST_F(BağlantıTesti, BağlanıncaİstatistiklerTazelenirYazanVarsaAtlanır) {
  const QString a = YeniVeritabanı("a"), b = YeniVeritabanı("b"), kilitli = YeniVeritabanı("kilitli");
  for (const QString& k : {a, b, kilitli}) Hareketler(*Veritabanı::Aç(Dosya(k)));
  SunucularıKaydet({a, b, kilitli});
  const auto bağlan = [&](int sıra) {
    Değiştir().Yükle();
    Değiştir().SunucuListesi->setCurrentRow(sıra);
    QTest::mouseClick(Değiştir().SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
  };

  // At start-up and on a server change the stock list reads its covering index.
  Bağlan().VeritabanınaBağlan();
  ASSERT_TRUE(Ortak::Veritabanı);
  EXPECT_THAT(StokPlanı(), ::testing::HasSubstr("COVERING INDEX GirisUrunDepo"));
  bağlan(1);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(b));
  EXPECT_THAT(StokPlanı(), ::testing::HasSubstr("COVERING INDEX GirisUrunDepo"));

  // Another workstation in the middle of writing: the connection stands all the same.
  auto yazan = Veritabanı::Aç(Dosya(kilitli));
  Veritabanı::İşlem işlem(*yazan);
  yazan->Çalıştır("DELETE FROM DepoBilgileriTablosu");
  bağlan(2);
  EXPECT_EQ(Ortak::Veritabanı->Yol(), Dosya(kilitli));
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(Form<AnaForm>().DurumPaneli(2), Tamam);
  EXPECT_NO_THROW(işlem.Onayla());
}

// Two copies have "Sunucu Değiştirme" open at once. One adds a folder and connects to it; then the
// other, whose list was read before, connects to a listed folder or adds one of its own. Each
// applies only what it changed to the list as the file holds it then: a folder the other added
// stays, and no more than four are kept, the newest taking the fourth's place.
TEST_F(BağlantıTesti, AynıAndaAçıkİkiSunucuDeğiştirmeBirbirininSunucusunuSilmez) {
  QStringList s;
  for (const char* ad : {"s1", "s2", "s3", "s4", "a", "b"}) s << YeniVeritabanı(ad);
  const QString a = s[4], b = s[5];
  const struct {
    int kayıtlı;
    QString bEkler;  // empty: the other connects to the first listed folder
    QStringList beklenen;
    const char* veritabanı;
  } durumlar[] = {
      {1, {}, {s[0], a}, "0"},
      {1, b, {s[0], a, b}, "2"},
      {3, b, {s[0], s[1], s[2], b}, "3"},
      {4, b, {s[0], s[1], s[2], b}, "3"},
  };
  // A copy of its own: its form open, it waits for its turn, then does its part and ends.
  const auto kopya = [&](const QString& eklenecek, int hazır, int sıra) {
    // Threads do not go with a fork: the drawing threads Qt keeps idle would never answer the copy.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    Ortak::Veritabanı = Veritabanı::Aç(Dosya(s[0]));
    seçilecekler = {eklenecek};
    SunucuDeğiştirFormu& form = Değiştir();
    bool bağlandı = false;
    const bool kapandı = ModalSür(form, [] { SunucuDeğiştir(); }, [&] {
      char c = 0;
      if (write(hazır, "h", 1) != 1 || read(sıra, &c, 1) != 1) return;
      if (eklenecek.isEmpty())
        QTest::mouseClick(form.SunucuListesi->viewport(), Qt::LeftButton, {},
                          form.SunucuListesi->visualItemRect(form.SunucuListesi->item(0)).center());
      else
        QTest::mouseClick(form.SunucuSeçDüğmesi, Qt::LeftButton);
      QTest::mouseClick(form.SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
      bağlandı = Ortak::Veritabanı->Yol() == Dosya(eklenecek.isEmpty() ? s[0] : eklenecek);
    });
    std::_Exit(kapandı && bağlandı && mesajlar.empty() ? 0 : 1);
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.kayıtlı << " " << d.bEkler.isEmpty());
    Ayarlar::BölümüSil("Sunucular");
    SunucularıKaydet(s.mid(0, d.kayıtlı));
    Ayarlar::Yaz("Ayarlar", "Veritabani", "0");
    FormuYokEt<SunucuDeğiştirFormu>();
    int hazır[2], sıraA[2], sıraB[2];
    ASSERT_TRUE(pipe(hazır) == 0 && pipe(sıraA) == 0 && pipe(sıraB) == 0);
    const pid_t kopyaA = kopya(a, hazır[1], sıraA[0]), kopyaB = kopya(d.bEkler, hazır[1], sıraB[0]);
    char c = 0;
    ASSERT_TRUE(read(hazır[0], &c, 1) == 1 && read(hazır[0], &c, 1) == 1);  // both forms read the list
    int durumA = -1, durumB = -1;
    EXPECT_EQ(write(sıraA[1], "a", 1), 1);
    EXPECT_EQ(waitpid(kopyaA, &durumA, 0), kopyaA);
    EXPECT_EQ(write(sıraB[1], "b", 1), 1);
    EXPECT_EQ(waitpid(kopyaB, &durumB, 0), kopyaB);
    for (int fd : {hazır[0], hazır[1], sıraA[0], sıraA[1], sıraB[0], sıraB[1]}) close(fd);
    EXPECT_EQ(durumA, 0);
    EXPECT_EQ(durumB, 0);
    QStringList kalan;
    for (const auto& [anahtar, klasör] : Sunucular()) kalan << klasör;
    EXPECT_EQ(kalan, d.beklenen);
    EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), d.veritabanı);
  }
}

}  // namespace
