// Probe placement and start-place permissions.
#include "model/feld.h"

bool sondeGesetzt(const Sonde& sondeVorgabe)
{
    return !(sondeVorgabe.x == nichtGesetztX && sondeVorgabe.y == nichtGesetztY);
}

void vorgabeGegeben(Spielstand& s)
{
    s.feldVorgabeKopie = s.feldVorgabe;
    s.gestarteteSonden = 0;
    s.pruefungen = 0;
    s.beobachtungen.clear();
    ++s.neueVorgaben;
}

void vorgabeStarten(Spielstand& s)
{
    s.abbruchVorgabe = 0;
    s.ausgangVorgabe = 0;
    ++s.gestarteteSonden;
}

Sonde sondeAmRand(Rand rand, int index)
{
    switch (rand) {
    case Rand::Links: return {-1, index, 1, 0};
    case Rand::Rechts: return {feldGroesse, index, -1, 0};
    case Rand::Oben: return {index, -1, 0, 1};
    case Rand::Unten: break;
    }
    return {index, feldGroesse, 0, -1};
}

bool randFrei(const Spielstand& s, Rand rand)
{
    return rand == Rand::Unten || s.randFreigabe[static_cast<std::size_t>(rand)] == 1;
}

void randFreigabeUmschalten(Spielstand& s, Rand rand)
{
    if (rand == Rand::Unten)
        return;
    int& flag = s.randFreigabe[static_cast<std::size_t>(rand)];
    flag = 1 - flag;
}
