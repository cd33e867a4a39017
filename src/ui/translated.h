#pragma once
// The window's texts and the sentences made without Qt, in the user's
// language. Where no translation is loaded the English stands.

#include "form/fields.h"
#include "message/message.h"

#include <QString>

#include <string_view>

namespace ui {

QString translated(const message::Text& text);
QString translated(const message::Message& message);

// A caption or description from the control table.
QString translatedCaption(std::string_view caption);

// The sentence after the caption of the field it is about, when there is
// one: "Bore: 'abc' is not a number."
QString aboutField(std::optional<form::Field> field, const QString& sentence);

// Sentences whose last word is an abbreviation end with its full stop, not a
// second one: "Distancia de squish: 0,0358 pulg." where the unit is "pulg.".
QString endedOnce(QString sentences);

} // namespace ui
