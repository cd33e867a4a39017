#pragma once
// Printing the window without holding it up. The window is recorded at once,
// on its own thread, so the page shows it as it was when Print was clicked.
// One worker thread then finds each page's printer and paper and hands the
// page to the print server, one after another, and follows the jobs between
// pages. The worker touches nothing of Qt's: it asks the window's thread to
// play the recording into a PDF of the paper found, and its news reaches the
// window as a queued signal.

#include "print/print_job.h"
#include "ui/window_page.h"

#include <QObject>

#include <map>
#include <memory>
#include <thread>

class QWidget;

namespace ui {

// What the window hears of a page; a Failed with no text only settles pages.
using PrintNews = print::News;

class WindowPrinter : public QObject {
    Q_OBJECT

public:
    explicit WindowPrinter(QWidget& window);
    // Stops following the pages handed over at once, and gives the pages
    // still on their way about five seconds in all; a page not handed over
    // whole by then is cancelled. A worker held in a call that cannot be
    // stopped is left to end by itself, and is never heard from again.
    ~WindowPrinter() override;

    // Records the window and queues its page. The busy pointer shows while
    // any page is on its way to the server.
    void print();

signals:
    // A page that did not print, or waits.
    void told(const ui::PrintNews& news);
    // The worker's news, queued to the window's thread.
    void workerTold(const ui::PrintNews& news, QPrivateSignal);
    // The worker knows the paper of a page and waits for it to be drawn.
    void pageWanted(QPrivateSignal);

private:
    struct Errand; // what the window and the worker share
    class Worker;

    void hear(const PrintNews& news);
    void drawWanted();

    QWidget& window_;
    std::shared_ptr<Errand> errand_;    // made on the first print
    std::map<int, WindowImage> images_; // recorded, and not yet drawn or given up
    int lastPage_ = 0;                  // the number of the page queued last
    bool busy_ = false;                 // the busy pointer shows
    std::thread worker_;
};

} // namespace ui
