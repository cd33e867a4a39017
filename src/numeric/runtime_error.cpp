#include "numeric/runtime_error.h"

namespace numeric {

using message::Message;
using message::Text;

namespace {

std::string whatText(ErrorKind kind, const Message& detail)
{
    std::string text = describe(kind).source;
    if (!detail.empty()) text.append(": ").append(english(detail));
    return text;
}

} // namespace

Text describe(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return USER_TEXT("numeric", "Type mismatch");
    case ErrorKind::Overflow:
        return USER_TEXT("numeric", "Overflow");
    case ErrorKind::DivisionByZero:
        return USER_TEXT("numeric", "Division by zero");
    }
    // only reachable with a value cast from outside the enum
    return USER_TEXT("numeric", "Unknown error");
}

RuntimeError::RuntimeError(ErrorKind kind, Message detail, std::string field)
    : std::runtime_error(whatText(kind, detail)), kind_(kind), detail_(std::move(detail)), field_(std::move(field))
{
}

} // namespace numeric
