#pragma once

#include <exception>
#include <string_view>

namespace calc {

// The four run-time errors a key can raise. A key that raises one stops at that
// step; whatever it stored before stays stored.
enum class ErrorKind {
    InvalidArgument,
    Overflow,
    DivisionByZero,
    TypeMismatch,
};

// The text the user is shown for an error.
std::u16string_view errorMessage(ErrorKind kind) noexcept;

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorKind kind) noexcept
        : kind_(kind)
    {
    }
    ErrorKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    ErrorKind kind_;
};

} // namespace calc
