// MainWindow, the viewer's one window: its widgets, and the Controls the viewer's operations use.
// SPDX-License-Identifier: MIT
#include "qt/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "layout/window_layout.h"
#include "qt/control_widgets.h"
#include "qt/surface_view.h"
#include "qt/window_key_filter.h"

namespace vexolite::qt {
namespace {

std::size_t indexOf(Control control) {
  return static_cast<std::size_t>(control);
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

bool isMultiLine(Control control) {
  const ControlKind kind = layoutOf(control).kind;
  return kind == ControlKind::MultiLineTextBox || kind == ControlKind::RichTextBox;
}

}  // namespace

void MainWindow::quitApplication() {
  QCoreApplication::exit(0);
}

MainWindow::MainWindow(CaseFileSearch search, EndProgram endProgram)
    : QWidget(nullptr), endProgram_(std::move(endProgram)), viewer_(*this, std::move(search)) {
  const ControlLayout& window = layoutOf(Control::MainWindow);
  setObjectName(QString::fromUtf8(window.name.data(), static_cast<qsizetype>(window.name.size())));
  setWindowTitle(QString::fromUtf8(window.text.data(), static_cast<qsizetype>(window.text.size())));
  setFont(fontFor(window.font));
  // Resizable: the work surfaces and "all BMP" lie beyond the first client area. Never smaller
  // than at first, where every visible control has its place.
  resize(pixelsFromTwips(window.width), pixelsFromTwips(window.height));
  setMinimumSize(size());

  buildControls();
  connectEvents();
  chainTabOrder();
  keyFilter_ = new WindowKeyFilter(this, [this](Key key) { viewer_.keyPressed(key); });
  qApp->installEventFilter(keyFilter_);
}

// The filter calls into the viewer, which goes before the window's children do.
MainWindow::~MainWindow() {
  qApp->removeEventFilter(keyFilter_);
}

// The one place that makes the widgets. The frame comes before the piece options it holds;
// among siblings, later widgets lie on top, so HelpBox covers FigureView.
void MainWindow::buildControls() {
  widgets_[indexOf(Control::MainWindow)] = this;
  for (bool inFrame : {false, true}) {
    for (const ControlLayout& layout : windowLayout()) {
      if (layout.kind == ControlKind::Window) continue;
      if ((layout.parent == Control::PiecePanel) != inFrame) continue;
      widgets_[indexOf(layout.id)] = createControlWidget(layout, widgets_[indexOf(layout.parent)]);
    }
  }
}

void MainWindow::connectEvents() {
  for (const CommandBinding& binding : kCommandTable) {
    if (!binding.button) continue;
    auto* button = qobject_cast<QAbstractButton*>(widget(*binding.button));
    const Command command = binding.command;
    connect(button, &QAbstractButton::clicked, this,
            [this, command] { viewer_.buttonClicked(command); });
  }
  for (bool withPiece : {false, true}) {
    auto* option = qobject_cast<QAbstractButton*>(
        widget(withPiece ? Control::OnePieceHelpOption : Control::NoHelpOption));
    connect(option, &QAbstractButton::clicked, this,
            [this, withPiece] { viewer_.chooseHelp(withPiece); });
  }
  for (int piece = 1; piece <= kPieceCount; ++piece) {
    auto* option =
        qobject_cast<QAbstractButton*>(widget(kPieceOptions[static_cast<std::size_t>(piece - 1)]));
    connect(option, &QAbstractButton::clicked, this, [this, piece] { viewer_.choosePiece(piece); });
  }
  auto* caseNumberBox = qobject_cast<QLineEdit*>(widget(Control::CaseNumberBox));
  connect(caseNumberBox, &QLineEdit::textChanged, this, [this] { viewer_.caseNumberEdited(); });
  static_cast<SurfaceView*>(widget(Control::FigureView))
      ->onPress([this](int x, int y, Qt::MouseButton) { viewer_.pressOnView(x, y); });
}

// CaseNumberBox first, so that the window opens with the focus on the case-number box.
void MainWindow::chainTabOrder() {
  std::vector<const ControlLayout*> stops;
  for (const ControlLayout& layout : windowLayout()) {
    if (layout.tabIndex >= 0) stops.push_back(&layout);
  }
  std::sort(stops.begin(), stops.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t n = 1; n < stops.size(); ++n) {
    QWidget::setTabOrder(widget(stops[n - 1]->id), widget(stops[n]->id));
  }
  if (!stops.empty()) widget(stops.front()->id)->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::widget(Control control) const {
  return widgets_[indexOf(control)];
}

void MainWindow::start() {
  viewer_.start();
}

void MainWindow::setText(Control control, const std::string& text) {
  QWidget* w = widget(control);
  const QString q = fromViewerText(text, isMultiLine(control));
  if (w == this) {
    setWindowTitle(q);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(q);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(q);
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    // The viewer runs CaseNumberBox's change handler itself after its own changes.
    const QSignalBlocker quiet(line);
    line->setText(q);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    plain->setPlainText(q);
  } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
    rich->setPlainText(q);
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    frame->setTitle(q);
  }
}

std::string MainWindow::text(Control control) const {
  const QWidget* w = widget(control);
  QString q;
  if (w == this) {
    q = windowTitle();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    q = button->text();
  } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
    q = label->text();
  } else if (const auto* line = qobject_cast<const QLineEdit*>(w)) {
    q = line->text();
  } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
    q = plain->toPlainText();
  } else if (const auto* rich = qobject_cast<const QTextEdit*>(w)) {
    q = rich->toPlainText();
  } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
    q = frame->title();
  }
  return toViewerText(q, isMultiLine(control));
}

void MainWindow::setChecked(Control control, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(widget(control));
  if (button == nullptr) return;
  // An exclusive option cannot be cleared directly; the viewer may clear it all the same.
  const bool exclusive = button->autoExclusive();
  if (!checked && exclusive) button->setAutoExclusive(false);
  button->setChecked(checked);
  if (!checked && exclusive) button->setAutoExclusive(true);
}

bool MainWindow::isChecked(Control control) const {
  const auto* button = qobject_cast<const QAbstractButton*>(widget(control));
  return button != nullptr && button->isChecked();
}

void MainWindow::setEnabled(Control control, bool enabled) {
  widget(control)->setEnabled(enabled);
}

void MainWindow::setVisible(Control control, bool visible) {
  widget(control)->setVisible(visible);
}

void MainWindow::setFocus(Control control) {
  widget(control)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showPicture(Control picture, const RasterSurface& surface) {
  static_cast<SurfaceView*>(widget(picture))->showSurface(surface);
}

void MainWindow::showMessage(const std::string& text, MessageIcon icon) {
  QMessageBox box(boxIcon(icon), QString::fromUtf8(kWindowCaption.data(), kWindowCaption.size()),
                  QString::fromStdString(text), QMessageBox::Ok, this);
  box.exec();
  // Without a window manager the closed box leaves the keyboard focus nowhere; the window
  // takes it back so that the next key reaches the key table.
  if (isVisible()) activateWindow();
}

std::string MainWindow::translated(std::string_view text) const {
  if (text.empty()) return {};
  const std::string source(text);
  return QCoreApplication::translate("vexolite", source.c_str()).toStdString();
}

void MainWindow::beep() {
  QApplication::beep();
}

void MainWindow::endProgram() {
  endProgram_();
}

}  // namespace vexolite::qt
