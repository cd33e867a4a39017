#pragma once
// The window in the desktop's message language: the calculator's own
// catalogue and Qt's, for its standard buttons. Numbers are not touched here;
// they follow the locale the window is given.

#include <QTranslator>

class QLocale;

namespace ui {

class Translations {
public:
    // Loads the first of the locale's UI languages that has a catalogue,
    // falling back from a region to its language (de_AT reads German), unless
    // English comes first. The system locale's UI languages follow LANGUAGE,
    // then LC_ALL, LC_MESSAGES and LANG. With no catalogue the designed
    // English stands.
    explicit Translations(const QLocale& messages);
    // Takes them back out of the application.
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator ours_;
    QTranslator qt_;
};

} // namespace ui
