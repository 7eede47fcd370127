// Closing the window in the middle of a long handler ends the process within a second.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

extern char** environ;

namespace {

using Uhr = std::chrono::steady_clock;

struct Ergebnis {
    int status = -1;               // exit code; -1 still running at the limit
    long long nachSchliessen = -1;  // ms from the driver's close to its end
    std::string ausgabe;
};

Ergebnis laufen(const std::string& fall)
{
    Ergebnis e;
    int rohr[2];
    if (pipe(rohr) != 0)
        return e;
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    const std::string programm = TREIBER;
    char* argv[] = {const_cast<char*>(programm.c_str()), const_cast<char*>(fall.c_str()), nullptr};
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    if (fehler != 0) {
        close(rohr[0]);
        return e;
    }

    const auto grenze = Uhr::now() + std::chrono::seconds(20);
    Uhr::time_point geschlossen{};
    bool offen = true;
    while (offen && Uhr::now() < grenze) {
        pollfd p{rohr[0], POLLIN, 0};
        if (poll(&p, 1, 50) > 0) {
            char puffer[256];
            const ssize_t n = read(rohr[0], puffer, sizeof puffer);
            if (n <= 0) {
                offen = false;  // the process has gone
            } else {
                e.ausgabe.append(puffer, static_cast<std::size_t>(n));
                if (geschlossen == Uhr::time_point{} && e.ausgabe.find("schliesse") != std::string::npos)
                    geschlossen = Uhr::now();
            }
        }
    }
    close(rohr[0]);
    int status = 0;
    while (Uhr::now() < grenze && waitpid(pid, &status, WNOHANG) == 0)
        poll(nullptr, 0, 5);
    if (waitpid(pid, &status, WNOHANG) == 0 && Uhr::now() >= grenze) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return e;
    }
    e.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (geschlossen != Uhr::time_point{})
        e.nachSchliessen =
            std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now() - geschlossen).count();
    return e;
}

} // namespace

TEST(ProgramEnd, ClosingEndsTheProcessInTheMiddleOfAnyLongHandler)
{
    for (const char* fall : {"lauf", "zehn", "rollo", "menue"}) {
        const Ergebnis e = laufen(fall);
        EXPECT_EQ(e.status, 0) << fall << " (-1: still running after 20 s)\n" << e.ausgabe;
        EXPECT_GE(e.nachSchliessen, 0) << fall;
        EXPECT_LT(e.nachSchliessen, 1000) << fall;
        // No handler went on after the end.
        EXPECT_EQ(e.ausgabe.find("returned"), std::string::npos) << fall << "\n" << e.ausgabe;
    }
}
