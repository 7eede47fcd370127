// The first frame as the background pixmap of the window's X window, handed to the server through shared memory or the connection.
#include "ui/erstesbild.h"

#include <QGuiApplication>
#include <QWidget>

// Only where the toolkit has its X platform and the build found XCB.
#if QT_CONFIG(xcb) && defined(TARNKISTE_XCB)

#include "ui/vorbelegen.h"

#include <QImage>

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

xcb_connection_t* verbindung()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Whether the server stores pixels of `tiefe` as 32-bit words in the byte
// order of this machine's QImage::Format_RGB32.
bool zweiunddreissigBit(const xcb_setup_t* setup, std::uint8_t tiefe)
{
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        if (it.data->depth == tiefe)
            return it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
    return false;
}

// What the window is painted into: its size in device pixels, the depth of
// its X window, and its pixel ratio.
struct Bildmasse {
    QSize pixel;
    std::uint8_t tiefe;
    qreal faktor;

    std::size_t bytes() const { return static_cast<std::size_t>(pixel.width()) * 4 * static_cast<std::size_t>(pixel.height()); }
    // A picture over `daten` where given, of its own otherwise.
    QImage bild(uchar* daten = nullptr) const
    {
        const QImage::Format format = tiefe == 32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        QImage b = daten ? QImage(daten, pixel.width(), pixel.height(), pixel.width() * 4, format) : QImage(pixel, format);
        b.setDevicePixelRatio(faktor);
        bildVorbelegen(b);
        return b;
    }
};

// Whether the server can map memory of ours passed over the connection and
// keep a pixmap in it (MIT-SHM 1.2): only over a local socket, as passing a
// descriptor over any other would end the toolkit's connection.
bool teiltSpeicher(xcb_connection_t* c)
{
    sockaddr_storage adresse{};
    socklen_t laenge = sizeof adresse;
    if (getsockname(xcb_get_file_descriptor(c), reinterpret_cast<sockaddr*>(&adresse), &laenge) != 0 ||
        adresse.ss_family != AF_UNIX)
        return false;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (!shm || !shm->present)
        return false;
    xcb_shm_query_version_reply_t* version = xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
    const bool kann = version && (version->major_version > 1 || (version->major_version == 1 && version->minor_version >= 2)) &&
                      version->shared_pixmaps && version->pixmap_format == XCB_IMAGE_FORMAT_Z_PIXMAP;
    std::free(version);
    return kann;
}

// Paints the window into memory shared with the server and makes `pixmap`
// a pixmap in that memory: the window's megabytes through a busy machine's
// socket, and the server's reading them from there, came later than its one
// reading of the shared pages (the first frame's gain is the bench case
// `start/boden`, last change after the map). Returns false, having sent
// nothing, where the server or the system cannot share.
bool ueberGeteiltenSpeicher(xcb_connection_t* c, QWidget& fenster, const Bildmasse& l, xcb_pixmap_t pixmap)
{
    if (!teiltSpeicher(c))
        return false;
    const std::size_t groesse = l.bytes();
    const int fd = memfd_create("tarnkiste-erstes-bild", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    void* daten = ftruncate(fd, static_cast<off_t>(groesse)) == 0
                      ? mmap(nullptr, groesse, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                      : MAP_FAILED;
    if (daten == MAP_FAILED) {
        close(fd);
        return false;
    }
    {
        QImage bild = l.bild(static_cast<uchar*>(daten));
        fenster.render(&bild);
        const xcb_shm_seg_t segment = xcb_generate_id(c);
        // The connection closes the descriptor once it has passed it on; the
        // server maps the memory itself and keeps it while the pixmap lives,
        // so ours may go at once. A pixmap needs its memory writable.
        xcb_shm_attach_fd(c, segment, fd, 0);
        xcb_shm_create_pixmap(c, pixmap, static_cast<xcb_window_t>(fenster.winId()),
                              static_cast<std::uint16_t>(bild.width()), static_cast<std::uint16_t>(bild.height()), l.tiefe,
                              segment, 0);
        xcb_shm_detach(c, segment);
    }
    munmap(daten, groesse);
    return true;
}

// Paints the window into a picture of its own and sends it through the
// connection: whole rows, as many as one request may carry (the maximum is
// in words and includes the request's own header).
void ueberDieVerbindung(xcb_connection_t* c, QWidget& fenster, const Bildmasse& l, xcb_pixmap_t pixmap)
{
    QImage bild = l.bild();
    fenster.render(&bild);
    xcb_create_pixmap(c, l.tiefe, pixmap, static_cast<xcb_window_t>(fenster.winId()),
                      static_cast<std::uint16_t>(bild.width()), static_cast<std::uint16_t>(bild.height()));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    const auto zeile = static_cast<std::size_t>(bild.bytesPerLine());
    const std::size_t hoechstens = std::min<std::size_t>(xcb_get_maximum_request_length(c), 1u << 20) * 4 - 64;
    const int zeilenJeAnfrage = std::max(1, static_cast<int>(hoechstens / zeile));
    for (int y = 0; y < bild.height(); y += zeilenJeAnfrage) {
        const int n = std::min(zeilenJeAnfrage, bild.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<std::uint16_t>(bild.width()),
                      static_cast<std::uint16_t>(n), 0, static_cast<std::int16_t>(y), 0, l.tiefe,
                      static_cast<std::uint32_t>(zeile * static_cast<std::size_t>(n)), bild.constScanLine(y));
    }
    xcb_free_gc(c, gc);
}

} // namespace

bool erstesBildVorlegen(QWidget& fenster)
{
    xcb_connection_t* c = verbindung();
    if (!c || !fenster.isWindow() || !fenster.testAttribute(Qt::WA_WState_Created))
        return false;
    const auto w = static_cast<xcb_window_t>(fenster.winId());
    xcb_get_geometry_reply_t* geometrie = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!geometrie)
        return false;
    const std::uint8_t tiefe = geometrie->depth;
    std::free(geometrie);
    if ((tiefe != 24 && tiefe != 32) || !zweiunddreissigBit(xcb_get_setup(c), tiefe))
        return false;
    // The X window still has its first size here; the toolkit gives it the
    // widget's before it maps it.
    const qreal r = fenster.devicePixelRatioF();
    const Bildmasse l{{qRound(fenster.width() * r), qRound(fenster.height() * r)}, tiefe, r};
    if (l.pixel.width() < 1 || l.pixel.height() < 1 || l.pixel.width() > 32767 || l.pixel.height() > 32767)
        return false;

    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    if (!ueberGeteiltenSpeicher(c, fenster, l, pixmap))
        ueberDieVerbindung(c, fenster, l, pixmap);
    xcb_change_window_attributes(c, w, XCB_CW_BACK_PIXMAP, &pixmap);
    // The window holds the picture now.
    xcb_free_pixmap(c, pixmap);
    return true;
}

void erstesBildZuruecknehmen(QWidget& fenster)
{
    xcb_connection_t* c = verbindung();
    if (!c || !fenster.testAttribute(Qt::WA_WState_Created))
        return;
    const std::uint32_t keins = XCB_BACK_PIXMAP_NONE;
    xcb_change_window_attributes(c, static_cast<xcb_window_t>(fenster.winId()), XCB_CW_BACK_PIXMAP, &keins);
    xcb_flush(c);
}

#else

bool erstesBildVorlegen(QWidget&) { return false; }
void erstesBildZuruecknehmen(QWidget&) {}

#endif
