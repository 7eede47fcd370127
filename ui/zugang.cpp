// Accessible interfaces: the picture button and switch, and the windows of their own.
#include "ui/zugang.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/festesbild.h"

namespace {

// A FestesBild that the keyboard uses: a push button, or a check box whose
// checked state is the switch's (a border switch: checked means open).
class FestesBildZugang : public QAccessibleWidget {
public:
    explicit FestesBildZugang(FestesBild* bild)
        : QAccessibleWidget(bild, bild->bedienung() == FestesBild::Bedienung::Schalter ? QAccessible::CheckBox
                                                                                        : QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (bild()->bedienung() == FestesBild::Bedienung::Schalter) {
            s.checkable = true;
            s.checked = bild()->an();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << (bild()->bedienung() == FestesBild::Bedienung::Schalter
                                                        ? QAccessibleActionInterface::toggleAction()
                                                        : QAccessibleActionInterface::pressAction());
    }

    void doAction(const QString& aktion) override
    {
        if (aktion == QAccessibleActionInterface::toggleAction() || aktion == QAccessibleActionInterface::pressAction())
            emit bild()->geklickt();
        else
            QAccessibleWidget::doAction(aktion);
    }

private:
    FestesBild* bild() const { return static_cast<FestesBild*>(widget()); }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String("FestesBild")) {
        auto* bild = qobject_cast<FestesBild*>(objekt);
        if (bild && bild->bedienung() != FestesBild::Bedienung::Keine)
            return new FestesBildZugang(bild);
        return nullptr;
    }
    // A plain widget shown as a window would be a "filler" to the screen reader.
    if (klasse == QLatin1String("Beobachtungsfenster") || klasse == QLatin1String("Spielregeln"))
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window);
    return nullptr;
}

} // namespace

void zugangEinrichten()
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
}
