// A drawing surface that writes every call down as one line of text.
#include "tests/render/aufzeichnungsflaeche.h"

#include <cstdio>

std::string alsText(Farbe f)
{
    return "(" + std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b) + ")";
}

void Aufzeichnungsflaeche::schreiben(const std::string& zeile, std::initializer_list<double> zahlen, const Farbe* farbe)
{
    std::string text = name_.empty() ? zeile : name_ + ": " + zeile;
    for (double z : zahlen) {
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, " %.6g", z == 0.0 ? 0.0 : z);
        text += puffer;
    }
    if (farbe)
        text += " " + alsText(*farbe);
    log.push_back(text);
}

void Aufzeichnungsflaeche::massstabSetzen(double x1, double y1, double x2, double y2)
{
    schreiben("massstab", {x1, y1, x2, y2});
}

void Aufzeichnungsflaeche::hintergrundSetzen(Farbe farbe)
{
    hintergrund_ = farbe;
    schreiben("hintergrund", {}, &farbe);
}

void Aufzeichnungsflaeche::vordergrundSetzen(Farbe farbe)
{
    vordergrund_ = farbe;
    schreiben("vordergrund", {}, &farbe);
}

void Aufzeichnungsflaeche::stiftbreiteSetzen(int pixel)
{
    stiftbreite_ = pixel;
    schreiben("stift", {static_cast<double>(pixel)});
}

void Aufzeichnungsflaeche::leeren() { schreiben("leeren"); }

void Aufzeichnungsflaeche::linie(double x1, double y1, double x2, double y2, Farbe farbe)
{
    schreiben("linie", {x1, y1, x2, y2}, &farbe);
}

void Aufzeichnungsflaeche::rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe)
{
    schreiben("rechteck", {x1, y1, x2, y2}, &farbe);
}

void Aufzeichnungsflaeche::punkt(double x, double y, Farbe farbe) { schreiben("punkt", {x, y}, &farbe); }

void Aufzeichnungsflaeche::kreis(double x, double y, double radius) { schreiben("kreis", {x, y, radius}, &vordergrund_); }
void Aufzeichnungsflaeche::kreisflaeche(double x, double y, double radius)
{
    schreiben("kreisflaeche", {x, y, radius}, &vordergrund_);
}

void Aufzeichnungsflaeche::text(double x, double y, std::string_view text)
{
    schreiben("text \"" + std::string(text) + "\"", {x, y}, &vordergrund_);
}
