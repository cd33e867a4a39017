#pragma once
// What the programs that drive the real window without a person share: the
// worked example they fill in, a way to find a control by name, and a watch
// that closes an unexpected message box instead of hanging on it.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace tools {

// The first worked example, inch units: Calculate shows kExpectedRatio.
inline constexpr std::pair<const char*, const char*> kFirstExample[] = {
    {"cyls", "8"},  {"bore", "4.030"}, {"stroke", "3.480"},  {"chamb", "64"},
    {"dome", "-5"}, {"deck", "0.015"}, {"gasketvol", "9.2"},
};
inline constexpr const char* kExpectedRatio = "9.9417";

template <typename Widget> Widget& child(const QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("the window has no control %s", name);
    return *widget;
}

// A message box would stop the run inside its own event loop: this closes it,
// says so on stderr, and remembers that the run went wrong.
class MessageBoxWatch {
public:
    MessageBoxWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "unexpected message: %s\n", qPrintable(box->text()));
                interrupted_ = true;
                box->reject();
            }
        });
        timer_.start(20);
    }
    bool interrupted() const { return interrupted_; }

private:
    QTimer timer_;
    bool interrupted_ = false;
};

} // namespace tools
