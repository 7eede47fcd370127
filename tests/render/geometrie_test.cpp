// Zones of a field picture, marker places and label numbers.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "render/geometrie.h"
#include "render/zahldruck.h"

namespace {

template <class Fall>
std::string zeilenName(const testing::TestParamInfo<Fall>& info) { return info.param.name; }

struct ZonenFall {
    const char* name;
    double x, y;
    Zone zone;
};

class ZoneAt : public testing::TestWithParam<ZonenFall> {};

TEST_P(ZoneAt, StrictBounds) { EXPECT_EQ(zoneBei(GetParam().x, GetParam().y), GetParam().zone); }

INSTANTIATE_TEST_SUITE_P(Zones, ZoneAt, testing::Values(
    ZonenFall{"CellNearCorner", 3.99, 0.01, {Zonenart::Zelle, 3, 0}},
    ZonenFall{"CellBottomRight", 7.5, 7.99, {Zonenart::Zelle, 7, 7}},
    ZonenFall{"Left", -0.2, 4.5, {Zonenart::Links, -1, 4}},
    ZonenFall{"LeftAtPictureEdge", -1.0, 2.7, {Zonenart::Links, -1, 2}},
    ZonenFall{"Right", 8.2, 4.5, {Zonenart::Rechts, 8, 4}},
    ZonenFall{"Top", 5.5, -0.5, {Zonenart::Oben, 5, -1}},
    ZonenFall{"Bottom", 3.2, 8.7, {Zonenart::Unten, 3, 8}},
    ZonenFall{"LineXZero", 0.0, 4.5, {}}, ZonenFall{"LineXEight", 8.0, 4.5, {}},
    ZonenFall{"LineYZero", 4.5, 0.0, {}}, ZonenFall{"LineYEight", 4.5, 8.0, {}},
    ZonenFall{"BorderOnALine", -0.5, 0.0, {}}, ZonenFall{"TopLeftCorner", -0.5, -0.5, {}},
    ZonenFall{"BottomRightCorner", 8.5, 8.5, {}}), zeilenName<ZonenFall>);

struct MarkerFall {
    const char* name;
    Markerlage lage;
    double links, oben;
};

class MarkerPlace : public testing::TestWithParam<MarkerFall> {};

TEST_P(MarkerPlace, CornerOfTheMarkerBox)
{
    EXPECT_DOUBLE_EQ(GetParam().lage.links, GetParam().links);
    EXPECT_DOUBLE_EQ(GetParam().lage.oben, GetParam().oben);
}

INSTANTIATE_TEST_SUITE_P(Places, MarkerPlace, testing::Values(
    MarkerFall{"LeftRow3", markerLage(-1, 3), -0.65, 3.25},
    MarkerFall{"TopColumn5", markerLage(5, -1), 5.35, -0.75},
    MarkerFall{"ModelParkingPlace", markerParkplatzNachbau, -0.65, 8.25},
    MarkerFall{"HiddenParkingPlace", markerParkplatzVorgabe, 8.35, 8.25}), zeilenName<MarkerFall>);

TEST(PrintedNumber, SignPlaceDigitsAndASpace)
{
    EXPECT_EQ(gedruckteZahl(8), " 8 ");
    EXPECT_EQ(gedruckteZahl(12), " 12 ");
    EXPECT_EQ(gedruckteZahl(-3), "-3 ");
    EXPECT_EQ(gedruckteZahl(INT_MIN), "-2147483648 ");
}

} // namespace
