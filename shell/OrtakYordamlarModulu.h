#pragma once
// Procedures every form uses: the message box, the common error routine, field
// highlighting, list search, remembered entries and name lookups.

#include "Ayarlar.h"
#include "Veritabani.h"

#include <QString>

#include <exception>
#include <vector>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class SütunluListe;
class QWidget;

namespace OrtakYordamlarModülü {

// Message box styles used by the program.
namespace Stil {
inline constexpr int Kritik = 16;
inline constexpr int KritikEvetHayır = 20;   // Yes default
inline constexpr int SoruEvetHayır = 36;     // Yes default
inline constexpr int Uyarı = 48;
inline constexpr int Bilgi = 64;
inline constexpr int SilmeSorusu = 292;      // No default
}  // namespace Stil

// One message box, centred over the active window (the screen when there is none).
int MesajKutusu(const QString& metin, int stil = 0, const QString& başlık = {});

// The common error routine: 3043/3044 and 3051 end the program after their message,
// 3356 is ignored, 3021 (a listed record deleted meanwhile) and 3026/3027 (disk full,
// folder read-only: nothing written) only say so, any other number asks whether to go
// on; No ends the program.
void HataİşleYordamı(int numara, const QString& açıklama);
void HataİşleYordamı(const VeritabanıHatası& hata);

// Runs an event procedure that works on the database: a failure goes to the
// error routine and the rest of the procedure is abandoned.
template <class İşlev>
bool HataYakala(İşlev&& işlev) {
  try {
    işlev();
    return true;
  } catch (const VeritabanıHatası& h) {
    HataİşleYordamı(h);
  } catch (const std::bad_alloc&) {
    HataİşleYordamı(7, QStringLiteral("Yetersiz bellek"));
  }
  return false;
}

// A commit that stands though the disk reported an error right after it, told to the user (do
// not enter it again, have the disk looked at). Set as Veritabanı's Bildir by main.
void KayıtBildirimi(Veritabanı::Bildirim bildirim);
// What became of a work whose outcome the disk left unknown, told once it is known. Its own
// try (`kendi`) that found it in the file says so; any other settlement names the work and
// when it was entered. Set as İşlemİzleri's Söyle by main.
void BekleyenİşiSöyle(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi);
// After a connection: the works the connection found settled are told, once.
void BekleyenİşiSonuçlandır();
// A file of pending works that could not be read, set aside under `yol`.
void OkunamayanİşDosyası(const QString& yol);
// The works kept for a restart could not be written again, while running or as the program closes.
void İşNotuKayboldu(bool kapanırken);
// Every so often while the program runs: works of copies found ended since are told.
void BekleyenİşleriYokla();
inline const QString ÖnceYazılmışMetni =
    QStringLiteral("İşlem, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; yeniden kaydedilmedi.");
// Said when a form's save finds its earlier try, whose outcome the disk hid, in the file: the
// form's input went over that record instead of adding another.
// Said when a save found its earlier try in the file and wrote the values given since over it.
inline const QString ÜzerineYazıldıMetni = QStringLiteral(
    "İşlem, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; son girdiğiniz bilgiler onun üzerine "
    "kaydedildi.");
// Said when a save found its earlier try in the file and the values given since were refused.
inline const QString SonGirilenYazılmadıMetni = QStringLiteral(
    "İşlem, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; son girdiğiniz bilgiler kaydedilmedi.");
inline const QString ÖnceEklenmişMetni =
    QStringLiteral("Kayıt, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş; ikinci kez eklenmedi.");
// Said when a save found its earlier try in the file, but its record deleted by another workstation since.
inline const QString ÖnceEklenipSilinmişMetni = QStringLiteral(
    "Kayıt, sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş, sonra başka bir bilgisayardan silinmiş.");

// Said when a quantity, or its weight, is beyond the largest figure the program keeps exactly
// (TürkçeMetin::EnBüyükMiktar).
inline const QString BüyükMiktarMetni = QStringLiteral(
    "Bu MİKTAR ya da AĞIRLIĞI, tam olarak tutulamayacak kadar büyük!\n\n"
    "Lütfen, miktarı ve ağırlığı en çok 9.999.999.999.999,99 olacak bir MİKTAR giriniz.");
// Said when a product's new unit weight would make one of its movements or critical levels, or its
// stock in a warehouse, weigh past the largest figure kept exactly.
inline const QString BirimAğırlığıBüyükMetni = QStringLiteral(
    "Bu BİRİM AĞIRLIĞI ile bu ürünün bir hareketinin, kritik stok miktarının ya da bir depodaki mevcudunun "
    "ağırlığı 9.999.999.999.999,99'u aşacak!\n\n"
    "Lütfen, daha küçük bir BİRİM AĞIRLIĞI giriniz.");

// Ends the program at once through the platform seam.
[[noreturn]] void ProgramıBitir(int kod = 0);

void MetniSeçVeRenklendir(QLineEdit* kutu, QLabel* etiket);
// Index of the first item beginning with metin (Turkish letters, case ignored), or -1.
int ListedeAra(const QListWidget* liste, const QString& metin);

// Tells the user once, plainly, that `ne` (what the user set: "Ana pencerenin konumu ve boyutu")
// was not kept, when the settings could not be written, and why; says nothing when they were.
void AyarKaydedilmediyseSöyle(Ayarlar::Sonuç sonuç, const QString& ne);

// A list's layout saved as the form closes, in one write; when it could not be, the user is told
// that the columns of that window's list were not kept.
void ListeDüzeniniKaydet(const SütunluListe& liste, const QString& listeAdı, const QWidget& pencere);

void SonKullanılanlarıKaydet(QComboBox* kutu, const QString& bölüm);
void SonKullanılanlarıYükle(QComboBox* kutu, const QString& bölüm);

// Stock on hand of a product in a warehouse, in whole hundredths: every entry less every
// exit, transfer halves included; an empty sum counts as 0.
qint64 MevcutStok(Veritabanı& vt, qint64 ürünNo, qint64 depoNo);
// Whether `yüzde` hundredths of the product, and their weight at its unit weight, are kept
// exactly (TürkçeMetin::EnBüyükMiktar), as stored now.
bool MiktarTamTutulur(Veritabanı& vt, qint64 ürünNo, qint64 yüzde);
// Whether that stock with `eklenen` more, and its weight at the product's unit weight, are still
// kept exactly (TürkçeMetin::EnBüyükMiktar). Read as stored: inside a write's transaction, with
// what the write has done so far. A write that raises a stock is refused when this fails.
bool StokTamTutulur(Veritabanı& vt, qint64 ürünNo, qint64 depoNo, qint64 eklenen = 0);
// How a refused write names the warehouse that is short and what it holds:
// "MERKEZ deposundaki CİVATA ürününün stok mevcudu (9,00)". A name gone meanwhile shows as its number.
QString DepodakiStokMetni(Veritabanı& vt, qint64 ürünNo, qint64 depoNo, qint64 mevcut);
// How a write of movements is named, should its outcome be told later: the work and its product
// ("Hareket değişikliği: XR-77 DENEME VİDA"); a voucher of several lines, their count and its first
// product ("Stoğa giriş fişi: 3 satır, ilki XR-77 DENEME VİDA"). Read before the write.
QString ÜrünİşiAdı(Veritabanı& vt, const QString& iş, qint64 ürünNo, std::size_t satırSayısı = 1);

// Names of the exit reasons 0 to 6; another code has none (empty).
inline constexpr int ÇıkışNedeniSayısı = 7;
QString ÇıkışNedeniAdı(qint64 neden);
// The products with at least one entry row in the warehouse (UrunNo, UrunKodu, UrunAdi), by name.
KayıtKümesi DepodakiÜrünler(Veritabanı& vt, qint64 depoNo);

// The persons who make movements, by name.
struct Kişi {
  qint64 no = 0;
  QString ad;
};
std::vector<Kişi> KişileriOku(Veritabanı& vt);

// Names by record number; a number without a row throws 3021.
QString ÜrünAdıGetir(qint64 urunNo);
QString DepoAdıGetir(qint64 depoNo);

// Keeps a dialog of fixed size at least as wide as its caption needs (and as `tasarımGenişliği`),
// also when the caption changes: the window manager cuts a caption that does not fit.
void BaşlığaYerAç(QDialog& form, int tasarımGenişliği = 0);

// The widest figure a box may have to show: the largest quantity or weight kept, with a sign.
inline const QString EnGenişSayı = QStringLiteral("-9.999.999.999.999,99");
// The width a line edit needs to show `metin` whole in its font, frame and inner margins included.
int SayıKutusuGenişliği(const QLineEdit& kutu, const QString& metin = EnGenişSayı);
// Makes a box that shows figures at least wide enough for the widest figure kept; the box's own
// least and most width give way to it.
void SayıKutusunaYerAç(QLineEdit& kutu);
// Shows a figure; a sum wider than the box was made for widens the box, so it is never cut.
void SayıGöster(QLineEdit& kutu, const QString& metin);

// A small dialog of fixed size: one backing panel filling it, with the frame over a row of
// right-aligned buttons.
void PanelliDüzen(QDialog& form, QWidget* altlık, QWidget* çerçeve, const std::vector<QWidget*>& düğmeler);

// Enter presses the button that has the focus, whichever button the form's default is.
void OdaktakiDüğmeEnterAlır(QDialog& form);

// True when the file or folder exists.
bool DosyaVarMı(const QString& yol);
// Whether a spreadsheet program is there to open an export.
bool TabloProgramıKurulu();

}  // namespace OrtakYordamlarModülü
