// The drawing surface the board, glyph, compass and trail code draws on.
#pragma once

#include <string_view>

#include "render/farbe.h"

// A picture that keeps what is drawn on it until it is emptied or drawn
// over. Coordinates are user units of the current scale; pen widths are
// pixels and do not change with the scale.
class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;

    // (x1, y1) becomes the top-left corner of the surface, (x2, y2) the
    // bottom-right one; either axis may run backwards.
    virtual void massstabSetzen(double x1, double y1, double x2, double y2) = 0;

    // Setting the background also empties the surface to it.
    virtual void hintergrundSetzen(Farbe farbe) = 0;
    virtual Farbe hintergrund() const = 0;
    // The colour of circles, text and the drawing calls that name no colour.
    virtual void vordergrundSetzen(Farbe farbe) = 0;
    virtual Farbe vordergrund() const = 0;
    virtual void stiftbreiteSetzen(int pixel) = 0;
    virtual int stiftbreite() const = 0;

    // Everything to the background colour.
    virtual void leeren() = 0;
    virtual void linie(double x1, double y1, double x2, double y2, Farbe farbe) = 0;
    void linie(double x1, double y1, double x2, double y2) { linie(x1, y1, x2, y2, vordergrund()); }
    // The rectangle spanned by two corners, both included; a pen wider than
    // one pixel lets it grow outwards by about half the pen.
    virtual void rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe) = 0;
    // A round dot whose diameter is the pen width.
    virtual void punkt(double x, double y, Farbe farbe) = 0;
    void punkt(double x, double y) { punkt(x, y, vordergrund()); }
    // A circle line in the foreground colour; the radius is measured along x.
    virtual void kreis(double x, double y, double radius) = 0;
    // The disc inside that circle, filled in the foreground colour.
    virtual void kreisflaeche(double x, double y, double radius) = 0;
    // UTF-8 text in the foreground colour, its top-left corner at (x, y),
    // with nothing drawn behind the letters.
    virtual void text(double x, double y, std::string_view text) = 0;
};
