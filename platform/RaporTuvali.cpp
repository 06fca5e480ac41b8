#include "RaporTuvali.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <limits>

namespace {

constexpr double MmBaşınaİnç = 25.4;
constexpr int KayıtÇözünürlüğü = 1200;

QFont BaşlangıçYazıTipi() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSizeF(10);
  // Widths must not depend on the pixel grid of the device they are measured on.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

}  // namespace

// ---------------------------------------------------------------- canvas

RaporTuvali::RaporTuvali(double genişlik, double yükseklik)
    : yazıTipi_(BaşlangıçYazıTipi()), genişlik_(genişlik), yükseklik_(yükseklik) {}

RaporTuvali::~RaporTuvali() = default;

void RaporTuvali::YazıTipiAdı(const QString& aile) { yazıTipi_.setFamily(aile); }
void RaporTuvali::YazıBoyutu(double punto) { yazıTipi_.setPointSizeF(punto); }
void RaporTuvali::Kalın(bool açık) { yazıTipi_.setBold(açık); }
void RaporTuvali::AltıÇizili(bool açık) { yazıTipi_.setUnderline(açık); }

double RaporTuvali::MilimetreBaşınaNokta() const { return ÖlçümAygıtı().logicalDpiX() / MmBaşınaİnç; }

double RaporTuvali::MetinGenişliği(const QString& metin) const {
  return QFontMetricsF(yazıTipi_, &ÖlçümAygıtı()).horizontalAdvance(metin) / MilimetreBaşınaNokta();
}

double RaporTuvali::SatırYüksekliği() const {
  return QFontMetricsF(yazıTipi_, &ÖlçümAygıtı()).height() / MilimetreBaşınaNokta();
}

QString RaporTuvali::Sığdır(const QString& metin, double genişlik) const {
  // An empty cell stays empty however narrow its column: only a cut text carries the ellipsis.
  if (metin.isEmpty() || MetinGenişliği(metin) <= genişlik) return metin;
  const QString üç = QStringLiteral("…");
  int alt = 0, üst = static_cast<int>(metin.size());
  while (alt < üst) {
    const int orta = (alt + üst + 1) / 2;
    if (MetinGenişliği(metin.left(orta) + üç) <= genişlik)
      alt = orta;
    else
      üst = orta - 1;
  }
  return metin.left(alt) + üç;
}

void RaporTuvali::SütunlarıYerleştir(std::vector<Sütun>& sütunlar) {
  if (sütunlar.empty()) return;
  const std::vector<Sütun> tasarım = sütunlar;
  // A text column first gives way down to half its width, then the one before it does; only when
  // that is not room enough does any give way to nothing.
  for (const double kalan : {0.5, 0.0}) {
    sütunlar = tasarım;
    double sınır = std::numeric_limits<double>::infinity();  // where the column to the right begins
    for (auto s = sütunlar.rbegin(); s != sütunlar.rend(); ++s) {
      const double enAz = s->bütün ? s->enGeniş + SütunAralığı : (s->sağ - s->sol) * kalan;
      s->sağ = std::min(s->sağ, sınır);
      s->sol = std::min(s->sol, s->sağ - enAz);
      sınır = s->sol;
    }
    if (sütunlar.front().sol >= tasarım.front().sol - 1e-9) return;
  }
}

void RaporTuvali::Yaz(const QString& metin) {
  MetinÇiz(X, Y, metin);
  X += MetinGenişliği(metin);
}

void RaporTuvali::SatırYaz(const QString& metin) {
  MetinÇiz(X, Y, metin);
  X = 0;
  Y += SatırYüksekliği();
}

void RaporTuvali::SağaYaslıYaz(double sağKenar, const QString& metin, bool satırSonu) {
  X = sağKenar - MetinGenişliği(metin);
  if (satırSonu)
    SatırYaz(metin);
  else
    Yaz(metin);
}

void RaporTuvali::YeniSayfa() {
  SayfaEkle();
  ++sayfa_;
  X = 0;
  Y = 0;
}

void RaporTuvali::Çizgi(double x1, double y1, double x2, double y2) { ÇizgiÇiz(x1, y1, x2, y2); }

void RaporTuvali::BelgeyiBitir() {
  if (bitti_) return;
  bitti_ = true;
  Bitir();
}

// ---------------------------------------------------------------- printer

namespace {

QRectF YazdırılabilirAlan(const QPrinter& y) { return y.pageLayout().paintRect(QPageLayout::Millimeter); }

}  // namespace

YazıcıTuvali::YazıcıTuvali(std::unique_ptr<QPrinter> yazıcı)
    : RaporTuvali(YazdırılabilirAlan(*yazıcı).width(), YazdırılabilirAlan(*yazıcı).height()),
      yazıcı_(std::move(yazıcı)),
      ressam_(std::make_unique<QPainter>()) {
  if (!yazıcı_->isValid() || !ressam_->begin(yazıcı_.get()))
    throw YazıcıHatası{482, QStringLiteral("Yazıcı hatası: \"%1\" yazıcısında belge başlatılamadı.")
                                .arg(yazıcı_->outputFileName().isEmpty() ? yazıcı_->printerName()
                                                                         : yazıcı_->outputFileName())};
}

YazıcıTuvali::~YazıcıTuvali() {
  // A document is never left open: what was drawn goes to the printer.
  if (ressam_->isActive()) ressam_->end();
}

std::unique_ptr<YazıcıTuvali> YazıcıTuvali::Yazıcıya(const QString& yazıcıAdı, const QString& belgeAdı) {
  auto y = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The printer the user chose, whatever the system's default is.
  y->setPrinterName(yazıcıAdı);
  y->setDocName(belgeAdı);
  return std::make_unique<YazıcıTuvali>(std::move(y));
}

std::unique_ptr<YazıcıTuvali> YazıcıTuvali::PdfDosyasına(const QString& yol, const QString& belgeAdı) {
  auto y = std::make_unique<QPrinter>(QPrinter::HighResolution);
  y->setOutputFormat(QPrinter::PdfFormat);
  y->setOutputFileName(yol);
  y->setDocName(belgeAdı);
  y->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Millimeter));
  return std::make_unique<YazıcıTuvali>(std::move(y));
}

const QPaintDevice& YazıcıTuvali::ÖlçümAygıtı() const { return *yazıcı_; }

void YazıcıTuvali::MetinÇiz(double x, double y, const QString& metin) {
  const double ölçek = MilimetreBaşınaNokta();
  ressam_->setFont(YazıTipi());
  const QFontMetricsF ölçü(YazıTipi(), yazıcı_.get());
  ressam_->drawText(QPointF(x * ölçek, y * ölçek + ölçü.ascent()), metin);
}

void YazıcıTuvali::ÇizgiÇiz(double x1, double y1, double x2, double y2) {
  const double ölçek = MilimetreBaşınaNokta();
  ressam_->setPen(QPen(Qt::black, 0));
  ressam_->drawLine(QPointF(x1 * ölçek, y1 * ölçek), QPointF(x2 * ölçek, y2 * ölçek));
}

void YazıcıTuvali::SayfaEkle() {
  if (!yazıcı_->newPage()) throw YazıcıHatası{482, QStringLiteral("Yazıcı hatası: yeni sayfa başlatılamadı.")};
}

void YazıcıTuvali::Bitir() {
  if (!ressam_->end()) throw YazıcıHatası{482, QStringLiteral("Yazıcı hatası: belge yazıcıya gönderilemedi.")};
}

// ---------------------------------------------------------------- recording

KayıtTuvali::KayıtTuvali(double genişlik, double yükseklik)
    : RaporTuvali(genişlik, yükseklik), ölçüm_(1, 1, QImage::Format_RGB32) {
  const int noktaBaşınaMetre = qRound(KayıtÇözünürlüğü / 0.0254);
  ölçüm_.setDotsPerMeterX(noktaBaşınaMetre);
  ölçüm_.setDotsPerMeterY(noktaBaşınaMetre);
}

void KayıtTuvali::MetinÇiz(double x, double y, const QString& metin) {
  if (HatalıMetin > 0 && static_cast<int>(Metinler.size()) + 1 == HatalıMetin)
    throw YazıcıHatası{482, QStringLiteral("Yazıcı hatası")};
  const QFont& f = YazıTipi();
  Metinler.push_back({metin, x, y, MetinGenişliği(metin), SayfaNo(), f.pointSizeF(), f.bold(), f.underline()});
}

void KayıtTuvali::ÇizgiÇiz(double x1, double y1, double x2, double y2) {
  Çizgiler.push_back({x1, y1, x2, y2, SayfaNo()});
}

std::vector<KayıtTuvali::Metin> KayıtTuvali::Sayfa(int no) const {
  std::vector<Metin> sonuç;
  for (const Metin& m : Metinler)
    if (m.sayfa == no) sonuç.push_back(m);
  return sonuç;
}
