// The record of launches: what a row holds, when it can be compared, and its marks against the model.
#include <cstdio>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "model/beobachtungen.h"
#include "model/feldoperationen.h"
#include "model/generator.h"
#include "model/pruefen.h"
#include "model/schritt.h"
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
    vorgabeStarten(s);
    LaufendeBeobachtung lauf = beobachtungBeginnen(s);
    bool gefangen = false;
    do {
        const Schrittergebnis e = schrittVorgabe(s, a);
        schrittBeobachten(lauf, e.kontakt);
        gefangen = e.gefangen;
        if (--halt == 0)
            s.abbruchVorgabe = 1;
    } while (!s.ausgangVorgabe && !s.abbruchVorgabe);
    beobachtungBeenden(s, lauf, gefangen);
}

void startenVon(Spielstand& s, Aufzeichnung& a, Rand rand, int index, int halt = -1)
{
    s.sondeVorgabe = sondeAmRand(rand, index);
    starten(s, a, halt);
}

using Ende = Beobachtung::Ende;

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
    const struct { Ende ende; int x, y; long long schritte, kontakte; bool vergleichbar; } erwartet[] = {
        {Ende::Ausgang, 6, 8, 16, 1, true}, {Ende::Loch, 0, 0, 3, 0, true}, {Ende::Angehalten, 0, 0, 3, 0, false},
        {Ende::Ausgang, 0, -1, 6, 0, false}, {Ende::Ausgang, 0, -1, 1, 0, false},
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
        EXPECT_EQ(vergleichbar(b), erwartet[i].vergleichbar);
    }
    EXPECT_EQ(s.beobachtungen[3].start, (Sonde{0, 5, 0, -1})) << "where the stop left it";
}

TEST(LaunchRecord, OnlyLaunchesIntoTheBoxAsGivenCompare)
{
    Spielstand s = mitKiste();
    Aufzeichnung a;
    startenVon(s, a, Rand::Links, 1);  // closes the trapdoor at b7
    startenVon(s, a, Rand::Unten, 6);  // another box now
    vorgabeWiederherstellen(s, a);
    startenVon(s, a, Rand::Unten, 6);
    ASSERT_EQ(s.beobachtungen.size(), 3u) << "reopening keeps the rows";
    EXPECT_TRUE(vergleichbar(s.beobachtungen[0]));
    EXPECT_FALSE(vergleichbar(s.beobachtungen[1]));
    EXPECT_TRUE(vergleichbar(s.beobachtungen[2]));
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
        LaufendeBeobachtung lauf = beobachtungBeginnen(s);
        ereignis(s, a);
        EXPECT_TRUE(s.beobachtungen.empty());
        beobachtungBeenden(s, lauf, false);
        EXPECT_TRUE(s.beobachtungen.empty());
    }
}

// For rows that compare, a mark is the check's verdict at that start place.
TEST(LaunchRecord, MarksAgreeWithTheCheckAtThoseStartPlaces)
{
    const unsigned saat = std::random_device{}();
    std::mt19937 zufall(saat);
    std::printf("LaunchRecord seed %u\n", saat);
    SCOPED_TRACE("seed " + std::to_string(saat));
    for (int runde = 0; runde < 40; ++runde) {
        Feld vorgabe;
        Feld nachbau;
        for (Feld* f : {&vorgabe, &nachbau})
            for (int k = 0; k < 6; ++k)
                (*f)(static_cast<int>(zufall() % 8), static_cast<int>(zufall() % 8)) = static_cast<int>(zufall() % 12);
        if (runde % 3 == 0)
            nachbau = vorgabe;
        Spielstand s;
        s.feldVorgabe = vorgabe;
        vorgabeGegeben(s);
        Aufzeichnung a;
        const int platz = static_cast<int>(zufall() % anzahlStartplaetze);
        s.sondeVorgabe = startplaetze()[static_cast<std::size_t>(platz)];
        // Endless runs are for the Stop button; only runs that end are launched here.
        if (verborgenerLauf(s.feldVorgabe, s.sondeVorgabe).art == Laufausgang::Art::Endlos)
            continue;
        starten(s, a);
        const auto marken = erklaert(s.beobachtungen, nachbau);
        ASSERT_EQ(marken.size(), 1u);
        const Pruefung p = pruefen(vorgabe, nachbau);
        const auto i = static_cast<std::size_t>(platz);
        EXPECT_EQ(marken[0], p.vorgabe[i] == p.nachbau[i]) << "start place " << platz;
    }
}
