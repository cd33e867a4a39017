#include "print/state_words.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string_view>

namespace print {

namespace {

// A state reason without its -error, -warning or -report ending.
std::string_view bareReason(std::string_view reason)
{
    for (std::string_view ending : {"-error", "-warning", "-report"})
        if (reason.size() > ending.size() && reason.ends_with(ending))
            return reason.substr(0, reason.size() - ending.size());
    return reason;
}

struct Phrase {
    std::initializer_list<std::string_view> reasons;
    message::Text words;
};

// Why a printer holds pages up, in the words of someone standing at it.
const Phrase kPrinterFaults[] = {
    {{"media-empty", "media-needed"}, USER_TEXT("print", "the printer is out of paper")},
    {{"media-jam"}, USER_TEXT("print", "paper is jammed in the printer")},
    {{"door-open", "cover-open"}, USER_TEXT("print", "a cover of the printer is open")},
    {{"toner-empty", "marker-supply-empty"}, USER_TEXT("print", "the printer is out of toner or ink")},
    {{"offline", "connecting-to-device", "timed-out"}, USER_TEXT("print", "the printer cannot be reached")},
};

// Why a job did not print, as the server keeps it.
const Phrase kJobReasons[] = {
    {{"job-hold-until-specified"}, USER_TEXT("print", "it was set to wait")},
    {{"job-canceled-by-user", "job-canceled-by-operator", "job-canceled-at-device"},
     USER_TEXT("print", "someone cancelled it")},
    {{"aborted-by-system"}, USER_TEXT("print", "the print server gave it up")},
    {{"document-format-error", "document-unprintable-error", "unsupported-document-format"},
     USER_TEXT("print", "the printer cannot print the page")},
    {{"job-printer-stopped", "printer-stopped"}, USER_TEXT("print", "the printer stopped")},
    {{"resources-are-not-ready"}, USER_TEXT("print", "the printer is not ready")},
    {{"job-incoming", "job-data-insufficient"}, USER_TEXT("print", "the page did not reach the server whole")},
};

template <size_t N> const message::Text* phraseFor(std::string_view reason, const Phrase (&phrases)[N])
{
    for (const Phrase& phrase : phrases)
        if (std::find(phrase.reasons.begin(), phrase.reasons.end(), bareReason(reason)) != phrase.reasons.end())
            return &phrase.words;
    return nullptr;
}

} // namespace

bool sameWords(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

message::Message printerFault(const std::vector<std::string>& reasons)
{
    for (const std::string& reason : reasons)
        if (const message::Text* words = phraseFor(reason, kPrinterFaults)) return *words;
    for (const std::string& reason : reasons)
        if (reason.ends_with("-error")) return USER_TEXT("print", "the printer reports a fault");
    return {};
}

message::Message jobWhy(const std::string& message, const std::vector<std::string>& reasons)
{
    if (!message.empty()) return message;
    for (const std::string& reason : reasons)
        if (const message::Text* words = phraseFor(reason, kJobReasons)) return *words;
    return {};
}

bool pausedBySomeone(const std::vector<std::string>& printerReasons, const std::string& printerMessage,
                     const std::vector<std::string>& jobReasons)
{
    const bool jobFailed = std::any_of(jobReasons.begin(), jobReasons.end(), [](const std::string& reason) {
        return reason.ends_with("-error") || reason == "job-printer-stopped";
    });
    const bool saysPaused = printerMessage.empty() || sameWords(printerMessage, "Paused");
    return std::find(printerReasons.begin(), printerReasons.end(), "paused") != printerReasons.end() && saysPaused &&
           !jobFailed;
}

} // namespace print
