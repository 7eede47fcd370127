// The window's first frame handed to the X server before the map, so that the window appears finished.
#pragma once

class QWidget;

// Paints the top-level `fenster`, created but not yet mapped, as its next
// paint will, and makes the picture its X window's background. The server
// shows a window's background the moment it maps it, while the toolkit's
// own first paint waits for the server's expose event and then for its
// flush to be shown (bench case `start/boden`, last change after the map,
// the game's against the floor's), with the very same pixels. Returns false, and changes nothing, off X or where the server's
// picture format is not 32 bits per pixel.
bool erstesBildVorlegen(QWidget& fenster);

// Takes the background back once the window is mapped, so that the server
// frees the picture and later exposures show no stale frame.
void erstesBildZuruecknehmen(QWidget& fenster);
