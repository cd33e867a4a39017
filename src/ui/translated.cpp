#include "ui/translated.h"

#include "ui/control_table.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ui {

QString translated(const message::Text& text)
{
    return QCoreApplication::translate(text.context, text.source);
}

QString translated(const message::Message& message)
{
    const auto translate = [](const message::Text& text, std::optional<int> count) {
        return QCoreApplication::translate(text.context, text.source, nullptr, count.value_or(-1)).toStdString();
    };
    return QString::fromStdString(message::compose(message, translate));
}

QString translatedCaption(std::string_view caption)
{
    return QCoreApplication::translate(kCaptionContext, std::string(caption).c_str());
}

QString aboutField(std::optional<form::Field> field, const QString& sentence)
{
    if (!field) return sentence;
    return QCoreApplication::translate("ui", "%1: %2", "a field's caption, then what is wrong with its figure")
        .arg(translatedCaption(captionOf(*field)), sentence);
}

QString endedOnce(QString sentences)
{
    // Two stops before a space or the end, and not part of an ellipsis.
    static const QRegularExpression doubled(QStringLiteral(R"((?<!\.)\.\.(?=\s|$))"));
    return sentences.replace(doubled, QStringLiteral("."));
}

} // namespace ui
