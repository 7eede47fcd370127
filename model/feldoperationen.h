// Whole-field operations: clearing, copying either way and reopening the hidden field.
#pragma once

#include "model/feld.h"
#include "model/zellenanzeige.h"

// Each visits the cells x outer, y inner and redraws every cell right after
// writing it; none touches a probe, a flag or a counter. New contents for the
// hidden field (clearing it, copying onto it) become the box as given;
// reopening does not change that, it brings the box back.
void nachbauLoeschen(Spielstand& s, ZellenAnzeige& anzeige);
void vorgabeLoeschen(Spielstand& s, ZellenAnzeige& anzeige);
void linksNachRechts(Spielstand& s, ZellenAnzeige& anzeige);
void rechtsNachLinks(Spielstand& s, ZellenAnzeige& anzeige);
// Brings back the box as given: closed trapdoors open, turned mirrors turn back.
void vorgabeWiederherstellen(Spielstand& s, ZellenAnzeige& anzeige);

// Every cell of `ziel` set from `quelle` (a null source means empty) and redrawn.
void feldUebertragen(Feld& ziel, const Feld* quelle, Seite seite, ZellenAnzeige& anzeige);
