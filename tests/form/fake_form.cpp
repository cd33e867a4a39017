#include "fake_form.h"

#include "numeric/runtime_error.h"

#include <tuple>

namespace form::testing {

std::string FakeForm::text(Field field) const
{
    const auto at = texts.find(field);
    return at == texts.end() ? std::string() : at->second;
}

std::string FakeForm::caption(Caption which) const
{
    const auto at = captions.find(which);
    return at == captions.end() ? std::string() : at->second;
}

Basis FakeForm::keptBasis(Caption result) const
{
    const auto at = bases.find(result);
    return at == bases.end() ? Basis() : at->second;
}

void FakeForm::setSelected(Option option, bool selected)
{
    bool& value = option == Option::inches ? inches : mm;
    bool& other = option == Option::inches ? mm : inches;
    const bool wasSelected = value;
    value = selected;
    if (selected) other = false;
    if (selected && !wasSelected && form) option == Option::inches ? form->inchesClick() : form->mmClick();
}

std::optional<std::string> FakeForm::askWantedRatio(const RatioSolver& solver)
{
    if (wantedRatio) offered = solver.solve(*wantedRatio);
    return wantedRatio;
}

void FakeForm::printImage()
{
    if (printerMissing) throw numeric::RuntimeError(numeric::ErrorKind::PrinterError, std::string("no printer"));
    ++pagesPrinted;
}

void FakeForm::fill(const std::vector<std::pair<Field, std::string>>& entries)
{
    for (const auto& [field, text] : entries) texts[field] = text;
}

bool FakeForm::operator==(const FakeForm& other) const
{
    const auto visible = [](const FakeForm& f) {
        std::map<Field, std::string> nonEmpty;
        for (const auto& [field, text] : f.texts)
            if (!text.empty()) nonEmpty[field] = text;
        return std::tuple(nonEmpty, f.captions, f.inches, f.mm, f.usetopland, f.focus, f.messages);
    };
    return visible(*this) == visible(other);
}

Entries workedExample(bool second, const Entries& changes)
{
    using enum Field;
    Entries entries =
        second ? Entries{{cyls, "4"},   {bore, "102.0"},    {stroke, "88.4"},  {deck, "0.25"},  {chamb, "58.5"},
                         {dome, "3.2"}, {gasketvol, "8.6"}, {piston, "101.6"}, {topring, "6.5"}}
               : Entries{{cyls, "8"},   {bore, "4.030"}, {stroke, "3.480"}, {deck, "0.015"},
                         {chamb, "64"}, {dome, "-5"},    {gasketvol, "9.2"}};
    entries.insert(entries.end(), changes.begin(), changes.end());
    return entries;
}

LoadedForm::LoadedForm(numeric::NumberLocale locale) : form(view, std::move(locale))
{
    view.form = &form;
    form.formLoad();
}

}  // namespace form::testing
