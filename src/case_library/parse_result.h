// The outcome of a step that can fail on its input: a value, or an error that says what is wrong.
#pragma once

#include <cassert>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace vexolite {

// What is wrong with a piece of file data. The reason is a phrase in the program's own language
// (Spanish, without accents), ready to be put into a message after the file and record it names.
struct DataError {
  std::size_t byteOffset = 0;  // within the record or file the caller names
  std::string reason;
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

// Reading file data: the error names the byte and the reason.
template <class T>
using ParseResult = Result<T, DataError>;

}  // namespace vexolite
