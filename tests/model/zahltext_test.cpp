// Leading numbers of typed texts and the counter boxes' increment.
#include "model/zahltext.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr double unendlich = std::numeric_limits<double>::infinity();

TEST(FuehrendeZahl, LiestDenLaengstenZahlanfang)
{
    const struct { const char* name; std::string text; double wert; } faelle[] = {
        {"Ganzzahl", "12", 12}, {"BlanksUndRest", " \t 7abc", 7}, {"Junk", "abc", 0}, {"Leer", "", 0},
        {"Bruch", "6.5", 6.5}, {"Negativ", "-3x", -3}, {"Plus", "+4", 4}, {"Exponent", "1e3", 1000},
        {"ExponentMitVorzeichen", "25E-1", 2.5}, {"EOhneZiffern", "1e+x", 1}, {"PunktVorn", ".5", 0.5},
        {"PunktHinten", "5.e1", 50}, {"NurPunkt", "-.", 0}, {"Komma", "2,5", 2}, {"ZweiPunkte", "1.2.3", 1.2},
        {"Ueberlauf", "-1e999", -unendlich}, {"Unterlauf", "1e-999", 0},
        {"RiesenExponent", "1e99999999999999999999999", unendlich}, {"VierhundertZiffern", std::string(400, '9'), unendlich},
        {"ViertausendNullenDannEins", "0." + std::string(4000, '0') + "1e4100", 1e99},
        {"GroessterDouble", "1.7976931348623157e308", 1.7976931348623157e308}, {"KnappDarueber", "1.8e308", unendlich},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(fuehrendeZahl(f.text), f.wert) << f.name;
}

TEST(FuehrendeGanzzahl, RundetHalbeZurGeradenUndPrueft32Bit)
{
    const struct { const char* name; const char* text; std::optional<int> wert; } faelle[] = {
        {"SechsEinhalb", "6.5", 6}, {"SiebenEinhalb", "7.5", 8}, {"MinusZweiEinhalb", "-2.5", -2},
        {"MinusDreiEinhalb", "-3.5", -4}, {"UeberHalb", "2.51", 3}, {"Junk", "abc", 0},
        {"GroessterInt", "2147483647", 2147483647}, {"EinsDarueber", "2147483648", std::nullopt},
        {"KleinsterInt", "-2147483648", -2147483647 - 1}, {"EinsDarunter", "-2147483649", std::nullopt},
        {"RundetHinaus", "2147483647.5", std::nullopt}, {"Unendlich", "1e999", std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(fuehrendeGanzzahl(f.text), f.wert) << f.name;
}

TEST(ZaehlerErhoehen, SchreibtFuehrendeZahlPlusEins)
{
    const struct { const char* name; std::string text; const char* neu; } faelle[] = {
        {"Leer", "", "1"}, {"Junk", "abc", "1"}, {"Einfach", "41", "42"}, {"Stellenwechsel", "9", "10"},
        {"MitRest", "12 Schritte", "13"}, {"Bruch", "2.5", "3.5"}, {"OhneBinaerRauschen", "0.2", "1.2"},
        {"NullOhneMinus", "-1", "0"}, {"Negativ", "-5", "-4"}, {"Exponent", "1e3", "1001"},
        {"Groesste15Stellen", "999999999999998", "999999999999999"},
        {"AbZehnHochFuenfzehnExponent", "999999999999999", "1e+15"},
        {"RiesigGetippt", "99999999999999999999999", "1e+23"}, {"RiesigBleibtStehen", "1e+23", "1e+23"},
        {"UnendlichZaehltNeu", "1e999", "1"}, {"MinusUnendlichZaehltNeu", "-1e999", "1"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zaehlerErhoehen(f.text), f.neu) << f.name;
}

// The counter reads its own text back at every step: it must never drift or switch form.
TEST(ZaehlerErhoehen, ZaehltTausendSchritteGenau)
{
    std::string text;
    for (int i = 1; i <= 1000; ++i)
        ASSERT_EQ(text = zaehlerErhoehen(text), std::to_string(i));
}

} // namespace
