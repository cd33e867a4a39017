#include "form/out_of_date.h"

namespace form {

Basis basisOf(const FormView& view, Caption result)
{
    Basis basis;
    for (const Field field : allFields) {
        const bool read = result == Caption::vorsil || field == Field::cyls || field == Field::bore ||
                          field == Field::stroke;
        if (read) basis.texts.push_back(view.text(field));
    }
    basis.inches = view.isSelected(Option::inches);
    basis.mm = view.isSelected(Option::mm);
    basis.deadArea = result == Caption::vorsil && view.isUsetoplandChecked();
    return basis;
}

bool isOutOfDate(const FormView& view, Caption result)
{
    return !view.caption(result).empty() && view.keptBasis(result) != basisOf(view, result);
}

}  // namespace form
