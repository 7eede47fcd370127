// The drawing surface as a widget: the fields, the compass and the blind show the picture they keep.
#pragma once

#include <QWidget>

#include "ui/rasterflaeche.h"

// The picture has the widget's size and device pixel ratio (or a ratio
// pinned by ortSetzen's caller); painting copies it to the screen, and
// nothing drawn into it is ever drawn again. Pointer input is reported in
// the widget's own pixels; the window maps it to user units and button codes.
// A surface that takes the focus reports the keys of a board's cursor (the
// arrows, Space, Return and Enter) and uses them up; other keys go on to the
// window as usual.
class QtZeichenflaeche : public QWidget, public Rasterflaeche {
    Q_OBJECT
public:
    explicit QtZeichenflaeche(QWidget* parent = nullptr);

    // Place and size in the parent, with the picture resized at once: a
    // hidden widget learns of a new size only when it is shown, and the
    // window draws on its surfaces before that.
    void ortSetzen(const QRect& ort);
    // Pins the ratio of image pixels to widget pixels; 0 follows the screen.
    void geraetePixelVerhaeltnisSetzen(qreal verhaeltnis);

    void kindPlatzieren(QWidget* kind, double links, double oben, double breite, double hoehe);

signals:
    // The second press of a double click is a press too: a player cycling a
    // cell fast expects every click to count.
    void gedrueckt(Qt::MouseButton knopf, QPointF ort);
    void bewegt(QPointF ort);
    void losgelassen(Qt::MouseButton knopf, QPointF ort);
    // wiederholt: sent again by the key held down.
    void taste(int taste, Qt::KeyboardModifiers umschalt, bool wiederholt);
    void fokus(bool erhalten);

protected:
    void gezeichnet() override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    qreal gewuenschtesVerhaeltnis() const;
    // Fits the picture to the widget's size and ratio; true when it changed.
    bool anpassen();

    qreal erzwungenesVerhaeltnis_ = 0.0;
    bool neuMalen_ = false;  // a paint has been asked for since the last one
};
