// Measures the real program against the toolkit's floor on one X server: time
// from start until the window is mapped, peak memory, CPU time while idle.
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
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

struct Start {
    double bisSichtbar = -1;  // ms from fork until the window's map event
    long spitzeKb = -1;       // VmHWM after start-up and a short idle time
    double leerlaufCpu = -1;  // CPU seconds over the idle time
};

// Starts `programm`, waits for the map event of its window titled `titel`,
// and ends it; with `lange`, lets it idle first and reads its peak memory and
// CPU time.
Start messen(Display* d, const char* programm, const char* titel, double leerlaufSekunden, bool lange)
{
    Start s;
    const auto start = Uhr::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The programs' own messages would only interleave with the figures.
        if (const int nichts = open("/dev/null", O_WRONLY); nichts >= 0) {
            dup2(nichts, STDOUT_FILENO);
            dup2(nichts, STDERR_FILENO);
        }
        execl(programm, programm, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto grenze = start + std::chrono::seconds(20);
    while (s.bisSichtbar < 0 && Uhr::now() < grenze) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && hatNamen(d, e.xmap.window, titel))
                s.bisSichtbar = std::chrono::duration<double, std::milli>(Uhr::now() - start).count();
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 1);
    }
    if (lange) {
        // Start-up work that follows the map (first paint, fonts) counts too.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const double cpuVorher = cpuSekunden(pid);
        std::this_thread::sleep_for(std::chrono::duration<double>(leerlaufSekunden));
        s.leerlaufCpu = cpuSekunden(pid) - cpuVorher;
        s.spitzeKb = spitzenspeicherKb(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    // Map events of windows that closed meanwhile are of no interest.
    XSync(d, True);
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? -1 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

// Usage: programm_messen GAME FLOOR [STARTS] [IDLE_SECONDS]
// Alternates the game and the floor program, STARTS times each (at least 5),
// on one X server, and prints the medians and the ratios game / floor. A
// start's time varies by a third from one start to the next on a shared
// machine, so many starts give the time; memory, which hardly varies, and the
// idle CPU come from the first few, which also idle before they end.
int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME FLOOR [STARTS] [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const int starts = std::max(5, argc > 3 ? std::atoi(argv[3]) : 31);
    const int langeStarts = std::min(starts, 7);
    const double leerlauf = argc > 4 ? std::atof(argv[4]) : 1.0;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 77;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    // One unmeasured start each warms the file cache for both alike.
    messen(d, argv[1], "Tarnkiste Prototyp", 0.1, false);
    messen(d, argv[2], "Tarnkiste Boden", 0.1, false);
    std::vector<double> spielZeit, bodenZeit, spielSpeicher, bodenSpeicher, spielCpu;
    bool gut = true;
    for (int i = 0; i < starts; ++i) {
        const bool lange = i < langeStarts;
        const Start spiel = messen(d, argv[1], "Tarnkiste Prototyp", leerlauf, lange);
        const Start boden = messen(d, argv[2], "Tarnkiste Boden", leerlauf, lange);
        gut = gut && spiel.bisSichtbar >= 0 && boden.bisSichtbar >= 0;
        spielZeit.push_back(spiel.bisSichtbar);
        bodenZeit.push_back(boden.bisSichtbar);
        if (lange) {
            spielSpeicher.push_back(spiel.spitzeKb / 1024.0);
            bodenSpeicher.push_back(boden.spitzeKb / 1024.0);
            spielCpu.push_back(spiel.leerlaufCpu);
        }
    }
    XCloseDisplay(d);

    const double zs = median(spielZeit), zb = median(bodenZeit);
    const double ss = median(spielSpeicher), sb = median(bodenSpeicher);
    std::printf("medians of %d alternating starts on one X server (memory and idle CPU: the first %d)\n", starts,
                langeStarts);
    std::printf("%-34s game %7.1f ms   floor %7.1f ms   ratio %.2f (target <= 1.20)\n", "start until the window is mapped",
                zs, zb, zs / zb);
    std::printf("%-34s game %7.1f MB   floor %7.1f MB   ratio %.2f (target <= 1.15)\n", "peak memory (VmHWM)", ss, sb,
                ss / sb);
    std::printf("%-34s game %7.3f s over %.1f s idle (target 0)\n", "CPU time while idle", median(spielCpu), leerlauf);
    return gut ? 0 : 1;
}
