// The set-up of each of the four surfaces: its scale, its board and the blind's pens
// (the board's pixels are held by the reference pictures).
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
