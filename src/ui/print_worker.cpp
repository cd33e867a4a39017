#include "ui/print_worker.h"

#include <algorithm>
#include <exception>
#include <new>

#include <pthread.h>

namespace ui {

namespace {

// How long a printer's fault, once told, is not told again.
constexpr auto kOnceWithin = std::chrono::seconds(30);
// How often a job handed over is asked about.
constexpr auto kAskEvery = std::chrono::milliseconds(500);

} // namespace

// Once the window closes, following ends, and the pages left go on until
// the cut-off and are dropped after it.
void WindowPrinter::Worker::run()
{
    // Named, so that a debugger, top or a test can tell it.
    pthread_setname_np(pthread_self(), "torvane-print");
    for (;;) {
        std::optional<Errand::Page> page;
        bool stopping = false;
        {
            std::unique_lock lock(errand_->mutex);
            const auto woken = [this] { return errand_->stopping || !errand_->queue.empty(); };
            if (followed_.empty())
                errand_->changed.wait(lock, woken);
            else
                errand_->changed.wait_for(lock, kAskEvery, woken);
            stopping = errand_->stopping;
            if (!errand_->queue.empty() && !errand_->deadline.pastCutoff()) {
                page = std::move(errand_->queue.front());
                errand_->queue.pop_front();
            }
        }
        if (stopping) followed_.clear();
        if (page)
            printPage(*page);
        else if (stopping)
            break;
        else
            followAll();
    }
    const std::lock_guard lock(errand_->mutex);
    errand_->finished = true;
    errand_->changed.notify_all();
}

// Finds the printer and paper, has the page drawn and hands it over; tells
// what came of it, and follows its job.
void WindowPrinter::Worker::printPage(const Errand::Page& page)
{
    int through = page.number;
    PrintNews failure; // none: the page only settles
    const PrintNews* news = &failure;
    std::unique_ptr<print::PrintJob> job;
    try {
        job = std::make_unique<print::PrintJob>(errand_->deadline);
        if (const std::optional<std::string> pdf = drawn(page.number, job->paper()))
            job->send(*pdf, page.title, [this](const PrintNews& heard) { tell(heard); });
        else
            job.reset(); // the window closed before it was drawn: nothing was sent
    } catch (...) {
        job.reset();
        try {
            failure = failed(through);
        } catch (...) {
            news = &errand_->outOfMemory;
        }
    }
    settle(through, *news);
    try {
        if (job) followed_.push_back(std::move(job));
    } catch (...) {
        // The page is with the server; it is only not followed.
    }
}

// What to tell of the page whose exception is being handled. A server or
// printer that cannot take any page fails the pages queued behind with it.
PrintNews WindowPrinter::Worker::failed(int& settledThrough)
{
    try {
        throw;
    } catch (const print::Failure& failure) {
        if (failure.cause.empty()) return {PrintNews::Kind::Failed, failure.text};
        const int pages = 1 + failQueued(settledThrough);
        return {PrintNews::Kind::Failed,
                pages == 1 ? failure.text
                           : message::Message(USER_PLURAL("ui::WindowPrinter", "%1, so %n pages were not printed."),
                                              {failure.cause}, pages)};
    } catch (const std::bad_alloc&) {
        return errand_->outOfMemory;
    } catch (const std::exception& error) {
        return {PrintNews::Kind::Failed,
                {USER_TEXT("ui::WindowPrinter", "Printing failed (%1), so nothing was printed."),
                 {std::string(error.what())}}};
    }
}

// Takes the pages queued behind out of the queue; says how many.
int WindowPrinter::Worker::failQueued(int& settledThrough)
{
    const std::lock_guard lock(errand_->mutex);
    const int pages = static_cast<int>(errand_->queue.size());
    if (pages > 0) settledThrough = errand_->queue.back().number;
    errand_->queue.clear();
    return pages;
}

// The page as a PDF of the paper given, drawn on the window's thread; none
// when the window is gone before it could draw it.
std::optional<std::string> WindowPrinter::Worker::drawn(int page, std::optional<print::Paper> paper)
{
    std::unique_lock lock(errand_->mutex);
    if (!errand_->window) return std::nullopt;
    errand_->drawn.reset();
    errand_->wanted = Errand::Wanted{page, paper};
    if (!errand_->stopping) emit errand_->window->pageWanted(QPrivateSignal());
    errand_->changed.notify_all(); // a closing window draws it while it waits
    errand_->changed.wait(lock, [this] { return errand_->drawn.has_value() || !errand_->window; });
    if (!errand_->drawn) return std::nullopt;
    Errand::Drawn result = std::move(*errand_->drawn);
    errand_->drawn.reset();
    if (result.outOfMemory) throw std::bad_alloc();
    return std::move(result.pdf);
}

// Asks once about each job handed over; keeps those to ask about again.
void WindowPrinter::Worker::followAll()
{
    std::erase_if(followed_, [this](const std::unique_ptr<print::PrintJob>& job) {
        try {
            return !job->follow([this](const PrintNews& news) { tell(news); });
        } catch (...) {
            return true; // the page is with the server; only following it failed
        }
    });
}

void WindowPrinter::Worker::tell(const PrintNews& news) noexcept
{
    try {
        // Pages waiting on the same fault of the same printer are told of once.
        if (news.kind == PrintNews::Kind::Waiting) {
            const auto now = print::Clock::now();
            std::string said = message::english(news.text);
            if (said == lastWaiting_ && now < lastWaitingAt_ + kOnceWithin) return;
            lastWaiting_ = std::move(said);
            lastWaitingAt_ = now;
        }
    } catch (...) {
        return; // no memory to tell it with
    }
    const std::lock_guard lock(errand_->mutex);
    emitLocked(news);
}

// The pages up to through are no longer on their way; the news, if it has
// words, is told.
void WindowPrinter::Worker::settle(int through, const PrintNews& news) noexcept
{
    const std::lock_guard lock(errand_->mutex);
    errand_->settledThrough = std::max(errand_->settledThrough, through);
    emitLocked(news);
}

void WindowPrinter::Worker::emitLocked(const PrintNews& news) noexcept
{
    if (!errand_->window || errand_->stopping) return;
    try {
        emit errand_->window->workerTold(news, QPrivateSignal());
    } catch (...) {
        // No memory for the event: the pages settled are counted all the
        // same, and the next news brings the count to the window.
    }
}

} // namespace ui
