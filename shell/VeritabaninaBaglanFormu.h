#pragma once
// Opens the database in the server folder at start-up, asking for the folder when none is saved.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class VeritabanıHatası;

class VeritabanınaBağlanFormu : public QDialog {
public:
  VeritabanınaBağlanFormu();

  // Whether the last browse chose a folder; only AğaGözat sets it.
  bool KlasörKimliği = false;
  // Server folder of the connection attempt, without a trailing separator; start-up reads it.
  QString SunucuYolu;
  // The folder browser; an empty result when the user cancelled.
  QString AğaGözat(QWidget* sahip);

  // The user gave up (refused to look for the folder, cancelled the browse, quit):
  // the main window is unloaded and start-up must end.
  bool Vazgeçildi() const { return vazgeçildi_; }

  // One connection attempt; on success the form closes and the login or the
  // critical-stock warning follows.
  void VeritabanınaBağlan();

  void Form_Activate();
  void YenidenDeneDüğmesi_Click();
  void VazgeçDüğmesi_Click();

  QLabel* SimgeKutusu;
  QLabel* Etiket;
  QPushButton* YenidenDeneDüğmesi;
  QPushButton* VazgeçDüğmesi;

  // Esc goes through "Vazgeç" only.
  void reject() override;

protected:
  void showEvent(QShowEvent* olay) override;

private:
  void BağlantıHatası(int numara, const QString& açıklama);
  void VazgeçVeKapat();
  bool vazgeçildi_ = false;
};

// Full name of the database file in a server folder.
QString VeritabanıDosyası(const QString& klasör);
// The text a failed open shows for its error number; empty for numbers outside the table.
QString BağlantıHatasıMetni(int numara);
