#include "AnaForm.h"
#include "Ayarlar.h"
#include "BaglantiSonrasi.h"
#include "FormYoneticisi.h"
#include "GirisSifresiBelirleDegistirFormu.h"
#include "GirisSifresiSorFormu.h"
#include "KabukTestOrtami.h"
#include "KritikStokListesiFormu.h"
#include "SikiListeGorunumu.h"
#include "Platform.h"
#include "SifreModulu.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using namespace OrtakYordamlarModülü;
using Platform::Cevap::Evet;
using Platform::Cevap::Hayır;

QString Karıştır(const QString& metin) { return ŞifreKarıştır(metin, ŞifreTablosu, ŞifreAnahtarı); }
QString Ayar(const QString& anahtar) { return Ayarlar::Oku("Ayarlar", anahtar, "<yok>"); }
void Yaz(QLineEdit* kutu, const QString& metin) { kutu->clear(); QTest::keyClicks(kutu, metin); }
void Tıkla(QPushButton* düğme) { QTest::mouseClick(düğme, Qt::LeftButton); }

TEST(ŞifreKarıştırTesti, BilinenDeğerlerVeGeriDönüş) {
  EXPECT_EQ(Karıştır("1234"), "2626");
  EXPECT_EQ(Karıştır("0000"), "6");
  EXPECT_EQ(Karıştır("000000"), "6");  // every all-zero entry matches an all-zero password
  EXPECT_EQ(Karıştır("12a4"), "2686");  // a character outside the table gives the table's first
  // Twice gives the text back, except where one of the two texts reads as zero.
  for (int n = 1; n < 10000; ++n) {
    const QString metin = QString::number(n).rightJustified(4, u'0');
    const QString karışık = Karıştır(metin);
    ASSERT_EQ(karışık.size(), 4);
    if (metin == "6471") continue;
    ASSERT_EQ(Karıştır(karışık), metin) << metin.toStdString();
  }
  EXPECT_EQ(Karıştır("6471"), "0000");
}

class GirişŞifresiTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    Ortak::GirişŞifresiSorulsun = false;
    Ortak::KritikStokUyarısı = 0;
    Form<AnaForm>().Yükle();
  }
  void TearDown() override {
    FormuYokEt<GirişŞifresiSorFormu>();
    FormuYokEt<GirişŞifresiBelirleDeğiştirFormu>();
    Ortak::GirişŞifresiSorulsun = false;
    KabukTestOrtamı::TearDown();
  }
  // Runs `adımlar` inside the form's own modal loop; a form left open is closed after them.
  template <class F, class G, class A>
  static void Sür(F& form, G göster, A adımlar) {
    QTimer::singleShot(0, &form, [&form, adımlar] {
      adımlar();
      if (form.isVisible()) form.done(QDialog::Rejected);
    });
    göster();
  }
  QString SonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }
};

TEST_F(GirişŞifresiTesti, DoğruŞifreİstemiKapatırUyarıyıÇalıştırır) {
  Ayarlar::Yaz("Ayarlar", "GirisSifresi", "2626");
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  auto& form = Form<GirişŞifresiSorFormu>();
  EXPECT_FALSE(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
  Sür(form, GirişŞifresiSor, [&] {
    QTest::keyClicks(form.ŞifreKutusu, "1a2 -3,4");  // only the digits get in
    EXPECT_EQ(form.ŞifreKutusu->text(), "1234");
    EXPECT_EQ(form.ŞifreKutusu->displayText(), "****");
    QTest::keyClick(form.ŞifreKutusu, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
  });
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_TRUE(bitişler.empty());
  EXPECT_TRUE(FormYüklü<AnaForm>());
  EXPECT_EQ(Ortak::KritikStokUyarısı, 1);  // the warning ran (no critical stock: nothing shown)
}

TEST_F(GirişŞifresiTesti, DoğruŞifredenSonraKritikStokListesiGösterilir) {
  vt->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES ('A', 'ARMUT')");
  vt->Çalıştır("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('M', 'MERKEZ')");
  vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (1, 1, 5)");
  Ayarlar::Yaz("Ayarlar", "GirisSifresi", "2626");
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  auto& form = Form<GirişŞifresiSorFormu>();
  auto& liste = Form<KritikStokListesiFormu>();
  int satırlar = -1;
  QTimer izleyici;
  QObject::connect(&izleyici, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() == &liste) {
      satırlar = liste.KritikStokListesi->SatırSayısı();
      liste.reject();
    }
  });
  izleyici.start(5);
  Sür(form, GirişŞifresiSor, [&] {
    Yaz(form.ŞifreKutusu, "1234");
    Tıkla(form.TamamDüğmesi);
  });
  izleyici.stop();
  EXPECT_EQ(satırlar, 1);
  EXPECT_TRUE(mesajlar.empty());
  FormuYokEt<KritikStokListesiFormu>();
}

TEST_F(GirişŞifresiTesti, ÜçüncüYanlışŞifreProgramıBitirirKısaGirişlerSayılmaz) {
  Ayarlar::Yaz("Ayarlar", "GirisSifresiSor", "-1");
  Ayarlar::Yaz("Ayarlar", "GirisSifresi", "2626");
  Ayarlar::Yaz("Ayarlar", "KritikStokUyarisi", "1");
  auto& form = Form<GirişŞifresiSorFormu>();
  Sür(form, GirişŞifresiSor, [&] {
    Tıkla(form.TamamDüğmesi);
    EXPECT_EQ(SonMesaj(), "Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!");
    for (int i = 0; i < 2; ++i) {
      Yaz(form.ŞifreKutusu, "123");
      Tıkla(form.TamamDüğmesi);
      EXPECT_EQ(SonMesaj(), "Şifre en az 4 rakam olmalıdır!");
      EXPECT_EQ(form.ŞifreKutusu->text(), "123");
      Yaz(form.ŞifreKutusu, "4321");
      Tıkla(form.TamamDüğmesi);
      EXPECT_EQ(SonMesaj(), "Şifre yanlış!");
      EXPECT_TRUE(form.ŞifreKutusu->text().isEmpty());
      EXPECT_EQ(form.focusWidget(), form.ŞifreKutusu);
      ASSERT_TRUE(form.isVisible());
    }
    Yaz(form.ŞifreKutusu, "1234567890");
    EXPECT_THROW(form.TamamDüğmesi_Click(), ProgramSonlandı);
    EXPECT_FALSE(form.isVisible());
  });
  ASSERT_EQ(mesajlar.size(), 6u);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(mesajlar[i].stil, 64);
  EXPECT_EQ(mesajlar[5].metin, "3 kez yanlış şifre girildiği için program kapatılacak!");
  EXPECT_EQ(mesajlar[5].stil, 48);
  EXPECT_EQ(bitişler, std::vector<int>{0});
  EXPECT_FALSE(FormYüklü<AnaForm>());
  EXPECT_EQ(Ortak::KritikStokUyarısı, 0);
  EXPECT_EQ(Ayar("GirisSifresi"), "2626");
}

TEST_F(GirişŞifresiTesti, İptalVeEscSessizceProgramıBitirir) {
  auto& form = Form<GirişŞifresiSorFormu>();
  form.show();
  EXPECT_THROW(form.İptalDüğmesi_Click(), ProgramSonlandı);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(FormYüklü<AnaForm>());
  form.show();
  EXPECT_THROW(form.reject(), ProgramSonlandı);  // what Esc calls
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(bitişler, (std::vector<int>{0, 0}));
}

TEST_F(GirişŞifresiTesti, BelirlemeDoğrulamaİsterVeSıfırlarıTekRakamSaklar) {
  auto& form = Form<GirişŞifresiBelirleDeğiştirFormu>();
  Sür(form, GirişŞifresiBelirleDeğiştirFormunuGöster, [&] {
    EXPECT_EQ(form.windowTitle(), "Giriş Şifresi Belirle");
    EXPECT_EQ(form.Etiket[0]->text(), "Şifre :");
    EXPECT_EQ(form.İptalDüğmesi->text(), "İptal");
    Tıkla(form.TamamDüğmesi);
    EXPECT_EQ(SonMesaj(), "Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!");
    Yaz(form.ŞifreKutusu, "000");
    Tıkla(form.TamamDüğmesi);
    EXPECT_EQ(SonMesaj(), "Şifre en az 4 rakam olmalıdır!");
    Yaz(form.ŞifreKutusu, "0000");
    Tıkla(form.TamamDüğmesi);
    EXPECT_EQ(SonMesaj(), "Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!");
    EXPECT_EQ(form.focusWidget(), form.ŞifreDoğrulaKutusu);
    QTest::keyClicks(form.ŞifreDoğrulaKutusu, "00000000000");  // the eleventh digit is refused
    Tıkla(form.TamamDüğmesi);
    EXPECT_EQ(SonMesaj(), "Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen kontrol ediniz.");
    EXPECT_EQ(form.ŞifreDoğrulaKutusu->text(), "0000000000");
    Cevapla({Hayır});
    Tıkla(form.İptalDüğmesi);
    EXPECT_EQ(SonMesaj(), "'Giriş Şifresi' belirlemek istemiyor musunuz?");
    EXPECT_EQ(mesajlar.back().stil, 36);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.ŞifreKutusu->text(), "0000");
    Yaz(form.ŞifreDoğrulaKutusu, "0000");
    Tıkla(form.TamamDüğmesi);
    EXPECT_FALSE(form.isVisible());
  });
  EXPECT_EQ(mesajlar.size(), 5u);  // no confirmation after saving
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(mesajlar[i].stil, 64);
  EXPECT_TRUE(Ortak::GirişŞifresiSorulsun);
  EXPECT_EQ(Ayar("GirisSifresiSor"), "-1");
  EXPECT_EQ(Ayar("GirisSifresi"), "6");
  EXPECT_TRUE(form.ŞifreKutusu->text().isEmpty());  // unloaded: empty boxes next time
}

TEST_F(GirişŞifresiTesti, DeğiştirmeVeKaldırma) {
  Ortak::GirişŞifresiSorulsun = true;
  Ayarlar::Yaz("Ayarlar", "GirisSifresiSor", "-1");
  Ayarlar::Yaz("Ayarlar", "GirisSifresi", "2626");
  auto& form = Form<GirişŞifresiBelirleDeğiştirFormu>();
  Sür(form, GirişŞifresiBelirleDeğiştirFormunuGöster, [&] {
    EXPECT_EQ(form.windowTitle(), "Giriş Şifresi Değiştir");
    EXPECT_EQ(form.Etiket[0]->text(), "Yeni Şifre :");
    EXPECT_EQ(form.İptalDüğmesi->text(), "Şifreyi Kaldır");
    Yaz(form.ŞifreKutusu, "567890");
    Yaz(form.ŞifreDoğrulaKutusu, "567890");
    Tıkla(form.TamamDüğmesi);
  });
  EXPECT_EQ(Ayar("GirisSifresi"), Karıştır("567890"));
  EXPECT_TRUE(Ortak::GirişŞifresiSorulsun);

  // Esc asks with No preselected; No, like the close box, changes nothing.
  Sür(form, GirişŞifresiBelirleDeğiştirFormunuGöster, [&] {
    Yaz(form.ŞifreKutusu, "1111");
    QTest::keyClick(form.ŞifreKutusu, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
  });
  Sür(form, GirişŞifresiBelirleDeğiştirFormunuGöster, [&] {
    EXPECT_TRUE(form.ŞifreKutusu->text().isEmpty());
    form.close();
  });
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].metin, "'Giriş Şifresi'ni kaldırmak istiyor musunuz?");
  EXPECT_EQ(mesajlar[0].stil, 292);
  EXPECT_EQ(Ayar("GirisSifresi"), Karıştır("567890"));

  Cevapla({Evet});
  Sür(form, GirişŞifresiBelirleDeğiştirFormunuGöster, [&] { Tıkla(form.İptalDüğmesi); });
  EXPECT_FALSE(Ortak::GirişŞifresiSorulsun);
  EXPECT_EQ(Ayar("GirisSifresiSor"), "0");
  EXPECT_EQ(Ayar("GirisSifresi"), "");
}

}  // namespace
