#pragma once
// Every form exists once: its accessor creates it on first use and reuses it.

#include <QDialog>
#include <QPointer>

#include <memory>

template <class F>
std::unique_ptr<F>& FormÖrneği() {
  static std::unique_ptr<F> örnek;
  return örnek;
}

template <class F>
F& Form() {
  auto& ö = FormÖrneği<F>();
  if (!ö) ö = std::make_unique<F>();
  return *ö;
}

template <class F>
bool FormVar() {
  return FormÖrneği<F>() != nullptr;
}

// Tests start from a form that was never created.
template <class F>
void FormuYokEt() {
  FormÖrneği<F>().reset();
}

// The window every command's form is shown over (null before the main window exists).
QWidget* SahipPencere();

// Shows a form modally over the main window.
int ModalGöster(QDialog& form);
