// A board's drawing, cursor, name and boxes.
#include "ui/spielbrett.h"

#include <QLineEdit>

#include <cmath>

#include "render/geometrie.h"
#include "render/glyphen.h"
#include "ui/cursorrahmen.h"
#include "ui/marker.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/spielmeldungen.h"

Spielbrett::Spielbrett(Seite seite, QtZeichenflaeche* bild, Marker* marker, QLineEdit* koordinate, QLineEdit* nummer,
                       Namen namen)
    : seite_(seite), bild_(bild), marker_(marker), koordinate_(koordinate), nummer_(nummer),
      rahmen_(new Cursorrahmen(bild)), namen_(std::move(namen))
{
}

void Spielbrett::anmelden(Spielmeldungen& meldungen)
{
    QObject::connect(&meldungen, &Spielmeldungen::zelleGeaendert, bild_, [this](Seite seite, int code, int x, int y) {
        if (seite == seite_)
            zelleZeigen(code, x, y);
    });
    // A start place names the record's launches.
    QObject::connect(&meldungen, &Spielmeldungen::beobachtungenGeaendert, bild_, [this] {
        if (!imFeld(cursor_.x, cursor_.y))
            benennen();
    });
}

void Spielbrett::zelleZeigen(int code, int x, int y)
{
    ::zelleZeichnen(*bild_, seite_, code, x, y);
    if (cursor_ == Feldcursor{x, y})
        benennen();
}

void Spielbrett::cursorSetzen(Feldcursor c)
{
    cursor_ = c;
    rahmenZeigen();
    benennen();
}

void Spielbrett::rahmenZeigen() { rahmen_->zeigen(cursor_.x, cursor_.y); }
void Spielbrett::rahmenVerbergen() { rahmen_->hide(); }

void Spielbrett::benennen()
{
    const QString text = QString::fromStdString(namen_(cursor_));
    // A new name goes out to the screen reader as a NameChanged event of
    // the accessibility framework, sent by the widget itself. Qt 6.4 sends
    // it for the same name again too, and the blind's every move and every
    // cell drawn ask here: the screen reader would hear the board's name
    // over and over during the start alone.
    if (bild_->accessibleName() != text)
        bild_->setAccessibleName(text);
}

void Spielbrett::zeigerZeigen(double X, double Y, const Feld& feld)
{
    const auto ganz = [](double v) { return static_cast<int>(std::floor(v)); };
    koordinate_->setText(QStringLiteral("%1 /%2").arg(ganz(X)).arg(ganz(Y)));
    const Zone zone = zoneBei(X, Y);
    nummer_->setText(zone.art == Zonenart::Zelle ? QString::number(feld(zone.x, zone.y)) : QString());
}

void Spielbrett::markerSetzen(QPointF ort) { marker_->ortSetzen(ort); }

void Spielbrett::markerSchieben(double ddx, double ddy)
{
    const QRect vorher = marker_->geometry();
    marker_->verschieben(ddx, ddy);
    // Shown at once: the steps do not let events run between their slides.
    if (marker_->isVisible())
        bild_->repaint(vorher.united(marker_->geometry()));
}
