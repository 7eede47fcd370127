// The listening bridge, built into the test program as a static plugin.
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>

#include "tests/ui/mithoerer.h"

namespace {

class Mithoerer : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* ereignis) override
    {
        if (mithoeren())
            mithoeren()(ereignis);
    }
};

} // namespace

class MithoererPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "mithoerer.json")
public:
    // The toolkit never deletes the bridges it is given: one for the program's life.
    QAccessibleBridge* create(const QString&) override
    {
        static Mithoerer einer;
        return &einer;
    }
};

#include "mithoerer.moc"
