#include "GirisSifresiSorFormu.h"

#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "Ayarlar.h"
#include "BaglantiSonrasi.h"
#include "OrtakYordamlarModulu.h"
#include "SifreModulu.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace OrtakYordamlarModülü;

GirişŞifresiSorFormu::GirişŞifresiSorFormu() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("Giriş Şifresi"));

  Etiket = new QLabel(QStringLiteral("Şifre :"), this);
  ŞifreKutusu = new QLineEdit(this);
  ŞifreKutusuHazırla(ŞifreKutusu);
  TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
  TamamDüğmesi->setDefault(true);
  İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);

  auto* düzen = new QGridLayout(this);
  düzen->addWidget(Etiket, 0, 0);
  düzen->addWidget(ŞifreKutusu, 0, 1);
  auto* düğmeler = new QHBoxLayout;
  düğmeler->addStretch();
  düğmeler->addWidget(TamamDüğmesi);
  düğmeler->addWidget(İptalDüğmesi);
  düzen->addLayout(düğmeler, 1, 0, 1, 2);
  düzen->setColumnStretch(1, 1);
  BaşlığaYerAç(*this);

  ŞifreKutusu->installEventFilter(this);
  connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
  connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

void GirişŞifresiSorFormu::ŞifreKutusu_GotFocus() { MetniSeçVeRenklendir(ŞifreKutusu, Etiket); }

void GirişŞifresiSorFormu::TamamDüğmesi_Click() {
  const QString şifre = ŞifreKutusu->text();
  if (!ŞifreUzunluğuUygun(ŞifreKutusu)) return;
  const QString kayıtlı = Ayarlar::Oku(QStringLiteral("Ayarlar"), QStringLiteral("GirisSifresi"));
  if (ŞifreKarıştır(şifre, ŞifreTablosu, ŞifreAnahtarı) == kayıtlı) {
    Kaldır();
    HataYakala([] { KritikStokUyarısınıGöster(); });
    return;
  }
  ++YanlışŞifreSayısı;
  if (YanlışŞifreSayısı >= 3) {
    MesajKutusu(QStringLiteral("3 kez yanlış şifre girildiği için program kapatılacak!"), Stil::Uyarı);
    İptalDüğmesi_Click();
    return;
  }
  MesajKutusu(QStringLiteral("Şifre yanlış!"), Stil::Bilgi);
  ŞifreKutusu->clear();
  ŞifreKutusu->setFocus();
}

void GirişŞifresiSorFormu::İptalDüğmesi_Click() {
  hide();
  // The main window's closing steps unload every form, this one included.
  if (FormYüklü<AnaForm>()) Form<AnaForm>().Kaldır();
  // Nothing may run past a refused login, whatever start-up does after the connection.
  ProgramıBitir(0);
}

void GirişŞifresiSorFormu::reject() { İptalDüğmesi_Click(); }

void GirişŞifresiSorFormu::closeEvent(QCloseEvent* olay) {
  // The window manager's close is refused; the program's own unloading is not.
  if (olay->spontaneous()) {
    olay->ignore();
    return;
  }
  olay->accept();
}

bool GirişŞifresiSorFormu::eventFilter(QObject* nesne, QEvent* olay) {
  if (nesne == ŞifreKutusu && olay->type() == QEvent::FocusIn) ŞifreKutusu_GotFocus();
  return QDialog::eventFilter(nesne, olay);
}

void GirişŞifresiSorFormu::Kaldır() {
  // The next load starts from the design: an empty box, the label in its own colour.
  ŞifreKutusu->clear();
  Etiket->setPalette(QPalette());
  done(QDialog::Accepted);
}
