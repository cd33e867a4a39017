#include "ui/window_printer.h"

#include "numeric/runtime_error.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace ui {

namespace {

// The window is drawn at this multiple of its size so that text stays sharp
// when the image is scaled up to the page.
constexpr int kOversampling = 4;

[[noreturn]] void fail(const char* why)
{
    throw numeric::RuntimeError(numeric::ErrorKind::PrinterError, why);
}

}  // namespace

void printWindowImage(QWidget& window)
{
    // Looked up at each click, not at start-up: the default may have changed.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) fail("No default printer is set up, so nothing was printed.");

    QPixmap image(window.size() * kOversampling);
    image.setDevicePixelRatio(kOversampling);
    window.render(&image);

    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) fail("The printer could not be opened, so nothing was printed.");
    const QRect page = painter.viewport();
    const QSize fitted = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), fitted), image);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        fail("The printer reported an error, so the page may not have been printed.");
}

}  // namespace ui
