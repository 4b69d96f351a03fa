#include "shell/shell_windows.h"

#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/note_window.h"

namespace tolvar {

void registerShellWindows(ToolRegistry& registry) {
  registerTool<AboutBox>(registry, kAboutTitle);
  registerTool<HelpWindow>(registry, kHelpTitle);
  registerTool<NoteWindow>(registry, kNoteTitle);
}

}  // namespace tolvar
