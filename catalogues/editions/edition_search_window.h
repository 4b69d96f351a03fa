#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/tool.h"

// The search window over a current edition's table: three ways to search (an item of a list,
// a code or its beginning, a keyword), a line saying how many entries were found, and the
// entries as a table.
namespace tolvar::catalogues {

using TableSearch = std::function<std::vector<std::size_t>(std::string_view)>;

struct EditionSearchDescription {
  std::string title;  // also the heading
  std::string modeFrame;
  // Per way of searching, in order list, code, keyword: the option's caption and the prompt.
  std::array<std::string, 3> modes;
  std::array<std::string, 3> prompts;
  std::vector<std::string> listItems;
  std::string searchButton;
  std::string resultFrame;
  std::string nothingFound;
  // What is said when the code or keyword field is empty.
  std::array<std::string, 2> emptyQueryMessages;
  std::array<TableSearch, 3> searches;
  std::function<std::vector<std::vector<std::string>>(const std::vector<std::size_t>&)> rows;
};

class EditionSearchWindow : public Tool {
 public:
  explicit EditionSearchWindow(EditionSearchDescription description);

 private:
  void showMode(Window& w, int mode) const;
  void showFound(Window& w, const std::vector<std::size_t>& found) const;
  void searchTyped(Window& w) const;

  EditionSearchDescription description_;
};

}  // namespace tolvar::catalogues
