// Answers the window's modal message boxes in tests, and records what each one showed.
// SPDX-License-Identifier: MIT
#include "modal_box_answerer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace vexolite::test {
namespace {

int answerersAlive = 0;

QMessageBox* openBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  return box != nullptr && box->isVisible() ? box : nullptr;
}

}  // namespace

ModalBoxAnswerer::ModalBoxAnswerer(std::function<void(QMessageBox&)> inspect)
    : inspect_(std::move(inspect)) {
  ++answerersAlive;
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QMessageBox* box = openBox();
    if (box == nullptr || box == current_) return;
    current_ = box;
    boxes_.push_back({box->windowTitle(), box->text(), box->icon(), {}});
    for (QAbstractButton* button : box->buttons())
      boxes_.back().buttons << button->text();
    if (inspect_) inspect_(*box);
    if (current_ == nullptr || !current_->isVisible()) return;
    if (QAbstractButton* ok = current_->button(QMessageBox::Ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      current_->reject();
    }
  });
  timer_.start(5);
}

ModalBoxAnswerer::~ModalBoxAnswerer() {
  --answerersAlive;
}

void guardAgainstUnansweredBoxes() {
  auto* guard = new QTimer(qApp);
  QObject::connect(guard, &QTimer::timeout, [] {
    if (answerersAlive > 0) return;
    if (QMessageBox* box = openBox()) {
      ADD_FAILURE() << "a message box no test answers: \"" << box->text().toStdString() << "\"";
      box->reject();
    }
  });
  guard->start(100);
}

}  // namespace vexolite::test
