#include "StoktanFisFormu.h"

#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TarihKutusu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace OrtakYordamlarModülü;
using TürkçeMetin::Miktar;

StoktanFişFormu::StoktanFişFormu(const FişTanımı& tanım, Yapı yapı) : FişFormu(tanım), yapı_(yapı) {
  DepoSeçici().Tıklandı = [this] { DepoListesi_Click(); };
  ÜrünSeçici().Tıklandı = [this] { ÜrünListesi_Click(); };
  // The other order reloads the products of the chosen warehouse.
  ÜrünSeçici().SeçenekTıklandı = [this](int) { DepoListesi_Click(); };
  connect(ListeDüğmeleri[1], &QPushButton::clicked, this, [this] { Çalışma->SeçiliyiÇıkar(); });
  connect(ListeDüğmeleri[2], &QPushButton::clicked, this, [this] { Çalışma->Temizle(); });
  Çalışma->Liste->SatıraÇiftTıklandı = [this](QTreeWidgetItem*) { Çalışma->SeçiliyiÇıkar(); };
}

void StoktanFişFormu::DepoListesi_Click() {
  if (depoYenileniyor_) return;
  if (ÜrünKoduKutusu) ÜrünKoduKutusu->clear();
  MevcutÜrünSayısıKutusu->clear();
  MevcutÜrünAğırlığıKutusu->clear();
  const auto depo = DepoSeçici().SeçiliNo();
  if (!depo) {
    ÜrünSeçici().Liste->clear();
    return;
  }
  Form<İlerlemeGösterFormu>().SeçilenDepoNo = *depo;
  ListeİşiniÇalıştır(yapı_.ürünİşi);
}

void StoktanFişFormu::ÜrünListesi_Click() {
  const auto ürün = ÜrünSeçici().SeçiliNo();
  // Without a chosen warehouse there is no stock to show, so the line cannot be measured. A
  // product whose code, weight or stock could not be read is let go: no line is added from it.
  if (!ÜrünBilgisiniGöster(ürün) || (ürün && !StokGöster(ürün, DepoSeçici().SeçiliNo()))) ÜrünSeçici().Seç(-1);
}

Miktar StoktanFişFormu::KalanStok() const {
  const Miktar gösterilen = TürkçeMetin::MiktarOku(MevcutÜrünSayısıKutusu->text()).value_or(0);
  return gösterilen - FişVerileri::ListedekiMiktar(Çalışma->Satırlar(), yapı_.sütunlar,
                                                   ÜrünSeçici().SeçiliNo().value_or(0),
                                                   DepoSeçici().SeçiliNo().value_or(0));
}

FişFormu::Ret StoktanFişFormu::MiktarReddi(const QString& mesaj) {
  return {[this] { return !FişVerileri::FişMiktarı(MiktarKutusu->text()); }, mesaj, MiktarKutusu};
}

FişFormu::Ret StoktanFişFormu::StokReddi(const QString& mesaj) {
  return {[this] {
            const Miktar kalan = KalanStok();
            if (*FişVerileri::FişMiktarı(MiktarKutusu->text()) <= kalan) return false;
            MiktarKutusu->setText(TürkçeMetin::MiktarMetni(kalan));
            return true;
          },
          mesaj, MiktarKutusu};
}

StoktanFişFormu::SatırDeğerleri StoktanFişFormu::DeğerleriAl() {
  const Miktar miktar = *FişVerileri::FişMiktarı(MiktarKutusu->text());
  return {KişiNumarası(), TürkçeMetin::TarihMetni(TarihAlanı->Değer()), TürkçeMetin::MiktarMetni(miktar),
          TürkçeMetin::MiktarMetni(FişVerileri::Ağırlık(miktar, BirimAğırlığı))};
}

