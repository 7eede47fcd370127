// The rules examples: where a probe comes out past each object, what the object becomes, and that the hidden step decides it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/regelbeispiel.h"
#include "model/schrittregel.h"

namespace {

using Ende = Regelbeispiel::Ende;

// The four headings in the order the tables below use: the probe comes in
// from below, from the left, from above, from the right.
const Richtung richtungen[4] = {nord, ost, sued, west};

std::string name(Richtung r)
{
    return r == nord ? "from below" : r == ost ? "from the left" : r == sued ? "from above" : "from the right";
}

// Which side of the example field the probe ends on, as a player reads the
// picture: 'u' bottom, 'l' left, 'o' top, 'r' right, 'H' held in the middle.
char endeSeite(const Regelbeispiel& b)
{
    if (b.ende == Ende::Festgehalten)
        return b.weg.back() == Ort{beispielMitte, beispielMitte} ? 'H' : '?';
    const Ort o = b.weg.back();
    if (o == Ort{beispielMitte, beispielGroesse})
        return 'u';
    if (o == Ort{-1, beispielMitte})
        return 'l';
    if (o == Ort{beispielMitte, -1})
        return 'o';
    if (o == Ort{beispielGroesse, beispielMitte})
        return 'r';
    return '?';
}

struct Erwartung {
    int code;
    const char* seiten;  // end side per heading, in the order of `richtungen`
    int danach[4];       // the middle cell's code afterwards, per heading
};

// Worked out by hand from the glyphs: the cat's eye sends the probe back; a
// "/" mirror sends a probe coming up to the right, a "\" one to the left; a
// rotating mirror lets it pass lengthwise and reflects it across, turning
// behind it; a half mirror's dotted side lets it through; the black hole
// holds it; the trapdoor lets it pass and closes into a cat's eye.
const Erwartung erwartungen[] = {
    {Leer, "orul", {0, 0, 0, 0}},
    {Katzenauge, "ulor", {1, 1, 1, 1}},
    {UmlenkspiegelSteigend, "rolu", {2, 2, 2, 2}},
    {UmlenkspiegelFallend, "luro", {3, 3, 3, 3}},
    {DrehspiegelWaagerecht, "urol", {5, 4, 5, 4}},
    {DrehspiegelSenkrecht, "olur", {5, 4, 5, 4}},
    {HalbspiegelNO, "orro", {6, 6, 6, 6}},
    {HalbspiegelSW, "luul", {7, 7, 7, 7}},
    {HalbspiegelNW, "ooll", {8, 8, 8, 8}},
    {HalbspiegelSO, "rruu", {9, 9, 9, 9}},
    {SchwarzesLoch, "HHHH", {10, 10, 10, 10}},
    {Falltuer, "orul", {1, 1, 1, 1}},
};

} // namespace

TEST(RulesExample, EveryObjectSendsTheProbeOutWhereAPlayerExpects)
{
    for (const Erwartung& e : erwartungen)
        for (int i = 0; i < 4; ++i) {
            const Regelbeispiel b = regelbeispiel(e.code, richtungen[i]);
            SCOPED_TRACE("code " + std::to_string(e.code) + ", " + name(richtungen[i]));
            EXPECT_EQ(endeSeite(b), e.seiten[i]);
            EXPECT_EQ(b.codeDanach, e.danach[i]);
            // A contact tone exactly when the probe left in a new heading.
            const bool umgelenkt = b.ende == Ende::Verlassen && b.ausgangsRichtung != richtungen[i];
            EXPECT_EQ(b.kontakte, umgelenkt ? 1 : 0);
        }
}

// The examples come from the hidden step itself: stepping schrittRegel
// by hand, with the object somewhere else in a full field, gives the same
// places, the same end and the same object afterwards.
TEST(RulesExample, FollowsTheHiddenStep)
{
    constexpr int ox = 5;  // where the object stands in the full field
    constexpr int oy = 6;
    for (int code = 0; code < anzahlCodes; ++code)
        for (Richtung r : richtungen) {
            SCOPED_TRACE("code " + std::to_string(code) + ", " + name(r));
            Feld feld;
            feld(ox, oy) = code;
            Sonde p{ox - 2 * r.dx, oy - 2 * r.dy, r.dx, r.dy};
            std::vector<Ort> weg{{p.x - ox + beispielMitte, p.y - oy + beispielMitte}};
            bool gefangen = false;
            for (int n = 0; n < 10; ++n) {
                const Schrittergebnis e = schrittRegel(feld, p, Randverhalten::Verlassen);
                if (e.zelleGeaendert)
                    feld(e.zelleX, e.zelleY) = e.neuerCode;
                p = e.sonde;
                weg.push_back({p.x - ox + beispielMitte, p.y - oy + beispielMitte});
                gefangen = e.gefangen;
                if (gefangen || std::abs(p.x - ox) > 1 || std::abs(p.y - oy) > 1)
                    break;
            }
            const Regelbeispiel b = regelbeispiel(code, r);
            EXPECT_EQ(b.weg, weg);
            EXPECT_EQ(b.ende == Ende::Festgehalten, gefangen);
            EXPECT_EQ(b.codeDanach, feld(ox, oy));
        }
}
