// Times the three procedures a user waits on, inside the real window on Qt's
// offscreen platform: a Calculate click, leaving bore (the capacity) and
// leaving compthick (the gasket volume), each from the simulated click or Tab
// to the moment the result is written, on a window filled with a worked
// example.
//
//   torvane_procedure_timing [REPEATS]      (default 1000)
//
// Prints one line a procedure:  NAME median_us=... p99_us=... max_us=... cpu_p99_us=...
// The cpu_ figure is the 99th percentile of the processor time this thread
// spent in the same spans: where it stays low while p99_us is high, the slow
// repeats were waiting for a processor that other work held, not working.
// Exits 1 if a procedure did not write what it should, or opened a message.
// Painting the new text happens afterwards in the event loop and is not
// counted; it is let run between repeats, outside the clock.

#include "tools/driven_window.h"
#include "ui/calculator_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

using tools::child;
using tools::kExpectedRatio;
constexpr int kWarmUp = 20;

double threadCpuMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

struct Procedure {
    const char* name;
    std::function<void()> prepare; // outside the clock
    std::function<void()> act;     // timed
    std::function<bool()> wrote;   // outside the clock
};

double percentile(std::vector<double> sorted, double fraction)
{
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

bool measure(const Procedure& procedure, int repeats)
{
    std::vector<double> micros, cpuMicros;
    micros.reserve(static_cast<std::size_t>(repeats));
    cpuMicros.reserve(static_cast<std::size_t>(repeats));
    for (int i = -kWarmUp; i < repeats; ++i) {
        procedure.prepare();
        QCoreApplication::processEvents();
        const double cpuStart = threadCpuMicros();
        const auto start = Clock::now();
        procedure.act();
        const auto end = Clock::now();
        const double cpuEnd = threadCpuMicros();
        if (!procedure.wrote()) {
            std::fprintf(stderr, "%s did not write its result\n", procedure.name);
            return false;
        }
        QCoreApplication::processEvents();
        if (i < 0) continue;
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        cpuMicros.push_back(cpuEnd - cpuStart);
    }
    std::sort(micros.begin(), micros.end());
    std::sort(cpuMicros.begin(), cpuMicros.end());
    std::printf("%s median_us=%.1f p99_us=%.1f max_us=%.1f cpu_p99_us=%.1f\n", procedure.name, percentile(micros, 0.5),
                percentile(micros, 0.99), micros.back(), percentile(cpuMicros, 0.99));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (repeats < 1) {
        std::fprintf(stderr, "usage: %s [REPEATS]\n", argv[0]);
        return 2;
    }

    ui::CalculatorWindow window(QLocale(QLocale::English, QLocale::UnitedStates));
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");

    const tools::MessageBoxWatch watch;

    for (const auto& [name, text] : tools::kFirstExample)
        child<QLineEdit>(window, name).setText(QString::fromLatin1(text));

    auto& calc = child<QPushButton>(window, "calc");
    auto& ratio = child<QLabel>(window, "vorsil");
    auto& bore = child<QLineEdit>(window, "bore");
    auto& capacity = child<QLabel>(window, "Label17");
    auto& compthick = child<QLineEdit>(window, "compthick");
    auto& gasketvol = child<QLineEdit>(window, "gasketvol");

    // Focus is put back with a reason that runs no leave procedure, so only
    // the timed Tab leaves a field.
    const Procedure procedures[] = {
        {"calculate", [&] { ratio.clear(); },
         [&] { QTest::mouseClick(&calc, Qt::LeftButton, {}, calc.rect().center()); },
         [&] { return ratio.text() == QLatin1String(kExpectedRatio); }},
        {"bore_leave",
         [&] {
             capacity.clear();
             bore.setFocus(Qt::ActiveWindowFocusReason);
         },
         [&] { QTest::keyClick(&bore, Qt::Key_Tab); }, [&] { return !capacity.text().isEmpty(); }},
        {"compthick_leave",
         [&] {
             child<QLineEdit>(window, "gasketbore").setText(QStringLiteral("4.100"));
             compthick.setText(QStringLiteral("0.040"));
             gasketvol.clear();
             compthick.setFocus(Qt::ActiveWindowFocusReason);
         },
         [&] { QTest::keyClick(&compthick, Qt::Key_Tab); }, [&] { return !gasketvol.text().isEmpty(); }},
    };
    for (const Procedure& procedure : procedures)
        if (!measure(procedure, repeats) || watch.interrupted()) return 1;
    return 0;
}
