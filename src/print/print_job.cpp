#include "print/print_job.h"

#include "print/cups_library.h"
#include "print/lpoptions.h"
#include "print/server_connection.h"
#include "print/state_words.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace print {

namespace {

// After handing the page over, how long its job is followed.
constexpr auto kFollowFor = std::chrono::seconds(30);

using message::Message;

// The server's words when they say something beyond CUPS's stock words for
// the state, which the sentence already says; else none.
Message newWords(const std::string& why, std::string_view stockWords = "")
{
    return why.empty() || sameWords(why, stockWords) ? Message() : Message(why);
}

// The sentence that gives why in its last place, or, with no why, the one
// that does without it: a translator sees each whole.
Message because(message::Text withWhy, message::Text withoutWhy, std::vector<Message> places, Message why)
{
    if (why.empty()) return {withoutWhy, std::move(places)};
    places.push_back(std::move(why));
    return {withWhy, std::move(places)};
}

ipp_status_t statusOf(const Ipp& answer)
{
    return answer ? cups().ippGetStatusCode(answer.get()) : IPP_STATUS_ERROR_INTERNAL;
}

bool succeeded(const Ipp& answer)
{
    return answer && statusOf(answer) <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

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

// What is asked of the printer: its state, and at first its defaults too.
// Nothing here is destroyed at exit, where a worker left behind may still be
// at work.
constexpr std::array<const char*, 6> kPrinterAttributes = {"printer-state",         "printer-state-message",
                                                           "printer-state-reasons", "printer-is-accepting-jobs",
                                                           "color-supported",       "printer-defaults"};
constexpr auto kPrinterState = std::span(kPrinterAttributes).first(5);

struct PrinterState {
    int state = 0;
    bool accepting = true;
    bool greyOnly = false;
    std::string message;              // the printer's own words
    std::vector<std::string> reasons; // its state reasons

    explicit PrinterState(ipp_t* answer = nullptr)
    {
        if (!answer) return;
        state = cups().ippGetInteger(cups().ippFindAttribute(answer, "printer-state", IPP_TAG_ENUM), 0);
        if (auto* accepts = cups().ippFindAttribute(answer, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
            accepting = cups().ippGetBoolean(accepts, 0);
        if (auto* colour = cups().ippFindAttribute(answer, "color-supported", IPP_TAG_BOOLEAN))
            greyOnly = !cups().ippGetBoolean(colour, 0);
        message = textOf(answer, "printer-state-message");
        reasons = valuesOf(answer, "printer-state-reasons");
    }
    // The first fault it reports, in plain words; empty: none.
    Message fault() const { return printerFault(reasons); }
    bool pausedBySomeone(const std::vector<std::string>& jobReasons = {}) const
    {
        return state == IPP_PSTATE_STOPPED && print::pausedBySomeone(reasons, message, jobReasons);
    }
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

// Where the user named a printer (printer[/instance]); none when the
// server's default applies.
struct Named {
    const char* where;
    std::string printer;
};

std::optional<Named> namedPrinter(const Lpoptions& lpoptions)
{
    if (const char* lpdest = std::getenv("LPDEST"); lpdest && *lpdest) return Named{"LPDEST", lpdest};
    if (const char* printer = std::getenv("PRINTER"); printer && *printer && std::strcmp(printer, "lp") != 0)
        return Named{"PRINTER", printer};
    if (std::string name = lpoptions.defaultPrinter(); !name.empty()) return Named{"lpoptions", std::move(name)};
    return std::nullopt;
}

// The printer's defaults as options, as the CUPS library gives them to a
// destination: each "-default" attribute of a plain kind, under the name
// before "-default".
void addDefaults(ipp_t* answer, int& count, cups_option_t*& options)
{
    for (ipp_attribute_t* a = cups().ippFirstAttribute(answer); a; a = cups().ippNextAttribute(answer)) {
        const char* name = cups().ippGetName(a);
        if (!name || cups().ippGetGroupTag(a) != IPP_TAG_PRINTER) continue;
        const std::string_view option = name;
        if (!option.ends_with("-default") || option.starts_with("notify-") || option.starts_with("print-quality-"))
            continue;
        switch (cups().ippGetValueTag(a)) {
        case IPP_TAG_BOOLEAN:
        case IPP_TAG_ENUM:
        case IPP_TAG_INTEGER:
        case IPP_TAG_KEYWORD:
        case IPP_TAG_NAME:
        case IPP_TAG_RANGE:
            break;
        default:
            continue;
        }
        char value[2048];
        cups().ippAttributeString(a, value, sizeof value);
        const std::string bare(option.substr(0, option.size() - std::strlen("-default")));
        count = cups().cupsAddOption(bare.c_str(), value, count, &options);
    }
}

} // namespace

struct PrintJob::State {
    explicit State(const CloseDeadline& deadline) : deadline(deadline), server(deadline) {}
    ~State() { cups().cupsFreeOptions(optionCount, options); }

    Ipp request(ipp_op_t operation, bool ofTheJob = false) const;
    Ipp ask(ipp_op_t operation, std::span<const char* const> wanted, bool ofTheJob = false);
    std::string serversDefault();
    bool cancelJob();

    const CloseDeadline& deadline;
    ServerConnection server;
    std::string printer;
    std::string uri;
    std::string resource;
    PrinterState before;
    int optionCount = 0;
    cups_option_t* options = nullptr;
    int job = 0;
    Clock::time_point followUntil;
    bool toldWhy = false;
};

Ipp PrintJob::State::request(ipp_op_t operation, bool ofTheJob) const
{
    Ipp request(cups().ippNewRequest(operation));
    if (!uri.empty())
        cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    if (ofTheJob) cups().ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                        cups().cupsUser());
    return request;
}

// Asks for some attributes of the printer, or of this page's job.
Ipp PrintJob::State::ask(ipp_op_t operation, std::span<const char* const> wanted, bool ofTheJob)
{
    Ipp asking = request(operation, ofTheJob);
    cups().ippAddStrings(asking.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         static_cast<int>(wanted.size()), nullptr, wanted.data());
    return server.ask(std::move(asking), "/");
}

// The server's own default printer; raises a Failure when it has none.
std::string PrintJob::State::serversDefault()
{
    constexpr std::array kName = {"printer-name"};
    const Ipp answer = ask(IPP_OP_CUPS_GET_DEFAULT, kName);
    if (statusOf(answer) == IPP_STATUS_ERROR_NOT_FOUND)
        throw blocking(USER_TEXT("print", "No default printer is set up"));
    std::string name = succeeded(answer) ? textOf(answer.get(), "printer-name") : std::string();
    if (name.empty())
        throw server.failure(USER_TEXT("print", "The print server could not find the default printer (%1)"));
    return name;
}

// Cancels the job by its id over a connection of its own: the one the page
// went on may be stuck, and asking the printer's state first would wait on
// the same server again.
bool PrintJob::State::cancelJob()
{
    try {
        ServerConnection canceller(server, ServerConnection::ToCancel{});
        return succeeded(canceller.ask(request(IPP_OP_CANCEL_JOB, true), resource));
    } catch (const Failure&) {
        return false;
    }
}

PrintJob::PrintJob(const CloseDeadline& deadline)
{
    if (std::string why; !loadCups(why))
        throw blocking({USER_TEXT("print", "The CUPS library could not be loaded (%1)"), {why}});
    state_ = std::make_unique<State>(deadline);
    State& s = *state_;

    // The printer as the user has it: named, or else the server's default.
    const Lpoptions lpoptions = Lpoptions::ofThisUser();
    const auto named = namedPrinter(lpoptions);
    const std::string chosen = named ? named->printer : s.serversDefault();
    const auto slash = chosen.find('/');
    s.printer = chosen.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : chosen.substr(slash + 1);
    s.uri = "ipp://localhost/printers/" + s.printer;
    s.resource = "/printers/" + s.printer;

    const Ipp answer = s.ask(IPP_OP_GET_PRINTER_ATTRIBUTES, kPrinterAttributes);
    // Only the server's own answer says that a printer does not exist.
    if (named && statusOf(answer) == IPP_STATUS_ERROR_NOT_FOUND) {
        const std::vector<Message> places{s.printer, std::string(named->where)};
        throw Failure{{USER_TEXT("print", "The printer %1 named in %2 does not exist on the print server."), places},
                      {USER_TEXT("print", "The printer %1 named in %2 does not exist on the print server"), places}};
    }
    if (!succeeded(answer))
        throw s.server.failure(USER_TEXT("print", "The print server could not tell the state of the printer %1 (%2)"),
                               {s.printer});
    s.before = PrinterState(answer.get());
    if (!s.before.accepting)
        throw blocking(because(USER_TEXT("print", "The printer %1 is refusing jobs (%2)"),
                               USER_TEXT("print", "The printer %1 is refusing jobs"), {s.printer},
                               newWords(s.before.message, "Rejecting Jobs")));

    // The job is given what lp would give it: the printer's defaults, then
    // the user's lpoptions for it. It asks for colour unless a colour mode
    // is set there.
    addDefaults(answer.get(), s.optionCount, s.options);
    bool colourModeSet = false;
    for (const std::string& line : lpoptions.optionsFor(s.printer, instance)) {
        cups_option_t* given = nullptr;
        const int count = cups().cupsParseOptions(line.c_str(), 0, &given);
        for (int i = 0; i < count; ++i) {
            s.optionCount = cups().cupsAddOption(given[i].name, given[i].value, s.optionCount, &s.options);
            colourModeSet =
                colourModeSet || sameWords(given[i].name, "print-color-mode") || sameWords(given[i].name, "ColorModel");
        }
        cups().cupsFreeOptions(count, given);
    }
    if (!s.before.greyOnly && !colourModeSet)
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
    ServerConnection& server = s.server;
    Ipp create = s.request(IPP_OP_CREATE_JOB);
    cups().ippAddString(create.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
    cups().cupsEncodeOptions2(create.get(), s.optionCount, s.options, IPP_TAG_OPERATION);
    cups().cupsEncodeOptions2(create.get(), s.optionCount, s.options, IPP_TAG_JOB);
    if (const Ipp created = server.ask(std::move(create), s.resource); succeeded(created))
        s.job = cups().ippGetInteger(cups().ippFindAttribute(created.get(), "job-id", IPP_TAG_INTEGER), 0);
    if (s.job == 0)
        throw server.failure(USER_TEXT("print", "The print server could not take a job for %1 (%2)"), {s.printer});

    Ipp document = s.request(IPP_OP_SEND_DOCUMENT, true);
    cups().ippAddString(document.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr, title.c_str());
    cups().ippAddString(document.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                        CUPS_FORMAT_PDF);
    cups().ippAddBoolean(document.get(), IPP_TAG_OPERATION, "last-document", 1);
    bool sent = server.startDocument(std::move(document), s.resource);
    constexpr size_t kPiece = 64 * 1024;
    for (size_t at = 0; sent && at < pdf.size(); at += kPiece)
        sent = !s.deadline.pastCutoff() && server.sendPiece(pdf.substr(at, kPiece));
    if (sent) sent = succeeded(server.finishDocument(s.resource));
    if (!sent) {
        // A page not sent whole is never finished: the connection is dropped,
        // which the server takes for a broken request, and the job is
        // cancelled over a new one. A server that stopped answering, or went,
        // keeps a job without its page, and takes no page after it either.
        const Failure why = server.failure(USER_TEXT("print", "The print server could not take the page (%1)"));
        server.hangUp();
        if (s.cancelJob() || !why.cause.empty()) throw why;
        throw Failure{{USER_TEXT("print", "The print server could not take the whole page, and job %1 on %2 could "
                                          "not be cancelled either, so part of it may still print."),
                       {std::to_string(s.job), s.printer}},
                      {}};
    }
    s.followUntil = Clock::now() + kFollowFor;
    if (s.before.pausedBySomeone())
        tell({News::Kind::Paused,
              because(USER_TEXT("print", "The printer %1 is paused (%2): the page waits in its queue until the "
                                         "printer is resumed."),
                      USER_TEXT("print", "The printer %1 is paused: the page waits in its queue until the printer is "
                                         "resumed."),
                      {s.printer}, newWords(s.before.message, "Paused"))});
}

bool PrintJob::follow(const std::function<void(const News&)>& tell)
{
    State& s = *state_;
    const std::string& printer = s.printer;
    // A paused printer was told of already; the page waits for someone.
    if (s.before.pausedBySomeone()) return false;
    if (Clock::now() >= s.followUntil || s.deadline.closing()) return false;
    constexpr std::array kJobState = {"job-state", "job-printer-state-message", "job-state-reasons"};
    // The printer first, so that the job's state is the newer.
    const Ipp printerAnswer = s.ask(IPP_OP_GET_PRINTER_ATTRIBUTES, kPrinterState);
    const Ipp jobAnswer = succeeded(printerAnswer) ? s.ask(IPP_OP_GET_JOB_ATTRIBUTES, kJobState, true) : nullptr;
    if (!succeeded(jobAnswer)) return false; // the server has the page; nothing more can be said
    const PrinterState state(printerAnswer.get());
    const int jobState = cups().ippGetInteger(cups().ippFindAttribute(jobAnswer.get(), "job-state", IPP_TAG_ENUM), 0);
    const std::vector<std::string> jobReasons = valuesOf(jobAnswer.get(), "job-state-reasons");
    if (jobState == IPP_JSTATE_COMPLETED) return false;
    if (Message what = unprinted(jobState); !what.empty()) {
        tell({News::Kind::Failed,
              because(USER_TEXT("print", "The page did not print on %1: %2 (%3)."),
                      USER_TEXT("print", "The page did not print on %1: %2."), {printer, std::move(what)},
                      jobWhy(textOf(jobAnswer.get(), "job-printer-state-message"), jobReasons))});
        return false;
    }
    if (state.state == IPP_PSTATE_STOPPED) {
        if (state.pausedBySomeone(jobReasons))
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
