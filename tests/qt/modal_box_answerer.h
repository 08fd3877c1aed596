// Answers the window's modal message boxes in tests, and records what each one showed.
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

namespace vexolite::test {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;  // the captions of its buttons
};

// While alive, polls from inside the modal loop for each box that opens, hands it to inspect,
// then clicks its OK unless inspect closed it already. A box that never opened shows up as a
// missing entry in boxes(), never as a hang.
class ModalBoxAnswerer {
 public:
  explicit ModalBoxAnswerer(std::function<void(QMessageBox&)> inspect = {});
  ~ModalBoxAnswerer();
  ModalBoxAnswerer(const ModalBoxAnswerer&) = delete;
  ModalBoxAnswerer& operator=(const ModalBoxAnswerer&) = delete;
  const std::vector<SeenBox>& boxes() const { return boxes_; }

 private:
  std::function<void(QMessageBox&)> inspect_;
  std::vector<SeenBox> boxes_;
  QPointer<QMessageBox> current_;
  QTimer timer_;
};

// Installed once by the test program: a box that opens while no answerer is alive fails the
// running test and is closed, so the test program never waits for a user.
void guardAgainstUnansweredBoxes();

}  // namespace vexolite::test
