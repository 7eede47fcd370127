// The drawing surface as a widget: the fields, the compass and the blind,
// which keep what the render layer draws on them and show it.
#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QWidget>

#include "render/zeichenflaeche.h"

class QPainter;

// Drawing goes into a backing image of the widget's size times its device
// pixel ratio; painting only copies that image to the screen, nothing is
// ever drawn again by the program. User units map linearly onto the widget:
// x1 at the left edge, x2 at the right edge, y1 at the top, y2 at the
// bottom. Every point falls into one widget pixel, and what is drawn for it
// is centred in that pixel, so boards come out the same at every ratio.
class QtZeichenflaeche : public QWidget, public Zeichenflaeche {
    Q_OBJECT
public:
    explicit QtZeichenflaeche(QWidget* parent = nullptr);
    ~QtZeichenflaeche() override;

    void massstabSetzen(double x1, double y1, double x2, double y2) override;
    void hintergrundSetzen(Farbe farbe) override;
    Farbe hintergrund() const override;
    void vordergrundSetzen(Farbe farbe) override;
    Farbe vordergrund() const override;
    void stiftbreiteSetzen(int pixel) override;
    int stiftbreite() const override;

    void leeren() override;
    using Zeichenflaeche::linie;
    void linie(double x1, double y1, double x2, double y2, Farbe farbe) override;
    void rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe) override;
    using Zeichenflaeche::punkt;
    void punkt(double x, double y, Farbe farbe) override;
    void kreis(double x, double y, double radius) override;
    void text(double x, double y, std::string_view text) override;

    // Smooth edges for lines, circles, text and larger dots; on by default.
    // Pixel-exact comparisons turn it off.
    void kantenglaettungSetzen(bool an);
    bool kantenglaettung() const { return kantenglaettung_; }

    // Pins the ratio of image pixels to widget pixels; 0 follows the screen.
    // The kept picture is carried over, scaled when the ratio changes.
    void geraetePixelVerhaeltnisSetzen(qreal verhaeltnis);
    qreal geraetePixelVerhaeltnis() const;

    // A copy of the kept picture, at image pixels, with its device pixel ratio.
    QImage bild() const;
    // The colour of the image pixel in the middle of the widget pixel that
    // holds the point (x, y) in user units; invalid outside the picture.
    QColor farbeBei(double x, double y) const;

    // A rectangle in user units as widget pixels, for child controls.
    QRect nachPixeln(double links, double oben, double breite, double hoehe) const;
    void kindPlatzieren(QWidget* kind, double links, double oben, double breite, double hoehe);
    // A widget position (such as a mouse position) in user units.
    QPointF nachEinheiten(QPointF position) const;

signals:
    // Pointer input in user units; `knopf` is the button code of the model
    // (knopfLinks, knopfRechts, knopfMitte). The second press of a double
    // click is a press too: a player cycling a cell fast expects every click
    // to count.
    void gedrueckt(int knopf, double x, double y);
    void bewegt(double x, double y);
    void losgelassen(int knopf, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Spanne {
        int dy;
        int von;
        int bis;
    };

    QPainter& maler();
    void malerBeenden() const;
    void bildAnpassen();
    bool bildPasst() const;
    qreal gewuenschtesVerhaeltnis() const;
    void anzeigen();
    void umrechnungSetzen();

    // The widget pixel (as a whole number) that holds a user coordinate.
    double pixelX(double x) const;
    double pixelY(double y) const;
    QPointF mitte(double x, double y, int breite) const;
    int bildBreiteFuer(int pixel) const;
    void pixelFuellen(int links, int oben, int rechts, int unten, QRgb farbe);
    void scheibe(QPointF mitte, int durchmesser, QRgb farbe);
    const std::vector<Spanne>& maske(int durchmesser);

    double x1_ = 0.0;
    double y1_ = 0.0;
    double x2_ = 1.0;
    double y2_ = 1.0;
    Farbe hintergrund_{};
    Farbe vordergrund_{};
    int stiftbreite_ = 1;
    bool kantenglaettung_ = true;
    qreal erzwungenesVerhaeltnis_ = 0.0;

    // The backing image; `verhaeltnis_` and `groesse_` are the ratio and
    // widget size it was made for.
    mutable QImage bild_;
    int bildBreite_ = 0;  // bild_'s size in image pixels, kept for the inner loops
    int bildHoehe_ = 0;
    qreal verhaeltnis_ = 1.0;
    QSize groesse_;
    // Widget pixels per user unit for that size.
    double sx_ = 0.0;
    double sy_ = 0.0;
    // Open while drawing goes on and closed before the image is shown or
    // handed out, so that no copy of it is taken while it is being painted.
    mutable std::unique_ptr<QPainter> maler_;
    mutable uchar* daten_ = nullptr;
    qsizetype zeilenLaenge_ = 0;
    bool anzeigeAngefordert_ = false;
    std::vector<std::vector<Spanne>> masken_;
    // The last solid dot drawn, until anything else is drawn.
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
