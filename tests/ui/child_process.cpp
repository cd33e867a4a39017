#include "child_process.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ui::testing {

namespace {

using Clock = std::chrono::steady_clock;

std::string findProgram(const std::string& name)
{
    if (name.find('/') != std::string::npos) return name;
    const char* path = std::getenv("PATH");
    std::istringstream folders(std::string(path ? path : "") + ":/usr/sbin:/usr/bin");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/" + name).c_str(), X_OK) == 0) return folder + "/" + name;
    return name;
}

int millisecondsUntil(Clock::time_point end)
{
    return static_cast<int>(
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count()));
}

} // namespace

ProgramRun runProgram(const std::vector<std::string>& command, std::chrono::milliseconds within)
{
    ProgramRun run;
    const std::string program = findProgram(command.front());
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0) return run;
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return run;
    }
    const pid_t child = fork();
    if (child == 0) {
        // Only calls that are safe between fork() and exec().
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        execv(program.c_str(), arguments.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    const Clock::time_point end = Clock::now() + within;
    pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* into[2] = {&run.out, &run.err};
    for (int reading = child > 0 ? 2 : 0; reading > 0 && millisecondsUntil(end) > 0;) {
        if (poll(streams, 2, millisecondsUntil(end)) < 0 && errno != EINTR) break;
        for (int i = 0; i < 2; ++i) {
            if (streams[i].fd < 0 || !streams[i].revents) continue;
            char buffer[4096];
            const ssize_t got = read(streams[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                into[i]->append(buffer, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(streams[i].fd);
                streams[i].fd = -1;
                --reading;
            }
        }
    }
    for (const pollfd& stream : streams)
        if (stream.fd >= 0) close(stream.fd);
    if (child < 0) return run;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (millisecondsUntil(end) == 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return run;
        }
        usleep(10'000);
    }
    run.exited = WIFEXITED(status);
    run.exitCode = run.exited ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace ui::testing
