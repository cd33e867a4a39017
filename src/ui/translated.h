#pragma once
// The sentences made without Qt, in the user's language.

#include "numeric/message.h"

#include <QString>

namespace ui {

QString translated(const numeric::Text& text);
QString translated(const numeric::Message& message);

}  // namespace ui
