// One workstation whose disk fails every commit at its last step, while others commit back to
// back on the same file. That writer enters numbered vouchers of three rows and enters again,
// once, each one it was told was not stored, as its user would. At the end every voucher told
// stored is in the file once, and none told not stored is there twice.
//
//   velmora_onay_stresi <başka yazıcı> <saniye> [enospc|eio|silme|bilinmez] [klasör]
//
// enospc, eio: the folder's sync after the journal's deletion fails with that error;
// silme: the journal's unlink fails with EIO and the journal stays;
// bilinmez: the unlink is done but answers EIO, and the header cannot be read back after it.

#include "HataliDisk.h"
#include "StresSurecleri.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;
constexpr int FişSatırı = 3;
constexpr int HatalıYazıcı = 1;

void FişYaz(Veritabanı& vt, int yazıcı, long no, int satır) {
  for (int i = 0; i < satır; ++i)
    vt.Çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, "
                               "GirisNedeni, IslemTarihi, GirisMiktari) VALUES (?, 1, 1, ?, 1, '2026-03-05', ?)"),
                {i + 1, yazıcı, static_cast<qint64>(no)});
}

// Back to back ten-row commits; prints how many.
int Başka(const QString& yol, int saniye, int no) {
  auto vt = Veritabanı::Aç(yol);
  long onay = 0, hata = 0;
  for (const auto bitiş = Saat::now() + std::chrono::seconds(saniye); Saat::now() < bitiş;) {
    try {
      Veritabanı::İşlem işlem(*vt);
      FişYaz(*vt, 100 + no, 0, 10);
      işlem.Onayla();
      ++onay;
    } catch (const VeritabanıHatası&) {
      ++hata;
    }
  }
  std::printf("%ld %ld\n", onay, hata);
  return 0;
}

// Prints a line for every try: the voucher's number and what the writer was told (y stored,
// u stored and warned, o found stored by an earlier try, n not stored, ? unknown).
int Hatalı(const QString& yol, int saniye, const std::string& tür) {
  const HatalıDisk::Yer yer = tür == "silme"      ? HatalıDisk::GünlükSilme
                              : tür == "bilinmez" ? HatalıDisk::SilinipHataVeren
                                                  : HatalıDisk::KlasörEşitlemesi;
  HatalıDisk disk(yer, tür == "enospc" ? ENOSPC : EIO, -1, {},
                  tür == "bilinmez" ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::Hiçbiri);
  auto vt = Veritabanı::Aç(yol);
  char bildirilen = 'y';
  Veritabanı::Bildir = [&](Veritabanı::Bildirim) { bildirilen = 'u'; };
  const auto bitiş = Saat::now() + std::chrono::seconds(saniye);
  for (long no = 1; vt && Saat::now() < bitiş; ++no) {
    İşlemİzleri::Bekleyenİz bekleyen;  // the voucher's own try left unknown, as its form keeps it
    for (int deneme = 0; deneme < 3; ++deneme) {
      char söylenen = 'n';
      try {
        bildirilen = 'y';
        Veritabanı::İşlem işlem(*vt, QStringLiteral("fiş"), &bekleyen);
        if (işlem.ÖnceYazıldı())
          bildirilen = 'o';
        else
          FişYaz(*vt, HatalıYazıcı, no, FişSatırı);
        işlem.Onayla();
        söylenen = bildirilen;
      } catch (const VeritabanıHatası& h) {
        if (h.Numara() == VeritabanıHataNo::SonucuBilinmiyor) {
          std::printf("%ld ?\n", no);
          continue;  // tried again on the same connection, as the user would
        }
        // The program is started again; a journal this disk cannot delete is rolled back by
        // another workstation first.
        for (vt.reset(); !vt && Saat::now() < bitiş;) {
          try {
            vt = Veritabanı::Aç(yol);
          } catch (const VeritabanıHatası&) {
            usleep(10000);
          }
        }
      }
      std::printf("%ld %c\n", no, söylenen);
      if (söylenen != 'n' || !vt) break;
    }
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    if (argc == 5 && std::strcmp(argv[1], "--baska") == 0)
      return Başka(QFile::decodeName(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 5 && std::strcmp(argv[1], "--hatali") == 0)
      return Hatalı(QFile::decodeName(argv[2]), std::atoi(argv[3]), argv[4]);
  } catch (const VeritabanıHatası& h) {
    std::fprintf(stderr, "%s\n", h.what());
    return 1;
  }
  const std::string tür = argc >= 4 ? argv[3] : "eio";
  if (argc < 3 || argc > 5 || (tür != "enospc" && tür != "eio" && tür != "silme" && tür != "bilinmez")) {
    std::fprintf(stderr, "Kullanım: velmora_onay_stresi <başka yazıcı> <saniye> [enospc|eio|silme|bilinmez] [klasör]\n");
    return 2;
  }
  const int başka = std::atoi(argv[1]), saniye = std::atoi(argv[2]);
  std::unique_ptr<QTemporaryDir> geçici;
  const QString yol = YeniDosya(argc == 5 ? argv[4] : nullptr, "onay", geçici);
  if (yol.isEmpty()) return 3;
  const std::string y = QFile::encodeName(yol).toStdString(), s = std::to_string(saniye);
  const Çocuk hatalı = Başlat({argv[0], "--hatali", y, s, tür});
  std::vector<Çocuk> başkalar;
  for (int i = 1; i <= başka; ++i) başkalar.push_back(Başlat({argv[0], "--baska", y, s, std::to_string(i)}));

  bool tamam = true;
  std::map<long, std::string> söylenenler;  // every try of a voucher, in order
  {
    const std::string çıktı = Oku(hatalı, tamam);
    long no;
    char c;
    for (const char* p = çıktı.c_str(); std::sscanf(p, "%ld %c", &no, &c) == 2; p = std::strchr(p, '\n') + 1) {
      söylenenler[no] += c;
      if (!std::strchr(p, '\n')) break;
    }
  }
  long başkaOnay = 0;
  for (const Çocuk& ç : başkalar) {
    long onay = 0, hata = 0;
    std::sscanf(Oku(ç, tamam).c_str(), "%ld %ld", &onay, &hata);
    başkaOnay += onay;
  }

  std::map<long, qint64> dosyada;
  qint64 başkaSatır = -1;
  try {
    auto vt = Veritabanı::Aç(yol);
    for (KayıtKümesi k = vt->KayıtKümesiAç(QStringLiteral("SELECT GirisMiktari AS No, Count(*) AS n FROM "
                                                          "GirisIslemleriTablosu WHERE GirisiYapan = ? GROUP BY 1"),
                                          {HatalıYazıcı});
         !k.Sonda(); k.MoveNext())
      dosyada[k.Tamsayı("No")] = k.Tamsayı("n");
    başkaSatır = vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu WHERE "
                                                  "GirisiYapan > 100")).Tamsayı("n");
  } catch (const VeritabanıHatası& h) {
    std::fprintf(stderr, "%s\n", h.what());
    tamam = false;
  }
  long uyarılı = 0, yazılmadı = 0, bilinmeyen = 0, öncedenYazılmış = 0, yanlışYok = 0, yanlışVar = 0, ikiKez = 0;
  for (const auto& [no, denemeler] : söylenenler) {
    const auto kaç = [&](char c) { return static_cast<long>(std::count(denemeler.begin(), denemeler.end(), c)); };
    const long yazıldıDenen = kaç('y') + kaç('u') + kaç('o');
    uyarılı += kaç('u');
    yazılmadı += kaç('n');
    bilinmeyen += kaç('?');
    öncedenYazılmış += kaç('o');
    const qint64 satır = dosyada.count(no) ? dosyada[no] : 0;
    if (satır > FişSatırı) ++ikiKez;
    else if (denemeler.back() == '?') continue;                     // left unknown when the time ran out
    else if (satır == FişSatırı && yazıldıDenen == 0) ++yanlışYok;  // told not stored, but there
    else if (satır != FişSatırı * std::min(yazıldıDenen, 1L)) ++yanlışVar;  // told stored, not there whole
  }
  std::printf("hatalı diskli yazıcı: %zu fiş, %ld kez \"kaydedildi, disk hata verdi\", %ld kez \"kaydedilmedi\", "
              "%ld kez \"sonucu bilinmiyor\", %ld kez \"önceki denemede kaydedilmiş\"\n",
              söylenenler.size(), uyarılı, yazılmadı, bilinmeyen, öncedenYazılmış);
  std::printf("başka yazıcılar: %ld işlem onaylandı; dosyada %lld satırı (beklenen %lld)\n", başkaOnay,
              static_cast<long long>(başkaSatır), static_cast<long long>(başkaOnay) * 10);
  std::printf("\"kaydedilmedi\" denip dosyada olan: %ld; iki kez yazılan: %ld; \"kaydedildi\" denip dosyada "
              "olmayan: %ld\n",
              yanlışYok, ikiKez, yanlışVar);
  tamam = tamam && !söylenenler.empty() && yanlışYok == 0 && ikiKez == 0 && yanlışVar == 0 &&
          başkaSatır == başkaOnay * 10;
  std::printf("%s\n", tamam ? "sonuç: tamam" : "sonuç: HATA");
  return tamam ? 0 : 1;
}
