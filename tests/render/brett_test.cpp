// The board's drawing order and the set-up of each of the four surfaces.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/brett.h"
#include "render/geometrie.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

using Zeilen = std::vector<std::string>;

Zeilen brettVon(Seite seite)
{
    Aufzeichnungsflaeche f;
    spielfeldZeichnen(f, seite);
    return f.log;
}

long stelle(const Zeilen& z, const std::string& zeile) { return std::find(z.begin(), z.end(), zeile) - z.begin(); }

TEST(BoardDrawing, FillThenGridBeforeStripsLabelsAndTitle)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        const Zeilen z = brettVon(seite);
        const std::string c = " " + alsText(brettFarbe(seite));
        const std::string schrift = " " + alsText(beschriftungsFarbe(seite));
        EXPECT_EQ(Zeilen(z.begin(), z.begin() + 2), (Zeilen{"stift 1", "rechteck 0 0 8 8" + c}));
        // The strips cut the grid back to crosses, so all 18 lines come first.
        EXPECT_EQ(stelle(z, "linie 8 0 8 8 (0,200,255)"), 18);
        EXPECT_EQ(stelle(z, "linie 0 8 8 8 (0,200,255)"), 19);
        EXPECT_EQ(z[20], "rechteck 0.1 0 0.9 8" + c);
        const long b = stelle(z, "text \"b\" 1.4 8" + schrift);
        EXPECT_LT(stelle(z, "rechteck 0 1.1 8 1.9" + c), b);
        EXPECT_LT(b, stelle(z, "rechteck 2.1 0 2.9 8" + c));
        for (const char* beschriftung : {"text \"h\" 7.4 -0.3", "text \" 8 \" 8 0.4", "text \" 1 \" -0.3 7.4"})
            EXPECT_LT(stelle(z, beschriftung + schrift), std::ssize(z)) << beschriftung;
        EXPECT_EQ(std::count(z.begin(), z.end(), "text \"Tarnkiste\" 3.5 -0.9 (200,200,200)"),
                  seite == Seite::Vorgabe ? 1 : 0);
    }
}

struct Aufbau {
    Zeilen log;
    Aufzeichnungsflaeche vorgabe{log, "v"}, nachbau{log, "n"}, kompass{log, "k"}, rollo{log, "r"};

    Aufbau() { spielAufbauZeichnen(vorgabe, nachbau, kompass, rollo); }

    Zeilen von(const std::string& name) const
    {
        Zeilen eigene;
        for (const std::string& z : log)
            if (z.starts_with(name + ": "))
                eigene.push_back(z.substr(name.size() + 2));
        return eigene;
    }
};

TEST(GameSetup, EachFieldGetsItsBoardAfterTheScale)
{
    const Aufbau a;
    for (auto [name, seite] : {std::pair{"v", Seite::Vorgabe}, {"n", Seite::Nachbau}}) {
        Zeilen z = a.von(name);
        EXPECT_EQ(z.front(), "massstab -1 -1 9 9");
        z.erase(z.begin());
        EXPECT_EQ(z, brettVon(seite));
    }
    EXPECT_EQ(a.von("k"), Zeilen{"massstab -1.55 -1.55 1.55 1.55"});
}

TEST(GameSetup, BlindGetsAWhiteGridThenTheNotesPen)
{
    const Aufbau a;
    Zeilen r = a.von("r");
    ASSERT_EQ(r.size(), 23u);
    EXPECT_EQ(Zeilen(r.begin(), r.begin() + 4),
              (Zeilen{"hintergrund (0,150,150)", "vordergrund (255,255,255)", "massstab 0 0 8 8", "stift 1"}));
    EXPECT_TRUE(std::all_of(r.begin() + 4, r.end() - 1, [](const std::string& s) {
        return s.starts_with("linie") && s.ends_with("(255,255,255)");
    }));
    EXPECT_EQ(r.back(), "stift 3");
}

} // namespace
