#include "ui/window_printer.h"

#include "numeric/runtime_error.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <exception>
#include <new>
#include <system_error>
#include <utility>

namespace ui {

namespace {

// How long closing the window waits, in all, for pages on their way.
constexpr auto kCloseWithin = std::chrono::seconds(5);

QString translate(const char* text)
{
    return QCoreApplication::translate("ui::WindowPrinter", text);
}

} // namespace

WindowPrinter::WindowPrinter(QWidget& window, Listener onNews) : window_(window), onNews_(std::move(onNews)) {}

WindowPrinter::~WindowPrinter()
{
    closing_.closeBy(print::Clock::now() + kCloseWithin);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
    if (onTheirWay_ > 0) QApplication::restoreOverrideCursor();
}

void WindowPrinter::print()
{
    WindowImage image = recordWindow(window_);
    try {
        if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    } catch (const std::system_error& error) {
        throw numeric::RuntimeError(numeric::ErrorKind::PrinterError,
                                    translate("The print could not be started (%1), so nothing was printed.")
                                        .arg(QString::fromLocal8Bit(error.what()))
                                        .toStdString());
    }
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(image));
    }
    wake_.notify_one();
    if (onTheirWay_++ == 0) QApplication::setOverrideCursor(Qt::BusyCursor);
}

// The worker: pages one after another. Once the window closes, the pages
// left go on until the cut-off, and are dropped after it.
void WindowPrinter::work()
{
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty() || closing_.pastCutoff()) return;
        const WindowImage image = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        printOne(image);
    }
}

void WindowPrinter::printOne(const WindowImage& image)
{
    bool handedOver = false;
    const auto onNews = [&](const print::News& news) {
        const auto kind = news.kind == print::News::Kind::Paused    ? PrintNews::Kind::Paused
                          : news.kind == print::News::Kind::Waiting ? PrintNews::Kind::Waiting
                                                                    : PrintNews::Kind::Failed;
        tell({kind, news.text}, 0);
    };
    try {
        print::PrintJob job(closing_);
        const auto paper = job.paper();
        const QByteArray pdf =
            drawPage(image, paper ? QPageSize(QSizeF(paper->widthMm, paper->heightMm), QPageSize::Millimeter)
                                  : image.localPaper);
        job.send(std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())), image.title.toStdString(), onNews);
        handedOver = true;
        tell({PrintNews::Kind::Failed, {}}, 1); // no longer on its way; nothing to say
        if (!closing_.closing()) job.watch(onNews);
    } catch (const print::Failure& failure) {
        if (failure.cause.empty()) {
            tell({PrintNews::Kind::Failed, failure.text}, 1);
            return;
        }
        // The pages behind cannot print either: one box for them all.
        const int pages = 1 + failQueued();
        const QString text =
            pages == 1
                ? QString::fromStdString(failure.text)
                : translate("%1, so %2 pages were not printed.").arg(QString::fromStdString(failure.cause)).arg(pages);
        tell({PrintNews::Kind::Failed, text.toStdString()}, pages);
    } catch (const std::bad_alloc&) {
        tell({PrintNews::Kind::Failed,
              (handedOver ? translate("There was not enough memory to follow the page, so it may not have printed.")
                          : translate("There was not enough memory to make or send the page, so nothing was printed."))
                  .toStdString()},
             handedOver ? 0 : 1);
    } catch (const std::exception& error) {
        tell({PrintNews::Kind::Failed, translate("Printing failed (%1), so the page may not have printed.")
                                           .arg(QString::fromLocal8Bit(error.what()))
                                           .toStdString()},
             handedOver ? 0 : 1);
    }
}

// Takes the pages queued behind out of the queue; says how many.
int WindowPrinter::failQueued()
{
    const std::lock_guard lock(mutex_);
    const int pages = static_cast<int>(queue_.size());
    queue_.clear();
    return pages;
}

// On the window's thread, once the current event is done: settled pages are
// no longer on their way, and news with words is heard. Dropped when the
// window is gone.
void WindowPrinter::tell(PrintNews news, int settled)
{
    if (closing_.closing()) return;
    QMetaObject::invokeMethod(
        this,
        [this, news = std::move(news), settled] {
            if (settled > 0 && (onTheirWay_ -= settled) == 0) QApplication::restoreOverrideCursor();
            // Showing a box needs memory too; without it there is no way
            // left to tell, and the window must go on.
            try {
                if (!news.text.empty()) onNews_(news);
            } catch (const std::exception&) {
            }
        },
        Qt::QueuedConnection);
}

} // namespace ui
