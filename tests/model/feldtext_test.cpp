// Box codes: every box comes back within a chat line's length, bad text is refused with its reason, a code loads like a file.
#include "model/feldtext.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/model/aufzeichnung.h"
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
    const std::string code = feldAlsCode(kiste);
    EXPECT_LE(code.size(), 60u) << code;
    EXPECT_EQ(code.substr(0, 4), "TK1-");
    EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c > ' ' && c < 127; })) << code;
    const Textlesung lesung = feldAusCode(code);
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
    pruefeCode(alle(Katzenauge), "all 1");
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
    std::mt19937 motor(7);
    std::size_t laengste = 0;
    std::vector<std::size_t> laenge;
    for (int objekte = 0; objekte <= 64; ++objekte) {
        laenge.push_back(feldAlsCode(zufallsKiste(motor, objekte)).size());
        laengste = std::max(laengste, laenge.back());
        if (objekte > 0) {
            EXPECT_GE(laenge.back(), laenge[laenge.size() - 2]) << objekte << " objects";
        }
    }
    EXPECT_EQ(feldAlsCode(alle(Falltuer)).size(), laengste);
    EXPECT_LE(laengste, 48u);
    EXPECT_EQ(feldAlsCode(Feld{}).size(), 21u);
    EXPECT_LE(laenge[10], 26u);
    EXPECT_LT(laenge[10] + 20, laengste);
}

// A player reading a code must not see the cells: neither runs of equal
// characters for the empty box, nor a code that stays put when one cell changes.
TEST(BoxCode, CodeShowsNothingOfTheBox)
{
    Feld eins;
    eins(7, 7) = Katzenauge;
    for (const Feld& kiste : {Feld{}, eins, alle(Leer + 1)}) {
        const std::string code = nutzteil(feldAlsCode(kiste));
        std::size_t lauf = 1, laengster = 1;
        for (std::size_t i = 1; i < code.size(); ++i)
            laengster = std::max(laengster, lauf = code[i] == code[i - 1] ? lauf + 1 : 1);
        EXPECT_LE(laengster, 3u) << code;
    }
    Feld anders = beispiel;
    anders(2, 2) = Katzenauge;
    const std::string a = feldAlsCode(beispiel), b = feldAlsCode(anders);
    ASSERT_EQ(a.size(), b.size());
    int verschieden = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        verschieden += a[i] != b[i];
    EXPECT_GE(verschieden, 5) << a << " / " << b;
}

TEST(BoxCode, BadTextIsRefusedWithItsReason)
{
    const std::string code = feldAlsCode(beispiel);
    const std::string lang = feldAlsCode(alle(Falltuer));
    const std::string leer = feldAlsCode(Feld{});
    std::string vertippt = code;
    vertippt[10] = vertippt[10] == 'b' ? 'c' : 'b';
    // Payloads framed correctly that no box gives. Least significant byte
    // first: bit 0 the form, then the bitmap, then the objects' digits.
    const std::vector<std::uint8_t> dichtZuGross(29, 0xFE);  // dense, the last cell far beyond 11
    const std::vector<std::uint8_t> zwoelf{0x03, 0, 0, 0, 0, 0, 0, 0, 11 << 1};  // cell a1 holds 11 + 1
    const std::vector<std::uint8_t> ohneObjektMitRest{0x01, 0, 0, 0, 0, 0, 0, 0, 0x02};
    const std::vector<std::uint8_t> dichtZuKurz(28, 0x10);
    struct Fall {
        const char* name;
        std::string text;
        Textfehler fehler;
    };
    const Fall faelle[] = {
        {"empty", "", Textfehler::Leer},
        {"blanks only", " \r\n\t ", Textfehler::Leer},
        {"a chat line", "Hallo, wie geht's?", Textfehler::KeinCode},
        {"a zero, not in the alphabet", "TK1-0" + nutzteil(code).substr(1), Textfehler::KeinCode},
        {"another version", "TK2-" + nutzteil(code), Textfehler::FalscheVersion},
        {"another version, lower case", "tk12-" + nutzteil(code), Textfehler::FalscheVersion},
        {"prefix alone", "TK1-", Textfehler::FalscheLaenge},
        {"one character changed", vertippt, Textfehler::FalschePruefsumme},
        {"last character cut", leer.substr(0, leer.size() - 1), Textfehler::FalscheLaenge},
        {"last character cut, a length codes have", code.substr(0, code.size() - 1), Textfehler::FalschePruefsumme},
        {"cut in half", lang.substr(0, 4 + 22), Textfehler::FalschePruefsumme},
        {"one character too many", lang + "2", Textfehler::FalscheLaenge},
        {"two codes run together", lang + nutzteil(lang), Textfehler::FalscheLaenge},
        {"dense cell beyond 11", codeAusNutzlast(dichtZuGross), Textfehler::UngueltigerCode},
        {"sparse object beyond 11", codeAusNutzlast(zwoelf), Textfehler::UngueltigerCode},
        {"no objects, yet more", codeAusNutzlast(ohneObjektMitRest), Textfehler::UngueltigerCode},
        {"dense form one byte short", codeAusNutzlast(dichtZuKurz), Textfehler::FalscheLaenge},
    };
    for (const Fall& f : faelle) {
        const Textlesung lesung = feldAusCode(f.text);
        EXPECT_FALSE(lesung.feld.has_value()) << f.name << ": " << f.text;
        EXPECT_EQ(lesung.fehler, f.fehler) << f.name << ": " << f.text;
    }
}

// What a chat or a careless copy does to a code.
TEST(BoxCode, PastedFormsAreAccepted)
{
    const std::string code = feldAlsCode(beispiel);
    const std::string rumpf = nutzteil(code);
    const std::string formen[] = {
        "  " + code + "\n",
        "\t" + code + "\r\n",
        "tk1-" + rumpf,
        "Tk1-" + rumpf,
        rumpf,
        code.substr(0, 15) + "\r\n" + code.substr(15),
        code.substr(0, 4) + " " + rumpf,
    };
    for (const std::string& text : formen) {
        const Textlesung lesung = feldAusCode(text);
        ASSERT_TRUE(lesung.feld.has_value()) << text;
        EXPECT_EQ(*lesung.feld, beispiel) << text;
    }
}

// A code loads as a field file does: the box as given, score and record
// afresh, every hidden cell redrawn, the model kept; a refused one changes nothing.
TEST(BoxCode, LoadingMakesTheBoxAsGivenAndRefusalChangesNothing)
{
    Spielstand s;
    s.feldVorgabe = alle(Katzenauge);
    vorgabeGegeben(s);
    s.feldVorgabe(3, 3) = Leer;  // as a launch changed it
    s.feldNachbau(1, 1) = Falltuer;
    s.gestarteteSonden = 4;
    s.beobachtungen.resize(4);
    const Spielstand vorher = s;

    Aufzeichnung a;
    EXPECT_EQ(vorgabeAusCode(feldAlsCode(beispiel).substr(0, 20), s, a), Textfehler::FalscheLaenge);
    EXPECT_TRUE(s == vorher);
    EXPECT_TRUE(a.aufrufe.empty());

    EXPECT_EQ(vorgabeAusCode(feldAlsCode(beispiel), s, a), std::nullopt);
    EXPECT_EQ(s.feldVorgabe, beispiel);
    EXPECT_EQ(s.feldVorgabeKopie, beispiel);
    EXPECT_EQ(s.gestarteteSonden, 0);
    EXPECT_TRUE(s.beobachtungen.empty());
    EXPECT_EQ(s.neueVorgaben, vorher.neueVorgaben + 1);
    EXPECT_EQ(s.feldNachbau, vorher.feldNachbau);
    EXPECT_EQ(s.sondeVorgabe, vorher.sondeVorgabe);
    ASSERT_EQ(a.nur("zelle").size(), 64u);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            const std::string zeile = "zelle V " + std::to_string(beispiel(x, y)) + " " + std::to_string(x) + " " +
                                      std::to_string(y);
            EXPECT_EQ(std::count(a.aufrufe.begin(), a.aufrufe.end(), zeile), 1) << zeile;
        }
}
