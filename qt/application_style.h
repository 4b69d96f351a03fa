#pragma once

#include <QApplication>
#include <QIcon>

namespace tolvar::qt {

// Fonts with Simplified Chinese glyphs whatever the locale, the application's name and icon.
void applyApplicationStyle(QApplication& app);

QIcon applicationIcon();

}  // namespace tolvar::qt
