#include "numeric/runtime_error.h"

namespace numeric {

namespace {

std::string whatText(ErrorKind kind, const Message& detail)
{
    std::string text = describe(kind).source;
    if (!detail.empty()) text.append(": ").append(english(detail));
    return text;
}

}  // namespace

Text describe(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return USER_TEXT("numeric", "Type mismatch");
    case ErrorKind::Overflow:
        return USER_TEXT("numeric", "Overflow");
    case ErrorKind::DivisionByZero:
        return USER_TEXT("numeric", "Division by zero");
    case ErrorKind::PrinterError:
        return USER_TEXT("numeric", "Printer error");
    case ErrorKind::OutOfMemory:
        return USER_TEXT("numeric", "Out of memory");
    case ErrorKind::Unexpected:
        return USER_TEXT("numeric", "Unexpected error");
    }
    // only reachable with a value cast from outside the enum
    return USER_TEXT("numeric", "Unknown error");
}

RuntimeError::RuntimeError(ErrorKind kind, Message detail, std::string field)
    : std::runtime_error(whatText(kind, detail)), kind_(kind), detail_(std::move(detail)), field_(std::move(field))
{
}

}  // namespace numeric
