// What each object code is called in texts for the player, as the legend and the rules name it.
#pragma once

#include <string>

// "leer" for 0, "Katzenauge" for 1, …; the two positions of a mirror and
// the four of a half mirror are told apart ("Umlenkspiegel steigend",
// "Halbdurchlässiger Spiegel, spiegelt oben rechts"). "" for a code outside 0..11.
std::string objektName(int code);
