#pragma once
// What the procedures may do to the window, and nothing more. The Qt window
// implements it on real widgets; the tests implement it on plain values.

#include "form/fields.h"
#include "message/message.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace form {

class RatioSolver;

// The page could not be made or handed to the printer; detail says why.
struct PrinterError : std::runtime_error {
    explicit PrinterError(message::Message why) : std::runtime_error(message::english(why)), detail(std::move(why)) {}
    message::Message detail;
};

// What a shown result was worked out from, as the window held it: the texts
// of the fields the result reads, in Field order, the unit and the dead-area
// tick (see out_of_date.h).
struct Basis {
    std::vector<std::string> texts;
    bool inches = false, mm = false, deadArea = false;

    bool operator==(const Basis&) const = default;
};

class FormView {
public:
    virtual ~FormView() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, const std::string& text) = 0;
    // The whole text replaced as one edit of the user's, which undo takes back.
    virtual void replaceText(Field field, const std::string& text) = 0;

    virtual bool isSelected(Option option) const = 0;
    // Selecting an option that is not selected runs its Click procedure, just
    // as the user's click would; deselecting runs nothing.
    virtual void setSelected(Option option, bool selected) = 0;

    virtual bool deadAreaTicked() const = 0;
    virtual void tickDeadArea(bool checked) = 0;

    virtual std::string result(Result result) const = 0;
    // The text as the user reads it; a figure comes with its value too, so
    // that a label too narrow for the text rounds it without reading it back.
    virtual void setResult(Result result, const std::string& text, std::optional<double> figure = {}) = 0;
    // Kept beside a result by the procedure that writes it, until its next run.
    virtual void keepBasis(Result result, Basis basis) = 0;
    virtual Basis keptBasis(Result result) const = 0;
    virtual void moveFocus(Field field) = 0;

    // Every text field of the window, in the window's own order.
    virtual std::vector<Field> textFields() const = 0;

    // A modal box with one OK button and no icon; returns once it is closed.
    virtual void showMessage(message::Text text) = 0;

    // Asks for the ratio wanted, showing as it is typed what solver makes of
    // it; returns the text accepted, or nothing when the user cancels.
    virtual std::optional<std::string> askWantedRatio(const RatioSolver& solver) = 0;

    // One image of the window on the default printer, with no dialog. Raises
    // a PrinterError when the page could not be made; what the printer does
    // with it is told later, in a box of its own.
    virtual void printImage() = 0;
};

} // namespace form
