#pragma once
// Why a page did not print, in plain words.

#include "numeric/message.h"

namespace print {

struct Failure {
    numeric::Message text; // the whole sentence for this one page
    // Set when the server or the printer cannot take any page (no server,
    // not answering, no such printer, refusing jobs): the pages queued
    // behind fail with this one. A clause, it begins the sentence that
    // counts them.
    numeric::Message cause;
};

// A failure of the server or printer: no page can print until it is mended.
Failure blocking(numeric::Message cause);

// A failure of this page only.
Failure ofThisPage(const numeric::Message& cause);

} // namespace print
