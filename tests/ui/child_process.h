#pragma once
// Helper programs of the tests (lpstat, pdfinfo, the private print servers),
// started with fork() and exec(), never QProcess: Qt 6.4 starts its child
// with clone(CLONE_VM|CLONE_VFORK), which ThreadSanitizer takes for a fork,
// and it loses track of the locks the starting thread held.

#include <chrono>
#include <string>
#include <vector>

namespace ui::testing {

struct ProgramRun {
    bool exited = false; // by itself, within the time given
    int exitCode = -1;
    std::string out; // what it wrote is read; what it says on error goes to the test's log
};

// Runs the command, the program found on PATH or in /usr/sbin and /usr/bin
// (where the queue commands live, which a user's PATH may lack), with the
// test's environment, to its end, or kills it once the time given is over.
ProgramRun runProgram(const std::vector<std::string>& command, std::chrono::milliseconds within);

} // namespace ui::testing
