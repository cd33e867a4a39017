#include "ui/window_printer.h"

#include "numeric/runtime_error.h"

#include <QLibrary>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <optional>
#include <string>

namespace ui {

namespace {

// The window is drawn at this multiple of its size so that text stays sharp
// when the image is scaled up to the page.
constexpr int kOversampling = 4;

[[noreturn]] void fail(const std::string& why)
{
    throw numeric::RuntimeError(numeric::ErrorKind::PrinterError, why);
}

// Qt's CUPS engine hands the finished page to the CUPS library and drops its
// answer, so a queue that refuses the job would pass for a printed page. The
// library, already loaded by Qt's print plugin, keeps the status of the last
// request made on this thread: that answer. Without CUPS there is nothing to
// ask and Qt's own state is all there is.
std::optional<std::string> refusalFromCups()
{
    QLibrary cups(QStringLiteral("cups"), 2);
    using LastError = int (*)();
    using LastErrorText = const char* (*)();
    const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    const auto lastErrorText = reinterpret_cast<LastErrorText>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorText) return std::nullopt;
    constexpr int kFirstErrorStatus = 0x0400;  // IPP: 0x0000-0x03ff are successes
    if (lastError() < kFirstErrorStatus) return std::nullopt;
    const char* text = lastErrorText();
    return std::string(text ? text : "no reason given");
}

QPixmap imageOf(QWidget& window)
{
    QPixmap image(window.size() * kOversampling);
    image.setDevicePixelRatio(kOversampling);
    window.render(&image);
    return image;
}

}  // namespace

void printWindowImage(QWidget& window)
{
    // Looked up at each click, not at start-up: the default may have changed.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) fail("No default printer is set up, so nothing was printed.");
    const std::string name = defaultPrinter.printerName().toStdString();

    // Taken before the printer opens, so the page shows exactly what the
    // window showed when Print was clicked.
    const QPixmap image = imageOf(window);

    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) fail("The printer " + name + " could not be opened, so nothing was printed.");
    // The viewport is the page's printable area; the whole window goes on it,
    // as large as fits, in its own proportions.
    const QRect page = painter.viewport();
    const QSize fitted = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), fitted), image);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        fail("The printer " + name + " reported an error, so the page may not have been printed.");
    if (const auto refusal = refusalFromCups())
        fail("The printer " + name + " did not take the page (" + *refusal + "), so nothing was printed.");
}

}  // namespace ui
