// The calculator: one window, shown until the user closes it.

#include "ui/calculator_window.h"
#include "ui/translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Wayland knows the window by this id; its desktop entry gives the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvane.torvane"));
    // Words follow the desktop's message language, numbers LC_NUMERIC.
    const ui::Translations translations(QLocale::system());
    ui::CalculatorWindow window(QLocale::system());
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
