// A print server that fails as real ones do, for the print tests' fault
// table. It listens on a unix socket, goes to the background once it does,
// and prints its process id; stop it with kill.
//
//   faulty_print_server hang-up SOCKET    reads each request and closes the
//                                         connection, as a dying cupsd does
//   faulty_print_server 401 SOCKET        answers every request with 401, or
//   faulty_print_server 403 SOCKET        403: the server wants a login
//   faulty_print_server stall SOCKET CUPS passes everything on to the CUPS
//                                         server at the socket CUPS until a
//                                         page starts, then answers nothing
//                                         more, on any connection

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

sockaddr_un addressOf(const char* path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path, sizeof address.sun_path - 1);
    return address;
}

int listenOn(const char* path)
{
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    unlink(path);
    if (listener < 0 || bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 16) != 0) {
        std::perror(path);
        return -1;
    }
    return listener;
}

int connectTo(const char* path)
{
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    if (server >= 0 && connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return server;
    if (server >= 0) close(server);
    return -1;
}

// Reads what arrives within waitMs at a time, until the connection closes,
// or the request's header and the body its Content-Length gives are in.
bool readRequest(int client, int waitMs)
{
    std::string request;
    for (;;) {
        const auto headerEnd = request.find("\r\n\r\n");
        if (headerEnd != std::string::npos) {
            const auto length = request.find("Content-Length: ");
            const size_t body = length == std::string::npos ? 0 : std::stoul(request.substr(length + 16));
            if (request.size() >= headerEnd + 4 + body) return true;
        }
        pollfd ready{client, POLLIN, 0};
        char buffer[4096];
        if (poll(&ready, 1, waitMs) <= 0) return headerEnd != std::string::npos;
        const ssize_t got = read(client, buffer, sizeof buffer);
        if (got <= 0) return false;
        request.append(buffer, static_cast<size_t>(got));
    }
}

void answerEvery(int client, std::string_view status)
{
    std::string answer = "HTTP/1.1 " + std::string(status) + "\r\nContent-Length: 0\r\n";
    if (status.starts_with("401")) answer += "WWW-Authenticate: Basic realm=\"CUPS\"\r\n";
    answer += "\r\n";
    while (readRequest(client, 10'000))
        if (write(client, answer.data(), answer.size()) < 0) return;
}

// Passes one connection on to the CUPS server; says whether a page started
// on it, at which point nothing more is passed on, either way.
bool passOn(int client, const char* cups)
{
    const int server = connectTo(cups);
    if (server < 0) return false;
    pollfd both[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    std::string seen; // the end of what the client sent, to find "%PDF" across reads
    for (;;) {
        if (poll(both, 2, -1) < 0) break;
        for (int from = 0; from < 2; ++from) {
            if (!both[from].revents) continue;
            char buffer[4096];
            const ssize_t got = read(both[from].fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(server);
                return false;
            }
            std::string_view piece(buffer, static_cast<size_t>(got));
            if (from == 0) {
                seen = seen.substr(seen.size() > 3 ? seen.size() - 3 : 0) + std::string(piece);
                if (const auto page = seen.find("%PDF"); page != std::string::npos) {
                    // Half the page's first piece goes on, then nothing.
                    (void)!write(server, piece.data(), piece.size() / 2);
                    return true;
                }
            }
            if (write(both[1 - from].fd, piece.data(), piece.size()) < 0) {
                close(server);
                return false;
            }
        }
    }
    close(server);
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string_view mode = argc > 2 ? argv[1] : "";
    if (!(mode == "hang-up" || mode == "401" || mode == "403" || (mode == "stall" && argc > 3))) {
        std::fprintf(stderr, "usage: faulty_print_server hang-up|401|403|stall SOCKET [CUPS]\n");
        return 2;
    }
    const int listener = listenOn(argv[2]);
    if (listener < 0) return 1;
    const pid_t server = fork();
    if (server != 0) {
        std::printf("%d\n", static_cast<int>(server));
        return server > 0 ? 0 : 1;
    }
    // In the background, away from the output the test reads to its end.
    const int nowhere = open("/dev/null", O_RDWR);
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        dup2(nowhere, stream);
    for (;;) {
        const int client = accept(listener, nullptr, nullptr);
        if (client < 0) continue;
        if (mode == "hang-up") {
            readRequest(client, 200);
        } else if (mode == "stall") {
            if (passOn(client, argv[3]))
                for (;;)
                    pause(); // stalled, with every connection held open
        } else {
            answerEvery(client, mode == "401" ? "401 Unauthorized" : "403 Forbidden");
        }
        close(client);
    }
}
