// Starts a program and tells, from the X server itself, how long it took from
// exec until its window was mapped and painted: a MapNotify of the window with
// the title on the root, then the first non-black pixel in the window's middle
// row (the display's root must be black: Xvfb -br). Polling tools such as
// xdotool --sync would add more than the start-up itself.
// usage: window_watch TITLE HOLD_MS PROGRAM [ARGS...]
// prints: milliseconds to visible, then in kB the peak RSS (VmHWM) and the
// anonymous and file-backed RSS after the window has stood HOLD_MS more;
// then ends the program.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string titleOf(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    for (Atom property : {netName, Atom(XA_WM_NAME)}) {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                               &after, &data) == Success && data) {
            std::string title(reinterpret_cast<char *>(data), count);
            XFree(data);
            if (!title.empty())
                return title;
        }
    }
    return {};
}

bool painted(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage *row = XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1, AllPlanes, ZPixmap);
    if (!row)
        return false;
    bool any = false;
    for (int x = 0; x < attributes.width && !any; ++x)
        any = (XGetPixel(row, x, 0) & 0xffffff) != 0;
    XDestroyImage(row);
    return any;
}

long statusKb(pid_t pid, const std::string &key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ":"))
            return std::atol(line.c_str() + key.size() + 1);
    return -1;
}

// SIGTERM, and SIGKILL for a program that outlives it by two seconds.
void end(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A window that goes away while we look at it is not an error of ours.
int ignoreErrors(Display *, XErrorEvent *) { return 0; }

[[noreturn]] void giveUp(pid_t pid, const char *why)
{
    std::fprintf(stderr, "window_watch: %s\n", why);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: window_watch TITLE HOLD_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const int holdMs = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_watch: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(open("/dev/null", O_WRONLY), 2);  // Qt's chatter would mix with the figures
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);

    Window window = 0;
    while (!window) {
        if (Clock::now() > deadline)
            giveUp(pid, "no window");
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titleOf(display, event.xmap.window) == title)
            window = event.xmap.window;
    }
    while (!painted(display, window)) {
        if (Clock::now() > deadline)
            giveUp(pid, "window never painted");
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    const long peakKb = statusKb(pid, "VmHWM"), anonKb = statusKb(pid, "RssAnon"), filesKb = statusKb(pid, "RssFile");
    end(pid);
    std::printf("%.1f %ld %ld %ld\n", ms, peakKb, anonKb, filesKb);
    return 0;
}
