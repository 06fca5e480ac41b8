#include "AnaForm.h"

#include "FormYoneticisi.h"

#include <QLabel>
#include <QStatusBar>

namespace {
std::unique_ptr<AnaForm>& Örnek() {
  static std::unique_ptr<AnaForm> ö;
  return ö;
}
}  // namespace

AnaForm::AnaForm() {}
AnaForm::~AnaForm() = default;

void AnaForm::DurumPaneliYaz(int id, const QString& metin) { setProperty(("pane" + QByteArray::number(id)).constData(), metin); }
QString AnaForm::DurumPaneli(int id) const { return property(("pane" + QByteArray::number(id)).constData()).toString(); }
void AnaForm::Kaldır() { hide(); }

AnaForm& AnaFormu() {
  if (!Örnek()) Örnek() = std::make_unique<AnaForm>();
  return *Örnek();
}
bool AnaFormYüklü() { return Örnek() && Örnek()->isVisible(); }

QWidget* SahipPencere() { return Örnek() ? Örnek().get() : nullptr; }
int ModalGöster(QDialog& form) {
  if (QWidget* sahip = SahipPencere(); sahip && form.parentWidget() != sahip)
    form.setParent(sahip, form.windowFlags() | Qt::Dialog);
  return form.exec();
}
