#pragma once
// The error of the number rules. Conversions and checked arithmetic raise
// it; the window catches it where an event enters and names its kind to the
// user.

#include "message/message.h"

#include <stdexcept>
#include <string>

namespace numeric {

enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero };

// The words the user sees for a kind: "Type mismatch", "Overflow", ...
message::Text describe(ErrorKind kind);

class RuntimeError : public std::runtime_error {
public:
    // detail says in plain words what went wrong; field names the control
    // whose text could not be read, when that is where it went wrong.
    explicit RuntimeError(ErrorKind kind, message::Message detail = {}, std::string field = {});
    ErrorKind kind() const noexcept { return kind_; }
    const message::Message& message() const noexcept { return detail_; }
    // The detail in English.
    std::string detail() const { return english(detail_); }
    const std::string& field() const noexcept { return field_; }

private:
    ErrorKind kind_;
    message::Message detail_;
    std::string field_;
};

} // namespace numeric
