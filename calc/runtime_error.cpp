#include "runtime_error.h"

namespace calc {

std::u16string_view errorMessage(ErrorKind kind) noexcept
{
    switch (kind) {
    case ErrorKind::InvalidArgument:
        return u"Invalid procedure call or argument";
    case ErrorKind::Overflow:
        return u"Overflow";
    case ErrorKind::DivisionByZero:
        return u"Division by zero";
    case ErrorKind::TypeMismatch:
        return u"Type mismatch";
    }
    return u"Unknown error";
}

const char* RuntimeError::what() const noexcept
{
    switch (kind_) {
    case ErrorKind::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    }
    return "Unknown error";
}

} // namespace calc
