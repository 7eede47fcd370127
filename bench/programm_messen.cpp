// Measures the real program on an X server: time from start until its window
// is mapped, CPU time while it sits idle, and its peak memory.
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Uhr = std::chrono::steady_clock;

double cpuSekunden(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string zeile;
    std::getline(stat, zeile);
    // Fields after the command name in parentheses; utime and stime are the 14th and 15th.
    const auto ende = zeile.rfind(')');
    if (ende == std::string::npos)
        return -1;
    std::istringstream rest(zeile.substr(ende + 2));
    std::string feld;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> feld; ++i) {
        if (i == 14)
            utime = std::stoull(feld);
        if (i == 15)
            stime = std::stoull(feld);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long spitzenspeicherKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmHWM:", 0) == 0)
            return std::strtol(zeile.c_str() + 6, nullptr, 10);
    return -1;
}

bool hatNamen(Display* d, Window w, const char* name)
{
    char* titel = nullptr;
    bool gleich = false;
    if (XFetchName(d, w, &titel) && titel) {
        gleich = std::strcmp(titel, name) == 0;
        XFree(titel);
    }
    return gleich;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const int leerlauf = argc > 2 ? std::atoi(argv[2]) : 10;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 77;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    const auto start = Uhr::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    double bisSichtbar = -1;
    const auto grenze = start + std::chrono::seconds(20);
    while (bisSichtbar < 0 && Uhr::now() < grenze) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && hatNamen(d, e.xmap.window, "Tarnkiste Prototyp"))
                bisSichtbar = std::chrono::duration<double, std::milli>(Uhr::now() - start).count();
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 1);
    }

    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double cpuVorher = cpuSekunden(pid);
    std::this_thread::sleep_for(std::chrono::seconds(leerlauf));
    const double cpuNachher = cpuSekunden(pid);
    const long spitze = spitzenspeicherKb(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(d);

    std::printf("%-38s %10.1f ms   (target < 150 ms)\n", "start until the window is mapped", bisSichtbar);
    std::printf("%-38s %10.1f MB   (target < 60 MB)\n", "peak memory (VmHWM)", spitze / 1024.0);
    std::printf("%-38s %10.3f s    over %d s idle (target 0)\n", "CPU time while idle", cpuNachher - cpuVorher,
                leerlauf);
    return bisSichtbar >= 0 ? 0 : 1;
}
