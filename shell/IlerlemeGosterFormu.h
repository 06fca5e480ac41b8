#pragma once
// The small modal form that runs a long job by its code: list loads, list builds, exports.

#include <QDialog>

#include <exception>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class KayıtKümesi;

// How a list-loading job reaches the lists and code/name options of its target form.
struct ListeHedefi {
  QListWidget* FirmaListesi = nullptr;
  QListWidget* ÜrünListesi = nullptr;
  QListWidget* DepoListesi = nullptr;
  QListWidget* YeniDepoListesi = nullptr;
  // Element k of the form's code/name options is selected: its list shows names.
  std::function<bool()> ÜrünAdıSeçili;
  std::function<bool(int k)> DepoAdıSeçili;
};

namespace İş {
// Captions and texts of the progress form, as its callers give them.
inline const QString ListelerBaşlık = QStringLiteral("Listeler Yükleniyor");
inline const QString ListelerMetin = QStringLiteral("Listeler yüklenirken lütfen bekleyiniz!");
inline const QString ListeBaşlık = QStringLiteral("Liste Yükleniyor");
inline const QString ListeMetin = QStringLiteral("Liste yüklenirken lütfen bekleyiniz!");
inline const QString OluşturBaşlık = QStringLiteral("Liste Oluşturuluyor...");
inline const QString OluşturMetin = QStringLiteral("Liste oluşturulurken lütfen, bekleyiniz!");
inline const QString ExcelBaşlık = QStringLiteral("MS Excel'e Aktarılıyor...");
inline const QString ExcelMetin = QStringLiteral("MS Excel'e aktarılırken lütfen, bekleyiniz!");
}  // namespace İş

class İlerlemeGösterFormu : public QDialog {
public:
  İlerlemeGösterFormu();

  qint64 SeçilenDepoNo = 0;

  QLabel* SimgeKutusu;
  QLabel* ExcelSimgesi;
  QLabel* Etiket;
  QProgressBar* İlerlemeÇubuğu;

  // The caller's steps: job code, caption and text, the spreadsheet icon for exports,
  // then the form shown modally over `sahip`. Returns when the job is over and the form closed.
  void İşiÇalıştır(int işKodu, const QString& başlık, const QString& metin, QWidget* sahip = nullptr,
                   bool excel = false);

  // Loaders: rows added to the target's lists, in name order, each item carrying its key.
  void ÜrünListesiYükle(const QString& alan);
  void DepoListesiYükle(const QString& alan);

  // Moves the bar; a value past the maximum (another workstation added rows) raises the maximum.
  void DeğerYaz(qint64 değer);
  void EnBüyükYaz(qint64 enBüyük);
  // Unloads the form; jobs 20 to 35 call it when their procedure ends.
  void Kaldır();

  // Target forms of the list-loading jobs 1 to 15 and the procedures of jobs 20 to 35,
  // by job code; forms that exist register here.
  static std::function<std::optional<ListeHedefi>(int işKodu)> HedefFormBul;
  // A form registers the list-loading jobs that target it, from its own file; HedefFormBul
  // finds them there unless a test replaces it.
  static bool HedefKaydet(std::initializer_list<int> işKodları, std::function<ListeHedefi()> hedef);
  // Likewise the form whose ListeOluştur or MSExceleAktar a job 20 to 35 calls registers that procedure.
  static bool İşProsedürüKaydet(std::initializer_list<int> işKodları, std::function<void()> prosedür);
  static std::function<std::function<void()>(int işKodu)> İşProsedürüBul;

  void Form_Activate();

protected:
  void showEvent(QShowEvent* olay) override;
  void closeEvent(QCloseEvent* olay) override;
  void keyPressEvent(QKeyEvent* olay) override;

public:
  void reject() override;  // only the end of the job closes it

protected:

private:
  void Form_Load();
  void Form_QueryUnload();
  void FirmaListesiYükle(const QString& tür);
  void DepodakiÜrünListesiYükle(const QString& alan);
  void Satırlar(const QString& sql, const QVariantList& değerler, const QString& alan, const QString& anahtar,
                std::initializer_list<QListWidget*> listeler);
  void Satırlar(KayıtKümesi& k, const QString& alan, const QString& anahtar,
                std::initializer_list<QListWidget*> listeler);

  qint64 yüklenenKayıtSayısı_ = 0;
  ListeHedefi hedef_;
  bool kaldırıldı_ = false;
  std::exception_ptr bitiş_;  // ending the program from inside the job
};
