// A screen reader's ear for the window tests: every accessibility event the toolkit sends out.
#pragma once

#include <functional>

class QAccessibleEvent;

// The toolkit hands its events to an update handler only while a screen
// reader has made the framework active, which never happens on the
// offscreen platform; the bridges to the platform, which this plugin is
// one of, get every event. Set while a test listens; nothing otherwise.
inline std::function<void(QAccessibleEvent*)>& mithoeren()
{
    static std::function<void(QAccessibleEvent*)> hoerer;
    return hoerer;
}
