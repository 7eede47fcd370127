// Plain game data: object codes, fields, directions, probes and the whole game state.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The content of a cell. The numbers are external: written to field files,
// shown to the player and used as index of the allowed-object flags.
enum ObjectCode : int {
    Leer = 0,
    Katzenauge = 1,
    UmlenkspiegelSteigend = 2,
    UmlenkspiegelFallend = 3,
    DrehspiegelWaagerecht = 4,
    DrehspiegelSenkrecht = 5,
    HalbspiegelNO = 6,
    HalbspiegelSW = 7,
    HalbspiegelNW = 8,
    HalbspiegelSO = 9,
    SchwarzesLoch = 10,
    Falltuer = 11,
};

inline constexpr int anzahlCodes = 12;
inline constexpr int feldGroesse = 8;

constexpr bool gueltigerCode(int code) { return code >= 0 && code < anzahlCodes; }

// A place is inside the box when both coordinates lie in 0..7; the border
// ring (-1 or 8) holds start and exit places and is never stored.
constexpr bool imFeld(int x, int y)
{
    return x >= 0 && x < feldGroesse && y >= 0 && y < feldGroesse;
}

// 8 x 8 codes indexed (x, y), x the column from the left, y the row from the
// top. Every cell holds a code 0..11: all writers check their input.
struct Feld {
    std::array<std::array<int, feldGroesse>, feldGroesse> zellen{};

    int& operator()(int x, int y) { return zellen[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    int operator()(int x, int y) const { return zellen[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    bool operator==(const Feld&) const = default;
};

// (dx, dy): one component +-1 and the other 0 while moving, (0, 0) standing.
struct Richtung {
    int dx = 0;
    int dy = 0;
    bool operator==(const Richtung&) const = default;
};

inline constexpr Richtung nord{0, -1};
inline constexpr Richtung ost{1, 0};
inline constexpr Richtung sued{0, 1};
inline constexpr Richtung west{-1, 0};
inline constexpr Richtung steht{0, 0};

// A probe's place (-1..8 on both axes) and heading.
struct Sonde {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;

    Richtung richtung() const { return {dx, dy}; }
    bool operator==(const Sonde&) const = default;
};

// The borders, also the index of the start-place permissions.
enum class Rand : int { Links = 0, Rechts = 1, Oben = 2, Unten = 3 };

// Which of the two fields an operation concerns.
enum class Seite { Vorgabe, Nachbau };

// (8, 8), a corner of the border ring, marks the hidden probe as not placed.
inline constexpr int nichtGesetztX = 8;
inline constexpr int nichtGesetztY = 8;

// One hidden launch as the player saw it, recorded when its run ended.
struct Beobachtung {
    enum class Ende { Ausgang, Loch, Angehalten };

    Sonde start;  // place and heading when the launch began
    Ende ende = Ende::Angehalten;
    int endeX = 0;  // the exit place, for Ausgang
    int endeY = 0;
    long long schritte = 0;  // counted by the run itself, the last step included
    long long kontakte = 0;  // heading changes by objects, tone or not
    // How often the box had been given again by reopening when the run
    // ended; rows with the same number follow one another on one box.
    long long wiederhergestellt = 0;
    bool verschachtelt = false;  // another launch ran in its middle, or it ran in another's
    bool unterbrochen = false;   // the box was reopened in its middle
    bool operator==(const Beobachtung&) const = default;
};

// Everything a game holds besides what lives in the window's controls.
struct Spielstand {
    Feld feldVorgabe;
    Feld feldNachbau;
    // The hidden box as it was given: what the hidden field held when it last
    // got new contents, before any run closed a trapdoor or turned a mirror.
    Feld feldVorgabeKopie;
    Sonde sondeVorgabe{nichtGesetztX, nichtGesetztY, 0, 0};
    Sonde sondeNachbau{-1, 7, 0, 0};
    int lochNachbau = 0;
    int abbruchVorgabe = 0;
    int ausgangVorgabe = 0;
    // Start-place permissions: left, right, top, bottom; the bottom one is always open.
    std::array<int, 4> randFreigabe{0, 0, 0, 1};
    // The player's score: hidden launches since the hidden field last got new
    // contents (generated, loaded, copied onto, cleared). Never saved.
    long long gestarteteSonden = 0;
    // The checks of the model since then, the one under way included. Never saved.
    long long pruefungen = 0;
    // Every hidden launch since the hidden field last got new contents, in
    // the order their runs ended. Never saved.
    std::vector<Beobachtung> beobachtungen;
    // How often the hidden field got new contents: a run that began before
    // the last time belongs to a list already emptied.
    long long neueVorgaben = 0;
    // How often reopening gave the box as given again: the record's runs
    // after it start from that box.
    long long wiederherstellungen = 0;
    bool operator==(const Spielstand&) const = default;
};

bool sondeGesetzt(const Sonde& sondeVorgabe);

// The hidden field got new contents (generated, loaded, copied onto,
// cleared): they become the box as given, which reopening brings back and
// the check compares with; the score and the record of launches start afresh.
void vorgabeGegeben(Spielstand& s);

// A hidden launch that passed the placement check: clears the run flags and
// counts the launch towards the score.
void vorgabeStarten(Spielstand& s);

// Puts a probe on a border place of `rand` at `index` (row for left and right,
// column for top and bottom) heading into the box.
Sonde sondeAmRand(Rand rand, int index);

// Whether the border takes start places; the bottom border always does.
bool randFrei(const Spielstand& s, Rand rand);

// Toggles a start-place permission; the bottom one cannot be switched off.
void randFreigabeUmschalten(Spielstand& s, Rand rand);
