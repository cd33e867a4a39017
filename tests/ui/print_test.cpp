// Printing for real: the page goes through CUPS to the PDF queue that
// scripts/test_printer.sh makes the default printer, and the PDF that comes out
// is rasterised and compared with the window's own image.

#include "child_process.h"
#include "failing_allocation.h"
#include "print/name_lookup.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemWatcher>
#include <QImage>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include <signal.h>

namespace ui::testing {
namespace {

// Made by scripts/test_printer.sh; change them together.
constexpr auto kQueue = "Torvane_PDF";
constexpr auto kCupsPdfConfig = "/etc/cups/cups-pdf-torvane.conf";
constexpr auto kSetUpHint = "Run `sudo bash scripts/test_printer.sh` first: it starts CUPS and makes its PDF queue the "
                            "default printer.";

constexpr int kWaitForPdfMs = 90'000;
// A print server that says nothing for this long is not answering.
constexpr int kAnswerMs = 10'000;
constexpr int kPageDpi = 150;

// Printed text comes from the window drawn at four times its size, the grab
// at its own size, so glyph edges differ; both are halved before comparing,
// which keeps what is drawn where and smooths away how.
constexpr int kCompareScale = 2;
constexpr double kMostWindowDifference = 6.0;   // seen: 3.8
constexpr double kMostControlDifference = 16.0; // seen up to 14.6 (small captions, whose text a recorded
                                                // picture lays out anew); an empty field against typed text: 25
constexpr double kInkTolerance = 0.35;          // seen within 25%

QString run(const QString& program, const QStringList& arguments)
{
    std::vector<std::string> command{program.toStdString()};
    for (const QString& argument : arguments)
        command.push_back(argument.toStdString());
    const ProgramRun ran = runProgram(command, std::chrono::seconds(30));
    if (!ran.exited || ran.exitCode != 0)
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString() << " failed";
    return QString::fromStdString(ran.out);
}

// Where cups-pdf writes the queue's files: the "Out" line of its own
// configuration.
QString pdfDirectory()
{
    QFile config(QString::fromLatin1(kCupsPdfConfig));
    if (!config.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    static const QRegularExpression outLine(QStringLiteral(R"(^\s*Out\s+(\S+)\s*$)"));
    while (!config.atEnd()) {
        const auto match = outLine.match(QString::fromUtf8(config.readLine()));
        if (match.hasMatch()) return match.captured(1);
    }
    return {};
}

QStringList pdfsIn(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Pages that other programs print meanwhile, other tests among them, must not
// pass for this test's page, so this process sends its jobs under a user
// name of its own (CUPS takes any name from a local client); the CUPS
// library reads it from the environment on each printing thread.
void sendJobsAs(const QByteArray& user)
{
    if (user.isEmpty())
        qunsetenv("CUPS_USER");
    else
        qputenv("CUPS_USER", user);
}

// The ids of the user's jobs on the queue, every one or those not done yet.
QStringList jobsOf(const QString& user, bool pendingOnly)
{
    // Lines like "Torvane_PDF-94   tq1234   309248   Wed Dec  9 05:45:06 2026".
    const QString listing =
        run(QStringLiteral("lpstat"), {QStringLiteral("-U"), user, QStringLiteral("-W"),
                                       pendingOnly ? QStringLiteral("not-completed") : QStringLiteral("all"),
                                       QStringLiteral("-o"), QString::fromLatin1(kQueue)});
    QStringList ids;
    for (const QString& line : listing.split('\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.simplified().split(' ');
        if (columns.size() > 1 && columns[1] == user) ids << columns[0].section('-', -1);
    }
    return ids;
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

// Calls back at each paint of the object it filters.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) onPaint_();
        return false;
    }

private:
    std::function<void()> onPaint_;
};

// Each control's text and state, to show that printing changed nothing.
QStringList windowState(const QWidget& window)
{
    QStringList state;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString entry = widget->objectName() + '=';
        if (auto* field = qobject_cast<const QLineEdit*>(widget)) entry += field->text();
        if (auto* label = qobject_cast<const QLabel*>(widget)) entry += label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            entry += button->text() + (button->isChecked() ? "[x]" : "[ ]");
        state << entry;
    }
    return state;
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

bool isBlueText(QRgb pixel)
{
    return qBlue(pixel) > 160 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

int countPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Mean of the absolute channel differences over the area, 0 (same) to 255,
// with both images halved first.
double difference(const QImage& a, const QImage& b, const QRect& area)
{
    const auto halved = [](const QImage& image) {
        return image.scaled(image.size() / kCompareScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage smallA = halved(a);
    const QImage smallB = halved(b);
    const QRect smallArea(area.topLeft() / kCompareScale, area.size() / kCompareScale);
    double total = 0;
    for (int y = smallArea.top(); y <= smallArea.bottom(); ++y) {
        for (int x = smallArea.left(); x <= smallArea.right(); ++x) {
            const QRgb p = smallA.pixel(x, y);
            const QRgb q = smallB.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * smallArea.width() * smallArea.height());
}

// The smallest rectangle holding everything that is not blank paper.
QRect markedArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) area |= QRect(x, y, 1, 1);
    return area;
}

struct PrintedPage {
    QString pdf;
    QSize pageSize;
    QRect imageOnPage;
    QImage image; // the window's image as printed, scaled back to the window's size
};

class Printing : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const std::string defaultPrinter = QPrinterInfo::defaultPrinter().printerName().toStdString();
        ASSERT_EQ(defaultPrinter, std::string(kQueue)) << "The print tests need CUPS running with the PDF queue "
                                                       << kQueue << " as the default printer. " << kSetUpHint;
        pdfDirectory_ = pdfDirectory();
        ASSERT_TRUE(!pdfDirectory_.isEmpty() && QDir(pdfDirectory_).exists())
            << "No output directory for " << kQueue << " in " << kCupsPdfConfig << ". " << kSetUpHint;
        user_ = QStringLiteral("tq%1").arg(QCoreApplication::applicationPid());
        sendJobsAs(user_.toLatin1());
        jobsBefore_ = jobsOf(user_, false);
        pdfsBefore_ = pdfsIn(pdfDirectory_);
    }

    void TearDown() override
    {
        WindowTest::TearDown(); // its print threads end with the window
        sendJobsAs({});
    }

    // The jobs this test has sent. Qt hands a page over before the click
    // returns, so a job is listed at once; its file comes when it is done.
    QStringList newJobs() const
    {
        QStringList jobs = jobsOf(user_, false);
        jobs.removeIf([this](const QString& id) { return jobsBefore_.contains(id); });
        return jobs;
    }

    // The new files that cups-pdf wrote for the job; its id is in their names.
    QStringList filesOf(const QString& job) const
    {
        const QRegularExpression named(QStringLiteral(R"((^|\D)job_%1(\D|$))").arg(job));
        QStringList files = pdfsIn(pdfDirectory_).filter(named);
        files.removeIf([this](const QString& name) { return pdfsBefore_.contains(name); });
        return files;
    }

    bool isComplete(const QString& name) const
    {
        QFile pdf(QDir(pdfDirectory_).filePath(name));
        return pdf.open(QIODevice::ReadOnly) && pdf.readAll().trimmed().endsWith("%%EOF");
    }

    // The files of the test's jobs, once every job is done and its file
    // complete, or what there is when the wait is over.
    QStringList newPdfs()
    {
        QDeadlineTimer deadline(kWaitForPdfMs);
        QStringList files;
        for (;;) {
            files.clear();
            const QStringList jobs = newJobs();
            for (const QString& job : jobs)
                files << filesOf(job);
            const bool done =
                jobsOf(user_, true).isEmpty() && files.size() >= jobs.size() &&
                std::all_of(files.begin(), files.end(), [this](const QString& name) { return isComplete(name); });
            if ((done && !jobs.isEmpty()) || deadline.hasExpired()) return files;
            QTest::qWait(200);
        }
    }

    // Waits for the one page that the click should have sent and finds the
    // window's image on it.
    std::optional<PrintedPage> printedPage()
    {
        const QStringList added = newPdfs();
        EXPECT_EQ(newJobs().size(), 1) << "jobs sent: " << newJobs().join(", ").toStdString();
        EXPECT_EQ(added.size(), 1) << "new files in " << pdfDirectory_.toStdString() << ": "
                                   << added.join(", ").toStdString();
        if (added.size() != 1) return std::nullopt;
        PrintedPage printed;
        printed.pdf = QDir(pdfDirectory_).filePath(added.front());
        EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {printed.pdf}).contains(QRegularExpression(R"(Pages:\s+1\n)")))
            << printed.pdf.toStdString() << " is not one page";

        QTemporaryDir scratch;
        const QString stem = scratch.filePath(QStringLiteral("page"));
        run(QStringLiteral("pdftoppm"), {"-r", QString::number(kPageDpi), "-png", "-singlefile", printed.pdf, stem});
        const QImage page = QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
        EXPECT_FALSE(page.isNull()) << "pdftoppm could not read " << printed.pdf.toStdString();
        printed.pageSize = page.size();
        printed.imageOnPage = markedArea(page);
        EXPECT_FALSE(printed.imageOnPage.isEmpty()) << printed.pdf.toStdString() << " is blank";
        if (printed.imageOnPage.isEmpty()) return std::nullopt;
        printed.image =
            page.copy(printed.imageOnPage).scaled(window->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return printed;
    }

    // The window's own image, one pixel to a unit of its geometry whatever
    // the screen's density.
    QImage shown() const
    {
        const QImage grabbed = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return grabbed.scaled(window->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    QRect area(const char* name) const { return control(name)->geometry(); }

    // The control shows on paper what it shows on screen, in the same place.
    void expectSameOnPaper(const PrintedPage& printed, const QImage& screen, const char* name) const
    {
        const int inkOnScreen = countPixels(screen, area(name), isInk);
        EXPECT_NEAR(countPixels(printed.image, area(name), isInk), inkOnScreen, kInkTolerance * inkOnScreen + 4)
            << name;
        EXPECT_LT(difference(printed.image, screen, area(name)), kMostControlDifference) << name;
    }

    QString user_;
    QString pdfDirectory_;
    QStringList jobsBefore_;
    QStringList pdfsBefore_;
};

TEST_F(Printing, print_puts_one_image_of_the_window_as_shown_on_one_page)
{
    typeFirstExample();
    click("calc");
    ASSERT_EQ(caption("vorsil"), "9.9417");
    const QStringList before = windowState(*window);

    click("print");
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(windowState(*window), before);
    const QImage screen = shown();
    const auto printed = printedPage();
    ASSERT_TRUE(printed);
    SCOPED_TRACE(printed->pdf.toStdString());

    // Fitted to the page: the window is wider than tall, so it takes the
    // printable width, in its own proportions.
    const QRect& image = printed->imageOnPage;
    EXPECT_GT(image.width(), printed->pageSize.width() * 0.8) << "page width " << printed->pageSize.width();
    const double windowAspect = double(window->width()) / window->height();
    EXPECT_NEAR(double(image.width()) / image.height(), windowAspect, windowAspect * 0.02);

    EXPECT_LT(difference(printed->image, screen, screen.rect()), kMostWindowDifference);
    for (const char* name : {"cyls", "bore", "stroke", "chamb", "dome", "deck", "gasketvol", "vorsil", "Label14",
                             "Label17", "Label18", "calc", "print", "inches", "mm", "usetopland"})
        expectSameOnPaper(*printed, screen, name);

    // The ratio stands in blue where the window has it; the ":1" beside it is
    // the only other blue.
    const int blueOnScreen = countPixels(screen, area("vorsil"), isBlueText);
    ASSERT_GT(blueOnScreen, 100);
    const int blueOnPaper = countPixels(printed->image, area("vorsil"), isBlueText);
    EXPECT_NEAR(blueOnPaper, blueOnScreen, kInkTolerance * blueOnScreen);
    const int otherBlue = countPixels(printed->image, printed->image.rect(), isBlueText) - blueOnPaper -
                          countPixels(printed->image, area("Label14"), isBlueText);
    EXPECT_LT(otherBlue, 10);
}

TEST_F(Printing, the_field_being_left_fills_in_before_the_window_is_printed)
{
    typeInto("gasketbore", "4.1");
    typeInto("compthick", "0.04");
    ASSERT_EQ(focused(), "compthick");
    ASSERT_EQ(text("gasketvol"), "");

    click("print");
    EXPECT_EQ(text("gasketvol"), "8.6524042048344");
    EXPECT_TRUE(takeBoxes().empty());
    const QImage screen = shown();
    const auto printed = printedPage();
    ASSERT_TRUE(printed);
    SCOPED_TRACE(printed->pdf.toStdString());
    ASSERT_GT(countPixels(screen, area("gasketvol"), isInk), 50);
    for (const char* name : {"gasketbore", "compthick", "gasketvol"})
        expectSameOnPaper(*printed, screen, name);
}

TEST_F(Printing, with_no_default_printer_one_box_says_so_and_a_later_click_prints)
{
    typeFirstExample();
    click("calc");
    const QStringList before = windowState(*window);
    std::vector<SeenBox> boxes;
    {
        // A default that names no queue: the box names it.
        const ScopedEnvironment noDefault("LPDEST", "Torvane_no_such_queue");
        ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
        click("print");
        boxes = takeBoxes(kAnswerMs);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].text, "Printer error\nThe printer Torvane_no_such_queue named in LPDEST does not exist on the "
                             "print server.");
    EXPECT_EQ(windowState(*window), before);
    EXPECT_TRUE(newJobs().isEmpty());

    // The printer is looked up at each click, so once there is a default
    // again the same window prints.
    activate();
    click("print");
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_TRUE(printedPage());
    EXPECT_EQ(windowState(*window), before);
}

// Each fault played by a print server of the test's own, started afresh for
// each case by private_print_server.sh on a unix socket, with a backend that
// captures every page it is given.
struct PrintFault {
    const char* name;
    const char* queue; // made the default printer through LPDEST
    enum Arrange {
        Nothing,
        WatchTemporaryFolder,
        ServerStopped,
        ClosedOnAStoppedServer,
        NoServer,
        UnknownServerName,
        NameNeverResolves,
        ClosedWhileTheNameNeverResolves,
        HangingUp, // the faulty print server's ways
        Wants401,
        Wants403,
        StallingMidPage,
        OutOfMemory, // on the print worker, once
        DarkPalette,
        UserOptions
    } arrange;
    const char* box; // how the box it gives starts; empty: none
    int withinMs;
    int jobsOnServer;
    int clicks = 1;
    const char* boxEnd = "";
    // What the backend is given, a pattern: colour, over the queues' own
    // default of monochrome, unless the user's lpoptions say otherwise.
    const char* options = "print-color-mode=color";
    const char* paper = ""; // as pdfinfo names the page's size; empty: any
};

const PrintFault kPrintFaults[] = {
    {"good_queue", "Capture", PrintFault::Nothing, "", kAnswerMs, 1},
    // The second click comes while the first page is on its way.
    {"good_queue_clicked_twice", "Capture", PrintFault::Nothing, "", kAnswerMs, 2, 2},
    {"failing_backend", "Failing", PrintFault::Nothing,
     "Printer error\nThe page did not print on Failing: the print server is holding it (The capture device is "
     "switched off).",
     30'000, 1},
    {"paused_queue", "Paused", PrintFault::Nothing,
     "Printer paused\nThe printer Paused is paused: the page waits in its queue until the printer is resumed.",
     kAnswerMs, 1},
    {"refusing_queue", "Refusing", PrintFault::Nothing,
     "Printer error\nThe printer Refusing is refusing jobs, so nothing was printed.", kAnswerMs, 0},
    {"nothing_under_tmpdir", "Capture", PrintFault::WatchTemporaryFolder, "", kAnswerMs, 1},
    {"server_not_answering", "Capture", PrintFault::ServerStopped, "Printer error\nThe print server at ", kAnswerMs, 0},
    {"three_clicks_on_a_stopped_server_one_box", "Capture", PrintFault::ServerStopped,
     "Printer error\nThe print server at ", kAnswerMs, 0, 3, " is not answering, so 3 pages were not printed."},
    {"closed_while_pages_wait_on_a_stopped_server", "Capture", PrintFault::ClosedOnAStoppedServer, "", 0, 0, 2},
    {"no_print_server", "Capture", PrintFault::NoServer, "Printer error\nNo print server is running at ", kAnswerMs, 0,
     1, "no.sock (No such file or directory), so nothing was printed."},
    {"server_name_not_found", "Capture", PrintFault::UnknownServerName,
     "Printer error\nThe print server name torvane-no-such-host.invalid cannot be found, so nothing was printed.",
     kAnswerMs, 0},
    {"dark_desktop_prints_light", "Capture", PrintFault::DarkPalette, "", kAnswerMs, 1},
    {"user_lpoptions_apply", "Capture", PrintFault::UserOptions, "", kAnswerMs, 1, 1, "",
     R"(^copies=2 (?=.*\bsides=two-sided-long-edge\b)(?=.*\bmedia=iso_a5_148x210mm\b)(?=.*\bprint-color-mode=monochrome\b))",
     "(A5)"},
    // The second page is handed over while the first waits, and waits too.
    {"printer_out_of_paper", "NoPaper", PrintFault::Nothing,
     "Page waiting\nThe page waits on NoPaper: the printer is out of paper (Load paper in tray 1).", kAnswerMs, 2, 2},
    {"lpdest_names_a_missing_printer", "GHOST", PrintFault::Nothing,
     "Printer error\nThe printer GHOST named in LPDEST does not exist on the print server.", kAnswerMs, 0},
    {"name_never_resolves", "Capture", PrintFault::NameNeverResolves,
     "Printer error\nThe print server name print.torvane.test could not be looked up within five seconds, so nothing "
     "was printed.",
     7'000, 0},
    {"closed_while_the_name_never_resolves", "Capture", PrintFault::ClosedWhileTheNameNeverResolves, "", 0, 0},
    // A dying cupsd reads the request and hangs up: no printer is missing.
    {"server_hangs_up_mid_request", "Capture", PrintFault::HangingUp, "Printer error\nThe print server at ", kAnswerMs,
     0, 1, "fault.sock closed the connection, so nothing was printed."},
    {"server_wants_a_login_401", "Capture", PrintFault::Wants401, "Printer error\nThe print server at ", kAnswerMs, 0,
     1, "fault.sock refused the job: printing there needs a login, so nothing was printed."},
    {"server_wants_a_login_403", "Capture", PrintFault::Wants403, "Printer error\nThe print server at ", kAnswerMs, 0,
     1, "fault.sock refused the job: printing there needs a login, so nothing was printed."},
    // The job is made, its page never arrives whole, and the server can no
    // longer be asked to cancel it; the page behind fails in the same box.
    {"server_stalls_mid_page", "Capture", PrintFault::StallingMidPage, "Printer error\nThe print server at ", 9'000, 1,
     2, "fault.sock is not answering, so 2 pages were not printed."},
    // The page behind prints.
    {"out_of_memory_on_the_worker", "Capture", PrintFault::OutOfMemory,
     "Printer error\nThere was not enough memory to make or send the page, so nothing was printed.", kAnswerMs, 1, 2},
};

// A name server that never answers, until the test is over.
class SilentResolver {
public:
    static void start()
    {
        const std::lock_guard lock(mutex_);
        over_ = false;
        print::useResolver(&lookUp);
    }
    static void stop()
    {
        print::useResolver(nullptr);
        const std::lock_guard lock(mutex_);
        over_ = true;
        released_.notify_all();
    }

private:
    static http_addrlist_t* lookUp(const char*, int, const char*)
    {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [] { return over_; });
        return nullptr;
    }

    static inline std::mutex mutex_;
    static inline std::condition_variable released_;
    static inline bool over_ = true;
};

void PrintTo(const PrintFault& fault, std::ostream* out)
{
    *out << fault.name;
}

class PrintFaults : public WindowTest, public ::testing::WithParamInterface<PrintFault> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(home_.isValid());
        serverPid_ = startServer({"bash", TORVANE_TESTS_DIR "/ui/private_print_server.sh", home_.path().toStdString()});
        socket_ = home_.filePath(QStringLiteral("cups.sock")).toUtf8();
        server_.emplace("CUPS_SERVER", socket_);
        queue_.emplace("LPDEST", GetParam().queue);
    }

    void TearDown() override
    {
        // Gone before its folder goes.
        for (const pid_t pid : {faultyServerPid_, serverPid_})
            if (pid > 0 && ::kill(pid, SIGCONT) == 0 && ::kill(pid, SIGTERM) == 0)
                (void)QTest::qWaitFor([pid] { return ended(pid); }, kAnswerMs);
        SilentResolver::stop();
        if (desktop_) QApplication::setPalette(*desktop_);
        WindowTest::TearDown();
    }

    // Whether the server has ended. It is not this test's child, and until
    // the system reaps it, it stays a zombie.
    static bool ended(pid_t pid)
    {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const auto name = line.rfind(") "); // the name before the state may hold anything
        return name == std::string::npos || line.compare(name + 2, 1, "Z") == 0;
    }

    // Starts a server that goes to the background and prints its process id.
    static pid_t startServer(const std::vector<std::string>& command)
    {
        const ProgramRun started = runProgram(command, std::chrono::seconds(30));
        EXPECT_TRUE(started.exited && started.exitCode == 0) << command[1] << " did not start";
        return static_cast<pid_t>(std::atoll(started.out.c_str()));
    }

    // The faulty print server, in the given way, made the print server.
    void startFaultyServer(const char* way)
    {
        const QString socket = home_.filePath(QStringLiteral("fault.sock"));
        faultyServerPid_ = startServer({TORVANE_FAULTY_PRINT_SERVER, way, socket.toStdString(), socket_.toStdString()});
        server_.emplace("CUPS_SERVER", socket.toUtf8());
    }

    // An empty temporary folder that tells of every file made in it, even
    // one removed at once.
    void watchTemporaryFolder()
    {
        const QString folder = home_.filePath(QStringLiteral("tmp"));
        QDir().mkpath(folder);
        temp_.emplace("TMPDIR", folder.toUtf8());
        watcher_.emplace(QStringList{folder});
        QObject::connect(&*watcher_, &QFileSystemWatcher::directoryChanged, [this] { ++temporaryFolderChanges_; });
    }

    // The user's own lpoptions, in a home of the test's own.
    void setUserOptions()
    {
        QDir().mkpath(home_.filePath(QStringLiteral(".cups")));
        QFile options(home_.filePath(QStringLiteral(".cups/lpoptions")));
        ASSERT_TRUE(options.open(QIODevice::WriteOnly));
        options.write(
            "Dest Capture copies=2 sides=two-sided-long-edge media=iso_a5_148x210mm print-color-mode=monochrome\n");
        options.close();
        userHome_.emplace("HOME", home_.path().toUtf8());
    }

    void darkenDesktop()
    {
        desktop_ = QApplication::palette();
        QPalette dark = *desktop_;
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(32, 32, 32));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return window->palette().color(QPalette::Window) == QColor(32, 32, 32); }));
    }

    QStringList captured() const
    {
        return QDir(home_.filePath(QStringLiteral("out"))).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
    }

    int jobsOnServer() { return run(QStringLiteral("lpstat"), {"-W", "all", "-o"}).count('\n'); }

    QTemporaryDir home_;
    pid_t serverPid_ = 0;
    pid_t faultyServerPid_ = 0;
    QByteArray socket_;
    std::optional<QFileSystemWatcher> watcher_;
    int temporaryFolderChanges_ = 0;
    std::optional<QPalette> desktop_;
    std::optional<ScopedEnvironment> server_, queue_, temp_, userHome_;
};

TEST_P(PrintFaults, each_gives_its_box_while_the_window_goes_on)
{
    const PrintFault& fault = GetParam();
    typeFirstExample();
    click("calc");
    const QStringList before = windowState(*window);
    switch (fault.arrange) {
    case PrintFault::Nothing:
        break;
    case PrintFault::WatchTemporaryFolder:
        watchTemporaryFolder();
        break;
    case PrintFault::DarkPalette:
        darkenDesktop();
        break;
    case PrintFault::UserOptions:
        setUserOptions();
        break;
    case PrintFault::ServerStopped:
    case PrintFault::ClosedOnAStoppedServer:
        ::kill(serverPid_, SIGSTOP);
        break;
    case PrintFault::NoServer:
        server_.emplace("CUPS_SERVER", home_.filePath("no.sock").toUtf8());
        break;
    case PrintFault::UnknownServerName:
        server_.emplace("CUPS_SERVER", "torvane-no-such-host.invalid");
        break;
    case PrintFault::NameNeverResolves:
    case PrintFault::ClosedWhileTheNameNeverResolves:
        SilentResolver::start();
        server_.emplace("CUPS_SERVER", "print.torvane.test");
        break;
    case PrintFault::HangingUp:
        startFaultyServer("hang-up");
        break;
    case PrintFault::Wants401:
        startFaultyServer("401");
        break;
    case PrintFault::Wants403:
        startFaultyServer("403");
        break;
    case PrintFault::StallingMidPage:
        startFaultyServer("stall");
        break;
    case PrintFault::OutOfMemory:
        failNextAllocationOn("torvane-print");
        break;
    }

    // The window is asked to repaint all along; the longest it goes without
    // painting tells whether anything held it up.
    QElapsedTimer clock;
    qint64 lastPaint = 0, longestWithoutPaint = 0;
    PaintWatcher painted([&] {
        longestWithoutPaint = std::max(longestWithoutPaint, clock.elapsed() - lastPaint);
        lastPaint = clock.elapsed();
    });
    window->installEventFilter(&painted);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, window.get(), qOverload<>(&QWidget::update));
    repaint.start(20);
    clock.start();
    for (int i = 0; i < fault.clicks; ++i)
        click("print");
    EXPECT_NE(QApplication::overrideCursor(), nullptr); // busy while the page is on its way
    if (fault.arrange == PrintFault::ClosedOnAStoppedServer ||
        fault.arrange == PrintFault::ClosedWhileTheNameNeverResolves) {
        repaint.stop();
        window->removeEventFilter(&painted);
        clock.restart();
        window.reset(); // the pages on their way get about five seconds in all
        EXPECT_LT(clock.elapsed(), 6'500);
        ::kill(serverPid_, SIGCONT);
        server_.emplace("CUPS_SERVER", socket_);
        QTest::qWait(1000); // what the server was sent, it now reads
        EXPECT_EQ(jobsOnServer(), 0);
        return;
    }
    std::vector<SeenBox> boxes = takeBoxes(*fault.box ? fault.withinMs : 0);
    const qint64 boxAfter = clock.elapsed();
    if (*fault.box && fault.clicks > 1) { // the pages behind would have their boxes by now
        QTest::qWait(2000);
        for (SeenBox& box : takeBoxes())
            boxes.push_back(std::move(box));
    }
    if (!*fault.box || fault.arrange == PrintFault::OutOfMemory) {
        const int pagesOut = *fault.box ? fault.clicks - 1 : fault.clicks;
        EXPECT_TRUE(QTest::qWaitFor([&] { return captured().size() == pagesOut; }, kAnswerMs))
            << captured().size() << " pages came out";
        QTest::qWait(1500); // the job is followed after its page is out
        for (SeenBox& box : takeBoxes())
            boxes.push_back(std::move(box));
    }
    repaint.stop();
    window->removeEventFilter(&painted);
    longestWithoutPaint = std::max(longestWithoutPaint, clock.elapsed() - lastPaint);

    if (*fault.box) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.startsWith(QString::fromUtf8(fault.box))) << boxes[0].text.toStdString();
        EXPECT_TRUE(boxes[0].text.endsWith(QString::fromUtf8(fault.boxEnd))) << boxes[0].text.toStdString();
        EXPECT_LT(boxAfter, fault.withinMs);
    } else {
        EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
    }
    EXPECT_LT(longestWithoutPaint, 1000);
    EXPECT_EQ(windowState(*window), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (desktop_) {
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(32, 32, 32)); // the screen stays dark
    }
    window.reset(); // its print threads end with it, before the environment changes

    ::kill(serverPid_, SIGCONT);
    server_.emplace("CUPS_SERVER", socket_);
    EXPECT_EQ(jobsOnServer(), fault.jobsOnServer);
    if (watcher_) {
        EXPECT_EQ(temporaryFolderChanges_, 0);
    }
    if (fault.arrange == PrintFault::ServerStopped || fault.arrange == PrintFault::NoServer || *fault.box) return;

    // The page came out whole, on one page, light, with the ratio in blue,
    // and what the backend was given (colour asked for, unless the user
    // said otherwise) and the paper.
    const QStringList pages = captured();
    ASSERT_EQ(pages.size(), fault.clicks);
    const QString pdf = home_.filePath("out/" + pages.front());
    QFile options(QString(pdf).replace(".pdf", ".options"));
    ASSERT_TRUE(options.open(QIODevice::ReadOnly));
    const QString given = QString::fromUtf8(options.readAll());
    EXPECT_TRUE(given.contains(QRegularExpression(fault.options))) << given.toStdString();
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+1\n)")));
    EXPECT_TRUE(info.contains(QString::fromUtf8(fault.paper))) << info.toStdString();
    const QString stem = home_.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {"-r", "50", "-png", "-singlefile", pdf, stem});
    const QImage page(stem + ".png");
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(countPixels(page, page.rect(), isBlueText), 20);
    EXPECT_LT(countPixels(page, page.rect(), [](QRgb pixel) { return qGray(pixel) < 64; }),
              page.width() * page.height() / 50);
}

INSTANTIATE_TEST_SUITE_P(Printing, PrintFaults, ::testing::ValuesIn(kPrintFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ui::testing
