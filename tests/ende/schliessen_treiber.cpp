// Drives the real window into a run that never ends by itself, then closes it
// the way the window system does; the process must end at once.
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "ui/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const char* fall = argc > 1 ? argv[1] : "lauf";
    Form1 fenster;  // the real platform: real waits, real tones or their silence, real exit
    fenster.show();
    fenster.cmdStart_Click();

    QTimer::singleShot(0, &fenster, [&] {
        // A trapdoor and a cat's eye in column 3 keep the probe bouncing forever.
        fenster.spiel().feldVorgabe(3, 5) = Falltuer;
        fenster.spiel().feldVorgabe(3, 2) = Katzenauge;
        fenster.picVorgabe_MouseDown(1, 3.5, 8.5);
        fenster.spiel().feldNachbau(3, 2) = Katzenauge;
        fenster.picNachbau_MouseDown(1, 3.5, 8.5);
        if (std::strcmp(fall, "zehn") == 0) {
            for (int i = 0; i < 1000; ++i)
                fenster.cmdSchrittePlus_Click();
            fenster.cmdZehn_Click();
        } else if (std::strcmp(fall, "rollo") == 0) {
            for (;;) {
                fenster.cmdJalousieRauf_Click();
                fenster.cmdJalousieRunter_Click();
            }
        } else {
            fenster.Command5_Click();
        }
        std::puts("handler returned");
    });
    QTimer::singleShot(400, &fenster, [&] {
        std::puts("schliesse");
        std::fflush(stdout);
        if (std::strcmp(fall, "menue") == 0)
            fenster.cmdProgrammEnde_Click();
        else
            fenster.close();
    });
    const int code = QApplication::exec();
    std::puts("event loop returned");
    return code == 0 ? 3 : code;
}
