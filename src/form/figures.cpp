#include "form/figures.h"

#include "numeric/conversions.h"

#include <algorithm>

namespace form {

using namespace numeric;
using message::Message;
using message::Text;

namespace {

// A field may hold a whole pasted page; the message quotes enough to find it.
constexpr std::size_t kLongestQuote = 30;

std::string shortened(const std::string& text)
{
    if (text.size() <= kLongestQuote) return text;
    // Cut before a UTF-8 continuation byte, never inside a character.
    std::size_t cut = kLongestQuote;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut).append("...");
}

} // namespace

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

Message unreadable(ErrorKind kind, const std::string& text, const NumberLocale& locale)
{
    Message detail;
    if (kind == ErrorKind::Overflow) {
        detail = {USER_TEXT("form", "'%1' is too large a number."), {shortened(text)}};
    } else if (const std::string meant = asLocaleWritesIt(text, locale); meant.empty()) {
        detail = {USER_TEXT("form", "'%1' is not a number."), {shortened(text)}};
    } else if (locale.decimal == ",") {
        detail = {USER_TEXT("form", "'%1' is not a number; write decimals with a comma: %2."),
                  {shortened(text), meant}};
    } else {
        detail = {USER_TEXT("form", "'%1' is not a number; write decimals with \"%2\": %3."),
                  {shortened(text), locale.decimal, meant}};
    }
    return detail;
}

RuntimeError unreadableFigure(ErrorKind kind, Field field, const std::string& text, const NumberLocale& locale)
{
    return RuntimeError(kind, unreadable(kind, text, locale), std::string(nameOf(field)));
}

double leadingNumber(const FormView& view, Field field, const NumberLocale& locale)
{
    return readFigure(view, field, locale, [&](const std::string& text) { return parseLenient(text, locale); });
}

double wholeNumber(const FormView& view, Field field, const NumberLocale& locale)
{
    return readFigure(view, field, locale, [&](const std::string& text) { return parseStrict(text, locale); });
}

} // namespace form
