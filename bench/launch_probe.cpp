// Starts a Windows program under Wine and measures it from outside, the same way for
// the rabbit and for the baseline: time to the first paint of its X window, peak
// resident memory, and processor time and wakeups while it idles.
//
// launch_probe --name TITLE [--settle S] [--idle S] [--before-idle SHELL] -- COMMAND...
// prints key=value lines; the program is killed at the end.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Options {
    std::string name;
    double settleSeconds = 2;
    double idleSeconds = 0;
    std::string beforeIdle;
    std::vector<char*> command;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: launch_probe --name TITLE [--settle S] [--idle S] "
                         "[--before-idle SHELL] -- COMMAND...\n");
    std::exit(2);
}

Options parseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) {
            usage();
        }
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--name") {
            options.name = value;
        } else if (key == "--settle") {
            options.settleSeconds = std::atof(value);
        } else if (key == "--idle") {
            options.idleSeconds = std::atof(value);
        } else if (key == "--before-idle") {
            options.beforeIdle = value;
        } else {
            usage();
        }
    }
    for (++i; i < argc; ++i) {
        options.command.push_back(argv[i]);
    }
    if (options.name.empty() || options.command.empty()) {
        usage();
    }
    options.command.push_back(nullptr);
    return options;
}

// Windows vanish between the query and the look at them; such errors mean "not yet".
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

Window findViewableWindow(Display* display, Window parent, const std::string& name) {
    Window root;
    Window parentOut;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) && title) {
            XWindowAttributes attributes;
            if (name == title && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(title);
        }
        if (!found) {
            found = findViewableWindow(display, children[i], name);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

// The window counts as painted once any pixel inside it differs from what the
// screen showed there before the program started.
bool painted(Display* display, Window window, XImage* before) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return false;
    }
    int x = 0;
    int y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + attributes.width, before->width);
    const int bottom = std::min(y + attributes.height, before->height);
    if (right <= left || bottom <= top) {
        return false;
    }
    XImage* now = XGetImage(display, DefaultRootWindow(display), left, top, right - left,
                            bottom - top, AllPlanes, ZPixmap);
    if (!now) {
        return false;
    }
    bool changed = false;
    for (int row = 0; row < bottom - top && !changed; ++row) {
        for (int column = 0; column < right - left && !changed; ++column) {
            changed = XGetPixel(now, column, row) != XGetPixel(before, left + column, top + row);
        }
    }
    XDestroyImage(now);
    return changed;
}

struct Usage {
    long long cpuNs = 0;
    long long wakeups = 0;
};

// Summed over every thread: on-processor time in nanoseconds and voluntary switches,
// each of which is one wakeup from a wait.
Usage readUsage(pid_t pid) {
    Usage usage;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (!dir) {
        return usage;
    }
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string task = taskDir + "/" + entry->d_name;
        std::ifstream schedstat(task + "/schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu) {
            usage.cpuNs += onCpu;
        }
        std::ifstream status(task + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
                usage.wakeups += std::atoll(line.c_str() + std::strlen("voluntary_ctxt_switches:"));
            }
        }
    }
    closedir(dir);
    return usage;
}

long statusKb(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(field));
        }
    }
    return -1;
}

// The wineserver of WINEPREFIX works in a directory named after the prefix's device
// and inode; its processor time belongs to the program's cost too.
pid_t findWineserver() {
    const char* prefix = std::getenv("WINEPREFIX");
    struct stat prefixStat;
    if (!prefix || stat(prefix, &prefixStat) != 0) {
        return 0;
    }
    char serverDir[128];
    std::snprintf(serverDir, sizeof serverDir, "server-%llx-%llx",
                  static_cast<unsigned long long>(prefixStat.st_dev),
                  static_cast<unsigned long long>(prefixStat.st_ino));
    DIR* proc = opendir("/proc");
    pid_t found = 0;
    while (dirent* entry = proc ? readdir(proc) : nullptr) {
        const pid_t pid = std::atoi(entry->d_name);
        if (pid <= 0) {
            continue;
        }
        char cwd[512] = {};
        const std::string link = "/proc/" + std::to_string(pid) + "/cwd";
        if (readlink(link.c_str(), cwd, sizeof cwd - 1) > 0 && std::strstr(cwd, serverDir)) {
            std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
            std::string name;
            if (comm >> name && name.rfind("wineserver", 0) == 0) {
                found = pid;
                break;
            }
        }
    }
    if (proc) {
        closedir(proc);
    }
    return found;
}

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "launch_probe: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XImage* before = XGetImage(display, root, 0, 0, DisplayWidth(display, 0),
                               DisplayHeight(display, 0), AllPlanes, ZPixmap);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(options.command[0], options.command.data());
        _exit(127);
    }

    double mappedMs = -1;
    double paintedMs = -1;
    Window window = 0;
    while (paintedMs < 0 && msSince(start) < 30000) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "launch_probe: the program ended before it painted\n");
            return 1;
        }
        if (!window) {
            window = findViewableWindow(display, root, options.name);
            if (window) {
                mappedMs = msSince(start);
            }
        }
        if (window && painted(display, window, before)) {
            paintedMs = msSince(start);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (paintedMs < 0) {
        std::fprintf(stderr, "launch_probe: no painted window named '%s'\n", options.name.c_str());
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    std::printf("mapped_ms=%.1f\nfirst_paint_ms=%.1f\n", mappedMs, paintedMs);

    sleepSeconds(options.settleSeconds);
    std::printf("hwm_kb=%ld\nrss_kb=%ld\n", statusKb(child, "VmHWM:"), statusKb(child, "VmRSS:"));

    if (options.idleSeconds > 0) {
        if (!options.beforeIdle.empty()) {
            const std::string command =
                "WINDOW=" + std::to_string(window) + " sh -c '" + options.beforeIdle + "'";
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "launch_probe: the before-idle command failed\n");
            }
            sleepSeconds(1);
        }
        const pid_t server = findWineserver();
        const Usage programBefore = readUsage(child);
        const Usage serverBefore = readUsage(server);
        sleepSeconds(options.idleSeconds);
        const Usage programAfter = readUsage(child);
        const Usage serverAfter = readUsage(server);
        std::printf("idle_s=%.0f\ncpu_ms=%.1f\nwakeups=%lld\nserver_found=%d\n"
                    "server_cpu_ms=%.1f\nserver_wakeups=%lld\nend_hwm_kb=%ld\n",
                    options.idleSeconds, (programAfter.cpuNs - programBefore.cpuNs) / 1e6,
                    programAfter.wakeups - programBefore.wakeups, server != 0,
                    (serverAfter.cpuNs - serverBefore.cpuNs) / 1e6,
                    serverAfter.wakeups - serverBefore.wakeups, statusKb(child, "VmHWM:"));
    }
    std::ifstream comm("/proc/" + std::to_string(child) + "/comm");
    std::string name;
    comm >> name;
    std::printf("process=%s\n", name.c_str());

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XDestroyImage(before);
    XCloseDisplay(display);
    return 0;
}
