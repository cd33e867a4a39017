#pragma once
// The printed page: the window as it is shown, in the style's standard
// colours whatever the desktop's, fitted to one sheet of paper.

#include <QByteArray>
#include <QPageSize>
#include <QPicture>
#include <QSize>
#include <QString>

class QWidget;

namespace ui {

// The window's paint commands, recorded on its thread.
struct WindowImage {
    QPicture picture; // in the window's own units, at the screen's resolution
    QSize size;
    QString title;
    QPageSize localPaper; // Letter where the window's locale measures in inches, A4 elsewhere
};

// Records the window in the style's standard palette, as on a light desktop,
// and puts its own palette back before anything is painted on screen.
WindowImage recordWindow(QWidget& window);

// Plays the recorded window onto one PDF page of the paper given, as large as
// fits within the margins in its own proportions, and returns the PDF file.
// On the window's thread only: playing a recording reads the screen's
// resolution, and the text needs the font database.
QByteArray drawPage(const WindowImage& image, const QPageSize& paper);

} // namespace ui
