#pragma once
// The SQL and the data rules of the supplier and customer companies.

#include "TanimVerileri.h"

#include <QString>

#include <vector>

namespace FirmaVerileri {

// Suppliers are held by their entry rows, customers by their exit rows. A transfer row
// (reason 99) keeps a warehouse number in the company column and holds no company.
extern const TanımVerileri::Tanım Satıcılar;
extern const TanımVerileri::Tanım Alıcılar;
// "Satici" in any letter case means suppliers, anything else customers.
const TanımVerileri::Tanım& Firmalar(const QString& firmaTürü);

struct FirmaBilgisi {
  QString FirmaAdi, Telefonu, Faksi, Adresi, BirinciYetkiliAdi, BirinciYetkiliTelefonu, IkinciYetkiliAdi,
      IkinciYetkiliTelefonu, Aciklama;
};

// Every company of the kind, in name order.
std::vector<TanımVerileri::Bulunan> Listele(Veritabanı& vt, const TanımVerileri::Tanım& t);
// A number without a row throws 3021.
FirmaBilgisi Oku(Veritabanı& vt, const TanımVerileri::Tanım& t, qint64 no);
// `no` 0 adds a company (its number is the key the insert gave), any other changes that one.
// Checks: name given, not another company's of the kind in any letter case.
TanımVerileri::KayıtSonucu Kaydet(Veritabanı& vt, const TanımVerileri::Tanım& t, const FirmaBilgisi& b, qint64 no,
                                  TanımVerileri::Deneme* deneme = nullptr);

}  // namespace FirmaVerileri
