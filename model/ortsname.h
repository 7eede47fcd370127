// Places named as the board's labels name them, for texts shown to the player.
#pragma once

#include <string>

// Columns a to h from the left, rows 8 at the top down to 1 at the bottom:
// the cell (2, 4) is "c4".
std::string zellenName(int x, int y);

// A place of the border ring by its border and the label beside it: "unten c",
// "oben f", "links 8", "rechts 1"; a cell as "im Feld d4". The corners of
// the ring, which no probe starts from or leaves through, give "".
std::string ortsName(int x, int y);
