// Runs every start place through both fields with the hidden step's rules and compares the outcomes.
#include "model/pruefen.h"

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <unordered_map>
#include <vector>

#include "model/schrittregel.h"

namespace {

// While a probe runs, a cell only ever holds one of two codes: a trapdoor
// closes once into a cat's eye, a rotating mirror turns between its two
// positions, everything else stays. So the field of a run is its starting
// field plus one bit per cell telling whether the cell differs from it, and
// two states of runs on the same starting field are equal exactly when place,
// heading and these bits are.
struct Zustand {
    Sonde sonde;
    std::uint64_t anders = 0;  // bit 8x+y: cell (x, y) differs from the starting field
    bool operator==(const Zustand&) const = default;
};

std::uint64_t zellbit(int x, int y) { return std::uint64_t{1} << (x * feldGroesse + y); }

// Place -1..8 and heading -1..1 fit in four bits each.
std::uint64_t ortswert(const Sonde& p)
{
    return static_cast<std::uint64_t>(((p.x + 1) << 12) | ((p.y + 1) << 8) | ((p.dx + 1) << 4) | (p.dy + 1));
}

// Two multiplications: the top bits depend on every bit of the state.
std::uint64_t streuwert(const Zustand& z)
{
    return (z.anders ^ (ortswert(z.sonde) * 0x9e3779b97f4a7c15u)) * 0xbf58476d1ce4e5b9u;
}

struct Streuung {
    std::size_t operator()(const Zustand& z) const { return static_cast<std::size_t>(streuwert(z) >> 32); }
};

// About one state in 32 is noted. Whether a state is noted depends on the
// state alone, so a run that joins a path already taken meets a noted state
// some 32 steps on, and a cycle of more than a few dozen steps holds one.
bool notieren(const Zustand& z) { return (streuwert(z) >> 59) == 0; }

// The runs of one starting field, one after the other. A run ends never
// exactly when one of its states comes back; and a run that reaches a state an
// earlier run went through repeats that run from there and ends the same way.
// Both are seen at the noted states, each kept with the run that passed it.
// Brent's search catches the cycles that hold no noted state: it keeps one
// earlier state and compares every new one with it, moving the kept state to
// the current one after 1, 2, 4, ... steps, so a cycle of length L is found
// within about L steps of the kept state lying on it and a power of two
// reaching L.
class Laeufe {
public:
    explicit Laeufe(const Feld& feld) : anfang_(feld) {}

    Laufausgang lauf(Sonde start);

private:
    struct Notiz {
        int lauf;  // the run that passed the state
        long long schritte;  // its steps and contacts up to the state
        long long kontakte;
        Laufausgang ende;  // how it ended, once it has
    };

    const Feld& anfang_;
    int laeufe_ = 0;
    // Notes are only added, and all go together with the runs.
    std::pmr::monotonic_buffer_resource speicher_;
    std::pmr::unordered_map<Zustand, Notiz, Streuung> notizen_{&speicher_};
    std::vector<Notiz*> eigene_;  // the running run's notes
};

Laufausgang Laeufe::lauf(Sonde start)
{
    const int dieser = laeufe_++;
    Feld feld = anfang_;
    Zustand z{start, 0};
    long long schritte = 0;
    long long kontakte = 0;

    Zustand gemerkt = z;
    long long spanne = 1;   // steps the kept state stays
    long long abstand = 0;  // steps since it was kept

    eigene_.clear();
    Laufausgang ende;
    for (;;) {
        const Schrittergebnis e = schrittRegel(feld, z.sonde, Randverhalten::Verlassen);
        ++schritte;
        bool neuBeginnen = false;
        if (e.zelleGeaendert) {
            // A closed trapdoor never opens again: no earlier state can come back.
            neuBeginnen = feld(e.zelleX, e.zelleY) == Falltuer;
            z.anders ^= zellbit(e.zelleX, e.zelleY);
        }
        anwenden(feld, z.sonde, e);
        if (e.amRand) {
            ende = {Laufausgang::Art::Ausgang, z.sonde.x, z.sonde.y, schritte, kontakte};
            break;
        }
        if (e.gefangen) {
            ende = {Laufausgang::Art::Loch, 0, 0, schritte, kontakte};
            break;
        }
        if (e.kontakt)
            ++kontakte;

        if (notieren(z)) {
            const auto [it, neu] = notizen_.try_emplace(z, Notiz{dieser, schritte, kontakte, {}});
            if (!neu) {
                const Notiz& n = it->second;
                if (n.lauf == dieser || n.ende.art == Laufausgang::Art::Endlos) {
                    ende = {Laufausgang::Art::Endlos, 0, 0, 0, 0};
                } else {
                    ende = n.ende;
                    ende.schritte += schritte - n.schritte;
                    ende.kontakte += kontakte - n.kontakte;
                }
                break;
            }
            eigene_.push_back(&it->second);
        }

        if (z == gemerkt) {
            ende = {Laufausgang::Art::Endlos, 0, 0, 0, 0};
            break;
        }
        if (neuBeginnen || ++abstand == spanne) {
            gemerkt = z;
            spanne = neuBeginnen ? 1 : 2 * spanne;
            abstand = 0;
        }
    }

    for (Notiz* n : eigene_)
        n->ende = ende;
    return ende;
}

} // namespace

const std::array<Sonde, anzahlStartplaetze>& startplaetze()
{
    static const std::array<Sonde, anzahlStartplaetze> plaetze = [] {
        std::array<Sonde, anzahlStartplaetze> p{};
        std::size_t i = 0;
        for (Rand rand : {Rand::Links, Rand::Rechts, Rand::Oben, Rand::Unten})
            for (int index = 0; index < feldGroesse; ++index)
                p[i++] = sondeAmRand(rand, index);
        return p;
    }();
    return plaetze;
}

Laufausgang verborgenerLauf(Feld feld, Sonde start)
{
    return Laeufe(feld).lauf(start);
}

Pruefung pruefen(const Feld& vorgabe, const Feld& nachbau)
{
    Pruefung p;
    Laeufe laeufeVorgabe(vorgabe);
    Laeufe laeufeNachbau(nachbau);
    const auto& plaetze = startplaetze();
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        p.vorgabe[i] = laeufeVorgabe.lauf(plaetze[i]);
        p.nachbau[i] = laeufeNachbau.lauf(plaetze[i]);
        if (p.vorgabe[i] == p.nachbau[i])
            ++p.gleich;
    }
    return p;
}

Pruefung vorgabePruefen(Spielstand& s)
{
    ++s.pruefungen;
    return pruefen(s.feldVorgabeKopie, s.feldNachbau);
}
