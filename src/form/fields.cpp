#include "form/fields.h"

namespace form {

std::string_view nameOf(Field field)
{
    static constexpr std::array<std::string_view, allFields.size()> names = {
        "cyls", "bore", "stroke", "chamb", "dome", "deck", "gasketbore", "compthick", "gasketvol", "piston", "topring",
    };
    return names.at(static_cast<std::size_t>(field));
}

std::string_view nameOf(Option option)
{
    return option == Option::inches ? "inches" : "mm";
}

std::string_view nameOf(Result caption)
{
    static constexpr std::array<std::string_view, 3> names = {"vorsil", "Label17", "Label18"};
    return names.at(static_cast<std::size_t>(caption));
}

}  // namespace form
