#pragma once
// The calculator's event procedures. Each reads the window afresh through
// FormView, computes, and writes its one result; none keeps anything between
// events. They raise numeric::RuntimeError where a figure cannot be read (naming
// the field) or a step fails (saying which), having written nothing after the
// failing step; the window reports the error and goes on.
//
//   calculate.cpp    the compression ratio (Click of calc)
//   focus_leave.cpp  capacity, gasket volume and gasket check (leaving a field)
//   commands.cpp     start-up, unit choice, Clear and Print
//   solve.cpp        one field solved for a wanted ratio (Ctrl+T in the field)
//
// May be called from ui/ and the tests; calls only numeric/.

#include "form/form_view.h"
#include "message/message.h"
#include "numeric/number_locale.h"

#include <utility>

namespace form {

inline constexpr message::Text kAllValuesMessage = USER_TEXT("form", "All values must be entered");
inline constexpr message::Text kGasketMessage =
    USER_TEXT("form", "Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness");

class Calculator {
public:
    Calculator(FormView& view, numeric::NumberLocale locale) : view_(view), locale_(std::move(locale)) {}

    void start();
    void calculate();
    void leftCylinders() { showCapacity(); }
    void leftBore() { showCapacity(); }
    void leftStroke() { showCapacity(); }
    void leftGasketBore() { showGasketVolume(); }
    void leftGasketThickness() { showGasketVolume(); }
    void leftGasketVolume();
    void inchesChosen();
    void mmChosen();
    void clear();
    void print();
    // Writes the figure of field that gives the ratio the user asks for, then
    // calculates.
    void solveForRatio(Field field);

private:
    void showCapacity();
    void showGasketVolume();
    void changeUnit(const char* capacityUnit);

    FormView& view_;
    const numeric::NumberLocale locale_;
};

} // namespace form
