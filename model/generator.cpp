// Random hidden fields: clearing, placing by draw-and-reject, and the flag ties.
#include "model/generator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/zahltext.h"

void StandardZufall::saeen(double sekundenSeitMitternacht)
{
    // Milliseconds since midnight fit 32 bits (< 8.64e7); anything odd that a
    // clock could hand over still yields some seed instead of a bad cast.
    double ms = std::fabs(sekundenSeitMitternacht) * 1000.0;
    if (!std::isfinite(ms))
        ms = 0.0;
    ms = std::fmod(ms, 4294967296.0);
    motor_.seed(static_cast<std::uint32_t>(ms));
}

double StandardZufall::ziehen()
{
    // 27 + 26 random bits give a multiple of 2^-53 below 1; unlike
    // std::generate_canonical this can never round up to 1.0.
    const double oben = static_cast<double>(motor_() >> 5);
    const double unten = static_cast<double>(motor_() >> 6);
    return (oben * 67108864.0 + unten) * (1.0 / 9007199254740992.0);
}

namespace {

// floor(stufen * r), kept inside 0..stufen-1 whatever the source returns.
int stufe(double r, int stufen)
{
    if (!(r >= 0.0))
        return 0;
    if (!(r < 1.0))
        return stufen - 1;
    return std::clamp(static_cast<int>(std::floor(r * stufen)), 0, stufen - 1);
}

// Whether any code besides the empty cell may be placed.
bool objektErlaubt(const Erlaubnis& erlaubt)
{
    return std::any_of(erlaubt.begin() + 1, erlaubt.end(), [](bool b) { return b; });
}

bool freieZelle(const Feld& feld)
{
    for (const auto& spalte : feld.zellen)
        for (int code : spalte)
            if (code == Leer)
                return true;
    return false;
}

// n placements by draw and reject into the emptied field.
int objekteSetzen(Feld& feld, const GeneratorEinstellung& e, Zufallsquelle& zufall, ZellenAnzeige& anzeige)
{
    int gesetzt = 0;
    for (int k = 0; k < e.anzahl; ++k) {
        // A full field has no cell left to draw: the remaining placements lapse.
        if (!freieZelle(feld))
            break;

        int x = 0;
        int y = 0;
        do {
            x = stufe(zufall.ziehen(), feldGroesse);
            y = stufe(zufall.ziehen(), feldGroesse);
        } while (feld(x, y) != Leer);

        int t = 0;
        do {
            t = stufe(zufall.ziehen(), anzahlCodes);
        } while (!e.erlaubt[static_cast<std::size_t>(t)] || (t == Leer && e.genau));

        anzeige.zelleGeaendert(Seite::Vorgabe, t, x, y);
        feld(x, y) = t;
        if (t != Leer)
            ++gesetzt;
    }
    return gesetzt;
}

} // namespace

int generieren(Spielstand& s, const GeneratorEinstellung& e, Zufallsquelle& zufall,
               double sekundenSeitMitternacht, ZellenAnzeige& anzeige)
{
    zufall.saeen(sekundenSeitMitternacht);
    for (int x = 0; x < feldGroesse; ++x)
        for (int y = 0; y < feldGroesse; ++y) {
            s.feldVorgabe(x, y) = Leer;
            anzeige.zelleGeaendert(Seite::Vorgabe, Leer, x, y);
        }

    // Without an allowed object code no placement can put anything down: in
    // "genau" mode the code draw would never end, in "maximal" mode every
    // placement would only draw code 0. Either way the field stays empty.
    const int gesetzt = objektErlaubt(e.erlaubt) ? objekteSetzen(s.feldVorgabe, e, zufall, anzeige) : 0;
    vorgabeGegeben(s, anzeige);
    return gesetzt;
}

Erlaubnis erlaubnisBinden(Erlaubnis e)
{
    e[DrehspiegelWaagerecht] = e[DrehspiegelSenkrecht];
    e[HalbspiegelSW] = e[HalbspiegelNO];
    e[HalbspiegelNW] = e[HalbspiegelNO];
    e[HalbspiegelSO] = e[HalbspiegelNO];
    if (e[Falltuer])
        e[Katzenauge] = true;
    return e;
}

int anzahlAusText(std::string_view text)
{
    return fuehrendeGanzzahl(text).value_or(0);
}
