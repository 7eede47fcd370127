// Clearing, copying and reopening fields: cell order, redraws, what stays untouched.
#include <gtest/gtest.h>

#include "model/feldoperationen.h"
#include "model/generator.h"
#include "model/sondenlauf.h"
#include "tests/model/aufzeichnung.h"
#include "tests/model/felder.h"

namespace {

const Feld muster = feldAus({"K.....@.", "..T.....", "....-...", ".|......",
                             "......6.", "7.......", "...8..9.", "/......\\"});

Spielstand mitMuster()
{
    Spielstand s;
    s.feldVorgabe = muster;
    s.feldVorgabeKopie = muster;
    s.sondeNachbau = {3, 8, 0, -1};
    s.sondeVorgabe = {-1, 2, 1, 0};
    return s;
}

// Every cell told once, x outer and y inner, each with the code it now holds.
void pruefeNeuzeichnen(const Aufzeichnung& a, Seite seite, const Feld& feld)
{
    ASSERT_EQ(a.nur("zelle").size(), 64u);
    const std::string k = seite == Seite::Vorgabe ? "V" : "N";
    std::size_t i = 0;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            EXPECT_EQ(a.aufrufe[i++], "zelle " + k + " " + std::to_string(feld(x, y)) + " " +
                                          std::to_string(x) + " " + std::to_string(y));
}

} // namespace

// New contents for the hidden field become the box as given and start the
// score afresh; the other operations leave both alone.
TEST(FieldOperations, EachWritesOneFieldRedrawsItAndLeavesProbesAndFlags)
{
    struct Zeile {
        const char* name;
        void (*op)(Spielstand&, ZellenAnzeige&);
        Seite seite;
        Feld erwartet;
        bool neueVorgabe;
    };
    const Feld leer{};
    const Zeile tabelle[] = {
        {"clear model", nachbauLoeschen, Seite::Nachbau, leer, false},
        {"clear hidden", vorgabeLoeschen, Seite::Vorgabe, leer, true},
        {"copy left to right", linksNachRechts, Seite::Nachbau, muster, false},
        {"copy right to left", rechtsNachLinks, Seite::Vorgabe, leer, true},
        {"reopen", vorgabeWiederherstellen, Seite::Vorgabe, muster, false},
        {"generate nothing", [](Spielstand& s, ZellenAnzeige& a) {
             StandardZufall zufall;
             generieren(s, GeneratorEinstellung{}, zufall, 0.0, a);
         }, Seite::Vorgabe, leer, true},
    };
    for (const auto& z : tabelle) {
        SCOPED_TRACE(z.name);
        Spielstand s = mitMuster();
        s.feldNachbau = z.seite == Seite::Nachbau ? muster : Feld{};
        if (z.seite == Seite::Vorgabe)
            s.feldVorgabe(0, 0) = SchwarzesLoch;  // no longer the box as given
        s.gestarteteSonden = 5;
        const Spielstand vorher = s;
        Aufzeichnung a;
        z.op(s, a);
        const Feld& ziel = z.seite == Seite::Vorgabe ? s.feldVorgabe : s.feldNachbau;
        EXPECT_EQ(ziel, z.erwartet);
        pruefeNeuzeichnen(a, z.seite, ziel);
        // The record and the marks empty themselves on this notice alone, told after the cells.
        EXPECT_EQ(a.nur("vorgabe neu").size(), z.neueVorgabe ? 1u : 0u);
        if (z.neueVorgabe) {
            EXPECT_EQ(a.aufrufe.back(), "vorgabe neu");
        }
        EXPECT_EQ(s.feldVorgabeKopie, z.neueVorgabe ? s.feldVorgabe : vorher.feldVorgabeKopie);
        EXPECT_EQ(s.gestarteteSonden, z.neueVorgabe ? 0 : 5);
        EXPECT_EQ(s.sondeNachbau, vorher.sondeNachbau);
        EXPECT_EQ(s.sondeVorgabe, vorher.sondeVorgabe);
        // The other field is untouched.
        EXPECT_EQ(z.seite == Seite::Vorgabe ? s.feldNachbau : s.feldVorgabe,
                  z.seite == Seite::Vorgabe ? vorher.feldNachbau : vorher.feldVorgabe);
    }
}

TEST(FieldOperations, CopyLeftToRightShowsWhatAHiddenRunChanged)
{
    Spielstand s = mitMuster();
    Aufzeichnung a;
    // Through row 1: the trapdoor at (2,1) is passed and closes behind the probe.
    s.sondeVorgabe = sondeAmRand(Rand::Links, 1);
    while (!s.ausgangVorgabe && !s.abbruchVorgabe)
        schrittVorgabe(s, a);
    ASSERT_EQ(s.feldVorgabe(2, 1), Katzenauge);
    linksNachRechts(s, a);
    EXPECT_EQ(s.feldNachbau(2, 1), Katzenauge);
    // Reopening brings the trapdoor back; the model keeps the closed one.
    vorgabeWiederherstellen(s, a);
    EXPECT_EQ(s.feldVorgabe(2, 1), Falltuer);
    EXPECT_EQ(s.feldNachbau(2, 1), Katzenauge);
}

// Reopening brought back the last generated box after a copy or a clearing:
// the box being played was lost.
TEST(FieldOperations, ReopenBringsBackTheBoxAsGivenNotAnOlderOne)
{
    Spielstand s = mitMuster();
    Aufzeichnung a;
    s.feldNachbau = feldAus({"........", "..T.....", "........", "........",
                             "....-...", "........", "........", "........"});
    rechtsNachLinks(s, a);
    s.sondeVorgabe = sondeAmRand(Rand::Links, 1);  // closes the trapdoor
    while (!s.ausgangVorgabe && !s.abbruchVorgabe)
        schrittVorgabe(s, a);
    s.ausgangVorgabe = 0;
    s.sondeVorgabe = sondeAmRand(Rand::Unten, 4);  // turns the mirror
    while (!s.ausgangVorgabe && !s.abbruchVorgabe)
        schrittVorgabe(s, a);
    ASSERT_EQ(s.feldVorgabe(2, 1), Katzenauge);
    ASSERT_EQ(s.feldVorgabe(4, 4), DrehspiegelSenkrecht);
    vorgabeWiederherstellen(s, a);
    EXPECT_EQ(s.feldVorgabe, s.feldNachbau);

    vorgabeLoeschen(s, a);
    s.feldVorgabe(3, 3) = Katzenauge;
    vorgabeWiederherstellen(s, a);
    EXPECT_EQ(s.feldVorgabe, Feld{});
}
