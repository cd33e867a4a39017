// Draws the calculator as a user sees it after working the first example, and
// saves the picture: torvane_screenshot OUTPUT.png. The scale comes from
// QT_SCALE_FACTOR, so the same program makes the 1x and 2x pictures. Every
// entry goes through the real widgets and focus moves, so what is drawn is
// what the procedures wrote, not a mock-up.

#include "tools/driven_window.h"
#include "ui/calculator_window.h"
#include "ui/translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <utility>

namespace {

using tools::child;
using tools::kExpectedRatio;
using tools::kFirstExample;

void settle(const QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    while (!window.isActiveWindow() && clock.elapsed() < 5000);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }

    // The words in the desktop's language (LANGUAGE=de shows the German
    // window); the figures are the worked example's, written with points.
    const ui::Translations translations(QLocale::system());
    ui::CalculatorWindow window(QLocale(QLocale::English, QLocale::UnitedStates));
    window.show();
    window.activateWindow();
    settle(window);

    const tools::MessageBoxWatch watch;

    // Each entry is typed, then left, as a user would: leaving bore and stroke
    // fills in the capacity.
    for (const auto& [name, text] : kFirstExample) {
        auto& field = child<QLineEdit>(window, name);
        field.setFocus(Qt::TabFocusReason);
        field.setText(QString::fromLatin1(text));
        settle(window);
    }
    auto& calculate = child<QPushButton>(window, "calc");
    calculate.setFocus(Qt::MouseFocusReason);
    calculate.click();
    settle(window);

    const QString ratio = child<QLabel>(window, "vorsil").text();
    if (watch.interrupted() || ratio != QLatin1String(kExpectedRatio)) {
        std::fprintf(stderr, "the example gave %s, not %s\n", qPrintable(ratio), kExpectedRatio);
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
