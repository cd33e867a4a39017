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
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return run;
    const pid_t child = fork();
    if (child == 0) { // only what is safe between fork() and exec()
        dup2(out[1], STDOUT_FILENO);
        execv(program.c_str(), arguments.data());
        _exit(127);
    }
    close(out[1]);
    const Clock::time_point end = Clock::now() + within;
    pollfd output{out[0], POLLIN, 0};
    for (char buffer[4096]; child > 0;) {
        const int ready = poll(&output, 1, millisecondsUntil(end));
        if (ready < 0 && errno == EINTR) continue;
        const ssize_t got = ready > 0 ? read(out[0], buffer, sizeof buffer) : 0;
        if (got <= 0) break;
        run.out.append(buffer, static_cast<size_t>(got));
    }
    close(out[0]);
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
