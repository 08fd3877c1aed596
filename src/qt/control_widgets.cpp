// Builds the widget of one control from its entry in the window's layout table.
// SPDX-License-Identifier: MIT
#include "qt/control_widgets.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include "layout/caption_colours.h"
#include "qt/caption_button.h"
#include "qt/indicator_box.h"
#include "qt/surface_view.h"

namespace vexolite::qt {
namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption, tool tip or help text of the layout table in the chosen language: the table marks
// them for lupdate, the translator installed at start supplies them; without one they stay Spanish.
QString translatedText(std::string_view text) {
  if (text.empty()) return {};
  const std::string source(text);
  return QCoreApplication::translate("vexolite", source.c_str());
}

QColor colorOf(const Rgb& rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

QWidget* createByKind(const ControlLayout& layout, QWidget* parent) {
  QString text = translatedText(layout.text);
  if (layout.kind == ControlKind::MultiLineTextBox) text.replace(QStringLiteral("\r\n"), "\n");
  switch (layout.kind) {
    case ControlKind::PictureBox:
      return new SurfaceView(parent);
    case ControlKind::Button: {
      auto* button = new CaptionButton(text, parent);
      button->setAutoDefault(false);  // Enter belongs to the key table, not to the button
      return button;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(text, parent);
      option->setChecked(layout.checkedAtStart);
      return option;
    }
    case ControlKind::CheckBox: {
      // An indicator: the viewer sets it, the user can neither click nor focus it, but the
      // mouse resting on it raises its tool tip.
      auto* box = new IndicatorBox(text, parent);
      box->setChecked(layout.checkedAtStart);
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::TextBox:
      return new QLineEdit(text, parent);
    case ControlKind::MultiLineTextBox: {
      auto* box = new QPlainTextEdit(text, parent);
      box->setReadOnly(true);
      box->setLineWrapMode(QPlainTextEdit::NoWrap);
      return box;
    }
    case ControlKind::Frame:
      return new QGroupBox(parent);
    case ControlKind::RichTextBox: {
      auto* box = new QTextEdit(parent);
      box->setPlainText(text);
      return box;
    }
    case ControlKind::Window:
      break;
  }
  return nullptr;
}

// The help is read while a message box holds the window, so it cannot be scrolled then: from its
// stated size the font shrinks by quarter points until every line fits the box.
void fitLinesToHeight(QPlainTextEdit* box) {
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int lines = box->document()->blockCount();
  const int room = box->height() - 2 * box->frameWidth() -
                   2 * static_cast<int>(box->document()->documentMargin());
  QFont font = box->font();
  while (font.pointSizeF() > 6 && QFontMetrics(font).lineSpacing() * lines > room) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  box->setFont(font);
}

}  // namespace

QFont fontFor(const FontSpec& wanted) {
  QFont font;
  // Qt settles a family it does not know through fontconfig's own default (a proportional sans)
  // and never tries the next family of a list, so the fallback replaces a missing family here.
  // "Courier New" itself is only an alias (of Liberation Mono), unknown to the font database
  // but resolved when asked for alone.
  const QString family = fromUtf8(wanted.family);
  if (wanted.fallbackFamily.empty() || QFontDatabase::hasFamily(family)) {
    font.setFamily(family);
  } else {
    font.setFamily(fromUtf8(wanted.fallbackFamily));
  }
  font.setPointSizeF(wanted.pointSize);  // the int constructor would drop the .25
  font.setBold(wanted.bold);
  return font;
}

QRect pixelGeometry(const ControlLayout& layout) {
  return QRect(pixelsFromTwips(layout.left), pixelsFromTwips(layout.top),
               pixelsFromTwips(layout.width), pixelsFromTwips(layout.height));
}

QWidget* createControlWidget(const ControlLayout& layout, QWidget* parent) {
  QWidget* widget = createByKind(layout, parent);
  if (widget == nullptr) return nullptr;
  widget->setObjectName(fromUtf8(layout.name));
  widget->setGeometry(pixelGeometry(layout));
  widget->setFont(fontFor(layout.font));
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) fitLinesToHeight(box);
  if (!layout.toolTip.empty()) widget->setToolTip(translatedText(layout.toolTip));
  if (layout.background || layout.foreground) {
    QPalette palette = widget->palette();
    // Buttons paint their background in the Button role, labels in Window: ask the widget.
    if (layout.background) {
      palette.setColor(widget->backgroundRole(), colorOf(*layout.background));
      widget->setAutoFillBackground(true);
    }
    if (layout.foreground) {
      palette.setColor(widget->foregroundRole(), colorOf(*layout.foreground));
    } else if (layout.kind == ControlKind::OptionButton && layout.background) {
      // A piece option's caption, in both states legible on its piece's colour.
      const CaptionColours caption = captionColoursOn(*layout.background);
      palette.setColor(widget->foregroundRole(), colorOf(caption.enabled));
      palette.setColor(QPalette::Disabled, widget->foregroundRole(), colorOf(caption.disabled));
    }
    widget->setPalette(palette);
  }
  widget->setFocusPolicy(layout.tabIndex >= 0 ? Qt::StrongFocus : Qt::NoFocus);
  widget->setEnabled(layout.enabledAtStart);
  widget->setHidden(!layout.visibleAtStart);
  return widget;
}

QString fromViewerText(std::string_view text, bool multiLine) {
  QString q = fromUtf8(text);
  if (multiLine) q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return q;
}

std::string toViewerText(const QString& text, bool multiLine) {
  if (!multiLine) return text.toStdString();
  QString crlf = text;
  crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return crlf.toStdString();
}

}  // namespace vexolite::qt
