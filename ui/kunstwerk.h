// The window's artwork: every button picture and the icon, painted in code (the legend's own in legende.h).
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QString>

class QPainter;

#include "model/feld.h"

// Each picture has a fixed logical size in pixels (given below). With a
// device pixel ratio r the pixmap holds r times as many pixels per side and
// carries r, so it shows at the logical size and stays sharp on high-DPI
// screens. A ratio that is not a positive number counts as 1.
// All of them need a QGuiApplication (fonts, QPixmap).

// A canvas of the logical size breite x hoehe at the given pixel ratio,
// filled with `grund`; and a painter's smoothing as every picture here uses it.
QImage leinwand(int breite, int hoehe, qreal verhaeltnis, const QColor& grund);
void glatt(QPainter& p);

// The logical sizes of the button pictures, which the buttons know before
// their pictures are painted.
inline constexpr QSize startKnopfGroesse{88, 87};
inline constexpr QSize startSondeGroesse{112, 34};
inline constexpr QSize tarnkisteErstellenGroesse{330, 64};
inline constexpr QSize pfeilGroesse{12, 15};
inline constexpr QSize kopierPfeilGroesse{32, 24};

// 88 x 87: "Start" in white italics on black inside a grey dashed frame. As
// an image it may be painted in any thread.
QPixmap startKnopfBild(qreal pixelVerhaeltnis = 1.0);
QImage startKnopfBildMalen(qreal pixelVerhaeltnis = 1.0);

// 345 x 348: the start screen's cover for the hidden board, a white 8 x 8
// grid on teal with a dark cube bearing a white question mark. As an image
// it may be painted in any thread.
QPixmap startBild(qreal pixelVerhaeltnis = 1.0);
QImage startBildMalen(qreal pixelVerhaeltnis = 1.0);

// 49 x 48: a red octagonal STOP sign, transparent around it.
QPixmap stopBild(qreal pixelVerhaeltnis = 1.0);
QImage stopBildMalen(qreal pixelVerhaeltnis = 1.0);

// 54 x 51: a red round sign with a white loudspeaker, transparent around it.
QPixmap lautsprecherBild(qreal pixelVerhaeltnis = 1.0);

// 112 x 34 on black: a yellow ball with its trail, four white bars and a
// hollow white arrow to the right (the launch button).
QPixmap startSondeBild(qreal pixelVerhaeltnis = 1.0);

// The outline of the lettering "Tarnkiste erstellen", fitted to its picture.
// Qt's outlines of a face shift by up to 1/32 pixel once text in that face
// has been painted in that thread (the help line is in the same bold serif),
// so the window takes this outline on a thread of its own and paints the
// picture later.
QPainterPath tarnkisteErstellenSchrift();
// 330 x 64: "Tarnkiste erstellen" in light grey on black.
QPixmap tarnkisteErstellenBild(qreal pixelVerhaeltnis = 1.0,
                               const QPainterPath& schrift = tarnkisteErstellenSchrift());

// 12 x 15 on white: a dark arrow pointing up for nord and down for sued;
// a null pixmap for any other direction.
QPixmap pfeilBild(Richtung richtung, qreal pixelVerhaeltnis = 1.0);

// 32 x 24, transparent: a blue arrow pointing right or left (copy buttons).
QPixmap kopierPfeil(bool nachRechts, qreal pixelVerhaeltnis = 1.0);

// 63 x 63: dark navy with a grid of small cyan dots, made to be stretched.
QPixmap randHintergrundBild(qreal pixelVerhaeltnis = 1.0);

// Sizes the window icon offers, in pixels: the window system asks for each.
inline constexpr int symbolGroessen[] = {16, 32};

// A yellow smiley with black outline, eyes and smile, drawn for each size
// when it is first asked for (any size, not only those offered).
QIcon fensterSymbol();

// The smiley at `groesse` x `groesse` pixels (1 to 1024), for the desktop's icon files.
QPixmap symbolBild(int groesse);

// Writes every picture above at ratio 1 as a PNG into `ordner`, creating it
// if needed: startknopf, startbild, legende0..5 and legende7, stop,
// lautsprecher, startsonde, tarnkiste-erstellen, pfeil-hoch, pfeil-runter,
// kopieren-rechts, kopieren-links, randhintergrund and icon-<size>.
void bilderSpeichern(const QString& ordner);
