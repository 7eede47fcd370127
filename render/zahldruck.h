// Whole numbers written the way the board labels show them.
#pragma once

#include <string>

// A blank in place of the sign (or "-"), the digits, one trailing blank: " 8 ", "-3 ".
std::string gedruckteZahl(int n);
