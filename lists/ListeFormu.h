#pragma once
// What every list form of the "Listeler" menu shares: the filters on top (a chooser, a
// warehouse, the period with its "all dates" choice), the build button that runs the
// form's job under the progress form, the list with its sorting and saved layout, the
// total weight, and print, export and close. Each form gives only its design and its rows.

#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"
#include "ListeVerileri.h"
#include "ListeFormuTabani.h"

#include <array>
#include <vector>

class SıkıListeGörünümü;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TarihKutusu;

class ListeFormu : public ListeFormuTabanı {
public:
  // 0 the chooser, 1 the warehouse, 2 the first day, 3 the last day, 4 the list, 5 the total weight.
  std::array<QLabel*, 6> Etiket{};
  QComboBox* SeçimKutusu = nullptr;  // companies or exit reasons; hidden where the form has none
  QComboBox* DepoKutusu = nullptr;   // hidden where no warehouse applies
  TarihKutusu* İlkTarihKutusu;
  TarihKutusu* SonTarihKutusu;
  QCheckBox* TümTarihlerOnayı;
  QPushButton* ListeleDüğmesi;
  SıkıListeGörünümü* Liste;
  QLineEdit* ToplamAğırlıkKutusu;
  QPushButton* YazdırDüğmesi;
  QPushButton* ExceleAktarDüğmesi;
  QPushButton* KapatDüğmesi;

  // The progress form's jobs: each drives its bar and unloads the progress form at its end.
  void ListeOluştur();
  void MSExceleAktar();

  void ListeleDüğmesi_Click();
  void YazdırDüğmesi_Click();
  void ExceleAktarDüğmesi_Click();
  void KapatDüğmesi_Click();
  void TümTarihlerOnayı_Click();
  void Liste_ColumnClick(int başlıkIndex);

protected:
  enum class Seçici { Yok, Firma, Neden };
  // How a column looks; what it holds is the list's (ListeVerileri::Sütunlar).
  struct Sütun {
    const char* başlık;
    int genişlikTwip;
  };
  struct Tasarım {
    QString başlık;
    QString listeEtiketi;  // Etiket(4) as designed
    QString listeAdı;      // settings section under "Listeler\"
    QString sayfaAdı;      // the exported sheet's name
    int oluşturİşi;
    int aktarİşi;
    Seçici seçici;
    bool depo;  // whether the list can be built for one warehouse
    std::vector<Sütun> sütunlar;
    std::vector<HücreTürü> türler;  // the list's columns, one per Sütun
    int ağırlıkSütunu;  // the column whose figures make the total weight
    QString eskiListeAdı = {};  // where an earlier version saved the layout
  };
  explicit ListeFormu(Tasarım tasarım);

  // The rows for the filters, in the order the list shows them.
  virtual SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) = 0;
  // What "all dates" stands for.
  virtual ListeVerileri::Kaynak TarihKaynağı() const = 0;
  // The companies of the chooser, for forms whose chooser lists them.
  virtual QString SeçiciFirmaTürü() const { return {}; }
  virtual QString SayfaAdı() const { return tasarım_.sayfaAdı; }

  // Beside the list: the filters from the database.
  void Form_Load() override;
  void Form_Unload() override;

private:
  ListeVerileri::Süzgeç Süzgeç() const;
  // What the filters cover, for the printed list: warehouse, period, company or exit reason.
  QStringList Kapsam() const;
  void ListeyiBoşalt();
  // Puts the first and last dates of the source in the date fields; false when there are none.
  bool TümTarihleriGöster();

  Tasarım tasarım_;
  bool oluşturuldu_ = false;  // the last build ran to its end
  QStringList kapsam_;          // what the rows shown were built for
};

// A list form registers its build and export jobs from its own file.
template <class F>
bool ListeİşleriniKaydet(int oluşturİşi, int aktarİşi) {
  return İlerlemeGösterFormu::İşProsedürüKaydet({oluşturİşi}, [] { Form<F>().ListeOluştur(); }) &&
         İlerlemeGösterFormu::İşProsedürüKaydet({aktarİşi}, [] { Form<F>().MSExceleAktar(); });
}
