#include "form/figures.h"

#include "numeric/conversions.h"

#include <algorithm>

namespace form {

using namespace numeric;

namespace {

// A field may hold a whole pasted page; the message quotes enough to find it.
constexpr std::size_t kLongestQuote = 30;

std::string quoted(const std::string& text)
{
    // Appended, not added: GCC 12 at -O3 takes "'" + a string for an
    // overlapping copy and, with warnings as errors, stops the build.
    std::string quote = "'";
    if (text.size() <= kLongestQuote) return quote.append(text).append("'");
    // Cut before a UTF-8 continuation byte, never inside a character.
    std::size_t cut = kLongestQuote;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return quote.append(text, 0, cut).append("...'");
}

// The text with its "." written as the locale writes decimals, when that
// makes it a number the locale reads: the figure the user meant.
std::string asLocaleWritesIt(const std::string& text, const NumberLocale& locale)
{
    if (locale.decimal == "." || text.find('.') == std::string::npos) return {};
    std::string rewritten;
    for (const char c : text) {
        if (c == '.')
            rewritten += locale.decimal;
        else
            rewritten += c;
    }
    try {
        parseStrict(rewritten, locale);
    } catch (const RuntimeError&) {
        return {};
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    rewritten.erase(rewritten.begin(), std::find_if_not(rewritten.begin(), rewritten.end(), blank));
    rewritten.erase(std::find_if_not(rewritten.rbegin(), rewritten.rend(), blank).base(), rewritten.end());
    return rewritten;
}

}  // namespace

RuntimeError unreadableFigure(ErrorKind kind, Field field, const std::string& text, const NumberLocale& locale)
{
    std::string detail = quoted(text);
    if (kind == ErrorKind::Overflow) {
        detail += " is too large a number.";
    } else {
        detail += " is not a number";
        if (const std::string meant = asLocaleWritesIt(text, locale); !meant.empty()) {
            const std::string separator = locale.decimal == "," ? "a comma" : "\"" + locale.decimal + "\"";
            detail += "; write decimals with " + separator + ": " + meant;
        }
        detail += ".";
    }
    return RuntimeError(kind, detail, std::string(nameOf(field)));
}

double leadingNumber(const FormView& view, Field field, const NumberLocale& locale)
{
    return readFigure(view, field, locale, [&](const std::string& text) { return parseLenient(text, locale); });
}

double wholeNumber(const FormView& view, Field field, const NumberLocale& locale)
{
    return readFigure(view, field, locale, [&](const std::string& text) { return parseStrict(text, locale); });
}

}  // namespace form
