#pragma once
// The outcome of a file or settings operation: a value or a FileError (Result<T>), or
// only success or a FileError (Status). Every reader and writer of the persistent files
// reports its failures this way, so the meaning of a returned value never depends on
// the function: an error is always a FileError.

#include <cassert>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace tavik::files {

// What went wrong, as a text for the player or the command line.
struct FileError {
    std::string message;
    bool operator==(const FileError&) const = default;
};

// A value of type T, or the FileError that kept it from being produced.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    bool has_value() const { return ok(); }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T& value() & { return checked(); }
    const T& value() const& { return checked(); }
    T&& value() && { return std::move(checked()); }
    T& operator*() & { return checked(); }
    const T& operator*() const& { return checked(); }
    T&& operator*() && { return std::move(checked()); }
    T* operator->() { return &checked(); }
    const T* operator->() const { return &checked(); }
    // The value, or `fallback` after an error.
    template <class U>
    T value_or(U&& fallback) const& {
        return ok() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
    }
    // The value as an optional, for code that only asks whether there is one.
    std::optional<T> optional() const& {
        return ok() ? std::optional<T>(std::get<0>(state_)) : std::nullopt;
    }

    // The error; only when !ok().
    const FileError& error() const {
        assert(!ok());
        return std::get<1>(state_);
    }

    bool operator==(const Result&) const = default;
    // Equal to a value when it holds an equal one, as std::optional compares.
    template <class U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Result>) friend bool operator==(
        const Result& result, const U& value) {
        return result.ok() && *result == value;
    }

  private:
    T& checked() {
        assert(ok());
        return std::get<0>(state_);
    }
    const T& checked() const {
        assert(ok());
        return std::get<0>(state_);
    }

    std::variant<T, FileError> state_;
};

// Success, or the FileError of an operation that produces no value. It does not
// convert to bool on purpose: ask ok() so that success is never read as an error.
class [[nodiscard]] Status {
  public:
    Status() = default;  // success
    Status(FileError error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    // The error; only when !ok().
    const FileError& error() const {
        assert(!ok());
        return *error_;
    }

    bool operator==(const Status&) const = default;

  private:
    std::optional<FileError> error_;
};

}  // namespace tavik::files
