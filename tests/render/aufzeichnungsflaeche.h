// A drawing surface that keeps the state it is given and writes down what is drawn on it.
#pragma once

#include <string>
#include <vector>

#include "render/zeichenflaeche.h"

// The log holds the name of each call that changes the picture: "leeren",
// "hintergrund", "linie", "rechteck", "punkt", "kreis", "kreisflaeche",
// "text". Scale, colours and pen are only kept.
class Aufzeichnungsflaeche : public Zeichenflaeche {
public:
    std::vector<std::string> log;

    void massstabSetzen(double, double, double, double) override {}
    void hintergrundSetzen(Farbe farbe) override
    {
        hintergrund_ = farbe;
        log.push_back("hintergrund");
    }
    Farbe hintergrund() const override { return hintergrund_; }
    void vordergrundSetzen(Farbe farbe) override { vordergrund_ = farbe; }
    Farbe vordergrund() const override { return vordergrund_; }
    void stiftbreiteSetzen(int pixel) override { stiftbreite_ = pixel; }
    int stiftbreite() const override { return stiftbreite_; }
    void leeren() override { log.push_back("leeren"); }
    using Zeichenflaeche::linie;
    void linie(double, double, double, double, Farbe) override { log.push_back("linie"); }
    void rechteckFuellen(double, double, double, double, Farbe) override { log.push_back("rechteck"); }
    using Zeichenflaeche::punkt;
    void punkt(double, double, Farbe) override { log.push_back("punkt"); }
    void kreis(double, double, double) override { log.push_back("kreis"); }
    void kreisflaeche(double, double, double) override { log.push_back("kreisflaeche"); }
    void text(double, double, std::string_view) override { log.push_back("text"); }

private:
    Farbe hintergrund_{255, 255, 255};
    Farbe vordergrund_{0, 0, 0};
    int stiftbreite_ = 1;
};
