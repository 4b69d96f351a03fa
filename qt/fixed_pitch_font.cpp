#include "qt/fixed_pitch_font.h"

#include <QStringList>

namespace tolvar::qt {

QFont fixedPitchFont(const QFont& base) {
  QFont font = base;
  QStringList families;
  families << QStringLiteral("Noto Sans Mono CJK SC") << QStringLiteral("WenQuanYi Zen Hei Mono");
  font.setFamilies(families);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace tolvar::qt
