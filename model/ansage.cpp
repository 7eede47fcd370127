// Spoken texts of outcomes, from the record's rows and the probes.
#include "model/ansage.h"

#include "model/ortsname.h"
#include "model/randmarken.h"

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

// "9 Schritte, 1 Kontakt"
std::string zahlenText(long long schritte, long long kontakte)
{
    std::string text = anzahlText(schritte, "Schritt", "Schritte");
    text += ", ";
    text += anzahlText(kontakte, "Kontakt", "Kontakte");
    return text;
}

std::string laufText(const std::string& ende, long long schritte, long long kontakte)
{
    std::string text = ende;
    text += ", ";
    text += zahlenText(schritte, kontakte);
    return text;
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

std::string platzGeschichte(const std::vector<Beobachtung>& zeilen, const std::vector<Nachspiel>& nachspiele, int x,
                            int y)
{
    std::string text;
    for (const std::size_t i : laeufeAmPlatz(zeilen, x, y)) {
        const Beobachtung& b = zeilen[i];
        const bool hinein = beganAmPlatz(b, x, y);
        const bool heraus = kamAmPlatzHeraus(b, x, y);
        const bool ausgang = b.ende == Beobachtung::Ende::Ausgang;
        // Read as two flags: GCC 12 takes an optional<bool> copied here for uninitialised.
        const bool vergleichbar = i < nachspiele.size() && nachspiele[i].stimmt.has_value();
        const bool stimmt = vergleichbar && *nachspiele[i].stimmt;
        // Appended piece by piece, as in laufAnsage.
        text += "; Sonde ";
        text += std::to_string(i + 1);
        text += ": ";
        if (hinein) {
            text += "hier";
        } else if (imFeld(b.start.x, b.start.y)) {
            text += "aus der Kiste";
        } else {
            text += ortsName(b.start.x, b.start.y);
        }
        text += " hinein, ";
        if (heraus) {
            text += "hier heraus";
        } else if (ausgang) {
            text += ortsName(b.endeX, b.endeY);
            text += " heraus";
        } else {
            text += endeText(b);
        }
        text += ", ";
        text += zahlenText(b.schritte, b.kontakte);
        text += !vergleichbar ? ", nicht vergleichbar" : stimmt ? ", stimmt" : ", weicht ab";
    }
    return text;
}

std::string platzLaeufe(const Spielstand& s, int x, int y)
{
    if (laeufeAmPlatz(s.beobachtungen, x, y).empty())
        return {};
    return platzGeschichte(s.beobachtungen, nachspielen(s.beobachtungen, s.feldNachbau), x, y).substr(2);
}
