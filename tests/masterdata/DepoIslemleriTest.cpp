#include "DepoIslemleriFormu.h"
#include "Platform.h"
#include "TanimTestOrtami.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using Platform::Cevap::Evet;

class DepoFormuTesti : public TanımFormuTesti {
protected:
  void Depo(const char* kod, const char* ad) {
    vt->Çalıştır("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)",
                 {QString::fromUtf8(kod), QString::fromUtf8(ad)});
  }
  void Ekle(DepoİşlemleriFormu& f, const QString& kod, const QString& ad) {
    Tıkla(f.EkleDüğmesi);
    Yaz(f.DepoKoduKutusu, kod);
    QTest::keyClick(f.DepoKoduKutusu, Qt::Key_Return);
    Yaz(f.DepoAdıKutusu, ad);
    Tıkla(f.SilKaydetDüğmesi);
  }
};

TEST_F(DepoFormuTesti, KayıtDenetimleriSırasıylaAdBüyükKüçükHarfFarkıylaDaTekrarlanamaz) {
  Depo("M", "Merkez");
  auto& f = Aç<DepoİşlemleriFormu>();
  const std::tuple<const char*, const char*, QWidget*, const char*> sıra[] = {
      {"", "", f.DepoKoduKutusu, "DEPO KODU boş bırakılamaz!"},
      {"M", "", f.DepoAdıKutusu, "DEPO ADI boş bırakılamaz!"},
      {"X", "merkez", f.DepoAdıKutusu,
       "Girmeye çalıştığınız DEPO ADI daha önce girilmiş!\n\nLütfen, değiştirip yeniden deneyiniz."},
  };
  for (const auto& [kod, ad, alan, mesaj] : sıra) {
    Ekle(f, kod, ad);
    EXPECT_EQ(SonMesaj(), mesaj);
    EXPECT_EQ(f.KayıtKipi, TanımFormu::YeniKayıt);
    EXPECT_EQ(QApplication::focusWidget(), alan);
    EXPECT_EQ(f.DepoKoduKutusu->text(), QString(kod));
    QTest::keyClick(f.DepoAdıKutusu, Qt::Key_Escape);
  }
  // A code may repeat; a name holding pattern characters finds itself after the save.
  mesajlar.clear();
  Ekle(f, "M", "%5_[A] DEPO");
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(Liste(f), QStringList{"%5_[A] DEPO"});
  EXPECT_EQ(f.DepoKoduKutusu->text(), "M");
  // By code: codes are listed.
  f.AramaSeçeneği[1]->setChecked(true);
  Ara(f, "m");
  EXPECT_EQ(Liste(f), (QStringList{"M", "M"}));
  EXPECT_TRUE(f.DepoKoduKutusu->text().isEmpty());
  f.AramaKutusu->clear();
  Tıkla(f.AraDüğmesi);
  EXPECT_EQ(SonMesaj(), "Aradığınız depoyu bulmanız için en az BİR HARF girmelisiniz!");
  EXPECT_EQ(f.BulunanListe->count(), 0);
}

TEST_F(DepoFormuTesti, GirişiOlanDepoSilinmezGirişlerSilininceSilinir) {
  Depo("A", "ANKARA");
  vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (9, 1, 1, 1)");
  auto& f = Aç<DepoİşlemleriFormu>();
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "'Bulunan Depolar' listeniz BOŞ! Lütfen, önce arama yaparak depo bulunuz.");
  Ara(f, "ank");
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "Lütfen, 'Bulunan Depolar' listesinden bir depo SEÇİNİZ!");
  f.BulunanListe->setCurrentRow(0);
  EXPECT_EQ(f.DepoAdıKutusu->text(), "ANKARA");
  mesajlar.clear();
  Tıkla(f.SilKaydetDüğmesi);
  ASSERT_EQ(mesajlar.size(), 1u);  // no question for a warehouse that cannot go
  EXPECT_EQ(SonMesaj(), "Bu depoya GİRİŞ yapıldığı için, önce bu giriş işlem(ler)ini silmeniz gerekir!");

  vt->Çalıştır("DELETE FROM GirisIslemleriTablosu");
  Cevapla({Evet});
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "Seçilen depoyu SİLMEK istediğinizden emin misiniz?");
  EXPECT_EQ(f.BulunanListe->count(), 0);
  EXPECT_TRUE(f.DepoAdıKutusu->text().isEmpty());
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT Count(*) AS n FROM DepoBilgileriTablosu").Tamsayı("n"), 0);
}

}  // namespace
