// A fixed picture: a control that shows a background colour and an optional
// picture, nothing drawn on it at run time (legend, switches, stop sign).
#pragma once

#include <QWidget>

#include "ui/spaetesbild.h"

class FestesBild : public QWidget {
    Q_OBJECT
public:
    explicit FestesBild(QWidget* parent = nullptr);

    // The picture `malen` paints, painted when the control is first shown
    // and kept; an empty painter lets the picture go.
    void bildSetzen(Bildmaler malen, bool strecken = false);
    void hintergrundSetzen(const QColor& farbe);
    // A thin sunken border, as picture boxes have.
    void rahmenSetzen(bool an);
    QColor hintergrund() const { return hintergrund_; }

signals:
    // The left button went down and came up over the picture.
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    SpaetesBild bild_;
    bool strecken_ = false;
    bool rahmen_ = false;
    bool gedrueckt_ = false;
    QColor hintergrund_{255, 255, 255};
};
