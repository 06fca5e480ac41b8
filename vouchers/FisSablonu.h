#pragma once
// What the three voucher forms (entry, exit, transfer) share: the chooser columns with
// their find boxes and order options, the column of entry fields, the working list with
// its add, remove, clear, sort and commit mechanics, the stock-on-hand display, the
// saved column layout and the guard on closing. A voucher form describes itself with a
// FişTanımı and adds only what is its own.

#include "FisVerileri.h"
#include "IslemIzleri.h"
#include "ListeGorunumu.h"
#include "ListeyiSiralaModulu.h"
#include "TurkceMetin.h"

#include <QDialog>
#include <QGroupBox>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TarihKutusu;
struct FişBaskısı;
namespace FişVerileri {
struct ListeSütunları;
}

// One chooser column: caption, list, the two order options (if any), find caption and box.
struct SeçiciTanımı {
  QString başlık;
  QString bulBaşlığı;
  QStringList seçenekler;  // "... Adına Göre Listele ", "... Koduna Göre Listele ", or none
  int altlık = -1;         // index in Altlık of the options' panel
  int yükseklikTwip = 1620;
  bool bulurkenSeç = true;  // the find box selects its text on focus (else only colours its caption)
};

class SeçiciSütunu : public QWidget {
public:
  SeçiciSütunu(const SeçiciTanımı& tanım, bool sıralı, QWidget* ebeveyn);

  QLabel* Etiket;
  QListWidget* Liste;
  QWidget* Altlık = nullptr;
  std::array<QRadioButton*, 2> Seçenek{};
  QLabel* BulEtiketi;
  QLineEdit* BulKutusu;

  // The record number of the chosen item (its item data), or none.
  std::optional<qint64> SeçiliNo() const;
  QString SeçiliMetin() const;
  // Programmatic choice runs the click handling as the user's does; -1 chooses nothing.
  void Seç(int satır);
  // Names are shown: option 0 is on (a column without options shows names).
  bool AdlarGösteriliyor() const;
  // As designed: empty list and find box, option 0 on.
  void Sıfırla();

  std::function<void()> Tıklandı;               // the choice changed, by the user or the program
  std::function<void(int index)> SeçenekTıklandı;  // the user chose an order option
};

struct SütunTanımı {
  const char* başlık;
  int genişlikTwip;  // 1: a hidden column that carries data only
  ListeyiSıralaModülü::SütunTürü tür;  // how a header click sorts it; numbers are right-aligned
};

// Frame `Çerçeve(1)`: the working list, its total weight, and the list buttons it enables.
class ÇalışmaListesi : public QGroupBox {
public:
  ÇalışmaListesi(const QString& başlık, const std::vector<SütunTanımı>& sütunlar, int ağırlıkSütunu,
                 QString ayarAdı, QWidget* ebeveyn);

  ListeGörünümü* Liste;
  QWidget* Altlık;
  QLabel* ToplamEtiketi;
  QLineEdit* ToplamAğırlıkKutusu;
  std::vector<QWidget*> Düğmeler;  // enabled only while the list has rows

  // Running total of the weight cells as they read, in hundredths.
  TürkçeMetin::Miktar ToplamAğırlık() const { return toplam_; }
  bool Dolu() const;
  bool Yinelenen(const QString& anahtar) const;  // a row carries this key
  // Rows that went with a commit whose outcome is still unknown.
  int ÖncekiDenemedekiSatırlar() const;
  // Whether the settings keep that try too, so that a restart still tells what became of it.
  bool ÖncekiDenemeSaklandı() const { return bekleyen_.Saklandı(); }

  // Adds a row at the end (cells from column 0), its key as tag; the total grows by its weight cell.
  void Ekle(const QStringList& hücreler, const QString& anahtar);
  // Removes the chosen row (none chosen: nothing); selects the row before it, or the new first one.
  void SeçiliyiÇıkar();
  void Temizle();
  // Header click: by the column's kind, with the program-wide sort state and the header arrow.
  void SütunaTıklandı(int başlıkIndex);
  // Cells of every row, in the order shown.
  std::vector<QStringList> Satırlar() const;
  // What a commit writes: the cells of every row in the order shown, and for each whether it
  // was in the list when an earlier commit of it was left unknown; the token of that commit.
  struct Yazılacak {
    std::vector<QStringList> satırlar;
    FişVerileri::ÖncekiDeneme önceki;
  };
  // Commits the rows through `yaz` under the error routine; the list is emptied only when it
  // succeeded. Left unknown, the rows stay with the commit's token: tried again, those found in
  // the file leave the list and are not written again. True when written.
  bool Aktar(const std::function<void(const Yazılacak&)>& yaz);

  // As designed (columns, no rows, no arrow, buttons off), then the saved layout.
  void Yükle();
  // The user is told when it could not be kept.
  void DüzeniKaydet() const;

private:
  void DurumuAyarla(bool dolu);
  void ToplamıGöster();
  // The earlier try of the rows kept with `bekleyen_` was settled.
  void ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi);
  static bool ÖncekiDenemede(const QTreeWidgetItem* satır);

  std::vector<SütunTanımı> sütunlar_;
  int ağırlıkSütunu_;
  QString ayarAdı_;
  TürkçeMetin::Miktar toplam_ = 0;
  İşlemİzleri::Bekleyenİz bekleyen_;
};

// The fields of the right-hand column, top to bottom in the order given.
enum class FişAlanı { ÜrünKodu, MevcutSayı, MevcutAğırlık, Kişi, Tarih, Miktar, Neden };

struct FişTanımı {
  QString başlık;  // window caption
  std::vector<SeçiciTanımı> seçiciler;  // left to right
  std::vector<std::pair<FişAlanı, QString>> alanlar;  // with their captions
  QString listeÇerçevesi;
  std::vector<SütunTanımı> sütunlar;
  int ağırlıkSütunu = 0;
  QString ayarAdı;          // layout section "Listeler\<ayarAdı>"
  int toplamAltlığı = 3;    // index in Altlık of the total's panel
  QStringList listeDüğmeleri;  // the commit first; enabled only while the list has rows
  // The question asked when the form closes with rows left, in the voucher's words: what the rows
  // are not ("stoğa EKLENMEMİŞ"), what becomes of them ("stoğa eklenmeyecek"), going on without it
  // ("stoğa eklemeden"), and what is not known yet of the rows of a try whose outcome the disk hid
  // ("stoğa eklenip eklenmedikleri").
  struct {
    QString yapılmamış, yapılmayacak, yapmadan, yapılıpYapılmadıkları;
  } kapatma;
  bool sıralı = false;      // chooser lists and person box keep alphabetical order
  // The spreadsheet export of the working list (its button is the last list button): the job,
  // the sheet and its title, the sub-items exported, each typed by its column's kind.
  struct {
    int iş = 0;
    QString sayfaAdı;
    QString başlık;
    int ilkAltÖğe = 0;
    int sonAltÖğe = -1;
  } excel;
};

class FişFormu : public QDialog {
public:
  explicit FişFormu(const FişTanımı& tanım);

  std::array<QGroupBox*, 2> Çerçeve{};
  std::vector<QWidget*> Altlık;
  std::vector<QLabel*> Etiket;  // captions in the order of the form, the total's last
  std::vector<SeçiciSütunu*> Seçiciler;
  QLineEdit* ÜrünKoduKutusu = nullptr;
  QLineEdit* MevcutÜrünSayısıKutusu = nullptr;
  QLineEdit* MevcutÜrünAğırlığıKutusu = nullptr;
  QComboBox* KişiKutusu = nullptr;
  TarihKutusu* TarihAlanı = nullptr;
  QLineEdit* MiktarKutusu = nullptr;
  QComboBox* NedenKutusu = nullptr;
  QPushButton* ListeyeEkleDüğmesi;
  ÇalışmaListesi* Çalışma;
  std::vector<QPushButton*> ListeDüğmeleri;
  QPushButton* KapatDüğmesi;

  // Code and unit weight of the product chosen last.
  QString SeçiliÜrünKodu;
  double BirimAğırlığı = 0;

  // Loads the form when it is not loaded: touching its lists or showing it does this.
  void Yükle();
  bool Yüklü() const { return yüklü_; }

  // The export button: the progress form runs the form's export job.
  void ListeyiExceleAktarDüğmesi_Click();
  // The export job: the working list's sheet, opened for the user.
  void MSExceleAktar();

  // Every way of closing (Kapat, Esc, the close box) asks first while rows are left.
  void done(int sonuç) override;

protected:
  // Start-up: everything as designed, the saved layout, the persons, today's date.
  virtual void Form_Load();
  // The close guard; true lets the form unload (the layout is saved then).
  bool Form_QueryUnload();
  // What the close guard asks of the rows now in the list.
  QString KapatmaSorusu() const;

  // The product chosen: its code and unit weight, or empty boxes when none is chosen. False
  // when it could not be read: the boxes stay empty, and the caller lets the choice go, so that
  // no line is added from a product half read.
  bool ÜrünBilgisiniGöster(std::optional<qint64> ürünNo);
  // Stock on hand of the product in the warehouse and its weight; empty unless both are chosen.
  // False when it could not be read (the boxes stay empty).
  bool StokGöster(std::optional<qint64> ürünNo, std::optional<qint64> depoNo);

  // A line's checks in order: the first that holds refuses the line with its message
  // (information icon) and puts the focus on its field.
  struct Ret {
    std::function<bool()> koşul;
    QString mesaj;
    QWidget* odak;
  };
  bool SatırKabulEdilir(const std::vector<Ret>& retler);
  // A quantity, or its weight, too large to be kept exactly; checked after the quantity itself,
  // so before anything (a new person) is stored.
  Ret AğırlıkReddi();
  // The stock the line brings into the warehouse, with the lines listed for it and what it holds
  // as stored now, past what is kept exactly: told at the add rather than at the commit.
  Ret StokSınırıReddi(FişVerileri::ListeSütunları sütunlar, std::optional<qint64> ürünNo,
                      std::optional<qint64> depoNo);
  // The person of the line: a known one (letter case aside) or one stored now with its new number.
  qint64 KişiNumarası();
  // Adds the checked line, then chooses nothing in the choosers, empties the quantity and
  // puts the focus on the first chooser.
  void SatırıEkle(const QStringList& hücreler, const QString& anahtar);

  // Reloads a list through the progress form's job over this form. Not every window system
  // hands the activation back when the progress form closes, so the form takes it back.
  void ListeİşiniÇalıştır(int iş);

  // Name of a chosen item: its text while the list shows names, else looked up by its number.
  static QString Ad(const SeçiciSütunu& seçici, const std::function<QString(qint64)>& adGetir);

  void showEvent(QShowEvent* olay) override;

  // Prints the working list as a paper voucher; after a print that succeeded asks `soru`:
  // Yes commits through `aktar` as the commit button does, No puts the focus on `odak`.
  void FişiYazdır(const FişBaskısı& fiş, QPushButton* düğme, const QString& soru, const std::function<void()>& aktar,
                  QWidget* odak);

private:
  // Adds a person the box does not hold yet.
  void KişiyiKutuyaEkle(const QString& ad, qint64 no);
  // The store of a new person whose outcome the disk hid was settled.
  void YeniKişiÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi);
  void Kaldır();

  FişTanımı tanım_;
  bool yüklü_ = false;
  FişVerileri::YeniKişi yeniKişi_;
};
