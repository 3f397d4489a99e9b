// The LCD's three text layers, drawn over the face on every paint: the main
// line (X or the number being typed), the grey stack and mode lines, and the
// shift and prefix indicators. Each text paints its cell in the LCD colour.
#pragma once

#include <QFont>
#include <QPainter>

#include "engine/calculator_state.h"

namespace tabrix {

// Main line: one 17-px cell per character from x 28, y 11; the point drawn
// 11 px into the cell before its place, before that cell's character.
void DrawMainLine(QPainter& painter, const CTabrixDoc& doc);
// Y, Z and T at (92, 37/47/57); the mode ("SCI.6") at (190, 57) and the angle
// unit at (190, 45). Grey as printed, or (highContrast) in the main line's
// black, for eyes the grey on cyan is too faint for.
void DrawStackLines(QPainter& painter, const CTabrixDoc& doc, bool highContrast = false);
// "f" at (24, 52) while the shift is on; a pending prefix word at (45, 52).
void DrawIndicators(QPainter& painter, const CTabrixDoc& doc);

// The fonts of the three layers, with the given character-cell height in pixels.
// The main line's font is narrow enough (digits at most 11 px wide) that the
// point drawn into a cell survives the opaque cells of its neighbours.
QFont MainLineFont();
QFont StackFont();
QFont IndicatorFont();

}  // namespace tabrix
