// Strict conversion under both the point and the comma locale: it fails only
// with TypeMismatch or Overflow, and a number it accepts, once shown as number
// text, reads back as that number rounded to the 15 digits shown.

#include "fuzz/fuzz_check.h"
#include "numeric/conversions.h"
#include "numeric/number_text.h"
#include "numeric/runtime_error.h"

#include <cmath>

namespace {

void checkUnder(std::string_view text, const numeric::NumberLocale& locale)
{
    using numeric::ErrorKind;
    const std::string context = " under " + fuzzing::quoted(locale.decimal);

    double value = 0.0;
    try {
        value = numeric::parseStrict(text, locale);
    } catch (const numeric::RuntimeError& error) {
        fuzzing::require(error.kind() == ErrorKind::TypeMismatch || error.kind() == ErrorKind::Overflow,
                         "parseStrict raised " + std::string(error.what()) + context);
        return;
    }
    fuzzing::require(std::isfinite(value), "parseStrict gave " + fuzzing::show(value) + context);

    const std::string shown = numeric::numberText(value, locale);
    const auto expected = fuzzing::roundedTo15Digits(value);
    const std::string what = fuzzing::show(value) + " shown as " + fuzzing::quoted(shown) + context;
    try {
        const double again = numeric::parseStrict(shown, locale);
        fuzzing::require(expected.has_value(), what + " was read back although it is beyond the range");
        fuzzing::require(again == *expected,
                         what + " reads back as " + fuzzing::show(again) + ", not " + fuzzing::show(*expected));
    } catch (const numeric::RuntimeError& error) {
        // Only a number rounded up past the largest double may fail to come back.
        fuzzing::require(!expected && error.kind() == ErrorKind::Overflow, what + " is refused: " + error.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkUnder(text, fuzzing::kPoint);
    checkUnder(text, fuzzing::kComma);
    return 0;
}
