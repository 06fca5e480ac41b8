#include "TestOrtami.h"
#include "VeritabaniOlusturucu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gmock/gmock.h>

#include <csignal>
#include <future>
#include <latch>
#include <thread>

namespace {

using OluşturucuTesti = TestOrtamı;

QString Dosya(const QString& klasör) { return klasör + QStringLiteral("/Vlm.vtb"); }

QString VarMetni(const QString& klasör) {
  return QStringLiteral("'%1' dosyası zaten var; üzerine yazılmaz.").arg(Dosya(klasör));
}

std::string İçerik(const QString& klasör) {
  return QDir(klasör).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u' ').toStdString();
}

// An empty text when the file opens as ours, otherwise why not.
std::string AçılmaSorunu(const QString& yol) {
  try {
    Veritabanı::Aç(yol);
    return {};
  } catch (const VeritabanıHatası& h) {
    return h.Açıklama().toStdString();
  }
}

TEST_F(OluşturucuTesti, AynıAndaİkiOluşturucudanBiriKazanırÖtekiDosyaVarDer) {
  for (int i = 0; i < 100; ++i) {
    const QString klasör = GeçiciYol(QStringLiteral("yaris%1").arg(i));
    QDir().mkpath(klasör);
    std::latch başla(2);
    const auto oluştur = [&] {
      başla.arrive_and_wait();
      try {
        VeritabanıOluşturucu::Oluştur(klasör);
        return QString();
      } catch (const VeritabanıHatası& h) {
        return h.Açıklama();
      }
    };
    auto a = std::async(std::launch::async, oluştur), b = std::async(std::launch::async, oluştur);
    QStringList sonuçlar{a.get(), b.get()};
    sonuçlar.sort();
    SCOPED_TRACE(i);
    ASSERT_EQ(sonuçlar.join(u'|').toStdString(), (u'|' + VarMetni(klasör)).toStdString());
    ASSERT_EQ(AçılmaSorunu(Dosya(klasör)), "");
    ASSERT_EQ(İçerik(klasör), "Vlm.vtb");
  }
}

// A creator killed at any moment leaves either no Vlm.vtb or a whole one (here with its sample).
TEST_F(OluşturucuTesti, YarıdaÖldürülenOluşturucuYarımDosyaBırakmaz) {
  const auto çalıştır = [&](const QString& klasör, int sinyal, qint64 bekleNs) {
    QDir().mkpath(klasör);
    QProcess süreç;
    süreç.start(QStringLiteral(VTBOLUSTUR), {klasör, QStringLiteral("--ornek")});
    EXPECT_TRUE(süreç.waitForStarted());
    if (sinyal) {
      std::this_thread::sleep_for(std::chrono::nanoseconds(bekleNs));
      ::kill(static_cast<pid_t>(süreç.processId()), sinyal);
    }
    süreç.waitForFinished();
  };
  QElapsedTimer süre;
  süre.start();
  çalıştır(GeçiciYol(QStringLiteral("tam")), 0, 0);
  const qint64 tamSüre = süre.nsecsElapsed();
  ASSERT_EQ(AçılmaSorunu(Dosya(GeçiciYol(QStringLiteral("tam")))), "");

  const int adım = 60;
  int yarıda = 0;
  for (int sinyal : {SIGKILL, SIGTERM}) {
    for (int i = 0; i < adım; ++i) {
      const QString klasör = GeçiciYol(QStringLiteral("olum%1-%2").arg(sinyal).arg(i));
      çalıştır(klasör, sinyal, tamSüre * i / adım);
      SCOPED_TRACE(klasör.toStdString());
      // A signal it can catch still lets it remove its own temporary file.
      if (sinyal == SIGTERM) {
        EXPECT_THAT(İçerik(klasör), ::testing::AnyOf("", "Vlm.vtb"));
      }
      if (!QFile::exists(Dosya(klasör))) {
        ++yarıda;
        continue;
      }
      ASSERT_EQ(AçılmaSorunu(Dosya(klasör)), "");
      EXPECT_GT(Veritabanı::Aç(Dosya(klasör))
                    ->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM UrunBilgileriTablosu"))
                    .Tamsayı("n"),
                0);
    }
  }
  EXPECT_GT(yarıda, 0);  // some kills did land before the end
}

// Each way of moving the file into place, whichever the folder's file system allows.
TEST_F(OluşturucuTesti, HerYerleştirmeYoluVarOlanDosyayaDokunmaz) {
  using VeritabanıOluşturucu::Yerleşim;
  using VeritabanıOluşturucu::Yerleştirme;
  for (Yerleştirme yöntem : {Yerleştirme::AdDeğiştir, Yerleştirme::BağlaSil, Yerleştirme::YerTut}) {
    const QString klasör = GeçiciYol(QStringLiteral("yontem%1").arg(static_cast<int>(yöntem)));
    QDir().mkpath(klasör);
    const QString ilk = klasör + "/.ilk", ikinci = klasör + "/.ikinci";
    for (const QString& yol : {ilk, ikinci}) {
      QFile f(yol);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(yol.toUtf8()) > 0);
    }
    SCOPED_TRACE(static_cast<int>(yöntem));
    EXPECT_EQ(VeritabanıOluşturucu::DosyayıYerleştir(ilk, Dosya(klasör), yöntem), Yerleşim::Tamam);
    EXPECT_EQ(VeritabanıOluşturucu::DosyayıYerleştir(ikinci, Dosya(klasör), yöntem), Yerleşim::Var);
    EXPECT_EQ(QFileInfo(Dosya(klasör)).size(), ilk.toUtf8().size());
    EXPECT_EQ(İçerik(klasör), ".ikinci Vlm.vtb");  // the loser's own file is left to its owner
  }
}

// The planner has statistics from the start: the sample's movements are analysed, and an empty
// file already holds the statistics table that later refreshes fill.
TEST_F(OluşturucuTesti, YeniDosyalarİstatistikTaşır) {
  const QString örnek = GeçiciYol(QStringLiteral("ornek"));
  QDir().mkpath(örnek);
  VeritabanıOluşturucu::Oluştur(örnek, true);
  const QString sql = QStringLiteral("SELECT Count(*) AS n FROM sqlite_stat1 WHERE tbl = 'GirisIslemleriTablosu'");
  EXPECT_GT(Veritabanı::Aç(Dosya(örnek))->KayıtKümesiAç(sql).Tamsayı("n"), 0);
  EXPECT_NO_THROW(vt->KayıtKümesiAç(sql));
}

}  // namespace
