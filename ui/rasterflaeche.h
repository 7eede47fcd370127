// The drawing surface as a picture in memory: what the render layer draws goes straight into an image.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>

#include "render/zeichenflaeche.h"

class QPainter;

// The picture is a QImage of the logical size times the device pixel ratio.
// User units map linearly onto the logical size: x1 at the left edge, x2 at
// the right edge, y1 at the top, y2 at the bottom. Every point falls into
// one logical pixel, and what is drawn for it is centred in that pixel, so
// boards come out the same at every ratio. Lines, circles, text and smoothed
// dots go through a QPainter opened for the call; solid dots and rectangles
// are written into the pixels, which is what keeps 64 black holes of 2400
// dots each fast (see render_bench).
class Rasterflaeche : public Zeichenflaeche {
public:
    Rasterflaeche();
    Rasterflaeche(const Rasterflaeche&) = delete;
    Rasterflaeche& operator=(const Rasterflaeche&) = delete;
    ~Rasterflaeche() override;

    // A new size in logical pixels or a new device pixel ratio (at most 16;
    // anything not positive counts as 1). What is drawn is carried over,
    // scaled, and the rest filled with the background. Returns whether
    // anything changed.
    bool masseSetzen(QSize groesse, qreal verhaeltnis);
    QSize groesse() const { return groesse_; }
    qreal verhaeltnis() const { return verhaeltnis_; }

    void massstabSetzen(double x1, double y1, double x2, double y2) override;
    void hintergrundSetzen(Farbe farbe) override;
    Farbe hintergrund() const override { return hintergrund_; }
    void vordergrundSetzen(Farbe farbe) override { vordergrund_ = farbe; }
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

    // The font text is written in; its size is measured at the screen's
    // resolution, as on a widget.
    void schriftSetzen(const QFont& schrift) { schrift_ = schrift; }
    const QFont& schrift() const { return schrift_; }
    // Smooth edges for lines, circles, text and larger dots; on by default.
    // Pixel-exact comparisons turn it off.
    void kantenglaettungSetzen(bool an) { kantenglaettung_ = an; }

    // The picture, at image pixels, carrying its device pixel ratio.
    const QImage& bild() const { return bild_; }
    // The colour of the image pixel in the middle of the logical pixel that
    // holds the point (x, y) in user units; invalid outside the picture.
    QColor farbeBei(double x, double y) const;

    // A rectangle in user units as logical pixels, for child controls, and
    // a position in logical pixels (such as a mouse position) as user units.
    QRect nachPixeln(double links, double oben, double breite, double hoehe) const;
    QPointF nachEinheiten(QPointF position) const;

protected:
    // Called after every change of the picture.
    virtual void gezeichnet() {}

private:
    // Logical pixels per user unit, from the size and the scale.
    void umrechnungSetzen();
    // The logical pixel (as a whole number) that holds a user coordinate.
    double pixelX(double x) const;
    double pixelY(double y) const;
    // The image point a stroke or dot of `breite` image pixels is centred on.
    QPointF mitte(double x, double y, int breite) const;
    int bildBreiteFuer(int pixel) const;
    void pixelFuellen(int links, int oben, int rechts, int unten, QRgb farbe);
    void scheibe(QPointF mitte, int durchmesser, QRgb farbe);
    void malerEinrichten(QPainter& p) const;

    double x1_ = 0.0;
    double y1_ = 0.0;
    double x2_ = 1.0;
    double y2_ = 1.0;
    Farbe hintergrund_{};
    Farbe vordergrund_{};
    int stiftbreite_ = 1;
    bool kantenglaettung_ = true;
    QFont schrift_;

    QImage bild_;
    QSize groesse_;
    qreal verhaeltnis_ = 1.0;
    // Logical pixels per user unit.
    double sx_ = 1.0;
    double sy_ = 1.0;

    // The last solid dot, until anything else is drawn: the black hole's
    // spiral hits the same pixels many times in a row, and a dot over the
    // very same pixels in the same colour changes nothing.
    struct Punktspur {
        int x0 = 0;
        int y0 = 0;
        int durchmesser = 0;
        QRgb farbe = 0;
        bool gueltig = false;
        bool operator==(const Punktspur&) const = default;
    };
    Punktspur letzterPunkt_;
};
