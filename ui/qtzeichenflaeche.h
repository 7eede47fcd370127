// The drawing surface as a widget: the fields, the compass and the blind,
// which keep what the render layer draws on them and show it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QFont>
#include <QImage>
#include <QWidget>

#include "render/zeichenflaeche.h"

class QPainter;

// Drawing goes into a backing image of the widget's size times its device
// pixel ratio; painting copies that image to the screen, and nothing drawn
// into it is ever drawn again. User units map linearly onto the widget:
// x1 at the left edge, x2 at the right edge, y1 at the top, y2 at the
// bottom. Every point falls into one widget pixel, and what is drawn for it
// is centred in that pixel, so boards come out the same at every ratio.
//
// Until its pixels are first needed a surface only notes what is drawn, each
// call with the state it was made in, and draws it all then: a window's
// surfaces cost nothing before it is on screen, and one that stays covered
// costs nothing at all. The first paint draws the notes straight onto the
// screen, to the very pixels the image would get; the image is made when
// the surface is painted a second time or read, so a window that is only
// looked at keeps no second copy of what it shows.
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
    void punktfolge(double x, double y, const Punktfolge& folge) override;
    void kreis(double x, double y, double radius) override;
    void text(double x, double y, std::string_view text) override;

    // Smooth edges for lines, circles, text and larger dots; on by default.
    // Pixel-exact comparisons turn it off.
    void kantenglaettungSetzen(bool an);
    bool kantenglaettung() const { return kantenglaettung_; }

    // Point sequences are drawn from patterns kept per sequence and pen
    // wherever that gives the very pixels of dot-by-dot drawing; on by
    // default. Off, every point is drawn as a dot of its own, which is what
    // the patterns are measured against.
    void punktmusterSetzen(bool an);
    bool punktmuster() const { return punktmuster_; }
    // The patterns kept right now, usable or not, and how many sequences
    // have been drawn from one so far.
    std::size_t gehalteneMuster() const;
    std::size_t gemusterteFolgen() const;

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

    // Pixels of one colour in one image row, from `von` up to but not
    // including `bis`.
    struct Lauf {
        int y;
        int von;
        int bis;
        QRgb farbe;
    };
    // A point sequence drawn once for the ratio, scale and image pen width
    // it names, as if its origin lay at the top-left corner of widget pixel
    // (0, 0), reduced to the pixels it leaves and their last colours.
    struct Muster {
        std::uint64_t folge = 0;
        int breite = 0;
        qreal verhaeltnis = 0.0;
        double sx = 0.0;
        double sy = 0.0;
        // False when some point lies too near a pixel boundary to fall into
        // the same pixel from every origin, or the pattern is too large.
        bool brauchbar = false;
        // The widget pixels the points fall into, relative to the origin's.
        int links = 0;
        int rechts = 0;
        int oben = 0;
        int unten = 0;
        // The largest |a| and |b| of the points.
        double weiteA = 0.0;
        double weiteB = 0.0;
        std::vector<Lauf> laeufe;
    };

    // What the drawing calls read besides their arguments.
    struct Zustand {
        double x1, y1, x2, y2;
        Farbe hintergrund, vordergrund;
        int stiftbreite;
        bool kantenglaettung;
        QSize groesse;
        qreal verhaeltnis;
    };
    struct Aufgeschoben {
        Zustand zustand;
        std::function<void()> zeichnen;
    };
    Zustand zustand() const;
    void zustandSetzen(const Zustand& z);
    // Notes `zeichnen` while the pixels are not needed yet; false when it is
    // to be done now.
    bool aufschieben(std::function<void()> zeichnen);
    // Draws what was noted, each in its own state, and ends the noting.
    void nachholen() const;
    // Draws `notizen`, each in its own state, and returns to the present one.
    void notizenZeichnen(const std::vector<Aufgeschoben>& notizen);
    // The first paint from the notes, when all of them were made at the
    // present size and ratio; the notes stay. False when not done.
    bool direktZeigen();
    void textZeichnen(double x, double y, std::string_view text, const QFont& schrift);
    // Fits an existing picture to a new size or ratio, carrying it over.
    void bildMitnehmen();

    QPainter& maler();
    void malerBeenden() const;
    void bildAnpassen();
    // Size, ratio and image pixels of a new picture, and the scale for them.
    void masseSetzen(QSize groesse, qreal verhaeltnis);
    bool bildPasst() const;
    qreal gewuenschtesVerhaeltnis() const;
    // The size and ratio the picture is to have: the widget's, or while
    // noted drawing is done, the ones it was noted at.
    QSize zielGroesse() const;
    qreal zielVerhaeltnis() const;
    void anzeigen();
    void umrechnungSetzen();

    // The widget pixel (as a whole number) that holds a user coordinate.
    double pixelX(double x) const;
    double pixelY(double y) const;
    QPointF mitte(double x, double y, int breite) const;
    // One axis of mitte() for a widget pixel, and the first image pixel a
    // solid dot of `breite` image pixels around it covers.
    double bildMitte(double pixel, int breite) const;
    int bildEcke(double pixel, int breite) const;
    int bildBreiteFuer(int pixel) const;
    void pixelFuellen(int links, int oben, int rechts, int unten, QRgb farbe);
    void scheibe(QPointF mitte, int durchmesser, QRgb farbe);
    // Calls fuellen(links, oben, rechts, unten) for the image pixel
    // rectangles of a solid dot whose top-left pixel is (x0, y0).
    template <typename Fuellen>
    void scheibenFlaechen(int x0, int y0, int durchmesser, Fuellen&& fuellen);
    const std::vector<Spanne>& maske(int durchmesser);
    bool musterZeichnen(double x, double y, const Punktfolge& folge);
    const Muster& muster(const Punktfolge& folge, int breite);
    Muster musterBilden(const Punktfolge& folge, int breite);

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
    QFont malerSchrift_;  // the font the open painter writes with
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
    bool aufschieben_ = true;
    bool gezeigt_ = false;  // painted once from the notes, or tried to
    bool direkt_ = false;   // drawing goes to the screen, during that paint
    std::vector<Aufgeschoben> aufgeschoben_;
    // The state of the noted call being drawn, while noted drawing is done.
    const Zustand* nachgeholt_ = nullptr;
    bool punktmuster_ = true;
    // Looked up by sequence, image pen width, ratio and scale; a new size,
    // ratio or scale drops them all.
    std::vector<Muster> muster_;
    std::size_t gemusterteFolgen_ = 0;
};
