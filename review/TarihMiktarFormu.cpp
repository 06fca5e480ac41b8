#include "TarihMiktarFormu.h"

#include "AlanAileleri.h"
#include "FormYoneticisi.h"
#include "OrtakYordamlarModulu.h"
#include "TarihKutusu.h"
#include "TurkceMetin.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TarihMiktarFormu::TarihMiktarFormu(const Tasarım& tasarım) {
  setWindowTitle(tasarım.başlık);
  Çerçeve = new QGroupBox(tasarım.çerçeve, this);
  auto* alanlar = new QGridLayout(Çerçeve);
  Etiket[0] = new QLabel(tasarım.tarihEtiketi, Çerçeve);
  Tarih = new TarihKutusu(Çerçeve);
  Etiket[1] = new QLabel(tasarım.miktarEtiketi, Çerçeve);
  Miktar = new QLineEdit(Çerçeve);
  Miktar->setMaxLength(tasarım.miktarUzunluğu);
  Miktar->setAlignment(Qt::AlignRight);
  OrtakYordamlarModülü::SayıKutusunaYerAç(*Miktar);
  alanlar->addWidget(Etiket[0], 0, 0);
  alanlar->addWidget(Tarih, 0, 1);
  alanlar->addWidget(Etiket[1], 1, 0);
  alanlar->addWidget(Miktar, 1, 1);
  if (!tasarım.nedenEtiketi.isEmpty()) {
    Etiket[2] = new QLabel(tasarım.nedenEtiketi, Çerçeve);
    Neden = new QComboBox(Çerçeve);
    int kod = 0;
    for (const char* ad : {"SATIŞ", "NUMUNE", "İŞÇİLİK", "HURDA", "ZAYİ", "FİRE", "HEDİYE"})
      Neden->addItem(QString::fromUtf8(ad), kod++);
    alanlar->addWidget(Etiket[2], 2, 0);
    alanlar->addWidget(Neden, 2, 1);
    Etiket[2]->setBuddy(Neden);
    // Its caption is never coloured; Enter moves on.
    AlanAileleri::Bağla(Neden, nullptr, AlanAileleri::Aile::Seçim, {.enterİlerler = true});
  }
  alanlar->setColumnMinimumWidth(1, 150);
  Etiket[0]->setBuddy(Tarih);
  Etiket[1]->setBuddy(Miktar);

  ÜstDüğme = new QPushButton(tasarım.düğme, this);
  İptalDüğmesi = new QPushButton(QStringLiteral("İptal (Esc)"), this);
  ÜstDüğme->setAutoDefault(false);
  İptalDüğmesi->setAutoDefault(false);
  OrtakYordamlarModülü::OdaktakiDüğmeEnterAlır(*this);
  auto* düğmeler = new QVBoxLayout;
  düğmeler->addWidget(ÜstDüğme);
  düğmeler->addWidget(İptalDüğmesi);
  düğmeler->addStretch();
  auto* satır = new QHBoxLayout;
  satır->addWidget(Çerçeve, 1);
  satır->addLayout(düğmeler);
  // A column, so that the caption's room widens the frame instead of standing beside it.
  auto* düzen = new QVBoxLayout(this);
  düzen->addLayout(satır);
  OrtakYordamlarModülü::BaşlığaYerAç(*this, 380);

  AlanAileleri::Bağla(Tarih, Etiket[0], AlanAileleri::Aile::Seçim, {.enterİlerler = true});
  AlanAileleri::Bağla(Miktar, Etiket[1], AlanAileleri::Aile::Ondalık);
  connect(ÜstDüğme, &QPushButton::clicked, this, [this] { ÜstDüğme_Click(); });
  connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
  Bekleyen.Çözüldü = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi) {
    ÖncekiDenemeÇözüldü(iş, yazılmış, kendi);
  };
}

TarihMiktarFormu::Değerler TarihMiktarFormu::Girilen() const {
  return {Tarih->Değer(), TürkçeMetin::MiktarOku(Miktar->text()).value_or(0),
          Neden && Neden->currentIndex() >= 0 ? Neden->currentData().toLongLong() : -1};
}

bool TarihMiktarFormu::Kaydet(const std::function<void()>& yaz, std::optional<Değerler>& bulunan) {
  const Değerler girilen = Girilen();
  const QString önceki = Bekleyen.İz();
  bulunan_.reset();
  const bool yazıldı = OrtakYordamlarModülü::HataYakala(yaz);
  bulunan = std::exchange(bulunan_, std::nullopt);
  if (yazıldı) return true;
  if (Bekleyen.Var() && Bekleyen.İz() != önceki)
    deneme_ = girilen;  // left unknown: the file holds these values or what it held before
  else if (bulunan)
    OrtakYordamlarModülü::MesajKutusu(OrtakYordamlarModülü::SonGirilenYazılmadıMetni, OrtakYordamlarModülü::Stil::Bilgi);
  return false;
}

void TarihMiktarFormu::ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış,
                                           bool kendi) {
  const std::optional<Değerler> deneme = std::exchange(deneme_, std::nullopt);
  if (!deneme) return OrtakYordamlarModülü::BekleyenİşiSöyle(iş, yazılmış, kendi);
  if (kendi) {
    // The save that found it tells, with what became of the values it writes now.
    if (yazılmış.value_or(false)) bulunan_ = deneme;
    return;
  }
  if (yazılmış.value_or(false)) return ÖncekiDenemeYazılmış(iş, *deneme);
  // Not in the file, or no longer known: the fields keep the input, saved as any other.
  OrtakYordamlarModülü::MesajKutusu(
      ÖncekiİşMetni(iş, yazılmış, QStringLiteral("bilgileri pencerede, kaydedilmeyi bekliyor.")),
      OrtakYordamlarModülü::Stil::Bilgi);
}

void TarihMiktarFormu::Yükle() {
  if (!yüklü_) Form_Load();
}

void TarihMiktarFormu::Form_Load() {
  yüklü_ = true;
  Miktar->clear();
  if (Neden) Neden->setCurrentIndex(-1);
}

void TarihMiktarFormu::done(int sonuç) {
  const bool yenile = İncelemeEskiKalabilir();
  // Its input goes with the dialog: a try left unknown is told as any other work when settled.
  Bekleyen.Bırak();
  deneme_.reset();
  if (yüklü_) {
    // Loaded again, the dialog starts on its first field, not on the control used last.
    if (QWidget* odak = focusWidget()) odak->clearFocus();
    AlanAileleri::PencereyiSıfırla(this);
    yüklü_ = false;
  }
  QDialog::done(sonuç);
  // The file holds the try or what it had before, whatever the settlement says later: listed
  // from the file, the row is changed again from there, not refused as changed elsewhere.
  if (yenile) Form<ÜrünlereGöreStokHareketleriFormu>().ListeyiYenile();
}

void TarihMiktarFormu::showEvent(QShowEvent* olay) {
  if (!olay->spontaneous()) Yükle();
  QDialog::showEvent(olay);
}

void TarihMiktarFormu::İptalDüğmesi_Click() { done(QDialog::Rejected); }

void TarihMiktarFormu::Uyar(const QString& metin, QWidget* alan) {
  OrtakYordamlarModülü::MesajKutusu(metin, OrtakYordamlarModülü::Stil::Bilgi);
  alan->setFocus();
}

bool TarihMiktarFormu::MiktarYok(const QString& metin) {
  const auto m = TürkçeMetin::MiktarOku(metin);
  return !m || *m <= 0;
}
