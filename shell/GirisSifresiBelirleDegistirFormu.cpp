#include "GirisSifresiBelirleDegistirFormu.h"

#include "Ayarlar.h"
#include "FormYoneticisi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"
#include "SifreModulu.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace OrtakYordamlarModülü;

namespace {
const QString Bölüm = QStringLiteral("Ayarlar");
const QString SorAnahtarı = QStringLiteral("GirisSifresiSor");
const QString ŞifreAnahtarAdı = QStringLiteral("GirisSifresi");

void RengiGeriAl(QLabel* etiket, const QWidget* form) {
  QPalette p = etiket->palette();
  p.setColor(QPalette::WindowText, form->palette().color(QPalette::WindowText));
  etiket->setPalette(p);
}
}  // namespace

GirişŞifresiBelirleDeğiştirFormu::GirişŞifresiBelirleDeğiştirFormu() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Giriş Şifresi Belirle"));

  Etiket[0] = new QLabel(QStringLiteral("Şifre :"), this);
  Etiket[1] = new QLabel(QStringLiteral("Doğrula :"), this);
  ŞifreKutusu = new QLineEdit(this);
  ŞifreDoğrulaKutusu = new QLineEdit(this);
  ŞifreKutusuHazırla(ŞifreKutusu);
  ŞifreKutusuHazırla(ŞifreDoğrulaKutusu);
  TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
  TamamDüğmesi->setDefault(true);
  İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);

  auto* düzen = new QGridLayout(this);
  düzen->addWidget(Etiket[0], 0, 0);
  düzen->addWidget(ŞifreKutusu, 0, 1);
  düzen->addWidget(Etiket[1], 1, 0);
  düzen->addWidget(ŞifreDoğrulaKutusu, 1, 1);
  auto* düğmeler = new QHBoxLayout;
  düğmeler->addStretch();
  düğmeler->addWidget(TamamDüğmesi);
  düğmeler->addWidget(İptalDüğmesi);
  düzen->addLayout(düğmeler, 2, 0, 1, 2);
  düzen->setColumnStretch(1, 1);
  BaşlığaYerAç(*this);

  ŞifreKutusu->installEventFilter(this);
  ŞifreDoğrulaKutusu->installEventFilter(this);
  connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
  connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

void GirişŞifresiBelirleDeğiştirFormu::Form_Activate() {
  const bool değiştir = Ortak::GirişŞifresiSorulsun;
  setWindowTitle(değiştir ? QStringLiteral("Giriş Şifresi Değiştir") : QStringLiteral("Giriş Şifresi Belirle"));
  Etiket[0]->setText(değiştir ? QStringLiteral("Yeni Şifre :") : QStringLiteral("Şifre :"));
  İptalDüğmesi->setText(değiştir ? QStringLiteral("Şifreyi Kaldır") : QStringLiteral("İptal"));
}

void GirişŞifresiBelirleDeğiştirFormu::ŞifreKutusu_GotFocus() { MetniSeçVeRenklendir(ŞifreKutusu, Etiket[0]); }
void GirişŞifresiBelirleDeğiştirFormu::ŞifreKutusu_LostFocus() { RengiGeriAl(Etiket[0], this); }
void GirişŞifresiBelirleDeğiştirFormu::ŞifreDoğrulaKutusu_GotFocus() {
  MetniSeçVeRenklendir(ŞifreDoğrulaKutusu, Etiket[1]);
}
void GirişŞifresiBelirleDeğiştirFormu::ŞifreDoğrulaKutusu_LostFocus() { RengiGeriAl(Etiket[1], this); }

void GirişŞifresiBelirleDeğiştirFormu::TamamDüğmesi_Click() {
  const QString şifre = ŞifreKutusu->text();
  const QString doğrula = ŞifreDoğrulaKutusu->text();
  if (!ŞifreUzunluğuUygun(ŞifreKutusu)) return;
  if (doğrula.isEmpty()) {
    MesajKutusu(QStringLiteral("Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!"), Stil::Bilgi);
    ŞifreDoğrulaKutusu->setFocus();
    return;
  }
  if (şifre != doğrula) {
    MesajKutusu(QStringLiteral("Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen kontrol ediniz."),
                Stil::Bilgi);
    ŞifreDoğrulaKutusu->setFocus();
    return;
  }
  Ortak::GirişŞifresiSorulsun = true;
  // The password and the flag in one write: the store never asks for a password it lacks.
  AyarKaydedilmediyseSöyle(Ayarlar::AnahtarlarıYaz(Bölüm, {{ŞifreAnahtarAdı, ŞifreKarıştır(şifre, ŞifreTablosu, ŞifreAnahtarı)},
                                                         {SorAnahtarı, QStringLiteral("-1")}}),
                           QStringLiteral("Giriş şifresi"));
  Kaldır();
}

void GirişŞifresiBelirleDeğiştirFormu::İptalDüğmesi_Click() {
  if (Ortak::GirişŞifresiSorulsun) {
    if (MesajKutusu(QStringLiteral("'Giriş Şifresi'ni kaldırmak istiyor musunuz?"), Stil::SilmeSorusu) !=
        Platform::Cevap::Evet) {
      Kaldır();
      return;
    }
  } else if (MesajKutusu(QStringLiteral("'Giriş Şifresi' belirlemek istemiyor musunuz?"), Stil::SoruEvetHayır) !=
             Platform::Cevap::Evet) {
    return;
  }
  Ortak::GirişŞifresiSorulsun = false;
  AyarKaydedilmediyseSöyle(Ayarlar::AnahtarlarıYaz(Bölüm, {{SorAnahtarı, QStringLiteral("0")}, {ŞifreAnahtarAdı, QString()}}),
                           QStringLiteral("Giriş şifresinin kaldırıldığı"));
  Kaldır();
}

void GirişŞifresiBelirleDeğiştirFormu::reject() { İptalDüğmesi_Click(); }

void GirişŞifresiBelirleDeğiştirFormu::showEvent(QShowEvent* olay) {
  QDialog::showEvent(olay);
  Form_Activate();
}

void GirişŞifresiBelirleDeğiştirFormu::closeEvent(QCloseEvent* olay) {
  olay->accept();
  Kaldır();
}

bool GirişŞifresiBelirleDeğiştirFormu::eventFilter(QObject* nesne, QEvent* olay) {
  if (olay->type() == QEvent::FocusIn) {
    if (nesne == ŞifreKutusu) ŞifreKutusu_GotFocus();
    if (nesne == ŞifreDoğrulaKutusu) ŞifreDoğrulaKutusu_GotFocus();
  } else if (olay->type() == QEvent::FocusOut) {
    if (nesne == ŞifreKutusu) ŞifreKutusu_LostFocus();
    if (nesne == ŞifreDoğrulaKutusu) ŞifreDoğrulaKutusu_LostFocus();
  }
  return QDialog::eventFilter(nesne, olay);
}

void GirişŞifresiBelirleDeğiştirFormu::Kaldır() {
  // Every way out unloads: the next showing starts from the design, boxes empty.
  ŞifreKutusu->clear();
  ŞifreDoğrulaKutusu->clear();
  if (isVisible()) done(QDialog::Rejected);
  Etiket[0]->setPalette(QPalette());
  Etiket[1]->setPalette(QPalette());
  ŞifreKutusu->setFocus();
}

void GirişŞifresiBelirleDeğiştirFormunuGöster() { ModalGöster(Form<GirişŞifresiBelirleDeğiştirFormu>()); }
