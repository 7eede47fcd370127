// The step rule run directly on both fields' border policies: borders, objects, object changes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "model/schrittregel.h"
#include "tests/model/felder.h"

namespace {

// "x y dx dy" after the step, then the flags that hold and the changed cell.
std::string beschrieben(const Schrittergebnis& e)
{
    std::ostringstream o;
    o << e.sonde.x << ' ' << e.sonde.y << ' ' << e.sonde.dx << ' ' << e.sonde.dy;
    if (e.amRand)
        o << " rand";
    if (e.gefangen)
        o << " loch";
    if (e.kontakt)
        o << " kontakt";
    if (e.zelleGeaendert)
        o << " zelle " << e.zelleX << ' ' << e.zelleY << ' ' << e.neuerCode;
    return o.str();
}

// Runs `schritte` steps from `p`, writing the cell changes, and counts the contacts.
int kontakteBeiLauf(Feld& feld, Sonde& p, int schritte, Randverhalten rand)
{
    int kontakte = 0;
    for (int i = 0; i < schritte; ++i) {
        const Schrittergebnis e = schrittRegel(feld, p, rand);
        if (e.zelleGeaendert)
            feld(e.zelleX, e.zelleY) = e.neuerCode;
        p = e.sonde;
        kontakte += e.kontakt;
    }
    return kontakte;
}

} // namespace

TEST(StepRule, BordersObjectsAndChangesInBothFields)
{
    const Feld feld = feldAus({"K......T",
                               "........",
                               "-.T.....",
                               "........",
                               "@.......",
                               "........",
                               "........",
                               "...-...."});
    struct Zeile {
        const char* name;
        Sonde vorher;
        const char* verlassen;  // the hidden field
        const char* umkehren;   // the model field
    };
    const Zeile tabelle[] = {
        {"into the box", {-1, 5, 1, 0}, "0 5 1 0", "0 5 1 0"},
        {"along an empty row", {6, 5, 1, 0}, "7 5 1 0", "7 5 1 0"},
        {"out on the right", {7, 5, 1, 0}, "8 5 0 0 rand", "8 5 -1 0 rand"},
        {"out on the left", {0, 5, -1, 0}, "-1 5 0 0 rand", "-1 5 1 0 rand"},
        {"out at the top", {3, 0, 0, -1}, "3 -1 0 0 rand", "3 -1 0 1 rand"},
        {"out at the bottom", {5, 7, 0, 1}, "5 8 0 0 rand", "5 8 0 -1 rand"},
        {"standing beside the box", {-1, 7, 0, 0}, "-1 7 0 0 rand", "-1 7 0 0 rand"},
        {"standing above the box", {3, -1, 0, 0}, "3 -1 0 0 rand", "3 -1 0 0 rand"},
        {"onto a cat's eye", {-1, 0, 1, 0}, "0 0 -1 0 kontakt", "0 0 -1 0 kontakt"},
        {"back off the cat's eye", {0, 0, -1, 0}, "-1 0 0 0 rand", "-1 0 1 0 rand"},
        {"into a black hole", {-1, 4, 1, 0}, "0 4 0 0 loch", "0 4 0 0 loch"},
        {"held in the black hole", {0, 4, 0, 0}, "0 4 0 0 loch", "0 4 0 0 loch"},
        {"onto a trapdoor", {8, 0, -1, 0}, "7 0 -1 0", "7 0 -1 0"},
        {"off the trapdoor inwards", {7, 0, -1, 0}, "6 0 -1 0 zelle 7 0 1", "6 0 -1 0 zelle 7 0 1"},
        {"off the trapdoor outwards", {7, 0, 1, 0}, "8 0 0 0 rand zelle 7 0 1", "8 0 -1 0 rand zelle 7 0 1"},
        {"standing on a trapdoor", {2, 2, 0, 0}, "2 2 0 0 zelle 2 2 1", "2 2 0 0 zelle 2 2 1"},
        {"lying mirror passed lengthwise", {-1, 2, 1, 0}, "0 2 1 0", "0 2 1 0"},
        {"off it lengthwise", {0, 2, 1, 0}, "1 2 1 0", "1 2 1 0"},
        {"lying mirror hit crosswise", {3, 8, 0, -1}, "3 7 0 1 kontakt", "3 7 0 1 kontakt"},
        {"off it after reflecting", {3, 7, 0, 1}, "3 8 0 0 rand zelle 3 7 5", "3 8 0 -1 rand zelle 3 7 5"},
    };
    for (const auto& z : tabelle) {
        EXPECT_EQ(beschrieben(schrittRegel(feld, z.vorher, Randverhalten::Verlassen)), z.verlassen) << z.name;
        EXPECT_EQ(beschrieben(schrittRegel(feld, z.vorher, Randverhalten::Umkehren)), z.umkehren) << z.name;
    }
}

TEST(ObjectRules, EveryCodeAndHeading)
{
    struct Zeile {
        const char* name;
        int code;
        Richtung n, o, s, w;  // outgoing heading for incoming N, O, S, W
    };
    const Zeile tabelle[] = {
        {"empty", Leer, nord, ost, sued, west},
        {"cat's eye", Katzenauge, sued, west, nord, ost},
        {"rising mirror", UmlenkspiegelSteigend, ost, nord, west, sued},
        {"falling mirror", UmlenkspiegelFallend, west, sued, ost, nord},
        {"rotating lying", DrehspiegelWaagerecht, sued, ost, nord, west},
        {"rotating standing", DrehspiegelSenkrecht, nord, west, sued, ost},
        {"half NO", HalbspiegelNO, nord, ost, ost, nord},
        {"half SW", HalbspiegelSW, west, sued, sued, west},
        {"half NW", HalbspiegelNW, nord, nord, west, west},
        {"half SO", HalbspiegelSO, ost, ost, sued, sued},
        {"trapdoor", Falltuer, nord, ost, sued, west},
        {"black hole", SchwarzesLoch, steht, steht, steht, steht},
    };
    // One step from the neighbouring cell onto the object at (3, 3).
    for (Randverhalten rand : {Randverhalten::Verlassen, Randverhalten::Umkehren}) {
        for (const auto& z : tabelle) {
            Feld feld;
            feld(3, 3) = z.code;
            for (auto [rein, raus] : {std::pair{nord, z.n}, {ost, z.o}, {sued, z.s}, {west, z.w}}) {
                const Schrittergebnis e = schrittRegel(feld, {3 - rein.dx, 3 - rein.dy, rein.dx, rein.dy}, rand);
                EXPECT_EQ(e.sonde, (Sonde{3, 3, raus.dx, raus.dy})) << z.name;
                EXPECT_EQ(e.gefangen, z.code == SchwarzesLoch) << z.name;
                EXPECT_EQ(e.kontakt, !e.gefangen && raus != rein) << z.name;
                EXPECT_FALSE(e.amRand || e.zelleGeaendert) << z.name;
            }
        }
    }
}

TEST(ObjectRules, HalfMirrorsReflectOnOneSideAndPassOnTheOther)
{
    // Row 4 from either side onto a half mirror at (2,4) or (6,4).
    struct Zeile {
        const char* name;
        int code;
        Rand rand;
        Sonde danach;  // on the mirror's cell
        int kontakte;
    };
    const Zeile tabelle[] = {
        {"6 heading east passes", HalbspiegelNO, Rand::Links, {2, 4, 1, 0}, 0},
        {"6 heading west turns north", HalbspiegelNO, Rand::Rechts, {6, 4, 0, -1}, 1},
        {"7 heading east turns south", HalbspiegelSW, Rand::Links, {2, 4, 0, 1}, 1},
        {"7 heading west passes", HalbspiegelSW, Rand::Rechts, {6, 4, -1, 0}, 0},
        {"8 heading east turns north", HalbspiegelNW, Rand::Links, {2, 4, 0, -1}, 1},
        {"8 heading west passes", HalbspiegelNW, Rand::Rechts, {6, 4, -1, 0}, 0},
        {"9 heading east passes", HalbspiegelSO, Rand::Links, {2, 4, 1, 0}, 0},
        {"9 heading west turns south", HalbspiegelSO, Rand::Rechts, {6, 4, 0, 1}, 1},
    };
    for (Randverhalten randverhalten : {Randverhalten::Verlassen, Randverhalten::Umkehren}) {
        for (const auto& z : tabelle) {
            Feld feld;
            feld(z.rand == Rand::Links ? 2 : 6, 4) = z.code;
            Sonde p = sondeAmRand(z.rand, 4);
            EXPECT_EQ(kontakteBeiLauf(feld, p, z.rand == Rand::Links ? 3 : 2, randverhalten), z.kontakte) << z.name;
            EXPECT_EQ(p, z.danach) << z.name;
        }
    }
}
