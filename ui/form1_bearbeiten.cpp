// Undo and redo of the model field's edits ("Bearbeiten"): each edit kept as the cells it changed.
#include <QUndoStack>

#include "model/nachbauaenderung.h"
#include "ui/bearbeitungsschritt.h"
#include "ui/form1.h"

void Form1::nachbauBearbeiten(const QString& text, const std::function<void()>& bearbeiten)
{
    const Feld vorher = spiel_.feldNachbau;
    bearbeiten();
    std::vector<Zellaenderung> aenderungen = zellaenderungen(vorher, spiel_.feldNachbau);
    if (aenderungen.empty())
        return;
    verlauf_->push(new Bearbeitungsschritt(
        text, std::move(aenderungen), [this](const std::vector<Zellaenderung>& a, bool rueckgaengig) {
            aenderungenAnwenden(spiel_.feldNachbau, a, rueckgaengig, Seite::Nachbau, *anzeige_);
        }));
}

void Form1::cmdRueckgaengig_Click() { verlauf_->undo(); }
void Form1::cmdWiederholen_Click() { verlauf_->redo(); }
