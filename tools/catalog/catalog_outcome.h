// The outcome of a catalogue-tool step: a value, or an error message ready to print.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace vexolite::catalog {

// A complete English message that names where the problem is (file and line, or file and record)
// and what was wrong.
struct CatalogError {
  std::string message;
};

template <class T>
class Outcome {
 public:
  Outcome(T value) : content_(std::move(value)) {}             // NOLINT: implicit by design
  Outcome(CatalogError error) : content_(std::move(error)) {}  // NOLINT: implicit by design

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
  const std::string& message() const {
    assert(!ok());
    return std::get<CatalogError>(content_).message;
  }

 private:
  std::variant<T, CatalogError> content_;
};

}  // namespace vexolite::catalog
