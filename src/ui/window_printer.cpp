#include "ui/window_printer.h"

#include "numeric/runtime_error.h"

#include <QApplication>
#include <QWidget>

#include <exception>
#include <memory>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

namespace ui {

namespace {

// How long closing the window waits, in all, for pages on their way.
constexpr auto kCloseWithin = std::chrono::seconds(5);
// How long a printer's fault, once told, is not told again.
constexpr auto kOnceWithin = std::chrono::seconds(30);
// How often a job handed over is asked about.
constexpr auto kAskEvery = std::chrono::milliseconds(500);

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
        throw numeric::RuntimeError(
            numeric::ErrorKind::PrinterError,
            {USER_TEXT("ui::WindowPrinter", "The print could not be started (%1), so nothing was printed."),
             {std::string(error.what())}});
    }
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(image));
    }
    wake_.notify_one();
    if (onTheirWay_++ == 0) QApplication::setOverrideCursor(Qt::BusyCursor);
}

// The worker: pages one after another, each handed over as soon as it
// comes; between pages, the jobs handed over are followed, each asked about
// every half second. Once the window closes, following ends, and the pages
// left go on until the cut-off and are dropped after it.
void WindowPrinter::work()
{
    std::vector<std::unique_ptr<print::PrintJob>> followed;
    for (;;) {
        std::unique_lock lock(mutex_);
        const auto woken = [this] { return stopping_ || !queue_.empty(); };
        if (followed.empty())
            wake_.wait(lock, woken);
        else
            wake_.wait_for(lock, kAskEvery, woken);
        if (stopping_) followed.clear();
        if (!queue_.empty()) {
            if (closing_.pastCutoff()) return;
            const WindowImage image = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            if (auto job = printOne(image)) followed.push_back(std::move(job));
            continue;
        }
        if (stopping_) return;
        lock.unlock();
        std::erase_if(followed, [this](const std::unique_ptr<print::PrintJob>& job) { return !follow(*job); });
    }
}

void WindowPrinter::tellNews(const print::News& news)
{
    // Pages waiting on the same fault of the same printer are told of once.
    if (news.kind == print::News::Kind::Waiting) {
        const auto now = print::Clock::now();
        std::string said = numeric::english(news.text);
        if (said == lastWaiting_ && now < lastWaitingAt_ + kOnceWithin) return;
        lastWaiting_ = std::move(said);
        lastWaitingAt_ = now;
    }
    tell(news, 0);
}

// Makes the page and hands it over; returns its job to follow, if any.
std::unique_ptr<print::PrintJob> WindowPrinter::printOne(const WindowImage& image)
{
    try {
        auto job = std::make_unique<print::PrintJob>(closing_);
        const auto paper = job->paper();
        const QByteArray pdf =
            drawPage(image, paper ? QPageSize(QSizeF(paper->widthMm, paper->heightMm), QPageSize::Millimeter)
                                  : image.localPaper);
        job->send(std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())), image.title.toStdString(),
                  [this](const print::News& news) { tellNews(news); });
        tell({PrintNews::Kind::Failed, {}}, 1); // no longer on its way; nothing to say
        return job;
    } catch (const print::Failure& failure) {
        if (failure.cause.empty()) {
            tell({PrintNews::Kind::Failed, failure.text}, 1);
            return nullptr;
        }
        // The pages behind cannot print either: one box for them all.
        const int pages = 1 + failQueued();
        tell({PrintNews::Kind::Failed,
              pages == 1 ? failure.text
                         : numeric::Message(USER_PLURAL("ui::WindowPrinter", "%1, so %n pages were not printed."),
                                            {failure.cause}, pages)},
             pages);
    } catch (const std::bad_alloc&) {
        tell({PrintNews::Kind::Failed,
              USER_TEXT("ui::WindowPrinter",
                        "There was not enough memory to make or send the page, so nothing was printed.")},
             1);
    } catch (const std::exception& error) {
        tell({PrintNews::Kind::Failed,
              {USER_TEXT("ui::WindowPrinter", "Printing failed (%1), so nothing was printed."),
               {std::string(error.what())}}},
             1);
    }
    return nullptr;
}

// Asks once about a job handed over; says whether to ask again.
bool WindowPrinter::follow(print::PrintJob& job)
{
    try {
        return job.follow([this](const print::News& news) { tellNews(news); });
    } catch (const std::exception&) {
        return false; // the page is with the server; only following it failed
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

// Hands news to the window's thread through the outbox, under the worker's
// lock; there, once the current event is done, settled pages are no longer
// on their way, and news with words is heard. Dropped when the window is gone.
void WindowPrinter::tell(PrintNews news, int settled)
{
    if (closing_.closing()) return;
    {
        const std::lock_guard lock(mutex_);
        outbox_.push_back({std::move(news), settled});
    }
    QMetaObject::invokeMethod(
        this, [this] { deliver(); }, Qt::QueuedConnection);
}

void WindowPrinter::deliver()
{
    Told told;
    {
        const std::lock_guard lock(mutex_);
        if (outbox_.empty()) return;
        told = std::move(outbox_.front());
        outbox_.pop_front();
    }
    if (told.settled > 0 && (onTheirWay_ -= told.settled) == 0) QApplication::restoreOverrideCursor();
    // Showing a box needs memory too; without it there is no way left to
    // tell, and the window must go on.
    try {
        if (!told.news.text.empty()) onNews_(told.news);
    } catch (const std::exception&) {
    }
}

} // namespace ui
