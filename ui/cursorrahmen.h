// The keyboard cursor as the player sees it: a frame around one place of a board, above everything on it.
#pragma once

#include <QWidget>

class QtZeichenflaeche;

// A child of the board, one place's square in size, raised over the blind,
// the start picture and the markers. It paints only its frame and lets
// everything under its inside show; the board's kept picture is never drawn
// on. Pointer input passes through it to whatever lies below.
class Cursorrahmen : public QWidget {
    Q_OBJECT
public:
    explicit Cursorrahmen(QtZeichenflaeche* feld);

    // Shows the frame around the place (x, y) in field units, on top.
    void zeigen(int x, int y);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QtZeichenflaeche* feld_;
};
