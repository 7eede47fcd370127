// Undo and redo of the player's edits of the model field: the menu "Bearbeiten" and its history.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "model/nachbauaenderung.h"
#include "ui/bearbeitungsschritt.h"
#include "ui/form1.h"

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
