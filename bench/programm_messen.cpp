// Measures what the player of the real program waits for, against the toolkit's floor on one X server: the
// time until the window's picture is finished, and the peak memory on the idle start screen and as played.
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
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/xfenster.h"

namespace {

using Uhr = std::chrono::steady_clock;

double sekunden(Uhr::duration d) { return std::chrono::duration<double>(d).count(); }
double millis(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A picture counts as finished once its pixels have stood still this long.
constexpr double ruheFertig = 2.0;
// Between two clicks of a game: longer than any pause inside one handler
// (a contact tone keeps 100 ms, the pause after a step at most 100 ms).
constexpr double ruheZwischen = 0.5;
// Pause between two grabs; a grab of the whole window takes about as long again.
constexpr auto greifAbstand = std::chrono::milliseconds(3);

// --- Where the game's controls are -----------------------------------------
// From ui/form1_layout.cpp: twips, 15 to a pixel, each inside its container;
// the client area lies under the menu bar and takes the window's full width.
constexpr int twips = 15;
constexpr int flaecheBreite = 16230 / twips;
constexpr int flaecheHoehe = 10635 / twips;

struct Punkt {
    int x, y;
};

// The centre of a control at (links, oben, breite, hoehe) twips in a container whose corner is at `container`,
// in client pixels.
constexpr Punkt mitte(Punkt container, int links, int oben, int breite, int hoehe)
{
    return {container.x + links / twips + breite / twips / 2, container.y + oben / twips + hoehe / twips / 2};
}

constexpr Punkt flaeche{0, 0};
constexpr Punkt fraCockpit{480 / twips, 6960 / twips};
constexpr Punkt picVorgabe{480 / twips, 240 / twips};
// The wide start button covers both lower panels on the start screen; the
// floor's first push button lies in the same place.
constexpr Punkt cmdStart = mitte(flaeche, 480, 6960, 14895, 2655);
constexpr Punkt cmdTarnkiste = mitte(fraCockpit, 3720, 1680, 2775, 435);
constexpr Punkt Command5 = mitte(fraCockpit, 3720, 240, 2775, 555);
constexpr Punkt Picture3 = mitte(fraCockpit, 4800, 840, 735, 735);  // stops a run
// The hidden field's picture spans field units -1..9 over its 440 pixels; the
// start place below column d is the cell (3, 8) of the border ring.
constexpr int einheit = 6600 / twips / 10;
constexpr Punkt startplatz{picVorgabe.x + (3 + 1) * einheit + einheit / 2, picVorgabe.y + (8 + 1) * einheit + einheit / 2};

// --- Processes ----------------------------------------------------------------

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

// Whether the process has ended (a zombie not yet waited for counts as ended).
bool beendet(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string zeile;
    if (!std::getline(stat, zeile))
        return true;
    const auto ende = zeile.rfind(')');
    return ende == std::string::npos || ende + 2 >= zeile.size() || zeile[ende + 2] == 'Z' || zeile[ende + 2] == 'X';
}

pid_t starten(const char* programm)
{
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
    return pid;
}

void beenden(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool hatNamen(Display* d, Window w, const char* name)
{
    char* titel = nullptr;
    bool gleich = false;
    xFehlerGekommen();
    if (XFetchName(d, w, &titel) && titel) {
        gleich = std::strcmp(titel, name) == 0;
        XFree(titel);
    }
    xFehlerGekommen();
    return gleich;
}

// The window titled `titel` once its map event comes, or nothing by `grenze`.
std::optional<Window> aufKarteWarten(Display* d, const char* titel, Uhr::time_point grenze)
{
    while (Uhr::now() < grenze) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && hatNamen(d, e.xmap.window, titel))
                return e.xmap.window;
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 1);
    }
    return std::nullopt;
}

// --- Watching the pixels ---------------------------------------------------------

struct Stillstand {
    bool erreicht = false;
    Uhr::time_point letzteAenderung;  // when the first grab showing the last picture was asked for
    int aenderungen = 0;              // grabs that differed from the one before
    double cpuBeiAenderung = -1;      // the program's CPU seconds at the last change
};

// Grabs the window until its pixels have stood still for `ruhe` seconds, or
// until `grenze`. Changes count from the grab taken before (the first grab of
// a fresh window counts as one); the stretch of stillness starts at `seit` if
// nothing changes.
Stillstand aufStillstandWarten(FensterGreifer& g, pid_t pid, double ruhe, Uhr::time_point seit, Uhr::time_point grenze)
{
    Stillstand s;
    s.letzteAenderung = seit;
    while (true) {
        const auto t = Uhr::now();
        if (g.greifen() && g.veraendert()) {
            s.letzteAenderung = t;
            ++s.aenderungen;
            s.cpuBeiAenderung = cpuSekunden(pid);
        }
        const auto jetzt = Uhr::now();
        if (sekunden(jetzt - s.letzteAenderung) >= ruhe) {
            s.erreicht = true;
            return s;
        }
        if (jetzt >= grenze)
            return s;
        std::this_thread::sleep_for(greifAbstand);
    }
}

// --- One start --------------------------------------------------------------------

struct Programm {
    const char* pfad;
    const char* titel;
    const char* name;  // for pictures and messages
    bool spiel;        // the game is played through; the floor only has its first button clicked
};

struct Lauf {
    double karte = -1;          // ms from exec until the window's map event
    double fertig = -1;         // ms from exec until the last change of the window's pixels
    long ruheKb = -1;           // VmHWM once the picture has stood still
    double ruheCpu = -1;        // CPU seconds over that stillness
    double nachKlick = -1;      // ms from the release of the first click until the last change it caused
    long gespieltKb = -1;       // VmHWM after the play
    double spielSekunden = -1;  // from the finished picture until the play's end
    std::string fehler;         // why the start gave no figures
};

class Messung {
public:
    Messung(Display* d, std::string bilder) : d_(d), bilder_(std::move(bilder))
    {
        const Screen* s = DefaultScreenOfDisplay(d_);
        parkplatz_ = {s->width - 1, s->height - 1};
    }

    // Starts the program, watches its window until finished and, when
    // `spielDauer` is given, plays it before it ends: the game through its
    // clicks (the value is not used), the floor by one click and idling until
    // that many seconds after its finished picture. With `bilderSchreiben`,
    // writes each stage with the next click marked.
    Lauf messen(const Programm& p, std::optional<double> spielDauer, bool bilderSchreiben);

private:
    bool spielen(const Programm& p, FensterGreifer& g, Punkt ursprung, pid_t pid, Uhr::time_point fertig,
                 double dauer, bool bilderSchreiben, Lauf& l);
    void bild(const FensterGreifer& g, const Programm& p, int nummer, const char* stufe, std::optional<Punkt> klick);

    Display* d_;
    std::string bilder_;
    Punkt parkplatz_{};
};

Lauf Messung::messen(const Programm& p, std::optional<double> spielDauer, bool bilderSchreiben)
{
    Lauf l;
    // The pointer waits away from where the window opens, so that no control starts under it.
    zeigerBewegen(d_, parkplatz_.x, parkplatz_.y);
    XSync(d_, True);
    const auto start = Uhr::now();
    const pid_t pid = starten(p.pfad);
    const auto fenster = aufKarteWarten(d_, p.titel, start + std::chrono::seconds(20));
    if (!fenster) {
        l.fehler = "no window within 20 s";
    } else {
        l.karte = millis(Uhr::now() - start);
        FensterGreifer g(d_, *fenster);
        const Stillstand s =
            aufStillstandWarten(g, pid, ruheFertig, Uhr::now(), Uhr::now() + std::chrono::seconds(30));
        const auto fertig = Uhr::now();
        if (beendet(pid)) {
            l.fehler = "the program ended by itself";
        } else if (!s.erreicht) {
            l.fehler = "the picture did not stand still within 30 s of the map";
        } else if (s.aenderungen == 0) {
            l.fehler = "the window could not be grabbed";
        } else {
            l.fertig = millis(s.letzteAenderung - start);
            l.ruheKb = spitzenspeicherKb(pid);
            l.ruheCpu = cpuSekunden(pid) - s.cpuBeiAenderung;
            int x = 0, y = 0;
            if (spielDauer && !fensterUrsprung(d_, *fenster, x, y))
                l.fehler = "the window's place is unknown";
            else if (spielDauer && (g.breite() != flaecheBreite || g.hoehe() <= flaecheHoehe))
                l.fehler = "the window is " + std::to_string(g.breite()) + " x " + std::to_string(g.hoehe()) +
                           ", not the layout's client area under a menu bar";
            else if (spielDauer &&
                     // The client area fills the window under the menu bar.
                     spielen(p, g, {x, y + g.hoehe() - flaecheHoehe}, pid, fertig, *spielDauer, bilderSchreiben, l) &&
                     beendet(pid))
                l.fehler = "the program ended by itself while played";
        }
    }
    beenden(pid);
    // Events of windows that closed meanwhile are of no interest.
    XSync(d_, True);
    return l;
}

bool Messung::spielen(const Programm& p, FensterGreifer& g, Punkt ursprung, pid_t pid, Uhr::time_point fertig,
                      double dauer, bool bilderSchreiben, Lauf& l)
{
    // Points in the window's grabs and on the screen.
    const int menue = g.hoehe() - flaecheHoehe;
    auto imFenster = [&](Punkt c) { return Punkt{c.x, c.y + menue}; };
    auto aufSchirm = [&](Punkt c) { return Punkt{ursprung.x + c.x, ursprung.y + c.y}; };
    int nummer = 0;
    auto merken = [&](const char* stufe, std::optional<Punkt> naechster) {
        if (bilderSchreiben)
            bild(g, p, ++nummer, stufe, naechster ? std::optional<Punkt>(imFenster(*naechster)) : std::nullopt);
    };

    struct Schritt {
        const char* stufe;  // what the window shows before the click, for its picture
        const char* ziel;   // what is clicked, for messages
        Punkt ort;          // where the click goes
        double ruhe;        // how long the pixels must stand still afterwards
    };
    // The floor's first push button lies where the game's start button does.
    const Schritt spielSchritte[] = {
        {"fertig", "the start button", cmdStart, ruheZwischen},
        {"nach-Start", "\"Tarnkiste erstellen\"", cmdTarnkiste, ruheZwischen},
        {"nach-Tarnkiste-erstellen", "the start place below column d", startplatz, ruheZwischen},
        {"Sonde-gesetzt", "the launch button", Command5, ruheFertig},
    };
    const Schritt bodenSchritte[] = {{"fertig", "the first push button", cmdStart, ruheZwischen}};
    const auto schritte = p.spiel ? std::span<const Schritt>(spielSchritte) : std::span<const Schritt>(bodenSchritte);

    for (const Schritt& s : schritte) {
        merken(s.stufe, s.ort);
        const Punkt k = aufSchirm(s.ort);
        klicken(d_, k.x, k.y);
        // A button acts when it is released.
        const auto losgelassen = Uhr::now();
        Stillstand st = aufStillstandWarten(g, pid, s.ruhe, losgelassen, Uhr::now() + std::chrono::seconds(30));
        if (!st.erreicht && s.ort.x == Command5.x && s.ort.y == Command5.y) {
            // A probe may circle for ever among turning mirrors; the player then stops it.
            const Punkt halt = aufSchirm(Picture3);
            klicken(d_, halt.x, halt.y);
            st = aufStillstandWarten(g, pid, s.ruhe, Uhr::now(), Uhr::now() + std::chrono::seconds(10));
        }
        if (!st.erreicht) {
            l.fehler = std::string("the window did not stand still after the click on ") + s.ziel;
            return false;
        }
        if (st.aenderungen == 0) {
            l.fehler = std::string("the click on ") + s.ziel + " changed nothing in the window";
            return false;
        }
        if (&s == &schritte.front())
            l.nachKlick = millis(st.letzteAenderung - losgelassen);
    }
    if (!p.spiel) {
        // The floor idles until as long after its finished picture as the game was played.
        std::this_thread::sleep_until(fertig +
                                      std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(dauer)));
        g.greifen();
    }
    merken("gespielt", std::nullopt);
    l.gespieltKb = spitzenspeicherKb(pid);
    l.spielSekunden = sekunden(Uhr::now() - fertig);
    return true;
}

void Messung::bild(const FensterGreifer& g, const Programm& p, int nummer, const char* stufe, std::optional<Punkt> klick)
{
    RgbBild b = RgbBild::aus(g);
    if (klick)
        b.kreuz(klick->x, klick->y);
    const std::string pfad = bilder_ + "/" + p.name + "-" + std::to_string(nummer) + "-" + stufe + ".png";
    if (!pngSchreiben(b, pfad))
        std::fprintf(stderr, "programm_messen: cannot write %s\n", pfad.c_str());
}

// --- Figures ---------------------------------------------------------------------------

double quantil(std::vector<double> v, double q)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const double ort = q * static_cast<double>(v.size() - 1);
    const auto i = static_cast<std::size_t>(ort);
    const double rest = ort - static_cast<double>(i);
    return i + 1 < v.size() ? v[i] * (1 - rest) + v[i + 1] * rest : v[i];
}

double median(const std::vector<double>& v) { return quantil(v, 0.5); }

// One figure of a bench case, start by start: the program measured and the
// one it is measured against, the i-th of each from the same round.
struct Reihe {
    std::vector<double> wert, gegen;
};

std::string dreiWerte(const std::vector<double>& v, int stellen)
{
    char text[96];
    std::snprintf(text, sizeof text, "[%.*f, %.*f, %.*f]", stellen, median(v), stellen, quantil(v, 0.25), stellen,
                  quantil(v, 0.75));
    return text;
}

// Prints each figure as a line for the reader and, given a file, as a JSON
// line for the README's table (bench/zahlentafel).
class Tafel {
public:
    explicit Tafel(const std::string& pfad)
    {
        if (!pfad.empty())
            datei_.open(pfad);
    }
    bool offen() const { return datei_.is_open(); }

    void kopf(const char* fall, const char* wert, const char* gegen)
    {
        std::printf("\n%s: %s against %s\n", fall, wert, gegen);
        std::printf("%-38s %-26s %-26s %s\n", "", wert, gegen, "ratio");
    }

    // Both as median (quartiles), the ratio of the medians with the quartiles
    // of the pairwise ratios, and `ziel`, a ratio to stay at or below, if
    // there is one. Returns false when it is missed.
    bool zeile(const char* fall, const char* was, const Reihe& r, const char* einheit, int stellen, double ziel = 0)
    {
        std::vector<double> verhaeltnisse;
        for (std::size_t i = 0; i < std::min(r.wert.size(), r.gegen.size()); ++i)
            if (r.gegen[i] > 0)
                verhaeltnisse.push_back(r.wert[i] / r.gegen[i]);
        const double verhaeltnis = median(r.wert) / median(r.gegen);
        const bool erfuellt = ziel <= 0 || verhaeltnis <= ziel;
        auto text = [&](const std::vector<double>& v) {
            char t[64];
            std::snprintf(t, sizeof t, "%.*f %s (%.*f-%.*f)", stellen, median(v), einheit, stellen, quantil(v, 0.25),
                          stellen, quantil(v, 0.75));
            return std::string(t);
        };
        std::printf("%-38s %-26s %-26s %5.3f (%.3f-%.3f)", was, text(r.wert).c_str(), text(r.gegen).c_str(),
                    verhaeltnis, quantil(verhaeltnisse, 0.25), quantil(verhaeltnisse, 0.75));
        char zielText[32] = "";
        if (ziel > 0) {
            std::snprintf(zielText, sizeof zielText, "ratio <= %.2f", ziel);
            std::printf("   %s %s", zielText, erfuellt ? "met" : "MISSED");
        }
        std::printf("\n");
        if (datei_.is_open()) {
            char v[96];
            std::snprintf(v, sizeof v, "[%.3f, %.3f, %.3f]", verhaeltnis, quantil(verhaeltnisse, 0.25),
                          quantil(verhaeltnisse, 0.75));
            datei_ << R"({"fall": ")" << fall << R"(", "was": ")" << was << R"(", "einheit": ")" << einheit
                   << R"(", "wert": )" << dreiWerte(r.wert, stellen) << R"(, "gegen": )" << dreiWerte(r.gegen, stellen)
                   << R"(, "verhaeltnis": )" << v << R"(, "ziel": ")" << zielText << R"(", "erfuellt": )"
                   << (erfuellt ? "true" : "false") << "}\n";
        }
        return erfuellt;
    }

    // A figure of the measured program alone against a bound of its own.
    bool allein(const char* fall, const char* was, const std::vector<double>& v, const char* einheit, int stellen,
                double grenze)
    {
        const bool erfuellt = median(v) <= grenze;
        char zielText[48];
        std::snprintf(zielText, sizeof zielText, "<= %.*f %s", stellen, grenze, einheit);
        std::printf("%-38s %.*f %s (%.*f-%.*f)   %s %s\n", was, stellen, median(v), einheit, stellen, quantil(v, 0.25),
                    stellen, quantil(v, 0.75), zielText, erfuellt ? "met" : "MISSED");
        if (datei_.is_open())
            datei_ << R"({"fall": ")" << fall << R"(", "was": ")" << was << R"(", "einheit": ")" << einheit
                   << R"(", "wert": )" << dreiWerte(v, stellen) << R"(, "ziel": ")" << zielText << R"(", "erfuellt": )"
                   << (erfuellt ? "true" : "false") << "}\n";
        return erfuellt;
    }

private:
    std::ofstream datei_;
};

// A program in the rounds: the game, the floor, or the game with one
// start-up mechanism left out, named by its bench case.
struct Teilnehmer {
    Programm programm;
    std::string fall;
    std::vector<Lauf> laeufe;  // one a round
};

// The figure `feld` of the rounds in which both programs gave figures; with
// `nurGespielt`, of the played rounds only.
Reihe reihe(const Teilnehmer& wert, const Teilnehmer& gegen, double (*feld)(const Lauf&), int gespielt = 0)
{
    Reihe r;
    const std::size_t runden = std::min(wert.laeufe.size(), gegen.laeufe.size());
    for (std::size_t i = 0; i < runden && (gespielt == 0 || i < static_cast<std::size_t>(gespielt)); ++i) {
        const Lauf& a = wert.laeufe[i];
        const Lauf& b = gegen.laeufe[i];
        if (!a.fehler.empty() || !b.fehler.empty())
            continue;
        r.wert.push_back(feld(a));
        r.gegen.push_back(feld(b));
    }
    return r;
}

double karteMs(const Lauf& l) { return l.karte; }
double fertigMs(const Lauf& l) { return l.fertig; }
double nachKarteMs(const Lauf& l) { return l.fertig - l.karte; }
double nachKlickMs(const Lauf& l) { return l.nachKlick; }
double ruheMb(const Lauf& l) { return static_cast<double>(l.ruheKb) / 1024.0; }
double gespieltMb(const Lauf& l) { return static_cast<double>(l.gespieltKb) / 1024.0; }
double ruheCpuS(const Lauf& l) { return l.ruheCpu; }
double spielS(const Lauf& l) { return l.spielSekunden; }

} // namespace

// Usage: programm_messen [--starts N] [--plays N] [--pictures FOLDER] [--json FILE] GAME FLOOR [CASE=PROGRAM]...
// Starts the game, the floor and each PROGRAM (the game with one start-up
// mechanism left out) in turn, N rounds (at least 5, default 31), on one X
// server that nothing else uses: its pointer is moved and clicked. Each start
// is watched from exec until the window's pixels have stood still for 2 s;
// in the first --plays rounds (default 5) each is then played through before
// it ends. Prints medians with their quartiles and the ratios against the
// game (the game's against the floor), start by start of the same round;
// --json FILE writes the figures as JSON lines as well. The exit status is 1
// when a target is missed or a start gave no figures. With --pictures, the
// first play of each program leaves a PNG of every stage there, the next
// click marked with a cross.
int main(int argc, char* argv[])
{
    int starts = 31;
    int spiele = 5;
    std::string bilder, json;
    std::vector<std::string> namen;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 < argc && (a == "--starts" || a == "--plays" || a == "--pictures" || a == "--json")) {
            const std::string w = argv[++i];
            if (a == "--starts")
                starts = std::atoi(w.c_str());
            else if (a == "--plays")
                spiele = std::atoi(w.c_str());
            else if (a == "--pictures")
                bilder = w;
            else
                json = w;
        } else {
            namen.push_back(a);
        }
    }
    if (namen.size() < 2) {
        std::fprintf(stderr, "usage: %s [--starts N] [--plays N] [--pictures FOLDER] [--json FILE] GAME FLOOR "
                             "[CASE=PROGRAM]...\n", argv[0]);
        return 2;
    }
    starts = std::max(5, starts);
    spiele = std::clamp(spiele, 1, starts);

    std::vector<Teilnehmer> teilnehmer;
    teilnehmer.push_back({{namen[0].c_str(), "Tarnkiste Prototyp", "spiel", true}, "start/boden", {}});
    teilnehmer.push_back({{namen[1].c_str(), "Tarnkiste Boden", "boden", false}, "", {}});
    for (std::size_t i = 2; i < namen.size(); ++i) {
        const auto gleich = namen[i].find('=');
        if (gleich == std::string::npos || gleich == 0) {
            std::fprintf(stderr, "programm_messen: %s is not CASE=PROGRAM\n", namen[i].c_str());
            return 2;
        }
        namen[i][gleich] = '\0';
        teilnehmer.push_back({{namen[i].c_str() + gleich + 1, "Tarnkiste Prototyp", nullptr, true}, namen[i].c_str(), {}});
    }
    // Pictures are named after the bench case, without its group.
    for (Teilnehmer& t : teilnehmer)
        if (!t.programm.name)
            t.programm.name = t.fall.c_str() + t.fall.find('/') + 1;
    Tafel tafel(json);
    if (!json.empty() && !tafel.offen()) {
        std::fprintf(stderr, "programm_messen: cannot write %s\n", json.c_str());
        return 2;
    }

    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 77;
    }
    xFehlerAbfangen();
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    Messung messung(d, bilder);
    // One unmeasured start each warms the file cache for all alike.
    for (const Teilnehmer& t : teilnehmer)
        messung.messen(t.programm, std::nullopt, false);

    int fehler = 0;
    const std::size_t andere = teilnehmer.size() - 1;
    for (int i = 0; i < starts; ++i) {
        const bool gespielt = i < spiele;
        const bool bilderSchreiben = i == 0 && !bilder.empty();
        // The game first, as the floor idles as long as the game was played;
        // the others in an order that turns from round to round.
        double spielDauer = 0;
        for (std::size_t k = 0; k <= andere; ++k) {
            Teilnehmer& t = teilnehmer[k == 0 ? 0 : 1 + (k - 1 + static_cast<std::size_t>(i)) % andere];
            const Lauf l = messung.messen(t.programm, gespielt ? std::optional<double>(spielDauer) : std::nullopt,
                                          bilderSchreiben);
            if (k == 0)
                spielDauer = std::max(0.0, l.spielSekunden);
            if (!l.fehler.empty()) {
                std::fprintf(stderr, "round %d, %s: %s\n", i + 1, t.programm.name, l.fehler.c_str());
                ++fehler;
            }
            t.laeufe.push_back(l);
        }
    }
    XCloseDisplay(d);

    const Teilnehmer& spiel = teilnehmer[0];
    const Teilnehmer& boden = teilnehmer[1];
    const Reihe fertig = reihe(spiel, boden, fertigMs);
    const Reihe gespieltSpeicher = reihe(spiel, boden, gespieltMb, spiele);
    if (fertig.wert.empty() || gespieltSpeicher.wert.empty()) {
        std::printf("programm_messen: no round gave figures\n");
        return 1;
    }
    std::printf("%d rounds of %zu programs on one X server, the first %d played; a picture is finished at its last\n"
                "change, once its pixels have stood still for %.0f s. Median (quartiles); ratio: of the medians\n"
                "(quartiles of the ratios of the same round)\n",
                starts, teilnehmer.size(), spiele, ruheFertig);

    bool gut = true;
    const char* f = "start/boden";
    tafel.kopf(f, "game", "floor");
    tafel.zeile(f, "exec until the window is mapped", reihe(spiel, boden, karteMs), "ms", 1);
    gut = tafel.zeile(f, "exec until the picture is finished", fertig, "ms", 1, 0.85) && gut;
    const Reihe nachKarte = reihe(spiel, boden, nachKarteMs);
    tafel.zeile(f, "last change after the map", nachKarte, "ms", 1);
    // One frame: the player sees no picture build up after the window appears.
    gut = tafel.allein(f, "the game's last change after the map", nachKarte.wert, "ms", 1, 16.0) && gut;
    tafel.zeile(f, "start click until the last change", reihe(spiel, boden, nachKlickMs, spiele), "ms", 1);
    tafel.zeile(f, "peak memory idle (VmHWM)", reihe(spiel, boden, ruheMb), "MB", 1);
    gut = tafel.zeile(f, "peak memory as played (VmHWM)", gespieltSpeicher, "MB", 1, 1.05) && gut;
    const Reihe cpu = reihe(spiel, boden, ruheCpuS);
    tafel.allein(f, "the game's CPU while the picture stood still", cpu.wert, "s", 3, 0.02);
    std::printf("%-38s %.1f s: start, \"Tarnkiste erstellen\", probe below column d, launch, %.0f s still\n",
                "game played for (median)", median(reihe(spiel, boden, spielS, spiele).wert), ruheFertig);

    for (std::size_t k = 2; k < teilnehmer.size(); ++k) {
        const Teilnehmer& t = teilnehmer[k];
        const char* fall = t.fall.c_str();
        tafel.kopf(fall, t.programm.name, "game");
        tafel.zeile(fall, "exec until the picture is finished", reihe(t, spiel, fertigMs), "ms", 1);
        tafel.zeile(fall, "peak memory idle (VmHWM)", reihe(t, spiel, ruheMb), "MB", 2);
        tafel.zeile(fall, "peak memory as played (VmHWM)", reihe(t, spiel, gespieltMb, spiele), "MB", 2);
    }
    if (fehler > 0)
        std::printf("%d starts gave no figures (see above)\n", fehler);
    return gut && fehler == 0 ? 0 : 1;
}
