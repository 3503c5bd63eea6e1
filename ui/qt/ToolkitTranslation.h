#pragma once

#include <QTranslator>

namespace metalweight {

// Qt's own texts (the About box's button, the context menus of the fields and of the
// category list's scroll bar) in Simplified Chinese, whatever the user's locale: Qt's
// translation is built into the program, so every copy carries it, wherever the system
// keeps its translations or whether it has any. Installed for the object's lifetime.
class ToolkitTranslation {
  public:
    ToolkitTranslation();
    ~ToolkitTranslation();
    ToolkitTranslation(const ToolkitTranslation&) = delete;
    ToolkitTranslation& operator=(const ToolkitTranslation&) = delete;

  private:
    QTranslator translator_;
};

}  // namespace metalweight
