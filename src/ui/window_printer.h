#pragma once
// Printing the window without holding it up. The window is recorded at once,
// on its own thread, so the page shows it as it was when Print was clicked;
// one worker thread then makes each page and hands it to the print server,
// one after another, follows the jobs between pages, and tells back on the
// window's thread what came of them.

#include "print/print_job.h"
#include "ui/window_page.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class QWidget;

namespace ui {

// What the window hears of a page; a Failed with no text only settles it.
using PrintNews = print::News;

class WindowPrinter : public QObject {
public:
    using Listener = std::function<void(const PrintNews&)>;

    // onNews hears every page that does not print, or waits, on the
    // window's thread.
    WindowPrinter(QWidget& window, Listener onNews);
    // Stops following the pages handed over at once, and gives the pages
    // still on their way about five seconds in all; a page not handed over
    // whole by then is cancelled.
    ~WindowPrinter() override;

    // Records the window and queues its page. The busy pointer shows while
    // any page is on its way to the server.
    void print();

private:
    void work();
    std::unique_ptr<print::PrintJob> printOne(const WindowImage& image);
    bool follow(print::PrintJob& job);
    void tellNews(const print::News& news);
    int failQueued();
    void tell(PrintNews news, int settled);
    void deliver();

    struct Told {
        PrintNews news;
        int settled = 0; // pages no longer on their way
    };

    QWidget& window_;
    Listener onNews_;
    print::Closing closing_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<WindowImage> queue_; // under mutex_
    bool stopping_ = false;         // under mutex_
    std::deque<Told> outbox_;       // under mutex_
    int onTheirWay_ = 0;            // the window's thread only
    std::string lastWaiting_;       // the worker's only
    print::Clock::time_point lastWaitingAt_;
    std::thread worker_; // started on the first print
};

} // namespace ui
