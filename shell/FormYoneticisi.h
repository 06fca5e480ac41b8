#pragma once
// Every form exists once: its accessor creates it on first use and reuses it.

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>


// A form shown over another form becomes its child and goes with it, so the
// reference is a guarded one. Forms left at the end of the run are not deleted.
template <class F>
QPointer<F>& FormÖrneği() {
  static QPointer<F> örnek;
  return örnek;
}

template <class F>
F& Form() {
  auto& ö = FormÖrneği<F>();
  if (!ö) ö = new F();
  return *ö;
}

template <class F>
bool FormVar() {
  return !FormÖrneği<F>().isNull();
}

// Created and loaded, without creating it: a form that is not there is not brought back by asking.
template <class F>
bool FormYüklü() {
  return FormVar<F>() && FormÖrneği<F>()->Yüklü();
}

// Tests start from a form that was never created.
template <class F>
void FormuYokEt() {
  delete FormÖrneği<F>().data();
}

// The window every command's form is shown over (null before the main window exists).
QWidget* SahipPencere();

// Shows a form modally over the main window.
int ModalGöster(QDialog& form);
