// X helpers of the program measurement: grabbing a window's pixels, clicking with XTest, writing PNG files.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <string>
#include <vector>

// Turns X errors into a flag instead of ending the process: the measured
// window may vanish between two requests. Installed once per process.
void xFehlerAbfangen();
// True when an X error arrived since the last call.
bool xFehlerGekommen();

// The window's top-left corner on the root window.
bool fensterUrsprung(Display* d, Window w, int& x, int& y);

// Grabs one window's pixels again and again and tells whether they changed
// since the grab before. Uses MIT-SHM when the server offers it (a grab then
// costs the server a copy, not a transfer over the socket), plain XGetImage
// otherwise.
class FensterGreifer {
public:
    FensterGreifer(Display* d, Window w);
    ~FensterGreifer();
    FensterGreifer(const FensterGreifer&) = delete;
    FensterGreifer& operator=(const FensterGreifer&) = delete;

    // Takes a new grab. Returns false when the window could not be read
    // (unmapped or gone); the grab before stays the one compared with.
    bool greifen();
    // Whether the last grab differs from the one before; true for the first
    // grab and after a change of the window's size.
    bool veraendert() const { return veraendert_; }

    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    // The last grab's pixel at (x, y) as 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const;

private:
    struct Puffer {
        XImage* bild = nullptr;
        XShmSegmentInfo shm{};
        bool mitShm = false;
    };
    void anlegen();
    void freigeben();
    void freigeben(Puffer& p);
    bool lesen(Puffer& p);

    Display* d_;
    Window w_;
    Visual* visual_ = nullptr;
    int tiefe_ = 0;
    int breite_ = 0;
    int hoehe_ = 0;
    bool shmMoeglich_ = false;
    Puffer puffer_[2];
    int aktuell_ = 0;  // index of the last grab; the other one holds the grab before
    bool hatVorigen_ = false;
    bool veraendert_ = false;
};

// A mouse click at a root-window point: the pointer moves there, the button
// is held for a moment as a hand would hold it, then released.
void klicken(Display* d, int x, int y, int knopf = 1);
// Moves the pointer without clicking.
void zeigerBewegen(Display* d, int x, int y);

// An RGB picture to be written as PNG, 0xRRGGBB per pixel, rows top to bottom.
struct RgbBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint32_t> pixel;

    static RgbBild aus(const FensterGreifer& g);
    // A red cross with a white ring around (x, y), to show where a click goes.
    void kreuz(int x, int y);
};

// Writes the picture as an uncompressed PNG; false when the file cannot be written.
bool pngSchreiben(const RgbBild& bild, const std::string& pfad);
