// Number text of any finite double, read back with the lenient conversion
// under the same locale, is the double rounded to 15 significant digits; the
// one exception is the very top of the range, where that rounding goes past
// the largest double.

#include "numeric/number_text.h"
#include "fuzz/fuzz_check.h"
#include "numeric/conversions.h"
#include "numeric/runtime_error.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double value = fuzzing::doubleFrom(data, size);
    if (!std::isfinite(value)) {
        return 0;
    }
    const auto expected = fuzzing::roundedTo15Digits(value);
    if (!expected) {
        return 0;
    }
    for (const auto& locale : {fuzzing::kPoint, fuzzing::kComma}) {
        const std::string shown = numeric::numberText(value, locale);
        const std::string what = fuzzing::show(value) + " shown as " + fuzzing::quoted(shown);
        try {
            const double again = numeric::parseLenient(shown, locale);
            fuzzing::require(again == *expected,
                             what + " reads back as " + fuzzing::show(again) + ", not " + fuzzing::show(*expected));
        } catch (const numeric::RuntimeError& error) {
            fuzzing::fail(what + " is refused: " + error.what());
        }
    }
    return 0;
}
