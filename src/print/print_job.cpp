#include "print/print_job.h"

#include "print/cups_library.h"
#include "print/state_words.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace print {

namespace {

// Only called once a PrintJob has found the library loaded.
const CupsLibrary& cups()
{
    std::string why;
    return *loadCups(why);
}

// No single exchange with the server may hold the page up longer than this;
// a server that takes longer counts as not answering.
constexpr auto kAnswerWithin = std::chrono::seconds(5);
// Cancelling a job not handed over whole may take this long past the cut-off.
constexpr auto kCancelWithin = std::chrono::seconds(1);
// After handing the page over, how long its job is followed.
constexpr auto kFollowFor = std::chrono::seconds(30);

using numeric::Message;

// The sentence for a page that did not print, for the cause given.
Message nothingPrinted(const Message& cause)
{
    return {USER_TEXT("print", "%1, so nothing was printed."), {cause}};
}

// A failure of the server or printer: no page can print until it is mended.
Failure blocking(Message cause)
{
    return {nothingPrinted(cause), std::move(cause)};
}

// A failure of this page only.
Failure ofThisPage(const Message& cause)
{
    return {nothingPrinted(cause), {}};
}

// Raised inside this file for a step that ends the watch.
struct Unanswered {};

// The server's words when they say something beyond CUPS's stock words for
// the state, which the sentence already says; else none.
Message newWords(const std::string& why, std::string_view stockWords = "")
{
    return why.empty() || sameWords(why, stockWords) ? Message() : Message(why);
}

// The sentence that gives why in its last place, or, with no why, the one
// that does without it: a translator sees each whole.
Message because(numeric::Text withWhy, numeric::Text withoutWhy, std::vector<Message> places, Message why)
{
    if (why.empty()) return {withoutWhy, std::move(places)};
    places.push_back(std::move(why));
    return {withWhy, std::move(places)};
}

struct HttpDeleter {
    void operator()(http_t* http) const { cups().httpClose(http); }
};
struct IppDeleter {
    void operator()(ipp_t* ipp) const { cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// The connection to the print server, with every wait bounded: the CUPS
// library calls onTimeout at each quarter second of silence, and the request
// is given up once kAnswerWithin has passed or the program's cut-off has come.
class Server {
public:
    explicit Server(const Closing& closing) : closing_(closing)
    {
        // The environment is read afresh for each page, as lp would.
        cups().cupsSetServer(nullptr);
        cups().cupsSetUser(nullptr);
        name_ = cups().cupsServer();
        // A server that asks for a password gets none: no prompt may wait on
        // a terminal that nobody reads.
        cups().cupsSetPasswordCB2(
            [](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; }, nullptr);
        if (name_.empty() || name_.front() != '/') {
            const std::string port = std::to_string(cups().ippPort());
            http_addrlist_t* found = cups().httpAddrGetList(name_.c_str(), AF_UNSPEC, port.c_str());
            if (!found) throw blocking({USER_TEXT("print", "The print server name %1 cannot be found"), {name_}});
            cups().httpAddrFreeList(found);
        }
        connect();
    }

    void connect(bool cancelling = false)
    {
        expectAnswer(cancelling);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
        errno = 0;
        http_.reset(cups().httpConnect2(name_.c_str(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(), 1,
                                        static_cast<int>(std::max<long long>(ms, 1)), nullptr));
        if (!http_ && (errno == ETIMEDOUT || errno == 0)) throw blocking(notAnswering());
        if (!http_) {
            // libcups closes the socket it tried before it returns, which
            // leaves "Bad file descriptor" behind; a socket path that is not
            // there says why itself.
            int why = errno;
            struct stat socket {};
            if (name_.front() == '/' && ::stat(name_.c_str(), &socket) != 0) why = errno;
            throw blocking({USER_TEXT("print", "No print server is running at %1 (%2)"),
                            {name_, std::string(std::strerror(why))}});
        }
        cups().httpSetTimeout(http_.get(), 0.25, &Server::onTimeout, this);
    }

    http_t* http() const { return http_.get(); }
    const std::string& name() const { return name_; }

    // Starts the clock for one exchange; cancelling gets a moment past the
    // program's cut-off.
    void expectAnswer(bool cancelling = false)
    {
        const auto cutoff = closing_.cutoff();
        deadline_ = Clock::now() + kAnswerWithin;
        if (cutoff != Clock::time_point::max())
            deadline_ = std::min(deadline_, cutoff + (cancelling ? kCancelWithin : Clock::duration()));
        timedOut_ = false;
    }

    // A new connection in place of one that may be stuck in a request, to
    // cancel the job.
    void reconnectToCancel()
    {
        http_.reset();
        connect(true);
    }

    bool timedOut() const { return timedOut_; }

    Message notAnswering() const { return {USER_TEXT("print", "The print server at %1 is not answering"), {name_}}; }

    // The reason an exchange failed, as the user should read it: couldNot
    // says what the server could not do, with the server's reason in its
    // last place.
    Failure failure(numeric::Text couldNot, std::vector<Message> places = {}) const
    {
        if (timedOut_) return blocking(notAnswering());
        const char* said = cups().cupsLastErrorString();
        const bool saidWhy = cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE && said && *said;
        places.push_back(saidWhy ? Message(std::string(said)) : Message(USER_TEXT("print", "no reason given")));
        return ofThisPage({couldNot, std::move(places)});
    }

    bool failed() const { return cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE; }

    // Asks and hands the answer back; none when there was none, or it says
    // the request failed.
    Ipp ask(ipp_t* request, const std::string& printerUri)
    {
        cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.c_str());
        cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                            cups().cupsUser());
        expectAnswer();
        Ipp answer(cups().cupsDoRequest(http(), request, "/"));
        if (failed()) answer.reset();
        return answer;
    }

private:
    static int onTimeout(http_t*, void* self)
    {
        auto* server = static_cast<Server*>(self);
        const bool waitOn = Clock::now() < server->deadline_;
        server->timedOut_ = !waitOn;
        return waitOn ? 1 : 0;
    }

    const Closing& closing_;
    std::string name_;
    std::unique_ptr<http_t, HttpDeleter> http_;
    Clock::time_point deadline_ = Clock::now() + kAnswerWithin;
    bool timedOut_ = false;
};

// The values of a keyword or text attribute, "none" left out.
std::vector<std::string> valuesOf(ipp_t* answer, const char* name)
{
    std::vector<std::string> values;
    ipp_attribute_t* attribute = cups().ippFindAttribute(answer, name, IPP_TAG_ZERO);
    for (int i = 0; attribute && i < cups().ippGetCount(attribute); ++i) {
        const char* value = cups().ippGetString(attribute, i, nullptr);
        if (value && *value && std::strcmp(value, "none") != 0) values.emplace_back(value);
    }
    return values;
}

std::string textOf(ipp_t* answer, const char* name)
{
    const auto values = valuesOf(answer, name);
    return values.empty() ? std::string() : values.front();
}

struct PrinterState {
    int state = 0;
    bool accepting = true;
    bool greyOnly = false;
    std::string message;              // the printer's own words
    std::vector<std::string> reasons; // its state reasons
    // The first fault it reports, in plain words; empty: none.
    Message fault() const { return printerFault(reasons); }
    bool pausedBySomeone(const std::vector<std::string>& jobReasons = {}) const
    {
        return state == IPP_PSTATE_STOPPED && print::pausedBySomeone(reasons, message, jobReasons);
    }
};

struct JobState {
    int state = 0;
    std::string message;
    std::vector<std::string> reasons;
    Message why() const { return jobWhy(message, reasons); }
};

// What the server did with the job, if it did not print it; empty while
// it may still print.
Message unprinted(int state)
{
    switch (state) {
    case IPP_JSTATE_HELD:
        return USER_TEXT("print", "the print server is holding it");
    case IPP_JSTATE_STOPPED:
        return USER_TEXT("print", "the print server stopped it");
    case IPP_JSTATE_CANCELED:
        return USER_TEXT("print", "it was cancelled");
    case IPP_JSTATE_ABORTED:
        return USER_TEXT("print", "the print server aborted it");
    default:
        return {};
    }
}

// What was set with lpoptions, in the system's file and then the user's own:
// the lines that name a default printer or give a printer's options.
class Lpoptions {
public:
    Lpoptions()
    {
        const char* root = std::getenv("CUPS_SERVERROOT");
        read(std::string(root && *root ? root : "/etc/cups") + "/lpoptions");
        if (const char* home = std::getenv("HOME"); home && *home) read(std::string(home) + "/.cups/lpoptions");
    }

    // The printer that a Default line names, the user's over the system's.
    std::string defaultName() const
    {
        std::string name;
        for (const Line& line : lines_)
            if (line.isDefault) name = line.name;
        return name;
    }

    // Whether any of the options is set for the printer, its instance given.
    bool sets(const std::string& printer, const char* instance, std::initializer_list<const char*> anyOf) const
    {
        const std::string name = instance ? printer + "/" + instance : printer;
        bool set = false;
        for (const Line& line : lines_) {
            if (!sameWords(line.name, name)) continue;
            cups_option_t* options = nullptr;
            const int count = cups().cupsParseOptions(line.options.c_str(), 0, &options);
            for (const char* option : anyOf)
                set = set || cups().cupsGetOption(option, count, options) != nullptr;
            cups().cupsFreeOptions(count, options);
        }
        return set;
    }

private:
    struct Line {
        bool isDefault;
        std::string name; // printer or printer/instance
        std::string options;
    };

    void read(const std::string& path)
    {
        std::ifstream file(path);
        for (std::string text; std::getline(file, text);) {
            const std::string_view keyword = std::string_view(text).substr(0, text.find(' '));
            const bool isDefault = sameWords(keyword, "Default");
            if (!isDefault && !sameWords(keyword, "Dest")) continue;
            const auto nameAt = text.find_first_not_of(' ', text.find(' '));
            if (nameAt == std::string::npos) continue;
            const auto nameEnd = std::min(text.find(' ', nameAt), text.size());
            lines_.push_back({isDefault, text.substr(nameAt, nameEnd - nameAt), text.substr(nameEnd)});
        }
    }

    std::vector<Line> lines_;
};

// Where the user named a printer, and the name without its instance; none
// when the server's default applies.
std::optional<std::pair<std::string, std::string>> namedPrinter()
{
    const auto bare = [](std::string name) { return name.substr(0, name.find('/')); };
    if (const char* lpdest = std::getenv("LPDEST"); lpdest && *lpdest) return std::pair{"LPDEST", bare(lpdest)};
    if (const char* printer = std::getenv("PRINTER"); printer && *printer && std::strcmp(printer, "lp") != 0)
        return std::pair{"PRINTER", bare(printer)};
    if (const std::string name = Lpoptions().defaultName(); !name.empty()) return std::pair{"lpoptions", bare(name)};
    return std::nullopt;
}

} // namespace

struct PrintJob::State {
    explicit State(const Closing& closing) : closing(closing), server(closing) {}
    ~State()
    {
        if (info) cups().cupsFreeDestInfo(info);
        if (dest) cups().cupsFreeDests(1, dest);
        cups().cupsFreeOptions(optionCount, options);
    }

    PrinterState printerState();
    JobState jobState();
    Ipp attributes(ipp_op_t operation, std::initializer_list<const char*> wanted);

    const Closing& closing;
    Server server;
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;
    std::string uri;
    PrinterState before;
    int optionCount = 0;
    cups_option_t* options = nullptr;
    int job = 0;
    Clock::time_point followUntil;
    bool toldWhy = false;
};

// Asks for some attributes of the printer, or of this page's job.
Ipp PrintJob::State::attributes(ipp_op_t operation, std::initializer_list<const char*> wanted)
{
    ipp_t* request = cups().ippNewRequest(operation);
    if (operation == IPP_OP_GET_JOB_ATTRIBUTES)
        cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         static_cast<int>(wanted.size()), nullptr, wanted.begin());
    Ipp answer = server.ask(request, uri);
    if (!answer) throw Unanswered{};
    return answer;
}

PrinterState PrintJob::State::printerState()
{
    const Ipp answer = attributes(IPP_OP_GET_PRINTER_ATTRIBUTES,
                                  {"printer-state", "printer-state-message", "printer-state-reasons",
                                   "printer-is-accepting-jobs", "color-supported"});
    PrinterState printer;
    printer.state = cups().ippGetInteger(cups().ippFindAttribute(answer.get(), "printer-state", IPP_TAG_ENUM), 0);
    if (auto* accepting = cups().ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        printer.accepting = cups().ippGetBoolean(accepting, 0);
    if (auto* colour = cups().ippFindAttribute(answer.get(), "color-supported", IPP_TAG_BOOLEAN))
        printer.greyOnly = !cups().ippGetBoolean(colour, 0);
    printer.message = textOf(answer.get(), "printer-state-message");
    printer.reasons = valuesOf(answer.get(), "printer-state-reasons");
    return printer;
}

JobState PrintJob::State::jobState()
{
    const Ipp answer =
        attributes(IPP_OP_GET_JOB_ATTRIBUTES, {"job-state", "job-printer-state-message", "job-state-reasons"});
    JobState result;
    result.state = cups().ippGetInteger(cups().ippFindAttribute(answer.get(), "job-state", IPP_TAG_ENUM), 0);
    result.message = textOf(answer.get(), "job-printer-state-message");
    result.reasons = valuesOf(answer.get(), "job-state-reasons");
    return result;
}

PrintJob::PrintJob(const Closing& closing)
{
    if (std::string why; !loadCups(why))
        throw blocking({USER_TEXT("print", "The CUPS library could not be loaded (%1)"), {why}});
    state_ = std::make_unique<State>(closing);
    State& s = *state_;
    Server& server = s.server;

    // The printer as the user has it, with their lpoptions merged in.
    server.expectAnswer();
    s.dest = cups().cupsGetNamedDest(server.http(), nullptr, nullptr);
    if (!s.dest) {
        const ipp_status_t status = cups().cupsLastError();
        const bool answered = status == IPP_STATUS_ERROR_NOT_FOUND || status <= IPP_STATUS_OK_EVENTS_COMPLETE;
        if (!answered || server.timedOut())
            throw server.failure(USER_TEXT("print", "The print server could not find the default printer (%1)"));
        if (const auto named = namedPrinter()) {
            const std::vector<Message> places{named->second, named->first};
            throw Failure{
                {USER_TEXT("print", "The printer %1 named in %2 does not exist on the print server."), places},
                {USER_TEXT("print", "The printer %1 named in %2 does not exist on the print server"), places}};
        }
        throw blocking(USER_TEXT("print", "No default printer is set up"));
    }
    const std::string printer = s.dest->name;
    if (const char* uri = cups().cupsGetOption("printer-uri-supported", s.dest->num_options, s.dest->options))
        s.uri = uri;
    else
        s.uri = "ipp://localhost/printers/" + printer;

    try {
        s.before = s.printerState();
    } catch (const Unanswered&) {
        throw server.failure(USER_TEXT("print", "The print server could not tell the state of the printer %1 (%2)"),
                             {printer});
    }
    if (!s.before.accepting)
        throw blocking(because(USER_TEXT("print", "The printer %1 is refusing jobs (%2)"),
                               USER_TEXT("print", "The printer %1 is refusing jobs"), {printer},
                               newWords(s.before.message, "Rejecting Jobs")));

    server.expectAnswer();
    s.info = cups().cupsCopyDestInfo(server.http(), s.dest);
    if (!s.info)
        throw server.failure(USER_TEXT("print", "The print server could not tell the settings of the printer %1 (%2)"),
                             {printer});

    // The job is given what lp would give it: the destination's options,
    // the printer's defaults and the user's lpoptions among them, less the
    // printer's own description.
    for (int i = 0; i < s.dest->num_options; ++i) {
        const std::string_view name = s.dest->options[i].name;
        if (name.starts_with("printer-") || name.starts_with("marker-") || name == "device-uri") continue;
        s.optionCount =
            cups().cupsAddOption(s.dest->options[i].name, s.dest->options[i].value, s.optionCount, &s.options);
    }
    // The merged colour mode may be the printer's default or the user's
    // own; only the lpoptions files tell which, and a mode set there is kept.
    if (!s.before.greyOnly && !Lpoptions().sets(printer, s.dest->instance, {"print-color-mode", "ColorModel"}))
        s.optionCount = cups().cupsAddOption("print-color-mode", "color", s.optionCount, &s.options);
}

PrintJob::~PrintJob() = default;

std::optional<Paper> PrintJob::paper() const
{
    const char* media = cups().cupsGetOption("media", state_->optionCount, state_->options);
    if (!media) return std::nullopt;
    const std::string first = std::string(media).substr(0, std::string_view(media).find(','));
    const pwg_media_t* known = cups().pwgMediaForPWG(first.c_str());
    if (!known) known = cups().pwgMediaForLegacy(first.c_str());
    if (!known) known = cups().pwgMediaForPPD(first.c_str()); // "A5", "Letter", as lpoptions often has it
    if (!known || known->width <= 0 || known->length <= 0) return std::nullopt;
    return Paper{known->width / 100.0, known->length / 100.0}; // hundredths of a millimetre
}

void PrintJob::send(std::string_view pdf, const std::string& title, const std::function<void(const News&)>& tell)
{
    State& s = *state_;
    Server& server = s.server;
    const std::string printer = s.dest->name;
    server.expectAnswer();
    if (cups().cupsCreateDestJob(server.http(), s.dest, s.info, &s.job, title.c_str(), s.optionCount, s.options) >
            IPP_STATUS_OK_EVENTS_COMPLETE ||
        s.job == 0)
        throw server.failure(USER_TEXT("print", "The print server could not take a job for %1 (%2)"), {printer});

    // A page not sent whole is never finished: the connection is dropped,
    // which the server takes for a broken request, and the job is cancelled
    // over a new one.
    server.expectAnswer();
    bool sent = cups().cupsStartDestDocument(server.http(), s.dest, s.info, s.job, title.c_str(), CUPS_FORMAT_PDF, 0,
                                             nullptr, 1) == HTTP_STATUS_CONTINUE;
    constexpr size_t kChunk = 64 * 1024;
    for (size_t at = 0; sent && at < pdf.size(); at += kChunk) {
        server.expectAnswer();
        sent = !s.closing.pastCutoff() &&
               cups().cupsWriteRequestData(server.http(), pdf.data() + at, std::min(kChunk, pdf.size() - at)) ==
                   HTTP_STATUS_CONTINUE;
    }
    if (sent) {
        server.expectAnswer();
        sent = cups().cupsFinishDestDocument(server.http(), s.dest, s.info) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    }
    if (!sent) {
        const Failure why = server.failure(USER_TEXT("print", "The print server could not take the page (%1)"));
        bool cancelled = false;
        try {
            server.reconnectToCancel();
            server.expectAnswer(true);
            cancelled = cups().cupsCancelDestJob(server.http(), s.dest, s.job) <= IPP_STATUS_OK_EVENTS_COMPLETE;
        } catch (const Failure&) {
        }
        if (cancelled) throw why;
        throw Failure{{USER_TEXT("print", "The print server could not take the whole page, and job %1 on %2 could "
                                          "not be cancelled either, so part of it may still print."),
                       {std::to_string(s.job), printer}},
                      {}};
    }
    s.followUntil = Clock::now() + kFollowFor;
    if (s.before.pausedBySomeone())
        tell({News::Kind::Paused,
              because(USER_TEXT("print", "The printer %1 is paused (%2): the page waits in its queue until the "
                                         "printer is resumed."),
                      USER_TEXT("print", "The printer %1 is paused: the page waits in its queue until the printer is "
                                         "resumed."),
                      {printer}, newWords(s.before.message, "Paused"))});
}

bool PrintJob::follow(const std::function<void(const News&)>& tell)
{
    State& s = *state_;
    const std::string printer = s.dest->name;
    // A paused printer was told of already; the page waits for someone.
    if (s.before.pausedBySomeone()) return false;
    if (Clock::now() >= s.followUntil || s.closing.closing()) return false;
    JobState job;
    PrinterState state;
    try {
        state = s.printerState(); // first, so that the job's state is the newer
        job = s.jobState();
    } catch (const Unanswered&) {
        return false; // the server has the page; nothing more can be said
    }
    if (job.state == IPP_JSTATE_COMPLETED) return false;
    if (Message what = unprinted(job.state); !what.empty()) {
        tell({News::Kind::Failed,
              because(USER_TEXT("print", "The page did not print on %1: %2 (%3)."),
                      USER_TEXT("print", "The page did not print on %1: %2."), {printer, std::move(what)}, job.why())});
        return false;
    }
    if (state.state == IPP_PSTATE_STOPPED) {
        if (state.pausedBySomeone(job.reasons))
            tell({News::Kind::Paused,
                  because(USER_TEXT("print", "The printer %1 was paused (%2): the page waits in its queue until the "
                                             "printer is resumed."),
                          USER_TEXT("print", "The printer %1 was paused: the page waits in its queue until the "
                                             "printer is resumed."),
                          {printer}, newWords(state.message, "Paused"))});
        else
            tell({News::Kind::Failed,
                  because(USER_TEXT("print", "The page did not print: the printer %1 stopped (%2). It waits in the "
                                             "queue until the printer is started again."),
                          USER_TEXT("print", "The page did not print: the printer %1 stopped. It waits in the queue "
                                             "until the printer is started again."),
                          {printer}, newWords(state.message))});
        return false;
    }
    if (Message fault = state.fault(); !fault.empty() && !s.toldWhy) {
        s.toldWhy = true;
        tell({News::Kind::Waiting, because(USER_TEXT("print", "The page waits on %1: %2 (%3)."),
                                           USER_TEXT("print", "The page waits on %1: %2."), {printer, std::move(fault)},
                                           newWords(state.message))});
    }
    return true;
}

} // namespace print
