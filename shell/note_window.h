#pragma once

#include "framework/tool.h"

namespace tolvar {

inline constexpr const char* kNoteTitle = "note";

// Explains where the industry discharge coefficient windows come from and how to use them.
class NoteWindow : public Tool {
 public:
  NoteWindow();
};

}  // namespace tolvar
