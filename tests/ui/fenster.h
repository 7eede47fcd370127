// A window under test: real controls, test seams, and pointer input in field units.
#pragma once

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
    }
};
