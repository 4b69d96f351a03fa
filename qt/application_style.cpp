#include "qt/application_style.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "framework/message_box.h"
#include "qt/text_conversion.h"

namespace tolvar::qt {

void applyApplicationStyle(QApplication& app) {
  // Without explicit families fontconfig may pick the Japanese forms of the CJK font.
  QFont font = app.font();
  font.setFamilies({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Noto Sans SC", "Noto Sans"});
  app.setFont(font);
  app.setApplicationName(toQString(kApplicationTitle));
  app.setApplicationVersion(QStringLiteral("%1.%2.%3")
                                .arg(TOLVAR_VERSION_MAJOR)
                                .arg(TOLVAR_VERSION_MINOR)
                                .arg(TOLVAR_VERSION_REVISION));
  app.setWindowIcon(applicationIcon());
}

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 128, 64));
    painter.setPen(QPen(QColor(0, 80, 40), size / 16.0));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont font;
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("T"));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tolvar::qt
