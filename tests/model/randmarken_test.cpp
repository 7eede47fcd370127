// Marks on the border ring from a record of launches: which places, which number, which verdict.
#include <gtest/gtest.h>

#include "model/randmarken.h"

namespace {

using Ende = Beobachtung::Ende;

Beobachtung zeile(Sonde start, Ende ende, int endeX = 0, int endeY = 0)
{
    Beobachtung b;
    b.start = start;
    b.ende = ende;
    b.endeX = endeX;
    b.endeY = endeY;
    return b;
}

Nachspiel urteil(std::optional<bool> stimmt)
{
    Nachspiel n;
    n.stimmt = stimmt;
    return n;
}

TEST(BorderMarks, LatestLaunchPerPlaceAndOnlyEndsThatAreOnTheBorder)
{
    const std::vector<Beobachtung> zeilen{
        zeile({2, 8, 0, -1}, Ende::Ausgang, 2, -1),  // up column c, out at the top
        zeile({-1, 3, 1, 0}, Ende::Loch),            // held: at its start only
        zeile({2, -1, 0, 1}, Ende::Ausgang, 8, 5),   // starts where row 1 came out
        zeile({4, 4, 1, 0}, Ende::Ausgang, 8, 4),    // went on from inside the box
        zeile({5, 8, 0, -1}, Ende::Angehalten),      // stopped
    };
    const std::vector<Nachspiel> urteile{urteil(true), urteil(false), urteil(std::nullopt), urteil(true)};
    const std::vector<Randmarke> erwartet{
        {2, 8, 1, Ende::Ausgang, true},
        {2, -1, 3, Ende::Ausgang, std::nullopt},  // row 3 took the place over from row 1
        {-1, 3, 2, Ende::Loch, false},
        {8, 5, 3, Ende::Ausgang, std::nullopt},
        {8, 4, 4, Ende::Ausgang, true},
        {5, 8, 5, Ende::Angehalten, std::nullopt},  // no verdict given for it
    };
    EXPECT_EQ(randmarken(zeilen, urteile), erwartet);
    EXPECT_EQ(laeufeAmPlatz(zeilen, 2, -1), (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(laeufeAmPlatz(zeilen, 4, 4).empty()) << "a cell is no place of the ring";
    EXPECT_TRUE(randmarken({}, {}).empty());
}

} // namespace
