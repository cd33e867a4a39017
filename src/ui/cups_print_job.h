#pragma once
// One page handed to the print server and followed until it is known what
// became of it. Plain C++ over the CUPS library: it blocks, so it runs off the
// window's thread, and every wait on the server is bounded.

#include <functional>
#include <stop_token>
#include <string>

namespace ui {

struct PrintNews {
    enum class Kind {
        HandedOver, // the server has the whole page; more news may follow
        Waiting,    // handed over to a paused printer: it waits in the queue
        Failed,     // nothing was printed, or the job did not print
    };
    Kind kind;
    std::string text; // plain words for the user; empty for HandedOver
};

// Reads the page spooled as a PDF file at pdfPath, removes the file, sends
// the page to the default printer as one job, asking for colour unless the
// printer prints only grey, and follows the job for up to half a minute.
// Tells either one Failed (nothing printed), one Waiting (the printer is
// paused), or HandedOver and then, if the job did not print, one Failed.
// A stop request calls off the watch at once; a page not yet handed over
// is handed over first, each exchange bounded by a few seconds.
void printPdfFile(const std::string& pdfPath, const std::string& title, std::stop_token stop,
                  const std::function<void(const PrintNews&)>& tell);

} // namespace ui
