#pragma once

#include <QWidget>

#include "framework/message_box.h"

namespace tolvar::qt {

// Shows a modal message box with the buttons a Chinese desktop shows (确定, 是, 否).
Answer showMessageBox(const MessageBox& box, QWidget* parent = nullptr);

}  // namespace tolvar::qt
