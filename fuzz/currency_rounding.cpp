// Rounding a double to the four-decimal currency value: it either overflows
// or gives ticks, and the currency's own text, read back strictly and rounded
// again, is the same currency value. The read-back holds while a double still
// tells every ten-thousandth apart, below 2^51 ticks.

#include "fuzz/fuzz_check.h"
#include "numeric/conversions.h"
#include "numeric/currency.h"
#include "numeric/runtime_error.h"

#include <cmath>
#include <cstdlib>

namespace {

// Comfortably inside the range of 2^63 ticks, whatever the rounding.
constexpr double kSurelyInRange = 9.2e14;
constexpr std::int64_t kDistinctTicks = std::int64_t{1} << 51;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using numeric::Currency;
    const double value = fuzzing::doubleFrom(data, size);

    Currency currency;
    try {
        currency = Currency::fromDouble(value);
    } catch (const numeric::RuntimeError& error) {
        fuzzing::require(error.kind() == numeric::ErrorKind::Overflow,
                         "fromDouble(" + fuzzing::show(value) + ") raised " + error.what());
        fuzzing::require(!std::isfinite(value) || std::fabs(value) >= kSurelyInRange,
                         "fromDouble(" + fuzzing::show(value) + ") overflowed");
        return 0;
    }
    fuzzing::require(std::isfinite(value), "fromDouble(" + fuzzing::show(value) + ") gave a value");
    if (currency.ticks() <= -kDistinctTicks || currency.ticks() >= kDistinctTicks) {
        return 0;
    }

    for (const auto* locale : {&fuzzing::kPoint, &fuzzing::kComma}) {
        const std::string text = currency.text(*locale);
        const std::string what = fuzzing::show(value) + " as currency " + std::to_string(currency.ticks()) +
                                 " ticks, text " + fuzzing::quoted(text);
        try {
            const Currency again = Currency::fromDouble(numeric::parseStrict(text, *locale));
            fuzzing::require(again == currency, what + " reads back as " + std::to_string(again.ticks()));
        } catch (const numeric::RuntimeError& error) {
            fuzzing::fail(what + " is refused: " + error.what());
        }
    }
    return 0;
}
