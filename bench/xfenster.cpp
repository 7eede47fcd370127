// X helpers of the program measurement: window grabs over MIT-SHM or XGetImage, XTest clicks, plain PNG writing.
#include "bench/xfenster.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

bool fehlerGekommen = false;

int fehlerMerken(Display*, XErrorEvent*)
{
    fehlerGekommen = true;
    return 0;
}

// The 8-bit value of one colour channel of an X pixel, whatever its mask's place and width.
std::uint32_t kanal(unsigned long pixel, unsigned long maske)
{
    if (maske == 0)
        return 0;
    int schiebung = 0;
    while (!((maske >> schiebung) & 1))
        ++schiebung;
    const unsigned long hoechst = maske >> schiebung;
    const unsigned long wert = (pixel & maske) >> schiebung;
    return static_cast<std::uint32_t>(wert * 255 / hoechst);
}

void warten(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

} // namespace

void xFehlerAbfangen() { XSetErrorHandler(fehlerMerken); }

bool xFehlerGekommen()
{
    const bool war = fehlerGekommen;
    fehlerGekommen = false;
    return war;
}

bool fensterUrsprung(Display* d, Window w, int& x, int& y)
{
    Window kind = 0;
    xFehlerGekommen();
    const Bool gut = XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &kind);
    return gut && !xFehlerGekommen();
}

FensterGreifer::FensterGreifer(Display* d, Window w) : d_(d), w_(w)
{
    int major = 0, minor = 0;
    Bool pixmaps = False;
    shmMoeglich_ = XShmQueryVersion(d_, &major, &minor, &pixmaps);
    XWindowAttributes a;
    xFehlerGekommen();
    if (XGetWindowAttributes(d_, w_, &a) && !xFehlerGekommen()) {
        visual_ = a.visual;
        tiefe_ = a.depth;
        breite_ = a.width;
        hoehe_ = a.height;
        anlegen();
    }
}

FensterGreifer::~FensterGreifer() { freigeben(); }

void FensterGreifer::anlegen()
{
    if (!shmMoeglich_)
        return;
    for (Puffer& p : puffer_) {
        p.bild = XShmCreateImage(d_, visual_, static_cast<unsigned>(tiefe_), ZPixmap, nullptr, &p.shm,
                                 static_cast<unsigned>(breite_), static_cast<unsigned>(hoehe_));
        if (!p.bild)
            break;
        p.shm.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(p.bild->bytes_per_line) * p.bild->height,
                             IPC_CREAT | 0600);
        if (p.shm.shmid < 0) {
            XDestroyImage(p.bild);
            p.bild = nullptr;
            break;
        }
        p.shm.shmaddr = p.bild->data = static_cast<char*>(shmat(p.shm.shmid, nullptr, 0));
        p.shm.readOnly = False;
        xFehlerGekommen();
        const Bool angehaengt = XShmAttach(d_, &p.shm);
        XSync(d_, False);
        // Marked for removal now: it goes when both sides have detached, however this process ends.
        shmctl(p.shm.shmid, IPC_RMID, nullptr);
        p.mitShm = angehaengt && !xFehlerGekommen();
        if (!p.mitShm) {
            // A server on another machine cannot share memory; grab over the socket instead.
            shmdt(p.shm.shmaddr);
            p.bild->data = nullptr;
            XDestroyImage(p.bild);
            p.bild = nullptr;
            shmMoeglich_ = false;
            break;
        }
    }
    if (!shmMoeglich_ || !puffer_[0].mitShm || !puffer_[1].mitShm)
        freigeben();
}

void FensterGreifer::freigeben()
{
    for (Puffer& p : puffer_)
        freigeben(p);
    hatVorigen_ = false;
}

void FensterGreifer::freigeben(Puffer& p)
{
    if (p.mitShm) {
        XShmDetach(d_, &p.shm);
        XSync(d_, False);
        shmdt(p.shm.shmaddr);
        p.bild->data = nullptr;
    }
    if (p.bild)
        XDestroyImage(p.bild);
    p = Puffer{};
}

bool FensterGreifer::lesen(Puffer& p)
{
    xFehlerGekommen();
    if (p.mitShm)
        return XShmGetImage(d_, w_, p.bild, 0, 0, AllPlanes) && !xFehlerGekommen();
    XImage* neu = XGetImage(d_, w_, 0, 0, static_cast<unsigned>(breite_), static_cast<unsigned>(hoehe_), AllPlanes,
                            ZPixmap);
    if (!neu || xFehlerGekommen()) {
        if (neu)
            XDestroyImage(neu);
        return false;
    }
    if (p.bild)
        XDestroyImage(p.bild);
    p.bild = neu;
    return true;
}

bool FensterGreifer::greifen()
{
    XWindowAttributes a;
    xFehlerGekommen();
    if (!XGetWindowAttributes(d_, w_, &a) || xFehlerGekommen() || a.map_state != IsViewable)
        return false;
    if (a.width != breite_ || a.height != hoehe_ || a.depth != tiefe_) {
        freigeben();
        visual_ = a.visual;
        tiefe_ = a.depth;
        breite_ = a.width;
        hoehe_ = a.height;
        anlegen();
    }
    const int neu = 1 - aktuell_;
    if (!lesen(puffer_[neu]))
        return false;
    const XImage* b = puffer_[neu].bild;
    const XImage* v = puffer_[aktuell_].bild;
    veraendert_ = !hatVorigen_ || !v || v->bytes_per_line != b->bytes_per_line || v->height != b->height ||
                  std::memcmp(v->data, b->data, static_cast<std::size_t>(b->bytes_per_line) * b->height) != 0;
    aktuell_ = neu;
    hatVorigen_ = true;
    return true;
}

std::uint32_t FensterGreifer::pixel(int x, int y) const
{
    XImage* b = puffer_[aktuell_].bild;
    if (!b || x < 0 || y < 0 || x >= b->width || y >= b->height)
        return 0;
    const unsigned long p = XGetPixel(b, x, y);
    return kanal(p, b->red_mask) << 16 | kanal(p, b->green_mask) << 8 | kanal(p, b->blue_mask);
}

void zeigerBewegen(Display* d, int x, int y)
{
    XTestFakeMotionEvent(d, DefaultScreen(d), x, y, CurrentTime);
    XSync(d, False);
}

void klicken(Display* d, int x, int y, int knopf)
{
    zeigerBewegen(d, x, y);
    // The toolkit sees the pointer enter and move before the press, as with a hand.
    warten(30);
    XTestFakeButtonEvent(d, static_cast<unsigned>(knopf), True, CurrentTime);
    XSync(d, False);
    warten(80);
    XTestFakeButtonEvent(d, static_cast<unsigned>(knopf), False, CurrentTime);
    XSync(d, False);
}

RgbBild RgbBild::aus(const FensterGreifer& g)
{
    RgbBild b;
    b.breite = g.breite();
    b.hoehe = g.hoehe();
    b.pixel.resize(static_cast<std::size_t>(b.breite) * static_cast<std::size_t>(b.hoehe));
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x)
            b.pixel[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.breite) + static_cast<std::size_t>(x)] =
                g.pixel(x, y);
    return b;
}

void RgbBild::kreuz(int x, int y)
{
    auto setzen = [this](int px, int py, std::uint32_t farbe) {
        if (px >= 0 && py >= 0 && px < breite && py < hoehe)
            pixel[static_cast<std::size_t>(py) * static_cast<std::size_t>(breite) + static_cast<std::size_t>(px)] =
                farbe;
    };
    for (int w = 0; w < 360; w += 2) {
        const double bogen = w * 3.14159265358979 / 180.0;
        setzen(x + static_cast<int>(std::lround(7 * std::cos(bogen))), y + static_cast<int>(std::lround(7 * std::sin(bogen))),
               0xffffff);
    }
    for (int i = -10; i <= 10; ++i) {
        setzen(x + i, y, 0xff0000);
        setzen(x, y + i, 0xff0000);
    }
}

namespace {

std::array<std::uint32_t, 256> crcTafel()
{
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}

void anhaengen32(std::vector<unsigned char>& v, std::uint32_t wert)
{
    for (int s = 24; s >= 0; s -= 8)
        v.push_back(static_cast<unsigned char>(wert >> s));
}

// One PNG chunk: length, type, content, CRC over type and content.
void stueck(std::FILE* f, const char* art, const std::vector<unsigned char>& inhalt)
{
    static const auto tafel = crcTafel();
    std::vector<unsigned char> kopf;
    anhaengen32(kopf, static_cast<std::uint32_t>(inhalt.size()));
    std::fwrite(kopf.data(), 1, kopf.size(), f);
    std::uint32_t crc = 0xffffffffu;
    auto rechnen = [&](const unsigned char* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            crc = tafel[(crc ^ p[i]) & 0xff] ^ (crc >> 8);
    };
    rechnen(reinterpret_cast<const unsigned char*>(art), 4);
    rechnen(inhalt.data(), inhalt.size());
    std::fwrite(art, 1, 4, f);
    std::fwrite(inhalt.data(), 1, inhalt.size(), f);
    std::vector<unsigned char> ende;
    anhaengen32(ende, crc ^ 0xffffffffu);
    std::fwrite(ende.data(), 1, ende.size(), f);
}

} // namespace

bool pngSchreiben(const RgbBild& bild, const std::string& pfad)
{
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f)
        return false;
    static const unsigned char signatur[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::fwrite(signatur, 1, sizeof signatur, f);

    std::vector<unsigned char> kopf;
    anhaengen32(kopf, static_cast<std::uint32_t>(bild.breite));
    anhaengen32(kopf, static_cast<std::uint32_t>(bild.hoehe));
    kopf.insert(kopf.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter method, no interlace
    stueck(f, "IHDR", kopf);

    // The rows, each after its filter byte 0, in stored (uncompressed) deflate blocks.
    std::vector<unsigned char> roh;
    roh.reserve(static_cast<std::size_t>(bild.hoehe) * (1 + 3 * static_cast<std::size_t>(bild.breite)));
    for (int y = 0; y < bild.hoehe; ++y) {
        roh.push_back(0);
        for (int x = 0; x < bild.breite; ++x) {
            const std::uint32_t p =
                bild.pixel[static_cast<std::size_t>(y) * static_cast<std::size_t>(bild.breite) + static_cast<std::size_t>(x)];
            roh.insert(roh.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                   static_cast<unsigned char>(p)});
        }
    }
    std::vector<unsigned char> daten = {0x78, 0x01};
    std::size_t i = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, roh.size() - i);
        const bool letzter = i + n == roh.size();
        daten.push_back(letzter ? 1 : 0);
        daten.insert(daten.end(), {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                   static_cast<unsigned char>(~n), static_cast<unsigned char>(~n >> 8)});
        daten.insert(daten.end(), roh.begin() + static_cast<std::ptrdiff_t>(i),
                     roh.begin() + static_cast<std::ptrdiff_t>(i + n));
        i += n;
    } while (i < roh.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : roh) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    anhaengen32(daten, b << 16 | a);
    stueck(f, "IDAT", daten);
    stueck(f, "IEND", {});
    return std::fclose(f) == 0;
}
