// Creates a new, empty Vlm.vtb in a folder; with --ornek, fills it with sample data.

#include "Veritabani.h"
#include "VeritabaniOlusturucu.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char* argv[]) {
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
  try {
    const QString yol = VeritabanıOluşturucu::Oluştur(argümanlar[0]);
    if (örnek) {
      auto vt = Veritabanı::Aç(yol);
      VeritabanıOluşturucu::ÖrnekVerileriEkle(*vt);
    }
    çıkış << "Veritabanı oluşturuldu: " << yol << "\n";
    return 0;
  } catch (const VeritabanıHatası& h) {
    hata << "Veritabanı oluşturulamadı: " << h.Açıklama() << " (Hata Kodu: " << h.Numara() << ")\n";
    return 1;
  }
}
