// A drawing surface that writes every call down as one line of text.
#pragma once

#include <string>
#include <vector>

#include "render/zeichenflaeche.h"

// Lines read like "linie 2.8 5.2 2.2 5.8 (0,0,255)": numbers with six
// significant digits, colours as "(r,g,b)"; circles and text name the
// foreground they were drawn in. Surfaces with a name write into a shared
// log, each line starting with "name: ".
class Aufzeichnungsflaeche : public Zeichenflaeche {
public:
    Aufzeichnungsflaeche() : log(eigenes_) {}
    Aufzeichnungsflaeche(std::vector<std::string>& gemeinsam, std::string name) : log(gemeinsam), name_(std::move(name)) {}

    std::vector<std::string>& log;

    void massstabSetzen(double x1, double y1, double x2, double y2) override;
    void hintergrundSetzen(Farbe farbe) override;
    Farbe hintergrund() const override { return hintergrund_; }
    void vordergrundSetzen(Farbe farbe) override;
    Farbe vordergrund() const override { return vordergrund_; }
    void stiftbreiteSetzen(int pixel) override;
    int stiftbreite() const override { return stiftbreite_; }
    void leeren() override;
    using Zeichenflaeche::linie;
    void linie(double x1, double y1, double x2, double y2, Farbe farbe) override;
    void rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe) override;
    using Zeichenflaeche::punkt;
    void punkt(double x, double y, Farbe farbe) override;
    void kreis(double x, double y, double radius) override;
    void kreisflaeche(double x, double y, double radius) override;
    void text(double x, double y, std::string_view text) override;

private:
    void schreiben(const std::string& zeile, std::initializer_list<double> zahlen = {}, const Farbe* farbe = nullptr);

    std::vector<std::string> eigenes_;
    std::string name_;
    Farbe hintergrund_{255, 255, 255};
    Farbe vordergrund_{0, 0, 0};
    int stiftbreite_ = 1;
};

std::string alsText(Farbe farbe);
