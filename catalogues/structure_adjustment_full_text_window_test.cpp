#include "catalogues/structure_adjustment_full_text_window.h"

#include <gtest/gtest.h>

namespace tolvar::catalogues {
namespace {

TEST(StructureAdjustmentFullText, ShowsTheStoredTextWithoutMarkersAndSaysWhatIsMissing) {
  std::vector<StructureCategory> categories = parseStructureCatalogue(
      "category\t鼓励类\t2\t第一类  鼓励类 A\n"
      "section\t一、农林业\n"
      "item\t1.粮食<高产>&稳产\n"
      "item\t2.PB2型\n"
      "category\t限制类\t190\t第二类  限制类A\n");
  std::string document = structureCatalogueDocument(categories);
  EXPECT_EQ(document,
            "<h2 align=\"center\">产业结构调整指导目录(2005年本)</h2>"
            "<h3>第一类  鼓励类</h3><p><b>一、农林业</b></p>"
            "<p>1.粮食&lt;高产&gt;&amp;稳产</p><p>2.PB2型</p>"
            "<h3>第二类  限制类</h3>"
            "<p><font color=\"#c00000\">注意：本机只收录了限制类 190 条中的 0 "
            "条，其余条目请查阅目录原文。</font></p>");
}

}  // namespace
}  // namespace tolvar::catalogues
