#include "form/solve.h"

#include "form/circle.h"
#include "form/figures.h"
#include "form/form1.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/number_text.h"
#include "numeric/runtime_error.h"

#include <cmath>
#include <map>

namespace form {

using namespace numeric;

namespace {

constexpr Text kNotARatio = USER_TEXT("form", "Type the compression ratio you want, as a number.");
constexpr Text kNotAboveOne = USER_TEXT("form", "A compression ratio is always above 1.");
constexpr Text kNoSwept = USER_TEXT("form", "There is no swept volume: the bore or the stroke is 0.");
constexpr Text kNoGasketBore = USER_TEXT("form", "With a gasket bore of 0, no thickness makes a gasket volume.");
constexpr Text kTooLittleRoom =
    USER_TEXT("form", "%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc.");

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
    bool isUsetoplandChecked() const override { return window_.isUsetoplandChecked(); }
    void setUsetoplandChecked(bool) override {}
    void setCaption(Caption caption, const std::string& text) override
    {
        if (caption == Caption::vorsil) ratio = text;
    }
    void moveFocus(Field) override {}
    std::vector<Field> textFields() const override { return window_.textFields(); }
    void showMessage(numeric::Text) override {}
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

}  // namespace

bool solvesForRatio(Field field)
{
    switch (field) {
    case Field::chamb:
    case Field::dome:
    case Field::gasketvol:
    case Field::deck:
    case Field::compthick: return true;
    default: return false;
    }
}

RatioSolver::RatioSolver(const FormView& view, NumberLocale locale, Field field)
    : view_(view), locale_(std::move(locale)), field_(field), cm_(readLengths(view_, locale_, field)),
      decimals_(field != Field::deck && field != Field::compthick ? 2 : view.isSelected(Option::mm) ? 3 : 4)
{
}

Solution RatioSolver::solve(std::string_view wantedRatio) const
{
    Solution solution;
    const bool length = field_ == Field::deck || field_ == Field::compthick;
    // cc and mm are the same in every language; an inch has its own word.
    if (!length)
        solution.unit = std::string("cc");
    else if (view_.isSelected(Option::mm))
        solution.unit = std::string("mm");
    else if (view_.isSelected(Option::inches))
        solution.unit = USER_TEXT("form", "in");
    double wanted = 0;
    try {
        wanted = parseStrict(wantedRatio, locale_);
    } catch (const RuntimeError&) {
        solution.refusal = {kNotARatio};
        return solution;
    }
    if (!(wanted > 1)) {
        solution.refusal = {kNotAboveOne};
        return solution;
    }
    try {
        const double figure = computing(kFiguresTooLarge, [&] { return roundedFigure(wanted, solution); });
        if (!solution.refusal.why.empty()) return solution;
        const std::string text = numberText(figure, locale_);

        TrialView trial(view_, field_, text);
        Form1 calculator(trial, locale_);
        if (field_ == Field::compthick) calculator.compthickLostFocus();
        calculator.calcClick();
        solution.ratio = trial.ratio;
        if (length) addQuench(figure, solution);
        solution.figure = text;
    } catch (const RuntimeError& error) {
        solution.refusal = {error.message(), error.field()};  // the figure is set last
    }
    return solution;
}

// Calculate's clearance, with the unknown counted as 0, against the clearance
// the wanted ratio needs: swept / (ratio - 1).
double RatioSolver::roundedFigure(double wanted, Solution& solution) const
{
    const Volumes volumes = readVolumes(view_, locale_, cm_, field_ == Field::compthick ? Field::gasketvol : field_);
    if (volumes.swept == 0) {
        solution.refusal = {kNoSwept};
        return 0;
    }
    const double needed = checkedDiv(volumes.swept, checkedSub(wanted, 1));
    const double others = clearanceOf(volumes, view_.isUsetoplandChecked());
    const double missing = checkedSub(needed, others);  // what the unknown adds to the clearance

    double figure = 0;
    switch (field_) {
    case Field::dome: figure = -missing; break;
    case Field::deck: {
        const double deckCm = checkedDiv(missing, volumes.boreArea);
        figure = view_.isSelected(Option::mm) ? checkedMul(deckCm, 10) : checkedDiv(deckCm, 2.54);
        break;
    }
    case Field::compthick: {
        // The gasket volume's formula turned round: cc back to cubic inches
        // under inches, to cubic mm under mm, over the gasket bore's area.
        const double area = checkedMul(halfSquared(cm_.typedGasketBore), kPi);
        if (area == 0) {
            solution.refusal = {kNoGasketBore};
            return 0;
        }
        figure = view_.isSelected(Option::mm) ? checkedDiv(checkedMul(missing, 1000), area)
                                              : checkedDiv(missing, checkedMul(checkedPow(2.54, 3), area));
        break;
    }
    default: figure = missing;
    }
    figure = rounded(figure, decimals_);

    const bool fits =
        field_ == Field::gasketvol ? figure >= 0 : field_ == Field::dome || field_ == Field::deck || figure > 0;
    if (!fits) {
        solution.refusal = {{kTooLittleRoom,
                             {numberText(wanted, locale_), numberText(rounded(needed, 2), locale_),
                              numberText(rounded(others, 2), locale_)}}};
    }
    return figure;
}

// Deck height plus compressed thickness, when the other of the two holds a figure.
void RatioSolver::addQuench(double figure, Solution& solution) const
{
    const Field other = field_ == Field::deck ? Field::compthick : Field::deck;
    try {
        const double sum = checkedAdd(figure, parseStrict(view_.text(other), locale_));
        solution.quench = numberText(rounded(sum, decimals_), locale_);
    } catch (const RuntimeError&) {
        // Not a figure: there is no distance to show.
    }
}

void Form1::solveForRatio(Field field)
{
    if (!solvesForRatio(field) || entriesMissing(view_, field)) return;
    if (field == Field::compthick && view_.text(Field::gasketbore).empty()) {
        view_.showMessage(kGasketBoreToSolveMessage);
        view_.moveFocus(Field::gasketbore);
        return;
    }
    const RatioSolver solver(view_, locale_, field);
    const std::optional<std::string> wanted = view_.askWantedRatio(solver);
    if (!wanted) return;
    const Solution solution = solver.solve(*wanted);
    if (solution.figure.empty()) return;

    view_.replaceText(field, solution.figure);
    if (field == Field::compthick) compthickLostFocus();
    calcClick();
    view_.moveFocus(field);
}

}  // namespace form
