// The random hidden field generator and the ties between the allowed-object flags.
#pragma once

#include <array>
#include <random>
#include <string_view>

#include "model/feld.h"
#include "model/zellenanzeige.h"

// One flag per object code: whether the generator and the model editor may use it.
using Erlaubnis = std::array<bool, anzahlCodes>;

// A source of uniform numbers 0 <= r < 1, seeded at the start of every generation.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    virtual void saeen(double sekundenSeitMitternacht) = 0;
    virtual double ziehen() = 0;
};

// The program's source: a Mersenne twister seeded from the time of day.
class StandardZufall : public Zufallsquelle {
public:
    void saeen(double sekundenSeitMitternacht) override;
    double ziehen() override;

private:
    std::mt19937 motor_;
};

struct GeneratorEinstellung {
    Erlaubnis erlaubt{};
    bool genau = false;  // "genau": exactly n objects; otherwise at most n
    int anzahl = 0;      // n; none placed when it is 0 or less
};

// The count the count box's text stands for: its leading number rounded, 0
// when there is none or it lies outside the signed 32-bit range.
int anzahlAusText(std::string_view text);

// Fills feldVorgabe anew (cleared, then n placements), redraws every written
// Vorgabe cell, and makes the result the box as given. Returns the number of objects placed.
// Never hangs: a placement that cannot succeed (no free cell, or "genau" with
// no object code allowed) ends the generation early.
int generieren(Spielstand& s, const GeneratorEinstellung& e, Zufallsquelle& zufall,
               double sekundenSeitMitternacht, ZellenAnzeige& anzeige);

// The flags after a box changed: 4 follows 5, 7..9 follow 6, 11 forces 1.
Erlaubnis erlaubnisBinden(Erlaubnis e);
