#pragma once

class QWidget;

namespace metalweight {

// Asks the window manager to make `widget`'s window active as a pager or a task bar
// asks, not as the application itself: openbox's focus-stealing prevention may refuse
// an application's request whose time it finds older than the focused window's, which
// a busy machine makes likely. Does nothing off X11.
void requestActivationAsPager(QWidget& widget);

}  // namespace metalweight
