// The window's side of the probe display: pumping events, waiting and tones through the window's
// services, markers, trail, cells and compass on its surfaces.
#include "ui/fensteranzeige.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>

#include "render/aussehen.h"
#include "render/glyphen.h"
#include "render/kompass.h"
#include "render/spur.h"
#include "ui/form1.h"
#include "ui/marker.h"
#include "ui/qtfarbe.h"
#include "ui/qtzeichenflaeche.h"

// Holds no state of its own: every call reads the window's controls afresh.
class Fensteranzeige final : public SondenAnzeige {
public:
    explicit Fensteranzeige(Form1& fenster) : f_(fenster) {}

    void ereignisseAbarbeiten() override
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    void warten(int millisekunden) override { f_.dienste_.zeitgeber->warten(millisekunden); }

    void markerSchieben(Seite seite, double ddx, double ddy) override
    {
        Marker* m = seite == Seite::Vorgabe ? f_.shpBallVorgabe : f_.shpBallNachbau;
        const QRect vorher = m->geometry();
        m->verschieben(ddx, ddy);
        // Shown at once: the steps do not let events run between their slides.
        if (m->isVisible())
            f_.bild(seite).repaint(vorher.united(m->geometry()));
    }

    void spurZeichnen(double x1, double y1, double x2, double y2) override
    {
        ::spurZeichnen(*f_.picNachbau, x1, y1, x2, y2);
    }

    void zelleZeichnen(Seite seite, int code, int x, int y) override
    {
        ::zelleZeichnen(f_.bild(seite), seite, code, x, y);
        // Every change of either field passes here: a model cell changes the
        // marks, a hidden field with new contents empties the record, and the
        // screen reader's name of a cell under a cursor follows its content.
        f_.beobachtungenVormerken();
        f_.cursorZelleGezeichnet(seite, x, y);
    }

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

    void ton(int hertz, int millisekunden) override { f_.dienste_.tonausgabe->ton(hertz, millisekunden); }

    // The thumb's place, not the value: while the player drags it in the middle of
    // a run, the pace follows from the next step on.
    int geschwindigkeit() override { return f_.hscV->sliderPosition(); }
    bool tonAn() override { return f_.chkTon->checkState() == Qt::Checked; }
    bool spurAn() override { return f_.chkSpur->checkState() == Qt::Checked; }

private:
    Form1& f_;
};

std::unique_ptr<SondenAnzeige> fensteranzeige(Form1& fenster) { return std::make_unique<Fensteranzeige>(fenster); }
