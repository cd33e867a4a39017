#include "numeric/runtime_error.h"

namespace numeric {

namespace {

std::string message(ErrorKind kind, const std::string& detail)
{
    std::string text(describe(kind));
    if (!detail.empty()) {
        text += ": ";
        text += detail;
    }
    return text;
}

}  // namespace

std::string_view describe(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::PrinterError:
        return "Printer error";
    case ErrorKind::OutOfMemory:
        return "Out of memory";
    case ErrorKind::Unexpected:
        return "Unexpected error";
    }
    return "Unknown error";  // only reachable with a value cast from outside the enum
}

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail, const std::string& field)
    : std::runtime_error(message(kind, detail)), kind_(kind), detail_(detail), field_(field)
{
}

}  // namespace numeric
