#pragma once
// One page handed to the user's default printer and followed until it is
// known what became of it. Plain C++ over the CUPS library: it blocks, so it
// runs off the window's thread, and every wait on the print server is bounded.

#include "message/message.h"
#include "print/close_deadline.h"
#include "print/failure.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace print {

// What the user hears of a page after it was handed over.
struct News {
    enum class Kind {
        Paused,  // the printer was paused by someone: the page waits
        Waiting, // the printer reports a fault: the page waits until it is mended
        Failed,  // the job did not print
    };
    Kind kind = Kind::Failed;
    message::Message text; // plain words for the user
};

struct Paper {
    double widthMm;
    double heightMm;
};

class PrintJob {
public:
    // Finds the user's default printer (LPDEST or PRINTER, then lpoptions,
    // then the server's) with its defaults and the user's lpoptions. Raises
    // a Failure when there is none to print on.
    explicit PrintJob(const CloseDeadline& deadline);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // The paper the job prints on, from its media option; none when that is
    // missing or names no paper known.
    std::optional<Paper> paper() const;

    // Hands the page, a whole PDF file, over as one job. A job not handed
    // over whole is cancelled. Raises a Failure; tells Paused at once when
    // the page waits on a paused printer.
    void send(std::string_view pdf, const std::string& title, const std::function<void(const News&)>& tell);

    // Asks once how the job handed over is doing: tells once why it waits,
    // if the printer says, and Failed if it did not print. Says whether to
    // ask again: not once the job is done, nothing more can be learnt, half
    // a minute has passed or the program closes.
    bool follow(const std::function<void(const News&)>& tell);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace print
