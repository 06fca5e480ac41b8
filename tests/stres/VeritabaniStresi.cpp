// Several workstations on one file: N writer and M reader processes for S seconds.
// Each writer commits 10-row transactions back to back; at the end every process
// reports its commits (or reads), failures and longest wait, and the file is
// checked for half-written transactions and for a stock balance that differs from
// the movement rows.
//
//   velmora_stres <yazıcı> <okuyucu> <saniye> [klasör]

#include "StresSurecleri.h"

#include <QStringList>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;

double Ms(Saat::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Sonuç {
  long başarılı = 0, başarısız = 0;
  double enUzunBekleme = 0;  // ms until the lock was ours (writer) or the rows were read (reader)
  double enUzunİşlem = 0;    // ms for a whole transaction or read
  int sonHata = 0;
};

void Yazdır(const char* rol, int no, const Sonuç& s) {
  std::printf("%s %d %ld %ld %.1f %.1f %d\n", rol, no, s.başarılı, s.başarısız, s.enUzunBekleme, s.enUzunİşlem,
              s.sonHata);
  std::fflush(stdout);
}

// Runs `adım` back to back for `saniye` seconds; it returns when the lock became ours.
template <class Adım>
int Çalış(const char* rol, const QString& yol, int saniye, int no, Adım adım) {
  auto vt = Veritabanı::Aç(yol);
  Sonuç s;
  const auto bitiş = Saat::now() + std::chrono::seconds(saniye);
  while (Saat::now() < bitiş) {
    const auto başla = Saat::now();
    try {
      s.enUzunBekleme = std::max(s.enUzunBekleme, Ms(adım(*vt) - başla));
      ++s.başarılı;
    } catch (const VeritabanıHatası& h) {
      ++s.başarısız;
      s.sonHata = h.Numara();
    }
    s.enUzunİşlem = std::max(s.enUzunİşlem, Ms(Saat::now() - başla));
  }
  Yazdır(rol, no, s);
  return 0;
}

int Yazıcı(const QString& yol, int saniye, int no) {
  return Çalış("yazıcı", yol, saniye, no, [no](Veritabanı& vt) {
    Veritabanı::İşlem işlem(vt);
    const auto kilit = Saat::now();
    for (int i = 0; i < 10; ++i)
      vt.Çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, "
                                 "GirisNedeni, IslemTarihi, GirisMiktari) VALUES (?, 1, 1, ?, 1, '2026-03-05', 1)"),
                  {i + 1, no});
    // One exit too, so that both tables' triggers keep the balance under the same contention.
    vt.Çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, "
                               "CikisNedeni, IslemTarihi, CikisMiktari) VALUES (?, 1, 1, ?, 0, '2026-03-06', 0.25)"),
                {no, no});
    işlem.Onayla();
    return kilit;
  });
}

int Okuyucu(const QString& yol, int saniye, int no) {
  return Çalış("okuyucu", yol, saniye, no, [](Veritabanı& vt) {
    vt.KayıtKümesiAç(QStringLiteral("SELECT GirisiYapan, Count(*) AS n FROM GirisIslemleriTablosu "
                                    "GROUP BY GirisiYapan"));
    return Saat::now();
  });
}

// Columns padded by characters, not bytes, so Turkish letters line up.
void Satır(const QStringList& alanlar) {
  static const int genişlik[] = {-8, 3, 10, 10, 16, 16, 9};
  QString satır;
  for (int i = 0; i < alanlar.size() && i < 7; ++i)
    satır += (genişlik[i] < 0 ? alanlar[i].leftJustified(-genişlik[i]) : alanlar[i].rightJustified(genişlik[i])) +
             u' ';
  std::printf("%s\n", satır.trimmed().toUtf8().constData());
}

// A child process started as one of the roles.
struct Rol {
  Çocuk çocuk;
  std::string rol;
  int no;
};

Rol RolüBaşlat(const char* program, const char* rol, const QString& yol, int saniye, int no) {
  return {Başlat({program, rol, QFile::encodeName(yol).toStdString(), std::to_string(saniye), std::to_string(no)}),
          rol, no};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 5 && argv[1][0] == '-') {
    const QString yol = QFile::decodeName(argv[2]);
    const int saniye = std::atoi(argv[3]), no = std::atoi(argv[4]);
    try {
      return std::string(argv[1]) == "--yazici" ? Yazıcı(yol, saniye, no) : Okuyucu(yol, saniye, no);
    } catch (const VeritabanıHatası& h) {
      std::fprintf(stderr, "%s\n", h.what());
      return 1;
    }
  }
  if (argc < 4 || argc > 5) {
    std::fprintf(stderr, "Kullanım: velmora_stres <yazıcı> <okuyucu> <saniye> [klasör]\n");
    return 2;
  }
  const int yazıcı = std::atoi(argv[1]), okuyucu = std::atoi(argv[2]), saniye = std::atoi(argv[3]);
  std::unique_ptr<QTemporaryDir> geçici;
  const QString yol = YeniDosya(argc == 5 ? argv[4] : nullptr, "stres", geçici);
  if (yol.isEmpty()) return 3;

  std::vector<Rol> çocuklar;
  for (int i = 1; i <= yazıcı; ++i) çocuklar.push_back(RolüBaşlat(argv[0], "--yazici", yol, saniye, i));
  for (int i = 1; i <= okuyucu; ++i) çocuklar.push_back(RolüBaşlat(argv[0], "--okuyucu", yol, saniye, i));

  Satır({QStringLiteral("rol"), QStringLiteral("no"), QStringLiteral("başarılı"), QStringLiteral("başarısız"),
         QStringLiteral("en uzun bekleme"), QStringLiteral("en uzun işlem"), QStringLiteral("son hata")});
  long toplamOnay = 0, toplamHata = 0;
  bool hepsiYazdı = true, hepsiBitti = true;
  for (auto& ç : çocuklar) {
    bool bitti = true;
    const std::string çıktı = Oku(ç.çocuk, bitti);
    char rol[16];
    int no = 0, sonHata = 0;
    Sonuç s;
    if (!bitti ||
        std::sscanf(çıktı.c_str(), "%15s %d %ld %ld %lf %lf %d", rol, &no, &s.başarılı, &s.başarısız,
                    &s.enUzunBekleme, &s.enUzunİşlem, &sonHata) != 7) {
      Satır({QString::fromStdString(ç.rol.substr(2)), QString::number(ç.no), QStringLiteral("süreç yarıda bitti")});
      hepsiBitti = false;
      continue;
    }
    Satır({QString::fromUtf8(rol), QString::number(no), QString::number(s.başarılı), QString::number(s.başarısız),
           QStringLiteral("%1 ms").arg(s.enUzunBekleme, 0, 'f', 1), QStringLiteral("%1 ms").arg(s.enUzunİşlem, 0, 'f', 1),
           QString::number(sonHata)});
    if (ç.rol == "--yazici") {
      toplamOnay += s.başarılı;
      hepsiYazdı = hepsiYazdı && s.başarılı > 0;
    }
    toplamHata += s.başarısız;
  }

  // Every committed transaction is whole, nothing else is in the file, and the kept balance of
  // every product and warehouse is what its rows sum to.
  qint64 satır = -1, çıkış = -1, farklı = -1;
  try {
    auto vt = Veritabanı::Aç(yol);
    satır = vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu")).Tamsayı("n");
    çıkış = vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM CikisIslemleriTablosu")).Tamsayı("n");
    farklı = vt->KayıtKümesiAç(QStringLiteral(
                                   "SELECT Count(*) AS n FROM (SELECT UrunNo, DepoNo, Sum(y) AS y FROM ("
                                   "SELECT UrunNo, DepoNo, Round(GirisMiktari * 100) AS y FROM GirisIslemleriTablosu "
                                   "UNION ALL SELECT UrunNo, DepoNo, -Round(CikisMiktari * 100) FROM "
                                   "CikisIslemleriTablosu) GROUP BY UrunNo, DepoNo) s FULL JOIN "
                                   "StokBakiyeleriTablosu b USING (UrunNo, DepoNo) "
                                   "WHERE Coalesce(s.y, 0) <> Coalesce(b.MevcutYuzde, 0)"))
                 .Tamsayı("n");
  } catch (const VeritabanıHatası& h) {
    std::fprintf(stderr, "%s\n", h.what());
  }
  std::printf("toplam: %ld işlem onaylandı, %ld başarısız; dosyada %lld giriş (beklenen %ld), %lld çıkış "
              "(beklenen %ld); satırlarından farklı stok bakiyesi: %lld\n",
              toplamOnay, toplamHata, static_cast<long long>(satır), toplamOnay * 10, static_cast<long long>(çıkış),
              toplamOnay, static_cast<long long>(farklı));
  const bool tamam = hepsiBitti && hepsiYazdı && toplamHata == 0 && satır == toplamOnay * 10 &&
                     çıkış == toplamOnay && farklı == 0;
  std::printf("%s\n", tamam ? "sonuç: tamam" : "sonuç: HATA");
  return tamam ? 0 : 1;
}
