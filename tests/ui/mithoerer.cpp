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
    QAccessibleBridge* create(const QString&) override { return new Mithoerer; }
};

#include "mithoerer.moc"
