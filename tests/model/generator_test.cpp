// The random generator: clearing, scripted draws, never hanging, flag ties.
#include "model/generator.h"

#include <chrono>
#include <cmath>
#include <deque>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/model/aufzeichnung.h"

namespace {

Erlaubnis nur(std::initializer_list<int> codes)
{
    Erlaubnis e{};
    for (int c : codes)
        e[static_cast<std::size_t>(c)] = true;
    return e;
}

const Erlaubnis alle = nur({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});

// Hands out fixed numbers; a draw past the end aborts, so tests pin the number of draws.
class Skript : public Zufallsquelle {
public:
    explicit Skript(const std::vector<double>& folge) : werte(folge.begin(), folge.end()) {}
    void saeen(double) override {}
    double ziehen() override
    {
        if (werte.empty())
            throw std::runtime_error("more draws than scripted");
        const double r = werte.front();
        werte.pop_front();
        return r;
    }
    std::deque<double> werte;
};

// The 64 clearing calls, x outer and y inner, then `danach`, then the new box told.
std::vector<std::string> aufrufe(std::vector<std::string> danach)
{
    std::vector<std::string> v;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            v.push_back("zelle V 0 " + std::to_string(x) + " " + std::to_string(y));
    v.insert(v.end(), danach.begin(), danach.end());
    v.push_back("vorgabe neu");
    return v;
}

TEST(Generator, ScriptDecidesCellAndCode)
{
    const struct { const char* name; Erlaubnis erlaubt; bool genau; const char* anzahl; std::vector<double> zuege;
                   std::vector<std::string> gezeichnet; int objekte; } faelle[] = {
        {"OccupiedCellIsDrawnAgain", alle, false, "2", {0.3, 0.9, 0.5, 0.3, 0.9, 0.0, 0.999, 0.1},
         {"zelle V 6 2 7", "zelle V 1 0 7"}, 2},
        {"BarredCodeAndEmptyInExactModeAreDrawnAgain", nur({0, 1, 11}), true, "1", {0.5, 0.5, 0.84, 0.01, 0.95},
         {"zelle V 11 4 4"}, 1},
        {"EmptyInAtMostModeUsesUpThePlacement", alle, false, "2", {0.5, 0.5, 0.0, 0.5, 0.5, 0.25},
         {"zelle V 0 4 4", "zelle V 3 4 4"}, 1},
        {"CountHalfToEven", alle, true, "1.5 Stueck", {0, 0, 0.1, 0.125, 0, 0.2}, {"zelle V 1 0 0", "zelle V 2 1 0"}, 2},
        {"OutliersStayInRange", alle, true, "2", {1.0, -0.5, 1.5, std::nan(""), 0.99, 0.999},
         {"zelle V 11 7 0", "zelle V 11 0 7"}, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand s;
        Aufzeichnung a;
        Skript z(f.zuege);
        EXPECT_EQ(generieren(s, {f.erlaubt, f.genau, anzahlAusText(f.anzahl)}, z, 0, a), f.objekte);
        EXPECT_TRUE(z.werte.empty()) << "scripted draws left over";
        EXPECT_EQ(a.aufrufe, aufrufe(f.gezeichnet));
        EXPECT_EQ(s.feldVorgabeKopie, s.feldVorgabe);
    }
}

// Nothing to place (or impossible to place): the field is cleared and no number is drawn.
TEST(Generator, ClearsWithoutDrawing)
{
    const struct { const char* name; Erlaubnis erlaubt; bool genau; const char* anzahl; } faelle[] = {
        {"Zero", alle, true, "0"}, {"Junk", alle, false, "abc"}, {"Negative", alle, true, "-5"},
        {"Over32Bit", alle, true, "2147483648"}, {"OnlyEmptyExact", nur({0}), true, "7"},
        {"OnlyEmptyAtMostHuge", nur({0}), false, "2147483647"}, {"NothingAllowed", nur({}), false, "7"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand s;
        s.feldVorgabe.zellen[2].fill(Falltuer);
        s.feldVorgabeKopie.zellen[5].fill(Katzenauge);
        Aufzeichnung a;
        Skript z({});
        EXPECT_EQ(generieren(s, {f.erlaubt, f.genau, anzahlAusText(f.anzahl)}, z, 0, a), 0);
        EXPECT_EQ(a.aufrufe, aufrufe({}));
        EXPECT_EQ(s.feldVorgabe, Feld{});
        EXPECT_EQ(s.feldVorgabeKopie, Feld{});
    }
}

// 65 placements asked: 64 fill the field, the 65th ends before drawing (the script would throw).
TEST(Generator, FullFieldDrawsNoFurtherCell)
{
    std::vector<double> zuege;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            zuege.insert(zuege.end(), {(x + 0.5) / 8, (y + 0.5) / 8, 10.5 / 12});
    Spielstand s;
    Aufzeichnung a;
    Skript z(zuege);
    EXPECT_EQ(generieren(s, {alle, true, 65}, z, 0, a), 64);
    EXPECT_EQ(a.nur("zelle").size(), 128u);
}

TEST(Generator, RealRandomFieldsKeepCountAndAllowedCodes)
{
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    const double basis = static_cast<double>(std::chrono::duration_cast<std::chrono::milliseconds>(jetzt).count() % 86400000) / 1000;
    std::cout << "[ seed     ] seconds " << std::to_string(basis) << " + i/1000\n";
    const struct { const char* name; Erlaubnis erlaubt; bool genau; const char* anzahl; int min, max; } faelle[] = {
        {"ExactlySeven", alle, true, "7", 7, 7}, {"AtMostSeven", alle, false, "7", 0, 7},
        {"ExactlyFiveOnlyTen", nur({0, 10}), true, "5", 5, 5}, {"AtMostOnlyTen", nur({0, 10}), false, "7", 0, 7},
        {"ExactlyHundred", alle, true, "100", 64, 64}, {"AtMostHundred", alle, false, "100", 0, 64},
        {"AtMostHugeFills", nur({0, 10}), false, "2147483647", 64, 64},
    };
    for (const auto& f : faelle)
        for (int i = 0; i < 50; ++i) {
            SCOPED_TRACE(std::string(f.name) + " seconds " + std::to_string(basis + i / 1000.0));
            Spielstand s;
            Aufzeichnung a;
            StandardZufall z;
            const int n = generieren(s, {f.erlaubt, f.genau, anzahlAusText(f.anzahl)}, z, basis + i / 1000.0, a);
            int belegt = 0;
            for (const auto& spalte : s.feldVorgabe.zellen)
                for (int code : spalte) {
                    belegt += code != Leer;
                    ASSERT_TRUE(code == Leer || f.erlaubt[static_cast<std::size_t>(code)]) << code;
                }
            ASSERT_EQ(n, belegt);
            ASSERT_TRUE(n >= f.min && n <= f.max) << n;
            ASSERT_EQ(s.feldVorgabeKopie, s.feldVorgabe);
        }
}

TEST(StandardRandom, SameSeedSameSequenceAlwaysBelowOne)
{
    StandardZufall a, b, c;
    a.saeen(3600.125);
    b.saeen(3600.125);
    c.saeen(3600.0);
    for (int i = 0; i < 10000; ++i) {
        const double r = a.ziehen();
        ASSERT_EQ(r, b.ziehen());
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
        ASSERT_TRUE(i > 0 || r != c.ziehen()) << "the fraction of the second must count";
    }
}

TEST(AllowedFlagTies, CoupleTheFlags)
{
    const struct { const char* name; Erlaubnis vorher, nachher; } faelle[] = {
        {"FiveSetsFour", nur({0, 5}), nur({0, 4, 5})}, {"FiveOffClearsFour", nur({0, 4}), nur({0})},
        {"SixSetsSevenToNine", nur({0, 6}), nur({0, 6, 7, 8, 9})}, {"SixOffClearsSevenToNine", nur({0, 7, 9}), nur({0})},
        {"ElevenSetsOne", nur({0, 11}), nur({0, 1, 11})}, {"ElevenOffKeepsOne", nur({0, 1}), nur({0, 1})},
        {"ZeroIsNeverChanged", nur({2}), nur({2})}, {"AllAtOnce", nur({5, 6, 11}), nur({1, 4, 5, 6, 7, 8, 9, 11})},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(erlaubnisBinden(f.vorher), f.nachher) << f.name;
        EXPECT_EQ(erlaubnisBinden(f.nachher), f.nachher) << f.name << ": a second pass changed something";
    }
}

} // namespace
