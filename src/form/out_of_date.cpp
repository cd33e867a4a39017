#include "form/out_of_date.h"

namespace form {

Basis basisOf(const FormView& view, Result result)
{
    Basis basis;
    for (const Field field : allFields) {
        const bool read =
            result == Result::ratio || field == Field::cylinders || field == Field::bore || field == Field::stroke;
        if (read) basis.texts.push_back(view.text(field));
    }
    basis.inches = view.isSelected(Option::inches);
    basis.mm = view.isSelected(Option::mm);
    basis.deadArea = result == Result::ratio && view.deadAreaTicked();
    return basis;
}

bool isOutOfDate(const FormView& view, Result result)
{
    return !view.result(result).empty() && view.keptBasis(result) != basisOf(view, result);
}

} // namespace form
