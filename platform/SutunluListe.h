#pragma once
// What every report-style list view of the program shares, whatever holds its rows: columns with
// widths in twips (15 twips = 1 pixel), hidden 1-twip columns, the header that draws the sort
// arrows itself, the list's own text sort setting and its layout saved in settings. Print and
// export read a list through it: its columns and the texts of its rows as the list shows them.

#include "Ayarlar.h"

#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class ListeBaşlığı;
class QTreeView;

class SütunluListe {
public:
  enum class Hiza { Sol, Sağ };

  // A column narrower than one pixel cannot be seen: it is hidden but keeps its texts.
  static constexpr int PikselBaşınaTwip = 15;

  virtual ~SütunluListe();
  SütunluListe(const SütunluListe&) = delete;
  SütunluListe& operator=(const SütunluListe&) = delete;

  // Columns. Header indexes count from 1 in the order of adding; positions count from 1 too.
  // Each view adds its columns in its own terms (SütunEkle).
  int SütunSayısı() const;
  QString SütunBaşlığı(int başlıkIndex) const;
  Hiza SütunHizası(int başlıkIndex) const;
  int SütunKonumu(int başlıkIndex) const;
  void SütunKonumuAyarla(int başlıkIndex, int konum);
  int SütunGenişliği(int başlıkIndex) const;  // twips
  // Twips too, but never less than its widest figure or date needs: what other copies of the
  // list (a workbook) take so as to show them whole.
  int BütünSütunGenişliği(int başlıkIndex) const;
  void SütunGenişliğiAyarla(int başlıkIndex, int genişlikTwip);
  bool SütunGizli(int başlıkIndex) const;

  // Rows: positions count from 1 in the order the list shows them; column k counts from 0.
  virtual int SatırSayısı() const = 0;
  virtual QString AltÖğe(int konum, int k) const = 0;
  virtual void Temizle() = 0;

  // Back to the design: no rows, own sort off, every column at its place and width as added,
  // no header image.
  void TasarımaDön();

  // Own text sort: while Sıralı is on, rows stand in Turkish order of the key column's texts.
  int SıralamaAnahtarı() const { return sıralamaAnahtarı_; }
  void SıralamaAnahtarıAyarla(int sütun);
  int SıralamaDüzeni() const { return sıralamaDüzeni_; }  // 0 ascending, 1 descending
  void SıralamaDüzeniAyarla(int düzen);
  bool Sıralı() const { return sıralı_; }
  void SıralıAyarla(bool açık);

  // Header image store: image 1 the ascending arrow, image 2 the descending arrow.
  void BaşlıkResimleriAyarla(const QPixmap& yukarı, const QPixmap& aşağı);
  void BaşlıkResmiAyarla(int başlıkIndex, int resimNo);  // 0: no image
  int BaşlıkResmi(int başlıkIndex) const;
  // Where the header's image is drawn, in header coordinates; empty when none is shown.
  QRect BaşlıkResmiAlanı(int başlıkIndex) const;

  // Column positions and widths in settings section "Listeler\<ad>", keys "Konum-<i>" and
  // "Genislik-<i>"; a missing or unreadable value keeps the current one.
  void DüzeniYükle(const QString& listeAdı);
  // One write for the whole layout; what became of it is for the form to tell.
  Ayarlar::Sonuç DüzeniKaydet(const QString& listeAdı) const;

  std::function<void(int başlıkIndex)> BaşlığaTıklandı;

protected:
  // Installs the header on the view and gives it the list's looks; the view's keyboard is set by
  // the view once its model is there.
  explicit SütunluListe(QTreeView& görünüm);
  // A new column at the end; returns its header index.
  int SütunEkle(const QString& metin, int genişlikTwip, Hiza hiza = Hiza::Sol);
  bool GeçerliSütun(int başlıkIndex) const;
  // The new column's caption and alignment, where the view keeps them.
  virtual void SütunuKur(int mantıksal, const QString& metin, Hiza hiza) = 0;
  // Puts the rows in the own sort's order; called when it is on and its setting changes.
  virtual void KendiSıralamasınaDiz() = 0;
  // An arrow says the rows are sorted by its column: rows put in another order leave none true.
  void OklarıKaldır();
  // The pixels a cell needs to show `metin` whole.
  int HücreGenişliği(const QString& metin) const;
  // Shows the columns as on paper: a column of figures or dates takes at least its widest text
  // (a part of a figure reads as another figure); when the columns pass the view's right edge, the
  // text columns give way with an ellipsis first. Only the picture changes: the widths kept and
  // saved stay the user's or the design's.
  void Yerleştir();

  int sıralamaAnahtarı_ = 0;
  int sıralamaDüzeni_ = 0;
  bool sıralı_ = false;
  // Per column, the pixels its widest figure or date needs; 0 for a column of texts. Set by the
  // view from its cells, then Yerleştir.
  std::vector<int> bütünGenişlikler_;

private:
  QTreeView& görünüm_;
  ListeBaşlığı* başlık_;
  std::vector<int> genişlikler_;  // twips, kept exactly; pixels are only their picture
  std::vector<int> tasarımGenişlikleri_;
  std::vector<Hiza> hizalar_;
  bool içeridenBoyutlanıyor_ = false;

  int BaşlıkGenişliği(int mantıksal) const;  // pixels, its room either side included
};
