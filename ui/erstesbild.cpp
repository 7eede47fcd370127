// The first frame as the background pixmap of the window's X window, uploaded in requests the server takes.
#include "ui/erstesbild.h"

#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

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

} // namespace

bool erstesBildVorlegen(QWidget& fenster, QImage* leinwand)
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
    const int breite = qRound(fenster.width() * r);
    const int hoehe = qRound(fenster.height() * r);
    if (breite < 1 || hoehe < 1 || breite > 32767 || hoehe > 32767)
        return false;

    const QImage::Format format = tiefe == 32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    // Painted into the window's own buffer where it fits: its next paint
    // paints it over anyway, and a picture of its own would add 3 MB to the
    // peak memory.
    QImage eigenes;
    // The toolkit's own buffer is premultiplied ARGB even at depth 24; an
    // opaque window has the same bytes in both, the server ignores the top one.
    const bool passt = leinwand && leinwand->size() == QSize(breite, hoehe) &&
                       (leinwand->format() == format || leinwand->format() == QImage::Format_ARGB32_Premultiplied);
    if (!passt) {
        eigenes = QImage(breite, hoehe, format);
        eigenes.setDevicePixelRatio(r);
        leinwand = &eigenes;
    }
    QImage& bild = *leinwand;
    fenster.render(&bild);

    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, tiefe, pixmap, w, static_cast<std::uint16_t>(breite), static_cast<std::uint16_t>(hoehe));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    // Whole rows, as many as one request may carry (the maximum is in words
    // and includes the request's own header).
    const auto zeile = static_cast<std::size_t>(bild.bytesPerLine());
    const std::size_t hoechstens = std::min<std::size_t>(xcb_get_maximum_request_length(c), 1u << 20) * 4 - 64;
    const int zeilenJeAnfrage = std::max(1, static_cast<int>(hoechstens / zeile));
    for (int y = 0; y < hoehe; y += zeilenJeAnfrage) {
        const int n = std::min(zeilenJeAnfrage, hoehe - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<std::uint16_t>(breite),
                      static_cast<std::uint16_t>(n), 0, static_cast<std::int16_t>(y), 0, tiefe,
                      static_cast<std::uint32_t>(zeile * static_cast<std::size_t>(n)), bild.constScanLine(y));
    }
    xcb_free_gc(c, gc);
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
