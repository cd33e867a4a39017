// Loaded into the calculator with LD_PRELOAD, so that the package test and
// the start-up file check see the window that the program itself builds, with
// nothing added to it. Once the event loop has run for a moment it reports each
// visible top-level window on standard output and ends the program:
//
//   window title=Torvane - Quenvar size=717x291 controls=37 label_font=Liberation Serif colours=12
//   words stroke=Stroke cancel=Cancel decimal=.
//
// and exits 0; with no visible window after 10 s it says so and exits 3.

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

void report(QWidget& window)
{
    // The controls the user sees; a screen reader's hidden helpers are not.
    auto controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([&](const QWidget* control) { return !control->isVisibleTo(&window); });
    const auto* label = window.findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    const QString font = label ? QFontInfo(label->font()).family() : QString();
    std::printf("window title=%s size=%dx%d controls=%lld label_font=%s colours=%d\n", qPrintable(window.windowTitle()),
                window.width(), window.height(), static_cast<long long>(controls.size()), qPrintable(font),
                distinctColours(window.grab().toImage()));
    // The language of its words and of Qt's buttons, and its numbers' decimal.
    const auto* stroke = window.findChild<QLabel*>(QStringLiteral("Label3"));
    std::printf("words stroke=%s cancel=%s decimal=%s\n", stroke ? qPrintable(stroke->text()) : "",
                qPrintable(QCoreApplication::translate("QPlatformTheme", "Cancel")),
                qPrintable(window.locale().decimalPoint()));
}

void lookForWindows()
{
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) shown.append(widget);
    if (!shown.isEmpty()) {
        for (QWidget* window : shown)
            report(*window);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    } else if (clock.elapsed() > 10000) {
        std::printf("no window was shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(3);
    } else {
        QTimer::singleShot(100, lookForWindows);
    }
}

// Runs as the program constructs its QApplication; the first look waits for
// the event loop.
void startProbe()
{
    QTimer::singleShot(300, lookForWindows);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
