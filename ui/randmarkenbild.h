// The launches' marks on the hidden board's border ring, over its kept picture as the cursor frame is.
#pragma once

#include <QWidget>

#include <vector>

#include "model/randmarken.h"

class QtZeichenflaeche;
class Spielmeldungen;

// A child of the board as large as it, at the bottom of its children: the
// blind, the markers, the cursor frame and the buttons in the ring lie over
// it. It paints only the marks and lets the board show everywhere else;
// the board's picture is never drawn on. Pointer input passes through it.
class Randmarkenbild : public QWidget {
    Q_OBJECT
public:
    explicit Randmarkenbild(QtZeichenflaeche* feld);

    // Follows the record: new marks whenever it, or the model it is held against, changes.
    void anmelden(Spielmeldungen& meldungen, const Spielstand& spiel);
    void zeigen(std::vector<Randmarke> marken);
    const std::vector<Randmarke>& marken() const { return marken_; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QtZeichenflaeche* feld_;
    std::vector<Randmarke> marken_;
};
