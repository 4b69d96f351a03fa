#include "catalogues/structure_adjustment_full_text_window.h"

#include "catalogues/structure_adjustment_window.h"
#include "framework/html_text.h"

namespace tolvar::catalogues {
namespace {

// The heading's marker "A" and the blank before it belong to the searched text only.
std::string withoutMarker(std::string heading) {
  if (heading.ends_with("A")) heading.pop_back();
  while (heading.ends_with(" ")) heading.pop_back();
  return heading;
}

std::string paragraph(const CatalogueParagraph& p) {
  switch (p.kind) {
    case CatalogueParagraph::Kind::heading:
      return "<h3>" + htmlText(withoutMarker(p.text)) + "</h3>";
    case CatalogueParagraph::Kind::section:
      return "<p><b>" + htmlText(p.text) + "</b></p>";
    case CatalogueParagraph::Kind::note:
    case CatalogueParagraph::Kind::item:
      return "<p>" + htmlText(p.text) + "</p>";
  }
  return {};
}

WindowDescriptor describe() {
  WindowDescriptor d{kStructureAdjustmentFullTextTitle, {}};
  d.add(richText("RichTextBox1", structureCatalogueDocument(structureCatalogue())));
  return d;
}

}  // namespace

std::string structureCatalogueDocument(const std::vector<StructureCategory>& categories) {
  std::string html = "<h2 align=\"center\">产业结构调整指导目录(2005年本)</h2>";
  for (const StructureCategory& category : categories) {
    for (const CatalogueParagraph& p : category.paragraphs) {
      html += paragraph(p);
      if (p.kind == CatalogueParagraph::Kind::heading &&
          category.storedItems < category.publishedItems) {
        html += "<p><font color=\"#c00000\">注意：本机只收录了" + category.name + " " +
                std::to_string(category.publishedItems) + " 条中的 " +
                std::to_string(category.storedItems) + " 条，其余条目请查阅目录原文。</font></p>";
      }
    }
  }
  return html;
}

StructureAdjustmentFullTextWindow::StructureAdjustmentFullTextWindow() : Tool(describe()) {}

}  // namespace tolvar::catalogues
