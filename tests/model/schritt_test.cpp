// Probe steps in both fields, pinned through a recording display.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>

#include "model/sondenlauf.h"
#include "tests/model/aufzeichnung.h"
#include "tests/model/felder.h"

namespace {

const Feld leer{};

int zaehle(const std::vector<std::string>& v, const std::string& zeile)
{
    return static_cast<int>(std::count(v.begin(), v.end(), zeile));
}

struct Lauf {
    Spielstand s;
    Aufzeichnung a;

    void vorgabe(int schritte)
    {
        for (int i = 0; i < schritte; ++i)
            schrittVorgabe(s, a);
    }
    void nachbau(int schritte)
    {
        for (int i = 0; i < schritte; ++i)
            schrittNachbau(s, a);
    }
    // Runs the hidden probe as the launch does; returns the steps made.
    int vorgabeBisEnde(int grenze = 1000)
    {
        s.abbruchVorgabe = s.ausgangVorgabe = 0;
        int n = 0;
        while (n < grenze) {
            ++n;
            schrittVorgabe(s, a);
            if (s.ausgangVorgabe || s.abbruchVorgabe)
                break;
        }
        return n;
    }
};

} // namespace

TEST(StepSequence, OneHiddenStepIsEventsTwelveSlidesThenThePause)
{
    Lauf l;
    l.s.sondeVorgabe = sondeAmRand(Rand::Links, 3);
    l.vorgabe(1);

    std::vector<std::string> erwartet{"ereignisse"};
    for (int k = 0; k < 12; ++k) {
        erwartet.push_back("warten 1");
        erwartet.push_back("marker V 0.08333 0");
    }
    erwartet.push_back("warten 1");
    EXPECT_EQ(l.a.aufrufe, erwartet);
    EXPECT_EQ(l.s.sondeVorgabe, (Sonde{0, 3, 1, 0}));
}

TEST(StepSequence, OneModelStepShowsThePlaceAndDrawsTheTrailFromTheCentre)
{
    Lauf l;
    l.a.spurSchalter = true;
    l.s.sondeNachbau = sondeAmRand(Rand::Unten, 2);
    l.nachbau(1);

    const auto spur = l.a.nur("spur");
    ASSERT_EQ(spur.size(), 12u);
    EXPECT_EQ(spur.front(), "spur 2.5 8.5 2.5 8.417");
    EXPECT_EQ(spur.back(), "spur 2.5 8.5 2.5 7.5");
    // Each slide is followed by its trail segment.
    EXPECT_EQ(l.a.aufrufe[1], "warten 1");
    EXPECT_EQ(l.a.aufrufe[2], "marker N 0 -0.08333");
    EXPECT_EQ(l.a.aufrufe[3], "spur 2.5 8.5 2.5 8.417");
    EXPECT_EQ(l.a.nur("ort"), std::vector<std::string>{"ort 2 7"});
    EXPECT_TRUE(l.a.nur("kompass").empty());
    EXPECT_TRUE(l.a.nur("ton").empty());
}

TEST(StepSequence, TrailSwitchOffDrawsNothing)
{
    Lauf l;
    l.s.sondeNachbau = sondeAmRand(Rand::Unten, 2);
    l.nachbau(3);
    EXPECT_TRUE(l.a.nur("spur").empty());
}

TEST(StepSequence, PauseAfterAStepFollowsTheSpeed)
{
    for (auto [tempo, pause] : {std::pair{1, 91}, {5, 51}, {10, 1}, {0, 91}, {99, 1}}) {
        Lauf l;
        l.a.tempo = tempo;
        l.s.sondeVorgabe = sondeAmRand(Rand::Links, 0);
        l.vorgabe(1);
        EXPECT_EQ(l.a.aufrufe.back(), "warten " + std::to_string(pause)) << "speed " << tempo;
        l.nachbau(1);
        EXPECT_EQ(l.a.aufrufe.back(), "warten " + std::to_string(pause)) << "speed " << tempo;
    }
}

TEST(HiddenRun, EmptyRowExitsAfterNineStepsWithOneToneAndAWhiteMarker)
{
    Lauf l;
    l.s.sondeVorgabe = sondeAmRand(Rand::Links, 4);
    EXPECT_EQ(l.vorgabeBisEnde(), 9);
    EXPECT_EQ(l.s.sondeVorgabe, (Sonde{8, 4, 0, 0}));
    EXPECT_EQ(l.s.ausgangVorgabe, 1);
    EXPECT_EQ(l.s.abbruchVorgabe, 0);
    EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 360 100"});
    EXPECT_EQ(zaehle(l.a.aufrufe, "ausgang"), 1);
    EXPECT_EQ(zaehle(l.a.aufrufe, "marker V 0.08333 0"), 9 * 12);
    // The white marker comes before the exit tone, and nothing is shown in the model's boxes.
    const auto it = std::find(l.a.aufrufe.begin(), l.a.aufrufe.end(), "ausgang");
    EXPECT_EQ(*(it + 1), "ton 360 100");
    EXPECT_TRUE(l.a.nur("ort").empty());
    EXPECT_TRUE(l.a.nur("kompass").empty());
}

TEST(HiddenRun, LaunchingAgainFromTheExitEndsAfterOneStepWithTheExitTone)
{
    Lauf l;
    l.s.sondeVorgabe = sondeAmRand(Rand::Unten, 3);
    l.vorgabeBisEnde();
    ASSERT_EQ(l.s.sondeVorgabe, (Sonde{3, -1, 0, 0}));
    l.a.aufrufe.clear();
    EXPECT_EQ(l.vorgabeBisEnde(), 1);
    EXPECT_EQ(l.s.sondeVorgabe, (Sonde{3, -1, 0, 0}));
    EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 360 100"});
}

TEST(HiddenRun, CatsEyeInTheFirstCellSendsTheProbeBackOutWhereItCameIn)
{
    Lauf l;
    l.s.feldVorgabe = feldAus({"K.......", "........", "........", "........",
                               "........", "........", "........", "........"});
    l.s.sondeVorgabe = sondeAmRand(Rand::Links, 0);
    EXPECT_EQ(l.vorgabeBisEnde(), 2);
    EXPECT_EQ(l.s.sondeVorgabe, (Sonde{-1, 0, 0, 0}));
    EXPECT_EQ(l.a.nur("ton"), (std::vector<std::string>{"ton 360 100", "ton 360 100"}));
}

TEST(HiddenRun, SoundSwitchOffSilencesContactsButNotExitOrBlackHole)
{
    Lauf l;
    l.a.tonSchalter = false;
    // Up column 0, east along row 5, up column 4 and out at the top.
    l.s.feldVorgabe = feldAus({"........", "........", "........", "........",
                               "........", "/.../...", "........", "........"});
    l.s.sondeVorgabe = sondeAmRand(Rand::Unten, 0);
    l.vorgabeBisEnde();
    EXPECT_EQ(l.s.sondeVorgabe, (Sonde{4, -1, 0, 0}));
    EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 360 100"});

    Lauf loch;
    loch.a.tonSchalter = false;
    loch.s.feldVorgabe(5, 2) = SchwarzesLoch;
    loch.s.sondeVorgabe = sondeAmRand(Rand::Links, 2);
    EXPECT_EQ(loch.vorgabeBisEnde(), 6);
    EXPECT_EQ(loch.s.sondeVorgabe, (Sonde{5, 2, 0, 0}));
    EXPECT_EQ(loch.s.abbruchVorgabe, 1);
    EXPECT_EQ(loch.s.ausgangVorgabe, 0);
    EXPECT_EQ(loch.a.nur("ton"), std::vector<std::string>{"ton 240 1000"});
    EXPECT_TRUE(loch.a.nur("ausgang").empty());
    // Launching again from the hole repeats the capture after one step.
    loch.a.aufrufe.clear();
    EXPECT_EQ(loch.vorgabeBisEnde(), 1);
    EXPECT_EQ(loch.a.nur("ton"), std::vector<std::string>{"ton 240 1000"});
}

TEST(HiddenRun, ClosedTrapdoorAndCatsEyeMakeALoopThatNeverEndsByItself)
{
    Lauf l;
    // From the left: the trapdoor at (1,3) is passed, the cat's eye at (3,3)
    // sends the probe back onto the now closed trapdoor, which sends it back again.
    l.s.feldVorgabe = feldAus({"........", "........", "........", ".T.K....",
                               "........", "........", "........", "........"});
    l.s.sondeVorgabe = sondeAmRand(Rand::Links, 3);
    EXPECT_EQ(l.vorgabeBisEnde(500), 500);
    EXPECT_EQ(l.s.ausgangVorgabe, 0);
    EXPECT_EQ(l.s.feldVorgabe(1, 3), Katzenauge);
    EXPECT_EQ(l.a.nur("zelle"), std::vector<std::string>{"zelle V 1 1 3"});
}

TEST(ModelRun, EmptyRowTurnsBackAtTheBorder)
{
    Lauf l;
    l.s.sondeNachbau = sondeAmRand(Rand::Links, 4);
    l.nachbau(9);
    EXPECT_EQ(l.s.sondeNachbau, (Sonde{8, 4, -1, 0}));
    EXPECT_EQ(l.s.lochNachbau, 0);
    EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 360 100"});
    EXPECT_EQ(l.a.nur("kompass"), std::vector<std::string>{"kompass -1 0"});
    EXPECT_EQ(l.a.nur("ort").back(), "ort 8 4");
    EXPECT_TRUE(l.a.nur("ausgang").empty());
    l.nachbau(1);
    EXPECT_EQ(l.s.sondeNachbau, (Sonde{7, 4, -1, 0}));
}

TEST(ModelRun, CatsEyeInTheFirstCellMakesTheProbeShuttle)
{
    Lauf l;
    l.s.feldNachbau(0, 6) = Katzenauge;
    l.s.sondeNachbau = sondeAmRand(Rand::Links, 6);
    std::vector<int> orte;
    for (int i = 0; i < 6; ++i) {
        l.nachbau(1);
        orte.push_back(l.s.sondeNachbau.x);
    }
    EXPECT_EQ(orte, (std::vector<int>{0, -1, 0, -1, 0, -1}));
    EXPECT_EQ(l.a.nur("ton").size(), 6u);
}

TEST(ModelRun, StandingProbeOnTheBorderDoesNotMoveButSoundsEachStep)
{
    Lauf l;  // the model probe as the set-up leaves it: (-1, 7), standing
    l.nachbau(2);
    EXPECT_EQ(l.s.sondeNachbau, (Sonde{-1, 7, 0, 0}));
    EXPECT_EQ(l.a.nur("ton").size(), 2u);
    EXPECT_EQ(l.a.nur("kompass"), (std::vector<std::string>{"kompass 0 0", "kompass 0 0"}));
    EXPECT_EQ(l.a.nur("ort"), (std::vector<std::string>{"ort -1 7", "ort -1 7"}));
    EXPECT_EQ(zaehle(l.a.aufrufe, "marker N 0 0"), 24);
}

TEST(ModelRun, BlackHoleHoldsTheProbePlaysTheLowToneThenShowsTheStandingCompass)
{
    Lauf l;
    l.a.spurSchalter = true;
    l.s.feldNachbau(1, 0) = SchwarzesLoch;
    l.s.sondeNachbau = sondeAmRand(Rand::Oben, 1);
    l.nachbau(1);
    EXPECT_EQ(l.s.lochNachbau, 1);
    EXPECT_EQ(l.s.sondeNachbau, (Sonde{1, 0, 0, 0}));
    const std::vector<std::string> ende(l.a.aufrufe.end() - 4, l.a.aufrufe.end());
    EXPECT_EQ(ende, (std::vector<std::string>{"ort 1 0", "ton 240 1000", "kompass 0 0", "warten 1"}));
    // Stepped again it stays, repeats the capture and its trail is a dot at the centre.
    l.a.aufrufe.clear();
    l.nachbau(1);
    EXPECT_EQ(l.s.sondeNachbau, (Sonde{1, 0, 0, 0}));
    EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 240 1000"});
    EXPECT_EQ(l.a.nur("spur").back(), "spur 1.5 0.5 1.5 0.5");
}

TEST(ObjectChanges, TrapdoorClosesOneStepAfterItWasEntered)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        Lauf l;
        Feld& feld = seite == Seite::Vorgabe ? l.s.feldVorgabe : l.s.feldNachbau;
        feld(0, 5) = Falltuer;
        const Sonde start = sondeAmRand(Rand::Links, 5);
        auto schritt = [&] { seite == Seite::Vorgabe ? l.vorgabe(1) : l.nachbau(1); };
        (seite == Seite::Vorgabe ? l.s.sondeVorgabe : l.s.sondeNachbau) = start;

        schritt();  // onto the trapdoor: it lets the probe pass silently
        EXPECT_EQ(feld(0, 5), Falltuer);
        EXPECT_TRUE(l.a.nur("zelle").empty());
        EXPECT_TRUE(l.a.nur("ton").empty());
        schritt();  // leaving it: it closes and is redrawn as a cat's eye
        EXPECT_EQ(feld(0, 5), Katzenauge);
        const std::string kuerzel = seite == Seite::Vorgabe ? "V" : "N";
        EXPECT_EQ(l.a.nur("zelle"), std::vector<std::string>{"zelle " + kuerzel + " 1 0 5"});
    }
}

TEST(ObjectChanges, RotatingMirrorTurnsOnlyAfterReflectingTheProbe)
{
    {
        SCOPED_TRACE("lengthwise");
        Lauf l;
        l.s.feldNachbau(0, 2) = DrehspiegelWaagerecht;
        l.s.sondeNachbau = sondeAmRand(Rand::Links, 2);
        l.nachbau(2);
        EXPECT_EQ(l.s.feldNachbau(0, 2), DrehspiegelWaagerecht);
        EXPECT_EQ(l.s.sondeNachbau, (Sonde{1, 2, 1, 0}));
        EXPECT_TRUE(l.a.nur("ton").empty());
    }
    {
        SCOPED_TRACE("crosswise");
        Lauf l;
        l.s.feldNachbau(3, 7) = DrehspiegelWaagerecht;
        l.s.sondeNachbau = sondeAmRand(Rand::Unten, 3);
        l.nachbau(1);
        EXPECT_EQ(l.s.sondeNachbau, (Sonde{3, 7, 0, 1}));
        EXPECT_EQ(l.s.feldNachbau(3, 7), DrehspiegelWaagerecht);
        EXPECT_EQ(l.a.nur("ton"), std::vector<std::string>{"ton 360 100"});
        l.nachbau(1);
        EXPECT_EQ(l.s.feldNachbau(3, 7), DrehspiegelSenkrecht);
        EXPECT_EQ(l.a.nur("zelle"), std::vector<std::string>{"zelle N 5 3 7"});
        EXPECT_EQ(l.s.sondeNachbau, (Sonde{3, 8, 0, -1}));
    }
    {
        SCOPED_TRACE("standing mirror, horizontal travel, hidden field");
        Lauf l;
        l.s.feldVorgabe(7, 1) = DrehspiegelSenkrecht;
        l.s.sondeVorgabe = sondeAmRand(Rand::Rechts, 1);
        EXPECT_EQ(l.vorgabeBisEnde(), 2);
        EXPECT_EQ(l.s.feldVorgabe(7, 1), DrehspiegelWaagerecht);
        EXPECT_EQ(l.a.nur("zelle"), std::vector<std::string>{"zelle V 4 7 1"});
    }
}

TEST(ModelRun, RandomFieldsKeepProbesOnTheBoardAndCodesValid)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::cout << "[ seed     ] " << seed << '\n';
    std::mt19937 zufall(seed);
    for (int runde = 0; runde < 50; ++runde) {
        Lauf l;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                l.s.feldNachbau(x, y) = l.s.feldVorgabe(x, y) = static_cast<int>(zufall() % 12);
        l.s.sondeNachbau = sondeAmRand(Rand(zufall() % 4), static_cast<int>(zufall() % 8));
        l.s.sondeVorgabe = l.s.sondeNachbau;
        for (int i = 0; i < 200; ++i) {
            l.nachbau(1);
            if (!l.s.ausgangVorgabe && !l.s.abbruchVorgabe)
                l.vorgabe(1);
            for (const Sonde& p : {l.s.sondeNachbau, l.s.sondeVorgabe}) {
                ASSERT_TRUE(p.x >= -1 && p.x <= 8 && p.y >= -1 && p.y <= 8);
                ASSERT_LE(std::abs(p.dx) + std::abs(p.dy), 1);
            }
        }
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                ASSERT_TRUE(gueltigerCode(l.s.feldNachbau(x, y)) && gueltigerCode(l.s.feldVorgabe(x, y)));
        l.a.aufrufe.clear();
    }
}
