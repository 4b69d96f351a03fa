#include "report/sheet_text.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "framework/html_text.h"
#include "framework/utf8.h"

namespace tolvar {
namespace {

using Kind = SheetRow::Kind;

bool isHtml(const std::string& text) {
  return !text.empty() && text.front() == '<';
}

// The part of a formatted text inside its body, so that it can stand inside a table cell.
std::string bodyOf(const std::string& html) {
  std::size_t body = html.find("<body");
  if (body == std::string::npos) return html;
  std::size_t start = html.find('>', body);
  std::size_t end = html.find("</body>", start);
  return html.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

std::string decodedEntity(std::string_view entity) {
  if (entity == "lt") return "<";
  if (entity == "gt") return ">";
  if (entity == "amp") return "&";
  if (entity == "quot") return "\"";
  if (entity == "apos") return "'";
  if (entity == "nbsp") return " ";
  if (entity.size() > 1 && entity.front() == '#') {
    bool hex = entity.size() > 2 && (entity[1] == 'x' || entity[1] == 'X');
    std::string digits(entity.substr(hex ? 2 : 1));
    if (!digits.empty() &&
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") ==
            std::string::npos &&
        digits.size() <= 7) {
      return utf8::encode(static_cast<char32_t>(std::stoul(digits, nullptr, hex ? 16 : 10)));
    }
  }
  std::string kept = "&";
  return kept.append(entity).append(";");
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

// A cell of a one-line row: tabs and line ends would split the row.
std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n'; }, ' ');
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

std::size_t columnCount(const CalculationSheet& sheet) {
  std::size_t columns = 3;
  for (const SheetRow& row : sheet.rows) {
    if (row.kind == Kind::tableHeading || row.kind == Kind::tableRow) {
      columns = std::max(columns, row.cells.size());
    }
  }
  return columns;
}

std::string spanningCell(const char* tag, std::size_t columns, const std::string& style,
                         const std::string& content) {
  std::string row = "<tr><";
  row.append(tag).append(" colspan=\"").append(std::to_string(columns)).append("\"");
  return row.append(style).append(">").append(content).append("</").append(tag).append("></tr>\n");
}

std::string cellsRow(const char* tag, const std::vector<std::string>& cells, std::size_t columns) {
  std::string row = "<tr>";
  for (std::size_t i = 0; i < cells.size(); ++i) {
    std::size_t span = i + 1 == cells.size() && columns > cells.size() ? columns - i : 1;
    row.append("<").append(tag);
    if (span > 1) row.append(" colspan=\"").append(std::to_string(span)).append("\"");
    row.append(">").append(htmlText(cells[i])).append("</").append(tag).append(">");
  }
  return row + "</tr>\n";
}

}  // namespace

std::string textOfHtml(const std::string& html) {
  std::string out;
  for (std::size_t i = 0; i < html.size();) {
    char c = html[i];
    if (c == '<') {
      std::size_t end = html.find('>', i);
      if (end == std::string::npos) break;
      std::string tag = lowered(html.substr(i + 1, end - i - 1));
      std::string name = tag.substr(0, tag.find_first_of(" /\t\n"));
      if (tag.empty() || name.empty()) name = tag;
      if (name == "br" || tag == "/p" || tag == "/div" || tag == "/li" || tag == "/tr" ||
          (tag.size() == 3 && tag[0] == '/' && tag[1] == 'h' && tag[2] >= '1' && tag[2] <= '6')) {
        out += '\n';
      } else if (tag == "/td" || tag == "/th") {
        out += '\t';
      }
      i = end + 1;
    } else if (c == '&') {
      std::size_t end = html.find(';', i);
      if (end == std::string::npos || end - i > 10) {
        out += c;
        ++i;
        continue;
      }
      out += decodedEntity(std::string_view(html).substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (c == '\r' || c == '\n') {
      ++i;  // line ends in markup are layout, not text
    } else {
      out += c;
      ++i;
    }
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\t')) {
    out.pop_back();
  }
  return out;
}

std::string sheetPlainText(const CalculationSheet& sheet) {
  std::string out;
  for (const SheetRow& row : sheet.rows) {
    switch (row.kind) {
      case Kind::field:
      case Kind::tableHeading:
      case Kind::tableRow: {
        std::vector<std::string> cells = row.cells;
        if (row.kind == Kind::field) {
          while (!cells.empty() && cells.back().empty()) cells.pop_back();
        }
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
          if (i > 0) line += '\t';
          line += oneLine(cells[i]);
        }
        out += line + '\n';
        break;
      }
      default: {
        const std::string& text = row.cells.empty() ? std::string() : row.cells.front();
        for (const std::string& line :
             linesOf(isHtml(text) && row.kind == Kind::richText ? textOfHtml(text) : text)) {
          out += oneLine(line) + '\n';
        }
      }
    }
  }
  return out;
}

std::string sheetHtml(const CalculationSheet& sheet) {
  std::size_t columns = columnCount(sheet);
  std::string out =
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
      "style=\"border-collapse:collapse;border:1px solid #000000;\">\n";
  for (const SheetRow& row : sheet.rows) {
    const std::string text = row.cells.empty() ? std::string() : row.cells.front();
    switch (row.kind) {
      case Kind::title:
        out += spanningCell("th", columns, " style=\"font-size:14pt;\"", htmlText(text));
        break;
      case Kind::line:
        out += spanningCell("td", columns, "", htmlText(text));
        break;
      case Kind::richText:
        out += spanningCell("td", columns, "", isHtml(text) ? bodyOf(text) : htmlText(text));
        break;
      case Kind::section:
        out += spanningCell("th", columns, " align=\"left\" bgcolor=\"#e6e6e6\"", htmlText(text));
        break;
      case Kind::field:
      case Kind::tableRow:
        out += cellsRow("td", row.cells, columns);
        break;
      case Kind::tableHeading:
        out += cellsRow("th", row.cells, columns);
        break;
      case Kind::footer:
        out +=
            spanningCell("td", columns, " align=\"right\" style=\"font-size:9pt;color:#555555;\"",
                         htmlText(text));
        break;
    }
  }
  return out + "</table>\n";
}

std::string sheetsPlainText(const std::vector<CalculationSheet>& sheets) {
  std::string out;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0) out += '\n';
    out += sheetPlainText(sheets[i]);
  }
  return out;
}

std::string sheetsHtmlDocument(const std::vector<CalculationSheet>& sheets,
                               const std::string& title) {
  std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
  out.append(htmlText(title)).append("</title></head>\n<body>\n<h1>");
  out.append(htmlText(title)).append("</h1>\n");
  for (const CalculationSheet& sheet : sheets) out += sheetHtml(sheet) + "<p></p>\n";
  return out + "</body></html>\n";
}

}  // namespace tolvar
