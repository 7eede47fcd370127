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

class ZoneBei : public testing::TestWithParam<ZonenFall> {};

TEST_P(ZoneBei, StrengeGrenzen) { EXPECT_EQ(zoneBei(GetParam().x, GetParam().y), GetParam().zone); }

INSTANTIATE_TEST_SUITE_P(Zonen, ZoneBei, testing::Values(
    ZonenFall{"ZelleNahEcke", 3.99, 0.01, {Zonenart::Zelle, 3, 0}},
    ZonenFall{"ZelleUntenRechts", 7.5, 7.99, {Zonenart::Zelle, 7, 7}},
    ZonenFall{"Links", -0.2, 4.5, {Zonenart::Links, -1, 4}},
    ZonenFall{"LinksAmBildrand", -1.0, 2.7, {Zonenart::Links, -1, 2}},
    ZonenFall{"Rechts", 8.2, 4.5, {Zonenart::Rechts, 8, 4}},
    ZonenFall{"Oben", 5.5, -0.5, {Zonenart::Oben, 5, -1}},
    ZonenFall{"Unten", 3.2, 8.7, {Zonenart::Unten, 3, 8}},
    ZonenFall{"LinieXNull", 0.0, 4.5, {}}, ZonenFall{"LinieXAcht", 8.0, 4.5, {}},
    ZonenFall{"LinieYNull", 4.5, 0.0, {}}, ZonenFall{"LinieYAcht", 4.5, 8.0, {}},
    ZonenFall{"RandAufLinie", -0.5, 0.0, {}}, ZonenFall{"EckeObenLinks", -0.5, -0.5, {}},
    ZonenFall{"EckeUntenRechts", 8.5, 8.5, {}}), zeilenName<ZonenFall>);

struct MarkerFall {
    const char* name;
    Markerlage lage;
    double links, oben;
};

class MarkerLage : public testing::TestWithParam<MarkerFall> {};

TEST_P(MarkerLage, EckeDerMarkerbox)
{
    EXPECT_DOUBLE_EQ(GetParam().lage.links, GetParam().links);
    EXPECT_DOUBLE_EQ(GetParam().lage.oben, GetParam().oben);
}

INSTANTIATE_TEST_SUITE_P(Plaetze, MarkerLage, testing::Values(
    MarkerFall{"LinksZeile3", markerLage(-1, 3), -0.65, 3.25},
    MarkerFall{"ObenSpalte5", markerLage(5, -1), 5.35, -0.75},
    MarkerFall{"ParkplatzNachbau", markerParkplatzNachbau, -0.65, 8.25},
    MarkerFall{"ParkplatzVorgabe", markerParkplatzVorgabe, 8.35, 8.25}), zeilenName<MarkerFall>);

TEST(GedruckteZahl, VorzeichenstelleZiffernLeerzeichen)
{
    EXPECT_EQ(gedruckteZahl(8), " 8 ");
    EXPECT_EQ(gedruckteZahl(12), " 12 ");
    EXPECT_EQ(gedruckteZahl(-3), "-3 ");
    EXPECT_EQ(gedruckteZahl(INT_MIN), "-2147483648 ");
}

} // namespace
