// The tool bar's 16 x 16 pictures, drawn rather than loaded.
#pragma once

#include <QIcon>

namespace tabrix {

QIcon CutIcon();
QIcon CopyIcon();
QIcon PasteIcon();
QIcon AboutIcon();
// Three lines: the menu of more menus, in the menu bar's text colour.
QIcon MoreIcon(const QColor& color);

}  // namespace tabrix
