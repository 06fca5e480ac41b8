#include "SikiListe.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace {

constexpr qint32 TarihYok = std::numeric_limits<qint32>::min();
// The zero date of the original program: a missing date sorts as 30 December 1899.
const qint32 SıfırGünü = static_cast<qint32>(QDate(1899, 12, 30).toJulianDay());

const QString BoşMetin;

int Rakamlar(QByteArrayView b, int baş, int uzunluk) {
  int n = 0;
  for (int i = baş; i < baş + uzunluk; ++i) {
    const char c = b[i];
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

SıkıListe::SıkıListe(std::vector<HücreTürü> türler) {
  for (HücreTürü t : türler) sütunlar_.push_back({t, {}, {}});
}

int SıkıListe::SatırSayısı() const {
  if (sütunlar_.empty()) return 0;
  const Sütun& s = sütunlar_.front();
  return static_cast<int>(s.tür == HücreTürü::Miktar ? s.büyük.size() : s.küçük.size());
}

qint32 SıkıListe::MetinNo(std::string_view utf8) {
  if (const auto i = metinNo_.find(utf8); i != metinNo_.end()) return i->second;
  const auto no = static_cast<qint32>(metinler_.size());
  metinler_.push_back(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  metinNo_.emplace(std::string(utf8), no);
  return no;
}

void SıkıListe::MetinEkle(int sütun, QByteArrayView utf8) {
  sütunlar_[static_cast<size_t>(sütun)].küçük.push_back(
      MetinNo(std::string_view(utf8.data(), static_cast<size_t>(utf8.size()))));
}

void SıkıListe::MetinEkle(int sütun, const QString& metin) { MetinEkle(sütun, QByteArrayView(metin.toUtf8())); }

void SıkıListe::MiktarEkle(int sütun, TürkçeMetin::Miktar yüzde) {
  sütunlar_[static_cast<size_t>(sütun)].büyük.push_back(yüzde);
}

void SıkıListe::TarihEkle(int sütun, const QDate& tarih) {
  sütunlar_[static_cast<size_t>(sütun)].küçük.push_back(tarih.isValid() ? static_cast<qint32>(tarih.toJulianDay())
                                                                         : TarihYok);
}

void SıkıListe::TarihEkle(int sütun, QByteArrayView iso) {
  // The common shape is read by hand: a date per row is too many to go through a QString each.
  if (iso.size() >= 10 && iso[4] == '-' && iso[7] == '-' && (iso.size() == 10 || iso[10] == ' ' || iso[10] == 'T')) {
    const int yıl = Rakamlar(iso, 0, 4), ay = Rakamlar(iso, 5, 2), gün = Rakamlar(iso, 8, 2);
    if (yıl >= 0 && ay >= 0 && gün >= 0) return TarihEkle(sütun, QDate(yıl, ay, gün));
  }
  TarihEkle(sütun, TürkçeMetin::ISOTarih(QString::fromUtf8(iso)));
}

const QString& SıkıListe::Metin(int satır, int sütun) const {
  const Sütun& s = sütunlar_[static_cast<size_t>(sütun)];
  return s.tür == HücreTürü::Metin ? metinler_[static_cast<size_t>(s.küçük[static_cast<size_t>(satır)])] : BoşMetin;
}

TürkçeMetin::Miktar SıkıListe::Miktar(int satır, int sütun) const {
  const Sütun& s = sütunlar_[static_cast<size_t>(sütun)];
  return s.tür == HücreTürü::Miktar ? s.büyük[static_cast<size_t>(satır)] : 0;
}

QDate SıkıListe::Tarih(int satır, int sütun) const {
  const Sütun& s = sütunlar_[static_cast<size_t>(sütun)];
  if (s.tür != HücreTürü::Tarih || s.küçük[static_cast<size_t>(satır)] == TarihYok) return {};
  return QDate::fromJulianDay(s.küçük[static_cast<size_t>(satır)]);
}

QString SıkıListe::HücreMetni(int satır, int sütun) const {
  switch (Tür(sütun)) {
    case HücreTürü::Miktar: return TürkçeMetin::MiktarMetni(Miktar(satır, sütun));
    case HücreTürü::Tarih: return TürkçeMetin::TarihMetni(Tarih(satır, sütun));
    default: return Metin(satır, sütun);
  }
}

TürkçeMetin::Miktar SıkıListe::Topla(int sütun) const {
  const Sütun& s = sütunlar_[static_cast<size_t>(sütun)];
  // Summed wider than a figure: a sum past the farthest figure is held there, not wrapped.
  return TürkçeMetin::Kırp(std::accumulate(s.büyük.begin(), s.büyük.end(), __int128{0}));
}

const std::vector<qint32>& SıkıListe::Sıralar() const {
  if (sıralar_.size() == metinler_.size()) return sıralar_;
  // Each distinct text is placed among the others once; rows then compare by those places.
  std::vector<qint32> nolar(metinler_.size());
  std::iota(nolar.begin(), nolar.end(), 0);
  std::sort(nolar.begin(), nolar.end(), [this](qint32 a, qint32 b) {
    return TürkçeMetin::Karşılaştır(metinler_[static_cast<size_t>(a)], metinler_[static_cast<size_t>(b)]) < 0;
  });
  sıralar_.assign(metinler_.size(), 0);
  for (size_t i = 0; i < nolar.size(); ++i) sıralar_[static_cast<size_t>(nolar[i])] = static_cast<qint32>(i);
  return sıralar_;
}

void SıkıListe::Sırala(std::vector<quint32>& sıra, int sütun, bool azalan) const {
  if (sütun < 0 || sütun >= SütunSayısı()) return;
  const Sütun& s = sütunlar_[static_cast<size_t>(sütun)];
  // The row numbers are sorted themselves, each comparison reading the two values: a long list
  // needs no copy of its keys beside it.
  const auto sırala = [&](auto değer) {
    if (azalan)
      std::stable_sort(sıra.begin(), sıra.end(), [&](quint32 a, quint32 b) { return değer(a) > değer(b); });
    else
      std::stable_sort(sıra.begin(), sıra.end(), [&](quint32 a, quint32 b) { return değer(a) < değer(b); });
  };
  const qint32* küçük = s.küçük.data();
  switch (s.tür) {
    case HücreTürü::Miktar: sırala([b = s.büyük.data()](quint32 r) { return b[r]; }); break;
    case HücreTürü::Tarih: sırala([küçük](quint32 r) { return küçük[r] == TarihYok ? SıfırGünü : küçük[r]; }); break;
    case HücreTürü::Metin: sırala([küçük, y = Sıralar().data()](quint32 r) { return y[küçük[r]]; }); break;
  }
}

void SıkıListe::Diz(const std::vector<quint32>& sıra) {
  // An order that leaves a row out or names one twice would lose rows and copy others: refused
  // before anything moves.
  std::vector<bool> görülen(static_cast<size_t>(SatırSayısı()));
  bool geçerli = sıra.size() == görülen.size();
  for (size_t i = 0; geçerli && i < sıra.size(); ++i) {
    geçerli = sıra[i] < görülen.size() && !görülen[sıra[i]];
    if (geçerli) görülen[sıra[i]] = true;
  }
  if (!geçerli) throw std::invalid_argument("SıkıListe::Diz: the order does not hold every row once");
  for (Sütun& s : sütunlar_) {
    const auto diz = [&](auto& değerler) {
      std::remove_reference_t<decltype(değerler)> yeni;
      yeni.reserve(değerler.size());
      for (quint32 satır : sıra) yeni.push_back(değerler[satır]);
      değerler = std::move(yeni);
    };
    if (s.tür == HücreTürü::Miktar)
      diz(s.büyük);
    else
      diz(s.küçük);
  }
}
