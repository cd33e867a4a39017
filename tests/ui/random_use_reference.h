#pragma once
// The window as the procedures alone would leave it: the same form::Calculator run
// on plain values, told which events the real window received. After every
// action the real window must look exactly like this one, so every change the
// window shows has to come from an event that allows it.

#include "form/fake_form.h"

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui::random_use {

struct ExpectedBox {
    QString text;
    bool mayBeMissing = false; // Print: whether a printer is there is not the program's doing
    bool prefixOnly = false;   // only the start of the text is known
};

class Reference {
public:
    // decimal and group as the window reads them from its QLocale
    Reference(const std::string& decimal, const std::string& group);
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    void typed(form::Field field, const std::string& text) { view_.setText(field, text); }
    // The focus left field for the field to, if it went to one.
    void left(form::Field field, std::optional<form::Field> to = std::nullopt);
    void calcClicked();
    void clearClicked();
    void printClicked();
    void optionClicked(form::Option option);
    void topLandClicked() { view_.deadArea = !view_.deadArea; }

    const form::testing::FakeForm& view() const { return view_; }
    // For carrying on after a difference has been reported: the window's
    // state becomes the expected one.
    form::testing::FakeForm& adopt() { return view_; }

    std::vector<ExpectedBox> takeBoxes() { return std::exchange(boxes_, {}); }
    std::optional<form::Field> takeFocusMove() { return std::exchange(view_.focus, std::nullopt); }

    // How often each result was computed and written.
    int ratios() const { return view_.writes.vorsil; }
    int capacities() const { return view_.writes.capacity; }
    int gasketVolumes() const { return gasketVolumes_; }

private:
    // Counts the writes of the results, which FakeForm alone cannot tell
    // apart from a write of the same value.
    struct CountingForm : form::testing::FakeForm {
        struct {
            int vorsil = 0, capacity = 0;
        } writes;
        void setResult(form::Result caption, const std::string& text, std::optional<double> figure) override;
    };

    // False when the procedure showed a box or failed.
    bool run(void (form::Calculator::*procedure)());

    CountingForm view_;
    form::Calculator form_;
    std::vector<ExpectedBox> boxes_;
    std::optional<form::Field> blamed_; // the field the last failure named
    int gasketVolumes_ = 0;
};

} // namespace ui::random_use
