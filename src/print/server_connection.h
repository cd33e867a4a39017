#pragma once
// The connection to the print server that lp would use (CUPS_SERVER,
// client.conf, the local default), with every wait bounded: the name is
// looked up once, within the deadline, and every connection is made to the
// addresses found; each exchange is given up once the server has been silent
// past its deadline. The CUPS library reconnects by itself, with half a
// minute's wait of its own, when a request finds its connection unfit; a
// connection that is not ready for the next request is made afresh here
// first, within the deadline.

#include "print/close_deadline.h"
#include "print/failure.h"
#include "print/name_lookup.h"

#include <cups/cups.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace print {

struct IppDeleter {
    void operator()(ipp_t* ipp) const;
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

class ServerConnection {
public:
    // Connects; raises a Failure when there is no server to talk to.
    explicit ServerConnection(const CloseDeadline& deadline);
    // A connection of its own to the server of another, for cancelling a job
    // while that one may be stuck in a request: no lookup, a short deadline.
    struct ToCancel {};
    ServerConnection(const ServerConnection& other, ToCancel);
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    const std::string& name() const { return name_; }

    // Sends the request and hands the server's answer back: none when none
    // came, or when it says to log in. The answer may tell an error.
    Ipp ask(Ipp request, const std::string& resource);

    // A request followed by a document of any length: sends the request,
    // then the document piece by piece, then hands the answer back.
    bool startDocument(Ipp request, const std::string& resource);
    bool sendPiece(std::string_view piece);
    Ipp finishDocument(const std::string& resource);

    // Drops the connection in the middle of a request, which the server
    // takes for a broken one. Nothing more is asked on it.
    void hangUp() { http_.reset(); }

    // Why the last exchange failed, as the user should read it. A server
    // that did not answer, closed the connection or wants a login cannot
    // take any page; anything else is told with couldNot, a sentence of what
    // the server could not do, with the server's reason in its last place.
    Failure failure(message::Text couldNot, std::vector<message::Message> places = {}) const;

private:
    enum class Fault { None, NotAnswering, HungUp, NeedsLogin, Other };

    void connect();
    bool send(ipp_t* request, const std::string& resource, size_t length);
    Ipp answer(const std::string& resource);
    bool ready() const;
    void expectAnswer();
    int millisecondsLeft() const;
    void noteFault(http_status_t status);
    message::Message notAnswering() const;
    static int onTimeout(http_t* http, void* self);

    struct HttpCloser {
        void operator()(http_t* http) const;
    };

    const CloseDeadline& deadline_;
    const bool cancelling_ = false;
    std::string name_;
    int port_ = 0;
    Addresses addresses_;
    std::unique_ptr<http_t, HttpCloser> http_;
    Clock::time_point answerBy_;
    bool timedOut_ = false;
    Fault fault_ = Fault::None;
    std::string why_; // the server's words, or the system's, for a fault of another kind
};

} // namespace print
