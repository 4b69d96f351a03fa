#pragma once

#include <QFont>

namespace tolvar::qt {

// A fixed-width font in which a Chinese character is exactly two Latin characters wide, so that
// a text padded with blanks lines up in columns; the size follows the given font.
QFont fixedPitchFont(const QFont& base);

}  // namespace tolvar::qt
