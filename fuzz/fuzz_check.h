#pragma once
// What the fuzz targets share. A broken property aborts with a message, so
// libFuzzer keeps the input that broke it as a crash file.

#include "numeric/number_locale.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace fuzzing {

inline const numeric::NumberLocale kPoint{".", ","};
inline const numeric::NumberLocale kComma{",", "."};

[[noreturn]] inline void fail(const std::string& what)
{
    std::fprintf(stderr, "\n*** property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, const std::string& what)
{
    if (!holds) {
        fail(what);
    }
}

// Every bit shown, so the message alone reproduces the value.
inline std::string show(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", value, value);
    return buffer;
}

inline std::string quoted(std::string_view text)
{
    return '"' + std::string(text) + '"';
}

// The first eight bytes as the bits of a double, short input padded with
// zero bytes, so every double, NaNs and infinities included, can come up.
inline double doubleFrom(const std::uint8_t* data, std::size_t size)
{
    std::array<unsigned char, sizeof(double)> bytes{};
    if (size > 0) {
        std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
    }
    return std::bit_cast<double>(bytes);
}

// The value rounded to the 15 significant digits that number text shows,
// worked out by the standard library alone; nothing when that rounding
// carries it past the largest double.
inline std::optional<double> roundedTo15Digits(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = 0.0;
    if (std::from_chars(buffer, written.ptr, rounded).ec != std::errc{}) {
        return std::nullopt;
    }
    return rounded;
}

} // namespace fuzzing
