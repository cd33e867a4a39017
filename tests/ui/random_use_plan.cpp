#include "random_use_plan.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <random>

namespace ui::random_use {

namespace {

// Every draw stands in a statement of its own: the order in which the
// operands of one expression are evaluated is up to the compiler.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    // The modulo bias is far below anything a test of this size could notice.
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    template <typename T, std::size_t N> const T& among(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

    QString digits(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + below(10));
        return text;
    }

private:
    std::mt19937 engine_;
};

const std::array<QString, 11> kFields = {"cyls",       "bore",      "stroke",    "chamb",  "dome",   "deck",
                                         "gasketbore", "compthick", "gasketvol", "piston", "topring"};
// What Calculate needs filled in; a user fills these far more often than the
// gasket dimensions, and a run needs many ratios that can be computed.
const std::array<QString, 8> kRatioFields = {"cyls", "bore", "stroke", "chamb", "dome", "deck", "piston", "topring"};
// Labels take no focus and the bare window has no control: clicks that must
// change nothing.
const std::array<QString, 4> kInertTargets = {"vorsil", "Label17", "Label2", ""};

const std::array<QString, 3> kLocales = {"en_US", "de_DE", "fr_FR"};

class TextMaker {
public:
    TextMaker(Dice& dice, const QString& locale)
        : dice_(dice), decimal_(QLocale(locale).decimalPoint()), otherDecimal_(decimal_ == "." ? "," : ".")
    {
    }

    // A careful user types figures that can be read, so that many ratios can
    // be computed; a careless one anything.
    void setCareful(bool careful) { careful_ = careful; }

    // Short enough to type key by key.
    QString typed(const QString& field)
    {
        last_ = careful_ ? carefulEntry(field) : anyEntry();
        return last_;
    }

    QString pasted()
    {
        const int kind = dice_.below(100);
        if (kind < 40) return tenThousand();
        if (kind < 65) return nonLatin();
        return anyEntry();
    }

private:
    QString carefulEntry(const QString& field)
    {
        // A zero deck height is common, and with a chamber as big as the
        // dome it leaves no clearance volume at all.
        if (field == "deck" && dice_.chance(30)) return QStringLiteral("0");
        const int kind = dice_.below(100);
        if (kind < 75) return number();
        if (kind < 87) return last_;
        if (kind < 94) return zero();
        return exponent();
    }

    QString anyEntry()
    {
        const int kind = dice_.below(100);
        if (kind < 52) return number();
        if (kind < 59) return exponent();
        if (kind < 63) return hexOrOctal();
        if (kind < 67) return withCommas();
        if (kind < 72) return withBlanks();
        if (kind < 78) return {};
        if (kind < 83) return junk();
        if (kind < 87) return nonLatin();
        if (kind < 95) return zero();
        return last_; // the same figure in two fields
    }

    QString number()
    {
        QString text = dice_.chance(15) ? "-" : "";
        text += QString::number(dice_.below(dice_.chance(50) ? 10 : 200));
        if (dice_.chance(60)) {
            text += dice_.chance(90) ? decimal_ : otherDecimal_;
            text += dice_.digits(1 + dice_.below(4));
        }
        return text;
    }

    QString exponent()
    {
        static const std::array<QString, 8> extremes = {"1E+400", "-1E+400", "1E308", "1.8E308",
                                                        "1E-400", "1D+400",  "9E307", "-4.9E-324"};
        if (dice_.chance(40)) return dice_.among(extremes);
        static const std::array<QString, 4> marks = {"E", "e", "D", "d"};
        static const std::array<QString, 3> signs = {"", "+", "-"};
        QString text = number();
        text += dice_.among(marks);
        text += dice_.among(signs);
        text += dice_.digits(1 + dice_.below(3));
        return text;
    }

    QString hexOrOctal()
    {
        static const std::array<QString, 4> prefixes = {"&H", "&h", "&O", "&o"};
        const QString prefix = dice_.among(prefixes);
        if (dice_.chance(10)) return prefix + QString(20, 'F');
        const bool hex = prefix.endsWith('H', Qt::CaseInsensitive);
        static const QString hexDigits = "0123456789ABCDEFabcdef";
        QString text = prefix;
        for (int i = dice_.below(6); i > 0; --i)
            text += hex ? hexDigits[dice_.below(22)] : QChar(u'0' + dice_.below(8));
        return text;
    }

    QString withCommas()
    {
        static const std::array<QString, 5> fixed = {",5", "1,2,3", "4,030", "1,000,000", ","};
        if (dice_.chance(40)) return dice_.among(fixed);
        QString text = dice_.digits(1 + dice_.below(3)) + ",";
        text += dice_.digits(1 + dice_.below(3));
        return text;
    }

    QString withBlanks()
    {
        static const std::array<QString, 3> blanks = {" ", "  ", QString(QChar(0x00A0))};
        if (dice_.chance(20)) return dice_.among(blanks);
        QString text = number();
        const int at = dice_.below(static_cast<int>(text.size()) + 1);
        return text.insert(at, dice_.among(blanks));
    }

    QString junk()
    {
        static const std::array<QString, 16> texts = {"abc", "4.03in", "--5",  "1e",  ".",   "-",   "+",   "$5",
                                                      "5%",  "1.2.3",  "0x1F", "Inf", "NaN", "1e+", "++1", "4-3"};
        return dice_.among(texts);
    }

    QString nonLatin()
    {
        static const std::array<const char*, 18> texts = {
            "٣",  "٣٫١٤", "３．１４", "四", "число", "π", "4.03мм", "Ⅻ",     "🔧",
            "4🔧", "١٢٣",  "½",        "²",  "৪",     "𝟒", "−5",     "עברית", "4٫03",
        };
        return QString::fromUtf8(dice_.among(texts));
    }

    QString zero()
    {
        static const std::array<QString, 5> texts = {"0", "-0", "0E0", "&H0", "00"};
        return dice_.chance(20) ? "0" + decimal_ + "0" : dice_.among(texts);
    }

    QString tenThousand()
    {
        constexpr int n = 10'000;
        switch (dice_.below(9)) {
        case 0:
            return QString(n, '9');
        case 1:
            return "1" + QString(n - 1, '0');
        case 2:
            return "0" + decimal_ + QString(n - 3, '0') + "1";
        case 3:
            return QString(n, ' ');
        case 4:
            return "&H" + QString(n - 2, 'F');
        case 5:
            return "1E" + QString(n - 3, '0') + "1";
        case 6:
            return "4" + decimal_ + QString(n - 2, '3');
        case 7: {
            QString text = dice_.digits(n);
            text[dice_.below(n)] = decimal_[0];
            return text;
        }
        default: {
            static const QString alphabet = QString::fromUtf8("0123456789+-.,Ee &Hзπ٣");
            QString text;
            text.reserve(n);
            for (int i = 0; i < n; ++i)
                text += alphabet[dice_.below(static_cast<int>(alphabet.size()))];
            return text;
        }
        }
    }

    Dice& dice_;
    const QString decimal_;
    const QString otherDecimal_;
    QString last_;
    bool careful_ = false;
};

} // namespace

Plan makePlan(std::uint32_t seed, int count)
{
    Dice dice(seed);
    Plan plan{seed, dice.among(kLocales), {}};
    TextMaker texts(dice, plan.locale);
    const auto click = [](const QString& target) { return Action{Act::Click, target, {}}; };

    int prints = 0;
    plan.actions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (i % 250 == 0) texts.setCareful(dice.chance(50));
        // About one in a thousand, so that a run of 20,000 prints about as
        // many pages as it may.
        if (prints < kMaxPrints && dice.below(1000) == 0) {
            ++prints;
            plan.actions.push_back(click("print"));
            continue;
        }
        const int roll = dice.below(1000);
        const QString& field = dice.chance(70) ? dice.among(kRatioFields) : dice.among(kFields);
        if (roll < 330)
            plan.actions.push_back({Act::Type, field, texts.typed(field)});
        else if (roll < 410)
            plan.actions.push_back({Act::TypeHere, {}, texts.typed(field)});
        else if (roll < 440)
            plan.actions.push_back({Act::Paste, field, texts.pasted()});
        else if (roll < 555)
            plan.actions.push_back({Act::Tab, {}, {}});
        else if (roll < 570)
            plan.actions.push_back({Act::Return, {}, {}});
        else if (roll < 580)
            plan.actions.push_back({Act::OtherWindow, {}, {}});
        else if (roll < 640)
            plan.actions.push_back({Act::Backtab, {}, {}});
        else if (roll < 710)
            plan.actions.push_back(click(field));
        else if (roll < 725)
            plan.actions.push_back({Act::RightClick, field, {}});
        else if (roll < 865)
            plan.actions.push_back(click("calc"));
        else if (roll < 895)
            plan.actions.push_back({Act::Space, {}, {}});
        else if (roll < 900)
            plan.actions.push_back(click("clear"));
        else if (roll < 930)
            plan.actions.push_back(click("inches"));
        else if (roll < 960)
            plan.actions.push_back(click("mm"));
        else if (roll < 985)
            plan.actions.push_back(click("usetopland"));
        else
            plan.actions.push_back(click(dice.among(kInertTargets)));
    }
    return plan;
}

QString describe(const Action& action)
{
    const auto quoted = [](const QString& text) {
        if (text.size() <= 40) return '"' + text + '"';
        return QStringLiteral("\"%1…\" (%2 characters)").arg(text.left(16)).arg(text.size());
    };
    switch (action.act) {
    case Act::Type:
        return QStringLiteral("type %1 into %2").arg(quoted(action.text), action.target);
    case Act::Paste:
        return QStringLiteral("paste %1 into %2").arg(quoted(action.text), action.target);
    case Act::TypeHere:
        return QStringLiteral("type %1 where the focus is").arg(quoted(action.text));
    case Act::Space:
        return QStringLiteral("Space on the focused button");
    case Act::Return:
        return QStringLiteral("Return");
    case Act::OtherWindow:
        return QStringLiteral("switch to another window and back");
    case Act::Tab:
        return QStringLiteral("Tab");
    case Act::Backtab:
        return QStringLiteral("Shift+Tab");
    case Act::Click:
        return action.target.isEmpty() ? QStringLiteral("click the bare window") : "click " + action.target;
    case Act::RightClick:
        return QStringLiteral("right-click %1 (context menu)").arg(action.target);
    }
    return {};
}

QString toRanges(const std::vector<int>& numbers)
{
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        parts << (last == i ? QString::number(numbers[i]) : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[last]));
        i = last + 1;
    }
    return parts.join(',');
}

std::vector<int> fromRanges(const QString& text)
{
    std::vector<int> numbers;
    for (const QString& part : text.split(',')) {
        const QStringList ends = part.split('-');
        bool firstOk = false;
        bool lastOk = false;
        const int first = ends.front().toInt(&firstOk);
        const int last = ends.back().toInt(&lastOk);
        if (ends.size() > 2 || !firstOk || !lastOk || first < 0 || last < first) return {};
        for (int number = first; number <= last; ++number)
            numbers.push_back(number);
    }
    return numbers;
}

} // namespace ui::random_use
