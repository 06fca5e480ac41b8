#include "SikiListeGorunumu.h"

#include "ListeKutusu.h"

#include <QHeaderView>

#include <algorithm>
#include <numeric>
#include <stdexcept>

int SıkıListeModeli::rowCount(const QModelIndex& üst) const {
  return üst.isValid() ? 0 : static_cast<int>(sıra_.size());
}

int SıkıListeModeli::columnCount(const QModelIndex& üst) const {
  return üst.isValid() ? 0 : static_cast<int>(başlıklar_.size());
}

QString SıkıListeModeli::HücreMetni(int gösterilen, int sütun) const {
  if (gösterilen < 0 || gösterilen >= static_cast<int>(sıra_.size()) || sütun < 0 || sütun >= satırlar_.SütunSayısı())
    return {};
  return satırlar_.HücreMetni(static_cast<int>(Satır(gösterilen)), sütun);
}

QVariant SıkıListeModeli::data(const QModelIndex& yer, int rol) const {
  if (!yer.isValid()) return {};
  if (rol == Qt::DisplayRole) return HücreMetni(yer.row(), yer.column());
  if (rol == Qt::TextAlignmentRole && hizalar_[static_cast<size_t>(yer.column())] == SütunluListe::Hiza::Sağ)
    return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant SıkıListeModeli::headerData(int bölme, Qt::Orientation yön, int rol) const {
  if (yön != Qt::Horizontal || bölme < 0 || bölme >= static_cast<int>(başlıklar_.size())) return {};
  if (rol == Qt::DisplayRole) return başlıklar_[static_cast<size_t>(bölme)];
  if (rol == Qt::TextAlignmentRole)
    return static_cast<int>(
        (hizalar_[static_cast<size_t>(bölme)] == SütunluListe::Hiza::Sağ ? Qt::AlignRight : Qt::AlignLeft) |
        Qt::AlignVCenter);
  return {};
}

void SıkıListeModeli::SütunEkle(const QString& başlık, SütunluListe::Hiza hiza) {
  const int n = static_cast<int>(başlıklar_.size());
  beginInsertColumns({}, n, n);
  başlıklar_.push_back(başlık);
  hizalar_.push_back(hiza);
  endInsertColumns();
}

void SıkıListeModeli::Doldur(SıkıListe satırlar) {
  beginResetModel();
  // The old rows go before the new ones are counted: two long lists are never held at once.
  sıra_ = {};
  satırlar_ = std::move(satırlar);
  sıra_.resize(static_cast<size_t>(satırlar_.SatırSayısı()));
  std::iota(sıra_.begin(), sıra_.end(), 0u);
  endResetModel();
}

void SıkıListeModeli::Sırala(int sütun, bool azalan) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList eski = persistentIndexList();
  std::vector<quint32> tutulan;
  for (const QModelIndex& i : eski) tutulan.push_back(Satır(i.row()));
  satırlar_.Sırala(sıra_, sütun, azalan);
  if (!eski.isEmpty()) {
    std::vector<int> yer(sıra_.size());
    for (size_t i = 0; i < sıra_.size(); ++i) yer[sıra_[i]] = static_cast<int>(i);
    QModelIndexList yeni;
    for (qsizetype k = 0; k < eski.size(); ++k) yeni << index(yer[tutulan[static_cast<size_t>(k)]], eski[k].column());
    changePersistentIndexList(eski, yeni);
  }
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

SıkıListeGörünümü::SıkıListeGörünümü(QWidget* ebeveyn)
    : QTreeView(ebeveyn), SütunluListe(static_cast<QTreeView&>(*this)), model_(new SıkıListeModeli(this)) {
  setModel(model_);
  ListeKlavyesiniKur(*this);
}

void SıkıListeGörünümü::SütunuKur(int, const QString& metin, Hiza hiza) { model_->SütunEkle(metin, hiza); }

int SıkıListeGörünümü::SütunEkle(const QString& metin, int genişlikTwip, HücreTürü tür) {
  türler_.push_back(tür);
  return SütunluListe::SütunEkle(metin, genişlikTwip, tür == HücreTürü::Miktar ? Hiza::Sağ : Hiza::Sol);
}

HücreTürü SıkıListeGörünümü::SütununTürü(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? türler_[static_cast<size_t>(başlıkIndex - 1)] : HücreTürü::Metin;
}

void SıkıListeGörünümü::Doldur(SıkıListe satırlar) {
  // A column shown, sorted or exported as another type than its cells would read wrongly.
  bool aynı = satırlar.SütunSayısı() == 0 || satırlar.SütunSayısı() == SütunSayısı();
  for (int k = 0; aynı && k < satırlar.SütunSayısı(); ++k) aynı = satırlar.Tür(k) == türler_[static_cast<size_t>(k)];
  if (!aynı) throw std::invalid_argument("SıkıListeGörünümü::Doldur: the rows' columns are not the list's");
  model_->Doldur(std::move(satırlar));
  // The widest figure of an amount column is its largest or its most negative one; dates are all
  // as wide as one another.
  const SıkıListe& dolu = model_->Satırlar();
  std::fill(bütünGenişlikler_.begin(), bütünGenişlikler_.end(), 0);
  for (int k = 0; k < dolu.SütunSayısı(); ++k) {
    int& bütün = bütünGenişlikler_[static_cast<size_t>(k)];
    if (dolu.Tür(k) == HücreTürü::Miktar && dolu.SatırSayısı() > 0) {
      TürkçeMetin::Miktar en = 0, enAz = 0;
      for (int i = 0; i < dolu.SatırSayısı(); ++i) {
        en = std::max(en, dolu.Miktar(i, k));
        enAz = std::min(enAz, dolu.Miktar(i, k));
      }
      bütün = std::max(HücreGenişliği(TürkçeMetin::MiktarMetni(en)), HücreGenişliği(TürkçeMetin::MiktarMetni(enAz)));
    } else if (dolu.Tür(k) == HücreTürü::Tarih) {
      for (int i = 0; i < dolu.SatırSayısı() && bütün == 0; ++i)
        if (dolu.Tarih(i, k).isValid()) bütün = HücreGenişliği(dolu.HücreMetni(i, k));
    }
  }
  Yerleştir();
  if (sıralı_)
    KendiSıralamasınaDiz();
  else
    OklarıKaldır();
}

void SıkıListeGörünümü::Temizle() { Doldur({}); }

int SıkıListeGörünümü::SatırSayısı() const { return model_->rowCount(); }

QString SıkıListeGörünümü::AltÖğe(int konum, int k) const { return model_->HücreMetni(konum - 1, k); }

int SıkıListeGörünümü::SeçiliSatırKonumu() const {
  const QModelIndexList seçili = selectionModel()->selectedRows();
  return seçili.isEmpty() ? 0 : seçili.first().row() + 1;
}

void SıkıListeGörünümü::SatırSeç(int konum) {
  if (konum < 1 || konum > SatırSayısı()) return;
  const QModelIndex yer = model_->index(konum - 1, 0);
  setCurrentIndex(yer);
  scrollTo(yer);
}

void SıkıListeGörünümü::SütunaGöreSırala(int k, bool azalan) { model_->Sırala(k, azalan); }

void SıkıListeGörünümü::KendiSıralamasınaDiz() { SütunaGöreSırala(sıralamaAnahtarı_, sıralamaDüzeni_ != 0); }
