#include "ui/cups_print_job.h"

#include "ui/cups_library.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;

// Only called once printPdfFile has found the library loaded.
const CupsLibrary& cups()
{
    std::string why;
    return *loadCups(why);
}

// No single exchange with the server may hold the page up longer than this;
// a server that takes longer counts as not answering.
constexpr auto kAnswerWithin = std::chrono::seconds(5);
// After handing the page over, how long its job is followed, and how often
// the server is asked about it.
constexpr auto kWatchFor = std::chrono::seconds(30);
constexpr auto kAskEvery = std::chrono::milliseconds(500);

// Raised inside this file only, for a step that ends the print.
struct Stop {
    std::optional<std::string> why; // none: the watch was called off, say nothing
};

struct HttpDeleter {
    void operator()(http_t* http) const { cups().httpClose(http); }
};
struct IppDeleter {
    void operator()(ipp_t* ipp) const { cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// The connection to the print server, with every wait bounded: the CUPS
// library calls onTimeout at each quarter second of silence, and the request
// is given up once kAnswerWithin has passed, or once the watch is called off.
class Server {
public:
    Server() : name_(cups().cupsServer())
    {
        // A server that asks for a password gets none: no prompt may wait on
        // a terminal that nobody reads.
        cups().cupsSetPasswordCB2(
            [](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; }, nullptr);
        connect();
    }

    void connect()
    {
        const auto ms = static_cast<int>(std::chrono::milliseconds(kAnswerWithin).count());
        errno = 0;
        http_.reset(cups().httpConnect2(name_.c_str(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(), 1,
                                        ms, nullptr));
        if (!http_ && (errno == ETIMEDOUT || errno == 0)) {
            timedOut_ = true;
            throw Stop{failure("answer")};
        }
        if (!http_)
            throw Stop{"No print server is running at " + where() + " (" + std::strerror(errno) +
                       "), so nothing was printed."};
        cups().httpSetTimeout(http_.get(), 0.25, &Server::onTimeout, this);
    }

    http_t* http() const { return http_.get(); }

    // A new connection in place of one that may be stuck in a request.
    void reconnect()
    {
        http_.reset();
        connect();
    }
    bool timedOut() const { return timedOut_; }
    std::string where() const { return name_; }

    // Starts the clock for one exchange.
    void expectAnswer()
    {
        if (callOff_.stop_requested()) throw Stop{};
        deadline_ = Clock::now() + kAnswerWithin;
        timedOut_ = false;
    }

    // The printer that the failures name, once known.
    void printFor(const std::string& printer) { printer_ = printer; }

    // The reason an exchange failed, as the user should read it.
    std::string failure(const std::string& doing) const
    {
        const std::string onPrinter = printer_.empty() ? "" : " on " + printer_;
        if (timedOut())
            return "The print server at " + where() + " is not answering, so nothing was printed" + onPrinter + ".";
        const char* said = cups().cupsLastErrorString();
        const bool saidWhy = cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE && said && *said;
        return "The print server could not " + doing + " (" + (saidWhy ? said : "no reason given") +
               "), so nothing was printed" + onPrinter + ".";
    }

    // Fails the print unless the answer came and says the request succeeded.
    Ipp check(ipp_t* answer, const std::string& doing)
    {
        Ipp owned(answer);
        if (callOff_.stop_requested()) throw Stop{};
        if (!owned || cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) throw Stop{failure(doing)};
        return owned;
    }

    Ipp ask(ipp_t* request, const std::string& doing)
    {
        expectAnswer();
        return check(cups().cupsDoRequest(http(), request, "/"), doing);
    }

    // From now on, a stop request ends any wait at once.
    void callOffWith(std::stop_token stop) { callOff_ = std::move(stop); }

    // Sleeps for d unless the watch is called off first; says whether to go on.
    bool pause(Clock::duration d) const
    {
        std::mutex mutex;
        std::condition_variable_any woken;
        std::unique_lock lock(mutex);
        woken.wait_for(lock, callOff_, d, [] { return false; });
        return !callOff_.stop_requested();
    }

private:
    static int onTimeout(http_t*, void* self)
    {
        auto* server = static_cast<Server*>(self);
        const bool waitOn = Clock::now() < server->deadline_ && !server->callOff_.stop_requested();
        server->timedOut_ = !waitOn;
        return waitOn ? 1 : 0;
    }

    std::stop_token callOff_; // none until the page is handed over: a click is never lost
    std::string name_;
    std::string printer_;
    std::unique_ptr<http_t, HttpDeleter> http_;
    Clock::time_point deadline_ = Clock::now() + kAnswerWithin;
    bool timedOut_ = false;
};

std::string textOf(ipp_t* answer, const char* name)
{
    ipp_attribute_t* attribute = cups().ippFindAttribute(answer, name, IPP_TAG_ZERO);
    std::string text;
    for (int i = 0; attribute && i < cups().ippGetCount(attribute); ++i) {
        const char* value = cups().ippGetString(attribute, i, nullptr);
        if (!value || !*value || std::strcmp(value, "none") == 0) continue;
        text += (text.empty() ? "" : ", ") + std::string(value);
    }
    return text;
}

// " (why)" when there is something to say beyond CUPS's stock words for
// the state, which the sentence already says.
std::string because(const std::string& why, const char* stockWords = "")
{
    const bool stock = std::equal(why.begin(), why.end(), stockWords, stockWords + std::strlen(stockWords),
                                  [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    return why.empty() || stock ? std::string() : " (" + why + ")";
}

struct PrinterState {
    int state = 0;
    bool accepting = true;
    bool greyOnly = false;
    std::string message; // the printer's own words, or its state reasons
};

// Asks the server for some attributes of a printer, or of one of its jobs.
Ipp attributesOf(Server& server, ipp_op_t operation, const std::string& printerUri, int job,
                 std::initializer_list<const char*> wanted, const std::string& doing)
{
    ipp_t* request = cups().ippNewRequest(operation);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.c_str());
    if (job != 0) cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         static_cast<int>(wanted.size()), nullptr, wanted.begin());
    return server.ask(request, doing);
}

// The state in the server's own words, or else its state keywords.
std::string wordsFor(ipp_t* answer, const char* message, const char* reasons)
{
    std::string words = textOf(answer, message);
    return words.empty() ? textOf(answer, reasons) : words;
}

PrinterState printerState(Server& server, const std::string& uri)
{
    const Ipp answer = attributesOf(server, IPP_OP_GET_PRINTER_ATTRIBUTES, uri, 0,
                                    {"printer-state", "printer-state-message", "printer-state-reasons",
                                     "printer-is-accepting-jobs", "color-supported"},
                                    "tell the state of the printer");
    PrinterState printer;
    printer.state = cups().ippGetInteger(cups().ippFindAttribute(answer.get(), "printer-state", IPP_TAG_ENUM), 0);
    if (auto* accepting = cups().ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        printer.accepting = cups().ippGetBoolean(accepting, 0);
    if (auto* colour = cups().ippFindAttribute(answer.get(), "color-supported", IPP_TAG_BOOLEAN))
        printer.greyOnly = !cups().ippGetBoolean(colour, 0);
    printer.message = wordsFor(answer.get(), "printer-state-message", "printer-state-reasons");
    return printer;
}

struct Printer {
    std::string name;
    std::string uri;
};

// The default printer as the user has it: LPDEST or PRINTER, then their
// lpoptions, then the server's.
Printer defaultPrinter(Server& server)
{
    server.expectAnswer();
    cups_dest_t* dest = cups().cupsGetNamedDest(server.http(), nullptr, nullptr);
    if (!dest) {
        const ipp_status_t status = cups().cupsLastError();
        const bool answered = status == IPP_STATUS_ERROR_NOT_FOUND || status <= IPP_STATUS_OK_EVENTS_COMPLETE;
        if (answered && !server.timedOut())
            throw Stop{std::string("No default printer is set up, so nothing was printed.")};
        throw Stop{server.failure("find the default printer")};
    }
    Printer printer{dest->name, {}};
    if (const char* uri = cups().cupsGetOption("printer-uri-supported", dest->num_options, dest->options)) {
        printer.uri = uri;
    } else {
        char assembled[HTTP_MAX_URI];
        cups().httpAssembleURIf(HTTP_URI_CODING_ALL, assembled, sizeof assembled, "ipp", nullptr, "localhost",
                                cups().ippPort(), "/printers/%s", dest->name);
        printer.uri = assembled;
    }
    cups().cupsFreeDests(1, dest);
    return printer;
}

// The page as spooled, whole: a PDF ends with its end-of-file marker.
std::string readPage(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string page;
    if (file) page.assign(std::istreambuf_iterator<char>(file), {});
    const auto end = page.find_last_not_of("\r\n");
    if (file.bad() || end == std::string::npos || end < 4 || page.compare(end - 4, 5, "%%EOF") != 0)
        throw Stop{"The page in " + path + " could not be read back whole, so nothing was printed."};
    return page;
}

// Sends the page as the one document of the job. A page not sent whole is
// never finished: the connection is dropped, which the server takes for a
// broken request, and the job is cancelled over a new one.
void sendDocument(Server& server, const std::string& printer, int job, const std::string& page,
                  const std::string& title)
{
    server.expectAnswer();
    bool sent = cups().cupsStartDocument(server.http(), printer.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE;
    constexpr size_t kChunk = 64 * 1024;
    for (size_t at = 0; sent && at < page.size(); at += kChunk) {
        server.expectAnswer();
        sent = cups().cupsWriteRequestData(server.http(), page.data() + at, std::min(kChunk, page.size() - at)) ==
               HTTP_STATUS_CONTINUE;
    }
    if (sent) {
        server.expectAnswer();
        if (cups().cupsFinishDocument(server.http(), printer.c_str()) <= IPP_STATUS_OK_EVENTS_COMPLETE) return;
    }
    const std::string why = server.failure("take the page");
    bool cancelled = false;
    try {
        server.reconnect();
        server.expectAnswer();
        cancelled = cups().cupsCancelJob2(server.http(), printer.c_str(), job, 0) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    } catch (const Stop&) {
    }
    if (cancelled) throw Stop{why};
    throw Stop{"The print server could not take the whole page, and job " + std::to_string(job) + " on " + printer +
               " could not be cancelled either, so part of it may still print."};
}

struct JobState {
    int state = 0;
    std::string why;
};

JobState jobState(Server& server, const std::string& printerUri, int job)
{
    const Ipp answer =
        attributesOf(server, IPP_OP_GET_JOB_ATTRIBUTES, printerUri, job,
                     {"job-state", "job-printer-state-message", "job-state-reasons"}, "tell the state of the page");
    JobState result;
    result.state = cups().ippGetInteger(cups().ippFindAttribute(answer.get(), "job-state", IPP_TAG_ENUM), 0);
    result.why = wordsFor(answer.get(), "job-printer-state-message", "job-state-reasons");
    return result;
}

// What the server did with the job, if it did not print it.
std::optional<std::string> unprinted(int state)
{
    switch (state) {
    case IPP_JSTATE_HELD:
        return "the print server is holding it";
    case IPP_JSTATE_STOPPED:
        return "the print server stopped it";
    case IPP_JSTATE_CANCELED:
        return "it was cancelled";
    case IPP_JSTATE_ABORTED:
        return "the print server aborted it";
    default:
        return std::nullopt;
    }
}

// Follows the job until it completes, fails or the watch is over. A server
// that stops answering meanwhile already has the page: nothing more is said.
void watch(Server& server, const std::string& printer, const std::string& uri, int job)
{
    const auto until = Clock::now() + kWatchFor;
    while (Clock::now() < until && server.pause(kAskEvery)) {
        JobState now;
        PrinterState state;
        try {
            state = printerState(server, uri); // first, so that the job's state is the newer
            now = jobState(server, uri, job);
        } catch (const Stop&) {
            return;
        }
        if (now.state == IPP_JSTATE_COMPLETED) return;
        if (const auto what = unprinted(now.state))
            throw Stop{"The page did not print on " + printer + ": " + *what + because(now.why) + "."};
        if (state.state == IPP_PSTATE_STOPPED)
            throw Stop{"The page did not print: the printer " + printer + " stopped" + because(state.message) +
                       ". It waits in the queue until the printer is resumed."};
    }
}

} // namespace

void printPdfFile(const std::string& pdfPath, const std::string& title, std::stop_token stop,
                  const std::function<void(const PrintNews&)>& tell)
{
    // The spooled page goes whatever happens: it is read first or not at all.
    const std::unique_ptr<const std::string, void (*)(const std::string*)> spooled(
        &pdfPath, [](const std::string* path) { std::remove(path->c_str()); });
    try {
        if (std::string why; !loadCups(why))
            throw Stop{"The CUPS library could not be loaded (" + why + "), so nothing was printed."};
        const std::string page = readPage(pdfPath);
        Server server;
        const auto [printer, uri] = defaultPrinter(server);
        server.printFor(printer);
        const PrinterState before = printerState(server, uri);
        if (!before.accepting)
            throw Stop{"The printer " + printer + " is refusing jobs" + because(before.message, "Rejecting Jobs") +
                       ", so nothing was printed."};

        cups_option_t* options = nullptr;
        int optionCount = 0;
        if (!before.greyOnly) optionCount = cups().cupsAddOption("print-color-mode", "color", optionCount, &options);
        server.expectAnswer();
        const int job = cups().cupsCreateJob(server.http(), printer.c_str(), title.c_str(), optionCount, options);
        cups().cupsFreeOptions(optionCount, options);
        if (job == 0) throw Stop{server.failure("take a job for " + printer)};
        sendDocument(server, printer, job, page, title);

        if (before.state == IPP_PSTATE_STOPPED) {
            tell({PrintNews::Kind::Waiting, "The printer " + printer + " is paused" +
                                                because(before.message, "Paused") +
                                                ": the page waits in its queue until the printer is resumed."});
            return;
        }
        tell({PrintNews::Kind::HandedOver, {}});
        server.callOffWith(std::move(stop));
        watch(server, printer, uri, job);
    } catch (const Stop& stopped) {
        if (stopped.why) tell({PrintNews::Kind::Failed, *stopped.why});
    } catch (const std::bad_alloc&) {
        tell({PrintNews::Kind::Failed, "There was not enough memory to send the page, so it may not have printed."});
    } catch (const std::exception& error) {
        tell({PrintNews::Kind::Failed,
              std::string("Sending the page failed (") + error.what() + "), so it may not have printed."});
    }
}

} // namespace ui
