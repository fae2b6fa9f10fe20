#pragma once
// Expected failures travel as values: a Result holds either a value or the
// message (in Portuguese, ready to show) that explains why there is none.

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace tavelao {

struct Error {
  std::string message;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  T& value() & {
    assert(ok());
    return std::get<T>(state_);
  }
  const T& value() const& {
    assert(ok());
    return std::get<T>(state_);
  }
  T&& value() && {
    assert(ok());
    return std::get<T>(std::move(state_));
  }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }

  const std::string& error() const {
    assert(!ok());
    return std::get<Error>(state_).message;
  }
  Error take_error() && { return std::get<Error>(std::move(state_)); }

 private:
  std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error.message)), failed_(true) {}

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const {
    assert(failed_);
    return error_;
  }
  Error take_error() && { return Error{std::move(error_)}; }

 private:
  std::string error_;
  bool failed_ = false;
};

using Status = Result<void>;

inline Error Fail(std::string message) { return Error{std::move(message)}; }

}  // namespace tavelao
