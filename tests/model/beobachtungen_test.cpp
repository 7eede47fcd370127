// The record of launches: what a row holds, and its replay on the model in the launches' order.
#include <cstdio>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "model/beobachtungen.h"
#include "model/feldoperationen.h"
#include "model/generator.h"
#include "model/pruefen.h"
#include "model/sondenlauf.h"
#include "tests/model/aufzeichnung.h"
#include "tests/model/felder.h"

namespace {

// d5 a rotating mirror, f3 a black hole, b7 a trapdoor, g8 a cat's eye.
const Feld kiste = feldAus({"......K.", ".T......", "........", "...-....",
                            "........", ".....@..", "........", "........"});

Spielstand mitKiste()
{
    Spielstand s;
    s.feldVorgabe = kiste;
    vorgabeGegeben(s);
    return s;
}

// A launch as the window makes it, stopped after `halt` steps when given.
void starten(Spielstand& s, Aufzeichnung& a, int halt = -1)
{
    Laufbuch buch;
    // Stop pressed during the last step, as the window's Stop sets the flag.
    vorgabeLaufen(s, buch, a, [&s, &halt] {
        if (--halt == 0)
            s.abbruchVorgabe = 1;
    });
}

void startenVon(Spielstand& s, Aufzeichnung& a, Rand rand, int index, int halt = -1)
{
    s.sondeVorgabe = sondeAmRand(rand, index);
    starten(s, a, halt);
}

using Ende = Beobachtung::Ende;
using Art = Laufausgang::Art;

// The marks of the rows against `nachbau`: '+' agrees, 'x' differs, '-' not compared.
std::string marken(const Spielstand& s, const Feld& nachbau)
{
    std::string m;
    for (const Nachspiel& n : nachspielen(s.beobachtungen, nachbau))
        m += n.stimmt ? (*n.stimmt ? '+' : 'x') : '-';
    return m;
}

} // namespace

TEST(LaunchRecord, RowsHoldWhatThePlayerSaw)
{
    Spielstand s = mitKiste();
    Aufzeichnung a;
    a.tonSchalter = false;  // contacts are counted all the same
    startenVon(s, a, Rand::Unten, 6);  // g: up to the cat's eye at g8 and back
    startenVon(s, a, Rand::Unten, 5);  // f: into the hole at f3
    startenVon(s, a, Rand::Unten, 0, 3);  // a: stopped after three steps
    starten(s, a);  // goes on from inside the box
    starten(s, a);  // again from the exit place, not placed anew: one step
    ASSERT_EQ(s.beobachtungen.size(), 5u);
    const struct { Ende ende; int x, y; long long schritte, kontakte; } erwartet[] = {
        {Ende::Ausgang, 6, 8, 16, 1}, {Ende::Loch, 0, 0, 3, 0}, {Ende::Angehalten, 0, 0, 3, 0},
        {Ende::Ausgang, 0, -1, 6, 0}, {Ende::Ausgang, 0, -1, 1, 0},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Beobachtung& b = s.beobachtungen[i];
        EXPECT_EQ(b.ende, erwartet[i].ende);
        if (b.ende == Ende::Ausgang) {
            EXPECT_EQ(b.endeX, erwartet[i].x);
            EXPECT_EQ(b.endeY, erwartet[i].y);
        }
        EXPECT_EQ(b.schritte, erwartet[i].schritte);
        EXPECT_EQ(b.kontakte, erwartet[i].kontakte);
    }
    EXPECT_EQ(s.beobachtungen[3].start, (Sonde{0, 5, 0, -1})) << "where the stop left it";
    EXPECT_EQ(marken(s, kiste), "+++++") << "the box itself explains every row, stopped and relaunched ones too";
}

// d5's mirror turns on the second launch and b7's trapdoor closes on the
// first: the later rows run into what they left.
TEST(LaunchRecord, ARightModelStaysRightAfterLaunchesClosedATrapdoorAndTurnedAMirror)
{
    Spielstand s = mitKiste();
    Aufzeichnung a;
    startenVon(s, a, Rand::Links, 1);  // through the open trapdoor: rechts 7
    startenVon(s, a, Rand::Unten, 3);  // back from the lying mirror, which stands up
    startenVon(s, a, Rand::Links, 1);  // back from the closed trapdoor
    startenVon(s, a, Rand::Unten, 3);  // along the standing mirror: oben d
    EXPECT_EQ(marken(s, kiste), "++++");

    Feld ohneFalltuer = kiste;
    ohneFalltuer(1, 1) = Leer;
    EXPECT_EQ(marken(s, ohneFalltuer), "++x+") << "only the row that met the closed trapdoor";
    EXPECT_EQ(nachspielen(s.beobachtungen, ohneFalltuer)[2].nachbau, (Laufausgang{Art::Ausgang, 8, 1, 9, 0}))
        << "what the model gives instead";
    Feld ohneDrehung = kiste;
    ohneDrehung(3, 3) = UmlenkspiegelSteigend;  // never turns
    EXPECT_EQ(marken(s, ohneDrehung).substr(1), "x+x");
}

TEST(LaunchRecord, AStoppedRowAgreesWhileTheModelRunsOnAsLong)
{
    Spielstand s = mitKiste();
    Aufzeichnung a;
    startenVon(s, a, Rand::Unten, 0, 3);
    EXPECT_EQ(marken(s, kiste), "+");
    Feld frueherRaus = kiste;
    frueherRaus(0, 7) = Katzenauge;  // a1 sends it back out after two steps
    EXPECT_EQ(marken(s, frueherRaus), "x");
    EXPECT_EQ(nachspielen(s.beobachtungen, frueherRaus)[0].nachbau, (Laufausgang{Art::Ausgang, 0, 8, 2, 1}));
    Feld genauDann = kiste;
    genauDann(0, 5) = SchwarzesLoch;  // a3: held on the stop's own step
    EXPECT_EQ(marken(s, genauDann), "x");
}

TEST(LaunchRecord, ReopeningInTheMiddleReplaysLaterRowsFromTheBoxAsGiven)
{
    Spielstand s = mitKiste();
    Aufzeichnung a;
    startenVon(s, a, Rand::Links, 1);  // closes b7
    startenVon(s, a, Rand::Links, 1);  // sent back
    vorgabeWiederherstellen(s, a);
    startenVon(s, a, Rand::Links, 1);  // through again, and closes it
    startenVon(s, a, Rand::Links, 1);  // sent back
    ASSERT_EQ(s.beobachtungen.size(), 4u) << "reopening keeps the rows";
    EXPECT_EQ(marken(s, kiste), "++++");

    // Reopened while a launch runs: nobody knows what that launch left, so
    // it and the rows after it stay uncompared until the box is given again.
    vorgabeStarten(s);
    s.sondeVorgabe = sondeAmRand(Rand::Links, 1);
    Laufbuch buch;
    buch.beginnen(s);
    vorgabeWiederherstellen(s, a);
    for (int i = 0; i < 9; ++i)
        buch.schritt(schrittVorgabe(s, a).kontakt);
    buch.beenden(s, false);
    startenVon(s, a, Rand::Unten, 6);
    vorgabeWiederherstellen(s, a);
    startenVon(s, a, Rand::Unten, 6);
    EXPECT_EQ(marken(s, kiste), "++++--+");
}

TEST(LaunchRecord, EmptiesWhenTheHiddenFieldGetsNewContents)
{
    const std::function<void(Spielstand&, Aufzeichnung&)> ereignisse[] = {
        [](Spielstand& s, Aufzeichnung& a) { vorgabeLoeschen(s, a); },
        [](Spielstand& s, Aufzeichnung& a) { rechtsNachLinks(s, a); },
        [](Spielstand& s, Aufzeichnung& a) {
            StandardZufall zufall;
            generieren(s, GeneratorEinstellung{}, zufall, 0.0, a);
        },
        [](Spielstand& s, Aufzeichnung&) {  // a load that read a cell ends in the same call
            s.feldVorgabe(0, 0) = Katzenauge;
            vorgabeGegeben(s);
        },
    };
    for (const auto& ereignis : ereignisse) {
        Spielstand s = mitKiste();
        Aufzeichnung a;
        startenVon(s, a, Rand::Unten, 6);
        ASSERT_EQ(s.beobachtungen.size(), 1u);
        // A run under way when the box changes adds no row to the new list.
        vorgabeStarten(s);
        Laufbuch buch;
        buch.beginnen(s);
        ereignis(s, a);
        EXPECT_TRUE(s.beobachtungen.empty());
        buch.beenden(s, false);
        EXPECT_TRUE(s.beobachtungen.empty());
    }
}

namespace {

// The replay written the long way: every row stepped on one copy of the
// model, which starts afresh at each reopening; a run still going after
// `grenze` steps counts as one that never ends.
std::vector<Nachspiel> vonHand(const std::vector<Beobachtung>& zeilen, const Feld& nachbau,
                               const std::vector<std::size_t>& wiederNach)
{
    constexpr long long grenze = 200000;
    std::vector<Nachspiel> ergebnis;
    Feld feld = nachbau;
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        for (std::size_t w : wiederNach)
            if (w == k)
                feld = nachbau;
        const Beobachtung& b = zeilen[k];
        const bool angehalten = b.ende == Ende::Angehalten;
        Sonde p = b.start;
        Laufausgang a{Art::Endlos, 0, 0, 0, 0};
        Feld nachGrenze = feld;
        for (long long n = 1;; ++n) {
            const Schrittergebnis e = schrittRegel(feld, p, Randverhalten::Verlassen);
            anwenden(feld, p, e);
            if (e.amRand || e.gefangen) {
                a = {e.amRand ? Art::Ausgang : Art::Loch, e.amRand ? p.x : 0, e.amRand ? p.y : 0, n, a.kontakte};
                break;
            }
            a.kontakte += e.kontakt;
            if (n == b.schritte)
                nachGrenze = feld;
            if (angehalten && n == b.schritte) {
                a.schritte = n;
                break;
            }
            if (n == grenze) {
                a = {Art::Endlos, 0, 0, 0, 0};
                feld = nachGrenze;
                break;
            }
        }
        Nachspiel& z = ergebnis.emplace_back();
        z.nachbau = a;
        if (angehalten)
            z.stimmt = a.art == Art::Endlos;
        else
            z.stimmt = a == Laufausgang{b.ende == Ende::Ausgang ? Art::Ausgang : Art::Loch,
                                        b.ende == Ende::Ausgang ? b.endeX : 0, b.ende == Ende::Ausgang ? b.endeY : 0,
                                        b.schritte, b.kontakte};
    }
    return ergebnis;
}

Feld zufallsfeld(std::mt19937& zufall, int objekte)
{
    Feld f;
    for (int k = 0; k < objekte; ++k)
        f(static_cast<int>(zufall() % 8), static_cast<int>(zufall() % 8)) = static_cast<int>(zufall() % 12);
    return f;
}

} // namespace

// Random boxes, models that are the box or differ in a cell, and random
// sequences of launches, stops and reopenings.
TEST(LaunchRecord, MarksEqualAReplayStepByStep)
{
    const unsigned saat = std::random_device{}();
    std::mt19937 zufall(saat);
    std::printf("LaunchRecord seed %u\n", saat);
    SCOPED_TRACE("seed " + std::to_string(saat));
    for (int runde = 0; runde < 60; ++runde) {
        Spielstand s;
        s.feldVorgabe = zufallsfeld(zufall, 4 + runde % 10);
        vorgabeGegeben(s);
        Feld nachbau = s.feldVorgabe;
        if (runde % 3 != 0)
            nachbau(static_cast<int>(zufall() % 8), static_cast<int>(zufall() % 8)) = static_cast<int>(zufall() % 12);
        Aufzeichnung a;
        std::vector<std::size_t> wiederNach;
        for (int k = 0; k < 12; ++k) {
            if (zufall() % 6 == 0) {
                vorgabeWiederherstellen(s, a);
                wiederNach.push_back(s.beobachtungen.size());
            }
            if (zufall() % 3 != 0)  // else relaunched from where the last run stopped
                s.sondeVorgabe = startplaetze()[zufall() % anzahlStartplaetze];
            if (!sondeGesetzt(s.sondeVorgabe))
                continue;
            // Runs without end are only launched to be stopped.
            const bool endlos = verborgenerLauf(s.feldVorgabe, s.sondeVorgabe).art == Art::Endlos;
            starten(s, a, endlos || zufall() % 4 == 0 ? 1 + static_cast<int>(zufall() % 40) : -1);
        }
        const auto erwartet = vonHand(s.beobachtungen, nachbau, wiederNach);
        const auto replay = nachspielen(s.beobachtungen, nachbau);
        ASSERT_EQ(replay.size(), erwartet.size());
        for (std::size_t k = 0; k < replay.size(); ++k) {
            SCOPED_TRACE("round " + std::to_string(runde) + " row " + std::to_string(k));
            EXPECT_EQ(replay[k].stimmt, erwartet[k].stimmt);
            if (!replay[k].stimmt.value_or(true)) {
                EXPECT_EQ(replay[k].nachbau, erwartet[k].nachbau);
            }
        }
    }
}
