#pragma once

class QWidget;

// A window laid out by hand, each part at its place from the left, runs from the right in a
// language written from right to left: every part goes to the same place from the right. Call
// it once the parts are placed and sized; it does nothing for a language written from the left.
void PlaceFromTheRight(QWidget& window);
