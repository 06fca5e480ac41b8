#include "IlerlemeGosterFormu.h"

#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Simgeler.h"
#include "TurkceListeOgesi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <map>

namespace {
// Filled while the program's files are initialised, so kept where its first use creates it.
std::map<int, std::function<ListeHedefi()>>& KayıtlıHedefler() {
  static std::map<int, std::function<ListeHedefi()>> hedefler;
  return hedefler;
}
std::map<int, std::function<void()>>& KayıtlıProsedürler() {
  static std::map<int, std::function<void()>> prosedürler;
  return prosedürler;
}
}  // namespace

std::function<std::optional<ListeHedefi>(int)> İlerlemeGösterFormu::HedefFormBul = [](int kod) {
  const auto& hedefler = KayıtlıHedefler();
  const auto h = hedefler.find(kod);
  return h == hedefler.end() ? std::optional<ListeHedefi>() : std::optional<ListeHedefi>(h->second());
};

bool İlerlemeGösterFormu::HedefKaydet(std::initializer_list<int> işKodları, std::function<ListeHedefi()> hedef) {
  for (int kod : işKodları) KayıtlıHedefler()[kod] = hedef;
  return true;
}
bool İlerlemeGösterFormu::İşProsedürüKaydet(std::initializer_list<int> işKodları, std::function<void()> prosedür) {
  for (int kod : işKodları) KayıtlıProsedürler()[kod] = prosedür;
  return true;
}
std::function<std::function<void()>(int)> İlerlemeGösterFormu::İşProsedürüBul = [](int kod) {
  const auto& prosedürler = KayıtlıProsedürler();
  const auto p = prosedürler.find(kod);
  return p == prosedürler.end() ? std::function<void()>() : p->second;
};

İlerlemeGösterFormu::İlerlemeGösterFormu() {
  // No control box: the form closes when its job ends.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  SimgeKutusu = new QLabel(this);
  ExcelSimgesi = new QLabel(this);
  ExcelSimgesi->hide();
  Etiket = new QLabel(this);
  İlerlemeÇubuğu = new QProgressBar(this);
  İlerlemeÇubuğu->setTextVisible(false);
  auto* üst = new QHBoxLayout;
  üst->addWidget(SimgeKutusu);
  üst->addWidget(Etiket, 1);
  auto* düzen = new QVBoxLayout(this);
  düzen->addLayout(üst);
  düzen->addWidget(İlerlemeÇubuğu);
  OrtakYordamlarModülü::BaşlığaYerAç(*this, 360);
  Form_Load();
}

void İlerlemeGösterFormu::Form_Load() {
  setWindowTitle(QString());
  SimgeKutusu->setPixmap(Resim(QStringLiteral("LISTE")));
  ExcelSimgesi->setPixmap(Resim(QStringLiteral("EXCEL")));
  Etiket->clear();
  İlerlemeÇubuğu->setRange(0, 100);
  İlerlemeÇubuğu->setValue(0);
  setCursor(Qt::WaitCursor);
}

void İlerlemeGösterFormu::İşiÇalıştır(int işKodu, const QString& başlık, const QString& metin, QWidget* sahip,
                                       bool excel) {
  Form_Load();
  Ortak::İşlemKodu = işKodu;
  setWindowTitle(başlık);
  Etiket->setText(metin);
  if (excel) SimgeKutusu->setPixmap(ExcelSimgesi->pixmap());
  if (sahip && parentWidget() != sahip) setParent(sahip, windowFlags());
  kaldırıldı_ = false;
  bitiş_ = nullptr;
  exec();
  if (bitiş_) std::rethrow_exception(std::exchange(bitiş_, nullptr));
}

void İlerlemeGösterFormu::showEvent(QShowEvent* olay) {
  QDialog::showEvent(olay);
  // The job runs once the form has been drawn.
  QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void İlerlemeGösterFormu::DeğerYaz(qint64 değer) {
  if (değer > İlerlemeÇubuğu->maximum()) İlerlemeÇubuğu->setMaximum(static_cast<int>(std::min<qint64>(değer, INT_MAX)));
  İlerlemeÇubuğu->setValue(static_cast<int>(std::clamp<qint64>(değer, 0, INT_MAX)));
}

void İlerlemeGösterFormu::EnBüyükYaz(qint64 enBüyük) {
  İlerlemeÇubuğu->setMaximum(static_cast<int>(std::clamp<qint64>(enBüyük, 1, INT_MAX)));
}

void İlerlemeGösterFormu::Kaldır() {
  if (kaldırıldı_) return;
  kaldırıldı_ = true;
  Form_QueryUnload();
  done(QDialog::Accepted);
}

void İlerlemeGösterFormu::Form_QueryUnload() {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void İlerlemeGösterFormu::closeEvent(QCloseEvent* olay) {
  // The user cannot close it; only the end of its job does.
  if (!kaldırıldı_) olay->ignore();
}

void İlerlemeGösterFormu::reject() {
  if (kaldırıldı_) QDialog::reject();
}

void İlerlemeGösterFormu::keyPressEvent(QKeyEvent* olay) {
  if (olay->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(olay);
}

void İlerlemeGösterFormu::Form_Activate() {
  if (kaldırıldı_ || !isVisible()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  const int kod = Ortak::İşlemKodu;
  const auto& T = Ortak::TanımSayıları;
  try {
    OrtakYordamlarModülü::HataYakala([&] {
      if (kod >= 1 && kod <= 15) {
        const std::optional<ListeHedefi> hedef = HedefFormBul(kod);
        if (!hedef) return;
        hedef_ = *hedef;
        const QString U = hedef_.ÜrünAdıSeçili && hedef_.ÜrünAdıSeçili() ? QStringLiteral("UrunAdi")
                                                                          : QStringLiteral("UrunKodu");
        const auto D = [&](int k) {
          return hedef_.DepoAdıSeçili && hedef_.DepoAdıSeçili(k) ? QStringLiteral("DepoAdi")
                                                                : QStringLiteral("DepoKodu");
        };
        const auto temizle = [](QListWidget* l) {
          if (l) l->clear();
        };
        switch (kod) {
          case 1:
            EnBüyükYaz(T[0] + T[1] + T[2]);
            temizle(hedef_.FirmaListesi), temizle(hedef_.ÜrünListesi), temizle(hedef_.DepoListesi);
            FirmaListesiYükle(QStringLiteral("Satici"));
            ÜrünListesiYükle(U);
            DepoListesiYükle(D(0));
            break;
          case 2:
            EnBüyükYaz(T[0] + T[2]);
            temizle(hedef_.FirmaListesi), temizle(hedef_.DepoListesi);
            FirmaListesiYükle(QStringLiteral("Alici"));
            DepoListesiYükle(D(0));
            break;
          case 3:
          case 12:
            EnBüyükYaz(T[1]);
            temizle(hedef_.ÜrünListesi);
            ÜrünListesiYükle(U);
            break;
          case 7:
          case 9:
          case 14:
            temizle(hedef_.ÜrünListesi);
            DepodakiÜrünListesiYükle(U);
            break;
          case 8:
            EnBüyükYaz(T[2]);
            temizle(hedef_.DepoListesi), temizle(hedef_.YeniDepoListesi);
            DepoListesiYükle(D(0));
            break;
          case 11:
            EnBüyükYaz(T[2]);
            temizle(hedef_.YeniDepoListesi);
            DepoListesiYükle(D(2));
            break;
          case 5:
          case 6:
          case 10:
          case 13:
          case 15:
            EnBüyükYaz(T[2]);
            temizle(hedef_.DepoListesi);
            DepoListesiYükle(D(0));
            break;
          default: break;
        }
      } else if (kod >= 20 && kod <= 35) {
        if (const auto prosedür = İşProsedürüBul(kod)) prosedür();
      }
    });
  } catch (...) {
    // Ending the program from inside the job: leave the loop first, then let it go on.
    bitiş_ = std::current_exception();
  }
  yüklenenKayıtSayısı_ = 0;
  hedef_ = {};
  // Whatever the job did, the form closes.
  Kaldır();
}

void İlerlemeGösterFormu::Satırlar(const QString& sql, const QVariantList& değerler, const QString& alan,
                                    const QString& anahtar, std::initializer_list<QListWidget*> listeler) {
  KayıtKümesi k = Ortak::Veritabanı->KayıtKümesiAç(sql, değerler);
  Satırlar(k, alan, anahtar, listeler);
}

void İlerlemeGösterFormu::Satırlar(KayıtKümesi& k, const QString& alan, const QString& anahtar,
                                    std::initializer_list<QListWidget*> listeler) {
  for (; !k.Sonda(); k.MoveNext()) {
    const QString metin = k.Metin(alan);
    const qint64 no = k.Tamsayı(anahtar);
    for (QListWidget* liste : listeler) {
      if (!liste) continue;
      // The key travels on the item itself, so a sorted list keeps it right.
      liste->addItem(new TürkçeListeÖğesi(metin, no));
    }
    DeğerYaz(++yüklenenKayıtSayısı_);
  }
}

void İlerlemeGösterFormu::FirmaListesiYükle(const QString& tür) {
  Satırlar(QStringLiteral("SELECT FirmaNo, FirmaAdi FROM %1FirmaBilgileriTablosu ORDER BY FirmaAdi COLLATE TURKCE")
               .arg(tür == QLatin1String("Satici") ? QStringLiteral("Satici") : QStringLiteral("Alici")),
           {}, QStringLiteral("FirmaAdi"), QStringLiteral("FirmaNo"), {hedef_.FirmaListesi});
}

void İlerlemeGösterFormu::ÜrünListesiYükle(const QString& alan) {
  Satırlar(QStringLiteral("SELECT UrunNo, UrunKodu, UrunAdi FROM UrunBilgileriTablosu ORDER BY UrunAdi COLLATE TURKCE"),
           {}, alan, QStringLiteral("UrunNo"), {hedef_.ÜrünListesi});
}

void İlerlemeGösterFormu::DepoListesiYükle(const QString& alan) {
  const QString sql =
      QStringLiteral("SELECT DepoNo, DepoKodu, DepoAdi FROM DepoBilgileriTablosu ORDER BY DepoAdi COLLATE TURKCE");
  const QString anahtar = QStringLiteral("DepoNo");
  if (Ortak::İşlemKodu == 8)
    Satırlar(sql, {}, alan, anahtar, {hedef_.DepoListesi, hedef_.YeniDepoListesi});
  else if (Ortak::İşlemKodu == 11)
    Satırlar(sql, {}, alan, anahtar, {hedef_.YeniDepoListesi});
  else
    Satırlar(sql, {}, alan, anahtar, {hedef_.DepoListesi});
}

void İlerlemeGösterFormu::DepodakiÜrünListesiYükle(const QString& alan) {
  KayıtKümesi k = OrtakYordamlarModülü::DepodakiÜrünler(*Ortak::Veritabanı, SeçilenDepoNo);
  // The maximum is the number of rows, known before the loop (1 when there are none).
  EnBüyükYaz(std::max<qint64>(1, k.KayıtSayısı()));
  Satırlar(k, alan, QStringLiteral("UrunNo"), {hedef_.ÜrünListesi});
}
