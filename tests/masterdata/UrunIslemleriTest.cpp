#include "Ayarlar.h"
#include "Platform.h"
#include "TanimTestOrtami.h"
#include "UrunIslemleriFormu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using Platform::Cevap::Evet;
using OrtakYordamlarModülü::BirimAğırlığıBüyükMetni;
using OrtakYordamlarModülü::ÖnceEklenipSilinmişMetni;
using OrtakYordamlarModülü::ÖnceEklenmişMetni;

class ÜrünFormuTesti : public TanımFormuTesti {
protected:
  qint64 Ürün(const char* kod, const char* ad) {
    vt->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi, PaketlemeAdedi) "
                 "VALUES (?, ?, 2.5, 1200)",
                 {QString::fromUtf8(kod), QString::fromUtf8(ad)});
    return vt->SonEklenenNo();
  }
  // A new product through the form, leaving each field by Enter.
  void Ekle(ÜrünİşlemleriFormu& f, const QString& kod, const QString& ad, const QString& birim = {}) {
    Tıkla(f.EkleDüğmesi);
    Yaz(f.ÜrünKoduKutusu, kod);
    f.ÜrünAdıKutusu->setFocus();
    Yaz(f.ÜrünAdıKutusu, ad);
    f.BirimTürüKutusu->setFocus();
    Yaz(f.BirimTürüKutusu, birim);
    Tıkla(f.SilKaydetDüğmesi);
  }
};

TEST_F(ÜrünFormuTesti, AlanlarYazarkenVeAyrılırkenAilelerineUyar) {
  auto& f = Aç<ÜrünİşlemleriFormu>();
  Tıkla(f.EkleDüğmesi);
  ASSERT_EQ(QApplication::focusWidget(), f.ÜrünKoduKutusu);
  struct Durum {
    QLineEdit* alan;
    QString yazılan, yazarken, ayrılınca;
  } const durumlar[] = {
      {f.ÜrünKoduKutusu, "a'b ", "A'B ", "A’B"},
      {f.ÜreticiKoduKutusu, "iıçş", "İIÇŞ", "İIÇŞ"},
      {f.BirimAğırlığıKutusu, "12,5,3", "12,53", "12,53"},  // the second comma is refused
      {f.BirimAğırlığıKutusu, "1234", "1234", "1.234,00"},
      {f.BirimAğırlığıKutusu, ",", "", ""},
      {f.PaketlemeAdediKutusu, "12a,-3.4", "1234", "1.234"},
      {f.AskılamaSayısıKutusu, "7", "7", "7"},
  };
  for (const Durum& d : durumlar) {
    d.alan->setFocus();
    d.alan->clear();
    Yaz(d.alan, d.yazılan);
    EXPECT_EQ(d.alan->text(), d.yazarken) << d.yazılan.toStdString();
    QTest::keyClick(d.alan, Qt::Key_Return);  // Enter moves on, and the field is left
    EXPECT_NE(QApplication::focusWidget(), d.alan);
    EXPECT_EQ(d.alan->text(), d.ayrılınca) << d.yazılan.toStdString();
  }
  EXPECT_EQ(QApplication::focusWidget(), f.AçıklamaKutusu);
}

TEST_F(ÜrünFormuTesti, KayıtDenetimleriSırasıylaVeKayıtSonrasıKaydedilenGösterilir) {
  Ürün("vd-1", "VİDA");
  Ürün("vd-9", "VİDA");
  auto& f = Aç<ÜrünİşlemleriFormu>();
  const std::pair<const char*, const char*> sıra[] = {
      {"", "ÜRÜN KODU boş bırakılamaz!"},
      {"VD-1", "Girmeye çalıştığınız ÜRÜN KODU daha önce girilmiş!\n\nLütfen, değiştirip yeniden deneyiniz."},
      {"VD-2", "ÜRÜN ADI boş bırakılamaz!"},
  };
  for (const auto& [kod, mesaj] : sıra) {
    Ekle(f, kod, "");
    EXPECT_EQ(SonMesaj(), mesaj);
    EXPECT_EQ(f.KayıtKipi, TanımFormu::YeniKayıt);
    EXPECT_EQ(QApplication::focusWidget(), QString(kod) == "VD-2" ? static_cast<QWidget*>(f.ÜrünAdıKutusu)
                                                                  : f.ÜrünKoduKutusu);
    Tıkla(f.KapatİptalDüğmesi);
  }
  // Same name as another: the saved one is shown; empty numbers are stored as 0.
  mesajlar.clear();
  Ekle(f, "vd-2", "vida", "adet");
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_EQ(f.KayıtKipi, TanımFormu::Gözat);
  EXPECT_EQ(f.ArananÜrünKutusu->text(), "VİDA");
  EXPECT_EQ(Liste(f), (QStringList{"VİDA", "VİDA", "VİDA"}));
  EXPECT_EQ(f.ÜrünKoduKutusu->text(), "VD-2");
  EXPECT_EQ(f.BirimAğırlığıKutusu->text(), "0,00");
  EXPECT_EQ(f.PaketlemeAdediKutusu->text(), "0");
  EXPECT_EQ(QApplication::focusWidget(), f.BulunanÜrünlerListesi);

  // Changing it: its own code passes, the other's is refused.
  Tıkla(f.DeğiştirDüğmesi);
  f.ÜreticiKoduKutusu->setFocus();
  Yaz(f.ÜreticiKoduKutusu, "x");
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(f.ÜreticiKoduKutusu->text(), "X");
  Tıkla(f.DeğiştirDüğmesi);
  f.ÜrünKoduKutusu->clear();
  Yaz(f.ÜrünKoduKutusu, "VD-1");
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), std::get<1>(sıra[1]));

  // Meanwhile another workstation deleted it: said so, nothing written.
  mesajlar.clear();
  vt->Çalıştır("DELETE FROM UrunBilgileriTablosu WHERE UrunKodu = 'VD-2'");
  f.ÜrünKoduKutusu->clear();
  Yaz(f.ÜrünKoduKutusu, "VD-3");
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(),
            "Değiştirdiğiniz ürün, bu arada başka bir bilgisayardan silinmiş! Değişiklikler kaydedilemedi.");
  // Back in browse without its entry, and nothing tried to read it again.
  EXPECT_EQ(f.KayıtKipi, TanımFormu::Gözat);
  EXPECT_EQ(Liste(f).size(), 2);
  EXPECT_EQ(mesajlar.size(), 1u);
  // Another entry of the list deleted meanwhile: choosing it says so, and the program goes on.
  vt->Çalıştır("DELETE FROM UrunBilgileriTablosu WHERE UrunKodu = 'vd-9'");
  for (int i = 0; i < f.BulunanListe->count(); ++i) f.BulunanListe->setCurrentRow(i);
  EXPECT_EQ(SonMesaj(),
            "Seçilen kayıt, bu arada başka bir bilgisayardan silinmiş! Lütfen, pencereyi kapatıp yeniden açınız.");
  EXPECT_EQ(mesajlar.size(), 2u);
}

TEST_F(ÜrünFormuTesti, GirişiOlanSilinmezSilineninKomşusuSeçilir) {
  for (const char* ad : {"A1", "A2", "A3", "A4", "A5"}) Ürün(ad, ad);
  vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (3, 1, 1, 1)");
  auto& f = Aç<ÜrünİşlemleriFormu>();
  Ara(f, "a");
  f.BulunanListe->setCurrentRow(2);
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(SonMesaj(), "Bu üründen GİRİŞ yapıldığı için, önce bu giriş işlem(ler)ini silmeniz gerekir!");
  EXPECT_EQ(Liste(f).size(), 5);

  vt->Çalıştır("DELETE FROM GirisIslemleriTablosu");
  // Each delete: the row to select, the list and what the fields then show.
  struct Adım {
    int satır;
    QString seçilen;
    QStringList kalan;
  } const adımlar[] = {
      {2, "A2", {"A1", "A2", "A4", "A5"}},
      {0, "A2", {"A2", "A4", "A5"}},
      {1, "A2", {"A2", "A5"}},
  };
  for (const Adım& a : adımlar) {
    f.BulunanListe->setCurrentRow(a.satır);
    Cevapla({Evet});
    Tıkla(f.SilKaydetDüğmesi);
    EXPECT_EQ(SonMesaj(), "Seçilen ürünü SİLMEK istediğinizden emin misiniz?");
    EXPECT_EQ(mesajlar.back().stil, 292);
    EXPECT_EQ(Liste(f), a.kalan);
    EXPECT_EQ(Seçili(f), a.seçilen);
    EXPECT_EQ(f.ÜrünKoduKutusu->text(), a.seçilen);
  }
  // No keeps it.
  Tıkla(f.SilKaydetDüğmesi);
  EXPECT_EQ(Liste(f).size(), 2);
}

TEST_F(ÜrünFormuTesti, BirimTürleriEnÇokOnTaneYenisiÜstte) {
  auto& f = Aç<ÜrünİşlemleriFormu>();
  // Typed in lower case, kept as upper-cased while typing.
  for (int i = 1; i <= 11; ++i) Ekle(f, QStringLiteral("K%1").arg(i), "CIVATA", QStringLiteral("b%1").arg(i));
  Ekle(f, "K12", "CIVATA", "b11");  // a kind already listed is not added again
  ASSERT_EQ(f.BirimTürüKutusu->count(), 10);
  EXPECT_EQ(f.BirimTürüKutusu->itemText(0), "B11");
  EXPECT_EQ(f.BirimTürüKutusu->itemText(9), "B2");
  EXPECT_EQ(Ayarlar::Oku("BirimTurleri", "Sira-1"), "B11");

  // Opened again, the kinds come from the settings.
  Tıkla(f.KapatİptalDüğmesi);
  ASSERT_FALSE(f.isVisible());
  Aç<ÜrünİşlemleriFormu>();
  EXPECT_EQ(f.BirimTürüKutusu->count(), 10);
  EXPECT_EQ(f.BirimTürüKutusu->itemText(0), "B11");
  EXPECT_TRUE(f.BirimTürüKutusu->currentText().isEmpty());
}

TEST_F(ÜrünFormuTesti, KapatmaKutusuylaKapananFormGözatKipindeAçılır) {
  Ürün("A", "ARMUT");
  auto& f = Aç<ÜrünİşlemleriFormu>();
  // Change with an empty list, then with no selection.
  Tıkla(f.DeğiştirDüğmesi);
  EXPECT_EQ(SonMesaj(), "'Bulunan Ürünler' listeniz BOŞ! Lütfen, önce arama yaparak ürün bulunuz.");
  Ara(f, "a");
  Tıkla(f.DeğiştirDüğmesi);
  EXPECT_EQ(SonMesaj(), "Lütfen, 'Bulunan Ürünler' listesinden bir ürün SEÇİNİZ!");
  f.BulunanListe->setCurrentRow(0);
  Tıkla(f.DeğiştirDüğmesi);
  ASSERT_EQ(f.KayıtKipi, TanımFormu::KayıtDeğiştir);
  // Esc cancels and brings the selected product back.
  f.ÜrünKoduKutusu->clear();
  QTest::keyClick(f.ÜrünKoduKutusu, Qt::Key_Escape);
  EXPECT_EQ(f.KayıtKipi, TanımFormu::Gözat);
  EXPECT_EQ(f.ÜrünKoduKutusu->text(), "A");

  Tıkla(f.DeğiştirDüğmesi);
  f.close();
  EXPECT_FALSE(f.isVisible());
  Aç<ÜrünİşlemleriFormu>();
  EXPECT_EQ(f.KayıtKipi, TanımFormu::Gözat);
  EXPECT_EQ(f.SilKaydetDüğmesi->text(), "Ürünü &Sil");
  EXPECT_TRUE(f.AramaKutusu->isEnabled());
  EXPECT_FALSE(f.Çerçeve[1]->isEnabled());
  EXPECT_EQ(f.BulunanListe->count(), 0);
}


// A new product whose commit the disk left unknown, saved again or settled first by another write:
// one product in the file, holding what the user last saved, told once, never refused as a
// duplicate of itself, and the form back in browse showing it.
TEST_F(ÜrünFormuTesti, SonucuBilinmeyenYeniÜrünBirKezKaydedilir) {
  const struct {
    bool yazılmış, başkası;  // the try is in the file; another write settles it before the save again
    const char* sonra;       // typed into the maker's code after the unknown outcome
    const char* söylenen;    // the end of what the settling write tells
    QStringList kayıtta;     // what the save again is told
  } durumlar[] = {
      {true, false, "X", nullptr, {ÖnceEklenmişMetni + " Son girdiğiniz bilgiler onun üzerine kaydedildi."}},
      {true, false, "", nullptr, {ÖnceEklenmişMetni}},
      {false, false, "X", nullptr, {}},
      {true, true, "", "veritabanına kaydedilmiş.", {}},
      {true, true, "X", "kaydedilmiş. Formda sonradan yaptığınız değişiklikler henüz kaydedilmedi.", {}},
      {false, true, "X", "kaydedilmemiş; bilgileri formda, kaydedilmeyi bekliyor.", {}},
  };
  auto& f = Aç<ÜrünİşlemleriFormu>();
  for (const auto& d : durumlar) {
    const QString kod = QStringLiteral("K%1").arg(&d - durumlar);
    SCOPED_TRACE(kod.toStdString());
    SonucuBilinmeden(d.yazılmış, [&] { Ekle(f, kod, "ELMA"); });
    f.ÜreticiKoduKutusu->setFocus();
    Yaz(f.ÜreticiKoduKutusu, d.sonra);
    if (d.başkası) {
      TanımVerileri::DepoKaydet(*vt, {kod, kod, {}, {}}, 0);
      const QString başı = "Sonucu bilinmeyen işlem (Yeni ürün: " + kod + " ELMA, ";
      EXPECT_TRUE(mesajlar.size() == 1 && SonMesaj().startsWith(başı) && SonMesaj().endsWith(d.söylenen))
          << SonMesaj().toStdString();
      mesajlar.clear();
    }
    // Still to be saved only when the form holds more than what is stored.
    EXPECT_EQ(f.KayıtKipi == TanımFormu::Gözat, d.başkası && d.yazılmış && !*d.sonra);
    if (f.KayıtKipi != TanımFormu::Gözat) Tıkla(f.SilKaydetDüğmesi);
    EXPECT_EQ(Mesajlar(), d.kayıtta);
    EXPECT_TRUE(f.KayıtKipi == TanımFormu::Gözat && Seçili(f) == "ELMA");
    EXPECT_EQ(f.ÜrünKoduKutusu->text() + f.ÜreticiKoduKutusu->text(), kod + d.sonra);  // as read back
    EXPECT_EQ(vt->KayıtKümesiAç("SELECT UrunNo FROM UrunBilgileriTablosu WHERE UrunKodu = ?", {kod}).KayıtSayısı(), 1);
  }
}

// A unit weight that takes a warehouse's stock weight past the largest figure kept is refused with
// the unit weight's own message, whichever warehouse holds the most; nothing of the change is written.
TEST_F(ÜrünFormuTesti, StokAğırlığınıSınırınÖtesineTaşıyanBirimAğırlığıKaydedilmez) {
  const qint64 ürün = Ürün("A", "ARMUT");
  vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) "
               "VALUES (?1, 1, 1, 1), (?1, 2, 30, 1)",
               {ürün});
  auto& f = Aç<ÜrünİşlemleriFormu>();
  Ara(f, "ar");
  f.BulunanListe->setCurrentRow(0);
  for (const auto& [ağırlık, kaydedilir] : {std::pair{"333333333333,34", false}, {"333333333333,33", true}}) {
    mesajlar.clear();
    Tıkla(f.DeğiştirDüğmesi);
    f.BirimAğırlığıKutusu->setFocus();
    f.BirimAğırlığıKutusu->clear();
    Yaz(f.BirimAğırlığıKutusu, ağırlık);
    f.AçıklamaKutusu->setFocus();
    Yaz(f.AçıklamaKutusu, "yeni");
    Tıkla(f.SilKaydetDüğmesi);
    EXPECT_EQ(Mesajlar(), kaydedilir ? QStringList{} : QStringList{BirimAğırlığıBüyükMetni});
    EXPECT_EQ(f.KayıtKipi, kaydedilir ? TanımFormu::Gözat : TanımFormu::KayıtDeğiştir);
    const auto b = TanımVerileri::ÜrünOku(*vt, ürün);
    EXPECT_EQ(*b.BirimAgirligi, kaydedilir ? 333333333333.33 : 2.5);
    EXPECT_EQ(b.Aciklama, kaydedilir ? "YENİ" : "");
    if (!kaydedilir) Tıkla(f.KapatİptalDüğmesi);
  }
}

// A unit weight is refused when any movement or critical level of the product would weigh past the
// largest figure kept, also with nothing on hand; one that keeps every weight goes in.
TEST_F(ÜrünFormuTesti, HareketiSınırıAşacakBirimAğırlığıKaydedilmez) {
  const struct {
    double giriş, çıkış, iade, kritik;  // the product's rows, each in a table of its own
    const char* ağırlık;                // typed into the form
    double kayıtta;                     // the unit weight the file then holds
  } durumlar[] = {
      {6e12, 6e12, 0, 0, "2", 1},  // 0 on hand, each movement 12.000.000.000.000
      {6e12, 6e12, 0, 0, "1,66", 1.66},
      {1000, 1000, 0, 0, "1000000000000000", 1},
      {0, 0, 6e12, 0, "2", 1},
      {0, 0, 0, 5e12, "2", 1},
  };
  auto& f = Aç<ÜrünİşlemleriFormu>();
  for (const auto& d : durumlar) {
    const QString ad = QStringLiteral("Ü%1").arg(&d - durumlar);
    SCOPED_TRACE(ad.toStdString());
    vt->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?1, ?1, 1)", {ad});
    const qint64 ürün = vt->SonEklenenNo();
    const std::pair<const char*, double> satırlar[] = {
        {"INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, 1, ?, 1)", d.giriş},
        {"INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, CikisMiktari, CikisNedeni) VALUES (?, 1, ?, 1)", d.çıkış},
        {"INSERT INTO IadeBilgileriTablosu (UrunNo, DepoNo, IadeMiktari) VALUES (?, 1, ?)", d.iade},
        {"INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, 1, ?)", d.kritik}};
    for (const auto& [sql, miktar] : satırlar)
      if (miktar) vt->Çalıştır(sql, {ürün, miktar});
    mesajlar.clear();
    Ara(f, ad);
    f.BulunanListe->setCurrentRow(0);
    Tıkla(f.DeğiştirDüğmesi);
    f.BirimAğırlığıKutusu->setFocus();
    f.BirimAğırlığıKutusu->clear();
    Yaz(f.BirimAğırlığıKutusu, d.ağırlık);
    Tıkla(f.SilKaydetDüğmesi);
    const bool kaydedilir = d.kayıtta != 1;
    EXPECT_EQ(Mesajlar(), kaydedilir ? QStringList{} : QStringList{BirimAğırlığıBüyükMetni});
    EXPECT_EQ(f.KayıtKipi, kaydedilir ? TanımFormu::Gözat : TanımFormu::KayıtDeğiştir);
    EXPECT_EQ(*TanımVerileri::ÜrünOku(*vt, ürün).BirimAgirligi, d.kayıtta);
    if (!kaydedilir) {
      EXPECT_EQ(QApplication::focusWidget(), f.BirimAğırlığıKutusu);
      EXPECT_EQ(f.BirimAğırlığıKutusu->selectedText(), f.BirimAğırlığıKutusu->text());
      Tıkla(f.KapatİptalDüğmesi);
    }
  }
}

// A new product whose try was stored with an unknown outcome and then deleted by another
// workstation, saved again: the input is added anew under a new number, told truly once, or, refused,
// stays on the form to be saved.
TEST_F(ÜrünFormuTesti, SilinmişDenemeninYerineYeniKayıtEklenir) {
  const QString eklendi = ÖnceEklenipSilinmişMetni + " Son girdiğiniz bilgiler yeni bir kayıt olarak eklendi.";
  const struct {
    bool kodAlınmış;      // meanwhile another product took the code
    QStringList kayıtta;  // what the save again is told
  } durumlar[] = {
      {false, {eklendi}},
      {true,
       {"Girmeye çalıştığınız ÜRÜN KODU daha önce girilmiş!\n\nLütfen, değiştirip yeniden deneyiniz.",
        ÖnceEklenipSilinmişMetni + " Son girdiğiniz bilgiler kaydedilmedi."}},
  };
  auto& f = Aç<ÜrünİşlemleriFormu>();
  for (const auto& d : durumlar) {
    QString kod = QStringLiteral("K%1").arg(&d - durumlar);
    SCOPED_TRACE(kod.toStdString());
    const auto numaralar = [&] {
      QList<qint64> n;
      for (KayıtKümesi k = vt->KayıtKümesiAç("SELECT UrunNo FROM UrunBilgileriTablosu WHERE UrunAdi = 'ELMA'");
           !k.Sonda(); k.MoveNext())
        n << k.Tamsayı("UrunNo");
      return n;
    };
    SonucuBilinmeden(true, [&] { Ekle(f, kod, "ELMA"); });
    const qint64 denenen = numaralar().value(0);
    vt->Çalıştır("DELETE FROM UrunBilgileriTablosu WHERE UrunAdi = 'ELMA'");
    if (d.kodAlınmış) Ürün(kod.toUtf8().constData(), "ARMUT");
    f.ÜreticiKoduKutusu->setFocus();
    Yaz(f.ÜreticiKoduKutusu, "X");
    Tıkla(f.SilKaydetDüğmesi);
    EXPECT_EQ(Mesajlar(), d.kayıtta);
    mesajlar.clear();
    if (d.kodAlınmış) {
      EXPECT_EQ(f.KayıtKipi, TanımFormu::YeniKayıt);
      EXPECT_EQ(f.ÜreticiKoduKutusu->text(), "X");
      kod += "B";
      f.ÜrünKoduKutusu->setFocus();
      Yaz(f.ÜrünKoduKutusu, kod);  // over the selected text
      Tıkla(f.SilKaydetDüğmesi);
      EXPECT_TRUE(mesajlar.empty()) << SonMesaj().toStdString();
    }
    EXPECT_TRUE(f.KayıtKipi == TanımFormu::Gözat && Seçili(f) == "ELMA");
    EXPECT_EQ(f.ÜrünKoduKutusu->text() + f.ÜreticiKoduKutusu->text(), kod + "X");
    const auto n = numaralar();
    EXPECT_TRUE(n.size() == 1 && n[0] > denenen);
    vt->Çalıştır("DELETE FROM UrunBilgileriTablosu WHERE UrunAdi = 'ELMA'");
  }
}

}  // namespace
