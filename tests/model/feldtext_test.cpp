// Box codes: every box comes back within a chat line's length, and bad text is refused with its reason.
#include "model/feldtext.h"
#include "model/kistentextrahmen.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/model/felder.h"

namespace {

// A box of `objekte` non-empty cells in random places with random codes.
Feld zufallsKiste(std::mt19937& motor, int objekte)
{
    std::vector<int> orte(64);
    for (int i = 0; i < 64; ++i)
        orte[static_cast<std::size_t>(i)] = i;
    std::shuffle(orte.begin(), orte.end(), motor);
    Feld f;
    for (int j = 0; j < objekte; ++j) {
        const int i = orte[static_cast<std::size_t>(j)];
        f(i % 8, i / 8) = 1 + static_cast<int>(motor() % 11);
    }
    return f;
}

Feld alle(int code)
{
    Feld f;
    for (auto& spalte : f.zellen)
        spalte.fill(code);
    return f;
}

void pruefeCode(const Feld& kiste, const std::string& name)
{
    SCOPED_TRACE(name);
    const std::string code = feldAlsKistentext(kiste);
    EXPECT_LE(code.size(), 60u) << code;
    EXPECT_EQ(code.substr(0, 4), "TK1-");
    EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c > ' ' && c < 127; })) << code;
    const Textlesung lesung = feldAusKistentext(code);
    ASSERT_TRUE(lesung.feld.has_value()) << code << " refused, reason " << static_cast<int>(lesung.fehler);
    EXPECT_EQ(*lesung.feld, kiste) << code;
}

// The code without its prefix.
std::string nutzteil(const std::string& code) { return code.substr(4); }

const Feld beispiel = feldAus({"......K.", ".T......", "........", "...-....",
                               "........", ".....@..", "....7...", "/......\\"});

} // namespace

TEST(BoxCode, EveryBoxComesBackWithinTheLimit)
{
    pruefeCode(Feld{}, "empty");
    pruefeCode(alle(Falltuer), "all 11");
    Feld ecken;
    ecken(0, 0) = Falltuer;
    ecken(7, 7) = Falltuer;
    pruefeCode(ecken, "first and last cell");
    pruefeCode(beispiel, "example");

    const unsigned saat = std::random_device{}();
    std::printf("BoxCode seed %u\n", saat);
    SCOPED_TRACE("seed " + std::to_string(saat));
    std::mt19937 motor(saat);
    // Every number of objects, around the switch from the sparse to the dense form too.
    for (int runde = 0; runde < 8; ++runde)
        for (int objekte = 0; objekte <= 64; ++objekte)
            pruefeCode(zufallsKiste(motor, objekte), std::to_string(objekte) + " objects");
    Feld zufall;
    for (auto& spalte : zufall.zellen)
        for (int& c : spalte)
            c = static_cast<int>(motor() % 12);
    pruefeCode(zufall, "any codes");
}

// The worst box fits a chat line with room to spare; a box with few objects,
// as the generator makes them, gives a markedly shorter code.
TEST(BoxCode, SparseBoxesGiveShorterCodes)
{
    const std::size_t voll = feldAlsKistentext(alle(Falltuer)).size();
    EXPECT_LE(voll, 48u);
    std::mt19937 motor(7);
    std::size_t vorige = 0;
    for (int objekte = 0; objekte <= 64; ++objekte) {
        const std::size_t n = feldAlsKistentext(zufallsKiste(motor, objekte)).size();
        EXPECT_GE(n, vorige) << objekte << " objects";
        EXPECT_LE(n, voll) << objekte << " objects";
        vorige = n;
    }
    EXPECT_EQ(feldAlsKistentext(Feld{}).size(), 21u);
    EXPECT_LE(feldAlsKistentext(zufallsKiste(motor, 10)).size(), 26u);
}

// A player reading a code must not see the cells: no run of equal
// characters where the box is empty or uniform.
TEST(BoxCode, CodeShowsNothingOfTheBox)
{
    Feld eins;
    eins(7, 7) = Katzenauge;
    for (const Feld& kiste : {Feld{}, eins, alle(Katzenauge)}) {
        const std::string code = nutzteil(feldAlsKistentext(kiste));
        std::size_t lauf = 1, laengster = 1;
        for (std::size_t i = 1; i < code.size(); ++i)
            laengster = std::max(laengster, lauf = code[i] == code[i - 1] ? lauf + 1 : 1);
        EXPECT_LE(laengster, 3u) << code;
    }
}

// What a chat or a careless copy does to a code is read; anything else is
// refused with its reason. Nothing means the text is read as `beispiel`.
TEST(BoxCode, TextIsReadOrRefusedWithItsReason)
{
    const std::string code = feldAlsKistentext(beispiel);
    const std::string rumpf = nutzteil(code);
    const std::string lang = feldAlsKistentext(alle(Falltuer));
    const std::string leer = feldAlsKistentext(Feld{});
    std::string vertippt = code;
    vertippt[10] = vertippt[10] == 'b' ? 'c' : 'b';
    // Payloads framed correctly that no box gives. Least significant byte
    // first: bit 0 the form, then the bitmap, then the objects' digits.
    const std::vector<std::uint8_t> dichtZuGross(29, 0xFE);  // dense, the last cell far beyond 11
    const std::vector<std::uint8_t> zwoelf{0x03, 0, 0, 0, 0, 0, 0, 0, 11 << 1};  // a1 holds 11 + 1
    const std::vector<std::uint8_t> ohneObjektMitRest{0x01, 0, 0, 0, 0, 0, 0, 0, 0x02};
    struct Fall {
        const char* name;
        std::string text;
        std::optional<Textfehler> fehler;
    };
    const Fall faelle[] = {
        {"blanks around", "  " + code + "\r\n", std::nullopt},
        {"lower-case prefix", "tk1-" + rumpf, std::nullopt},
        {"no prefix", "\t" + rumpf, std::nullopt},
        {"broken over lines", code.substr(0, 15) + "\n" + code.substr(15), std::nullopt},
        {"empty", "", Textfehler::Leer},
        {"blanks only", " \r\n\t ", Textfehler::Leer},
        {"a chat line", "Hallo, wie geht's?", Textfehler::KeinKistentext},
        {"a zero, not in the alphabet", "TK1-0" + rumpf.substr(1), Textfehler::KeinKistentext},
        {"another version", "TK2-" + rumpf, Textfehler::FalscheVersion},
        {"another version, lower case", "tk12-" + rumpf, Textfehler::FalscheVersion},
        {"prefix alone", "TK1-", Textfehler::FalscheLaenge},
        {"one character changed", vertippt, Textfehler::FalschePruefsumme},
        {"last character cut", leer.substr(0, leer.size() - 1), Textfehler::FalscheLaenge},
        {"cut to a length codes have", code.substr(0, code.size() - 1), Textfehler::FalschePruefsumme},
        {"one character too many", lang + "2", Textfehler::FalscheLaenge},
        {"two codes run together", lang + nutzteil(lang), Textfehler::FalscheLaenge},
        {"dense cell beyond 11", kistentextAusNutzlast(dichtZuGross), Textfehler::UngueltigerCode},
        {"sparse object beyond 11", kistentextAusNutzlast(zwoelf), Textfehler::UngueltigerCode},
        {"no objects, yet more", kistentextAusNutzlast(ohneObjektMitRest), Textfehler::UngueltigerCode},
        {"dense form one byte short", kistentextAusNutzlast(std::vector<std::uint8_t>(28, 0x10)), Textfehler::FalscheLaenge},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.name) + ": " + f.text);
        const Textlesung lesung = feldAusKistentext(f.text);
        if (!f.fehler) {
            ASSERT_TRUE(lesung.feld.has_value()) << static_cast<int>(lesung.fehler);
            EXPECT_EQ(*lesung.feld, beispiel);
        } else {
            EXPECT_FALSE(lesung.feld.has_value());
            EXPECT_EQ(lesung.fehler, *f.fehler);
        }
    }
}
