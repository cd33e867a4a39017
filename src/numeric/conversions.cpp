#include "numeric/conversions.h"

#include "numeric/runtime_error.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace numeric {

namespace {

// Exponents are only counted up to here: anything this large is out of the
// range of a double already, and the cap keeps the sums below from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// A number as read from text: value = digits (with the point after intCount of
// them) times ten to the exponent. Both readers fill one in, then convert it.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    std::size_t intCount = 0;
    std::int64_t exponent = 0;
};

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

void addExponentDigit(std::int64_t& exponent, int c)
{
    if (exponent < kExponentCap) {
        exponent = exponent * 10 + (c - '0');
    }
}

double signedZero(bool negative)
{
    return negative ? -0.0 : 0.0;
}

// Correctly rounded and independent of the process locale, which the window
// toolkit sets from the environment.
double toDouble(const DecimalNumber& number)
{
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return signedZero(number.negative);
    }
    const std::size_t last = number.digits.find_last_not_of('0');
    const std::string_view significant = std::string_view(number.digits).substr(first, last - first + 1);

    // The value is 0.<significant> times ten to this power.
    const std::int64_t magnitude =
        static_cast<std::int64_t>(number.intCount) - static_cast<std::int64_t>(first) + number.exponent;
    if (magnitude > 400) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    if (magnitude < -400) {
        return signedZero(number.negative);
    }

    std::string text(significant);
    text += 'e';
    text += std::to_string(magnitude - static_cast<std::int64_t>(significant.size()));
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports a result rounded to zero the same way as one
        // too large; only the second is a failure.
        if (magnitude > 0) {
            throw RuntimeError(ErrorKind::Overflow);
        }
        return signedZero(number.negative);
    }
    return number.negative ? -value : value;
}

bool isLenientBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Reads text one character at a time, stepping over blanks wherever they
// stand, since the lenient reading ignores them even between digits.
class LenientCursor {
public:
    explicit LenientCursor(std::string_view text) : text_(text) {}

    // Consumes and returns the next non-blank character (as an unsigned byte)
    // when it passes the test; -1 when it does not or the text has ended.
    int takeIf(bool (*test)(int))
    {
        while (pos_ < text_.size() && isLenientBlank(byteAt(pos_))) {
            ++pos_;
        }
        if (pos_ == text_.size() || !test(byteAt(pos_))) {
            return -1;
        }
        return byteAt(pos_++);
    }

    // Consumes the next non-blank characters when they spell word.
    bool takeWord(std::string_view word)
    {
        while (pos_ < text_.size() && isLenientBlank(byteAt(pos_))) {
            ++pos_;
        }
        if (word.empty() || !text_.substr(pos_).starts_with(word)) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

private:
    int byteAt(std::size_t i) const { return static_cast<unsigned char>(text_[i]); }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isSign(int c)
{
    return c == '+' || c == '-';
}
bool isPoint(int c)
{
    return c == '.';
}
bool isExponentLetter(int c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool isAmpersand(int c)
{
    return c == '&';
}
bool isHexLetter(int c)
{
    return c == 'h' || c == 'H';
}
bool isOctalLetter(int c)
{
    return c == 'o' || c == 'O';
}
bool isOctalDigit(int c)
{
    return c >= '0' && c <= '7';
}
bool isHexDigit(int c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Octal digits rewritten as hexadecimal ones, three bits at a time, so both
// radixes share one exactly rounded conversion.
std::string octalAsHex(std::string_view octal)
{
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string reversed;
    unsigned bits = 0;
    int bitCount = 0;
    for (auto it = octal.rbegin(); it != octal.rend(); ++it) {
        bits |= static_cast<unsigned>(*it - '0') << bitCount;
        bitCount += 3;
        while (bitCount >= 4) {
            reversed += kHexDigits[bits & 0xFu];
            bits >>= 4;
            bitCount -= 4;
        }
    }
    if (bitCount > 0) {
        reversed += kHexDigits[bits];
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

// "&H" and "&O" numbers are plain non-negative values; the '&' is already read.
double readRadixNumber(LenientCursor& cursor)
{
    const bool hex = cursor.takeIf(isHexLetter) >= 0;
    if (!hex && cursor.takeIf(isOctalLetter) < 0) {
        return 0.0;
    }
    std::string digits;
    for (int c; (c = cursor.takeIf(hex ? isHexDigit : isOctalDigit)) >= 0;) {
        digits += static_cast<char>(c);
    }
    if (!hex) {
        digits = octalAsHex(digits);
    }
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range) {
        throw RuntimeError(ErrorKind::Overflow); // a whole number cannot underflow
    }
    return value;
}

// Reads digits with at most one decimal point; false when there is no digit.
template <typename TakeDigit, typename TakePoint>
bool readMantissa(DecimalNumber& number, TakeDigit takeDigit, TakePoint takePoint)
{
    std::optional<std::size_t> point;
    for (;;) {
        if (const int c = takeDigit(); c >= 0) {
            number.digits += static_cast<char>(c);
        } else if (!point && takePoint()) {
            point = number.digits.size();
        } else {
            break;
        }
    }
    number.intCount = point.value_or(number.digits.size());
    return !number.digits.empty();
}

// Reads the digits of an exponent after its letter; false when there are none.
template <typename TakeDigit> bool readExponent(std::int64_t& exponent, bool negative, TakeDigit takeDigit)
{
    std::int64_t magnitude = 0;
    bool any = false;
    for (int c; (c = takeDigit()) >= 0;) {
        addExponentDigit(magnitude, c);
        any = true;
    }
    exponent = negative ? -magnitude : magnitude;
    return any;
}

} // namespace

double parseLenient(std::string_view text, const NumberLocale& locale)
{
    LenientCursor cursor(text);
    if (cursor.takeIf(isAmpersand) >= 0) {
        return readRadixNumber(cursor);
    }

    DecimalNumber number;
    number.negative = cursor.takeIf(isSign) == '-';
    const auto takeDigit = [&] { return cursor.takeIf(isDigit); };
    // People type the decimal separator they write by hand; "." is also taken
    // everywhere, since it is what calculators and data sheets show.
    const std::string_view localPoint = locale.decimal == "." ? std::string_view() : std::string_view(locale.decimal);
    const auto takePoint = [&] { return cursor.takeIf(isPoint) >= 0 || cursor.takeWord(localPoint); };
    if (!readMantissa(number, takeDigit, takePoint)) {
        return 0.0; // no leading number at all
    }

    // An exponent letter without digits after it is simply not part of the number.
    if (cursor.takeIf(isExponentLetter) >= 0) {
        const bool negative = cursor.takeIf(isSign) == '-';
        std::int64_t exponent = 0;
        if (readExponent(exponent, negative, takeDigit)) {
            number.exponent = exponent;
        }
    }
    return toDouble(number);
}

double parseStrict(std::string_view text, const NumberLocale& locale)
{
    const auto mismatch = [] { return RuntimeError(ErrorKind::TypeMismatch); };
    constexpr std::string_view kBlanks = " \t";
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        throw mismatch();
    }
    text = text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);

    std::size_t pos = 0;
    const auto takeIf = [&](bool (*test)(int)) {
        if (pos == text.size() || !test(static_cast<unsigned char>(text[pos]))) {
            return -1;
        }
        return static_cast<int>(static_cast<unsigned char>(text[pos++]));
    };

    DecimalNumber number;
    number.negative = takeIf(isSign) == '-';
    const auto takePoint = [&] {
        if (locale.decimal.empty() || !text.substr(pos).starts_with(locale.decimal)) {
            return false;
        }
        pos += locale.decimal.size();
        return true;
    };
    if (!readMantissa(
            number, [&] { return takeIf(isDigit); }, takePoint)) {
        throw mismatch();
    }

    if (takeIf([](int c) { return c == 'e' || c == 'E'; }) >= 0) {
        const bool negative = takeIf(isSign) == '-';
        if (!readExponent(number.exponent, negative, [&] { return takeIf(isDigit); })) {
            throw mismatch();
        }
    }
    if (pos != text.size()) {
        throw mismatch();
    }
    return toDouble(number);
}

} // namespace numeric
