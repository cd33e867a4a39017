#include "ui/window_printer.h"

#include "form/form_view.h"
#include "ui/print_worker.h"

#include <QApplication>
#include <QWidget>

#include <new>
#include <system_error>
#include <utility>

namespace ui {

namespace {

// How long closing the window waits, in all, for pages on their way.
constexpr auto kCloseWithin = std::chrono::seconds(5);

} // namespace

WindowPrinter::WindowPrinter(QWidget& window) : window_(window)
{
    connect(this, &WindowPrinter::workerTold, this, &WindowPrinter::hear, Qt::QueuedConnection);
    connect(this, &WindowPrinter::pageWanted, this, &WindowPrinter::drawWanted, Qt::QueuedConnection);
}

WindowPrinter::~WindowPrinter()
{
    if (!worker_.joinable()) return;
    const auto cutoff = print::Clock::now() + kCloseWithin;
    errand_->deadline.closeBy(cutoff);
    std::unique_lock lock(errand_->mutex);
    errand_->stopping = true;
    errand_->changed.notify_all();
    // The events that ask for pages to be drawn are no longer delivered, so
    // the pages still on their way are drawn here while the worker has them.
    const auto serveUntil = [&](print::Clock::time_point until) {
        while (errand_->changed.wait_until(lock, until, [&] { return errand_->finished || errand_->wanted; }) &&
               !errand_->finished) {
            lock.unlock();
            drawWanted();
            lock.lock();
        }
    };
    serveUntil(cutoff);
    errand_->deadline.stopConnecting();
    serveUntil(cutoff + print::kCancelWithin);
    const bool finished = errand_->finished;
    errand_->window = nullptr;
    lock.unlock();
    errand_->changed.notify_all();
    if (finished)
        worker_.join();
    else
        worker_.detach(); // it holds the errand, and ends when its call does
    if (busy_) QApplication::restoreOverrideCursor();
}

void WindowPrinter::print()
{
    WindowImage image = recordWindow(window_);
    std::string title = image.title.toStdString();
    if (!errand_) {
        errand_ = std::make_shared<Errand>();
        errand_->window = this;
        errand_->outOfMemory = {PrintNews::Kind::Failed,
                                USER_TEXT("ui::WindowPrinter",
                                          "There was not enough memory to make or send the page, so nothing was "
                                          "printed.")};
    }
    try {
        if (!worker_.joinable()) worker_ = std::thread([errand = errand_] { Worker(errand).run(); });
    } catch (const std::system_error& error) {
        throw form::PrinterError(
            {USER_TEXT("ui::WindowPrinter", "The print could not be started (%1), so nothing was printed."),
             {std::string(error.what())}});
    }
    const int page = lastPage_ + 1;
    const auto recorded = images_.emplace(page, std::move(image)).first;
    try {
        const std::lock_guard lock(errand_->mutex);
        errand_->queue.push_back({page, std::move(title)});
    } catch (...) {
        images_.erase(recorded);
        throw;
    }
    errand_->changed.notify_all();
    lastPage_ = page;
    if (!busy_) QApplication::setOverrideCursor(Qt::BusyCursor);
    busy_ = true;
}

// Once the current event is done: the pages settled are no longer on their
// way, and news with words is told.
void WindowPrinter::hear(const PrintNews& news)
{
    int settled = 0;
    {
        // Taken before the news is read; the worker told it under the lock.
        const std::lock_guard lock(errand_->mutex);
        settled = errand_->settledThrough;
    }
    images_.erase(images_.begin(), images_.upper_bound(settled));
    if (busy_ && settled >= lastPage_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
    if (!news.text.empty()) emit told(news);
}

// Plays the recording of the page the worker waits for into a PDF of its
// paper, and hands the file over.
void WindowPrinter::drawWanted()
{
    std::optional<Errand::Wanted> wanted;
    {
        const std::lock_guard lock(errand_->mutex);
        wanted = std::exchange(errand_->wanted, std::nullopt);
    }
    if (!wanted) return;
    Errand::Drawn drawn;
    try {
        if (const auto image = images_.find(wanted->page); image != images_.end()) {
            const auto& paper = wanted->paper;
            const QByteArray pdf = drawPage(
                image->second, paper ? QPageSize(QSizeF(paper->widthMm, paper->heightMm), QPageSize::Millimeter)
                                     : image->second.localPaper);
            drawn.pdf.assign(pdf.constData(), static_cast<size_t>(pdf.size()));
            images_.erase(image);
        }
    } catch (const std::bad_alloc&) {
        drawn.outOfMemory = true;
    }
    {
        const std::lock_guard lock(errand_->mutex);
        errand_->drawn = std::move(drawn);
    }
    errand_->changed.notify_all();
}

} // namespace ui
