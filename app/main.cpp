// Entry point: creates the one window and runs the event loop.
#include <QApplication>
#include <QPixmapCache>

#include <malloc.h>

#include "ui/form1.h"

// The bench builds the program again with one of these start-up mechanisms
// left out (TARNKISTE_OHNE_..., bench/CMakeLists.txt) to measure what it gives.
int main(int argc, char* argv[])
{
#ifndef TARNKISTE_OHNE_EIN_HEAP
    // One heap for every thread, and large blocks always handed back when
    // freed. Otherwise the thread that paints pictures during the build keeps
    // a heap of its own for the program's life, and once the first large
    // picture is freed glibc takes the next ones from the heap, where they
    // leave holes in the memory as played (bench case `start/ohne-ein-heap`).
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication app(argc, argv);
#ifndef TARNKISTE_MIT_STILVORRAT
    // The style keeps a painted copy of every button face, frame and slider
    // in each size and state it has drawn, for the program's life: for a
    // window of sixty controls in many sizes that shows in the memory as
    // played (bench case `start/mit-stilvorrat`), while the whole window
    // painted afresh stays far inside a frame (`render/ganzes-fenster`).
    QPixmapCache::setCacheLimit(0);
#endif
    QApplication::setApplicationName(QStringLiteral("Tarnkiste"));
    // Lets docks and Wayland compositors match the window with its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnkiste.Tarnkiste"));
    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
