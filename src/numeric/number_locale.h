#pragma once
// The user's way of writing numbers, handed in by the caller: nothing in
// numeric/ reads the system's locale itself, so every rule can be tested under
// any locale.

#include <string>

namespace numeric {

struct NumberLocale {
    // UTF-8; usually "." or ",".
    std::string decimal = ".";

    // Digit grouping is never accepted by the strict conversion and never
    // written, so "4,030" under a "." locale is a mistake, not 4030; the group
    // separator is kept only so the caller can hand over the whole format.
    std::string group = ",";

    static NumberLocale invariant() { return {}; }
    friend bool operator==(const NumberLocale&, const NumberLocale&) = default;
};

} // namespace numeric
