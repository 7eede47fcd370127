// A fixed picture: a control that shows a background colour and an optional
// picture, nothing drawn on it at run time (legend, switches, stop sign).
#pragma once

#include <QWidget>

#include "ui/spaetesbild.h"

class FestesBild : public QWidget {
    Q_OBJECT
public:
    // How the keyboard and a screen reader use the picture: not at all (the
    // legend, the loudspeaker), as a button (the stop sign) or as a switch
    // with a state (the border switches).
    enum class Bedienung { Keine, Knopf, Schalter };

    explicit FestesBild(QWidget* parent = nullptr);

    // The picture `malen` paints, painted when the control is first shown
    // and kept; an empty painter lets the picture go.
    void bildSetzen(Bildmaler malen, bool strecken = false);
    void hintergrundSetzen(const QColor& farbe);
    // A thin sunken border, as picture boxes have.
    void rahmenSetzen(bool an);
    QColor hintergrund() const { return hintergrund_; }

    // A button or switch takes the focus by Tab only, so that a click stays
    // what it was; Space does what a click does (a button also takes Return),
    // and the focused control shows a frame.
    void bedienungSetzen(Bedienung bedienung);
    Bedienung bedienung() const { return bedienung_; }
    // A switch's state as a screen reader reads it (checked); a change is sent to it.
    void anSetzen(bool an);
    bool an() const { return an_; }

signals:
    // The left button went down and came up over the picture, or the key of a click was pressed.
    void geklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    SpaetesBild bild_;
    bool strecken_ = false;
    bool rahmen_ = false;
    bool gedrueckt_ = false;
    Bedienung bedienung_ = Bedienung::Keine;
    bool an_ = false;
    QColor hintergrund_{255, 255, 255};
};
