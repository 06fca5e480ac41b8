#pragma once
// The small dialogs over the product review: a frame of labelled date and quantity fields
// (an exit's change adds its reason) and two buttons at its right, the first on top.

#include "IslemIzleri.h"
#include "TurkceMetin.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TarihKutusu;

class TarihMiktarFormu : public QDialog {
public:
  QGroupBox* Çerçeve;
  std::array<QLabel*, 3> Etiket{};  // date, quantity, reason
  TarihKutusu* Tarih;
  QLineEdit* Miktar;
  QComboBox* Neden = nullptr;  // the exit reasons, item data their codes
  QPushButton* ÜstDüğme;
  QPushButton* İptalDüğmesi;
  // The token of a save whose outcome the disk hid, while the dialog stays open with its input:
  // saved again, the earlier try found in the file is not written twice.
  İşlemİzleri::Bekleyenİz Bekleyen;

  // Loads the dialog again after it was unloaded: its fields as designed.
  void Yükle();
  bool Yüklü() const { return yüklü_; }
  void İptalDüğmesi_Click();
  // Every way out unloads the dialog. Left with a try whose outcome the disk hid, the review
  // lists the product again from the file.
  void done(int sonuç) override;

  struct Tasarım {
    QString başlık;
    QString çerçeve;
    QString tarihEtiketi;
    QString miktarEtiketi;
    int miktarUzunluğu;
    QString düğme;
    QString nedenEtiketi;  // empty: no reason field
  };

protected:
  explicit TarihMiktarFormu(const Tasarım& tasarım);

  // What the fields hold, as a save writes it; no reason field: -1.
  struct Değerler {
    QDate tarih;
    TürkçeMetin::Miktar miktar = 0;
    qint64 neden = -1;
    bool operator==(const Değerler&) const = default;
  };
  Değerler Girilen() const;
  // Runs the save `yaz` with Bekleyen under the error routine; false when it failed. Left unknown,
  // the values it had are the try's (Deneme). `bulunan`: the values of the earlier try this save
  // found in the file, which then holds them.
  bool Kaydet(const std::function<void()>& yaz, std::optional<Değerler>& bulunan);
  const std::optional<Değerler>& Deneme() const { return deneme_; }
  // Another write or connection found the earlier try in the file before the dialog saved again.
  virtual void ÖncekiDenemeYazılmış(const İşlemİzleri::Bekleyenİş& iş, const Değerler& deneme) = 0;

  virtual void Form_Load();
  virtual void ÜstDüğme_Click() = 0;
  // Whether the review may show the movement otherwise than the file holds it.
  virtual bool İncelemeEskiKalabilir() const { return Bekleyen.Var(); }

  // Refuses with an information message and puts the focus back on the field.
  static void Uyar(const QString& metin, QWidget* alan);
  // No quantity to work with: empty, "0", "0,00" or nothing above zero.
  static bool MiktarYok(const QString& metin);

  void showEvent(QShowEvent* olay) override;

private:
  void ÖncekiDenemeÇözüldü(const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi);

  bool yüklü_ = false;
  std::optional<Değerler> deneme_, bulunan_;
};
