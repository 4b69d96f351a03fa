#include "qt/fixed_pitch_font.h"

namespace tolvar::qt {

QFont fixedPitchFont(const QFont& base) {
  QFont font = base;
  font.setFamilies({"Noto Sans Mono CJK SC", "WenQuanYi Zen Hei Mono", "Sarasa Mono SC"});
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace tolvar::qt
