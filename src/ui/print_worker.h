#pragma once
// The worker of WindowPrinter, and what it shares with the window under one
// lock: the pages queued, the page it waits to have drawn, how many pages
// are settled. It emits the window's signals under that lock, and the window
// takes the lock before it reads what they carry, so the lock, which the
// thread checkers see, orders the two as Qt's event queue does. Nothing of
// Qt's is touched here but those signals.

#include "ui/window_printer.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ui {

struct WindowPrinter::Errand {
    struct Page {
        int number;
        std::string title;
    };
    struct Wanted {
        int page;
        std::optional<print::Paper> paper; // none: the window's local paper
    };
    struct Drawn {
        std::string pdf;
        bool outOfMemory = false;
    };

    std::mutex mutex;
    std::condition_variable changed; // anything below, for either side
    std::deque<Page> queue;
    bool stopping = false;
    WindowPrinter* window = nullptr; // whom the worker tells; none once nobody listens
    std::optional<Wanted> wanted;
    std::optional<Drawn> drawn;
    int settledThrough = 0; // the pages up to this number are no longer on their way
    bool finished = false;  // the worker has ended
    print::CloseDeadline deadline;
    // Made before it is needed: with no memory left, the box about it is
    // the one thing the worker can still say.
    PrintNews outOfMemory;
};

class WindowPrinter::Worker {
public:
    explicit Worker(std::shared_ptr<Errand> errand) : errand_(std::move(errand)) {}
    // Pages one after another, each handed over as soon as it comes;
    // between pages, the jobs handed over are followed. Nothing it calls
    // can end it with an exception.
    void run();

private:
    void printPage(const Errand::Page& page);
    PrintNews failed(int& settledThrough);
    int failQueued(int& settledThrough);
    std::optional<std::string> drawn(int page, std::optional<print::Paper> paper);
    void followAll();
    void tell(const PrintNews& news) noexcept;
    void settle(int through, const PrintNews& news) noexcept;
    void emitLocked(const PrintNews& news) noexcept;

    std::shared_ptr<Errand> errand_;
    std::vector<std::unique_ptr<print::PrintJob>> followed_;
    std::string lastWaiting_;
    print::Clock::time_point lastWaitingAt_;
};

} // namespace ui
