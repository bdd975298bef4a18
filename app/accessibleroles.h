#pragma once

// Roles Qt 6.4 gets wrong for this program's windows and menus, as assistive
// technology sees them. A window made of a plain QWidget (the plot, the
// functions, the documentation, the result formats) is a "filler" to Qt, not
// a window; a menu item that toggles is a plain "menu item" that says
// nothing of its check mark (and Qt's menus lose an item of another role).
// Installed once, before any window is made accessible, the factory gives
// the first the role of a window, and makes menus whose toggling items are
// check boxes, or radio buttons in an exclusive group.

namespace quorvex {

void installAccessibleRoles();

} // namespace quorvex
