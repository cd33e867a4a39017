#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ui {

Translations::Translations(const QLocale& messages)
{
    for (const QString& language : messages.uiLanguages()) {
        const QLocale wanted(language);
        // English, or no language, before any other: the designed texts.
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) return;
        if (!ours_.load(wanted, QStringLiteral("torvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))) continue;
        QCoreApplication::installTranslator(&ours_);
        // Qt's own in the same language, never in another: its buttons then
        // read as the rest of the window.
        if (qt_.load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        return;
    }
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&ours_);
}

} // namespace ui
