// The picture a surface keeps: unit mapping, pixel rules for dots, rectangles and strokes.
#include "ui/rasterflaeche.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QScreen>

#include "ui/qtfarbe.h"
#include "ui/vorbelegen.h"

namespace {

// Coordinates built from decimal fractions can land a hair below a pixel
// boundary they stand for; this much is still counted as the boundary.
constexpr double grenzToleranz = 1e-7;
// Keeps coordinates far outside the picture in the range of int.
constexpr double grenzeWeit = 1e6;
constexpr int stiftMax = 500;
constexpr qreal verhaeltnisMax = 16.0;

// Rounding without a library call: every argument here is bounded by
// grenzeWeit times a ratio, far inside the range of long long.
double abgerundet(double v)
{
    const auto ganz = static_cast<double>(static_cast<long long>(v));
    return ganz > v ? ganz - 1.0 : ganz;
}

int gerundet(double v) { return static_cast<int>(abgerundet(v + 0.5)); }

// The first pixel of a dot of `durchmesser` pixels centred at `mitte`. The
// centre lies on a pixel centre for odd and on a pixel corner for even
// diameters, so this is a whole number.
int eckeUm(double mitte, int durchmesser) { return gerundet(mitte - durchmesser / 2.0); }

QRgb rgb(Farbe f) { return qRgb(f.r, f.g, f.b); }

// The logical pixel that holds coordinate v on an axis of `laenge` pixels.
// The far edge itself counts to the last pixel, so that a line on the
// scale's right or bottom border stays visible.
double pixelVon(double v, int laenge)
{
    if (std::isnan(v))
        return 0.0;
    const double p = abgerundet(std::clamp(v, -grenzeWeit, grenzeWeit) + grenzToleranz);
    return p == laenge && v < laenge + grenzToleranz ? p - 1 : p;
}

} // namespace

Rasterflaeche::Rasterflaeche() { masseSetzen(QSize(1, 1), 1.0); }

Rasterflaeche::~Rasterflaeche() = default;

bool Rasterflaeche::masseSetzen(QSize groesse, qreal verhaeltnis)
{
    verhaeltnis = verhaeltnis > 0 ? std::min(verhaeltnis, verhaeltnisMax) : 1.0;
    if (!bild_.isNull() && groesse == groesse_ && verhaeltnis == verhaeltnis_)
        return false;
    const QSize logisch = groesse.expandedTo(QSize(1, 1));
    QImage neu(qMax(1, qRound(logisch.width() * verhaeltnis)), qMax(1, qRound(logisch.height() * verhaeltnis)),
               QImage::Format_RGB32);
    neu.setDevicePixelRatio(verhaeltnis);
    // Text gets the size it would have on a widget on the screen.
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const qreal dpi = schirm ? schirm->logicalDotsPerInch() : 96.0;
    neu.setDotsPerMeterX(qRound(dpi / 0.0254));
    neu.setDotsPerMeterY(qRound(dpi / 0.0254));
    bildVorbelegen(neu);
    neu.fill(rgb(hintergrund_));
    if (!bild_.isNull()) {
        QPainter p(&neu);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QPointF(0, 0), bild_);
    }
    bild_ = std::move(neu);
    groesse_ = groesse;
    verhaeltnis_ = verhaeltnis;
    umrechnungSetzen();
    letzterPunkt_.gueltig = false;
    return true;
}

void Rasterflaeche::massstabSetzen(double x1, double y1, double x2, double y2)
{
    // A scale without extent (or with NaN) would map everything nowhere; the
    // old one stays.
    if (!(x1 != x2) || !(y1 != y2) || !std::isfinite(x1 + y1 + x2 + y2))
        return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    umrechnungSetzen();
}

void Rasterflaeche::umrechnungSetzen()
{
    sx_ = groesse_.width() / (x2_ - x1_);
    sy_ = groesse_.height() / (y2_ - y1_);
}

void Rasterflaeche::hintergrundSetzen(Farbe farbe)
{
    hintergrund_ = farbe;
    leeren();
}

void Rasterflaeche::stiftbreiteSetzen(int pixel) { stiftbreite_ = std::clamp(pixel, 1, stiftMax); }

void Rasterflaeche::leeren()
{
    letzterPunkt_.gueltig = false;
    bild_.fill(rgb(hintergrund_));
    gezeichnet();
}

void Rasterflaeche::malerEinrichten(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, kantenglaettung_);
    p.setRenderHint(QPainter::TextAntialiasing, kantenglaettung_);
}

void Rasterflaeche::linie(double x1, double y1, double x2, double y2, Farbe farbe)
{
    letzterPunkt_.gueltig = false;
    const int breite = bildBreiteFuer(stiftbreite_);
    const QPointF von = mitte(x1, y1, breite);
    const QPointF bis = mitte(x2, y2, breite);
    if (von == bis) {
        // A line that ends where it starts still leaves its dot.
        scheibe(von, breite, rgb(farbe));
    } else if (stiftbreite_ == 1 && (von.x() == bis.x() || von.y() == bis.y())) {
        // Grid lines and trail segments: the square-capped stroke is a
        // rectangle on whole image pixels, the very pixels the painter gives
        // it, at a hundredth of its cost (a quarter of the set-up drawing).
        const double h = breite / 2.0;
        pixelFuellen(static_cast<int>(std::min(von.x(), bis.x()) - h), static_cast<int>(std::min(von.y(), bis.y()) - h),
                     static_cast<int>(std::max(von.x(), bis.x()) + h), static_cast<int>(std::max(von.y(), bis.y()) + h),
                     rgb(farbe));
    } else {
        QPainter p(&bild_);
        malerEinrichten(p);
        QPen stift(qtFarbe(farbe), breite / verhaeltnis_);
        stift.setCapStyle(stiftbreite_ == 1 ? Qt::SquareCap : Qt::RoundCap);
        p.setPen(stift);
        p.drawLine(von / verhaeltnis_, bis / verhaeltnis_);
    }
    gezeichnet();
}

void Rasterflaeche::rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe)
{
    letzterPunkt_.gueltig = false;
    // Both corner pixels belong to the rectangle; a wide pen adds the part of
    // its stroke that lies outside the edge pixels.
    const int innen = (stiftbreite_ - 1) / 2;
    const int aussen = stiftbreite_ / 2;
    const double ax = pixelX(x1);
    const double bx = pixelX(x2);
    const double ay = pixelY(y1);
    const double by = pixelY(y2);
    const double links = std::min(ax, bx) - innen;
    const double rechts = std::max(ax, bx) + 1 + aussen;
    const double oben = std::min(ay, by) - innen;
    const double unten = std::max(ay, by) + 1 + aussen;
    pixelFuellen(gerundet(links * verhaeltnis_), gerundet(oben * verhaeltnis_), gerundet(rechts * verhaeltnis_),
                 gerundet(unten * verhaeltnis_), rgb(farbe));
    gezeichnet();
}

void Rasterflaeche::punkt(double x, double y, Farbe farbe)
{
    const int breite = bildBreiteFuer(stiftbreite_);
    scheibe(mitte(x, y, breite), breite, rgb(farbe));
    gezeichnet();
}

void Rasterflaeche::kreis(double x, double y, double radius)
{
    letzterPunkt_.gueltig = false;
    const int breite = bildBreiteFuer(stiftbreite_);
    const QPointF m = mitte(x, y, breite);
    const double r = std::min(std::abs(radius * sx_), grenzeWeit) * verhaeltnis_;
    if (!(r >= 0.5)) {
        scheibe(m, breite, rgb(vordergrund_));
    } else {
        QPainter p(&bild_);
        malerEinrichten(p);
        p.setPen(QPen(qtFarbe(vordergrund_), breite / verhaeltnis_));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(m / verhaeltnis_, r / verhaeltnis_, r / verhaeltnis_);
    }
    gezeichnet();
}

void Rasterflaeche::kreisflaeche(double x, double y, double radius)
{
    letzterPunkt_.gueltig = false;
    const double r = std::min(std::abs(radius * sx_), grenzeWeit);
    QPainter p(&bild_);
    malerEinrichten(p);
    p.setPen(Qt::NoPen);
    p.setBrush(qtFarbe(vordergrund_));
    // Centred where a circle of the current pen would be, so that one drawn
    // over it shares its middle.
    p.drawEllipse(mitte(x, y, bildBreiteFuer(stiftbreite_)) / verhaeltnis_, r, r);
    p.end();
    gezeichnet();
}

void Rasterflaeche::text(double x, double y, std::string_view text)
{
    letzterPunkt_.gueltig = false;
    QPainter p(&bild_);
    malerEinrichten(p);
    QFont s = schrift_;
    if (!kantenglaettung_)
        s.setStyleStrategy(QFont::NoAntialias);
    // Every property its own, as the surface's owner gave it, not filled in
    // from the application's font.
    s.setResolveMask(QFont::AllPropertiesResolved);
    p.setFont(s);
    p.setPen(qtFarbe(vordergrund_));
    p.drawText(QPointF(pixelX(x), pixelY(y) + p.fontMetrics().ascent()),
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    p.end();
    gezeichnet();
}

QColor Rasterflaeche::farbeBei(double x, double y) const
{
    const auto bildpixel = [this](double pixel) { return static_cast<int>(abgerundet((pixel + 0.5) * verhaeltnis_)); };
    const int px = bildpixel(pixelX(x));
    const int py = bildpixel(pixelY(y));
    if (!bild_.valid(px, py))
        return {};
    return bild_.pixelColor(px, py);
}

QRect Rasterflaeche::nachPixeln(double links, double oben, double breite, double hoehe) const
{
    // Position and size are rounded each on its own, so that a child keeps
    // its size in pixels wherever it is moved to.
    const auto runden = [](double v) { return gerundet(std::clamp(v, -grenzeWeit, grenzeWeit)); };
    const double l = sx_ > 0 ? links : links + breite;
    const double o = sy_ > 0 ? oben : oben + hoehe;
    return QRect(runden((l - x1_) * sx_), runden((o - y1_) * sy_), runden(std::abs(breite * sx_)),
                 runden(std::abs(hoehe * sy_)));
}

QPointF Rasterflaeche::nachEinheiten(QPointF position) const
{
    const double w = std::max(groesse_.width(), 1);
    const double h = std::max(groesse_.height(), 1);
    return {x1_ + position.x() * (x2_ - x1_) / w, y1_ + position.y() * (y2_ - y1_) / h};
}

double Rasterflaeche::pixelX(double x) const { return pixelVon((x - x1_) * sx_, groesse_.width()); }

double Rasterflaeche::pixelY(double y) const { return pixelVon((y - y1_) * sy_, groesse_.height()); }

QPointF Rasterflaeche::mitte(double x, double y, int breite) const
{
    // The middle of the logical pixel, moved to the nearest image pixel
    // corner for even widths and to the nearest image pixel centre for odd
    // ones, so that strokes and dots cover whole image pixels.
    const auto achse = [this, breite](double pixel) {
        const double m = (pixel + 0.5) * verhaeltnis_;
        return breite % 2 == 1 ? abgerundet(m) + 0.5 : abgerundet(m + 0.5);
    };
    return {achse(pixelX(x)), achse(pixelY(y))};
}

int Rasterflaeche::bildBreiteFuer(int pixel) const { return std::max(1, gerundet(pixel * verhaeltnis_)); }

void Rasterflaeche::pixelFuellen(int links, int oben, int rechts, int unten, QRgb farbe)
{
    links = std::max(links, 0);
    oben = std::max(oben, 0);
    rechts = std::min(rechts, bild_.width());
    unten = std::min(unten, bild_.height());
    if (links >= rechts || oben >= unten)
        return;
    uchar* daten = bild_.bits();
    const qsizetype zeilenLaenge = bild_.bytesPerLine();
    for (int y = oben; y < unten; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(daten + y * zeilenLaenge);
        std::fill(zeile + links, zeile + rechts, farbe);
    }
}

void Rasterflaeche::scheibe(QPointF m, int durchmesser, QRgb farbe)
{
    if (kantenglaettung_ && durchmesser >= 3) {
        // Blended into what lies below: the next solid dot is never the same.
        letzterPunkt_.gueltig = false;
        QPainter p(&bild_);
        malerEinrichten(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(farbe));
        const double r = durchmesser / 2.0 / verhaeltnis_;
        p.drawEllipse(m / verhaeltnis_, r, r);
        return;
    }
    const int x0 = eckeUm(m.x(), durchmesser);
    const int y0 = eckeUm(m.y(), durchmesser);
    const Punktspur jetzt{x0, y0, durchmesser, farbe, true};
    if (jetzt == letzterPunkt_)
        return;
    letzterPunkt_ = jetzt;
    // Up to 3 pixels across the round dot is the full square; wider, the
    // pixels whose centres lie within its radius, row by row.
    if (durchmesser <= 3) {
        pixelFuellen(x0, y0, x0 + durchmesser, y0 + durchmesser, farbe);
        return;
    }
    const double r = durchmesser / 2.0;
    for (int dy = 0; dy < durchmesser; ++dy) {
        const double y = dy + 0.5 - r;
        int von = durchmesser;
        int bis = -1;
        for (int dx = 0; dx < durchmesser; ++dx) {
            const double x = dx + 0.5 - r;
            if (x * x + y * y <= r * r) {
                von = std::min(von, dx);
                bis = std::max(bis, dx);
            }
        }
        if (bis >= von)
            pixelFuellen(x0 + von, y0 + dy, x0 + bis + 1, y0 + dy + 1, farbe);
    }
}
