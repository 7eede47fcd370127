// The window's side of the probe display: what a step asks of the window, done with its controls.
#pragma once

#include <memory>

#include "model/sondenlauf.h"

class Form1;
struct Dienste;
class Spielmeldungen;

// Owned by the window and living as long as it; holds no state of its own.
// Cells and new boxes go out as the window's notices.
std::unique_ptr<SondenAnzeige> fensteranzeige(Form1& fenster, const Dienste& dienste, Spielmeldungen& meldungen);
