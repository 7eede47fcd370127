// The window's side of the probe display: pumping events, waiting and tones through the window's
// services, markers, trail and compass on its surfaces, cells and new boxes as its notices.
#include "ui/fensteranzeige.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>

#include "render/aussehen.h"
#include "render/kompass.h"
#include "render/spur.h"
#include "ui/form1.h"
#include "ui/marker.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/spielbrett.h"
#include "ui/spielmeldungen.h"

// Holds no state of its own: every call reads the window's controls afresh.
class Fensteranzeige final : public SondenAnzeige {
public:
    Fensteranzeige(Form1& fenster, const Dienste& dienste, Spielmeldungen& meldungen)
        : f_(fenster), dienste_(dienste), meldungen_(meldungen)
    {
    }

    void ereignisseAbarbeiten() override
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    void warten(int millisekunden) override { dienste_.zeitgeber->warten(millisekunden); }

    void markerSchieben(Seite seite, double ddx, double ddy) override { f_.brett(seite).markerSchieben(ddx, ddy); }

    void spurZeichnen(double x1, double y1, double x2, double y2) override
    {
        ::spurZeichnen(*f_.picNachbau, x1, y1, x2, y2);
    }

    void zelleGeaendert(Seite seite, int code, int x, int y) override
    {
        emit meldungen_.zelleGeaendert(seite, code, x, y);
    }
    void vorgabeNeu() override { emit meldungen_.vorgabeNeu(); }

    void kompassZeigen(Richtung r) override { ::kompassZeigen(*f_.pickompass, r); }

    void ortZeigen(int x, int y) override
    {
        f_.txtOrtx->setText(QString::number(x));
        f_.txtOrty->setText(QString::number(y));
    }

    void markerAusgang() override
    {
        f_.shpBallVorgabe->fuellungSetzen(qtFarbe(markerAusgangWeiss));
        if (f_.shpBallVorgabe->isVisible())
            f_.shpBallVorgabe->repaint();
    }

    void ton(int hertz, int millisekunden) override { dienste_.tonausgabe->ton(hertz, millisekunden); }

    // The thumb's place, not the value: while the player drags it in the middle of
    // a run, the pace follows from the next step on.
    int geschwindigkeit() override { return f_.hscV->sliderPosition(); }
    bool tonAn() override { return f_.chkTon->checkState() == Qt::Checked; }
    bool spurAn() override { return f_.chkSpur->checkState() == Qt::Checked; }

private:
    Form1& f_;
    const Dienste& dienste_;
    Spielmeldungen& meldungen_;
};

std::unique_ptr<SondenAnzeige> fensteranzeige(Form1& fenster, const Dienste& dienste, Spielmeldungen& meldungen)
{
    return std::make_unique<Fensteranzeige>(fenster, dienste, meldungen);
}
