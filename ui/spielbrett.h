// One board and what belongs to it: its field's picture, probe marker, keyboard cursor and frame, and its two boxes.
#pragma once

#include <QPointF>

#include <functional>
#include <string>

#include "model/feld.h"
#include "model/feldcursor.h"

class Cursorrahmen;
class Marker;
class QLineEdit;
class QtZeichenflaeche;
class Spielmeldungen;

// The board draws and names itself from the notices it subscribes to; the
// window only tells it where the cursor goes and what a pointer points at.
// Its widgets are the window's, which keeps the design's names for them.
class Spielbrett {
public:
    // The text of a place as the screen reader reads it.
    using Namen = std::function<std::string(Feldcursor)>;

    Spielbrett(Seite seite, QtZeichenflaeche* bild, Marker* marker, QLineEdit* koordinate, QLineEdit* nummer,
               Namen namen);

    Seite seite() const { return seite_; }
    QtZeichenflaeche& bild() const { return *bild_; }
    Marker& marker() const { return *marker_; }
    Feldcursor cursor() const { return cursor_; }

    // Draws the cells it is told of, and follows the record in its name.
    void anmelden(Spielmeldungen& meldungen);

    // The cursor to `c`, its frame shown and the board named by it.
    void cursorSetzen(Feldcursor c);
    void rahmenZeigen();
    void rahmenVerbergen();
    // The board's accessible name is its cursor's text.
    void benennen();

    // The boxes as a pointer at (X, Y) in field units shows them: its place, and the number of the cell under it.
    void zeigerZeigen(double X, double Y, const Feld& feld);
    void markerSetzen(QPointF ort);
    // Moves the marker by (ddx, ddy) cells, shown at once.
    void markerSchieben(double ddx, double ddy);

private:
    void zelleZeigen(int code, int x, int y);

    Seite seite_;
    QtZeichenflaeche* bild_;
    Marker* marker_;
    QLineEdit* koordinate_;
    QLineEdit* nummer_;
    Cursorrahmen* rahmen_;
    Namen namen_;
    // Stays where it was while the board is without the focus.
    Feldcursor cursor_{};
};
