// Spoken texts of outcomes, from the record's rows and the probes.
#include "model/ansage.h"

#include "model/ortsname.h"

namespace {

std::string richtungsText(Richtung r)
{
    if (r == nord)
        return "nach Norden";
    if (r == ost)
        return "nach Osten";
    if (r == sued)
        return "nach Süden";
    if (r == west)
        return "nach Westen";
    return "steht";
}

std::string anzahlText(long long n, const char* eins, const char* mehr)
{
    return std::to_string(n) + " " + (n == 1 ? eins : mehr);
}

} // namespace

std::string endeText(const Beobachtung& b)
{
    switch (b.ende) {
    case Beobachtung::Ende::Ausgang: return ortsName(b.endeX, b.endeY);
    case Beobachtung::Ende::Loch: return "schwarzes Loch";
    case Beobachtung::Ende::Angehalten: break;
    }
    return "angehalten";
}

std::string laufText(const std::string& ende, long long schritte, long long kontakte)
{
    return ende + ", " + anzahlText(schritte, "Schritt", "Schritte") + ", " + anzahlText(kontakte, "Kontakt", "Kontakte");
}

std::string laufAnsage(const Beobachtung& b, std::optional<std::size_t> nummer, std::optional<bool> stimmt)
{
    // Appended piece by piece: GCC 12 at -O2 with fortified strings warns falsely on `" " + std::string&&`.
    std::string text = "Sonde";
    if (nummer) {
        text += ' ';
        text += std::to_string(*nummer);
    }
    text += ": ";
    text += laufText(endeText(b), b.schritte, b.kontakte);
    if (stimmt)
        text += *stimmt ? "; dein Nachbau stimmt" : "; dein Nachbau weicht ab";
    return text;
}

std::string nachbauAnsage(const Sonde& sonde, bool gefangen)
{
    const std::string text = "Nachbau: Sonde ";
    if (gefangen)
        return text + "im schwarzen Loch " + zellenName(sonde.x, sonde.y) + " gefangen";
    if (imFeld(sonde.x, sonde.y))
        return text + "auf " + zellenName(sonde.x, sonde.y) + ", " + richtungsText(sonde.richtung());
    if (sonde.richtung() == steht)
        return text + "steht am Rand " + ortsName(sonde.x, sonde.y);
    return text + "am Rand " + ortsName(sonde.x, sonde.y) + ", kehrt um " + richtungsText(sonde.richtung());
}

std::string randAnsage(Rand rand, bool frei)
{
    if (rand == Rand::Unten)
        return "unterer Rand: immer offen";
    static const char* const namen[] = {"linker Rand", "rechter Rand", "oberer Rand"};
    return std::string(namen[static_cast<int>(rand)]) + ": " + (frei ? "offen" : "gesperrt");
}

std::string platzGeschichte(const std::vector<Beobachtung>& zeilen, int x, int y)
{
    if (imFeld(x, y))
        return {};
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Beobachtung& b = zeilen[i];
        const bool gestartet = b.start.x == x && b.start.y == y;
        const bool heraus = b.ende == Beobachtung::Ende::Ausgang && b.endeX == x && b.endeY == y;
        const std::string sonde = "; Sonde " + std::to_string(i + 1);
        if (gestartet && heraus)
            text += sonde + " startete hier und kam hier heraus";
        else if (gestartet && b.ende == Beobachtung::Ende::Ausgang)
            text += sonde + " startete hier, kam " + ortsName(b.endeX, b.endeY) + " heraus";
        else if (gestartet && b.ende == Beobachtung::Ende::Loch)
            text += sonde + " startete hier, fiel ins schwarze Loch";
        else if (gestartet)
            text += sonde + " startete hier, wurde angehalten";
        else if (heraus)
            text += sonde + " kam hier heraus";
    }
    return text;
}
