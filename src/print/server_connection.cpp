#include "print/server_connection.h"

#include "print/cups_library.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <strings.h>
#include <sys/stat.h>

namespace print {

using message::Message;

void IppDeleter::operator()(ipp_t* ipp) const
{
    cups().ippDelete(ipp);
}

void ServerConnection::HttpCloser::operator()(http_t* http) const
{
    cups().httpClose(http);
}

ServerConnection::ServerConnection(const CloseDeadline& deadline) : deadline_(deadline)
{
    // The environment is read afresh for each page, as lp would.
    cups().cupsSetServer(nullptr);
    cups().cupsSetUser(nullptr);
    // A server that asks for a password gets none: no prompt may wait on a
    // terminal that nobody reads, and the window asks for nothing.
    cups().cupsSetPasswordCB2(
        [](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; }, nullptr);
    name_ = cups().cupsServer();
    port_ = cups().ippPort();
    expectAnswer();
    LookedUp found = lookUp(name_, port_, answerBy_);
    if (found.outcome == LookedUp::Outcome::TooSlow)
        throw blocking(
            {USER_TEXT("print", "The print server name %1 could not be looked up within five seconds"), {name_}});
    if (found.outcome == LookedUp::Outcome::NotFound)
        throw blocking({USER_TEXT("print", "The print server name %1 cannot be found"), {name_}});
    addresses_ = std::move(found.addresses);
    connect();
}

ServerConnection::ServerConnection(const ServerConnection& other, ToCancel)
    : deadline_(other.deadline_), cancelling_(true), name_(other.name_), port_(other.port_),
      addresses_(other.addresses_)
{
    connect();
}

ServerConnection::~ServerConnection() = default;

void ServerConnection::connect()
{
    expectAnswer();
    // A connection being made when the program's cut-off comes is given up,
    // except the one that cancels a job.
    int* stop = cancelling_ ? nullptr : deadline_.connectionCancel();
    errno = 0;
    http_.reset(cups().httpConnect2(name_.c_str(), port_, addresses_.get(), AF_UNSPEC, cups().cupsEncryption(), 1,
                                    millisecondsLeft(), stop));
    if (!http_ && (errno == ETIMEDOUT || errno == 0 || deadline_.pastCutoff())) throw blocking(notAnswering());
    if (!http_) {
        // libcups closes the socket it tried before it returns, which leaves
        // "Bad file descriptor" behind; a socket path that is not there says
        // why itself.
        int why = errno;
        struct stat socket {};
        if (name_.starts_with('/') && ::stat(name_.c_str(), &socket) != 0) why = errno;
        throw blocking(
            {USER_TEXT("print", "No print server is running at %1 (%2)"), {name_, std::string(std::strerror(why))}});
    }
    cups().httpSetTimeout(http_.get(), 0.25, &ServerConnection::onTimeout, this);
}

// Starts the clock for one exchange.
void ServerConnection::expectAnswer()
{
    answerBy_ = cancelling_ ? deadline_.cancelBy() : deadline_.answerBy();
    timedOut_ = false;
}

int ServerConnection::millisecondsLeft() const
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(answerBy_ - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 1, kAnswerWithin / std::chrono::milliseconds(1)));
}

// The CUPS library calls this at each quarter second the server is silent.
int ServerConnection::onTimeout(http_t*, void* self)
{
    auto* server = static_cast<ServerConnection*>(self);
    server->timedOut_ = Clock::now() >= server->answerBy_;
    return server->timedOut_ ? 0 : 1;
}

// Whether the next request can go on this connection as it is. When it
// cannot, the CUPS library would reconnect by itself, with a wait of its own
// that no deadline bounds.
bool ServerConnection::ready() const
{
    http_t* http = http_.get();
    const http_status_t status = cups().httpGetStatus(http);
    const char* connection = cups().httpGetField(http, HTTP_FIELD_CONNECTION);
    return cups().httpGetFd(http) >= 0 && cups().httpGetState(http) == HTTP_STATE_WAITING &&
           status != HTTP_STATUS_ERROR && status < HTTP_STATUS_BAD_REQUEST &&
           !(connection && ::strcasecmp(connection, "close") == 0);
}

bool ServerConnection::send(ipp_t* request, const std::string& resource, size_t length)
{
    expectAnswer();
    fault_ = Fault::None;
    why_.clear();
    errno = 0;
    if (!ready() && cups().httpReconnect2(http_.get(), millisecondsLeft(),
                                          cancelling_ ? nullptr : deadline_.connectionCancel()) != 0) {
        // The server took the last request, so it was there: it has stopped
        // answering, or gone.
        fault_ = errno == ETIMEDOUT || errno == 0 ? Fault::NotAnswering : Fault::HungUp;
        return false;
    }
    const http_status_t status = cups().cupsSendRequest(http_.get(), request, resource.c_str(), length);
    if (status == HTTP_STATUS_CONTINUE || status == HTTP_STATUS_OK) return true;
    noteFault(status);
    return false;
}

Ipp ServerConnection::answer(const std::string& resource)
{
    http_t* http = http_.get();
    Ipp response(cups().cupsGetResponse(http, resource.c_str()));
    const http_status_t status = cups().httpGetStatus(http);
    if (cups().httpGetState(http) != HTTP_STATE_WAITING) cups().httpFlush(http);
    if (!response) {
        noteFault(status);
        return nullptr;
    }
    const ipp_status_t said = cups().ippGetStatusCode(response.get());
    if (said == IPP_STATUS_ERROR_FORBIDDEN || said == IPP_STATUS_ERROR_NOT_AUTHENTICATED) {
        fault_ = Fault::NeedsLogin;
        return nullptr;
    }
    if (said > IPP_STATUS_OK_EVENTS_COMPLETE) {
        fault_ = Fault::Other;
        const char* message = cups().cupsLastErrorString();
        why_ = message && *message ? message : cups().ippErrorString(said);
    }
    return response;
}

// Sorts out why no answer came. The library's last error may be left from an
// earlier exchange, so what happened is read from this connection itself.
void ServerConnection::noteFault(http_status_t status)
{
    const int error = cups().httpError(http_.get());
    if (timedOut_) {
        fault_ = Fault::NotAnswering;
    } else if (status == HTTP_STATUS_UNAUTHORIZED || status == HTTP_STATUS_FORBIDDEN ||
               status == HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED) {
        fault_ = Fault::NeedsLogin;
    } else if (status == HTTP_STATUS_ERROR && (error == EPIPE || error == ECONNRESET)) {
        fault_ = Fault::HungUp;
    } else {
        fault_ = Fault::Other;
        const char* message = cups().cupsLastErrorString();
        if (status == HTTP_STATUS_ERROR && error != 0)
            why_ = std::strerror(error);
        else if (message && *message)
            why_ = message;
    }
}

Ipp ServerConnection::ask(Ipp request, const std::string& resource)
{
    if (!send(request.get(), resource, cups().ippLength(request.get()))) return nullptr;
    return answer(resource);
}

bool ServerConnection::startDocument(Ipp request, const std::string& resource)
{
    return send(request.get(), resource, CUPS_LENGTH_VARIABLE);
}

bool ServerConnection::sendPiece(std::string_view piece)
{
    expectAnswer();
    const http_status_t status = cups().cupsWriteRequestData(http_.get(), piece.data(), piece.size());
    if (status == HTTP_STATUS_CONTINUE) return true;
    noteFault(status);
    return false;
}

Ipp ServerConnection::finishDocument(const std::string& resource)
{
    expectAnswer();
    return answer(resource);
}

Message ServerConnection::notAnswering() const
{
    return {USER_TEXT("print", "The print server at %1 is not answering"), {name_}};
}

Failure ServerConnection::failure(message::Text couldNot, std::vector<Message> places) const
{
    switch (fault_) {
    case Fault::NotAnswering:
        return blocking(notAnswering());
    case Fault::HungUp:
        return blocking({USER_TEXT("print", "The print server at %1 closed the connection"), {name_}});
    case Fault::NeedsLogin:
        return blocking(
            {USER_TEXT("print", "The print server at %1 refused the job: printing there needs a login"), {name_}});
    case Fault::None:
    case Fault::Other:
        break;
    }
    places.push_back(why_.empty() ? Message(USER_TEXT("print", "no reason given")) : Message(why_));
    return ofThisPage({couldNot, std::move(places)});
}

} // namespace print
