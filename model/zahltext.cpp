// Leading numbers of typed texts, read and written without the C locale's help:
// the window library may switch the process to a locale with a decimal comma,
// and these texts always use the point.
#include "model/zahltext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

bool istBlank(char c) { return c == ' ' || c == '\t'; }
bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// Beyond these decimal exponents of 0.d1d2... a double is certainly infinite
// or zero, so huge exponents never reach the converter.
constexpr std::int64_t groessterExponent = 310;
constexpr std::int64_t kleinsterExponent = -400;
// Exponent digits are summed with saturation; any bound well past the two
// limits above and past any text length in the range of int64 will do.
constexpr std::int64_t exponentSaettigung = std::int64_t{1} << 50;

} // namespace

double fuehrendeZahl(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && istBlank(text[i]))
        ++i;

    bool negativ = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }

    const std::size_t ganzAnfang = i;
    while (i < n && istZiffer(text[i]))
        ++i;
    const std::string_view ganz = text.substr(ganzAnfang, i - ganzAnfang);

    std::string_view bruch;
    if (i < n && text[i] == '.') {
        const std::size_t bruchAnfang = i + 1;
        std::size_t j = bruchAnfang;
        while (j < n && istZiffer(text[j]))
            ++j;
        bruch = text.substr(bruchAnfang, j - bruchAnfang);
        // A lone point after no digits is not part of a number.
        if (!ganz.empty() || !bruch.empty())
            i = j;
    }
    if (ganz.empty() && bruch.empty())
        return 0.0;

    // The exponent counts only when at least one digit follows e/E and its sign.
    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegativ = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            expNegativ = text[j] == '-';
            ++j;
        }
        if (j < n && istZiffer(text[j])) {
            for (; j < n && istZiffer(text[j]); ++j)
                if (exponent < exponentSaettigung)
                    exponent = exponent * 10 + (text[j] - '0');
            if (expNegativ)
                exponent = -exponent;
        }
    }

    // Normalise to 0.<ziffern> x 10^stellen with a non-zero first digit.
    std::string ziffern;
    ziffern.reserve(ganz.size() + bruch.size());
    ziffern.append(ganz).append(bruch);
    std::int64_t stellen = static_cast<std::int64_t>(ganz.size());
    std::size_t fuehrendeNullen = 0;
    while (fuehrendeNullen < ziffern.size() && ziffern[fuehrendeNullen] == '0')
        ++fuehrendeNullen;
    const double vorzeichen = negativ ? -1.0 : 1.0;
    if (fuehrendeNullen == ziffern.size())
        return vorzeichen * 0.0;
    ziffern.erase(0, fuehrendeNullen);
    stellen -= static_cast<std::int64_t>(fuehrendeNullen);
    stellen += exponent;

    if (stellen > groessterExponent)
        return vorzeichen * std::numeric_limits<double>::infinity();
    if (stellen < kleinsterExponent)
        return vorzeichen * 0.0;

    const std::string normiert = "0." + ziffern + "e" + std::to_string(stellen);
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(normiert.data(), normiert.data() + normiert.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range)
        wert = stellen > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (fehler != std::errc{})
        wert = 0.0;
    return vorzeichen * wert;
}

std::optional<int> fuehrendeGanzzahl(std::string_view text)
{
    const double wert = fuehrendeZahl(text);
    if (!std::isfinite(wert))
        return std::nullopt;

    // Halves to the even neighbour, independent of the floating-point rounding
    // mode. wert - unten is exact: below 2^52 both share the exponent range,
    // above it every double is whole and the difference is 0.
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    double gerundet = unten;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0.0))
        gerundet = unten + 1.0;

    if (gerundet < static_cast<double>(std::numeric_limits<int>::min()) ||
        gerundet > static_cast<double>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(gerundet);
}

std::string zaehlerErhoehen(std::string_view text)
{
    double wert = fuehrendeZahl(text);
    // A text that reads as infinite holds no count worth keeping: start again.
    if (!std::isfinite(wert))
        wert = 0.0;
    wert += 1.0;
    if (wert == 0.0)
        wert = 0.0; // never "-0"

    // 15 significant digits, like %.15g: every whole number below 10^15 comes
    // out as plain digits, sums such as 0.2 + 1 lose their binary noise, and
    // larger numbers take the short exponent form ("1e+23") and stop growing.
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
    if (ergebnis.ec != std::errc{})
        return "1";
    return std::string(puffer, ergebnis.ptr);
}
