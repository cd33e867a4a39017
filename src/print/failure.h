#pragma once
// Why a page did not print, in plain words.

#include "message/message.h"

#include <exception>
#include <utility>

namespace print {

struct Failure : std::exception {
    Failure(message::Message sentence, message::Message blockingCause = {})
        : text(std::move(sentence)), cause(std::move(blockingCause))
    {
    }
    const char* what() const noexcept override { return "the page did not print"; }

    message::Message text; // the whole sentence for this one page
    // Set when the server or the printer cannot take any page (no server,
    // not answering, no such printer, refusing jobs): the pages queued
    // behind fail with this one. A clause, it begins the sentence that
    // counts them.
    message::Message cause;
};

// A failure of the server or printer: no page can print until it is mended.
Failure blocking(message::Message cause);

// A failure of this page only.
Failure ofThisPage(const message::Message& cause);

} // namespace print
