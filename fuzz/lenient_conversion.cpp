// Lenient conversion reads whatever the user typed, so no bytes at all may
// make it fail other than with Overflow, nor return something that is not a
// number. Any other exception escapes and stops the fuzzer.

#include "fuzz/fuzz_check.h"
#include "numeric/conversions.h"
#include "numeric/runtime_error.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = numeric::parseLenient(text);
        fuzzing::require(std::isfinite(value), "parseLenient gave " + fuzzing::show(value));
    } catch (const numeric::RuntimeError& error) {
        fuzzing::require(error.kind() == numeric::ErrorKind::Overflow,
                         "parseLenient raised " + std::string(error.what()));
    }
    return 0;
}
