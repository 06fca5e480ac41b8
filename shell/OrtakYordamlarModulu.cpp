#include "OrtakYordamlarModulu.h"

#include "Ayarlar.h"
#include "KosuDosyalari.h"
#include "OrtakDegiskenlerModulu.h"
#include "Platform.h"
#include "StokBakiyesi.h"
#include "SutunluListe.h"
#include "TurkceMetin.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <cstdlib>

namespace OrtakYordamlarModülü {

namespace {
const QString AğHatasıMetni = QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
const QString ErişimHatasıMetni = QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
const QString SilinmişKayıtMetni = QStringLiteral(
    "Seçilen kayıt, bu arada başka bir bilgisayardan silinmiş! Lütfen, pencereyi kapatıp yeniden açınız.");
}  // namespace

int MesajKutusu(const QString& metin, int stil, const QString& başlık) {
  QWidget* sahip = QApplication::activeModalWidget();
  if (!sahip) sahip = QApplication::activeWindow();
  return Platform::MesajGöster(sahip, metin, stil, başlık.isEmpty() ? Ortak::ProgramAdı : başlık);
}

void KayıtBildirimi(Veritabanı::Bildirim) {
  MesajKutusu(QStringLiteral("İşlem veritabanına kaydedildi; ancak disk, kayıttan hemen sonra bir hata bildirdi. "
                             "İşlemi yeniden kaydetmeyiniz. Lütfen, veritabanının bulunduğu diski ve sunucuya "
                             "bağlantıyı denetleyiniz."),
              Stil::Uyarı);
}

void BekleyenİşiSöyle(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
  if (!kendi) {
    MesajKutusu(ÖncekiİşMetni(iş, yazılmış), Stil::Bilgi);
  } else if (yazılmış.value_or(false)) {
    MesajKutusu(ÖnceYazılmışMetni, Stil::Bilgi);
  }
  // Its own try, not in the file: that try writes it now, as any save.
}

void BekleyenİşiSonuçlandır() {
  if (Veritabanı* vt = Ortak::Veritabanı.get()) İşlemİzleri::Bildir(*vt);
}

void OkunamayanİşDosyası(const QString& yol) {
  MesajKutusu(QStringLiteral("Sonucu bilinmeyen işlemlerin not edildiği bir dosya okunamadı; içindeki işlemlerin "
                             "sonucu bildirilemiyor. Dosya, yeniden okunmaması için şu adla kenara alındı:\n%1\n\n"
                             "Lütfen, o sırada kaydedilen işlemleri denetleyiniz.")
                  .arg(QDir::toNativeSeparators(yol)),
              Stil::Uyarı);
}

void İşNotuKayboldu(bool kapanırken) {
  MesajKutusu(QStringLiteral("Sonucu bilinmeyen işlemlerin not edildiği klasör (%1) dışarıdan silinmiş ya da "
                             "bozulmuş ve %2 yeniden yazılamadı: program yeniden açıldığında bu işlemlerin sonucunu "
                             "bildiremeyecek.\n\nLütfen, klasörü denetleyiniz%3.")
                  .arg(QDir::toNativeSeparators(KoşuDosyaları::Klasör()),
                       kapanırken ? QStringLiteral("program kapanırken") : QStringLiteral("not edilenler"),
                       kapanırken ? QStringLiteral(" ve o işlemlerin kaydedilip kaydedilmediğine bakınız")
                                  : QStringLiteral("; programı kapatmadan önce o işlemleri yeniden kaydediniz")),
              Stil::Uyarı);
}

void BekleyenİşleriYokla() {
  // A form open over the main window is not interrupted: what was found is told back at the main window.
  Veritabanı* vt = Ortak::Veritabanı.get();
  if (!vt || QApplication::activeModalWidget()) return;
  try {
    İşlemİzleri::Yokla(*vt);
  } catch (const VeritabanıHatası&) {
    // Read again at the next period, connection or write.
  }
}

void ProgramıBitir(int kod) {
  Platform::ProgramıBitir(kod);
  std::_Exit(kod);  // the seam must not return
}

void HataİşleYordamı(int numara, const QString& açıklama) {
  if (numara == VeritabanıHataNo::AğHatası || numara == VeritabanıHataNo::YolGeçersiz) {
    MesajKutusu(AğHatasıMetni, Stil::Uyarı);
    ProgramıBitir(1);
  }
  if (numara == VeritabanıHataNo::ErişimYok) {
    MesajKutusu(ErişimHatasıMetni, Stil::Uyarı);
    ProgramıBitir(1);
  }
  if (numara == 3356) return;
  if (numara == VeritabanıHataNo::SonucuBilinmiyor) {
    // The user's work is kept on the form; the program settles the outcome when it is saved again.
    MesajKutusu(açıklama, Stil::Uyarı);
    return;
  }
  if (numara == VeritabanıHataNo::DiskDolu || numara == VeritabanıHataNo::SaltOkunur) {
    // Nothing was written and the file is sound: the user makes room or lets the folder be
    // written, and saves the same work again. No reason to offer ending the program.
    MesajKutusu(açıklama, Stil::Uyarı);
    return;
  }
  if (numara == VeritabanıHataNo::KayıtYok) {
    // Records are read by the numbers a list shows: one missing was deleted from another
    // workstation since, which is no reason to offer ending the program.
    MesajKutusu(SilinmişKayıtMetni, Stil::Bilgi);
    return;
  }
  if (Ortak::ExcelUygulaması) {
    // An export that failed part-way leaves no half-written file; the box below tells the user.
    auto teslimEt = std::move(Ortak::ExcelUygulaması);
    Ortak::ExcelUygulaması = nullptr;
    teslimEt();
  }
  const QString metin = QStringLiteral("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \n"
                                       "Yine de devam etmek istiyor musunuz?\n\n"
                                       "Hata Kodu: %1\n\nHata Mesajı: %2")
                            .arg(numara)
                            .arg(açıklama);
  if (MesajKutusu(metin, Stil::KritikEvetHayır, QStringLiteral("Hata oluştu!")) != Platform::Cevap::Evet)
    ProgramıBitir(1);
}

void HataİşleYordamı(const VeritabanıHatası& hata) { HataİşleYordamı(hata.Numara(), hata.Açıklama()); }

void MetniSeçVeRenklendir(QLineEdit* kutu, QLabel* etiket) {
  kutu->selectAll();
  QPalette p = etiket->palette();
  p.setColor(QPalette::WindowText, Ortak::OdakRengi);
  etiket->setPalette(p);
}

int ListedeAra(const QListWidget* liste, const QString& metin) {
  const QString aranan = TürkçeMetin::Katla(metin);
  for (int i = 0; i < liste->count(); ++i)
    if (TürkçeMetin::Katla(liste->item(i)->text()).startsWith(aranan)) return i;
  return -1;
}

void AyarKaydedilmediyseSöyle(Ayarlar::Sonuç sonuç, const QString& ne) {
  if (sonuç == Ayarlar::Sonuç::Yazıldı) return;
  const QString dosya = QDir::toNativeSeparators(Ayarlar::DosyaYolu());
  MesajKutusu(ne + QStringLiteral(" kaydedilmedi: ") +
                  (sonuç == Ayarlar::Sonuç::Kilitli
                       ? QStringLiteral("ayar dosyası (%1) başka bir Velmora kopyası tarafından kilitli tutuluyor ve "
                                        "beklenen süre içinde serbest kalmadı.\n\nLütfen, daha sonra yeniden deneyiniz.")
                       : QStringLiteral("ayar dosyası (%1) yazılamadı; dosya salt okunur, disk dolu ya da klasörüne "
                                        "erişilemiyor olabilir."))
                      .arg(dosya),
              Stil::Uyarı);
}

void ListeDüzeniniKaydet(const SütunluListe& liste, const QString& listeAdı, const QWidget& pencere) {
  AyarKaydedilmediyseSöyle(liste.DüzeniKaydet(listeAdı),
                           QStringLiteral("'%1' penceresindeki listenin sütun sırası ve genişlikleri").arg(pencere.windowTitle()));
}

void SonKullanılanlarıKaydet(QComboBox* kutu, const QString& bölüm) {
  const int n = kutu->count();
  const QString metin = kutu->currentText();
  if (n > 10 || metin.isEmpty()) return;
  for (int i = 0; i < n; ++i)
    if (TürkçeMetin::BüyükKüçükDuyarsızEşit(kutu->itemText(i), metin)) return;
  kutu->insertItem(0, metin);
  QList<QPair<QString, QString>> değerler;
  if (n < 10) {
    değerler.append({QStringLiteral("Sira-%1").arg(kutu->count()), metin});
  } else {
    kutu->removeItem(10);
    for (int i = 0; i < 10; ++i) değerler.append({QStringLiteral("Sira-%1").arg(i + 1), kutu->itemText(i)});
  }
  AyarKaydedilmediyseSöyle(Ayarlar::AnahtarlarıYaz(bölüm, değerler), QStringLiteral("Son girilen değerlerin listesi"));
}

void SonKullanılanlarıYükle(QComboBox* kutu, const QString& bölüm) {
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku(bölüm)) kutu->addItem(değer);
}

namespace {
QString AdGetir(const QString& sql, qint64 no, const QString& alan) {
  KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(sql, {no});
  if (k.Sonda()) throw VeritabanıHatası(VeritabanıHataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
  return k.Metin(alan);
}
}  // namespace

QString ÜrünAdıGetir(qint64 urunNo) {
  return AdGetir(QStringLiteral("SELECT UrunNo, UrunAdi FROM UrunBilgileriTablosu WHERE UrunNo= ?"), urunNo,
                 QStringLiteral("UrunAdi"));
}

QString DepoAdıGetir(qint64 depoNo) {
  return AdGetir(QStringLiteral("SELECT DepoNo, DepoAdi FROM DepoBilgileriTablosu WHERE DepoNo= ?"), depoNo,
                 QStringLiteral("DepoAdi"));
}

namespace {
// A title bar draws the caption in bold, centred between the window icon on one side and
// up to three buttons on the other: room for three buttons is kept on either side.
int BaşlıkGenişliği(const QWidget& form) {
  QFont yazı = form.font();
  yazı.setBold(true);
  const int düğme = form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form);
  return QFontMetrics(yazı).horizontalAdvance(form.windowTitle()) + 6 * düğme;
}
}  // namespace

int SayıKutusuGenişliği(const QLineEdit& kutu, const QString& metin) {
  const QFontMetrics ölçü(kutu.font());
  const QStyle* stil = kutu.style();
  const int çerçeve = kutu.hasFrame() ? stil->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &kutu) : 0;
  const int imleç = stil->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &kutu);
  const QMargins kenar = kutu.textMargins();
  // A line edit keeps 2 pixels inside its frame on either side and the cursor's room after the
  // text; a text one pixel wider than that is scrolled and shows only its tail.
  constexpr int içKenar = 2;
  return ölçü.horizontalAdvance(metin) + std::max(0, -ölçü.minLeftBearing()) + std::max(0, -ölçü.minRightBearing()) +
         1 + imleç + 2 * içKenar + kenar.left() + kenar.right() + 2 * çerçeve + 1;
}

static void EnAzGenişlik(QLineEdit& kutu, int genişlik) {
  if (kutu.maximumWidth() < genişlik) kutu.setMaximumWidth(genişlik);
  if (kutu.minimumWidth() < genişlik) kutu.setMinimumWidth(genişlik);
}

void SayıKutusunaYerAç(QLineEdit& kutu) { EnAzGenişlik(kutu, SayıKutusuGenişliği(kutu)); }

void SayıGöster(QLineEdit& kutu, const QString& metin) {
  EnAzGenişlik(kutu, SayıKutusuGenişliği(kutu, metin));
  kutu.setText(metin);
}

void BaşlığaYerAç(QDialog& form, int tasarımGenişliği) {
  QLayout* yerleşim = form.layout();
  // A strut of no height across the whole form sets its least width.
  auto* destek = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
  if (auto* ızgara = qobject_cast<QGridLayout*>(yerleşim))
    ızgara->addItem(destek, ızgara->rowCount(), 0, 1, ızgara->columnCount());
  else
    yerleşim->addItem(destek);
  yerleşim->setSizeConstraint(QLayout::SetFixedSize);
  const auto ayarla = [&form, yerleşim, destek, tasarımGenişliği] {
    const QMargins kenar = yerleşim->contentsMargins();
    const int genişlik = std::max(tasarımGenişliği, BaşlıkGenişliği(form)) - kenar.left() - kenar.right();
    destek->changeSize(std::max(genişlik, 0), 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    yerleşim->invalidate();
  };
  ayarla();
  QObject::connect(&form, &QWidget::windowTitleChanged, &form, ayarla);
}

namespace {

// A button that does not take Enter itself passes the key up to its form, where this catches it.
class OdaktakiDüğme : public QObject {
public:
  explicit OdaktakiDüğme(QDialog& form) : QObject(&form), form_(form) { form.installEventFilter(this); }

protected:
  bool eventFilter(QObject*, QEvent* olay) override {
    if (olay->type() != QEvent::KeyPress) return false;
    const int tuş = static_cast<QKeyEvent*>(olay)->key();
    auto* düğme = qobject_cast<QPushButton*>(form_.focusWidget());
    if ((tuş != Qt::Key_Return && tuş != Qt::Key_Enter) || !düğme || !düğme->isEnabled()) return false;
    düğme->click();
    return true;
  }

private:
  QDialog& form_;
};

}  // namespace

void PanelliDüzen(QDialog& form, QWidget* altlık, QWidget* çerçeve, const std::vector<QWidget*>& düğmeler) {
  auto* satır = new QHBoxLayout;
  satır->addStretch();
  for (QWidget* d : düğmeler) satır->addWidget(d);
  auto* altlıkDüzeni = new QVBoxLayout(altlık);
  altlıkDüzeni->addWidget(çerçeve);
  altlıkDüzeni->addLayout(satır);
  auto* düzen = new QVBoxLayout(&form);
  düzen->setContentsMargins(0, 0, 0, 0);
  düzen->addWidget(altlık);
  düzen->setSizeConstraint(QLayout::SetFixedSize);
}

void OdaktakiDüğmeEnterAlır(QDialog& form) { new OdaktakiDüğme(form); }

qint64 MevcutStok(Veritabanı& vt, qint64 ürünNo, qint64 depoNo) {
  // The balance the file keeps with every movement; a pair without one has none.
  const KayıtKümesi k = vt.KayıtKümesiAç(
      QStringLiteral("SELECT MevcutYuzde FROM StokBakiyeleriTablosu WHERE UrunNo= ? AND DepoNo= ?"), {ürünNo, depoNo});
  return k.Sonda() ? 0 : k.Tamsayı(QStringLiteral("MevcutYuzde"));
}

bool MiktarTamTutulur(Veritabanı& vt, qint64 ürünNo, qint64 yüzde) {
  const KayıtKümesi ürün =
      vt.KayıtKümesiAç(QStringLiteral("SELECT BirimAgirligi FROM UrunBilgileriTablosu WHERE UrunNo= ?"), {ürünNo});
  // A product deleted meanwhile weighs nothing here; the writes that name it check it themselves.
  return StokBakiyesi::AğırlıkTamTutulur(yüzde, ürün.Sonda() ? 0 : ürün.Ondalık(QStringLiteral("BirimAgirligi")));
}

bool StokTamTutulur(Veritabanı& vt, qint64 ürünNo, qint64 depoNo, qint64 eklenen) {
  qint64 stok = 0;
  if (__builtin_add_overflow(MevcutStok(vt, ürünNo, depoNo), eklenen, &stok)) return false;
  return MiktarTamTutulur(vt, ürünNo, stok);
}

KayıtKümesi DepodakiÜrünler(Veritabanı& vt, qint64 depoNo) {
  return vt.KayıtKümesiAç(
      QStringLiteral("SELECT UrunBilgileriTablosu.UrunNo, UrunBilgileriTablosu.UrunKodu, UrunBilgileriTablosu.UrunAdi "
                     "FROM UrunBilgileriTablosu INNER JOIN StokBakiyeleriTablosu "
                     "ON UrunBilgileriTablosu.UrunNo = StokBakiyeleriTablosu.UrunNo "
                     "WHERE StokBakiyeleriTablosu.DepoNo= ? AND StokBakiyeleriTablosu.TumGirisSayisi > 0 "
                     "ORDER BY UrunBilgileriTablosu.UrunAdi COLLATE TURKCE"),
      {depoNo});
}

QString DepodakiStokMetni(Veritabanı& vt, qint64 ürünNo, qint64 depoNo, qint64 mevcut) {
  const auto ad = [&vt](const QString& sql, qint64 no, const QString& alan) {
    const KayıtKümesi k = vt.KayıtKümesiAç(sql, {no});
    return k.Sonda() ? QString::number(no) : k.Metin(alan);
  };
  return QStringLiteral("%1 deposundaki %2 ürününün stok mevcudu (%3)")
      .arg(ad(QStringLiteral("SELECT DepoAdi FROM DepoBilgileriTablosu WHERE DepoNo= ?"), depoNo,
              QStringLiteral("DepoAdi")),
           ad(QStringLiteral("SELECT UrunAdi FROM UrunBilgileriTablosu WHERE UrunNo= ?"), ürünNo,
              QStringLiteral("UrunAdi")),
           TürkçeMetin::MiktarMetni(mevcut));
}

QString ÜrünİşiAdı(Veritabanı& vt, const QString& iş, qint64 ürünNo, std::size_t satırSayısı) {
  if (satırSayısı == 0) return iş;
  const KayıtKümesi k = vt.KayıtKümesiAç(
      QStringLiteral("SELECT UrunKodu || ' ' || UrunAdi AS Urun FROM UrunBilgileriTablosu WHERE UrunNo= ?"), {ürünNo});
  // A product gone meanwhile leaves the work unnamed: the write refuses it anyway.
  if (k.Sonda()) return iş;
  const QString ürün = k.Metin(QStringLiteral("Urun")).simplified();
  if (satırSayısı == 1) return QStringLiteral("%1: %2").arg(iş, ürün);
  return QStringLiteral("%1: %2 satır, ilki %3").arg(iş, QString::number(satırSayısı), ürün);
}

std::vector<Kişi> KişileriOku(Veritabanı& vt) {
  KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral(
      "SELECT GirisCikisYapanNo, GirisCikisYapanAdi FROM GirisCikisYapanlarTablosu "
      "ORDER BY GirisCikisYapanAdi COLLATE TURKCE"));
  std::vector<Kişi> kişiler;
  for (; !k.Sonda(); k.MoveNext())
    kişiler.push_back({k.Tamsayı(QStringLiteral("GirisCikisYapanNo")), k.Metin(QStringLiteral("GirisCikisYapanAdi"))});
  return kişiler;
}

bool DosyaVarMı(const QString& yol) { return !yol.isEmpty() && QFileInfo::exists(yol); }

QString ÇıkışNedeniAdı(qint64 neden) {
  static const std::array<QString, ÇıkışNedeniSayısı> adlar{"Satış", "Numune", "İşçilik", "Hurda",
                                                            "Zayi",  "Fire",   "Hediye"};
  return neden >= 0 && neden < ÇıkışNedeniSayısı ? adlar[static_cast<size_t>(neden)] : QString();
}

bool TabloProgramıKurulu() { return Platform::TabloProgramıVar && Platform::TabloProgramıVar(); }

}  // namespace OrtakYordamlarModülü
