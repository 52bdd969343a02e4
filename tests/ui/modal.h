// Answers the next modal dialog from the test: the action runs once the dialog is up.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace kt740::test {

// Polls until a modal dialog of type D is shown, then runs `act` on it (which should close it).
template <typename D = QDialog>
void WhenModal(std::function<void(D&)> act, int timeoutMs = 5000) {
  auto* timer = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act, timeoutMs] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget()); d && d->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(*d);
      return;
    }
    if ((*waited += 10) > timeoutMs) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

}  // namespace kt740::test
