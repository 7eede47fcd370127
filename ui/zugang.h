// What a screen reader is told of the game's own kinds of controls: the picture buttons and switches,
// and the game's windows beside the main one.
#pragma once

// Installs, once per process, the factory that gives a FestesBild used as a
// button or switch its role, state and actions, and the record and rules
// windows the role of a window. Call it before the first such control is
// asked for its interface: the toolkit keeps the first one it makes.
void zugangEinrichten();
