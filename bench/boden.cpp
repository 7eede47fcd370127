// The toolkit's floor for the start measurement: a bare Qt Widgets window of the
// game's client size with a menu bar and as many plain widgets as the game has controls.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

// Form1's controls under its window surface, counted with findChildren.
constexpr int anzahlSteuerelemente = 78;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Tarnkiste Boden"));
    auto* flaeche = new QWidget(&fenster);
    flaeche->setMinimumSize(1082, 709);
    fenster.setCentralWidget(flaeche);
    // Nothing is painted: each widget only takes its place in a grid.
    for (int i = 0; i < anzahlSteuerelemente; ++i) {
        auto* w = new QWidget(flaeche);
        w->setGeometry(10 + (i % 13) * 80, 10 + (i / 13) * 100, 70, 90);
    }
    QMenu* datei = fenster.menuBar()->addMenu(QStringLiteral("Datei"));
    datei->addAction(QStringLiteral("speichern (das rechte Feld)"));
    datei->addAction(QStringLiteral("öffnen (im linken Feld)"));
    datei->addAction(QStringLiteral("schließen"));
    fenster.menuBar()->addAction(QStringLiteral("?"));
    fenster.menuBar()->addAction(QStringLiteral("Prüfen"));
    fenster.show();
    return QApplication::exec();
}
