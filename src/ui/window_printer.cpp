#include "ui/window_printer.h"

#include "numeric/runtime_error.h"
#include "ui/window_page.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <system_error>
#include <utility>

namespace ui {

WindowPrinter::WindowPrinter(QWidget& window, Listener onNews) : window_(window), onNews_(std::move(onNews)) {}

WindowPrinter::~WindowPrinter()
{
    // All are told first, so that their watches end together.
    for (Print& print : prints_)
        print.thread.request_stop();
    prints_.clear(); // joins each
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
        try {
            printPdfFile(page, title, stop, [&](const PrintNews& news) {
                post([this, news, first = !std::exchange(heardBack, true)] {
                    if (first) settle();
                    // Showing a box needs memory too; without it there is no
                    // way left to tell, and the window must go on.
                    try {
                        if (news.kind != PrintNews::Kind::HandedOver) onNews_(news);
                    } catch (const std::exception&) {
                    }
                });
            });
            post([this, id, first = !heardBack] {
                if (first) settle();
                prints_.remove_if([id](const Print& print) { return print.id == id; }); // joins a finished thread
            });
        } catch (const std::exception&) {
            // Out of memory for the news itself: the thread ends quietly rather
            // than end the program; its page and its count stay as they are.
        }
    };
    Print& added = prints_.emplace_back(Print{id, {}});
    try {
        added.thread = std::jthread(send);
    } catch (const std::system_error& error) {
        prints_.pop_back();
        std::remove(page.c_str());
        throw numeric::RuntimeError(numeric::ErrorKind::PrinterError, std::string("The print could not be started (") +
                                                                          error.what() + "), so nothing was printed.");
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
