// Screen-reader access to the calculator picture: the view exposes the LCD as
// a text element that reads like a person would say it, and each of the 29
// keys as a button named by its labels whose press action executes it.
#pragma once

namespace tabrix {

class CTabrixView;

// Registers the view's accessibility interfaces with Qt (once per process).
void InstallKeypadAccessibility();

// Tells an attached screen reader that the LCD may read differently now.
void AnnounceLcdChange(CTabrixView* view);

}  // namespace tabrix
