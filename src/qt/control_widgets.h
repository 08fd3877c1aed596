// Builds the widget of one control from its entry in the window's layout table.
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "layout/window_layout.h"

class QWidget;

namespace vexolite::qt {

// The font a layout entry asks for; the point size keeps its fraction (8.25).
QFont fontFor(const FontSpec& wanted);

// The place and size of a control in pixels, relative to its parent.
QRect pixelGeometry(const ControlLayout& layout);

// A new widget for a control other than the window itself, named, placed, captioned, coloured
// and set to its start state. Precondition: layout.kind != ControlKind::Window.
QWidget* createControlWidget(const ControlLayout& layout, QWidget* parent);

// Multi-line boxes keep "\n" between lines; the viewer's texts use "\r\n".
QString fromViewerText(std::string_view text, bool multiLine);
std::string toViewerText(const QString& text, bool multiLine);

}  // namespace vexolite::qt
