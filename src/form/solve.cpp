#include "form/solve.h"

#include "form/calculator.h"
#include "form/circle.h"
#include "form/figures.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/number_text.h"
#include "numeric/runtime_error.h"

#include <cmath>
#include <map>

namespace form {

using namespace numeric;
using message::Message;
using message::Text;

namespace {

constexpr Text kNotARatio = USER_TEXT("form", "Type the compression ratio you want, as a number.");
constexpr Text kNotAboveOne = USER_TEXT("form", "A compression ratio is always above 1.");
constexpr Text kNoSwept = USER_TEXT("form", "There is no swept volume: the bore or the stroke is 0.");
constexpr Text kNoGasketBore = USER_TEXT("form", "With a gasket bore of 0, no thickness makes a gasket volume.");
constexpr Text kTooLittleRoom = USER_TEXT(
    "form",
    "%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc. This field allows at most %4 : 1.");
constexpr Text kPistonReachesHead = USER_TEXT(
    "form", "The piston would reach the head: the quench distance would be %1 %2. This field allows at most %3 : 1.");
constexpr Text kWouldBeWritten = USER_TEXT("form", "%1 %2 would be written, giving %3 : 1.");
constexpr Text kWouldReplace = USER_TEXT("form", "%1 %2 would replace %3 %2, giving %4 : 1.");
constexpr Text kDishBecomesDome = USER_TEXT("form", "A %1 cc dish becomes a %2 cc dome, giving %3 : 1.");
constexpr Text kDomeBecomesDish = USER_TEXT("form", "A %1 cc dome becomes a %2 cc dish, giving %3 : 1.");
constexpr Text kQuench = USER_TEXT("form", "Quench distance: %1 %2.");
constexpr Text kQuenchNowAndThen = USER_TEXT("form", "Quench distance: %1 %3 instead of %2 %3.");

// The window as it would be with other texts in some fields, on paper: what
// the procedures write stays here, so the ratio a figure gives is found by
// running Calculate itself.
class TrialView final : public FormView {
public:
    TrialView(const FormView& window, Field field, const std::string& text) : window_(window) { texts_[field] = text; }

    std::string text(Field field) const override
    {
        const auto at = texts_.find(field);
        return at == texts_.end() ? window_.text(field) : at->second;
    }
    void setText(Field field, const std::string& text) override { texts_[field] = text; }
    void replaceText(Field field, const std::string& text) override { texts_[field] = text; }
    bool isSelected(Option option) const override { return window_.isSelected(option); }
    void setSelected(Option, bool) override {}
    bool deadAreaTicked() const override { return window_.deadAreaTicked(); }
    void tickDeadArea(bool) override {}
    std::string result(Result caption) const override { return window_.result(caption); }
    void setResult(Result caption, const std::string& text, std::optional<double>) override
    {
        if (caption == Result::ratio) ratio = text;
    }
    void keepBasis(Result, Basis) override {}
    Basis keptBasis(Result caption) const override { return window_.keptBasis(caption); }
    void moveFocus(Field) override {}
    std::vector<Field> textFields() const override { return window_.textFields(); }
    void showMessage(message::Text) override {}
    std::optional<std::string> askWantedRatio(const RatioSolver&) override { return {}; }
    void printImage() override {}

    std::string ratio;

private:
    const FormView& window_;
    std::map<Field, std::string> texts_;
};

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return checkedStep(std::round(checkedMul(value, scale)) / scale);
}

// "10.5:1" or "10.5 : 1", as builders write a ratio: the figure before the ": 1".
std::string_view withoutToOne(std::string_view ratio)
{
    constexpr std::string_view blanks = " \t";
    const auto one = ratio.find_last_not_of(blanks);
    if (one == std::string_view::npos || one == 0 || ratio[one] != '1') return ratio;
    const auto colon = ratio.find_last_not_of(blanks, one - 1);
    if (colon == std::string_view::npos || ratio[colon] != ':') return ratio;
    return ratio.substr(0, colon);
}

} // namespace

bool solvesForRatio(Field field)
{
    switch (field) {
    case Field::chamber:
    case Field::dome:
    case Field::gasketVolume:
    case Field::deckHeight:
    case Field::gasketThickness:
        return true;
    default:
        return false;
    }
}

RatioSolver::RatioSolver(const FormView& view, NumberLocale locale, Field field)
    : view_(view), locale_(std::move(locale)), field_(field), cm_(readLengths(view_, locale_, field)),
      decimals_(field != Field::deckHeight && field != Field::gasketThickness ? 2
                : view.isSelected(Option::mm)                                 ? 3
                                                                              : 4)
{
}

Solution RatioSolver::solve(std::string_view wantedRatio) const
{
    std::variant<double, Refusal> outcome = wantedRatioFrom(wantedRatio);
    if (const double* wanted = std::get_if<double>(&outcome)) outcome = figureFor(*wanted);
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) return {.refusal = *refusal};
    Solution solution;
    try {
        const double figure = std::get<double>(outcome);
        solution.ratio = ratioWith(figure);
        compare(figure, solution);
        solution.figure = numberText(figure, locale_);
    } catch (const RuntimeError& error) {
        return {.refusal = {error.message(), fieldNamed(error.field())}};
    }
    return solution;
}

// The ratio as typed, which may end in ": 1"; or why it is none.
std::variant<double, Refusal> RatioSolver::wantedRatioFrom(std::string_view wantedRatio) const
{
    if (field_ == Field::gasketVolume && !view_.text(Field::gasketBore).empty() &&
        !view_.text(Field::gasketThickness).empty())
        return Refusal{kGasketVolumeFromDimensions};
    const std::string typed(withoutToOne(wantedRatio));
    double wanted = 0;
    try {
        wanted = parseStrict(typed, locale_);
    } catch (const RuntimeError& error) {
        // A ratio written with the other decimal separator is told how to write it, as a length is.
        return Refusal{asLocaleWritesIt(typed, locale_).empty() ? Message(kNotARatio)
                                                                : unreadable(error.kind(), typed, locale_)};
    }
    if (!(wanted > 1)) return Refusal{kNotAboveOne};
    return wanted;
}

// The figure, rounded, that gives the wanted ratio, or why there is none:
// Calculate's clearance, with the unknown counted as 0, against the clearance
// the wanted ratio needs, swept / (ratio - 1).
std::variant<double, Refusal> RatioSolver::figureFor(double wanted) const
try {
    const Volumes volumes =
        readVolumes(view_, locale_, cm_, field_ == Field::gasketThickness ? Field::gasketVolume : field_);
    if (volumes.swept == 0) return Refusal{kNoSwept};
    const double needed = checkedDiv(volumes.swept, checkedSub(wanted, 1));
    const double others = clearanceOf(volumes, view_.deadAreaTicked());
    const double missing = checkedSub(needed, others); // what the unknown adds to the clearance

    double figure = 0;
    switch (field_) {
    case Field::dome:
        figure = -missing;
        break;
    case Field::deckHeight: {
        const double deckCm = checkedDiv(missing, volumes.boreArea);
        figure = view_.isSelected(Option::mm) ? checkedMul(deckCm, 10) : checkedDiv(deckCm, 2.54);
        break;
    }
    case Field::gasketThickness: {
        // The gasket volume's formula turned round: cc back to cubic inches
        // under inches, to cubic mm under mm, over the gasket bore's area.
        const double area = checkedMul(halfSquared(cm_.typedGasketBore), kPi);
        if (area == 0) return Refusal{kNoGasketBore};
        figure = view_.isSelected(Option::mm) ? checkedDiv(checkedMul(missing, 1000), area)
                                              : checkedDiv(missing, checkedMul(checkedPow(2.54, 3), area));
        break;
    }
    default:
        figure = missing;
    }
    figure = rounded(figure, decimals_);

    // What no engine can have: a chamber or thickness of 0 or less, a gasket
    // volume below 0, or a quench distance (deck height plus thickness) of 0
    // or less, where the other of the two holds a figure. The ratio only
    // falls as the figure grows, so the least figure allowed gives the most.
    const double step = 1 / std::pow(10.0, decimals_);
    std::optional<double> least;
    if (field_ == Field::chamber || field_ == Field::gasketThickness) least = step;
    if (field_ == Field::gasketVolume) least = 0.0;
    const std::optional<double> other = otherLength();
    const bool quenchBinds = other && (!least || rounded(step - *other, decimals_) > *least);
    if (quenchBinds) least = rounded(step - *other, decimals_);
    if (!least || figure >= *least) return figure;

    const double highestRatio = parseStrict(ratioWith(*least), locale_);
    const std::string highest = numberText(std::floor(std::round(highestRatio * 10000) / 100) / 100, locale_);
    if (quenchBinds)
        return Refusal{
            {kPistonReachesHead, {numberText(rounded(figure + *other, decimals_), locale_), unit(), highest}}};
    return Refusal{{kTooLittleRoom,
                    {numberText(wanted, locale_), numberText(rounded(needed, 2), locale_),
                     numberText(rounded(others, 2), locale_), highest}}};
} catch (const RuntimeError& error) {
    return Refusal{error.message().empty() ? Message(kFiguresTooLarge) : error.message(), fieldNamed(error.field())};
}

// The ratio Calculate shows with the field holding figure, found by running
// Calculate itself (and, for the thickness, the gasket volume it fills in).
std::string RatioSolver::ratioWith(double figure) const
{
    TrialView trial(view_, field_, numberText(figure, locale_));
    Calculator calculator(trial, locale_);
    if (field_ == Field::gasketThickness) calculator.leftGasketThickness();
    calculator.calculate();
    return trial.ratio;
}

// When solving the deck height or the thickness, the other of the two, if it holds a figure.
std::optional<double> RatioSolver::otherLength() const
{
    if (field_ != Field::deckHeight && field_ != Field::gasketThickness) return {};
    try {
        return parseStrict(view_.text(field_ == Field::deckHeight ? Field::gasketThickness : Field::deckHeight),
                           locale_);
    } catch (const RuntimeError&) {
        return {};
    }
}

// The field's figure now, as Calculate reads it, beside the new one; for the
// deck height and thickness the quench distance too.
void RatioSolver::compare(double figure, Solution& solution) const
{
    std::optional<double> now;
    if (const std::string text = view_.text(field_); !text.empty()) {
        try {
            const bool length = field_ == Field::deckHeight || field_ == Field::gasketThickness;
            now = length ? parseStrict(text, locale_) : parseLenient(text, locale_);
        } catch (const RuntimeError&) {
            // Not a figure: there is nothing to compare with.
        }
    }
    const auto written = [&](double value) { return Message(numberText(value, locale_)); };
    if (field_ == Field::dome && now && *now * figure < 0)
        solution.change = {*now < 0 ? kDishBecomesDome : kDomeBecomesDish,
                           {written(std::fabs(*now)), written(std::fabs(figure)), solution.ratio}};
    else if (now)
        solution.change = {kWouldReplace, {written(figure), unit(), written(*now), solution.ratio}};
    else
        solution.change = {kWouldBeWritten, {written(figure), unit(), solution.ratio}};

    const std::optional<double> other = otherLength();
    if (!other) return;
    const auto quench = [&](double length) { return written(rounded(checkedAdd(length, *other), decimals_)); };
    solution.quench = now ? Message{kQuenchNowAndThen, {quench(figure), quench(*now), unit()}}
                          : Message{kQuench, {quench(figure), unit()}};
}

// cc and mm are the same in every language; an inch has its own word.
Message RatioSolver::unit() const
{
    if (field_ != Field::deckHeight && field_ != Field::gasketThickness) return std::string("cc");
    if (view_.isSelected(Option::mm)) return std::string("mm");
    if (view_.isSelected(Option::inches)) return USER_TEXT("form", "in");
    return {};
}

void Calculator::solveForRatio(Field field)
{
    if (!solvesForRatio(field) || entriesMissing(view_, field)) return;
    if (field == Field::gasketThickness && view_.text(Field::gasketBore).empty()) {
        view_.showMessage(kGasketBoreToSolveMessage);
        view_.moveFocus(Field::gasketBore);
        return;
    }
    const RatioSolver solver(view_, locale_, field);
    const std::optional<std::string> wanted = view_.askWantedRatio(solver);
    if (!wanted) return;
    const Solution solution = solver.solve(*wanted);
    if (solution.figure.empty()) return;

    view_.replaceText(field, solution.figure);
    if (field == Field::gasketThickness) leftGasketThickness();
    calculate();
    view_.moveFocus(field);
}

} // namespace form
