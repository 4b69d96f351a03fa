#include "catalogues/hazardous_waste_full_text.h"

#include <optional>
#include <stdexcept>

#include "catalogues/hazardous_waste_document.h"
#include "catalogues/hazardous_waste_window.h"
#include "framework/embedded_sheet_window.h"

namespace tolvar::catalogues {
namespace {

// The list's form has no measurements of its own: a document box as wide as the table's first
// columns read comfortably, the two buttons centred under it.
const EmbeddedSheetLayout kLayout{
    .clientWidth = 760,
    .clientHeight = 520,
    .box = {12, 12, 736, 456},
    .activateButton = {254, 480, 119, 25},
    .closeButton = {385, 480, 105, 25},
};

// A list whose data file could not be read leaves the window without a document, and the
// activate button then says so as the window always has.
std::optional<Worksheet> document() {
  try {
    return hazardousWasteDocument(hazardousWasteList());
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
}

}  // namespace

std::unique_ptr<Tool> hazardousWasteFullTextWindow() {
  EmbeddedSheetTexts texts;
  texts.title = kHazardousWasteFullTextTitle;
  texts.activateCaption = "激活（复原）查看";
  texts.closeCaption = "关闭WORD";
  texts.unavailableMessage = "你的电脑上未装WORD，请装入以后，才能使用！";
  return std::make_unique<EmbeddedSheetWindow>(texts, kLayout, document(), true);
}

}  // namespace tolvar::catalogues
