#pragma once
// Every form exists once: its accessor creates it on first use and reuses it.

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>

#include <memory>

// A form left at the end of the run is not deleted once the application object is gone.
struct FormSilici {
  template <class F>
  void operator()(F* form) const {
    if (QCoreApplication::instance()) delete form;
  }
};

template <class F>
std::unique_ptr<F, FormSilici>& FormÖrneği() {
  static std::unique_ptr<F, FormSilici> örnek;
  return örnek;
}

template <class F>
F& Form() {
  auto& ö = FormÖrneği<F>();
  if (!ö) ö.reset(new F());
  return *ö;
}

template <class F>
bool FormVar() {
  return FormÖrneği<F>() != nullptr;
}

// Created and loaded, without creating it: a form that is not there is not brought back by asking.
template <class F>
bool FormYüklü() {
  return FormVar<F>() && FormÖrneği<F>()->Yüklü();
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
