#pragma once

#include <QString>

#include "report/appendix.h"

namespace tolvar::qt {

enum class AppendixFormat { html, odf, pdf };

// Writes the appendix to path in that format; an existing file is replaced only when the whole
// new file has been written. Returns why it failed, or an empty text.
QString saveAppendix(const Appendix& appendix, const QString& path, AppendixFormat format);

}  // namespace tolvar::qt
