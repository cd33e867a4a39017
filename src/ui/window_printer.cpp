#include "ui/window_printer.h"

#include "ui/window_page.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace ui {

WindowPrinter::WindowPrinter(QWidget& window, Listener onNews) : window_(window), onNews_(std::move(onNews)) {}

WindowPrinter::~WindowPrinter()
{
    prints_.clear(); // each thread is asked to stop, then joined
    while (onTheirWay_ > 0)
        settle();
}

void WindowPrinter::print()
{
    const std::string page = spoolWindowPage(window_);
    const std::string title = window_.windowTitle().toStdString();
    const int id = nextId_++;
    // What the thread posts runs only once this click's event is done.
    const auto send = [this, id, page, title](std::stop_token stop) {
        bool heardBack = false;
        printPdfFile(page, title, stop, [&](const PrintNews& news) {
            post([this, news, first = !std::exchange(heardBack, true)] {
                if (first) settle();
                if (news.kind != PrintNews::Kind::HandedOver) onNews_(news);
            });
        });
        post([this, id, first = !heardBack] {
            if (first) settle();
            prints_.remove_if([id](const Print& print) { return print.id == id; }); // joins a finished thread
        });
    };
    try {
        prints_.push_back({id, std::jthread(send)});
    } catch (...) {
        std::remove(page.c_str());
        throw;
    }
    if (onTheirWay_++ == 0) QApplication::setOverrideCursor(Qt::BusyCursor);
}

// Queued, so that it runs on the window's thread once the current event is
// done; dropped if the printer is gone by then.
void WindowPrinter::post(std::function<void()> onWindowThread)
{
    QMetaObject::invokeMethod(this, std::move(onWindowThread), Qt::QueuedConnection);
}

// One page fewer on its way to the server.
void WindowPrinter::settle()
{
    if (--onTheirWay_ == 0) QApplication::restoreOverrideCursor();
}

} // namespace ui
