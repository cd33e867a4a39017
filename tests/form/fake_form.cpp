#include "fake_form.h"

#include "numeric/runtime_error.h"

#include <tuple>

namespace form::testing {

std::string FakeForm::text(Field field) const
{
    const auto at = texts.find(field);
    return at == texts.end() ? std::string() : at->second;
}

std::string FakeForm::result(Result which) const
{
    const auto at = results.find(which);
    return at == results.end() ? std::string() : at->second;
}

Basis FakeForm::keptBasis(Result result) const
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
    if (selected && !wasSelected && form) option == Option::inches ? form->inchesChosen() : form->mmChosen();
}

std::optional<std::string> FakeForm::askWantedRatio(const RatioSolver& solver)
{
    if (wantedRatio) offered = solver.solve(*wantedRatio);
    return wantedRatio;
}

void FakeForm::printImage()
{
    if (printerMissing) throw PrinterError(std::string("no printer"));
    ++pagesPrinted;
}

void FakeForm::fill(const std::vector<std::pair<Field, std::string>>& entries)
{
    for (const auto& [field, text] : entries)
        texts[field] = text;
}

bool FakeForm::operator==(const FakeForm& other) const
{
    const auto visible = [](const FakeForm& f) {
        std::map<Field, std::string> nonEmpty;
        for (const auto& [field, text] : f.texts)
            if (!text.empty()) nonEmpty[field] = text;
        return std::tuple(nonEmpty, f.results, f.inches, f.mm, f.deadArea, f.focus, f.messages);
    };
    return visible(*this) == visible(other);
}

Entries workedExample(bool second, const Entries& changes)
{
    using enum Field;
    Entries entries = second ? Entries{{cylinders, "4"},      {bore, "102.0"},           {stroke, "88.4"},
                                       {deckHeight, "0.25"},  {chamber, "58.5"},         {dome, "3.2"},
                                       {gasketVolume, "8.6"}, {pistonDiameter, "101.6"}, {topRingDepth, "6.5"}}
                             : Entries{{cylinders, "8"}, {bore, "4.030"}, {stroke, "3.480"},    {deckHeight, "0.015"},
                                       {chamber, "64"},  {dome, "-5"},    {gasketVolume, "9.2"}};
    entries.insert(entries.end(), changes.begin(), changes.end());
    return entries;
}

LoadedForm::LoadedForm(numeric::NumberLocale locale) : form(view, std::move(locale))
{
    view.form = &form;
    form.start();
}

} // namespace form::testing
