// A long random use of the real window: twenty thousand seeded keystrokes and
// clicks, checking after each that the program is alive, answered every event
// as its procedures say and lost nothing that was typed.
//
// The run happens in a child process of this program so that a crash or a
// hang is a failure like any other: the parent then replays parts of the
// action list, each in a fresh child with a fresh window, until it has the
// shortest list it can find that still fails.
//
//   random_use_test                 a full run; TORVANE_SEED and TORVANE_ACTIONS
//                                   set the seed and the number of actions
//   TORVANE_SEED=n random_use_test --replay 3,17-19
//                                   replays those actions of that seed's run,
//                                   showing each action and what it found
//   random_use_test --child ...     one run for the parent (not for people)

#include "random_use_plan.h"
#include "random_use_session.h"
#include "random_use_shrink.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QPrinterInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <numeric>
#include <optional>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using namespace ui::random_use;

constexpr int kDefaultActions = 20'000;
constexpr qint64 kHangMs = 30'000;       // one action taking longer has hung...
constexpr qint64 kShrinkHangMs = 10'000; // ...or, while shrinking a hang, this (normal: < 0.5 s)
constexpr int kFullRunLimitMs = 360'000; // a full run takes 15-40 s; with shrinking, within ctest's 600 s
constexpr qint64 kShrinkBudgetMs = 150'000;
constexpr int kQueueDrainMs = 60'000;
constexpr int kProgressEvery = 2'000;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// ---- the child: one run, watched for crashes and hangs ----

std::atomic<int> currentAction{-1};
std::atomic<qint64> actionStartedMs{0};
std::atomic<qint64> hangLimitMs{kHangMs};
int fateFile = -1;

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The fate file holds the number of the action under way, rewritten as each
// starts, and then at most one line saying how the child died, so that a
// death the child cannot report itself (a sanitizer ending the process) still
// names its action.
constexpr std::size_t kProgressBytes = 20;

// Formats "word number number\n" with async-signal-safe code only.
std::size_t formatLine(char* line, const char* word, long long first, long long second)
{
    char* at = line;
    const auto put = [&at](long long value) {
        char digits[24];
        int count = 0;
        unsigned long long rest = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
        do
            digits[count++] = static_cast<char>('0' + rest % 10);
        while ((rest /= 10) != 0);
        if (value < 0) *at++ = '-';
        while (count > 0)
            *at++ = digits[--count];
    };
    for (const char* c = word; *c; ++c)
        *at++ = *c;
    *at++ = ' ';
    put(first);
    *at++ = ' ';
    put(second);
    *at++ = '\n';
    return static_cast<std::size_t>(at - line);
}

void noteAction(int number)
{
    char line[kProgressBytes];
    std::memset(line, ' ', sizeof line);
    const std::size_t length = formatLine(line, "at", number, 0);
    line[length - 1] = ' '; // one line however long the number was
    line[kProgressBytes - 1] = '\n';
    if (fateFile >= 0 && pwrite(fateFile, line, sizeof line, 0) < 0) _exit(4);
}

// Called from a signal handler too.
void writeFate(const char* word, long long action, long long detail)
{
    char line[80];
    const std::size_t length = formatLine(line, word, action, detail);
    if (fateFile >= 0 && pwrite(fateFile, line, length, static_cast<off_t>(kProgressBytes)) < 0) _exit(4);
}

void onFatalSignal(int signal)
{
    writeFate("crash", currentAction.load(), signal);
    std::raise(signal); // the handler was reset: the child dies of it as it would have
}

void watchForCrashes()
{
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    action.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(signal, &action, nullptr);
}

// Ends the child when one action has run for too long; the GUI thread cannot
// tell, being the one that is stuck.
std::jthread watchForHangs()
{
    return std::jthread([](std::stop_token stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const int action = currentAction.load();
            if (action >= 0 && nowMs() - actionStartedMs.load() > hangLimitMs.load()) {
                writeFate("hang", action, hangLimitMs.load());
                _exit(3);
            }
        }
    });
}

// The offscreen platform repeats some warnings for every box; once is enough.
void showEachMessageOnce(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    static std::mutex mutex;
    static QSet<QString> shown;
    {
        const std::lock_guard lock(mutex);
        if (shown.contains(message)) return;
        shown.insert(message);
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

// Leaves the printer as it was found: a later test may wait for an empty
// queue before it prints.
void waitForPrintQueue(const Figures& figures)
{
    const auto errors = figures.boxes.find(QStringLiteral("Printer error"));
    if (figures.prints == (errors == figures.boxes.end() ? 0 : errors->second)) return;
    const QString printer = QPrinterInfo::defaultPrinter().printerName();
    const QDeadlineTimer deadline(kQueueDrainMs);
    while (!deadline.hasExpired()) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), printer});
        if (!lpstat.waitForFinished(10'000) || lpstat.exitCode() != 0) return;
        if (lpstat.readAllStandardOutput().trimmed().isEmpty()) return;
        QThread::msleep(200);
    }
}

void printFigures(const Figures& figures);

struct ChildOptions {
    std::uint32_t seed = 0;
    std::vector<int> numbers;
    QString reportPath; // empty: print the figures instead
    QString fatePath;
    bool stopAtFirstViolation = false;
    bool showProgress = false;
    bool trace = false;
    qint64 hangMs = kHangMs;
};

int runChild(const ChildOptions& child)
{
    if (child.numbers.empty()) {
        std::fprintf(stderr, "no actions to run\n");
        return 2;
    }
    qInstallMessageHandler(showEachMessageOnce);
    hangLimitMs = child.hangMs;
    if (!child.fatePath.isEmpty())
        fateFile = open(QFile::encodeName(child.fatePath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    watchForCrashes();
    const std::jthread watchdog = watchForHangs();

    const Plan plan = makePlan(child.seed, *std::max_element(child.numbers.begin(), child.numbers.end()) + 1);
    QElapsedTimer clock;
    clock.start();
    int started = 0;
    RunOptions options;
    options.stopAtFirstViolation = child.stopAtFirstViolation;
    options.trace = child.trace ? &out() : nullptr;
    options.starting = [&](int number) {
        actionStartedMs = nowMs();
        currentAction = number;
        noteAction(number);
        if (child.showProgress && started > 0 && started % kProgressEvery == 0)
            out() << "  " << started << " actions, " << clock.elapsed() / 1000 << " s" << Qt::endl;
        ++started;
    };
    const Figures figures = runActions(plan, child.numbers, options);
    currentAction = -1;
    waitForPrintQueue(figures);

    if (child.reportPath.isEmpty()) {
        printFigures(figures);
    } else {
        QFile report(child.reportPath);
        if (!report.open(QIODevice::WriteOnly) || report.write(QJsonDocument(figures.toJson()).toJson()) < 0) return 2;
    }
    return figures.violations == 0 ? 0 : 1;
}

// ---- the parent: a full run in a child, then shrinking what failed ----

struct Outcome {
    enum Kind { Passed, Violated, Crashed, Hung, Broken } kind = Broken;
    int failingAction = -1; // its number in the plan; -1 when not known
    QString what;           // the invariant, or how the child died
    std::optional<Figures> figures;
};

bool sameFailure(const Outcome& a, const Outcome& b)
{
    return a.kind == b.kind && (a.kind != Outcome::Violated || a.what == b.what);
}

Outcome runInChild(std::uint32_t seed, const Actions& numbers, bool forwardOutput, bool stopAtFirst, qint64 hangMs,
                   int limitMs)
{
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("report.json"));
    const QString fate = dir.filePath(QStringLiteral("fate"));
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--child"), QString::number(seed), toRanges(numbers), report, fate,
                        stopAtFirst ? QStringLiteral("stop") : QStringLiteral("go-on"),
                        forwardOutput ? QStringLiteral("progress") : QStringLiteral("quiet"), QString::number(hangMs)});
    if (forwardOutput) {
        child.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        child.setStandardOutputFile(QProcess::nullDevice());
        child.setStandardErrorFile(QProcess::nullDevice());
    }
    out().flush();
    child.start();
    Outcome outcome;
    if (!child.waitForStarted()) {
        outcome.what = QStringLiteral("the child process did not start");
        return outcome;
    }
    const bool ended = child.waitForFinished(limitMs);
    if (!ended) {
        child.kill();
        child.waitForFinished();
    }

    QFile fateFile(fate);
    const QStringList fateLines =
        fateFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(fateFile.readAll()).split('\n') : QStringList();
    const QStringList progress = fateLines.value(0).simplified().split(' ');
    const QStringList death = fateLines.value(1).simplified().split(' ');
    outcome.failingAction = progress.size() == 3 ? progress[1].toInt() : -1;
    if (death.size() == 3) outcome.failingAction = death[1].toInt();

    QFile reportFile(report);
    if (!ended) {
        outcome.kind = Outcome::Hung;
        outcome.what = QStringLiteral("hung: the run did not end within %1 s").arg(limitMs / 1000);
    } else if (death.size() == 3 && death[0] == "crash") {
        outcome.kind = Outcome::Crashed;
        outcome.what = QStringLiteral("crashed: %1").arg(QString::fromLocal8Bit(strsignal(death[2].toInt())));
    } else if (death.size() == 3 && death[0] == "hang") {
        outcome.kind = Outcome::Hung;
        outcome.what = QStringLiteral("hung: one action ran for more than %1 s").arg(death[2].toInt() / 1000);
    } else if (child.exitStatus() == QProcess::CrashExit || child.exitCode() > 1 ||
               !reportFile.open(QIODevice::ReadOnly)) {
        // Actions started but the run never finished: a sanitizer, or an exit
        // from inside the program. Before any action it is a broken set-up.
        if (outcome.failingAction >= 0) outcome.kind = Outcome::Crashed;
        outcome.what = child.exitStatus() == QProcess::CrashExit
                           ? QStringLiteral("crashed")
                           : QStringLiteral("ended with code %1 without finishing").arg(child.exitCode());
    } else {
        outcome.figures = Figures::fromJson(QJsonDocument::fromJson(reportFile.readAll()).object());
        outcome.kind = outcome.figures->violations == 0 ? Outcome::Passed : Outcome::Violated;
        if (outcome.kind == Outcome::Violated) {
            const Violation& first = outcome.figures->firstViolations.front();
            outcome.failingAction = first.action;
            outcome.what = first.invariant;
        }
    }
    return outcome;
}

QString replayCommand(std::uint32_t seed, const Actions& numbers)
{
    return QStringLiteral("TORVANE_SEED=%1 %2 --replay %3")
        .arg(seed)
        .arg(QCoreApplication::applicationFilePath(), toRanges(numbers));
}

void shrinkAndShow(const Plan& plan, const Outcome& failure, const Actions& all)
{
    const auto at = std::find(all.begin(), all.end(), failure.failingAction);
    if (at == all.end()) {
        out() << "The failing action is not known (the start-up state, or no report). Replay the whole run:\n  "
              << replayCommand(plan.seed, all) << Qt::endl;
        return;
    }
    const Actions prefix(all.begin(), at + 1);
    QElapsedTimer clock;
    clock.start();
    int replays = 0;
    const auto stillFails = [&](const Actions& candidate) {
        ++replays;
        const int limit = static_cast<int>(kShrinkHangMs) + 20'000 + 20 * static_cast<int>(candidate.size());
        return sameFailure(runInChild(plan.seed, candidate, false, true, kShrinkHangMs, limit), failure);
    };
    out() << "Shrinking: replaying parts of actions 0-" << failure.failingAction << " on fresh windows..." << Qt::endl;
    if (!stillFails(prefix)) {
        out() << "The failure did not come back when those actions were replayed on a fresh window.\n  "
              << replayCommand(plan.seed, prefix) << Qt::endl;
        return;
    }
    const Actions shortest = shrink(prefix, stillFails, [&] { return clock.elapsed() > kShrinkBudgetMs; });
    out() << "Shortest action list found that reproduces it (" << shortest.size() << " actions, " << replays
          << " replays, " << clock.elapsed() / 1000 << " s):\n";
    for (const int number : shortest)
        out() << "  #" << number << "  " << describe(plan.actions[static_cast<std::size_t>(number)]) << '\n';
    out() << "Replay it with:\n  " << replayCommand(plan.seed, shortest) << Qt::endl;
}

void printFigures(const Figures& figures)
{
    const auto count = [&figures](const char* kind) {
        const auto at = figures.boxes.find(QString::fromLatin1(kind));
        return at == figures.boxes.end() ? 0 : at->second;
    };
    QStringList unexpected;
    for (const auto& [kind, number] : figures.boxes)
        if (kind.startsWith(QLatin1String("unexpected"))) unexpected << QStringLiteral("%1 × %2").arg(number).arg(kind);

    out() << "\nFigures\n"
          << "  actions run              " << figures.actionsRun << '\n'
          << "  dialogs closed           " << figures.dialogsClosed << " (message boxes and context menus)\n"
          << "  errors reported          Type mismatch " << count("Type mismatch") << ", Overflow " << count("Overflow")
          << ", Division by zero " << count("Division by zero") << ", Printer error " << count("Printer error") << '\n'
          << "  messages shown           All values must be entered " << count("All values must be entered")
          << ", gasket reminder " << count("gasket reminder") << '\n';
    if (!unexpected.isEmpty()) out() << "  unexpected boxes         " << unexpected.join(QStringLiteral("; ")) << '\n';
    out() << "  ratios checked           " << figures.ratiosChecked << '\n'
          << "  capacities checked       " << figures.capacitiesChecked << '\n'
          << "  gasket volumes checked   " << figures.gasketVolumesChecked << '\n'
          << "  results out of date      " << figures.outOfDateSeen << " checks\n"
          << "  prints                   " << figures.prints;
    if (figures.prints > 0)
        out() << " (slowest " << figures.slowestPrintMs << " ms, " << figures.printMs / figures.prints
              << " ms on average)";
    out() << '\n'
          << "  slowest action           " << figures.slowestActionMs << " ms\n"
          << "  run time                 " << QString::number(figures.elapsedMs / 1000.0, 'f', 1) << " s";
    if (figures.actionsRun > 0)
        out() << " (" << QString::number(double(figures.elapsedMs) / figures.actionsRun, 'f', 2) << " ms an action)";
    out() << '\n' << "  invariant violations     " << figures.violations << Qt::endl;
}

void printViolations(const Figures& figures)
{
    if (figures.violations == 0) return;
    out() << "\nViolations (the first " << figures.firstViolations.size() << " of " << figures.violations << "):\n";
    for (const Violation& violation : figures.firstViolations)
        out() << "  action #" << violation.action << "  [" << violation.invariant << "] " << violation.detail << '\n';
    out().flush();
}

std::uint32_t seedFromEnvironment(bool& given)
{
    bool ok = false;
    const auto seed = qEnvironmentVariable("TORVANE_SEED").toUInt(&ok);
    given = ok;
    return ok ? seed : std::random_device{}();
}

int runParent()
{
    bool seedGiven = false;
    const std::uint32_t seed = seedFromEnvironment(seedGiven);
    bool countGiven = false;
    const int requested = qEnvironmentVariable("TORVANE_ACTIONS").toInt(&countGiven);
    const int count = countGiven && requested > 0 ? requested : kDefaultActions;
    const Plan plan = makePlan(seed, count);
    out() << "Random use of the window: seed " << seed << (seedGiven ? " (from TORVANE_SEED)" : "")
          << ", number format " << plan.locale << ", " << count << " actions.\n"
          << "Set TORVANE_SEED=" << seed << " to run the same actions again." << Qt::endl;

    Actions all(static_cast<std::size_t>(count));
    std::iota(all.begin(), all.end(), 0);
    const Outcome full = runInChild(seed, all, true, false, kHangMs, kFullRunLimitMs);
    if (full.kind != Outcome::Passed) {
        out() << "\nFAILED with seed " << seed << ": " << full.what;
        if (full.failingAction >= 0)
            out() << " at action #" << full.failingAction << " ("
                  << describe(plan.actions[static_cast<std::size_t>(full.failingAction)]) << ")";
        out() << Qt::endl;
        if (full.figures) printViolations(*full.figures);
        if (full.kind != Outcome::Broken) shrinkAndShow(plan, full, all);
    }
    if (full.figures) {
        printFigures(*full.figures);
    } else {
        out() << "\nFigures\n  no report: the run " << full.what << Qt::endl;
    }
    return full.kind == Outcome::Passed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();

    if (args.size() == 8 && args[0] == "--child") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return runChild({args[1].toUInt(), fromRanges(args[2]), args[3], args[4], args[5] == "stop",
                         args[6] == "progress", false, args[7].toLongLong()});
    }
    if (args.size() == 2 && args[0] == "--replay") {
        bool seedGiven = false;
        const std::uint32_t seed = seedFromEnvironment(seedGiven);
        if (!seedGiven || fromRanges(args[1]).empty()) {
            std::fprintf(stderr, "usage: TORVANE_SEED=n %s --replay 3,17-19\n", argv[0]);
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return runChild({seed, fromRanges(args[1]), {}, {}, false, false, true});
    }
    if (!args.isEmpty()) {
        std::fprintf(stderr, "usage: %s  |  TORVANE_SEED=n %s --replay 3,17-19\n", argv[0], argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    return runParent();
}
