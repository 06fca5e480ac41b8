#pragma once
// What every form built around one list view with a saved layout shares: the critical stock
// list and the list forms of the "Listeler" menu. The form loads from its design when it is
// shown or when its build job needs it; every way out unloads it and saves the list's layout.

#include <QDialog>
#include <QString>

class SıkıListeGörünümü;
class İlerlemeGösterFormu;

class ListeFormuTabanı : public QDialog {
public:
  // Loads the form after it was unloaded.
  void Yükle();
  bool Yüklü() const { return yüklü_; }
  // Every way out (Kapat, Esc, the close box) unloads the form.
  void done(int sonuç) override;

protected:
  ListeFormuTabanı() = default;
  // The list whose layout is kept in settings section "Listeler\<listeAdı>"; given by the form's
  // constructor once it has made the list. A layout saved under `eskiAdı` by an earlier version
  // is taken over once.
  void DüzenliListe(SıkıListeGörünümü* liste, const QString& listeAdı, const QString& eskiAdı = {});
  // The list as designed, with its header arrows and its saved layout; the form counts as loaded
  // from the start, so that what a form loads after this sees it so.
  virtual void Form_Load();
  // The list's layout saved.
  virtual void Form_Unload();
  void showEvent(QShowEvent* olay) override;

private:
  SıkıListeGörünümü* liste_ = nullptr;
  QString listeAdı_;
  QString eskiAdı_;
  bool yüklü_ = false;
};

// A header click on the list: the same column again reverses the direction, another starts
// ascending; a text column turns the list's own sort on, dates and amounts sort by value, as the
// column's type says.
void ListeSütunuTıklandı(SıkıListeGörünümü& liste, int başlıkIndex);
// The export job: every column of the list, its cells typed as the column.
void ListeyiAktar(const SıkıListeGörünümü& liste, const QString& sayfaAdı, const QString& başlık);

// Held by a list's build job for its run: the progress form is unloaded when the job ends,
// also after an error or the end of the program.
class İlerlemeKaldırıcı {
public:
  explicit İlerlemeKaldırıcı(İlerlemeGösterFormu& form) : form_(form) {}
  ~İlerlemeKaldırıcı();
  İlerlemeKaldırıcı(const İlerlemeKaldırıcı&) = delete;
  İlerlemeKaldırıcı& operator=(const İlerlemeKaldırıcı&) = delete;

private:
  İlerlemeGösterFormu& form_;
};
