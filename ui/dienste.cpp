// The real implementations of the window's seams.
#include "ui/dienste.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTime>
#include <QTranslator>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "ui/pulseton.h"

namespace {

// The interface is German; so are Qt's own dialogs where the translation is
// installed. It is loaded when the first dialog opens: most games never open
// one, and a start without it is quicker.
void dialogTexteLaden()
{
    static bool geladen = false;
    if (geladen)
        return;
    geladen = true;
    static QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);
}

class QtDialoge : public Dialoge {
public:
    std::optional<QString> dateiSpeichern(QWidget* eltern, const QString& ordner, const QString& name) override
    {
        return waehlen(eltern, ordner, name, QFileDialog::AcceptSave);
    }

    std::optional<QString> dateiOeffnen(QWidget* eltern, const QString& ordner, const QString& name) override
    {
        return waehlen(eltern, ordner, name, QFileDialog::AcceptOpen);
    }

    void meldung(QWidget* eltern, const QString& titel, const QString& text, bool symbol) override
    {
        dialogTexteLaden();
        QMessageBox box(symbol ? QMessageBox::Warning : QMessageBox::NoIcon, titel, text, QMessageBox::Ok, eltern);
        box.exec();
    }

private:
    static std::optional<QString> waehlen(QWidget* eltern, const QString& ordner, const QString& name,
                                          QFileDialog::AcceptMode modus)
    {
        dialogTexteLaden();
        QFileDialog dialog(eltern);
        dialog.setAcceptMode(modus);
        dialog.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDirectory(ordner);
        // The name box shows the preset text as it is, also a pattern such as "*tkx".
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

// Sleeps towards a running deadline: a wait that follows closely on the last
// one starts where that one should have ended, so the few hundred
// microseconds every sleep and every drawing step overshoot do not add up
// over the twelve slides of a step. After a real break it starts afresh.
class Schlaf : public Zeitgeber {
public:
    void warten(int millisekunden) override
    {
        if (millisekunden <= 0)
            return;
        const auto jetzt = std::chrono::steady_clock::now();
        const auto basis = (jetzt - frist_ < nachholen) ? frist_ : jetzt;
        frist_ = basis + std::chrono::milliseconds(millisekunden);
        std::this_thread::sleep_until(frist_);
    }

private:
    static constexpr std::chrono::milliseconds nachholen{5};
    std::chrono::steady_clock::time_point frist_{};
};

} // namespace

Dienste echteDienste()
{
    Dienste d;
    d.dialoge = std::make_shared<QtDialoge>();
    d.zeitgeber = std::make_shared<Schlaf>();
    d.tonausgabe = std::make_shared<PulseTonausgabe>(d.zeitgeber);
    d.zufall = std::make_shared<StandardZufall>();
    d.tageszeit = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    d.beenden = [] { std::_Exit(0); };
    return d;
}
