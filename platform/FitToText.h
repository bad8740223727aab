#pragma once

class QLabel;

// Sizes a label to its text, as QLabel::adjustSize does, and wide enough for every glyph's ink
// too: in some fonts (bold ones, Devanagari) a glyph reaches a pixel or two past its advance,
// and the label would cut it off.
void FitToText(QLabel& label);
