#pragma once
// Runs a command whose forms are modal, and acts in them as a user would: each step
// waits until its window is the active modal one on top, then acts on it.

#include "KomutDagitimi.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

struct ModalAdım {
  QString başlık;
  std::function<void(QWidget*)> eylem;
};

// True when every step ran before the command returned.
inline bool KomutuSür(int komut, std::deque<ModalAdım> adımlar) {
  QTimer zamanlayıcı;
  QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (adımlar.empty() || !w || !w->isActiveWindow() || w->windowTitle() != adımlar.front().başlık) return;
    // Outside the timer: a form the step opens runs its own loop, and the timer must go on.
    QTimer::singleShot(0, [a = adımlar.front(), w] { a.eylem(w); });
    adımlar.pop_front();
  });
  zamanlayıcı.start(10);
  KomutDağıt(komut);
  return adımlar.empty();
}
