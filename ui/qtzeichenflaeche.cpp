// A widget that is a drawing surface: it keeps what is drawn and shows it.
#include "ui/qtzeichenflaeche.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>

#include "model/editieren.h"
#include "ui/qtfarbe.h"

namespace {

// Coordinates built from decimal fractions can land a hair below a pixel
// boundary they stand for; this much is still counted as the boundary.
constexpr double grenzToleranz = 1e-7;
// Keeps coordinates far outside the picture in the range of int.
constexpr double grenzeWeit = 1e6;
constexpr int stiftMax = 500;
constexpr qreal verhaeltnisMax = 16.0;

// A point drawn from a kept pattern lands in the origin's widget pixel plus
// floor(a * sx + grenzToleranz); drawn on its own, in floor((x + a - x1) * sx
// + grenzToleranz) as computed in doubles. The two agree when the origin lies
// within `ursprungToleranz` of a pixel corner, a * sx + grenzToleranz keeps
// `musterRand` from every whole number, and (|x| + |x1| + |a|) * |sx| stays
// below `musterGrenze`: that bounds the rounding of both computations to a
// few times 1e-11 pixels, far inside the margin.
constexpr double musterRand = 1e-8;
constexpr double ursprungToleranz = 1e-10;
constexpr double musterGrenze = 1e5;
// Larger patterns, in image pixels, are drawn dot by dot; more patterns than
// this are dropped all together before a new one is kept.
constexpr qint64 musterFlaecheMax = qint64{1} << 20;
constexpr std::size_t musterAnzahlMax = 8;
// A surface that is never shown stops noting after this many calls; setting
// up a game notes about two hundred on the busiest one.
constexpr std::size_t aufschubMax = 1024;

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

// The widget pixel that holds logical coordinate v on an axis of `laenge`
// pixels. The far edge itself counts to the last pixel, so that a line on
// the scale's right or bottom border stays visible.
double pixelVon(double v, int laenge)
{
    if (std::isnan(v))
        return 0.0;
    const double p = abgerundet(std::clamp(v, -grenzeWeit, grenzeWeit) + grenzToleranz);
    return p == laenge && v < laenge + grenzToleranz ? p - 1 : p;
}

} // namespace

QtZeichenflaeche::QtZeichenflaeche(QWidget* parent) : QWidget(parent)
{
    // Until told otherwise the surface looks like a picture box on a form:
    // button face behind black drawing.
    const QColor flaeche = palette().color(QPalette::Button);
    hintergrund_ = alsFarbe(flaeche);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QtZeichenflaeche::~QtZeichenflaeche() = default;

void QtZeichenflaeche::massstabSetzen(double x1, double y1, double x2, double y2)
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

void QtZeichenflaeche::hintergrundSetzen(Farbe farbe)
{
    hintergrund_ = farbe;
    leeren();
}

Farbe QtZeichenflaeche::hintergrund() const { return hintergrund_; }

void QtZeichenflaeche::vordergrundSetzen(Farbe farbe) { vordergrund_ = farbe; }

Farbe QtZeichenflaeche::vordergrund() const { return vordergrund_; }

void QtZeichenflaeche::stiftbreiteSetzen(int pixel) { stiftbreite_ = std::clamp(pixel, 1, stiftMax); }

int QtZeichenflaeche::stiftbreite() const { return stiftbreite_; }

void QtZeichenflaeche::leeren()
{
    // Emptying covers all that was noted before it, at whatever size.
    if (aufschieben_ && !direkt_)
        aufgeschoben_.clear();
    if (aufschieben([this] { leeren(); }))
        return;
    letzterPunkt_.gueltig = false;
    maler();
    pixelFuellen(0, 0, bildBreite_, bildHoehe_, rgb(hintergrund_));
    anzeigen();
}

void QtZeichenflaeche::linie(double x1, double y1, double x2, double y2, Farbe farbe)
{
    if (aufschieben([=, this] { linie(x1, y1, x2, y2, farbe); }))
        return;
    letzterPunkt_.gueltig = false;
    QPainter& p = maler();
    const int breite = bildBreiteFuer(stiftbreite_);
    const QPointF von = mitte(x1, y1, breite);
    const QPointF bis = mitte(x2, y2, breite);
    if (von == bis) {
        // A line that ends where it starts still leaves its dot.
        scheibe(von, breite, rgb(farbe));
    } else {
        QPen stift(qtFarbe(farbe), breite / verhaeltnis_);
        stift.setCapStyle(stiftbreite_ == 1 ? Qt::SquareCap : Qt::RoundCap);
        p.setPen(stift);
        p.drawLine(von / verhaeltnis_, bis / verhaeltnis_);
    }
    anzeigen();
}

void QtZeichenflaeche::rechteckFuellen(double x1, double y1, double x2, double y2, Farbe farbe)
{
    if (aufschieben([=, this] { rechteckFuellen(x1, y1, x2, y2, farbe); }))
        return;
    letzterPunkt_.gueltig = false;
    maler();
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
    anzeigen();
}

void QtZeichenflaeche::punkt(double x, double y, Farbe farbe)
{
    if (aufschieben([=, this] { punkt(x, y, farbe); }))
        return;
    maler();
    const int breite = bildBreiteFuer(stiftbreite_);
    scheibe(mitte(x, y, breite), breite, rgb(farbe));
    anzeigen();
}

void QtZeichenflaeche::punktfolge(double x, double y, const Punktfolge& folge)
{
    if (folge.punkte().empty() || aufschieben([this, x, y, folge] { punktfolge(x, y, folge); }))
        return;
    // Opened first: it may fit the image to a new size or ratio, which the
    // pattern has to be chosen for.
    maler();
    if (punktmuster_ && musterZeichnen(x, y, folge)) {
        ++gemusterteFolgen_;
        letzterPunkt_.gueltig = false;
        anzeigen();
        return;
    }
    Zeichenflaeche::punktfolge(x, y, folge);
}

void QtZeichenflaeche::kreis(double x, double y, double radius)
{
    if (aufschieben([=, this] { kreis(x, y, radius); }))
        return;
    letzterPunkt_.gueltig = false;
    QPainter& p = maler();
    const int breite = bildBreiteFuer(stiftbreite_);
    const QPointF m = mitte(x, y, breite);
    const double r = std::min(std::abs(radius * sx_), grenzeWeit) * verhaeltnis_;
    if (!(r >= 0.5)) {
        scheibe(m, breite, rgb(vordergrund_));
    } else {
        p.setPen(QPen(qtFarbe(vordergrund_), breite / verhaeltnis_));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(m / verhaeltnis_, r / verhaeltnis_, r / verhaeltnis_);
    }
    anzeigen();
}

void QtZeichenflaeche::text(double x, double y, std::string_view text)
{
    if (!aufschieben([this, x, y, t = std::string(text), schrift = font()] { textZeichnen(x, y, t, schrift); }))
        textZeichnen(x, y, text, font());
}

void QtZeichenflaeche::textZeichnen(double x, double y, std::string_view text, const QFont& schrift)
{
    letzterPunkt_.gueltig = false;
    QPainter& p = maler();
    QFont s = schrift;
    if (!kantenglaettung_)
        s.setStyleStrategy(QFont::NoAntialias);
    // Every property its own: a painter on the widget would otherwise fill
    // those the font leaves open from the widget's present font.
    s.setResolveMask(QFont::AllPropertiesResolved);
    if (s != malerSchrift_) {
        p.setFont(s);
        malerSchrift_ = s;
    }
    const double links = pixelX(x);
    const double oben = pixelY(y);
    p.setPen(qtFarbe(vordergrund_));
    p.drawText(QPointF(links, oben + p.fontMetrics().ascent()),
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    anzeigen();
}

void QtZeichenflaeche::kantenglaettungSetzen(bool an)
{
    kantenglaettung_ = an;
    malerBeenden();
}

std::size_t QtZeichenflaeche::gehalteneMuster() const
{
    nachholen();
    return muster_.size();
}

std::size_t QtZeichenflaeche::gemusterteFolgen() const
{
    nachholen();
    return gemusterteFolgen_;
}

void QtZeichenflaeche::punktmusterSetzen(bool an)
{
    punktmuster_ = an;
    if (!an)
        muster_.clear();
}

void QtZeichenflaeche::geraetePixelVerhaeltnisSetzen(qreal verhaeltnis)
{
    erzwungenesVerhaeltnis_ = verhaeltnis > 0 ? std::min(verhaeltnis, verhaeltnisMax) : 0.0;
    bildMitnehmen();
    update();
}

qreal QtZeichenflaeche::geraetePixelVerhaeltnis() const
{
    return bild_.isNull() ? gewuenschtesVerhaeltnis() : verhaeltnis_;
}

QImage QtZeichenflaeche::bild() const
{
    nachholen();
    malerBeenden();
    return bild_;
}

QColor QtZeichenflaeche::farbeBei(double x, double y) const
{
    nachholen();
    malerBeenden();
    if (bild_.isNull())
        return {};
    const auto bildpixel = [this](double pixel) { return static_cast<int>(abgerundet((pixel + 0.5) * verhaeltnis_)); };
    const int px = bildpixel(pixelX(x));
    const int py = bildpixel(pixelY(y));
    if (!bild_.valid(px, py))
        return {};
    return bild_.pixelColor(px, py);
}

QRect QtZeichenflaeche::nachPixeln(double links, double oben, double breite, double hoehe) const
{
    // Position and size are rounded each on its own, so that a child keeps
    // its size in pixels wherever it is moved to.
    const double sx = width() / (x2_ - x1_);
    const double sy = height() / (y2_ - y1_);
    const auto runden = [](double v) { return gerundet(std::clamp(v, -grenzeWeit, grenzeWeit)); };
    const double l = sx > 0 ? links : links + breite;
    const double o = sy > 0 ? oben : oben + hoehe;
    return QRect(runden((l - x1_) * sx), runden((o - y1_) * sy), runden(std::abs(breite * sx)),
                 runden(std::abs(hoehe * sy)));
}

void QtZeichenflaeche::kindPlatzieren(QWidget* kind, double links, double oben, double breite, double hoehe)
{
    kind->setGeometry(nachPixeln(links, oben, breite, hoehe));
}

QPointF QtZeichenflaeche::nachEinheiten(QPointF position) const
{
    const double w = std::max(width(), 1);
    const double h = std::max(height(), 1);
    return {x1_ + position.x() * (x2_ - x1_) / w, y1_ + position.y() * (y2_ - y1_) / h};
}

namespace {

int knopfCode(Qt::MouseButton knopf)
{
    switch (knopf) {
    case Qt::LeftButton: return knopfLinks;
    case Qt::RightButton: return knopfRechts;
    case Qt::MiddleButton: return knopfMitte;
    default: return 0;
    }
}

} // namespace

void QtZeichenflaeche::mousePressEvent(QMouseEvent* ereignis)
{
    const QPointF p = nachEinheiten(ereignis->position());
    emit gedrueckt(knopfCode(ereignis->button()), p.x(), p.y());
}

void QtZeichenflaeche::mouseMoveEvent(QMouseEvent* ereignis)
{
    const QPointF p = nachEinheiten(ereignis->position());
    emit bewegt(p.x(), p.y());
}

void QtZeichenflaeche::mouseReleaseEvent(QMouseEvent* ereignis)
{
    const QPointF p = nachEinheiten(ereignis->position());
    emit losgelassen(knopfCode(ereignis->button()), p.x(), p.y());
}

void QtZeichenflaeche::paintEvent(QPaintEvent*)
{
    if (direktZeigen())
        return;
    nachholen();
    malerBeenden();
    if (!bildPasst())
        bildAnpassen();
    anzeigeAngefordert_ = false;
    QPainter p(this);
    p.drawImage(QPointF(0, 0), bild_);
}

void QtZeichenflaeche::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    bildMitnehmen();
}

void QtZeichenflaeche::bildMitnehmen()
{
    // A picture that exists, or would exist had the noted drawing been done,
    // is carried over now or in turn.
    const auto mitnehmen = [this] {
        if (!bild_.isNull() && !bildPasst())
            bildAnpassen();
    };
    if (aufgeschoben_.empty() || !aufschieben(mitnehmen))
        mitnehmen();
}

QtZeichenflaeche::Zustand QtZeichenflaeche::zustand() const
{
    return {x1_, y1_, x2_, y2_, hintergrund_, vordergrund_, stiftbreite_, kantenglaettung_, size(),
            gewuenschtesVerhaeltnis()};
}

void QtZeichenflaeche::zustandSetzen(const Zustand& z)
{
    x1_ = z.x1;
    y1_ = z.y1;
    x2_ = z.x2;
    y2_ = z.y2;
    hintergrund_ = z.hintergrund;
    vordergrund_ = z.vordergrund;
    stiftbreite_ = z.stiftbreite;
    if (kantenglaettung_ != z.kantenglaettung) {
        kantenglaettung_ = z.kantenglaettung;
        malerBeenden();
    }
    umrechnungSetzen();
}

bool QtZeichenflaeche::aufschieben(std::function<void()> zeichnen)
{
    if (!aufschieben_ || direkt_)
        return false;
    if (aufgeschoben_.size() >= aufschubMax) {
        nachholen();
        return false;
    }
    aufgeschoben_.push_back({zustand(), std::move(zeichnen)});
    anzeigen();
    return true;
}

bool QtZeichenflaeche::direktZeigen()
{
    if (gezeigt_ || !aufschieben_ || aufgeschoben_.empty())
        return false;
    gezeigt_ = true;
    const qreal v = devicePixelRatioF();
    for (const Aufgeschoben& a : aufgeschoben_)
        if (a.zustand.groesse != size() || a.zustand.verhaeltnis != v)
            return false;
    // The measures a new picture of this size and ratio would have, without the picture.
    direkt_ = true;
    masseSetzen(size(), v);
    pixelFuellen(0, 0, bildBreite_, bildHoehe_, rgb(aufgeschoben_.front().zustand.hintergrund));
    notizenZeichnen(aufgeschoben_);
    malerBeenden();
    direkt_ = false;
    muster_.clear();
    anzeigeAngefordert_ = false;
    return true;
}

void QtZeichenflaeche::nachholen() const
{
    // Reading the picture first draws what it is owed: that changes what the
    // surface holds, not what it shows.
    auto* selbst = const_cast<QtZeichenflaeche*>(this);
    selbst->aufschieben_ = false;
    if (!aufgeschoben_.empty())
        selbst->notizenZeichnen(std::exchange(selbst->aufgeschoben_, {}));
}

void QtZeichenflaeche::notizenZeichnen(const std::vector<Aufgeschoben>& notizen)
{
    const Zustand jetzt = zustand();
    for (const Aufgeschoben& a : notizen) {
        zustandSetzen(a.zustand);
        nachgeholt_ = &a.zustand;
        a.zeichnen();
    }
    nachgeholt_ = nullptr;
    zustandSetzen(jetzt);
}

void QtZeichenflaeche::changeEvent(QEvent* event)
{
    // The painter holds the font it was opened with.
    if (event->type() == QEvent::FontChange)
        malerBeenden();
    QWidget::changeEvent(event);
}

QPainter& QtZeichenflaeche::maler()
{
    if (maler_ && zielGroesse() != groesse_)
        malerBeenden();
    if (!maler_) {
        if (direkt_) {
            maler_ = std::make_unique<QPainter>(this);
        } else {
            if (!bildPasst())
                bildAnpassen();
            maler_ = std::make_unique<QPainter>(&bild_);
        }
        maler_->setRenderHint(QPainter::Antialiasing, kantenglaettung_);
        maler_->setRenderHint(QPainter::TextAntialiasing, kantenglaettung_);
        QFont schrift = font();
        if (!kantenglaettung_)
            schrift.setStyleStrategy(QFont::NoAntialias);
        maler_->setFont(schrift);
        malerSchrift_ = schrift;
        // The painter has made the image's data its own; dots and fills
        // write there directly while it is open.
        daten_ = direkt_ ? nullptr : bild_.bits();
        zeilenLaenge_ = direkt_ ? 0 : bild_.bytesPerLine();
    }
    return *maler_;
}

void QtZeichenflaeche::malerBeenden() const
{
    maler_.reset();
    daten_ = nullptr;
}

bool QtZeichenflaeche::bildPasst() const
{
    return !bild_.isNull() && groesse_ == zielGroesse() && verhaeltnis_ == zielVerhaeltnis();
}

QSize QtZeichenflaeche::zielGroesse() const { return nachgeholt_ ? nachgeholt_->groesse : size(); }

qreal QtZeichenflaeche::zielVerhaeltnis() const
{
    return nachgeholt_ ? nachgeholt_->verhaeltnis : gewuenschtesVerhaeltnis();
}

qreal QtZeichenflaeche::gewuenschtesVerhaeltnis() const
{
    return erzwungenesVerhaeltnis_ > 0 ? erzwungenesVerhaeltnis_ : devicePixelRatioF();
}

void QtZeichenflaeche::bildAnpassen()
{
    malerBeenden();
    masseSetzen(zielGroesse(), zielVerhaeltnis());
    QImage neu(bildBreite_, bildHoehe_, QImage::Format_RGB32);
    neu.setDevicePixelRatio(verhaeltnis_);
    // Text gets the size it would have on the widget itself.
    neu.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    neu.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    neu.fill(rgb(hintergrund_));
    if (!bild_.isNull()) {
        QPainter p(&neu);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QPointF(0, 0), bild_);
    }
    bild_ = neu;
}

void QtZeichenflaeche::masseSetzen(QSize groesse, qreal verhaeltnis)
{
    // A new picture keeps no dot or pattern of the old one.
    letzterPunkt_.gueltig = false;
    muster_.clear();
    const QSize logisch = groesse.expandedTo(QSize(1, 1));
    bildBreite_ = qMax(1, qRound(logisch.width() * verhaeltnis));
    bildHoehe_ = qMax(1, qRound(logisch.height() * verhaeltnis));
    verhaeltnis_ = verhaeltnis;
    groesse_ = groesse;
    umrechnungSetzen();
}

void QtZeichenflaeche::umrechnungSetzen()
{
    const double sx = groesse_.width() / (x2_ - x1_);
    const double sy = groesse_.height() / (y2_ - y1_);
    if (sx != sx_ || sy != sy_)
        muster_.clear();
    sx_ = sx;
    sy_ = sy;
}

void QtZeichenflaeche::anzeigen()
{
    if (!anzeigeAngefordert_) {
        anzeigeAngefordert_ = true;
        update();
    }
}

double QtZeichenflaeche::pixelX(double x) const
{
    return pixelVon((x - x1_) * sx_, groesse_.width());
}

double QtZeichenflaeche::pixelY(double y) const
{
    return pixelVon((y - y1_) * sy_, groesse_.height());
}

QPointF QtZeichenflaeche::mitte(double x, double y, int breite) const
{
    return {bildMitte(pixelX(x), breite), bildMitte(pixelY(y), breite)};
}

double QtZeichenflaeche::bildMitte(double pixel, int breite) const
{
    // The middle of the widget pixel, moved to the nearest image pixel corner
    // for even widths and to the nearest image pixel centre for odd ones, so
    // that strokes and dots cover whole image pixels.
    const double m = (pixel + 0.5) * verhaeltnis_;
    return breite % 2 == 1 ? abgerundet(m) + 0.5 : abgerundet(m + 0.5);
}

int QtZeichenflaeche::bildEcke(double pixel, int breite) const
{
    return eckeUm(bildMitte(pixel, breite), breite);
}

int QtZeichenflaeche::bildBreiteFuer(int pixel) const
{
    return std::max(1, gerundet(pixel * verhaeltnis_));
}

void QtZeichenflaeche::pixelFuellen(int links, int oben, int rechts, int unten, QRgb farbe)
{
    links = std::max(links, 0);
    oben = std::max(oben, 0);
    rechts = std::min(rechts, bildBreite_);
    unten = std::min(unten, bildHoehe_);
    if (links >= rechts || oben >= unten)
        return;
    if (direkt_) {
        // Whole pixels on the screen: the rectangle's edges lie on pixel edges.
        QPainter& p = maler();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(links / verhaeltnis_, oben / verhaeltnis_, (rechts - links) / verhaeltnis_,
                          (unten - oben) / verhaeltnis_),
                   QColor::fromRgb(farbe));
        p.restore();
        return;
    }
    for (int y = oben; y < unten; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(daten_ + y * zeilenLaenge_);
        std::fill(zeile + links, zeile + rechts, farbe);
    }
}

void QtZeichenflaeche::scheibe(QPointF m, int durchmesser, QRgb farbe)
{
    if (kantenglaettung_ && durchmesser >= 3) {
        QPainter& p = maler();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(farbe));
        const double r = durchmesser / 2.0 / verhaeltnis_;
        p.drawEllipse(m / verhaeltnis_, r, r);
        return;
    }
    const int x0 = eckeUm(m.x(), durchmesser);
    const int y0 = eckeUm(m.y(), durchmesser);
    // A solid dot over the very same pixels as the one before, with nothing
    // drawn in between, changes nothing: dense point sequences such as the
    // black hole's spiral hit the same pixels many times in a row.
    const Punktspur jetzt{x0, y0, durchmesser, farbe, true};
    if (jetzt == letzterPunkt_)
        return;
    letzterPunkt_ = jetzt;
    scheibenFlaechen(x0, y0, durchmesser,
                     [this, farbe](int links, int oben, int rechts, int unten) {
                         pixelFuellen(links, oben, rechts, unten, farbe);
                     });
}

template <typename Fuellen>
void QtZeichenflaeche::scheibenFlaechen(int x0, int y0, int durchmesser, Fuellen&& fuellen)
{
    // Up to 3 pixels across the round mask is the full square.
    if (durchmesser <= 3) {
        fuellen(x0, y0, x0 + durchmesser, y0 + durchmesser);
        return;
    }
    for (const Spanne& s : maske(durchmesser))
        fuellen(x0 + s.von, y0 + s.dy, x0 + s.bis + 1, y0 + s.dy + 1);
}

const std::vector<QtZeichenflaeche::Spanne>& QtZeichenflaeche::maske(int durchmesser)
{
    if (masken_.size() <= static_cast<std::size_t>(durchmesser))
        masken_.resize(static_cast<std::size_t>(durchmesser) + 1);
    std::vector<Spanne>& spannen = masken_[static_cast<std::size_t>(durchmesser)];
    if (!spannen.empty())
        return spannen;
    // The pixels whose centres lie within the dot's radius, row by row.
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
            spannen.push_back({dy, von, bis});
    }
    return spannen;
}

bool QtZeichenflaeche::musterZeichnen(double x, double y, const Punktfolge& folge)
{
    const int breite = bildBreiteFuer(stiftbreite_);
    // Smoothed dots blend into what lies below them.
    if (kantenglaettung_ && breite >= 3)
        return false;
    const Muster& m = muster(folge, breite);
    if (!m.brauchbar)
        return false;
    // Written so that NaN and infinities fail too.
    if (!((std::abs(x) + std::abs(x1_) + m.weiteA) * std::abs(sx_) < musterGrenze) ||
        !((std::abs(y) + std::abs(y1_) + m.weiteB) * std::abs(sy_) < musterGrenze))
        return false;
    const double vx = (x - x1_) * sx_;
    const double vy = (y - y1_) * sy_;
    const double nx = abgerundet(vx + 0.5);
    const double ny = abgerundet(vy + 0.5);
    if (!(std::abs(vx - nx) <= ursprungToleranz) || !(std::abs(vy - ny) <= ursprungToleranz))
        return false;
    const int ox = static_cast<int>(nx);
    const int oy = static_cast<int>(ny);
    // Points on the far edge itself are drawn on the last pixel instead.
    if (ox + m.rechts >= groesse_.width() || oy + m.unten >= groesse_.height())
        return false;
    // Moving every point by the origin's widget pixels must move its dot by
    // one and the same number of image pixels; at ratios that are not whole
    // it does so only from some origins.
    const auto verschiebung = [this, breite](int ursprung, int von, int bis, int& um) {
        um = bildEcke(ursprung + von, breite) - bildEcke(von, breite);
        for (int p = von + 1; p <= bis; ++p)
            if (bildEcke(ursprung + p, breite) - bildEcke(p, breite) != um)
                return false;
        return true;
    };
    int qx = 0;
    int qy = 0;
    if (!verschiebung(ox, m.links, m.rechts, qx) || !verschiebung(oy, m.oben, m.unten, qy))
        return false;
    for (const Lauf& l : m.laeufe)
        pixelFuellen(qx + l.von, qy + l.y, qx + l.bis, qy + l.y + 1, l.farbe);
    return true;
}

const QtZeichenflaeche::Muster& QtZeichenflaeche::muster(const Punktfolge& folge, int breite)
{
    for (const Muster& m : muster_)
        if (m.folge == folge.nummer() && m.breite == breite && m.verhaeltnis == verhaeltnis_ && m.sx == sx_ &&
            m.sy == sy_)
            return m;
    if (muster_.size() >= musterAnzahlMax)
        muster_.clear();
    muster_.push_back(musterBilden(folge, breite));
    return muster_.back();
}

QtZeichenflaeche::Muster QtZeichenflaeche::musterBilden(const Punktfolge& folge, int breite)
{
    Muster m;
    m.folge = folge.nummer();
    m.breite = breite;
    m.verhaeltnis = verhaeltnis_;
    m.sx = sx_;
    m.sy = sy_;
    const std::vector<FarbPunkt>& punkte = folge.punkte();

    // The widget pixel of every point relative to the origin's, as pixelVon
    // finds it away from the far edge.
    const auto pixelVersatz = [](double a, double s, int& pixel) {
        const double v = a * s + grenzToleranz;
        if (!(std::abs(v) < musterGrenze))
            return false;
        const double ganz = abgerundet(v);
        if (v - ganz < musterRand || ganz + 1 - v < musterRand)
            return false;
        pixel = static_cast<int>(ganz);
        return true;
    };
    struct Ecke {
        int x;
        int y;
    };
    std::vector<Ecke> ecken;
    ecken.reserve(punkte.size());
    m.links = m.oben = std::numeric_limits<int>::max();
    m.rechts = m.unten = std::numeric_limits<int>::min();
    int bildLinks = std::numeric_limits<int>::max();
    int bildOben = bildLinks;
    int bildRechts = std::numeric_limits<int>::min();
    int bildUnten = bildRechts;
    for (const FarbPunkt& p : punkte) {
        int px = 0;
        int py = 0;
        if (!pixelVersatz(p.a, sx_, px) || !pixelVersatz(p.b, sy_, py))
            return m;
        m.links = std::min(m.links, px);
        m.rechts = std::max(m.rechts, px);
        m.oben = std::min(m.oben, py);
        m.unten = std::max(m.unten, py);
        m.weiteA = std::max(m.weiteA, std::abs(p.a));
        m.weiteB = std::max(m.weiteB, std::abs(p.b));
        const Ecke e{bildEcke(px, breite), bildEcke(py, breite)};
        bildLinks = std::min(bildLinks, e.x);
        bildRechts = std::max(bildRechts, e.x + breite);
        bildOben = std::min(bildOben, e.y);
        bildUnten = std::max(bildUnten, e.y + breite);
        ecken.push_back(e);
    }
    const qint64 w = qint64{bildRechts} - bildLinks;
    const qint64 h = qint64{bildUnten} - bildOben;
    if (w * h > musterFlaecheMax)
        return m;

    // The dots in their order on a canvas of their own; a later dot covers
    // an earlier one as it would in the picture. 0 marks a pixel no dot
    // touched: qRgb() never gives it, its alpha is always 255.
    std::vector<QRgb> leinwand(static_cast<std::size_t>(w * h), 0);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const QRgb farbe = rgb(punkte[i].farbe);
        scheibenFlaechen(ecken[i].x - bildLinks, ecken[i].y - bildOben, breite,
                         [&](int links, int oben, int rechts, int unten) {
                             for (int y = oben; y < unten; ++y)
                                 std::fill(leinwand.begin() + y * w + links, leinwand.begin() + y * w + rechts,
                                           farbe);
                         });
    }
    for (qint64 y = 0; y < h; ++y) {
        const QRgb* zeile = leinwand.data() + y * w;
        for (qint64 x = 0; x < w;) {
            const QRgb farbe = zeile[x];
            qint64 ende = x + 1;
            while (ende < w && zeile[ende] == farbe)
                ++ende;
            if (farbe != 0)
                m.laeufe.push_back({static_cast<int>(bildOben + y), static_cast<int>(bildLinks + x),
                                    static_cast<int>(bildLinks + ende), farbe});
            x = ende;
        }
    }
    m.brauchbar = true;
    return m;
}
