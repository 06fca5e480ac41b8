#pragma once
// Every printed report is drawn in millimetres from the top-left corner of the printable
// area through a canvas: on a printer (a PDF file is one) or, in tests, on a recording that
// keeps each text with its place and font.

#include <QFont>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QPrinter;

// A print operation that failed (the printer could not be opened, a page not begun, the
// document not handed over). The print run reports it once and ends the document.
struct YazıcıHatası {
  int numara = 482;
  QString açıklama;
};

class RaporTuvali {
public:
  virtual ~RaporTuvali();
  RaporTuvali(const RaporTuvali&) = delete;
  RaporTuvali& operator=(const RaporTuvali&) = delete;

  // Printable area in millimetres.
  double SayfaGenişliği() const { return genişlik_; }
  double SayfaYüksekliği() const { return yükseklik_; }

  // Print position: the top-left corner of the next text.
  double X = 0;
  double Y = 0;

  // The font of what is printed next. The face is set once; size in points.
  void YazıTipiAdı(const QString& aile);
  void YazıBoyutu(double punto);
  void Kalın(bool açık);
  void AltıÇizili(bool açık);
  const QFont& YazıTipi() const { return yazıTipi_; }

  // Width of a text and height of a line in the current font, in millimetres.
  double MetinGenişliği(const QString& metin) const;
  double SatırYüksekliği() const;
  // The text cut to `genişlik` millimetres with an ellipsis, so that it never runs into the
  // next column; a text that fits comes back whole, an empty one empty at any width.
  QString Sığdır(const QString& metin, double genişlik) const;
  // Space kept between a cut text and the column after it, in millimetres.
  static constexpr double SütunAralığı = 1.5;

  // A column of a printed table: texts from its left edge, figures ending at its right edge.
  struct Sütun {
    double sol, sağ;
    bool bütün;          // printed whole, never cut: figures (a part would read as another), dates
    double enGeniş = 0;  // such a column's widest text (cells and heads), measured
  };
  // A figure is printed whole and over nothing: a column kept whole that is narrower than its
  // widest text and a gap grows to the left, and the columns before it give way, the nearest
  // first (a text column keeps its left edge and is cut shorter, first to half its width, only
  // when that is not room enough further). Columns wide enough keep their places.
  static void SütunlarıYerleştir(std::vector<Sütun>& sütunlar);

  // Prints at the print position; the position moves to the end of the text.
  void Yaz(const QString& metin);
  // Prints at the print position, then x goes to 0 and y down one line.
  void SatırYaz(const QString& metin);
  // Prints so that the text ends at `sağKenar` (numbers of a column end at one edge).
  void SağaYaslıYaz(double sağKenar, const QString& metin, bool satırSonu = false);

  // Begins a new page; pages are counted from 1.
  void YeniSayfa();
  int SayfaNo() const { return sayfa_; }

  void Çizgi(double x1, double y1, double x2, double y2);

  // Hands the document to the printer. A second call does nothing.
  void BelgeyiBitir();
  bool Bitti() const { return bitti_; }

protected:
  RaporTuvali(double genişlik, double yükseklik);

  // What fonts are measured on: the printer itself, or a device of the printer's resolution.
  virtual const QPaintDevice& ÖlçümAygıtı() const = 0;
  // Drawing primitives; each throws YazıcıHatası when the printer refuses.
  virtual void MetinÇiz(double x, double y, const QString& metin) = 0;
  virtual void ÇizgiÇiz(double x1, double y1, double x2, double y2) = 0;
  virtual void SayfaEkle() = 0;
  virtual void Bitir() = 0;

  double MilimetreBaşınaNokta() const;

private:
  QFont yazıTipi_;
  double genişlik_;
  double yükseklik_;
  int sayfa_ = 1;
  bool bitti_ = false;
};

// Draws on a printer: a print queue of the workstation or a PDF file.
class YazıcıTuvali : public RaporTuvali {
public:
  // Opens the document at once; throws YazıcıHatası when the printer cannot begin it.
  explicit YazıcıTuvali(std::unique_ptr<QPrinter> yazıcı);
  ~YazıcıTuvali() override;

  // A printer of the workstation by name, the job carrying the document's name.
  static std::unique_ptr<YazıcıTuvali> Yazıcıya(const QString& yazıcıAdı, const QString& belgeAdı);
  // A PDF file on an A4 page with the margins a printer would leave.
  static std::unique_ptr<YazıcıTuvali> PdfDosyasına(const QString& yol, const QString& belgeAdı);

  QPrinter& Yazıcı() const { return *yazıcı_; }

protected:
  const QPaintDevice& ÖlçümAygıtı() const override;
  void MetinÇiz(double x, double y, const QString& metin) override;
  void ÇizgiÇiz(double x1, double y1, double x2, double y2) override;
  void SayfaEkle() override;
  void Bitir() override;

private:
  std::unique_ptr<QPrinter> yazıcı_;
  std::unique_ptr<QPainter> ressam_;
};

// Keeps what would be printed, for tests; measures as a printer of 1200 dpi does.
class KayıtTuvali : public RaporTuvali {
public:
  struct Metin {
    QString metin;
    double x, y, genişlik;
    int sayfa;
    double punto;
    bool kalın, altıÇizili;
    double Sağ() const { return x + genişlik; }
  };
  struct ÇizgiKaydı {
    double x1, y1, x2, y2;
    int sayfa;
  };

  // An A4 page's printable area by default.
  explicit KayıtTuvali(double genişlik = 190, double yükseklik = 277);

  std::vector<Metin> Metinler;
  std::vector<ÇizgiKaydı> Çizgiler;
  int SayfaSayısı = 1;
  // The text with this number (from 1) fails as a printer would; 0: none fails.
  int HatalıMetin = 0;

  // Texts of one page, in the order printed.
  std::vector<Metin> Sayfa(int no) const;

protected:
  const QPaintDevice& ÖlçümAygıtı() const override { return ölçüm_; }
  void MetinÇiz(double x, double y, const QString& metin) override;
  void ÇizgiÇiz(double x1, double y1, double x2, double y2) override;
  void SayfaEkle() override { ++SayfaSayısı; }
  void Bitir() override {}

private:
  QImage ölçüm_;
};
