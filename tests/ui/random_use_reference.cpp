#include "random_use_reference.h"

#include "numeric/runtime_error.h"

namespace ui::random_use {

using form::Field;

void Reference::CountingForm::setResult(form::Result caption, const std::string& text, std::optional<double> figure)
{
    if (caption == form::Result::ratio) ++writes.vorsil;
    if (caption == form::Result::capacity) ++writes.capacity;
    FakeForm::setResult(caption, text, figure);
}

Reference::Reference(const std::string& decimal, const std::string& group) : form_(view_, {decimal, group})
{
    view_.form = &form_;
    form_.start();
}

void Reference::left(Field field, std::optional<Field> to)
{
    switch (field) {
    case Field::cylinders:
        run(&form::Calculator::leftCylinders);
        break;
    case Field::bore:
        run(&form::Calculator::leftBore);
        break;
    case Field::stroke:
        run(&form::Calculator::leftStroke);
        break;
    case Field::gasketBore:
        if (run(&form::Calculator::leftGasketBore)) ++gasketVolumes_;
        break;
    case Field::gasketThickness:
        if (run(&form::Calculator::leftGasketThickness)) ++gasketVolumes_;
        break;
    case Field::gasketVolume: {
        const bool movedBefore = view_.focus.has_value();
        run(&form::Calculator::leftGasketVolume);
        // The reminder sends the focus on to gasketbore while the window is
        // not yet active again: the field the user had gone to is left too.
        if (!movedBefore && view_.focus && to && *to != *view_.focus) left(*to);
        break;
    }
    default:
        break;
    }
}

void Reference::calcClicked()
{
    run(&form::Calculator::calculate);
    // The field a failed calculation blames takes the focus, to be retyped.
    if (blamed_) view_.focus = *blamed_;
}

void Reference::optionClicked(form::Option option)
{
    if (view_.isSelected(option)) return;
    // The group selects the button first; then its Click procedure runs, and
    // may fail like any other.
    view_.form = nullptr;
    view_.setSelected(option, true);
    view_.form = &form_;
    run(option == form::Option::inches ? &form::Calculator::inchesChosen : &form::Calculator::mmChosen);
}

void Reference::clearClicked()
{
    run(&form::Calculator::clear);
}

void Reference::printClicked()
{
    boxes_.push_back({QStringLiteral("Printer error"), true, true});
}

bool Reference::run(void (form::Calculator::*procedure)())
{
    std::optional<QString> failure;
    blamed_.reset();
    try {
        (form_.*procedure)();
    } catch (const numeric::RuntimeError& error) {
        failure = QString::fromUtf8(numeric::describe(error.kind()).source);
        for (const Field field : form::allFields)
            if (form::nameOf(field) == error.field()) blamed_ = field;
    }
    // A procedure that shows a message and then fails shows both, in this order.
    const std::vector<std::string> messages = std::exchange(view_.messages, {});
    for (const std::string& message : messages)
        boxes_.push_back({QString::fromStdString(message)});
    if (failure) boxes_.push_back({*failure});
    return messages.empty() && !failure;
}

} // namespace ui::random_use
