#pragma once
// Reading the figure a field holds, and saying in plain words what went wrong
// when a figure cannot be read or the arithmetic on it fails: the user sees
// which field to correct, or which step of the sums gave out.

#include "form/form_view.h"
#include "numeric/number_locale.h"
#include "numeric/runtime_error.h"

#include <string>

namespace form {

inline constexpr message::Text kFiguresTooLarge = USER_TEXT("form", "The figures are too large to compute with.");
inline constexpr message::Text kNoClearance =
    USER_TEXT("form", "The clearance volume comes to 0, so there is no ratio.");
inline constexpr message::Text kRatioTooLarge = USER_TEXT("form", "The ratio is too large to show.");

// What is wrong with text that could not be read as a figure, quoting it:
// "'4.03x' is not a number." Under a locale that writes decimals with another
// separator, a figure written with "." also says how to write it.
message::Message unreadable(numeric::ErrorKind kind, const std::string& text, const numeric::NumberLocale& locale);

// The same as the error for a field whose text could not be read.
numeric::RuntimeError unreadableFigure(numeric::ErrorKind kind, Field field, const std::string& text,
                                       const numeric::NumberLocale& locale);

// The figure the user meant by text written with "." where the locale writes
// decimals with another separator ("4,03" for "4.03"); empty for any other text.
std::string asLocaleWritesIt(const std::string& text, const numeric::NumberLocale& locale);

// A field's figure as convert makes it of the field's text; when convert
// fails, the error names the field.
template <typename Convert>
double readFigure(const FormView& view, Field field, const numeric::NumberLocale& locale, Convert convert)
{
    const std::string text = view.text(field);
    try {
        return convert(text);
    } catch (const numeric::RuntimeError& error) {
        throw unreadableFigure(error.kind(), field, text, locale);
    }
}

// The leading number of a field's text, or 0 (the lenient conversion).
double leadingNumber(const FormView& view, Field field, const numeric::NumberLocale& locale);

// A field's text as one number in the user's locale, nothing else (the strict
// conversion): what lengths must be.
double wholeNumber(const FormView& view, Field field, const numeric::NumberLocale& locale);

// Runs steps of arithmetic; an error that does not yet say what went wrong
// is told as what.
template <typename Steps> auto computing(message::Text what, Steps steps) -> decltype(steps())
{
    try {
        return steps();
    } catch (const numeric::RuntimeError& error) {
        if (!error.field().empty() || !error.message().empty()) throw;
        throw numeric::RuntimeError(error.kind(), what);
    }
}

} // namespace form
