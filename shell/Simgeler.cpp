#include "Simgeler.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

const QColor Yeşil(46, 160, 67);
const QColor KoyuYeşil(24, 100, 40);
const QColor Kırmızı(214, 48, 49);
const QColor KoyuKırmızı(140, 24, 24);
const QColor Mavi(30, 100, 200);
const QColor Çizgi(60, 60, 60);

// Every picture is drawn on a grid `birim` units wide and scaled to its pixel size.
QPixmap Çiz(QSize boyut, qreal birim, const std::function<void(QPainter&)>& çizim) {
  QPixmap resim(boyut);
  resim.fill(Qt::transparent);
  QPainter p(&resim);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(boyut.width() / birim, boyut.width() / birim);
  çizim(p);
  return resim;
}

QPen Kalem(const QColor& renk, qreal kalınlık = 0.8) {
  return QPen(renk, kalınlık, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A thick arrow from `baş` to `uç`.
void Ok(QPainter& p, QPointF baş, QPointF uç, qreal gövde, qreal başlık, const QColor& dolgu,
        const QColor& kenar) {
  const QPointF fark = uç - baş;
  const qreal boy = std::hypot(fark.x(), fark.y());
  if (boy <= 0) return;
  const QPointF yön = fark / boy;
  const QPointF dik(-yön.y(), yön.x());
  const QPointF boyun = uç - yön * başlık;
  QPolygonF ok;
  ok << baş + dik * (gövde / 2) << boyun + dik * (gövde / 2) << boyun + dik * başlık << uç
     << boyun - dik * başlık << boyun - dik * (gövde / 2) << baş - dik * (gövde / 2);
  p.setPen(Kalem(kenar, 0.6));
  p.setBrush(dolgu);
  p.drawPolygon(ok);
}

// A cardboard box in a 16-unit square, seen from the front and slightly above.
void Kutu(QPainter& p) {
  const QColor kenar(107, 69, 32);
  p.setPen(Kalem(kenar, 0.7));
  p.setBrush(QColor(226, 178, 112));
  p.drawPolygon(QPolygonF{{{1.5, 6.5}, {4.5, 3.5}, {14.5, 3.5}, {11.5, 6.5}}});
  p.setBrush(QColor(168, 116, 58));
  p.drawPolygon(QPolygonF{{{11.5, 6.5}, {14.5, 3.5}, {14.5, 11.5}, {11.5, 14.5}}});
  p.setBrush(QColor(200, 145, 75));
  p.drawRect(QRectF(1.5, 6.5, 10, 8));
  // Packing tape across the lid and down the front.
  p.setPen(Kalem(QColor(245, 225, 170), 1.2));
  p.drawLine(QPointF(6.5, 6.5), QPointF(9.5, 3.5));
  p.drawLine(QPointF(6.5, 7.2), QPointF(6.5, 9.5));
}

// The box drawn `ölçek` times its size with its top-left corner at `yer`.
void KutuKoy(QPainter& p, QPointF yer, qreal ölçek) {
  p.save();
  p.translate(yer);
  p.scale(ölçek, ölçek);
  Kutu(p);
  p.restore();
}

// The pictures' deep blue ground, lighter towards the bottom.
void MaviZemin(QPainter& p, const QRectF& alan) {
  QLinearGradient zemin(alan.topLeft(), alan.bottomLeft());
  zemin.setColorAt(0, QColor(16, 58, 130));
  zemin.setColorAt(1, QColor(34, 110, 205));
  p.fillRect(alan, zemin);
}

// A sheet with list rows in a 16-unit square.
void Liste(QPainter& p) {
  QPainterPath kağıt;
  kağıt.moveTo(2.5, 1.5);
  kağıt.lineTo(10.5, 1.5);
  kağıt.lineTo(13.5, 4.5);
  kağıt.lineTo(13.5, 14.5);
  kağıt.lineTo(2.5, 14.5);
  kağıt.closeSubpath();
  p.setPen(Kalem(QColor(90, 90, 90), 0.7));
  p.setBrush(Qt::white);
  p.drawPath(kağıt);
  p.setBrush(QColor(220, 220, 220));
  p.drawPolygon(QPolygonF{{{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}});
  for (int i = 0; i < 4; ++i) {
    const qreal y = 6 + i * 2.3;
    p.setPen(Qt::NoPen);
    p.setBrush(Mavi);
    p.drawRect(QRectF(4, y - 0.6, 1.2, 1.2));
    p.setPen(Kalem(QColor(120, 120, 120), 0.8));
    p.drawLine(QPointF(6.3, y), QPointF(11.5, y));
  }
}

void GirişKutusu(QPainter& p) {
  p.save();
  p.translate(0, 1.5);
  p.scale(0.8, 0.85);
  Kutu(p);
  p.restore();
  Ok(p, {15, 0.8}, {8.8, 7}, 2.6, 2.6, Yeşil, KoyuYeşil);
}

void ÇıkışKutusu(QPainter& p) {
  p.save();
  p.translate(0, 1.5);
  p.scale(0.8, 0.85);
  Kutu(p);
  p.restore();
  Ok(p, {8.5, 7.2}, {15, 0.8}, 2.6, 2.6, Kırmızı, KoyuKırmızı);
}

// Goods moving both ways.
void Hareketler(QPainter& p) {
  Ok(p, {1, 5}, {15, 5}, 2.8, 3.2, Yeşil, KoyuYeşil);
  Ok(p, {15, 11.2}, {1, 11.2}, 2.8, 3.2, Kırmızı, KoyuKırmızı);
}

void Uyarı(QPainter& p) {
  p.setPen(Kalem(QColor(150, 100, 0), 0.8));
  p.setBrush(QColor(255, 200, 40));
  p.drawPolygon(QPolygonF{{{8, 1.2}, {15.2, 14.5}, {0.8, 14.5}}});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawRoundedRect(QRectF(7.1, 5.2, 1.8, 5.3), 0.6, 0.6);
  p.drawEllipse(QRectF(7.05, 11.4, 1.9, 1.9));
}

void Anahtar(QPainter& p) {
  const QColor kenar(130, 95, 10);
  p.setPen(Kalem(kenar, 0.7));
  p.setBrush(QColor(240, 196, 60));
  QPainterPath gövde;
  gövde.addEllipse(QRectF(0.8, 3, 7, 7));
  gövde.addRect(QRectF(7, 5.6, 8.2, 1.8));
  gövde.addRect(QRectF(11.2, 7.2, 1.6, 2.6));
  gövde.addRect(QRectF(13.6, 7.2, 1.6, 3.4));
  p.drawPath(gövde.simplified());
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(2.4, 5.1, 2.6, 2.6));
}

void ListeVeOk(QPainter& p, bool giriş) {
  p.save();
  p.scale(0.85, 1.0);
  Liste(p);
  p.restore();
  if (giriş)
    Ok(p, {8.2, 11.8}, {15.6, 11.8}, 2.4, 2.6, Yeşil, KoyuYeşil);
  else
    Ok(p, {15.6, 11.8}, {8.2, 11.8}, 2.4, 2.6, Kırmızı, KoyuKırmızı);
}

// A spreadsheet in a 16-unit square: a green title bar over a grid of cells.
void Tablo(QPainter& p) {
  p.setPen(Kalem(KoyuYeşil, 0.7));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(Yeşil);
  p.drawRect(QRectF(1.85, 1.85, 12.3, 3.2));
  p.setPen(Kalem(QColor(120, 160, 125), 0.5));
  for (const qreal y : {7.5, 10.0, 12.5}) p.drawLine(QPointF(1.9, y), QPointF(14.1, y));
  for (const qreal x : {5.5, 10.0}) p.drawLine(QPointF(x, 5.1), QPointF(x, 14.1));
}

// Index cards with a pencil: the definitions.
void Tanımlamalar(QPainter& p) {
  p.setPen(Kalem(QColor(90, 90, 90), 0.6));
  p.setBrush(QColor(200, 220, 245));
  p.drawRect(QRectF(4, 1.5, 10.5, 8));
  p.setBrush(QColor(225, 238, 252));
  p.drawRect(QRectF(2.5, 3.5, 10.5, 8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1, 5.5, 10.5, 8));
  p.setPen(Kalem(Mavi, 0.7));
  p.drawLine(QPointF(2.5, 8), QPointF(10, 8));
  p.setPen(Kalem(QColor(140, 140, 140), 0.6));
  p.drawLine(QPointF(2.5, 10), QPointF(9, 10));
  p.drawLine(QPointF(2.5, 11.8), QPointF(7.5, 11.8));
  // Pencil lying across the corner.
  p.save();
  p.translate(12.2, 12.2);
  p.rotate(-45);
  p.setPen(Kalem(QColor(120, 80, 0), 0.4));
  p.setBrush(QColor(250, 190, 40));
  p.drawRect(QRectF(-0.5, -1, 6, 2));
  p.setBrush(QColor(240, 140, 140));
  p.drawRect(QRectF(5.5, -1, 1.2, 2));
  p.setBrush(QColor(240, 215, 170));
  p.drawPolygon(QPolygonF{{{-0.5, -1}, {-2.6, 0}, {-0.5, 1}}});
  p.restore();
}

// A plug and its socket in a 32-unit square, together or apart.
void Fiş(QPainter& p, bool bağlı) {
  const qreal aralık = bağlı ? 0 : 3.5;
  const QColor gri(150, 155, 165), koyu(70, 75, 85);
  p.setPen(Kalem(koyu, 1.6));
  p.drawLine(QPointF(1, 16), QPointF(8 - aralık, 16));
  p.drawLine(QPointF(24 + aralık, 16), QPointF(31, 16));
  p.setPen(Kalem(koyu, 0.9));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(15 - aralık, 12.2, 4, 1.8));
  p.drawRect(QRectF(15 - aralık, 18, 4, 1.8));
  p.setBrush(gri);
  p.drawRoundedRect(QRectF(7 - aralık, 10, 8, 12), 2, 2);
  p.setBrush(QColor(110, 115, 125));
  p.drawRoundedRect(QRectF(18 + aralık, 9, 7, 14), 1.5, 1.5);

  if (bağlı) {
    p.setPen(Kalem(KoyuYeşil, 0.8));
    p.setBrush(Yeşil);
    p.drawEllipse(QRectF(20, 0.8, 10.5, 10.5));
    p.setPen(Kalem(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{{22.6, 6.2}, {24.6, 8.2}, {28, 3.6}}});
  } else {
    // A spark in the gap.
    p.setPen(Kalem(KoyuKırmızı, 0.7));
    p.setBrush(Kırmızı);
    p.drawPolygon(QPolygonF{{{17.5, 2}, {13.5, 9.5}, {16.2, 9.5}, {14, 15}, {19.5, 7.2}, {16.8, 7.2}, {19, 2}}});
    p.setPen(Kalem(Kırmızı, 1.4));
    p.drawLine(QPointF(13, 24.5), QPointF(19.5, 31));
    p.drawLine(QPointF(19.5, 24.5), QPointF(13, 31));
  }
}

QPixmap Karşılama() {
  return Çiz(QSize(400, 250), 400, [](QPainter& p) {
    MaviZemin(p, QRectF(0, 0, 400, 250));
    QRadialGradient ışık(QPointF(110, 120), 160);
    ışık.setColorAt(0, QColor(255, 255, 255, 60));
    ışık.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 400, 250), ışık);

    // A stack of boxes on the left.
    for (const QPointF yer : {QPointF(22, 118), QPointF(92, 118), QPointF(57, 60)}) KutuKoy(p, yer, 5.2);

    p.setPen(Qt::white);
    QFont ad(QStringLiteral("Liberation Sans"));
    ad.setPixelSize(46);
    ad.setBold(true);
    p.setFont(ad);
    p.drawText(QRectF(180, 70, 210, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
    p.setPen(Kalem(QColor(255, 255, 255, 170), 1.5));
    p.drawLine(QPointF(182, 134), QPointF(380, 134));
    QFont alt(QStringLiteral("Liberation Sans"));
    alt.setPixelSize(19);
    p.setFont(alt);
    p.setPen(QColor(225, 236, 255));
    p.drawText(QRectF(182, 140, 210, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Depo ve Stok Takibi"));

    p.setPen(QPen(QColor(8, 30, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 398, 248));
  });
}

// The about box's tall picture: the boxes stacked on a warehouse shelf, the name beneath.
QPixmap Hakkında() {
  return Çiz(QSize(120, 200), 120, [](QPainter& p) {
    MaviZemin(p, QRectF(0, 0, 120, 200));
    p.setPen(Kalem(QColor(190, 205, 230), 2));
    for (const qreal y : {62.0, 116.0}) p.drawLine(QPointF(10, y), QPointF(110, y));
    KutuKoy(p, {14, 2}, 3.8);
    KutuKoy(p, {60, 8}, 3.4);
    KutuKoy(p, {12, 60}, 3.4);
    KutuKoy(p, {56, 54}, 3.8);
    p.setPen(Qt::white);
    QFont ad(QStringLiteral("Liberation Sans"));
    ad.setPixelSize(22);
    ad.setBold(true);
    p.setFont(ad);
    p.drawText(QRectF(0, 130, 120, 30), Qt::AlignCenter, QStringLiteral("Velmora"));
    QFont alt(QStringLiteral("Liberation Sans"));
    alt.setPixelSize(10);
    p.setFont(alt);
    p.setPen(QColor(225, 236, 255));
    p.drawText(QRectF(0, 160, 120, 20), Qt::AlignCenter, QStringLiteral("Depo ve Stok Takibi"));
  });
}

// A letter with a red exclamation mark: something to report, in a 16-unit square.
void HataBildir(QPainter& p) {
  p.setPen(Kalem(QColor(90, 90, 90), 0.6));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0.8, 4, 11, 8));
  p.drawPolyline(QPolygonF{{{0.8, 4}, {6.3, 8.5}, {11.8, 4}}});
  p.setPen(Kalem(KoyuKırmızı, 0.6));
  p.setBrush(Kırmızı);
  p.drawEllipse(QRectF(8.5, 7.5, 7, 7));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(11.45, 8.6, 1.1, 3.2), 0.4, 0.4);
  p.drawEllipse(QRectF(11.4, 12.3, 1.2, 1.2));
}

// The header arrows of a sorted column, in an 8-unit square.
QPixmap SıralamaOku(bool yukarı) {
  return Çiz(QSize(8, 8), 8, [yukarı](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    if (yukarı)
      p.drawPolygon(QPolygonF{{{0.5, 6.5}, {7.5, 6.5}, {4, 1.5}}});
    else
      p.drawPolygon(QPolygonF{{{0.5, 1.5}, {7.5, 1.5}, {4, 6.5}}});
  });
}

std::function<void(QPainter&)> KomutÇizimi(int komutNo) {
  switch (komutNo) {
    case 101: return Kutu;
    case 105:
    case 401: return GirişKutusu;
    case 106:
    case 402: return ÇıkışKutusu;
    case 109:
    case 403: return Hareketler;
    case 111: return Uyarı;
    case 201: return Liste;
    case 206: return [](QPainter& p) { ListeVeOk(p, true); };
    case 207: return [](QPainter& p) { ListeVeOk(p, false); };
    case 300: return Anahtar;
    case 400: return Tanımlamalar;
    default: return {};
  }
}

}  // namespace

QPixmap Resim(const QString& ad) {
  // Kept for the whole run; never freed, as pixmaps must not outlive the application.
  static auto& önbellek = *new QHash<QString, QPixmap>;
  if (const auto b = önbellek.constFind(ad); b != önbellek.constEnd()) return *b;
  QPixmap resim;
  if (ad == QLatin1String("BAGLAN"))
    resim = Çiz(QSize(32, 32), 32, [](QPainter& p) { Fiş(p, true); });
  else if (ad == QLatin1String("BAGLANMA"))
    resim = Çiz(QSize(32, 32), 32, [](QPainter& p) { Fiş(p, false); });
  else if (ad == QLatin1String("KARSILAMA"))
    resim = Karşılama();
  else if (ad == QLatin1String("HAKKINDA"))
    resim = Hakkında();
  else if (ad == QLatin1String("PROGRAM"))
    resim = Çiz(QSize(32, 32), 16, Kutu);
  else if (ad == QLatin1String("HATABILDIR"))
    resim = Çiz(QSize(32, 32), 16, HataBildir);
  else if (ad == QLatin1String("YUKARI"))
    resim = SıralamaOku(true);
  else if (ad == QLatin1String("ASAGI"))
    resim = SıralamaOku(false);
  else if (ad == QLatin1String("EXCEL"))
    resim = Çiz(QSize(32, 32), 16, Tablo);
  else
    return {};
  önbellek.insert(ad, resim);
  return resim;
}

QIcon KomutSimgesi(int komutNo) {
  static auto& önbellek = *new QHash<int, QIcon>;
  if (const auto b = önbellek.constFind(komutNo); b != önbellek.constEnd()) return *b;
  const auto çizim = KomutÇizimi(komutNo);
  if (!çizim) return {};
  const int boy = komutNo >= 400 ? 48 : 16;
  QIcon simge(Çiz(QSize(boy, boy), 16, çizim));
  önbellek.insert(komutNo, simge);
  return simge;
}
