#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ui {

Translations::Translations(const QLocale& messages)
{
    // Qt's own only with ours: a window half in English would read worse
    // with German buttons.
    if (!ours_.load(messages, QStringLiteral("torvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return;
    QCoreApplication::installTranslator(&ours_);
    if (qt_.load(messages, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&ours_);
}

}  // namespace ui
