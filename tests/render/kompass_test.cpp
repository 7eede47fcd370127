// The compass: the state it leaves on the surface it draws on.
#include <gtest/gtest.h>

#include "render/kompass.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

// What the compass looks like is held by its kept pictures; here only the
// state it leaves on the surface for whoever draws next.
TEST(Compass, LeavesABlackForegroundAndAPenOfTwo)
{
    for (Richtung r : {steht, nord, ost, sued, west}) {
        Aufzeichnungsflaeche f;
        kompassZeigen(f, r);
        EXPECT_EQ(f.log.front(), "leeren") << "drawn afresh";
        EXPECT_EQ(f.vordergrund(), (Farbe{0, 0, 0}));
        EXPECT_EQ(f.stiftbreite(), 2);
    }
}

} // namespace
