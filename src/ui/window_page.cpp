#include "ui/window_page.h"

#include "numeric/runtime_error.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QWidget>

#include <new>

namespace ui {

namespace {

constexpr qreal kMarginMm = 10;
// Device units of the page; the window is drawn as vectors, so this only sets
// how finely positions on the page are written.
constexpr int kPageDpi = 600;

[[noreturn]] void fail(const QString& why)
{
    throw numeric::RuntimeError(numeric::ErrorKind::PrinterError, why.toStdString());
}

QPageSize paperFor(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void drawPage(QWidget& window, QIODevice& file)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(window.windowTitle());
    pdf.setCreator(window.windowTitle());
    pdf.setResolution(kPageDpi);
    pdf.setPageLayout(QPageLayout(paperFor(window.locale()), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    QPainter painter(&pdf);
    const QRect page = painter.viewport();
    const QSize fitted = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.scale(qreal(fitted.width()) / window.width(), qreal(fitted.height()) / window.height());
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

} // namespace

std::string spoolWindowPage(QWidget& window)
{
    const QString folder = QDir::tempPath();
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral("torvane-page-XXXXXX.pdf")));
    const auto notWritten = [&] {
        fail(QStringLiteral("The page could not be written to the temporary folder %1 (%2), so nothing was printed.")
                 .arg(folder, file.errorString()));
    };
    if (!file.open()) notWritten();
    try {
        drawPage(window, file);
    } catch (const std::bad_alloc&) {
        fail(QStringLiteral("There is not enough memory to make the page, so nothing was printed."));
    }
    // A short write, a full disk among them, shows only here; the file is
    // removed with the object.
    file.close();
    if (file.error() != QFileDevice::NoError) notWritten();
    file.setAutoRemove(false);
    return file.fileName().toStdString();
}

} // namespace ui
