// Lenient conversion reads whatever the user typed, so no bytes at all may
// make it fail other than with Overflow, nor return something that is not a
// number. Under a comma locale a comma is the decimal point as much as "."
// is: a text reads the same with its first "," written as ".". Any other
// exception escapes and stops the fuzzer.

#include "fuzz/fuzz_check.h"
#include "numeric/conversions.h"
#include "numeric/runtime_error.h"

#include <cmath>
#include <optional>

namespace {

// The value, or nothing when the conversion overflowed.
std::optional<double> lenient(std::string_view text, const numeric::NumberLocale& locale)
{
    try {
        const double value = numeric::parseLenient(text, locale);
        fuzzing::require(std::isfinite(value), "parseLenient gave " + fuzzing::show(value));
        return value;
    } catch (const numeric::RuntimeError& error) {
        fuzzing::require(error.kind() == numeric::ErrorKind::Overflow,
                         "parseLenient raised " + std::string(error.what()));
        return std::nullopt;
    }
}

bool sameValue(std::optional<double> a, std::optional<double> b)
{
    // Zero's sign is not compared: both readings give "0" on the window.
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    lenient(text, fuzzing::kPoint);
    const std::optional<double> withComma = lenient(text, fuzzing::kComma);
    if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
        std::string withPoint(text);
        withPoint[comma] = '.';
        fuzzing::require(sameValue(withComma, lenient(withPoint, fuzzing::kComma)),
                         fuzzing::quoted(text) + " reads otherwise with its first comma as a point");
    }
    return 0;
}
