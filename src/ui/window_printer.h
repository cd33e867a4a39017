#pragma once
// Printing the window without holding it up. The page is made at once, on
// the window's thread, so it shows the window as it was when Print was
// clicked; each page then has a thread of its own that talks to the print
// server, and what comes of it is told back on the window's thread.

#include "ui/cups_print_job.h"

#include <QObject>

#include <functional>
#include <list>
#include <thread>

class QWidget;

namespace ui {

class WindowPrinter : public QObject {
public:
    using Listener = std::function<void(const PrintNews&)>;

    // onNews hears every Failed and Waiting, on the window's thread.
    WindowPrinter(QWidget& window, Listener onNews);
    // Stops following the pages already handed over at once, and waits
    // for the pages still on their way to be handed over: a page printed
    // just before the window closed is not lost.
    ~WindowPrinter() override;

    // Makes the page and starts its print. Raises a PrinterError when the
    // page could not be made; the server's answers come later, as news. The
    // busy cursor shows while any page is on its way to the server.
    void print();

private:
    struct Print {
        int id;
        std::jthread thread;
    };

    void post(std::function<void()> onWindowThread);
    void settle();

    QWidget& window_;
    Listener onNews_;
    std::list<Print> prints_;
    int nextId_ = 0;
    int onTheirWay_ = 0;
};

} // namespace ui
