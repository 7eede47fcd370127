// Box texts: the cells packed into one number, framed with a check value, whitened and written in base 58.
//
// The payload is one number V, written least significant byte first:
//   dense:  V = 2 * (c0 + 12 c1 + 12^2 c2 + ... + 12^63 c63),
//           the 64 codes as base-12 digits, 29 bytes (V < 2 * 12^64 < 2^231);
//   sparse: V = 1 + 2 * (b + 2^64 * (d0 + 11 d1 + ...)),
//           b the bitmap of occupied cells (bit i for cell i), then one
//           base-11 digit (code - 1) per occupied cell in cell order; as many
//           bytes as V may need for that number of objects (9 for none).
// Cells count row by row from the top, within a row from the left, as in a
// field file. The encoder takes the sparse form whenever it is shorter, up to
// about 46 objects. The last digit is what remains of V once the others are
// taken off, so a payload no box gives shows as a cell beyond code 11.
//
// The frame is three check bytes (CRC-24 of the version digit and the
// payload, most significant first), then the payload; all of it is XORed with
// a fixed keystream, so that a box text shows nothing of the box at a glance (an
// empty box does not give a run of equal characters). It is written in blocks
// of 8 bytes, each read as a big-endian number, as 11 base-58 digits, a last
// shorter block in the fewest digits that hold it; every byte count has its
// own number of characters, and a block is mixed through all its digits. The
// alphabet leaves out 0, O, I and l, which are easily confused, and holds no
// punctuation a chat would turn into markup. Worst case 32 bytes: 44
// characters after the prefix.
#include "model/feldtext.h"
#include "model/kistentextrahmen.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "model/feldoperationen.h"

namespace {

constexpr int anzahlZellen = feldGroesse * feldGroesse;
constexpr std::size_t pruefBytes = 3;
constexpr std::string_view alphabet = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";
constexpr std::uint64_t basis = 58;
constexpr std::size_t blockBytes = 8;
// Digits of a block of n bytes, index n: the fewest with 58^digits >= 256^n.
constexpr std::array<std::size_t, blockBytes + 1> blockZiffern{0, 2, 3, 5, 6, 7, 9, 10, 11};

// A non-negative number of up to 320 bits, 32-bit words least significant
// first: room for the largest bound computed below, 2^65 * 11^64.
struct Zahl {
    std::array<std::uint32_t, 10> worte{};

    // *this = *this * faktor + summand
    void mulAdd(std::uint32_t faktor, std::uint32_t summand)
    {
        std::uint64_t uebertrag = summand;
        for (std::uint32_t& w : worte) {
            const std::uint64_t t = std::uint64_t{w} * faktor + uebertrag;
            w = static_cast<std::uint32_t>(t);
            uebertrag = t >> 32;
        }
    }
    // Divides by `teiler` and returns the remainder.
    std::uint32_t divMod(std::uint32_t teiler)
    {
        std::uint64_t rest = 0;
        for (std::size_t i = worte.size(); i-- > 0;) {
            const std::uint64_t t = (rest << 32) | worte[i];
            worte[i] = static_cast<std::uint32_t>(t / teiler);
            rest = t % teiler;
        }
        return static_cast<std::uint32_t>(rest);
    }
    // Whether the number is below `grenze`.
    bool kleinerAls(std::uint32_t grenze) const
    {
        return std::all_of(worte.begin() + 1, worte.end(), [](std::uint32_t w) { return w == 0; }) && worte[0] < grenze;
    }
    // Bytes needed for every number below *this (taken as a bound >= 1).
    std::size_t bytesUnter() const
    {
        int bits = 0, einsen = 0;
        for (std::size_t i = 0; i < worte.size(); ++i) {
            einsen += std::popcount(worte[i]);
            if (worte[i] != 0)
                bits = static_cast<int>(32 * i) + std::bit_width(worte[i]);
        }
        if (einsen == 1)
            --bits;  // below 2^k fit k bits
        return static_cast<std::size_t>((bits + 7) / 8);
    }
    std::vector<std::uint8_t> alsBytes(std::size_t anzahl) const
    {
        std::vector<std::uint8_t> b(anzahl);
        for (std::size_t i = 0; i < anzahl; ++i)
            b[i] = static_cast<std::uint8_t>(worte[i / 4] >> (8 * (i % 4)));
        return b;
    }
    static Zahl ausBytes(std::span<const std::uint8_t> b)
    {
        Zahl z;
        for (std::size_t i = 0; i < b.size() && i / 4 < z.worte.size(); ++i)
            z.worte[i / 4] |= std::uint32_t{b[i]} << (8 * (i % 4));
        return z;
    }
};

// grund^exponent * 2^zweierExponent
Zahl potenz(std::uint32_t grund, int exponent, int zweierExponent)
{
    Zahl z;
    z.worte[0] = 1;
    for (int i = 0; i < exponent; ++i)
        z.mulAdd(grund, 0);
    for (int i = 0; i < zweierExponent; ++i)
        z.mulAdd(2, 0);
    return z;
}


// Payload bytes of the dense form, and of the sparse form by number of objects.
std::size_t dichteLaenge()
{
    static const std::size_t laenge = potenz(anzahlCodes, anzahlZellen, 1).bytesUnter();
    return laenge;
}
std::size_t sparsLaenge(int objekte)
{
    static const auto tabelle = [] {
        std::array<std::size_t, anzahlZellen + 1> t{};
        for (int k = 0; k <= anzahlZellen; ++k)
            t[static_cast<std::size_t>(k)] = potenz(anzahlCodes - 1, k, 1 + anzahlZellen).bytesUnter();
        return t;
    }();
    return tabelle[static_cast<std::size_t>(objekte)];
}

// The fixed whitening bytes (splitmix64 from a fixed seed), for the longest frame.
const std::array<std::uint8_t, 40>& schluessel()
{
    static const auto bytes = [] {
        std::array<std::uint8_t, 40> b{};
        std::uint64_t zustand = 0x5461726e6b697374ull;
        for (std::size_t i = 0; i < b.size(); i += 8) {
            std::uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            z ^= z >> 31;
            for (std::size_t j = 0; j < 8; ++j)
                b[i + j] = static_cast<std::uint8_t>(z >> (8 * j));
        }
        return b;
    }();
    return bytes;
}

void weissen(std::vector<std::uint8_t>& rahmen)
{
    for (std::size_t i = 0; i < rahmen.size(); ++i)
        rahmen[i] ^= schluessel()[i];
}

// CRC-24 as OpenPGP uses it (polynomial 0x864CFB, start 0xB704CE), over the
// version digit and the payload: a box text of another version never checks.
std::uint32_t pruefwert(std::span<const std::uint8_t> nutzlast)
{
    std::uint32_t crc = 0xB704CE;
    auto schritt = [&crc](std::uint8_t byte) {
        crc ^= std::uint32_t{byte} << 16;
        for (int i = 0; i < 8; ++i) {
            crc <<= 1;
            if (crc & 0x1000000)
                crc ^= 0x1864CFB;
        }
    };
    schritt(static_cast<std::uint8_t>(kistentextPrefix[2]));
    for (std::uint8_t b : nutzlast)
        schritt(b);
    return crc & 0xFFFFFF;
}

std::string base58Schreiben(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (std::size_t anfang = 0; anfang < bytes.size(); anfang += blockBytes) {
        const std::size_t n = std::min(blockBytes, bytes.size() - anfang);
        std::uint64_t wert = 0;
        for (std::size_t i = 0; i < n; ++i)
            wert = (wert << 8) | bytes[anfang + i];
        std::string block(blockZiffern[n], alphabet[0]);
        for (std::size_t i = block.size(); i-- > 0; wert /= basis)
            block[i] = alphabet[wert % basis];
        text += block;
    }
    return text;
}

// The bytes that `zeichen` characters of base 58 hold; nothing for a count
// no byte count gives.
std::optional<std::size_t> bytesAusZeichen(std::size_t zeichen)
{
    const std::size_t volleZiffern = blockZiffern[blockBytes];
    const auto rest = std::find(blockZiffern.begin(), blockZiffern.end() - 1, zeichen % volleZiffern);
    if (rest == blockZiffern.end() - 1)
        return std::nullopt;
    return zeichen / volleZiffern * blockBytes + static_cast<std::size_t>(rest - blockZiffern.begin());
}

// The bytes of base-58 text whose length was found good; nothing when a
// block lies beyond its bytes' range, as a mistyped character may make it.
std::optional<std::vector<std::uint8_t>> base58Lesen(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t anfang = 0; anfang < text.size();) {
        const std::size_t ziffern = std::min(blockZiffern[blockBytes], text.size() - anfang);
        const std::size_t n = *bytesAusZeichen(ziffern);
        std::uint64_t wert = 0;
        for (std::size_t i = 0; i < ziffern; ++i) {
            const std::uint64_t ziffer = alphabet.find(text[anfang + i]);
            if (wert > (UINT64_MAX - ziffer) / basis)
                return std::nullopt;
            wert = wert * basis + ziffer;
        }
        if (n < blockBytes && (wert >> (8 * n)) != 0)
            return std::nullopt;
        for (std::size_t i = n; i-- > 0;)
            bytes.push_back(static_cast<std::uint8_t>(wert >> (8 * i)));
        anfang += ziffern;
    }
    return bytes;
}

bool istLeerraum(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
char gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The payload's box; a payload no box gives is refused.
Textlesung feldAusNutzlast(std::span<const std::uint8_t> nutzlast)
{
    Zahl v = Zahl::ausBytes(nutzlast);
    Feld feld;
    auto zelle = [&feld](int i) -> int& { return feld(i % feldGroesse, i / feldGroesse); };
    if (v.divMod(2) == 0) {
        if (nutzlast.size() != dichteLaenge())
            return {std::nullopt, Textfehler::FalscheLaenge};
        for (int i = 0; i + 1 < anzahlZellen; ++i)
            zelle(i) = static_cast<int>(v.divMod(anzahlCodes));
        if (!v.kleinerAls(anzahlCodes))
            return {std::nullopt, Textfehler::UngueltigerCode};
        zelle(anzahlZellen - 1) = static_cast<int>(v.worte[0]);
        return {feld, {}};
    }
    std::vector<int> belegt;
    for (int i = 0; i < anzahlZellen; ++i)
        if (v.divMod(2) != 0)
            belegt.push_back(i);
    if (nutzlast.size() != sparsLaenge(static_cast<int>(belegt.size())))
        return {std::nullopt, Textfehler::FalscheLaenge};
    for (std::size_t j = 0; j + 1 < belegt.size(); ++j)
        zelle(belegt[j]) = static_cast<int>(v.divMod(anzahlCodes - 1)) + 1;
    // The last object takes what remains; without objects nothing may remain.
    if (!v.kleinerAls(belegt.empty() ? 1 : anzahlCodes - 1))
        return {std::nullopt, Textfehler::UngueltigerCode};
    if (!belegt.empty())
        zelle(belegt.back()) = static_cast<int>(v.worte[0]) + 1;
    return {feld, {}};
}

} // namespace

std::string kistentextAusNutzlast(std::span<const std::uint8_t> nutzlast)
{
    const std::uint32_t crc = pruefwert(nutzlast);
    std::vector<std::uint8_t> rahmen(pruefBytes + nutzlast.size());
    for (std::size_t i = 0; i < pruefBytes; ++i)
        rahmen[i] = static_cast<std::uint8_t>(crc >> (8 * (pruefBytes - 1 - i)));
    std::copy(nutzlast.begin(), nutzlast.end(), rahmen.begin() + pruefBytes);
    weissen(rahmen);
    return std::string(kistentextPrefix) + base58Schreiben(rahmen);
}

std::string feldAlsKistentext(const Feld& feld)
{
    std::array<int, anzahlZellen> codes{};
    int objekte = 0;
    for (int i = 0; i < anzahlZellen; ++i) {
        codes[static_cast<std::size_t>(i)] = feld(i % feldGroesse, i / feldGroesse);
        objekte += codes[static_cast<std::size_t>(i)] != Leer;
    }
    // Horner from the last cell, so that cell 0 is the least significant digit.
    Zahl v;
    if (sparsLaenge(objekte) < dichteLaenge()) {
        for (int i = anzahlZellen; i-- > 0;)
            if (const int c = codes[static_cast<std::size_t>(i)]; c != Leer)
                v.mulAdd(anzahlCodes - 1, static_cast<std::uint32_t>(c - 1));
        for (int i = anzahlZellen; i-- > 0;)
            v.mulAdd(2, codes[static_cast<std::size_t>(i)] != Leer ? 1 : 0);
        v.mulAdd(2, 1);
        return kistentextAusNutzlast(v.alsBytes(sparsLaenge(objekte)));
    }
    for (int i = anzahlZellen; i-- > 0;)
        v.mulAdd(anzahlCodes, static_cast<std::uint32_t>(codes[static_cast<std::size_t>(i)]));
    v.mulAdd(2, 0);
    return kistentextAusNutzlast(v.alsBytes(dichteLaenge()));
}

Textlesung feldAusKistentext(std::string_view text)
{
    std::string kern;
    for (char c : text)
        if (!istLeerraum(c))
            kern += c;
    if (kern.empty())
        return {std::nullopt, Textfehler::Leer};

    // "TK", digits, "-": a prefix, in any case; base 58 has no '-', so a bare
    // payload never looks like one.
    std::string_view rest = kern;
    if (rest.size() >= 2 && gross(rest[0]) == 'T' && gross(rest[1]) == 'K') {
        std::size_t j = 2;
        while (j < rest.size() && rest[j] >= '0' && rest[j] <= '9')
            ++j;
        if (j > 2 && j < rest.size() && rest[j] == '-') {
            if (rest.substr(2, j - 2) != kistentextPrefix.substr(2, kistentextPrefix.size() - 3))
                return {std::nullopt, Textfehler::FalscheVersion};
            rest.remove_prefix(j + 1);
        }
    }

    if (std::any_of(rest.begin(), rest.end(), [](char c) { return alphabet.find(c) == std::string_view::npos; }))
        return {std::nullopt, Textfehler::KeinKistentext};
    // The length first: a cut box text should be told as such where it can.
    const std::optional<std::size_t> bytes = bytesAusZeichen(rest.size());
    if (!bytes || *bytes < pruefBytes + sparsLaenge(0) || *bytes > pruefBytes + dichteLaenge())
        return {std::nullopt, Textfehler::FalscheLaenge};
    std::optional<std::vector<std::uint8_t>> gelesen = base58Lesen(rest);
    if (!gelesen)
        return {std::nullopt, Textfehler::FalschePruefsumme};
    std::vector<std::uint8_t>& rahmen = *gelesen;
    weissen(rahmen);
    const std::span<const std::uint8_t> nutzlast = std::span(rahmen).subspan(pruefBytes);
    const std::uint32_t crc = (std::uint32_t{rahmen[0]} << 16) | (std::uint32_t{rahmen[1]} << 8) | rahmen[2];
    if (crc != pruefwert(nutzlast))
        return {std::nullopt, Textfehler::FalschePruefsumme};
    return feldAusNutzlast(nutzlast);
}

std::optional<Textfehler> vorgabeAusKistentext(std::string_view text, Spielstand& s, ZellenAnzeige& anzeige)
{
    const Textlesung lesung = feldAusKistentext(text);
    if (!lesung.feld)
        return lesung.fehler;
    feldUebertragen(s.feldVorgabe, &*lesung.feld, Seite::Vorgabe, anzeige);
    vorgabeGegeben(s, anzeige);
    return std::nullopt;
}
