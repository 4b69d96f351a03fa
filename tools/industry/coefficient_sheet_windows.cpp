#include "tools/industry/coefficient_sheet_windows.h"

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "framework/embedded_data.h"
#include "framework/embedded_sheet_window.h"
#include "tools/industry/coefficient_sheet.h"

namespace tolvar::industry {
namespace {

// One window as its form was drawn, in twips: client area, sheet box and the two buttons.
struct SheetForm {
  const char* title;
  const char* heading;  // empty for the textile windows
  const char* sheet;    // the file under data/industry/
  int clientWidth, clientHeight;
  int boxLeft, boxTop, boxWidth, boxHeight;
  int activateLeft, activateTop;
  int closeLeft, closeTop;
};

constexpr std::array<SheetForm, 22> kForms = {{
    {"铜精矿污染物排放的计算", "铜精矿污染物排放的计算", "copper_concentrate", 8010, 4245, 600, 720,
     6975, 2415, 2160, 3480, 4560, 3480},
    {"粗铜行业", "粗铜行业污染物排放的计算", "blister_copper", 7635, 5505, 720, 840, 6495, 3495,
     1680, 4680, 4080, 4680},
    {"铜锭铜板铅管带", "铜锭、铜板、铅管带污染物排放的计算", "copper_ingot_plate_tube", 7545, 6165,
     720, 840, 6495, 4215, 1680, 5400, 4080, 5400},
    {"粗铅行业产排污量", "粗铅行业污染物排放的计算", "crude_lead", 7620, 4440, 720, 840, 6495, 2535,
     1680, 3720, 4080, 3720},
    {"粗锌行业污染物排放", "粗锌行业污染物排放的计算", "crude_zinc", 7605, 4815, 720, 840, 6495,
     2895, 2040, 4080, 4320, 4080},
    {"氧化铝", "氧化铝行业污染物排放的计算", "alumina", 7770, 4815, 840, 840, 6495, 2895, 1320,
     4080, 4680, 4080},
    {"电解铝", "电解铝行业污染物排放的计算", "electrolytic_aluminium", 7515, 4230, 600, 840, 6495,
     2295, 1200, 3480, 4560, 3480},
    {"铝锭铝厚板", "铝锭铝厚板行业污染物排放的计算", "aluminium_ingot_plate", 7545, 5415, 600, 840,
     6495, 3495, 1320, 4680, 4080, 4680},
    {"铝薄板铝箔", "铝薄板铝箔行业污染物排放的计算", "aluminium_sheet_foil", 7770, 5400, 840, 840,
     6495, 3495, 1680, 4680, 4680, 4680},
    {"铝铸件铝材", "铝铸件铝材行业污染物排放的计算", "aluminium_casting_profile", 7695, 5400, 720,
     840, 6495, 3495, 1320, 4680, 4560, 4680},
    {"镍行业", "镍行业行业污染物排放的计算", "nickel", 7470, 5640, 600, 840, 6495, 3735, 1680, 4920,
     4560, 4920},
    {"碱法制浆行业", "碱法制浆行业污染物排放的计算", "alkaline_pulping", 7740, 3990, 720, 840, 6495,
     2055, 1560, 3240, 4440, 3240},
    {"纸袋纸、新闻纸、书写纸", "纸袋纸、新闻纸、书写纸行业污染物排放的计算", "paper", 7800, 3570,
     720, 840, 6615, 1695, 1680, 2880, 4200, 2880},
    {"酒精行业污染物", "酒精行业污染物排放的计算", "alcohol", 7620, 3630, 600, 840, 6615, 1695,
     1560, 2880, 4080, 2880},
    {"制革行业", "制革行业污染物排放的计算", "leather", 7740, 4545, 720, 840, 6615, 2655, 2040,
     3840, 4800, 3840},
    {"绒线类", "", "textile_yarn", 7740, 3390, 600, 360, 6615, 2055, 1680, 2760, 4080, 2760},
    {"毛精纺", "", "textile_worsted", 7425, 3360, 480, 240, 6615, 2055, 1320, 2640, 3720, 2640},
    {"毛粗纺", "", "textile_woollen", 7320, 3390, 480, 240, 6615, 2055, 1440, 2640, 3840, 2640},
    {"丝织类", "", "textile_silk", 7500, 3480, 600, 360, 6615, 2055, 1680, 2760, 3960, 2760},
    {"棉针织", "", "textile_cotton_knit", 7395, 3390, 480, 240, 6615, 2055, 1440, 2640, 3720, 2640},
    {"棉机织", "", "textile_cotton_woven", 7260, 3420, 360, 240, 6615, 2055, 1320, 2640, 3720,
     2640},
    {"麻纺类", "", "textile_linen", 7395, 3135, 480, 240, 6615, 1815, 1440, 2400, 3720, 2400},
}};

// A sheet whose file is missing or malformed is no sheet: its window says it cannot show it.
std::optional<Worksheet> loadSheet(const SheetForm& form) {
  try {
    return parseCoefficientSheet(embeddedData("industry/" + std::string(form.sheet) + ".tsv"));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::unique_ptr<Tool> sheetWindow(const SheetForm& form) {
  EmbeddedSheetTexts texts;
  texts.title = form.title;
  texts.heading = form.heading;
  EmbeddedSheetLayout layout = embeddedSheetLayoutFromTwips(
      form.clientWidth, form.clientHeight,
      {form.boxLeft, form.boxTop, form.boxWidth, form.boxHeight}, form.activateLeft,
      form.activateTop, form.closeLeft, form.closeTop);
  return std::make_unique<EmbeddedSheetWindow>(texts, layout, loadSheet(form));
}

}  // namespace

void registerCoefficientSheetWindows(ToolRegistry& registry) {
  for (const SheetForm& form : kForms) {
    registry.add(form.title, [&form] { return sheetWindow(form); });
  }
}

}  // namespace tolvar::industry
