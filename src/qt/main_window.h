// MainWindow, the viewer's one window: its widgets, and the Controls the viewer's operations use.
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "case_library/case_file.h"
#include "qt/qt_export_platform.h"
#include "viewer/controls.h"
#include "viewer/viewer.h"

namespace vexolite::qt {

class WindowKeyFilter;

class MainWindow : public QWidget, public Controls {
  Q_OBJECT

 public:
  using EndProgram = std::function<void()>;

  // Ends the application's event loop with status 0 once the current event has returned.
  static void quitApplication();

  // search: where the viewer looks for the case file. endProgram: what Esc does.
  explicit MainWindow(CaseFileSearch search, EndProgram endProgram = &MainWindow::quitApplication);
  ~MainWindow() override;

  Viewer& viewer() { return viewer_; }
  // The widget of a control; the window itself for MainWindow.
  QWidget* widget(Control control) const;

  // Runs start: start values and the start message. Call once the window is shown.
  void start();

  // Controls. QWidget's own setEnabled, setVisible and setFocus stay reachable.
  using QWidget::setEnabled;
  using QWidget::setFocus;
  using QWidget::setVisible;
  void setText(Control control, const std::string& text) override;
  std::string text(Control control) const override;
  void setChecked(Control control, bool checked) override;
  bool isChecked(Control control) const override;
  void setEnabled(Control control, bool enabled) override;
  void setVisible(Control control, bool visible) override;
  void setFocus(Control control) override;
  void showPicture(Control picture, const RasterSurface& surface) override;
  void showMessage(const std::string& text, MessageIcon icon) override;
  void beep() override;
  void endProgram() override;
  ExportPlatform* exportPlatform() override { return &exportPlatform_; }
  // Through the translator installed at start, in the context "vexolite".
  std::string translated(std::string_view text) const override;

 private:
  void buildControls();
  void connectEvents();
  void chainTabOrder();

  std::array<QWidget*, kControlCount> widgets_{};
  WindowKeyFilter* keyFilter_ = nullptr;  // a child of the window, installed on the application
  EndProgram endProgram_;
  Viewer viewer_;
  QtExportPlatform exportPlatform_;
};

}  // namespace vexolite::qt
