// The drawing surface the board, glyph, compass and trail code draws on.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "render/farbe.h"

// A coloured point in user units, relative to where its sequence is drawn.
struct FarbPunkt {
    double a = 0.0;
    double b = 0.0;
    Farbe farbe{};
};

// A list of coloured points that never changes once made. Its number is
// given to no other list, and copies keep it along with the very same
// points, so a surface may keep whatever it derives from a sequence under
// that number. There is no move: a moved-from list would keep the number
// without its points. Copies share the points, so copying costs nothing.
class Punktfolge {
public:
    explicit Punktfolge(std::vector<FarbPunkt> punkte)
        : punkte_(std::make_shared<const std::vector<FarbPunkt>>(std::move(punkte))), nummer_(naechsteNummer())
    {
    }
    Punktfolge(const Punktfolge&) = default;
    Punktfolge& operator=(const Punktfolge&) = delete;

    const std::vector<FarbPunkt>& punkte() const { return *punkte_; }
    std::uint64_t nummer() const { return nummer_; }

private:
    static std::uint64_t naechsteNummer()
    {
        static std::atomic<std::uint64_t> zaehler{0};
        return ++zaehler;
    }

    const std::shared_ptr<const std::vector<FarbPunkt>> punkte_;
    const std::uint64_t nummer_;
};

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
    // The dots of the pen in force at (x + a, y + b) for every point in turn,
    // each in its point's colour: exactly the calls this default makes, which
    // a surface may replace only by something that leaves the same pixels.
    virtual void punktfolge(double x, double y, const Punktfolge& folge)
    {
        for (const FarbPunkt& p : folge.punkte())
            punkt(x + p.a, y + p.b, p.farbe);
    }
    // A circle line in the foreground colour; the radius is measured along x.
    virtual void kreis(double x, double y, double radius) = 0;
    // UTF-8 text in the foreground colour, its top-left corner at (x, y),
    // with nothing drawn behind the letters.
    virtual void text(double x, double y, std::string_view text) = 0;
};
