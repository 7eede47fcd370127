// Object cycling with the three mouse buttons, skipping barred codes.
#include <gtest/gtest.h>

#include <vector>

#include "model/editieren.h"

namespace {

Erlaubnis alle() { Erlaubnis e; e.fill(true); return e; }

Erlaubnis nur(std::initializer_list<int> codes)
{
    Erlaubnis e{};
    e[0] = true;
    for (int c : codes)
        e[static_cast<std::size_t>(c)] = true;
    return e;
}

std::vector<int> klicks(int knopf, const Erlaubnis& e, int anzahl, int start = 0)
{
    std::vector<int> codes;
    for (int c = start, i = 0; i < anzahl; ++i)
        codes.push_back(c = naechsterCode(c, knopf, e));
    return codes;
}

} // namespace

TEST(ObjectCycling, ButtonsCycleForwardsBackwardsAndSevenOn)
{
    EXPECT_EQ(klicks(knopfLinks, alle(), 12), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
    EXPECT_EQ(klicks(knopfRechts, alle(), 12), (std::vector<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(klicks(knopfMitte, alle(), 12), (std::vector<int>{7, 2, 9, 4, 11, 6, 1, 8, 3, 10, 5, 0}));
}

TEST(ObjectCycling, BarredCodesAreSkipped)
{
    EXPECT_EQ(klicks(knopfLinks, nur({2, 3}), 4), (std::vector<int>{2, 3, 0, 2}));
    Erlaubnis ohneDreh = alle();
    ohneDreh[4] = ohneDreh[5] = false;
    EXPECT_EQ(naechsterCode(3, knopfLinks, ohneDreh), 6);
    Erlaubnis ohneDrehUndHalb = ohneDreh;
    for (int c : {6, 7, 8, 9})
        ohneDrehUndHalb[static_cast<std::size_t>(c)] = false;
    EXPECT_EQ(naechsterCode(3, knopfLinks, ohneDrehUndHalb), 10);
    // Nothing but the empty cell allowed: every click empties the cell.
    EXPECT_EQ(klicks(knopfMitte, nur({}), 2, 5), (std::vector<int>{0, 0}));
}

TEST(ObjectCycling, UnknownButtonChangesNothing)
{
    EXPECT_EQ(naechsterCode(5, 0, alle()), 5);
    EXPECT_EQ(naechsterCode(5, 3, alle()), 5);
}
