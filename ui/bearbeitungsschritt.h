// One undoable edit of the model field, as Qt's undo stack keeps it.
#pragma once

#include <QUndoCommand>

#include <functional>
#include <vector>

#include "model/nachbauaenderung.h"

// The edit is done by the time it is pushed: the first redo, which the stack
// makes on pushing, does nothing.
class Bearbeitungsschritt : public QUndoCommand {
public:
    // `anwenden(aenderungen, rueckgaengig)` writes and redraws the cells.
    using Anwenden = std::function<void(const std::vector<Zellaenderung>&, bool rueckgaengig)>;

    Bearbeitungsschritt(const QString& text, std::vector<Zellaenderung> aenderungen, Anwenden anwenden);

    void undo() override;
    void redo() override;

private:
    std::vector<Zellaenderung> aenderungen_;
    Anwenden anwenden_;
    bool getan_ = true;  // until the stack's first redo
};
