// Starts a program under X and measures how long it takes until a window of the given title is
// mapped, and until letters typed at it show in a name box at a given place in that window;
// then, once the start-up has settled, reads the program's resident memory. One start per
// call; the script repeats it.
//
// usage: startup_probe TITLE X Y W H PROGRAM [ARGS...]
// prints: window_ms ready_ms rss_kb cpu_ms (processor time used until ready)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSettle {1500};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool titleIs(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    const bool same = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return same;
}

// The viewable top-level window with that title, searched one level below the root's children
// too, as window managers and Qt's own frames may wrap the client window.
Window findWindow(Display* display, Window root, const char* title, int depth = 0)
{
    Window parent = 0, rootReturn = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (titleIs(display, children[i], title))
            found = children[i];
        else if (depth < 1)
            found = findWindow(display, children[i], title, depth + 1);
    }
    if (children)
        XFree(children);
    return found;
}

// True when the box shows typed letters: mostly light (the box itself, not a dark window
// behind a box not yet in place) with some dark pixels in it. The border is left out.
bool boxShowsText(Display* display, Window window, int x, int y, int w, int h)
{
    constexpr int kBorder = 3;
    x += kBorder;
    y += kBorder;
    w -= 2 * kBorder;
    h -= 2 * kBorder;
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XImage* image = XGetImage(display, window, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!image)
        return false;
    int dark = 0, light = 0;
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            const unsigned sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
            dark += sum < 200;
            light += sum > 600;
        }
    }
    XDestroyImage(image);
    return dark >= 6 && light * 2 > w * h;
}

// The processor time all the program's threads have had so far, which the load of a busy
// machine changes far less than the time on the clock.
double processorMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpuNs = 0;
        if (schedstat >> onCpuNs)
            total += onCpuNs / 1e6;
    }
    return total;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s TITLE X Y W H PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const KeyCode letter = XKeysymToKeycode(display, XK_m);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[6], argv + 6);
        _exit(127);
    }
    double windowMs = -1, readyMs = -1, cpuMs = -1;
    Window window = 0;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (Clock::now() < deadline && readyMs < 0) {
        if (!window) {
            window = findWindow(display, DefaultRootWindow(display), title);
            if (window) {
                windowMs = msSince(start);
                XSetInputFocus(display, window, RevertToParent, CurrentTime);
            }
        } else {
            XTestFakeKeyEvent(display, letter, True, 0);
            XTestFakeKeyEvent(display, letter, False, 0);
            XFlush(display);
            if (boxShowsText(display, window, x, y, w, h)) {
                readyMs = msSince(start);
                cpuMs = processorMs(pid);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // Memory once the start-up has settled: work left to worker threads counts too.
    std::this_thread::sleep_for(kSettle);
    const long rss = residentKb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (readyMs < 0) {
        std::fprintf(stderr, "%s: the name box never showed typed text\n", title);
        return 1;
    }
    std::printf("%.1f %.1f %ld %.1f\n", windowMs, readyMs, rss, cpuMs);
    return 0;
}
