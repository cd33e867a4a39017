#include "ui/window_page.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QStyle>
#include <QWidget>

#include <memory>

namespace ui {

namespace {

constexpr qreal kMarginMm = 10;
// Device units of the page; the window is drawn as vectors, so this only sets
// how finely positions on the page are written.
constexpr int kPageDpi = 600;

} // namespace

WindowImage recordWindow(QWidget& window)
{
    WindowImage image;
    image.size = window.size();
    image.title = window.windowTitle();
    image.localPaper =
        QPageSize(window.locale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
    // A palette set and put back within this event is never painted on
    // screen: the repaints it asks for come after, in the window's own colours.
    const bool ownPalette = window.testAttribute(Qt::WA_SetPalette);
    const QPalette shown = window.palette();
    const auto putBack = [&](QWidget* w) { w->setPalette(ownPalette ? shown : QPalette()); };
    window.setPalette(window.style()->standardPalette());
    const std::unique_ptr<QWidget, decltype(putBack)> restore(&window, putBack);
    QPainter painter(&image.picture);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

QByteArray drawPage(const WindowImage& image, const QPageSize& paper)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(image.title);
        writer.setCreator(image.title);
        writer.setResolution(kPageDpi);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        QPainter painter(&writer);
        const QRect page = painter.viewport();
        const QSize fitted = image.size.scaled(page.size(), Qt::KeepAspectRatio);
        // A picture is played at the resolution of the device it is played
        // on: recorded at the screen's, it would come out as many times too
        // large as the writer's resolution is finer.
        const qreal toPicture = qreal(image.picture.logicalDpiX()) / writer.logicalDpiX();
        painter.scale(toPicture * fitted.width() / image.size.width(),
                      toPicture * fitted.height() / image.size.height());
        painter.drawPicture(0, 0, image.picture);
    }
    return pdf;
}

} // namespace ui
