#pragma once

namespace metalweight {

// What a screen reader meets in the window, through Qt's accessibility bridge:
// - the window is a frame (a top-level window) named by its title;
// - each drop-down (Comchoice and the three value fields) is named by its caption and
//   offers its current text as its value and as read-only text, with its list of
//   entries as a child. Qt's own drop-down names itself by its current entry on Linux,
//   so a screen reader would announce "89" instead of "外径(mm): 89".
// Installed once, before the window's first accessible object is asked for.
void installAccessibleInterfaces();

}  // namespace metalweight
