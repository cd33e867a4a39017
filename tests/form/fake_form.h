#pragma once
// A window made of plain values, for testing the procedures fast and exactly.
// It behaves as the real window does where the procedures can tell: selecting
// an unselected option runs its Click procedure, and the option group keeps at
// most one button selected.

#include "form/calculator.h"
#include "form/solve.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace form::testing {

class FakeForm : public FormView {
public:
    std::map<Field, std::string> texts;
    std::map<Result, std::string> results;
    std::map<Result, Basis> bases;
    bool inches = false;
    bool mm = false;
    bool deadArea = false;
    std::optional<Field> focus;
    std::vector<std::string> messages;
    int pagesPrinted = 0;
    bool printerMissing = false;
    Calculator* form = nullptr;             // whose Click procedures selecting an option runs
    std::optional<std::string> wantedRatio; // typed into the solve dialog; none cancels it
    std::optional<Solution> offered;        // what the dialog showed for it

    std::string text(Field field) const override;
    void setText(Field field, const std::string& text) override { texts[field] = text; }
    void replaceText(Field field, const std::string& text) override { texts[field] = text; }
    bool isSelected(Option option) const override { return option == Option::inches ? inches : mm; }
    void setSelected(Option option, bool selected) override;
    bool deadAreaTicked() const override { return deadArea; }
    void tickDeadArea(bool checked) override { deadArea = checked; }
    std::string result(Result which) const override;
    void setResult(Result result, const std::string& text, std::optional<double>) override { results[result] = text; }
    void keepBasis(Result result, Basis basis) override { bases[result] = std::move(basis); }
    Basis keptBasis(Result result) const override;
    void moveFocus(Field field) override { focus = field; }
    std::vector<Field> textFields() const override { return {allFields.begin(), allFields.end()}; }
    void showMessage(message::Text text) override { messages.emplace_back(text.source); }
    std::optional<std::string> askWantedRatio(const RatioSolver& solver) override;
    void printImage() override;

    void fill(const std::vector<std::pair<Field, std::string>>& entries);

    // Everything a user can see, for comparing a whole window before and after.
    bool operator==(const FakeForm& other) const;
};

using Entries = std::vector<std::pair<Field, std::string>>;

// The first worked example (inches, 9.9417 : 1) or the second (mm with the
// dead area, 11.8834 : 1), with changes filled in after.
Entries workedExample(bool second, const Entries& changes = {});

// A fake window already through start-up, with its procedures.
struct LoadedForm {
    explicit LoadedForm(numeric::NumberLocale locale = {});
    LoadedForm(const LoadedForm&) = delete;
    LoadedForm& operator=(const LoadedForm&) = delete;
    FakeForm view;
    Calculator form;
};

} // namespace form::testing
