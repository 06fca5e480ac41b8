// The entry voucher driven offscreen as a user drives it.
#include "Ayarlar.h"
#include "HataliDisk.h"
#include "FisTestOrtami.h"
#include "FisVerileri.h"
#include "FormYoneticisi.h"
#include "GirisIslemleriFormu.h"
#include "IlerlemeGosterFormu.h"
#include "KomutDagitimi.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "TanimTestOrtami.h"
#include "TarihKutusu.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>

namespace {


// Another workstation on the same file, on the system's own disk.
class BaşkaİstasyonBağlantısı {
public:
  explicit BaşkaİstasyonBağlantısı(const QString& yol) {
    sqlite3_open_v2(QFile::encodeName(yol).constData(), &db_, SQLITE_OPEN_READWRITE, "unix");
  }
  ~BaşkaİstasyonBağlantısı() { sqlite3_close(db_); }
  int Çalıştır(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

private:
  sqlite3* db_ = nullptr;
};

class GirişFormuTesti : public FişTestOrtamı {
protected:
  void SetUp() override {
    FişTestOrtamı::SetUp();
    ÖrnekTanımlar();
  }
  void TearDown() override {
    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    FişTestOrtamı::TearDown();
  }

  // The form as the command shows it: its lists filled by job 1, on the screen.
  GirişİşlemleriFormu& Aç() {
    Ortak::TanımSayıları = {2, 3, 2};
    Form<İlerlemeGösterFormu>().İşiÇalıştır(1, İş::ListelerBaşlık, İş::ListelerMetin);
    f = &Form<GirişİşlemleriFormu>();
    f->show();
    f->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(f));
    return *f;
  }
  static void Tıkla(QListWidget* l, qint64 no) {
    for (int i = 0; i < l->count(); ++i)
      if (l->item(i)->data(Qt::UserRole).toLongLong() == no)
        return QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
    for (QListWidgetItem* s : l->selectedItems()) s->setSelected(false);  // 0: no choice
  }
  static void Yazıla(QWidget* alan, const char* metin) {
    alan->setFocus();
    if (auto* k = qobject_cast<QComboBox*>(alan)) k->clearEditText();
    if (auto* k = qobject_cast<QLineEdit*>(alan)) k->clear();
    Yaz(alan, QString::fromUtf8(metin));
  }
  // A line as the user enters it and adds it.
  void Satır(qint64 firma, qint64 ürün, qint64 depo, const char* kişi, const char* miktar) {
    Tıkla(f->FirmaListesi, firma), Tıkla(f->ÜrünListesi, ürün), Tıkla(f->DepoListesi, depo);
    Yazıla(f->GirişiYapanKutusu, kişi);
    Yazıla(f->GirişMiktarıKutusu, miktar);
    QTest::mouseClick(f->ListeyeEkleDüğmesi, Qt::LeftButton);
  }
  QString Hücre(int satır, int sütun) const { return f->GirişiYapılacakÜrünListesi->AltÖğe(satır, sütun); }
  QString Sütun(int k) const {
    QStringList s;
    for (int i = 1; i <= f->GirişiYapılacakÜrünListesi->SatırSayısı(); ++i) s << Hücre(i, k);
    return s.join(u' ');
  }
  // The frame and the five list buttons go on and off together.
  bool ListeAçık() const {
    for (QPushButton* d : {f->ListeyiStoğaEkleDüğmesi, f->GirişiListedenÇıkarDüğmesi, f->ListeyiTemizleDüğmesi,
                           f->GirişFişiYazdırDüğmesi, f->ListeyiExceleAktarDüğmesi})
      EXPECT_EQ(d->isEnabled(), f->Çerçeve[1]->isEnabled()) << d->text().toStdString();
    return f->Çerçeve[1]->isEnabled();
  }

  GirişİşlemleriFormu* f = nullptr;
};

TEST_F(GirişFormuTesti, SatırınAltıRetiSırasıylaMesajVeOdakVerir) {
  Aç();
  Satır(akın, civata, merkez, "VELİ", "5");
  f->GirişTarihiKutusu->DeğerAyarla(QDate(2026, 1, 2));
  const char* const yinelenen =
      "Bu GİRİŞ İŞLEMİ listeye daha önce eklenmiş!\n\nLütfen, firmayı, ürünü ya da depoyu değiştiriniz.";
  const char* const miktarYok = "Lütfen, GİRİŞ MİKTARINI giriniz!";
  const std::vector<std::tuple<qint64, qint64, qint64, const char*, const char*, const char*, QWidget*>> durumlar{
      {0, 0, 0, "ALİ VELİ", "7", "Lütfen, listeden bir FİRMA seçiniz!", f->FirmaListesi},
      {akın, 0, 0, "ALİ VELİ", "7", "Lütfen, listeden bir ÜRÜN seçiniz!", f->ÜrünListesi},
      {akın, civata, 0, "", "", "Lütfen, ürünün ekleneceği DEPOYU listeden seçiniz!", f->DepoListesi},
      {akın, civata, merkez, "ALİ VELİ", "7", yinelenen, f->FirmaListesi},  // whatever the date, person, quantity
      {akın, civata, şube, "", "7", "Lütfen, GİRİŞİ YAPANI giriniz!", f->GirişiYapanKutusu},
      {akın, civata, şube, " ", "", miktarYok, f->GirişMiktarıKutusu},  // a blank is a name
      {akın, civata, şube, "ALİ VELİ", "0", miktarYok, f->GirişMiktarıKutusu},
      {akın, civata, şube, "ALİ VELİ", "0,00", miktarYok, f->GirişMiktarıKutusu}};
  for (const auto& [firma, ürün, depo, kişi, miktar, mesaj, odak] : durumlar) {
    mesajlar.clear();
    Satır(firma, ürün, depo, kişi, miktar);
    ASSERT_EQ(mesajlar.size(), 1u) << mesaj;
    EXPECT_EQ(mesajlar[0].metin, QString::fromUtf8(mesaj));
    EXPECT_EQ(mesajlar[0].stil, 64);
    EXPECT_EQ(QApplication::focusWidget(), odak) << mesaj;
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
  }
  // The same product from another supplier, or into another warehouse, is a line of its own.
  Satır(yıldız, civata, merkez, "ALİ VELİ", "7");
  Satır(akın, civata, şube, "ALİ VELİ", "7");
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 3);
}

TEST_F(GirişFormuTesti, KişiHarfBüyüklüğüneBakmadanBulunurYenisiGerçekNumarasıylaBirKezEklenir) {
  vt->Çalıştır(QStringLiteral("UPDATE GirisCikisYapanlarTablosu SET GirisCikisYapanAdi = 'Ali Veli'"));
  const qint64 silinen = Kişi("ESKİ");
  vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanNo = ?"), {silinen});
  Aç();
  Satır(akın, civata, merkez, "ali veli", "1");
  Satır(akın, somun, merkez, "O'NEIL", "1");
  Satır(akın, pul, merkez, "O'NEIL", "1");
  EXPECT_EQ(Sütun(3), QStringLiteral("%1 %2 %2").arg(ali).arg(silinen + 1));
  EXPECT_EQ(f->GirişiYapanKutusu->currentText(), QStringLiteral("O'NEIL"));  // kept for the next line
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT GirisCikisYapanAdi AS a FROM GirisCikisYapanlarTablosu "
                                             "WHERE GirisCikisYapanNo > ?"),
                              {ali})
                .Metin("a"),
            QStringLiteral("O'NEIL"));
  EXPECT_EQ(FişVerileri::KişileriOku(*vt).size(), 2u);
}

TEST_F(GirişFormuTesti, AğırlıklarHücredekiİkiOndalıklaToplanırÇıkarmaSeçimiTaşır) {
  Aç();
  ASSERT_FALSE(ListeAçık());
  // Rows 1 to 3 of weight 0,333 each; then row `çıkarılan` removed (0: none chosen).
  for (const auto& [çıkarılan, seçili, toplam] :
       std::vector<std::tuple<int, int, const char*>>{{1, 1, "0,66"}, {2, 1, "0,66"}, {3, 2, "0,66"}, {0, 0, "0,99"}}) {
    f->ListeyiTemizleDüğmesi->click();
    Satır(akın, civata, merkez, "ALİ VELİ", "1");
    Satır(yıldız, civata, merkez, "ALİ VELİ", "1");
    Satır(akın, civata, şube, "ALİ VELİ", "1");
    EXPECT_EQ(Sütun(10), QStringLiteral("0,33 0,33 0,33"));
    EXPECT_EQ(f->ToplamAğırlıkKutusu->text(), QStringLiteral("0,99"));
    if (çıkarılan) f->GirişiYapılacakÜrünListesi->SatırSeç(çıkarılan);
    f->GirişiListedenÇıkarDüğmesi->click();
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SeçiliSatırKonumu(), seçili) << çıkarılan;
    EXPECT_EQ(f->ToplamAğırlıkKutusu->text(), QString::fromUtf8(toplam)) << çıkarılan;
  }
  // After an add: no choices, no quantity or stock, the person kept, the focus on the firms.
  EXPECT_TRUE(f->DepoListesi->selectedItems().isEmpty() && f->MevcutÜrünSayısıKutusu->text().isEmpty() &&
              f->GirişMiktarıKutusu->text().isEmpty());
  EXPECT_EQ(f->GirişiYapanKutusu->currentText(), QStringLiteral("ALİ VELİ"));
  EXPECT_TRUE(mesajlar.empty());

  // A double click removes too; the last row leaves an empty total and the list switched off.
  f->ListeyiTemizleDüğmesi->click();
  Satır(akın, somun, şube, "ALİ VELİ", "1.234");
  EXPECT_EQ(Hücre(1, 9) + " " + Hücre(1, 10), QStringLiteral("1.234,00 3.085,00"));
  EXPECT_TRUE(ListeAçık());
  ListeGörünümü* l = f->GirişiYapılacakÜrünListesi;
  const QPoint hücre = l->visualRect(l->model()->index(0, 5)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, hücre);  // a double click begins as a click
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, hücre);
  EXPECT_EQ(l->SatırSayısı(), 0);
  EXPECT_TRUE(f->ToplamAğırlıkKutusu->text().isEmpty());
  EXPECT_FALSE(ListeAçık());
}

TEST_F(GirişFormuTesti, SıralananListeGörünenSıraylaYazılırBirSatırDüşerseHiçbiriYazılmaz) {
  Aç();
  const std::vector<std::tuple<qint64, qint64, QDate, const char*>> satırlar{
      {akın, civata, QDate(2026, 1, 20), "10"}, {yıldız, somun, QDate(2025, 12, 31), "9"},
      {akın, pul, QDate(2026, 1, 3), "100"}};
  for (const auto& [firma, ürün, tarih, miktar] : satırlar) {
    f->GirişTarihiKutusu->DeğerAyarla(tarih);
    Satır(firma, ürün, merkez, "ALİ VELİ", miktar);
  }
  // Header clicks: another column starts ascending, the same one turns round; each kind by its values.
  for (const auto& [başlık, sıra] : std::vector<std::pair<int, const char*>>{
           {8, "CİVATA PUL SOMUN"}, {5, "SOMUN PUL CİVATA"}, {5, "CİVATA PUL SOMUN"},
           {10, "SOMUN CİVATA PUL"}, {10, "PUL CİVATA SOMUN"}, {5, "SOMUN PUL CİVATA"}}) {
    f->GirişiYapılacakÜrünListesi_ColumnClick(başlık);
    EXPECT_EQ(Sütun(7), QString::fromUtf8(sıra)) << başlık;
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->BaşlıkResmi(başlık), Ortak::SıralamaYönü + 1);
  }

  ReddetmeTetiği(civata);  // the last row as shown
  f->ListeyiStoğaEkleDüğmesi->click();
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_TRUE(mesajlar[0].metin.contains(QStringLiteral("disk dolu")));
  EXPECT_TRUE(GirişSatırları().empty());
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 3);
  EXPECT_TRUE(ListeAçık());

  vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
  f->ListeyiStoğaEkleDüğmesi->click();
  EXPECT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
  EXPECT_FALSE(ListeAçık());
  std::vector<QVariantList> beklenen;
  for (int i : {1, 2, 0}) {
    const auto& [firma, ürün, tarih, miktar] = satırlar[i];
    beklenen.push_back({firma, ürün, merkez, ali, 1, tarih, *TürkçeMetin::MiktarOku(QString::fromUtf8(miktar))});
  }
  EXPECT_EQ(GirişSatırları(), beklenen);
}

// The disk takes nothing more (a file-size limit, as root and as any user): the user is told in
// Turkish, nothing is stored, the list stays for the same commit once there is room again.
TEST_F(GirişFormuTesti, DoluDiskteListeKalırYerAçılıncaBirKezYazılır) {
  Aç();
  Satır(akın, civata, merkez, "ALİ VELİ", "10");
  Satır(yıldız, somun, şube, "ALİ VELİ", "5");
  mesajlar.clear();
  // No file may grow past 0 bytes: every write fails with EFBIG, as on a full disk.
  rlimit sınır{}, dolu{};
  getrlimit(RLIMIT_FSIZE, &sınır);
  dolu = {0, sınır.rlim_max};
  const auto sinyal = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &dolu);
  f->ListeyiStoğaEkleDüğmesi->click();
  setrlimit(RLIMIT_FSIZE, &sınır);
  std::signal(SIGXFSZ, sinyal);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].stil, 48);
  EXPECT_TRUE(mesajlar[0].metin.contains(QStringLiteral("işlem kaydedilmedi"))) << mesajlar[0].metin.toStdString();
  EXPECT_TRUE(bitişler.empty());
  EXPECT_TRUE(GirişSatırları().empty());
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 2);
  EXPECT_TRUE(ListeAçık());

  f->ListeyiStoğaEkleDüğmesi->click();
  EXPECT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(GirişSatırları().size(), 2u);
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
}

// The disk fails while the voucher is committed, and another workstation acts the moment the lock
// is let go. Before the journal is gone nothing is stored: the user is told why, the list stays
// and the retry stores it once. Once it is gone the voucher is stored, whatever the folder shows
// by then: the list is emptied and the user is told not to enter it again. When the disk fails the
// checks too, the user is told the outcome is unknown, the list stays and the program goes on; the
// retry finds the voucher by its token, or stores it once.
TEST_F(GirişFormuTesti, DiskHatasındaYalnızBilinenSonuçSöylenirBilinmeyenYenidenDeneninceÇözülür) {
  const char* const başkasıYazar = "BEGIN IMMEDIATE; CREATE TABLE BaskaIstasyon (x)";  // its journal is made
  const char* const başkasıOkur = "SELECT Count(*) FROM GirisIslemleriTablosu";   // rolls a hot journal back
  using D = HatalıDisk;
  const struct {
    D::Yer yer;
    int hata, ardından;
    const char* başkası;
    char sonuç;  // y stored, n not stored, ? unknown
    const char* metin;
    bool yazılmış;  // in the file before the retry
  } durumlar[] = {
      {D::GünlükEşitlemesi, ENOSPC, D::Hiçbiri, nullptr, 'n', "Diskte yer kalmadı", false},
      {D::GünlükEşitlemesi, EDQUOT, D::Hiçbiri, nullptr, 'n', "Disk kotanız doldu", false},
      {D::KlasörEşitlemesi, ENOSPC, D::Hiçbiri, başkasıYazar, 'y', "kaydedildi; ancak disk", true},
      {D::KlasörEşitlemesi, EIO, D::Hiçbiri, başkasıYazar, 'y', "kaydedildi; ancak disk", true},
      {D::SilinmişGünlük, ENOENT, D::Hiçbiri, başkasıYazar, 'y', "kaydedildi; ancak disk", true},
      {D::SilinipHataVeren, EIO, D::Hiçbiri, başkasıYazar, 'y', "kaydedildi; ancak disk", true},
      // A deletion that answered a failure is no answer while the journal is still seen: here it
      // is there, and the other workstation's first read rolls the voucher back.
      {D::GünlükSilme, EIO, D::Hiçbiri, başkasıOkur, '?', "bilinmiyor", false},
      {D::SilinmemişGünlük, ENOENT, D::Hiçbiri, başkasıOkur, '?', "bilinmiyor", false},
      // Here it is gone, though a stat served from a cache still finds it.
      {D::SilinipHataVeren, EIO, D::DurumGörür, başkasıYazar, '?', "bilinmiyor", true},
      // The checks fail too: whether the journal is gone, or what the header holds, is not known.
      {D::GünlükSilme, EIO, D::DurumOkunamaz, başkasıOkur, '?', "bilinmiyor", false},
      {D::SilinipHataVeren, EIO, D::BaşlıkOkunamaz, başkasıYazar, '?', "bilinmiyor", true},
      {D::KlasörEşitlemesi, ENOSPC, D::BaşlıkOkunamaz, başkasıYazar, '?', "bilinmiyor", true},
  };
  Aç();
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.yer << " " << d.hata << " " << d.ardından);
    const size_t önce = GirişSatırları().size();
    Satır(akın, civata, merkez, "ALİ VELİ", "10");
    mesajlar.clear(), bitişler.clear();
    BaşkaİstasyonBağlantısı başka(vt->Yol());
    int başkasınınSonucu = -1;
    {
      HatalıDisk disk(d.yer, d.hata, 1, [&] { başkasınınSonucu = d.başkası ? başka.Çalıştır(d.başkası) : 0; },
                      d.ardından);
      Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      try {
        f->ListeyiStoğaEkleDüğmesi_Click();  // what the button calls; the end of the program must not unwind Qt
      } catch (const ProgramSonlandı&) {
        Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());  // started again
      }
    }
    EXPECT_EQ(başkasınınSonucu, SQLITE_OK);  // it never hears of this disk
    başka.Çalıştır("ROLLBACK");
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].stil, 48);
    EXPECT_TRUE(mesajlar[0].metin.contains(QString::fromUtf8(d.metin))) << mesajlar[0].metin.toStdString();
    for (const char* söylenmez : {"kaydedildi", "kaydedilmedi", "Ağ bağlantısı"})
      EXPECT_TRUE(d.sonuç != '?' || !mesajlar[0].metin.contains(QString::fromUtf8(söylenmez))) << söylenmez;
    EXPECT_TRUE(bitişler.empty());
    EXPECT_EQ(GirişSatırları().size(), önce + d.yazılmış);
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), d.sonuç == 'y' ? 0 : 1);
    EXPECT_EQ(Kalıcıİşler(), d.sonuç == '?' ? 1 : 0);

    f->ListeyiStoğaEkleDüğmesi->click();  // the retry; a stored list has left nothing to store
    EXPECT_EQ(GirişSatırları().size(), önce + 1);
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
    const bool bulundu = d.sonuç == '?' && d.yazılmış;
    ASSERT_EQ(mesajlar.size(), bulundu ? 2u : 1u);
    if (bulundu) {
      EXPECT_TRUE(mesajlar[1].metin.contains(QStringLiteral("önceki denemede veritabanına kaydedilmiş")));
    }
    EXPECT_EQ(Kalıcıİşler(), 0);
  }
}

// Left unknown, the list stays with its commit's token. A line added and the list saved again: the
// earlier line is in the file once in all and the added one once, the user told once.
TEST_F(GirişFormuTesti, BilinmeyenSonuçtanSonraEklenenSatırlaListeBirKezYazılır) {
  Aç();
  for (const bool yazılmış : {true, false}) {
    SCOPED_TRACE(yazılmış);
    Satır(akın, civata, merkez, "ALİ VELİ", "7");
    {
      HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      f->ListeyiStoğaEkleDüğmesi_Click();
    }
    Satır(akın, somun, merkez, "ALİ VELİ", "3");
    ASSERT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 2);
    mesajlar.clear();
    f->ListeyiStoğaEkleDüğmesi->click();
    EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 0);
    ASSERT_EQ(mesajlar.size(), yazılmış ? 1u : 0u);
    if (yazılmış) {
      EXPECT_TRUE(mesajlar[0].metin.contains(QStringLiteral("önceki denemede veritabanına kaydedilmiş")));
    }
    const auto sayı = [&](const char* miktar) {
      return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu WHERE GirisMiktari = ?"),
                               {QString::fromUtf8(miktar).toDouble()})
          .Tamsayı("n");
    };
    EXPECT_EQ(sayı("7"), 1);
    EXPECT_EQ(sayı("3"), 1);
    EXPECT_EQ(Kalıcıİşler(), 0);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisIslemleriTablosu"));
  }
}

// A new person's store left unknown: the line waits. Added again under the same name (letter case
// aside), the person that try stored is taken; settled meanwhile by another write, it is in the box;
// under another name, that try is told as any other work. Each person is in the file once.
TEST_F(GirişFormuTesti, SonucuBilinmeyenYeniKişiYenidenEkleninceBirKezKaydedilir) {
  const struct {
    const char *ad, *yeniden;  // typed at the try left unknown, and at the next add
    bool yazılmış, arada;      // that try stored; the list committed before the next add
    const char* söylenen;      // the beginning of what the user is then told
  } durumlar[] = {
      {"VELİ", "veli", true, false, "Yeni kişi (VELİ), sonucu bilinmeyen önceki denemede veritabanına kaydedilmiş"},
      {"AYŞE", "AYŞE", false, false, ""},
      {"CEM", "CEM", true, true, "Sonucu bilinmeyen işlem (Yeni kişi: CEM, "},
      {"DEMİR", "EMRE", true, false, "Sonucu bilinmeyen işlem (Yeni kişi: DEMİR, "},
  };
  const auto kişi = [&](const char* ad) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n, Max(GirisCikisYapanNo) AS no FROM "
                                            "GirisCikisYapanlarTablosu WHERE TR_KATLA(GirisCikisYapanAdi) = TR_KATLA(?)"),
                             {QString::fromUtf8(ad)});
  };
  Aç();
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad);
    f->ListeyiTemizleDüğmesi_Click();
    Satır(akın, civata, merkez, "ALİ VELİ", "1");
    {
      HatalıDisk disk(d.yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      d.yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      Satır(akın, somun, merkez, d.ad, "2");
    }
    ASSERT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
    mesajlar.clear();
    if (d.arada) f->ListeyiStoğaEkleDüğmesi->click();
    Satır(akın, somun, merkez, d.yeniden, "2");
    EXPECT_EQ(kişi(d.ad).Tamsayı("n"), 1);
    EXPECT_EQ(kişi(d.yeniden).Tamsayı("n"), 1);
    EXPECT_EQ(Hücre(d.arada ? 1 : 2, 3), QString::number(kişi(d.yeniden).Tamsayı("no")));
    ASSERT_EQ(mesajlar.size(), *d.söylenen ? 1u : 0u);
    if (*d.söylenen) {
      EXPECT_TRUE(mesajlar[0].metin.startsWith(QString::fromUtf8(d.söylenen))) << mesajlar[0].metin.toStdString();
    }
  }
}

// Two files are each left with an unknown voucher and the program ends. At each start that
// connects to one of them (and writes its saved queries anew, as after an update), its own work is
// told once, before anything is written; the other file's waits for its own connection.
TEST_F(GirişFormuTesti, BilinmeyenSonuçlarDosyasınaBağlanıncaBirerKezSöylenir) {
  const QString dosyalar[] = {vt->Yol(), GeçiciYol(QStringLiteral("ikinci/Vlm.vtb"))};
  QDir().mkpath(GeçiciYol(QStringLiteral("ikinci")));
  ASSERT_TRUE(QFile::copy(dosyalar[0], dosyalar[1]));  // the same definitions in both
  Aç();
  for (int i = 0; i < 2; ++i) {
    const bool yazılmış = i == 0;
    Ortak::Veritabanı = Veritabanı::Aç(dosyalar[i]);
    Satır(akın, civata, merkez, "ALİ VELİ", yazılmış ? "4" : "5");
    {
      HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      Ortak::Veritabanı = Veritabanı::Aç(dosyalar[i]);
      f->ListeyiStoğaEkleDüğmesi_Click();
    }
    f->ListeyiTemizleDüğmesi_Click();
  }
  ASSERT_EQ(Kalıcıİşler(), 2);
  const struct {
    int dosya;
    bool söylenir;
  } başlangıçlar[] = {{1, true}, {0, true}, {1, false}, {0, false}};  // one file, then the other, twice
  for (const auto& [i, söylenir] : başlangıçlar) {
    SCOPED_TRACE(i);
    İşlemİzleri::HepsiniUnut();
    mesajlar.clear();
    {
      sqlite3* db = nullptr;  // an older program's texts of the saved queries, to be written anew
      sqlite3_open_v2(QFile::encodeName(dosyalar[i]).constData(), &db, SQLITE_OPEN_READWRITE, "unix");
      EXPECT_EQ(sqlite3_exec(db, "UPDATE KayitliSorgular SET Metin = Metin || ' '", nullptr, nullptr, nullptr),
                SQLITE_OK);
      sqlite3_close(db);
    }
    Ortak::Veritabanı = Veritabanı::Aç(dosyalar[i]);
    OrtakYordamlarModülü::BekleyenİşiSonuçlandır();
    ASSERT_EQ(mesajlar.size(), söylenir ? 1u : 0u);
    if (söylenir) {
      EXPECT_TRUE(mesajlar[0].metin.startsWith(QStringLiteral("Sonucu bilinmeyen işlem (Stoğa giriş fişi: C-10 CİVATA, ")));
      EXPECT_TRUE(mesajlar[0].metin.endsWith(i == 0 ? QStringLiteral("veritabanına kaydedilmiş.")
                                                    : QStringLiteral("kaydedilmemiş; gerekiyorsa yeniden giriniz.")))
          << mesajlar[0].metin.toStdString();
    }
  }
  EXPECT_EQ(Kalıcıİşler(), 0);
  for (int i = 0; i < 2; ++i) {
    Ortak::Veritabanı = Veritabanı::Aç(dosyalar[i]);
    EXPECT_EQ(Ortak::Veritabanı->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu")).Tamsayı("n"),
              i == 0 ? 1 : 0);
  }
}

TEST_F(GirişFormuTesti, MevcutStokSeçilenÜrünVeDepodanOkunur) {
  Giriş(civata, merkez, 10), Çıkış(civata, merkez, 4, 99), Giriş(civata, şube, 4, 99);  // a transfer
  Çıkış(somun, şube, 3);
  Aç();
  Tıkla(f->ÜrünListesi, civata);
  EXPECT_EQ(f->ÜrünKoduKutusu->text() + "|" + f->MevcutÜrünSayısıKutusu->text(), QStringLiteral("C-10|"));
  for (const auto& [ürün, depo, stok] : std::vector<std::tuple<qint64, qint64, const char*>>{
           {civata, merkez, "6,00 2,00"}, {civata, şube, "4,00 1,33"}, {pul, merkez, "0,00 0,00"},
           {somun, şube, "-3,00 -7,50"}}) {
    Tıkla(f->DepoListesi, depo);
    Tıkla(f->ÜrünListesi, ürün);
    EXPECT_EQ(f->MevcutÜrünSayısıKutusu->text() + " " + f->MevcutÜrünAğırlığıKutusu->text(), QString::fromUtf8(stok));
  }
  // A beginning no product has: no product, no code, no stock; then one found by its beginning.
  Yazıla(f->ÜrünBulKutusu, "x");
  EXPECT_TRUE(f->ÜrünListesi->selectedItems().isEmpty());
  EXPECT_EQ(f->ÜrünKoduKutusu->text() + f->MevcutÜrünSayısıKutusu->text(), QString());
  Yazıla(f->ÜrünBulKutusu, "so");
  EXPECT_EQ(f->ÜrünKoduKutusu->text() + " " + f->MevcutÜrünSayısıKutusu->text(), QStringLiteral("S-20 -3,00"));
  // Codes on request, in the order of the names; a line then takes the name from the file.
  EtkinlikGeriVerilmez();
  QTest::mouseClick(f->ÜrünKoduAdıSeçeneği[1], Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitForWindowActive(f));  // the keyboard still reaches the form after the reload
  ASSERT_EQ(f->ÜrünListesi->count(), 3);
  EXPECT_EQ(f->ÜrünListesi->item(0)->text() + f->ÜrünListesi->item(1)->text() + f->ÜrünListesi->item(2)->text(),
            QStringLiteral("C-10P-30S-20"));
  Satır(akın, somun, şube, "ALİ VELİ", "1");
  EXPECT_EQ(Hücre(1, 6) + " " + Hücre(1, 7), QStringLiteral("S-20 SOMUN"));
}

TEST_F(GirişFormuTesti, KapatmaSorusuHayırdaSatırlarıTutarEvetteDüzeniSaklar) {
  Aç();
  Satır(akın, civata, merkez, "ALİ VELİ", "1");
  f->GirişiYapılacakÜrünListesi->SütunGenişliğiAyarla(8, 3000);
  f->GirişTarihiKutusu->DeğerAyarla(QDate(2020, 1, 1));
  Cevapla({Platform::Cevap::Hayır});
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->GirişiYapılacakÜrünListesi->SatırSayısı(), 1);
  EXPECT_FALSE(Ayarlar::BölümVar(QStringLiteral("Listeler\\GirisListesi")));
  QTest::mouseClick(f->KapatDüğmesi, Qt::LeftButton);  // the default answer, Yes
  EXPECT_FALSE(f->isVisible());
  ASSERT_EQ(mesajlar.size(), 2u);
  EXPECT_EQ(mesajlar[1].stil, 36);

  // Commands 105 and 401 open it again as at first, over the main window, with the saved layout.
  QStringList görülen;
  QTimer zamanlayıcı;
  QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != f) return;
    görülen << QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(f->FirmaListesi->count())
                   .arg(f->GirişiYapılacakÜrünListesi->SatırSayısı())
                   .arg(f->GirişTarihiKutusu->Değer().toString(Qt::ISODate))
                   .arg(f->GirişiYapılacakÜrünListesi->SütunGenişliği(8))
                   .arg(ListeAçık() ? 1 : 0)
                   .arg(f->focusWidget() == f->FirmaListesi);
    f->close();  // empty: no question
  });
  zamanlayıcı.start(10);
  for (int komut : {105, 401}) KomutDağıt(komut);
  zamanlayıcı.stop();
  EXPECT_EQ(görülen, QStringList(2, QStringLiteral("2 0 2026-12-07 3000 0 1")));
  vt->Çalıştır(QStringLiteral("DELETE FROM DepoBilgileriTablosu"));
  KomutDağıt(105);
  ASSERT_EQ(mesajlar.size(), 3u);
  EXPECT_EQ(mesajlar[2].metin, QStringLiteral("DEPO tanımlamadan GİRİŞ işlemi yapamazsınız!"));
}

TEST_F(GirişFormuTesti, EnterOdakSırasınıİzlerEkleDüğmesindeSatırıEkler) {
  Aç();
  Tıkla(f->FirmaListesi, akın), Tıkla(f->ÜrünListesi, somun), Tıkla(f->DepoListesi, şube);
  f->GirişiYapanKutusu->setEditText(QStringLiteral("AY"));  // entering leaves it unselected: typing goes on
  f->FirmaListesi->setFocus();
  for (QWidget* sonraki : std::initializer_list<QWidget*>{
           f->FirmaBulKutusu, f->ÜrünListesi, f->ÜrünKoduAdıSeçeneği[0], f->ÜrünBulKutusu, f->DepoListesi,
           f->DepoKoduAdıSeçeneği[0], f->DepoBulKutusu, f->GirişiYapanKutusu, f->GirişTarihiKutusu,
           f->GirişMiktarıKutusu, f->ListeyeEkleDüğmesi}) {
    QWidget* alan = QApplication::focusWidget();
    if (alan == f->GirişiYapanKutusu) Yaz(alan, "şe");
    if (alan == f->GirişMiktarıKutusu) Yaz(alan, "12,5");
    QTest::keyClick(alan, Qt::Key_Return);
    if (qobject_cast<QRadioButton*>(alan)) {  // Enter on an order option does nothing; Tab moves on
      EXPECT_EQ(QApplication::focusWidget(), alan);
      QTest::keyClick(alan, Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), sonraki);
  }
  QTest::keyClick(f->ListeyeEkleDüğmesi, Qt::Key_Return);
  EXPECT_EQ(Hücre(1, 5) + "|" + Hücre(1, 7) + "|" + Hücre(1, 9), QStringLiteral("AKIN LTD.|SOMUN|12,50"));
  EXPECT_EQ(f->GirişiYapanKutusu->currentText(), QStringLiteral("AYŞE"));
  EXPECT_EQ(QApplication::focusWidget(), f->FirmaListesi);
}

}  // namespace
