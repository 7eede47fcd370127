// The window as the X server shows it the moment it maps, before the toolkit has painted anything into it.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

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
