// Creates a new, empty Vlm.vtb in a folder; with --ornek, fills it with sample data.

#include "Veritabani.h"
#include "VeritabaniOlusturucu.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <csignal>

int main(int argc, char* argv[]) {
  // An interrupt waits until the file is whole or our temporary file is gone, and ends us then.
  // Blocked before any thread starts, so that none of them takes it meanwhile.
  sigset_t kesmeler, önceki;
  sigemptyset(&kesmeler);
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&kesmeler, s);
  sigprocmask(SIG_BLOCK, &kesmeler, &önceki);

  QCoreApplication uygulama(argc, argv);
  QTextStream hata(stderr);
  QTextStream çıkış(stdout);
  QStringList argümanlar = uygulama.arguments().mid(1);
  const bool örnek = argümanlar.removeAll(QStringLiteral("--ornek")) > 0;
  if (argümanlar.size() != 1 || argümanlar[0].startsWith(u'-')) {
    hata << "Kullanım: vtbolustur <klasör> [--ornek]\n"
            "  <klasör> içinde yeni, boş bir Vlm.vtb veritabanı dosyası oluşturur.\n"
            "  --ornek  dosyayı örnek verilerle doldurur.\n";
    return 2;
  }
  QString yol;
  try {
    yol = VeritabanıOluşturucu::Oluştur(argümanlar[0], örnek);
  } catch (const VeritabanıHatası& h) {
    sigprocmask(SIG_SETMASK, &önceki, nullptr);
    hata << "Veritabanı oluşturulamadı: " << h.Açıklama() << " (Hata Kodu: " << h.Numara() << ")\n";
    return 1;
  }
  sigprocmask(SIG_SETMASK, &önceki, nullptr);
  çıkış << "Veritabanı oluşturuldu: " << yol << "\n";
  return 0;
}
