// Entry point: creates the one window and runs the event loop.
#include <QApplication>
#include <QPixmapCache>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <thread>

#include "ui/form1.h"

// The bench builds the program again with one of these start-up mechanisms
// left out (TARNKISTE_OHNE_..., bench/CMakeLists.txt) to measure what it gives.
int main(int argc, char* argv[])
{
#ifndef TARNKISTE_OHNE_EIN_HEAP
    // One heap for every thread, and large blocks always handed back when
    // freed. Otherwise the threads that paint pictures during the build, and
    // fontconfig's reader, each keep a heap of their own for the program's
    // life, and once the first large picture is freed glibc takes the next
    // ones from the heap, where they leave holes: 0.5 MB of the memory as played.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
#ifndef TARNKISTE_OHNE_FONTCONFIG_FADEN
    // Fontconfig reads its configuration and font caches when first asked,
    // some 6 ms that the window's first text would wait for: read beside the
    // toolkit's own start on the second core. Fontconfig is thread-safe, and
    // the toolkit finds it initialised.
    std::thread schriften([] { FcInit(); });
    QApplication app(argc, argv);
    schriften.join();
#else
    QApplication app(argc, argv);
#endif
#ifndef TARNKISTE_MIT_STILVORRAT
    // The style keeps a painted copy of every button face, frame and slider
    // in each size and state it has drawn, for the program's life: 0.6 MB as
    // played, for a window of sixty controls in many sizes. Painted afresh,
    // the whole window takes a fraction of a frame longer (render_bench), so
    // nothing is kept.
    QPixmapCache::setCacheLimit(0);
#endif
    QApplication::setApplicationName(QStringLiteral("Tarnkiste"));
    // Lets docks and Wayland compositors match the window with its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnkiste.Tarnkiste"));
    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
