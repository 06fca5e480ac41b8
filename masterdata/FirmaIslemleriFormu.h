#pragma once
// Supplier or customer companies, by the kind the caller sets: every company of the kind
// in a sorted list with a find box, looked at, added, changed and deleted.

#include "TanimFormu.h"

class FirmaİşlemleriFormu : public TanımFormu {
public:
  FirmaİşlemleriFormu();

  // "Satici" or "Alici"; the caller sets it before the caption, as the load reads it.
  QString FirmaTürü = QStringLiteral("Satici");

  QListWidget* const& FirmaListesi = BulunanListe;
  QLineEdit* FirmaBulKutusu;
  QLineEdit* FirmaAdıKutusu;
  QLineEdit* TelefonuKutusu;
  QLineEdit* FaksıKutusu;
  QPlainTextEdit* AdresiKutusu;
  QLineEdit* BirinciYetkiliAdıKutusu;
  QLineEdit* BirinciYetkiliTelefonuKutusu;
  QLineEdit* İkinciYetkiliAdıKutusu;
  QLineEdit* İkinciYetkiliTelefonuKutusu;
  QPlainTextEdit* AçıklamaKutusu;

  void FirmaBulKutusu_Change();

protected:
  std::vector<QWidget*> KayıtAlanları() const override;
  void KaydıYükle(qint64 no) override;
  void Kaydet() override;
  void KayıtSonrası(qint64 no) override;
  void ÖncekiDenemeEklendi(qint64 no) override;
  void Form_Load() override;
  const TanımVerileri::Tanım& EtkinTanım() const override;
  QWidget* ListeBoşkenOdak(bool gözatta) const override;

private:
  // Puts the company's entry in the list; returns its row.
  int ListeyeKoy(qint64 no, const QString& ad);
};

// The caller's steps: the kind, then the caption; returns the form to be shown.
FirmaİşlemleriFormu& FirmaİşlemleriFormunuHazırla(const QString& firmaTürü);
