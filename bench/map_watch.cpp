// Times one launch of a program to the moment its window is mapped on the X
// server and to the moment the program first draws into it, then, optionally
// after letting it settle, reads how much memory the program holds, and kills
// it.
//
//   torvane_map_watch [--settle-ms N] TITLE PROGRAM [ARGUMENT...]
//
// Prints one line:
//   map_ms=... paint_ms=... map_cpu_ms=... paint_cpu_ms=... pss_kib=... rss_kib=... hwm_kib=...
// The _cpu_ figures are the processor time the program's threads had used by
// then, which other work on a busy machine barely moves; the memory figures
// come only with --settle-ms. Exits 1 when the program exits, or no window
// titled TITLE is mapped and drawn into within 20 s.
//
// The watcher listens on the root window before the program is started, so no
// map can slip by, and the clock runs from just before fork() to the
// MapNotify: the watcher's own start-up is not counted, and it costs the
// program nothing while it waits (it sleeps in poll()). The first drawing is
// seen through the DAMAGE extension, set on every top-level window as it is
// created, before it can be mapped or drawn into.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(20);

// A window can be destroyed between its MapNotify and our questions about
// it; Xlib's default handler would end the watcher for that.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::optional<std::string> windowTitle(Display* display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        std::string title(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (type == utf8) return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        std::string title(name);
        XFree(name);
        return title;
    }
    return std::nullopt;
}

// The window carrying the title: the one mapped, or, where a window manager
// mapped its frame around the program's window, a child or grandchild of it.
std::optional<Window> titledWindow(Display* display, Window window, const std::string& title, int depth = 0)
{
    if (windowTitle(display, window) == title) return window;
    if (depth == 2) return std::nullopt;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = titledWindow(display, children[i], title, depth + 1);
    if (children) XFree(children);
    return found;
}

long kibFromProc(const std::string& path, const std::string& key)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(key, 0) != 0) continue;
        std::istringstream fields(line.substr(key.size()));
        long kib = -1;
        fields >> kib;
        return kib;
    }
    return -1;
}

// Processor time of all the program's threads so far, from the scheduler's
// own nanosecond account.
double cpuMs(pid_t pid)
{
    long long total = 0;
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
        std::ifstream file(task.path() / "schedstat");
        long long onCpu = 0;
        if (file >> onCpu) total += onCpu;
    }
    return static_cast<double>(total) / 1e6;
}

[[noreturn]] void usage(const char* self)
{
    std::fprintf(stderr, "usage: %s [--settle-ms N] TITLE PROGRAM [ARGUMENT...]\n", self);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    int first = 1;
    int settleMs = -1;
    if (argc > 2 && std::strcmp(argv[1], "--settle-ms") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first < 2) usage(argv[0]);
    const std::string title = argv[first];
    char** program = argv + first + 1;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: cannot open display %s\n", XDisplayName(nullptr));
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    int damageEvents = 0, damageErrors = 0;
    if (!XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
        std::fprintf(stderr, "map_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    const int xFd = ConnectionNumber(display);
    fcntl(xFd, F_SETFD, FD_CLOEXEC);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("map_watch: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(program[0], program);
        std::perror("map_watch: exec");
        _exit(127);
    }

    std::optional<Window> shown; // the titled window, once mapped
    std::optional<Clock::time_point> mapped, painted;
    double mapCpuMs = 0, paintCpuMs = 0;
    while (!painted) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "map_watch: %s exited before its window was drawn\n", program[0]);
            return 1;
        }
        if (Clock::now() - start > kGiveUpAfter) {
            std::fprintf(stderr, "map_watch: no window titled '%s' was %s\n", title.c_str(),
                         mapped ? "drawn into" : "mapped");
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        if (!XPending(display)) {
            pollfd wait{xFd, POLLIN, 0};
            poll(&wait, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const auto at = Clock::now();
        if (event.type == CreateNotify) {
            // Lives as long as the watcher's connection.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !mapped) {
            shown = titledWindow(display, event.xmap.window, title);
            if (!shown) continue;
            mapped = at;
            mapCpuMs = cpuMs(pid);
        } else if (event.type == damageEvents + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
            if (shown && damage.drawable == *shown) {
                painted = at;
                paintCpuMs = cpuMs(pid);
            }
        }
    }

    const std::chrono::duration<double, std::milli> toMap = *mapped - start, toPaint = *painted - start;
    std::printf("map_ms=%.3f paint_ms=%.3f map_cpu_ms=%.3f paint_cpu_ms=%.3f", toMap.count(), toPaint.count(), mapCpuMs,
                paintCpuMs);
    if (settleMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const std::string proc = "/proc/" + std::to_string(pid);
        std::printf(" pss_kib=%ld rss_kib=%ld hwm_kib=%ld", kibFromProc(proc + "/smaps_rollup", "Pss:"),
                    kibFromProc(proc + "/status", "VmRSS:"), kibFromProc(proc + "/status", "VmHWM:"));
    }
    std::printf("\n");

    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
