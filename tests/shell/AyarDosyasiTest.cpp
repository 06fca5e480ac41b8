// The settings file as users keep it, seen from the forms that write it: a lock another machine's
// copy left behind, a file made read-only. What is kept, how long a window waits, what is said.
#include "AnaForm.h"
#include "Ayarlar.h"
#include "CocukSureci.h"
#include "FormYoneticisi.h"
#include "KabukTestOrtami.h"
#include "KritikStokListesiFormu.h"
#include "Platform.h"
#include "SikiListeGorunumu.h"
#include "SunucuDegistirFormu.h"
#include "VeritabaninaBaglanFormu.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <sys/stat.h>

#include <map>

namespace {

using Anahtarlar = std::map<QString, QString>;

Anahtarlar Bölümü(const QString& bölüm) {
  const auto okunan = Ayarlar::TümünüOku(bölüm);
  return Anahtarlar(okunan.begin(), okunan.end());
}

class AyarDosyasıTesti : public KabukTestOrtamı {
protected:
  void TearDown() override {
    FormuYokEt<KritikStokListesiFormu>();
    FormuYokEt<SunucuDeğiştirFormu>();
    FormuYokEt<VeritabanınaBağlanFormu>();
    FormuYokEt<AnaForm>();
    KabukTestOrtamı::TearDown();
  }
};

// What the user does on a form that then saves its settings, in a process of its own; which
// sections it changes.
struct FormİŞi {
  const char* ad;
  std::function<void(const QString& yeniSunucu)> yap;
  QStringList bölümler;
  const char* söylenen;  // what the message names when the settings cannot be written
};

const FormİŞi İşler[] = {
    {"liste kapanır",
     [](const QString&) {
       KritikStokListesiFormu& f = Form<KritikStokListesiFormu>();
       f.show();
       if (!QTest::qWaitForWindowExposed(&f)) return;
       QHeaderView* h = f.KritikStokListesi->header();
       const int m = h->logicalIndexAt(5, h->height() / 2), önce = h->sectionSize(m);
       const QPoint kenar(h->sectionViewportPosition(m) + önce - 1, h->height() / 2);
       QTest::mousePress(h->viewport(), Qt::LeftButton, {}, kenar);
       QTest::mouseMove(h->viewport(), kenar + QPoint(20, 0));
       QTest::mouseMove(h->viewport(), kenar + QPoint(40, 0));
       QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, kenar + QPoint(40, 0));
       QTest::mouseClick(f.KapatDüğmesi, Qt::LeftButton);
     },
     {"Listeler\\KritikStokListesi"},
     "'Kritik Stok Listesi' penceresindeki listenin sütun sırası ve genişlikleri kaydedilmedi"},
    {"ana pencere kapanır",
     [](const QString&) {
       AnaForm& f = Form<AnaForm>();
       f.Yükle();
       f.resize(640, 470);
       f.move(30, 45);
       f.close();
     },
     {"Ayarlar"},
     "Ana pencerenin konumu ve boyutu kaydedilmedi"},
    {"sunucu değiştirilir",
     [](const QString& yeniSunucu) {
       Platform::KlasörSeç = [yeniSunucu](QWidget*, const QString&, const QString&) { return yeniSunucu; };
       SunucuDeğiştirFormu& f = Form<SunucuDeğiştirFormu>();
       QTimer::singleShot(0, [&f] {
         QTest::mouseClick(f.SunucuSeçDüğmesi, Qt::LeftButton);
         QTest::mouseClick(f.SeçilenSunucuyaBağlanDüğmesi, Qt::LeftButton);
       });
       SunucuDeğiştir();
     },
     {"Sunucular", "Ayarlar"},
     "Sunucu listesindeki değişiklik ve bağlanılan sunucu kaydedilmedi"},
};

// A copy on another workstation ended inside a settings write and left its lock naming that
// machine: each form's settings are all kept once the lock has stood unchanged for its staleness,
// and no window waits much longer; nothing is said. A file made read-only is left as it is, and
// the user is told once what was not kept.
TEST_F(AyarDosyasıTesti, KalanKilitVeSaltOkunurDosyaAyarıSessizceKaybettirmez) {
  const QString yol = Ayarlar::DosyaYolu(), yeniSunucu = YeniVeritabanı(QStringLiteral("yeni"));
  std::vector<int> tasarım;  // the list's widths as designed, in twips
  for (int i = 1; i <= Form<KritikStokListesiFormu>().KritikStokListesi->SütunSayısı(); ++i)
    tasarım.push_back(Form<KritikStokListesiFormu>().KritikStokListesi->SütunGenişliği(i));
  FormuYokEt<KritikStokListesiFormu>();
  for (const bool saltOkunur : {false, true}) {
    for (const FormİŞi& iş : İşler) {
      SCOPED_TRACE(testing::Message() << iş.ad << (saltOkunur ? ", salt okunur" : ", kalan kilit"));
      QFile::remove(yol);
      ASSERT_TRUE(Ayarlar::AnahtarlarıYaz("Sunucular", {{"Sunucu-1", SunucuKlasörü()}}) == Ayarlar::Sonuç::Yazıldı);
      ASSERT_TRUE(Ayarlar::AnahtarlarıYaz("Ayarlar", {{"Veritabani", "0"}, {"KritikStokUyarisi", "1"}}) ==
                  Ayarlar::Sonuç::Yazıldı);
      QFile önce(yol);
      ASSERT_TRUE(önce.open(QIODevice::ReadOnly));
      const QByteArray öncekiDosya = önce.readAll();
      if (saltOkunur) {
        ASSERT_EQ(::chmod(QFile::encodeName(yol).constData(), 0444), 0);
      } else {
        QFile kilit(yol + ".lock");
        ASSERT_TRUE(kilit.open(QIODevice::WriteOnly));
        kilit.write("4242\nvelmora\nbaska-is-istasyonu\n0f1e2d3c4b5a69788796a5b4c3d2e1f0\n");
      }
      // Threads do not go with a fork: the drawing threads Qt keeps idle would never answer the copy.
      QThreadPool::globalInstance()->waitForDone();
      const QList<QByteArray> sonuç = Çocukta([&] {
                                        QElapsedTimer süre;
                                        süre.start();
                                        iş.yap(yeniSunucu);
                                        QByteArray s = QByteArray::number(süre.elapsed());
                                        for (const auto& m : mesajlar) s += '\x1f' + m.metin.toUtf8();
                                        return s;
                                      }).split('\x1f');
      ::chmod(QFile::encodeName(yol).constData(), 0644);
      ASSERT_FALSE(sonuç.front().isEmpty());
      const QStringList mesajlar = [&] {
        QStringList m;
        for (qsizetype i = 1; i < sonuç.size(); ++i) m << QString::fromUtf8(sonuç[i]);
        return m;
      }();
      if (saltOkunur) {
        ASSERT_EQ(mesajlar.size(), 1);
        EXPECT_TRUE(mesajlar[0].startsWith(QString::fromUtf8(iş.söylenen))) << mesajlar[0].toStdString();
        EXPECT_TRUE(mesajlar[0].contains(yol)) << mesajlar[0].toStdString();
        QFile sonra(yol);
        ASSERT_TRUE(sonra.open(QIODevice::ReadOnly));
        EXPECT_EQ(sonra.readAll(), öncekiDosya);
        continue;
      }
      EXPECT_LT(sonuç.front().toLongLong(), (Ayarlar::KilitBayatlığı + std::chrono::seconds(3)).count());
      EXPECT_EQ(mesajlar, QStringList());
      EXPECT_FALSE(QFile::exists(yol + ".lock"));
      const Anahtarlar ayarlar = Bölümü("Ayarlar");
      EXPECT_EQ(ayarlar.at("KritikStokUyarisi"), "1");
      if (iş.bölümler.contains("Listeler\\KritikStokListesi")) {
        const Anahtarlar düzen = Bölümü("Listeler\\KritikStokListesi");
        EXPECT_EQ(düzen.size(), 2 * tasarım.size());
        // The column dragged 40 pixels wider, the others as designed.
        for (size_t i = 0; i < tasarım.size(); ++i)
          EXPECT_EQ(düzen.at(QStringLiteral("Genislik-%1").arg(i + 1)).toInt(), tasarım[i] + (i == 0 ? 40 * 15 : 0)) << i;
      }
      if (iş.bölümler.contains("Sunucular")) {
        EXPECT_EQ(Bölümü("Sunucular"), (Anahtarlar{{"Sunucu-1", SunucuKlasörü()}, {"Sunucu-2", yeniSunucu}}));
        EXPECT_EQ(ayarlar.at("Veritabani"), "1");
      } else if (iş.bölümler.contains("Ayarlar")) {
        EXPECT_EQ(ayarlar.at("Genislik"), "9600");
        EXPECT_EQ(ayarlar.at("Yukseklik"), "7050");
        EXPECT_EQ(ayarlar.at("SolBosluk"), "450");
        EXPECT_EQ(ayarlar.at("UstBosluk"), "675");
      }
    }
  }
}

}  // namespace
