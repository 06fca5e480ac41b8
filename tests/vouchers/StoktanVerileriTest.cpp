// The exit and transfer commits on a real file, without widgets.
#include "FisTestOrtami.h"
#include "TransferVerileri.h"

#include <gtest/gtest.h>

namespace {

using namespace FişVerileri;

class StoktanVerileriTesti : public FişTestOrtamı {
protected:
  void SetUp() override {
    FişTestOrtamı::SetUp();
    ÖrnekTanımlar();
    Giriş(civata, merkez, 10);
    Giriş(somun, merkez, 5);
  }
  qint64 Sayı(const char* tablo) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM %1").arg(QString::fromUtf8(tablo))).Tamsayı("n");
  }
  const QDate gün{2026, 3, 1};
};

TEST_F(StoktanVerileriTesti, SonSatırıDüşenYaDaStokAşanListedenHiçbirSatırKalmaz) {
  const std::vector<ÇıkışSatırı> çıkışlar{{akın, civata, merkez, ali, 3, gün, 600, {}},
                                          {yıldız, civata, merkez, ali, 6, gün, 400, {}},
                                          {akın, somun, merkez, ali, 0, gün, 500, {}}};
  const std::vector<TransferSatırı> transferler{
      {merkez, civata, şube, ali, gün, 600}, {merkez, civata, şube, ali, gün, 400}, {merkez, somun, şube, ali, gün, 500}};
  const std::function<void()> yazılar[] = {[&] { ÇıkışlarıYaz(*vt, çıkışlar); },
                                           [&] { TransferleriYaz(*vt, transferler); }};
  for (const auto& yaz : yazılar) {
    // The file refuses the exit of the last row.
    vt->Çalıştır(QStringLiteral("CREATE TRIGGER Reddet BEFORE INSERT ON CikisIslemleriTablosu "
                                "WHEN NEW.UrunNo = %1 BEGIN SELECT RAISE(ABORT, 'disk dolu'); END")
                     .arg(somun));
    EXPECT_THROW(yaz(), VeritabanıHatası);
    vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
    // Another workstation took one of the ten: the first product short is named.
    Çıkış(civata, merkez, 1);
    try {
      yaz();
      ADD_FAILURE() << "yazıldı";
    } catch (const StokYetersiz& h) {
      EXPECT_EQ(h.Mesaj().section(u'\n', 0, 0),
                QStringLiteral("MERKEZ deposundaki CİVATA ürününün stok mevcudu (9,00), listedeki MİKTARDAN (10,00) az!"));
    }
    EXPECT_EQ(Sayı("GirisIslemleriTablosu"), 2);
    EXPECT_EQ(Sayı("CikisIslemleriTablosu"), 1);
    vt->Çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu"));
  }
}

}  // namespace
