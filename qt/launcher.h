#pragma once

#include "framework/message_box.h"

namespace tolvar::qt {

// Hands a program or an address to the desktop, without waiting; whether anything took it.
bool launch(const LaunchRequest& request);

}  // namespace tolvar::qt
