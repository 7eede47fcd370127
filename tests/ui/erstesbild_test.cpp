// The window as the X server shows it the moment it maps, before the toolkit has painted anything into it.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include "tests/ui/testdienste.h"
#include "ui/form1.h"

namespace {

QImage alsBild(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

// Run once at pixel ratio 1 and once at 2 (QT_SCALE_FACTOR), each on a
// virtual X server of its own.
TEST(FirstFrame, TheServerShowsTheFinishedWindowAtTheMap)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server";
    TestUmgebung u;
    Form1 f(u.dienste());
    // The toolkit returns from the show once the server has mapped the
    // window; no event has been handled since, so no paint of its own.
    f.show();
    const QImage amSchirm = alsBild(f.screen()->grabWindow(f.winId()));
    const QImage fertig = alsBild(f.grab());
    ASSERT_EQ(amSchirm.size(), fertig.size());
    EXPECT_TRUE(amSchirm == fertig) << "the window maps with another picture than its finished one";
}

// The first frame is the window's background only until the map: once the
// game has moved on, a part of the window that the server repaints from its
// background (as when a window on top goes) must not flash the start screen.
TEST(FirstFrame, IsTakenBackSoThatNoUncoveredPartShowsTheStartScreenAgain)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server";
    TestUmgebung u;
    Form1 f(u.dienste());
    f.show();
    f.cmdStart_Click();
    QCoreApplication::processEvents();
    const QImage imSpiel = alsBild(f.screen()->grabWindow(f.winId()));
    // The whole window repainted from its background by the server, without
    // an expose for the toolkit to paint over it.
    xcb_connection_t* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_clear_area(c, 0, static_cast<xcb_window_t>(f.winId()), 0, 0, 0, 0);
    xcb_flush(c);
    EXPECT_TRUE(alsBild(f.screen()->grabWindow(f.winId())) == imSpiel) << "the start screen shows through";
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
