// The outcome of a step that can fail on its input: a value, or an error that says what is wrong.
// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <cstddef>
#include <utility>
#include <variant>

namespace vexolite {

// What puts a record outside the data model. The record code words none of it: each front end
// says it in its own language, from the kind and the numbers the fault carries.
enum class RecordFaultKind {
  HighByteTooLarge,   // a field's high byte is 128 or more; value: that byte
  CaseValueTooLarge,  // value: the case value, above 9999
  CellGroupTooLarge,  // group: the cell group (1..75); value: its value, above 9999
  TooManyCubes,       // the figure has more than 27 cubes
  TooManyLayers,      // the figure has more than 16 layers
  TooManyRows,        // a layer has more than 16 rows
  TooManyCells,       // a row has more than 16 cells
  FigureSignInvalid,  // the figure string holds something other than 0..7, "|" and "/"
};

struct RecordFault {
  RecordFaultKind kind = RecordFaultKind::HighByteTooLarge;
  std::size_t byteOffset = 0;  // within the record
  int value = 0;
  int group = 0;
};

// A value of type T, or an error of type E. Asking for the one that is not there is our own
// fault, hence the asserts; callers test ok() first.
template <class T, class E>
class Result {
 public:
  Result(T value) : content_(std::move(value)) {}  // NOLINT: implicit by design
  Result(E error) : content_(std::move(error)) {}  // NOLINT: implicit by design

  bool ok() const { return std::holds_alternative<T>(content_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& {
    assert(ok());
    return std::get<T>(content_);
  }
  T&& value() && {
    assert(ok());
    return std::get<T>(std::move(content_));
  }
  const E& error() const {
    assert(!ok());
    return std::get<E>(content_);
  }

 private:
  std::variant<T, E> content_;
};

// Reading a record: the fault names its kind and the byte of the record.
template <class T>
using ParseResult = Result<T, RecordFault>;

}  // namespace vexolite
