// The entry and transfer vouchers on paper: recorded on the canvas, printed to a PDF and read
// back, the printer choice around them and the commit question after them.
#include "FisBaskisi.h"
#include "GirisIslemleriFormu.h"
#include "Platform.h"
#include "RaporTuvali.h"
#include "SayiSigmasi.h"
#include "StoktanFisTestOrtami.h"
#include "YaziciSecmeFormu.h"
#include "YazdirmaModulu.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace {

enum class Diyalog { Tamam, Diğeri, İptal, Esc, KapatmaKutusu };

class FişBaskısıTesti : public StoktanFişTesti {
protected:
  void SetUp() override {
    StoktanFişTesti::SetUp();
    ÖrnekTanımlar();
    Giriş(civata, merkez, 10);
    Ortak::TanımSayıları = {2, 3, 2};
    Ortak::YazıcıVar = true;
    Ortak::GeçerliYazıcı = QStringLiteral("Ofis");
    Platform::Yazıcılar = [] { return QStringList{"Ofis", "PDF"}; };
    Platform::VarsayılanYazıcı = [] { return QStringLiteral("Ofis"); };
    Platform::YazıcıBağlantısı = [](const QString& ad) { return ad == "PDF" ? "cups-pdf:/" : "usb://Ofis"; };
    Platform::TuvalAç = [this](const QString& yazıcı, const QString& belge) {
      açılan << yazıcı;
      belgeAdı = belge;
      düğmeAçıkken = düğme && düğme->isEnabled();
      bekleİmleci = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      tuval = std::make_shared<KayıtTuvali>();
      tuval->HatalıMetin = hatalıMetin;
      return tuval;
    };
  }
  void TearDown() override {
    FormuYokEt<YazıcıSeçmeFormu>();
    FormuYokEt<GirişİşlemleriFormu>();
    StoktanFişTesti::TearDown();
    Ortak::YazıcıVar = false;
    Ortak::GeçerliYazıcı.clear();
  }

  // The printer choice is answered from inside its own event loop.
  void DiyaloğaCevap(Diyalog cevap) {
    QTimer::singleShot(0, [this, cevap] {
      YazıcıSeçmeFormu& d = Form<YazıcıSeçmeFormu>();
      if (!d.isVisible()) return DiyaloğaCevap(cevap);
      gösterilenYazıcı = d.YazıcıAdlarıKutusu->currentText();
      gösterilenBağlantı = d.BağlantıNoktasıKutusu->text();
      switch (cevap) {
        case Diyalog::Diğeri:
          d.YazıcıAdlarıKutusu->setCurrentIndex(d.YazıcıAdlarıKutusu->findText("PDF"));
          [[fallthrough]];
        case Diyalog::Tamam: QTest::mouseClick(d.TamamDüğmesi, Qt::LeftButton); break;
        case Diyalog::İptal: QTest::mouseClick(d.İptalDüğmesi, Qt::LeftButton); break;
        case Diyalog::Esc: QTest::keyClick(&d, Qt::Key_Escape); break;
        case Diyalog::KapatmaKutusu: d.close(); break;
      }
    });
  }

  // Rows straight into the working list, cells as the form writes them; `uzunMetinler` puts
  // long texts and a long quantity in every row.
  void SatırEkle(FişFormu& f, QStringList h, int i) {
    if (uzunMetinler) {
      h[5] = "ÇAĞDAŞ YAPI MALZEMELERİ LTD. ŞTİ.";
      h[6] = "ÇOK UZUN BİR ÜRÜN KODU 1234567890";
      h[8] = "ÇOK UZUN ADLI BİR DEPO, İKİNCİ KAT";
      h[9] = "1234567,5";
    }
    if (!büyükSayı.isEmpty()) h[9] = h[10] = büyükSayı;
    f.Çalışma->Ekle(h, QString::number(i));
  }
  void GirişSatırıEkle(FişFormu& f, int n) {
    for (int i = 0; i < n; ++i)
      SatırEkle(f, {QString::number(akın), QString::number(civata), QString::number(merkez), QString::number(ali),
                    "07.12.2026", "AKIN LTD.", "C-10", "CİVATA", i % 2 ? "ŞUBE" : "MERKEZ", "5", "1234,5"}, i);
  }
  void TransferSatırıEkle(FişFormu& f, int n) {
    for (int i = 0; i < n; ++i)
      SatırEkle(f, {QString::number(merkez), QString::number(civata), QString::number(şube), QString::number(ali),
                    "07.12.2026", "MERKEZ", "C-10", "CİVATA", "ŞUBE", "0,01", "0,00"}, i);
  }

  // Opens the form with n rows and clicks its print button; the dialog gets `cevap`.
  FişFormu& Yazdır(bool transfer, int n, Diyalog cevap = Diyalog::Tamam) {
    FişFormu* f;
    if (transfer) {
      auto& t = Aç<DepodanDepoyaTransferFormu>(8);
      TransferSatırıEkle(t, n);
      düğme = t.TransferFişiYazdırDüğmesi();
      f = &t;
    } else {
      auto& g = Aç<GirişİşlemleriFormu>(1);
      GirişSatırıEkle(g, n);
      düğme = g.GirişFişiYazdırDüğmesi;
      f = &g;
    }
    mesajlar.clear();
    // Without a printer no dialog comes to answer.
    if (Ortak::YazıcıVar) DiyaloğaCevap(cevap);
    Tıkla(düğme);
    return *f;
  }

  int hatalıMetin = 0;
  bool uzunMetinler = false;
  QString büyükSayı;  // the quantity and the weight of every row, when given
  QPushButton* düğme = nullptr;
  QStringList açılan;
  QString belgeAdı, gösterilenYazıcı, gösterilenBağlantı;
  bool düğmeAçıkken = true, bekleİmleci = false;
  std::shared_ptr<KayıtTuvali> tuval;
};

const KayıtTuvali::Metin* MetniBul(const std::vector<KayıtTuvali::Metin>& metinler, const QString& aranan) {
  for (const auto& m : metinler)
    if (m.metin == aranan) return &m;
  return nullptr;
}

// Line height on the recording canvas, in the face the print run gives it.
double SatırYüksekliği(double punto, bool kalın) {
  KayıtTuvali t;
  t.YazıTipiAdı(Ortak::YazıcıYazıTipi);
  t.YazıBoyutu(punto);
  t.Kalın(kalın);
  t.AltıÇizili(kalın);
  return t.SatırYüksekliği();
}

struct Düzen {
  bool transfer;
  int satır;
  std::vector<int> sayfaSatırları;  // rows on each page
  const char* başlık;
  double ürünKoduX, depoX;
  const char* firma;  // the cell under the head "Firma"
  const char* depo;
  const char* miktar;
  const char* ağırlık;
};

TEST_F(FişBaskısıTesti, FişlerKendiDüzenlerindeVeSayfalarıylaÇizilir) {
  const Düzen düzenler[] = {
      {false, 3, {3}, "Depo/Stok Giriş Fişi", 80, 115, "AKIN LTD.", "MERKEZ", "5,00", "1.234,50"},
      {false, 150, {71, 76, 3}, "Depo/Stok Giriş Fişi", 80, 115, "AKIN LTD.", "MERKEZ", "5,00", "1.234,50"},
      {true, 2, {2}, "Depo/Stok Transfer Fişi", 70, 110, "MERKEZ", "ŞUBE", "0,01", "0,00"},
  };
  // Where the lines stand: 5 mm under the title's line, 1 mm under the heads' and 4 mm under the last row's.
  const double başlıkSatırı = SatırYüksekliği(14, true), başlarSatırı = SatırYüksekliği(9, true),
               satırYüksekliği = SatırYüksekliği(8, false);
  const double başlarY = 15 + başlıkSatırı + 5, ilkSatırY = başlarY + başlarSatırı + 1;
  for (const Düzen& d : düzenler) {
    const int sayfaSayısı = static_cast<int>(d.sayfaSatırları.size());
    SCOPED_TRACE(d.başlık + QString::number(d.satır).toStdString());
    Cevapla({Platform::Cevap::Hayır});
    Yazdır(d.transfer, d.satır);
    ASSERT_TRUE(tuval);
    EXPECT_EQ(belgeAdı, d.başlık);
    EXPECT_FALSE(düğmeAçıkken);
    EXPECT_TRUE(bekleİmleci);
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(tuval->Bitti());
    ASSERT_EQ(tuval->SayfaSayısı, sayfaSayısı);
    EXPECT_EQ(Ortak::SayfaGenişliği, 190);
    EXPECT_EQ(Ortak::SayfaYüksekliği, 277);

    const auto ilk = tuval->Sayfa(1);
    const auto& başlık = ilk.at(0);
    EXPECT_EQ(başlık.metin, d.başlık);
    EXPECT_NEAR(başlık.x + başlık.genişlik / 2, 95, 1e-6);
    EXPECT_EQ(başlık.y, 15);
    EXPECT_TRUE(başlık.kalın && başlık.altıÇizili && başlık.punto == 14);
    // Heads on one line: four from their left edge, the numbers' heads ending at 160 and 180.
    const QStringList başlar{"Tarihi", "Firma", "Ürün Kodu", "Depo", "Miktarı", "Ağırlığı"};
    const double solX[] = {15, 35, d.ürünKoduX, d.depoX};
    for (int i = 0; i < 6; ++i) {
      const auto& m = ilk.at(1 + i);
      EXPECT_EQ(m.metin, başlar[i]);
      EXPECT_EQ(m.y, ilk.at(1).y);
      EXPECT_TRUE(m.kalın && m.altıÇizili && m.punto == 9);
      if (i < 4) EXPECT_EQ(m.x, solX[i]) << m.metin.toStdString();
      else EXPECT_NEAR(m.Sağ(), i == 4 ? 160 : 180, 1e-9);
    }
    EXPECT_NEAR(ilk.at(1).y, başlarY, 1e-9);
    EXPECT_NEAR(ilk.at(7).y, ilkSatırY, 1e-9);

    // Every row: plain 8 points, cells under their heads, numbers ending at the column's edge.
    // A row begins a new page when it would come within 10 mm of the bottom margin.
    std::vector<int> sayfaSatırları;
    for (int s = 1; s <= sayfaSayısı; ++s) {
      const auto sayfa = tuval->Sayfa(s);
      sayfaSatırları.push_back(0);
      for (size_t i = 0; i < sayfa.size(); ++i) {
        if (sayfa[i].metin != "07.12.2026") continue;
        EXPECT_NEAR(sayfa[i].y, (s == 1 ? ilkSatırY : 15) + sayfaSatırları.back()++ * satırYüksekliği, 1e-9);
        const auto* hücre = &sayfa[i];
        EXPECT_TRUE(!hücre->kalın && !hücre->altıÇizili && hücre->punto == 8);
        EXPECT_EQ(hücre[1].metin, d.firma);
        EXPECT_EQ(hücre[2].x, d.ürünKoduX);
        EXPECT_EQ(hücre[3].x, d.depoX);
        EXPECT_EQ(hücre[4].metin, d.miktar);
        EXPECT_NEAR(hücre[4].Sağ(), 160, 1e-9);
        EXPECT_EQ(hücre[5].metin, d.ağırlık);
        EXPECT_NEAR(hücre[5].Sağ(), 180, 1e-9);
        EXPECT_LT(hücre->y + 25, 277);
      }
      if (s == 1) {
        EXPECT_EQ(MetniBul(sayfa, "Sayfa - 1"), nullptr);
        continue;
      }
      // Further pages: the running header in row type, the rule, rows from y 15, no heads.
      EXPECT_EQ(sayfa.at(0).metin, d.başlık);
      EXPECT_EQ(sayfa.at(0).x, 10);
      EXPECT_EQ(sayfa.at(0).y, 5);
      EXPECT_EQ(sayfa.at(0).punto, 8);
      EXPECT_FALSE(sayfa.at(0).kalın);
      EXPECT_EQ(sayfa.at(1).metin, QString("Sayfa - %1").arg(s));
      EXPECT_NEAR(sayfa.at(1).Sağ(), 180, 1e-9);
      EXPECT_EQ(sayfa.at(2).y, 15);
      EXPECT_EQ(MetniBul(sayfa, "Tarihi"), nullptr);
    }
    EXPECT_EQ(sayfaSatırları, d.sayfaSatırları);
    ASSERT_EQ(tuval->Çizgiler.size(), size_t(sayfaSayısı - 1));
    for (const auto& ç : tuval->Çizgiler)
      EXPECT_TRUE(ç.x1 == 10 && ç.y1 == 10 && ç.x2 == 180 && ç.y2 == 10 && ç.sayfa > 1);

    // The footer right after the last row, on its page: a place to write the weight.
    const auto son = tuval->Sayfa(sayfaSayısı);
    const auto& toplam = son.at(son.size() - 2);
    const auto& noktalar = son.back();
    EXPECT_EQ(toplam.metin, "Toplam Ağırlık:");
    EXPECT_EQ(noktalar.metin, "...............");
    EXPECT_NEAR(toplam.Sağ(), 160, 1e-9);
    EXPECT_NEAR(noktalar.Sağ(), 180, 1e-9);
    EXPECT_TRUE(toplam.kalın && !toplam.altıÇizili && toplam.punto == 9);
    EXPECT_NEAR(toplam.y, (sayfaSayısı == 1 ? ilkSatırY : 15) + d.sayfaSatırları.back() * satırYüksekliği + 4, 1e-9);
    EXPECT_EQ(noktalar.y, toplam.y);

    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>();
    tuval.reset();
  }
}

// A long name is cut with "…" before the next column begins, as on the printed lists; numbers stay whole.
TEST_F(FişBaskısıTesti, UzunMetinSonrakiSütundanÖnceKesilir) {
  uzunMetinler = true;
  for (const bool transfer : {false, true}) {
    SCOPED_TRACE(transfer);
    Cevapla({Platform::Cevap::Hayır});
    Yazdır(transfer, 1);
    ASSERT_TRUE(tuval);
    const auto sayfa = tuval->Sayfa(1);
    ASSERT_EQ(sayfa.size(), 15u);  // title, six heads, six cells, footer
    // Heads and cells: each ends before the next one on its line begins.
    for (size_t i = 1; i + 1 < 13; ++i) {
      if (i == 6) continue;  // the heads' line ends
      EXPECT_LT(sayfa[i].Sağ(), sayfa[i + 1].x) << sayfa[i].metin.toStdString();
    }
    const KayıtTuvali::Metin* hücre = &sayfa[7];
    EXPECT_TRUE(hücre[1].metin.startsWith("ÇAĞDAŞ YAPI") && hücre[1].metin.endsWith("…")) << hücre[1].metin.toStdString();
    EXPECT_EQ(hücre[2].x, transfer ? 70 : 80);
    EXPECT_TRUE(hücre[3].metin.startsWith("ÇOK UZUN ADLI") && hücre[3].metin.endsWith("…"));
    EXPECT_EQ(hücre[4].metin, "1.234.567,50");
    EXPECT_NEAR(hücre[4].Sağ(), 160, 1e-9);
    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>();
    tuval.reset();
  }
}

// The largest figures print whole and over nothing, beside long names and under their heads and
// the footer; the names give way with "…".
TEST_F(FişBaskısıTesti, EnBüyükSayılarHiçbirŞeyinÜstüneBasılmaz) {
  uzunMetinler = true;
  for (const bool transfer : {false, true})
    for (const char* sayı : {"1.234.567.890.123,45", "9.999.999.999.999,99"}) {
      SCOPED_TRACE(std::string(sayı) + (transfer ? " transfer" : ""));
      büyükSayı = sayı;
      Cevapla({Platform::Cevap::Hayır});
      Yazdır(transfer, 3);
      ASSERT_TRUE(tuval);
      int sayılar = 0;
      EXPECT_TRUE(SayılarÜstüsteBinmez(*tuval, &sayılar));
      EXPECT_EQ(sayılar, 6);
      const auto sayfa = tuval->Sayfa(1);
      const KayıtTuvali::Metin* hücre = &sayfa.at(7);
      EXPECT_EQ(hücre[4].metin, sayı);
      EXPECT_EQ(hücre[5].metin, sayı);
      EXPECT_NEAR(hücre[5].Sağ(), 180, 1e-9);
      EXPECT_TRUE(hücre[3].metin.endsWith("…")) << hücre[3].metin.toStdString();
      FormuYokEt<GirişİşlemleriFormu>();
      FormuYokEt<DepodanDepoyaTransferFormu>();
      tuval.reset();
    }
}

TEST_F(FişBaskısıTesti, PdfeBasılanFişOkunduğundaMetinleriSırasıylaTaşır) {
  const QString pdf = GeçiciYol("fis.pdf");
  Platform::TuvalAç = [pdf](const QString&, const QString& belge) -> std::shared_ptr<RaporTuvali> {
    return YazıcıTuvali::PdfDosyasına(pdf, belge);
  };
  Cevapla({Platform::Cevap::Hayır});
  Yazdır(false, 150);
  QProcess okuyucu;
  okuyucu.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(okuyucu.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
  const QString metin = QString::fromUtf8(okuyucu.readAllStandardOutput());
  const QStringList sayfalar = metin.split(u'\f', Qt::SkipEmptyParts);
  ASSERT_EQ(sayfalar.size(), 3);
  // In order on page 1: the title, the heads on one line, a row on one line.
  const QRegularExpression sıra(
      "Depo/Stok Giriş Fişi\\s*\\n\\s*Tarihi +Firma +Ürün Kodu +Depo +Miktarı +Ağırlığı\\s*\\n"
      "\\s*07\\.12\\.2026 +AKIN LTD\\. +C-10 +MERKEZ +5,00 +1\\.234,50\\s*\\n"
      "\\s*07\\.12\\.2026 +AKIN LTD\\. +C-10 +ŞUBE +5,00 +1\\.234,50");
  EXPECT_TRUE(sıra.match(sayfalar[0]).hasMatch()) << sayfalar[0].left(600).toStdString();
  EXPECT_TRUE(QRegularExpression("Depo/Stok Giriş Fişi +Sayfa - 2").match(sayfalar[1]).hasMatch());
  EXPECT_TRUE(QRegularExpression("Toplam Ağırlık: +\\.{15}").match(sayfalar[2]).hasMatch());
  EXPECT_EQ(metin.count("07.12.2026"), 150);
}

TEST_F(FişBaskısıTesti, YazıcıSeçimiBaskıyıİzlerVeSeçilenYazıcıdaBasar) {
  struct Durum {
    bool yazıcıVar;
    Diyalog cevap;
    const char* yazıcı;  // printed on; null: nothing printed
  };
  const Durum durumlar[] = {
      {false, Diyalog::Tamam, nullptr},          {true, Diyalog::İptal, nullptr},
      {true, Diyalog::Esc, nullptr},             {true, Diyalog::KapatmaKutusu, "Ofis"},
      {true, Diyalog::Diğeri, "PDF"},            {true, Diyalog::Tamam, "PDF"},
  };
  int i = 0;
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(i++);
    Ortak::YazıcıVar = d.yazıcıVar;
    açılan.clear();
    gösterilenYazıcı.clear();
    Cevapla({Platform::Cevap::Hayır});
    FişFormu& f = Yazdır(false, 1, d.cevap);
    EXPECT_EQ(açılan, d.yazıcı ? QStringList{d.yazıcı} : QStringList{});
    EXPECT_FALSE(Ortak::YazdırmaİptalEdildi);
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_EQ(f.Çalışma->Liste->SatırSayısı(), 1);
    if (!d.yazıcıVar) {
      ASSERT_EQ(mesajlar.size(), 1u);
      EXPECT_EQ(mesajlar[0].metin, YazdırmaModülü::YazıcıYokMesajı);
      EXPECT_EQ(mesajlar[0].stil, 48);
      EXPECT_TRUE(gösterilenYazıcı.isEmpty());
    } else {
      EXPECT_EQ(mesajlar.size(), d.yazıcı ? 1u : 0u);
      // The dialog opens on the printer chosen last, with its port.
      const bool pdf = d.cevap == Diyalog::Tamam;
      EXPECT_EQ(gösterilenYazıcı, pdf ? "PDF" : "Ofis");
      EXPECT_EQ(gösterilenBağlantı, pdf ? "cups-pdf:/" : "usb://Ofis");
    }
    FormuYokEt<GirişİşlemleriFormu>();
  }
}

TEST_F(FişBaskısıTesti, YarıdaKalanBaskıBirKezSöylenirBelgeBitirilirSoruSorulmaz) {
  // The fifth text fails; or the printer (a PDF in a folder that is not there) cannot begin.
  for (const bool açılamaz : {false, true}) {
    SCOPED_TRACE(açılamaz);
    hatalıMetin = 5;
    if (açılamaz)
      Platform::TuvalAç = [this](const QString&, const QString& belge) -> std::shared_ptr<RaporTuvali> {
        return YazıcıTuvali::PdfDosyasına(GeçiciYol("yok/fis.pdf"), belge);
      };
    Cevapla({Platform::Cevap::Evet});
    FişFormu& f = Yazdır(false, 3);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].stil, 20);
    EXPECT_TRUE(mesajlar[0].metin.contains("Hata Kodu: 482"));
    if (!açılamaz) {
      EXPECT_EQ(tuval->Metinler.size(), 4u);
      EXPECT_TRUE(tuval->Bitti());
    }
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(f.Çalışma->Liste->SatırSayısı(), 3);
    EXPECT_EQ(GirişSatırları().size(), 1u);
    FormuYokEt<GirişİşlemleriFormu>();
  }
}

TEST_F(FişBaskısıTesti, EvetDüğmeGibiAktarırHayırListeyiBırakır) {
  struct Durum {
    bool transfer;
    int cevap;
    const char* soru;
  };
  const Durum durumlar[] = {
      {false, Platform::Cevap::Hayır, "Listeyi şimdi STOĞA EKLEMEK ister misiniz?"},
      {false, Platform::Cevap::Evet, "Listeyi şimdi STOĞA EKLEMEK ister misiniz?"},
      {true, Platform::Cevap::Hayır, "Listeyi şimdi TRANSFER ETMEK ister misiniz?"},
      {true, Platform::Cevap::Evet, "Listeyi şimdi TRANSFER ETMEK ister misiniz?"},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.soru + std::to_string(d.cevap));
    const QStringList önce = Tablo("SELECT UrunNo, DepoNo, GirisMiktari FROM GirisIslemleriTablosu ORDER BY IslemNo");
    Cevapla({d.cevap});
    FişFormu& f = Yazdır(d.transfer, 2);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, d.soru);
    EXPECT_EQ(mesajlar[0].stil, 36);
    const QStringList sonra = Tablo("SELECT UrunNo, DepoNo, GirisMiktari FROM GirisIslemleriTablosu ORDER BY IslemNo");
    if (d.cevap == Platform::Cevap::Hayır) {
      EXPECT_EQ(f.Çalışma->Liste->SatırSayısı(), 2);
      EXPECT_EQ(sonra, önce);
      EXPECT_EQ(f.focusWidget(), f.Seçiciler[0]->Liste);
    } else {
      EXPECT_EQ(f.Çalışma->Liste->SatırSayısı(), 0);
      const QString satır = d.transfer ? QString("%1|%2|0.01").arg(civata).arg(şube)
                                       : QString("%1|%2|5").arg(civata).arg(merkez);
      EXPECT_EQ(sonra, önce + QStringList({satır, satır}));
    }
    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>();
  }
}

}  // namespace
