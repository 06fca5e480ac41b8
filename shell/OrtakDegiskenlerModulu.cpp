#include "OrtakDegiskenlerModulu.h"

namespace OrtakDeğişkenlerModülü {

std::unique_ptr<::Veritabanı> Veritabanı;
QString Başlık;
bool NTPlatformu = true;
QString AyarUygulamaAdı = QStringLiteral("Belvaro\\Velmora");
QColor OdakRengi(10, 80, 220);
std::function<void()> ExcelUygulaması;
int İşlemKodu = 0;
qint64 KritikStokUyarısı = 0;
std::array<qint64, 3> TanımSayıları{};
bool GirişŞifresiSorulsun = false;
bool YazıcıVar = false;
QString YazıcıYazıTipi = QStringLiteral("Liberation Sans");
bool YazdırmaİptalEdildi = false;
QString GeçerliYazıcı;
int SayfaYüksekliği = 0;
int SayfaGenişliği = 0;
int ÜstBoşluk = 0;
int AltBoşluk = 0;
qint64 SıralamaSütunu = 0;
int SıralamaYönü = 0;
int SayısalSırala = 0;

}  // namespace OrtakDeğişkenlerModülü
