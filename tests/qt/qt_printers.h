// Lets GoogleTest print Qt's strings as text in failure messages.
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{';
  for (const QString& text : texts)
    *out << " \"" << text.toStdString() << '"';
  *out << " }";
}
