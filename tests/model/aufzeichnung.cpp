// Recording display: each call becomes a line such as "ton 360 100" or "zelle N 1 3 4".
#include "tests/model/aufzeichnung.h"

#include <cstdio>

namespace {

std::string zahl(double v)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.4g", v);
    return puffer;
}

const char* kuerzel(Seite s) { return s == Seite::Vorgabe ? "V" : "N"; }

} // namespace

void Aufzeichnung::ereignisseAbarbeiten() { aufrufe.push_back("ereignisse"); }
void Aufzeichnung::warten(int ms) { aufrufe.push_back("warten " + std::to_string(ms)); }

void Aufzeichnung::markerSchieben(Seite seite, double ddx, double ddy)
{
    aufrufe.push_back(std::string("marker ") + kuerzel(seite) + " " + zahl(ddx) + " " + zahl(ddy));
}

void Aufzeichnung::spurZeichnen(double x1, double y1, double x2, double y2)
{
    aufrufe.push_back("spur " + zahl(x1) + " " + zahl(y1) + " " + zahl(x2) + " " + zahl(y2));
}

void Aufzeichnung::zelleGeaendert(Seite seite, int code, int x, int y)
{
    aufrufe.push_back(std::string("zelle ") + kuerzel(seite) + " " + std::to_string(code) + " " +
                      std::to_string(x) + " " + std::to_string(y));
}

void Aufzeichnung::vorgabeNeu() { aufrufe.push_back("vorgabe neu"); }

void Aufzeichnung::kompassZeigen(Richtung r)
{
    aufrufe.push_back("kompass " + std::to_string(r.dx) + " " + std::to_string(r.dy));
}

void Aufzeichnung::ortZeigen(int x, int y) { aufrufe.push_back("ort " + std::to_string(x) + " " + std::to_string(y)); }
void Aufzeichnung::markerAusgang() { aufrufe.push_back("ausgang"); }

void Aufzeichnung::ton(int hertz, int ms)
{
    aufrufe.push_back("ton " + std::to_string(hertz) + " " + std::to_string(ms));
}

int Aufzeichnung::geschwindigkeit() { return tempo; }
bool Aufzeichnung::tonAn() { return tonSchalter; }
bool Aufzeichnung::spurAn() { return spurSchalter; }

std::vector<std::string> Aufzeichnung::nur(const std::string& praefix) const
{
    std::vector<std::string> treffer;
    for (const auto& a : aufrufe)
        if (a.rfind(praefix, 0) == 0)
            treffer.push_back(a);
    return treffer;
}
