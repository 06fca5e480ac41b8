#pragma once
// What the definition forms share: the search part (search box, by name or by
// code, the found list), the info frame with the record fields, the four buttons,
// and the way the form moves between browsing, adding a record and changing one.
//
// A form derives from it, builds its record fields into BilgiDüzeni, attaches their
// field families, calls Kur() at the end of its constructor, and provides the
// loading and the saving of one record.

#include "AlanAileleri.h"
#include "TanimVerileri.h"

#include <QDialog>

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TanımFormu : public QDialog {
public:
  enum Kip { Gözat = 0, YeniKayıt = 1, KayıtDeğiştir = 2 };

  // Kept while the program runs, also when the form is closed.
  int KayıtKipi = Gözat;
  qint64 SeçiliKayıtNo = 0;  // the record the found list loaded last
  QString EskiDeğer;         // its unique field, as loaded

  std::array<QGroupBox*, 2> Çerçeve{};  // 0 search, 1 record info
  std::array<QWidget*, 2> Altlık{};
  std::vector<QLabel*> Etiket;  // 0 search box, 1 found list, then one per record field
  QLineEdit* AramaKutusu;
  std::array<QRadioButton*, 2> AramaSeçeneği{};  // by name, by code
  QPushButton* AraDüğmesi;
  QListWidget* BulunanListe;
  QPushButton* EkleDüğmesi;
  QPushButton* DeğiştirDüğmesi;
  QPushButton* SilKaydetDüğmesi;
  QPushButton* KapatİptalDüğmesi;

  void AraDüğmesi_Click();
  // Runs on every change of the list's selection.
  void BulunanListe_Click();
  void EkleDüğmesi_Click();
  void DeğiştirDüğmesi_Click();
  // Deletes in browse, saves in new or change.
  void SilKaydetDüğmesi_Click();
  // Closes in browse, goes back to browse otherwise.
  void KapatİptalDüğmesi_Click();

  void reject() override;  // Esc

protected:
  // The texts each form gives.
  struct Metinler {
    QString başlık, aramaÇerçevesi, bilgiÇerçevesi, aramaEtiketi, adaGöre, kodaGöre, araDüğmesi, listeEtiketi;
    QString ekleDüğmesi, değiştirDüğmesi, silDüğmesi;
    QString boşArama, boşListe, seçimYok, girişVar, silmeSorusu, kayıtYok;
  };
  // `ikiSıra`: the four buttons in two rows of two, else in one row.
  TanımFormu(const Metinler& metinler, const TanımVerileri::Tanım& tanım, bool ikiSıra);

  static int Piksel(int twip);

  // Rows of label and field inside the info frame.
  QGridLayout* BilgiDüzeni;
  // Adds a record field with its caption to the info frame.
  QLabel* AlanEkle(const QString& başlık, QWidget* alan);
  // A one-line field, or a two-line one with a scroll bar, of the family, added as above.
  QLineEdit* SatırEkle(const QString& başlık, AlanAileleri::Aile aile, int enUzun);
  QPlainTextEdit* ÇokSatırEkle(const QString& başlık, AlanAileleri::Aile aile, int enUzun = 0);

  // The record fields in tab order; the first is the one a new record starts in.
  virtual std::vector<QWidget*> KayıtAlanları() const = 0;
  // Fills the fields from the record and sets EskiDeğer.
  virtual void KaydıYükle(qint64 no) = 0;
  // Checks and writes the record in new or change mode, holding `deneme_`; after a save calls
  // KayıtSonrası.
  virtual void Kaydet() = 0;
  // After a save: the saved record shown, back to browse.
  virtual void KayıtSonrası(qint64 no) = 0;
  // The new record an earlier try added is found in the file: the form now changes it.
  virtual void ÖncekiDenemeEklendi(qint64) {}
  // Each showing after the form was closed starts from the design.
  virtual void Form_Load();

  // Tab order and the list's and buttons' wiring; the derived constructor calls it last.
  void Kur();

  // A refused save: its message and the field to go back to.
  struct Ret {
    TanımVerileri::Sonuç sonuç;
    QString mesaj;
    QWidget* alan;
  };
  // Shows why a save was refused; true when it was done.
  bool KayıtSonucu(const TanımVerileri::KayıtSonucu& s, std::initializer_list<Ret> retler);
  // The save whose outcome the disk hid, while its input is on the form; given to every save.
  TanımVerileri::Deneme deneme_;
  // After a save: found again by its name, the saved record selected, back to browse.
  void KaydedileniGöster(const QString& ad, qint64 no);

  // The table that deletes are checked against and done in; a form whose table is chosen
  // at each showing gives the current one.
  virtual const TanımVerileri::Tanım& EtkinTanım() const { return tanım_; }
  // Where the focus goes with an empty found list: after a refused change or delete, and
  // back in browse (`gözatta`).
  virtual QWidget* ListeBoşkenOdak(bool gözatta) const;
  // A form whose texts depend on what it is showing sets them anew when it loads.
  Metinler metinler_;

  void showEvent(QShowEvent* olay) override;
  // The close box unloads the form whatever its state; it opens next time in browse.
  void closeEvent(QCloseEvent* olay) override;

private:
  void AramaBölümünüEtkinleştir(bool etkin);
  void BilgiKipineGeç(int kip);
  void GözatKipineGeç();
  void AlanlarıBoşalt();
  // A record is chosen in the found list, else the message that says what to do.
  bool KayıtSeçili();
  void Kaldır();
  std::vector<QString> AlanDeğerleri() const;
  // The input the held try stood for is gone (browse, closed): its outcome is told as any other's.
  void DenemeyiBırak();
  void ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi);

  const TanımVerileri::Tanım& tanım_;
  std::vector<QString> denenenAlanlar_;  // the fields as the held try wrote them
  // The save under way found its earlier try in the file: a new record's, the fields as tried, and
  // its record deleted since by another workstation.
  struct KendiBulunan {
    bool yeni, aynı, silinmiş;
  };
  std::optional<KendiBulunan> kendiBulundu_;
  bool yüklü_ = false;
};

// The text of a field of any kind the definition forms use.
QString AlanMetni(const QWidget* alan);
