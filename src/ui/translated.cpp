#include "ui/translated.h"

#include <QCoreApplication>

namespace ui {

QString translated(const numeric::Text& text)
{
    return QCoreApplication::translate(text.context, text.source);
}

QString translated(const numeric::Message& message)
{
    const auto translate = [](const numeric::Text& text, std::optional<int> count) {
        return QCoreApplication::translate(text.context, text.source, nullptr, count.value_or(-1)).toStdString();
    };
    return QString::fromStdString(numeric::compose(message, translate));
}

}  // namespace ui
