// The menu bar's additions to the design: undo and redo of the model field's edits ("Bearbeiten") and the rules.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "model/nachbauaenderung.h"
#include "ui/bearbeitungsschritt.h"
#include "ui/form1.h"
#include "ui/spielregeln.h"

void Form1::bearbeitenEinrichten()
{
    verlauf_ = new QUndoStack(this);
    cmdBearbeiten = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    cmdRueckgaengig = cmdBearbeiten->addAction(QStringLiteral("Rückgängig"));
    cmdRueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    cmdWiederholen = cmdBearbeiten->addAction(QStringLiteral("Wiederholen"));
    cmdWiederholen->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Each entry names what it would undo or redo, and is greyed when there is nothing.
    const auto folgen = [this](QAction* eintrag, const QString& wort, void (QUndoStack::*textGeaendert)(const QString&),
                               void (QUndoStack::*moeglichGeaendert)(bool)) {
        eintrag->setEnabled(false);
        connect(verlauf_, textGeaendert, eintrag, [eintrag, wort](const QString& text) {
            eintrag->setText(text.isEmpty() ? wort : wort + QStringLiteral(": ") + text);
        });
        connect(verlauf_, moeglichGeaendert, eintrag, &QAction::setEnabled);
    };
    folgen(cmdRueckgaengig, QStringLiteral("Rückgängig"), &QUndoStack::undoTextChanged, &QUndoStack::canUndoChanged);
    folgen(cmdWiederholen, QStringLiteral("Wiederholen"), &QUndoStack::redoTextChanged, &QUndoStack::canRedoChanged);
    connect(cmdRueckgaengig, &QAction::triggered, this, [this] { cmdRueckgaengig_Click(); });
    connect(cmdWiederholen, &QAction::triggered, this, [this] { cmdWiederholen_Click(); });

    // The rules follow on the menu bar; F1 opens them from anywhere in the window.
    cmdSpielregeln = menuBar()->addAction(QStringLiteral("Spielregeln"));
    cmdSpielregeln->setShortcut(QKeySequence(Qt::Key_F1));
    cmdSpielregeln->setShortcutContext(Qt::WindowShortcut);
    connect(cmdSpielregeln, &QAction::triggered, this, [this] { cmdSpielregeln_Click(); });
}

void Form1::cmdSpielregeln_Click()
{
    if (!spielregeln_)
        spielregeln_ = new Spielregeln(this);
    spielregeln_->show();
    spielregeln_->raise();
    spielregeln_->activateWindow();
}

void Form1::nachbauBearbeiten(const QString& text, const std::function<void()>& bearbeiten)
{
    const Feld vorher = spiel_.feldNachbau;
    bearbeiten();
    std::vector<Zellaenderung> aenderungen = zellaenderungen(vorher, spiel_.feldNachbau);
    if (aenderungen.empty())
        return;
    verlauf_->push(new Bearbeitungsschritt(
        text, std::move(aenderungen), [this](const std::vector<Zellaenderung>& a, bool rueckgaengig) {
            aenderungenAnwenden(spiel_.feldNachbau, a, rueckgaengig, Seite::Nachbau, *this);
        }));
}

void Form1::cmdRueckgaengig_Click() { verlauf_->undo(); }
void Form1::cmdWiederholen_Click() { verlauf_->redo(); }
