// A window under test: real controls, test seams, and pointer input in field units.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "ui/fensterflaeche.h"
#include "ui/form1.h"
#include "ui/qtzeichenflaeche.h"
#include "tests/ui/testdienste.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* aus) { *aus << '"' << text.toStdString() << '"'; }

class FensterTest : public ::testing::Test {
protected:
    TestUmgebung u;
    std::unique_ptr<Form1> f;

    void SetUp() override
    {
        f = std::make_unique<Form1>(u.dienste());
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }

    // Gives the window the input focus, as a window manager would. A
    // compositor without a seat, as the suite's headless Wayland one, gives
    // no window the focus, and the toolkit offers no activation there, so it
    // is told which window is active.
    void aktivieren()
    {
        f->activateWindow();
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(f.get());
            QT_WARNING_POP
            ASSERT_TRUE(f->isActiveWindow());
        } else {
            ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
        }
    }

    QPoint imFenster(QWidget* w, QPoint p) const { return w->mapTo(f.get(), p); }

    void bewegen(QWidget* w, QPoint p)
    {
        QTest::mouseMove(f->windowHandle(), imFenster(w, p));
        QCoreApplication::processEvents();
    }
    void bewegen(QWidget* w) { bewegen(w, w->rect().center()); }

    void klicken(QWidget* w, QPoint p, Qt::MouseButton knopf = Qt::LeftButton)
    {
        QTest::mouseClick(f->windowHandle(), knopf, {}, imFenster(w, p));
        QCoreApplication::processEvents();
    }
    void klicken(QWidget* w, Qt::MouseButton knopf = Qt::LeftButton) { klicken(w, w->rect().center(), knopf); }

    // The pixel of a field picture at (X, Y) in its units.
    static QPoint punkt(QtZeichenflaeche* feld, double X, double Y) { return feld->nachPixeln(X, Y, 0, 0).topLeft(); }
    void feldKlicken(QtZeichenflaeche* feld, double X, double Y, Qt::MouseButton knopf = Qt::LeftButton)
    {
        klicken(feld, punkt(feld, X, Y), knopf);
    }
    void feldBewegen(QtZeichenflaeche* feld, double X, double Y) { bewegen(feld, punkt(feld, X, Y)); }

    // Opens the game as the start button does.
    void starten()
    {
        f->cmdStart_Click();
        QCoreApplication::processEvents();
    }
    // A hidden box as given, as a load would leave it.
    void vorgabe(const Feld& feld)
    {
        f->spiel().feldVorgabe = feld;
        vorgabeGegeben(f->spiel());
        emit f->meldungen().vorgabeNeu();
    }
};
