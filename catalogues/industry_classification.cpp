#include "catalogues/industry_classification.h"

#include "catalogues/catalogue_search.h"
#include "catalogues/text_compare.h"
#include "framework/embedded_data.h"

namespace tolvar::catalogues {
namespace {

// The entries start after the title lines; neither search looks into those before it.
constexpr std::size_t kFirstEntryCharacter = 57;

constexpr const char* kTitles =
    "国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）\n\n";

}  // namespace

const std::u32string& industryClassificationText() {
  static const std::u32string text =
      toUtf32(embeddedData("catalogues/industry_classification.txt"));
  return text;
}

std::u32string_view industrySection(std::u32string_view text, char32_t letter) {
  std::size_t start = text.find(letter, kFirstEntryCharacter);
  if (start == std::u32string_view::npos) return {};
  std::size_t end =
      letter == U'T' ? std::u32string_view::npos : text.find(letter + 1, kFirstEntryCharacter);
  if (end == std::u32string_view::npos) end = text.empty() ? 0 : text.size() - 1;
  return end > start ? text.substr(start, end - start) : std::u32string_view{};
}

std::optional<std::vector<std::u32string_view>> industryLinesContaining(
    std::u32string_view text, std::u32string_view keyword) {
  if (findAsText(text, keyword) == std::u32string_view::npos) return std::nullopt;
  return linesContaining(text, keyword, kFirstEntryCharacter);
}

std::string industrySectionResult(std::u32string_view section) {
  return std::string(kTitles) + "你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n" +
         toUtf8(section);
}

std::string industryFoundListHeading() {
  return std::string(kTitles) + "包含你输入关键字的行业类别及其代码如下：\n";
}

std::string industryKeywordResult(const std::optional<std::vector<std::u32string_view>>& lines) {
  if (!lines) return std::string(kTitles) + "检索无记录，请重新输入";
  std::string result = industryFoundListHeading();
  for (std::u32string_view line : *lines) result += "\n" + toUtf8(line);
  return result + "\n";
}

}  // namespace tolvar::catalogues
