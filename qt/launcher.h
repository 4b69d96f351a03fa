#pragma once

#include <QString>

#include "framework/message_box.h"

namespace tolvar::qt {

// Hands a program or an address to the desktop, without waiting. Gives the message to show
// when nothing could take it, or an empty text.
QString launch(const LaunchRequest& request);

}  // namespace tolvar::qt
