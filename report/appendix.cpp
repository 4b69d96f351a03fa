#include "report/appendix.h"

#include "report/sheet_text.h"

namespace tolvar {

void Appendix::add(CalculationSheet sheet) {
  sheets_.push_back(std::move(sheet));
  changed();
}

void Appendix::remove(std::size_t index) {
  if (index >= sheets_.size()) return;
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(index));
  changed();
}

void Appendix::move(std::size_t from, std::size_t to) {
  if (from >= sheets_.size() || to >= sheets_.size() || from == to) return;
  CalculationSheet sheet = std::move(sheets_[from]);
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(from));
  sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(to), std::move(sheet));
  changed();
}

void Appendix::clear() {
  sheets_.clear();
  changed();
}

std::string Appendix::plainText() const {
  return sheetsPlainText(sheets_);
}

std::string Appendix::htmlDocument() const {
  return sheetsHtmlDocument(sheets_, std::string(kAppendixTitle));
}

void Appendix::changed() {
  if (observer_) observer_();
}

}  // namespace tolvar
