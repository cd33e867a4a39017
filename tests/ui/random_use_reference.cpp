#include "random_use_reference.h"

#include "numeric/runtime_error.h"

namespace ui::random_use {

using form::Field;

void Reference::CountingForm::setCaption(form::Caption caption, const std::string& text)
{
    if (caption == form::Caption::vorsil) ++writes.vorsil;
    if (caption == form::Caption::Label17) ++writes.capacity;
    FakeForm::setCaption(caption, text);
}

Reference::Reference(const std::string& decimal, const std::string& group) : form_(view_, {decimal, group})
{
    view_.form = &form_;
    form_.formLoad();
}

void Reference::left(Field field, std::optional<Field> to)
{
    switch (field) {
    case Field::cyls: run(&form::Form1::cylsLostFocus); break;
    case Field::bore: run(&form::Form1::boreLostFocus); break;
    case Field::stroke: run(&form::Form1::strokeLostFocus); break;
    case Field::gasketbore:
        if (run(&form::Form1::gasketboreLostFocus)) ++gasketVolumes_;
        break;
    case Field::compthick:
        if (run(&form::Form1::compthickLostFocus)) ++gasketVolumes_;
        break;
    case Field::gasketvol: {
        const bool movedBefore = view_.focus.has_value();
        run(&form::Form1::gasketvolLostFocus);
        // The reminder sends the focus on to gasketbore while the window is
        // not yet active again: the field the user had gone to is left too.
        if (!movedBefore && view_.focus && to && *to != *view_.focus) left(*to);
        break;
    }
    default: break;
    }
}

void Reference::calcClicked()
{
    run(&form::Form1::calcClick);
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
    run(option == form::Option::inches ? &form::Form1::inchesClick : &form::Form1::mmClick);
}

void Reference::clearClicked()
{
    run(&form::Form1::clearClick);
}

void Reference::printClicked()
{
    boxes_.push_back({QStringLiteral("Printer error"), true, true});
}

bool Reference::run(void (form::Form1::*procedure)())
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
    for (const std::string& message : messages) boxes_.push_back({QString::fromStdString(message)});
    if (failure) boxes_.push_back({*failure});
    return messages.empty() && !failure;
}

}  // namespace ui::random_use
