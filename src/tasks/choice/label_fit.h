#pragma once

class QLabel;

namespace zorna {

// Where the font the window was designed with is replaced by a wider one, a
// word-wrapped label's text may not fit its box: the point size is lowered in
// half-point steps (not below 8 pt) until the whole text fits.
void shrinkToFit(QLabel* label);

} // namespace zorna
