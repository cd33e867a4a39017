#include "form/fields.h"

namespace form {

namespace {

constexpr std::array<std::string_view, allFields.size()> kNames = {
    "cylinders",       "bore",         "stroke",         "chamber",      "dome", "deckHeight", "gasketBore",
    "gasketThickness", "gasketVolume", "pistonDiameter", "topRingDepth",
};

} // namespace

std::string_view nameOf(Field field)
{
    return kNames.at(static_cast<std::size_t>(field));
}

std::optional<Field> fieldNamed(std::string_view name)
{
    for (const Field field : allFields)
        if (nameOf(field) == name) return field;
    return std::nullopt;
}

} // namespace form
