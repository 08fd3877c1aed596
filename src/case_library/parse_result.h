// The outcome of reading data from a file: a value, or an error naming the byte offset and reason.
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

template <class T>
class ParseResult {
 public:
  ParseResult(T value) : content_(std::move(value)) {}          // NOLINT: implicit by design
  ParseResult(DataError error) : content_(std::move(error)) {}  // NOLINT: implicit by design

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
  const DataError& error() const {
    assert(!ok());
    return std::get<DataError>(content_);
  }

 private:
  std::variant<T, DataError> content_;
};

}  // namespace vexolite
