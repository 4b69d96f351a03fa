#include "framework/embedded_sheet_window.h"

#include <algorithm>
#include <utility>

#include "framework/window.h"

namespace tolvar {
namespace {

constexpr int kHeadingTop = 8;

WindowDescriptor describe(const EmbeddedSheetTexts& texts, const EmbeddedSheetLayout& layout,
                          std::optional<Worksheet> sheet, bool readOnly) {
  WindowDescriptor d{texts.title, {}};
  d.fixedLayout = Bounds{0, 0, layout.clientWidth, layout.clientHeight};
  if (!texts.heading.empty()) {
    // The heading spans the box's width in the room above it.
    const Bounds& box = layout.box;
    d.add(heading("Heading", texts.heading)
              .at({box.left, kHeadingTop, box.width, std::max(box.top - kHeadingTop - 4, 20)}));
  }
  d.add(embeddedSheet("Sheet", std::move(sheet), readOnly).at(layout.box));
  d.add(button("Activate", texts.activateCaption).at(layout.activateButton));
  d.add(button("Close", texts.closeCaption).at(layout.closeButton));
  return d;
}

}  // namespace

EmbeddedSheetWindow::EmbeddedSheetWindow(const EmbeddedSheetTexts& texts,
                                         const EmbeddedSheetLayout& layout,
                                         std::optional<Worksheet> sheet, bool readOnly)
    : Tool(describe(texts, layout, std::move(sheet), readOnly)) {
  on(Event::click, "Activate", [message = texts.unavailableMessage](Window& w) {
    if (!w.state("Sheet").sheet) {
      w.message(message);
      return;
    }
    w.setActive("Sheet", true);
  });
  on(Event::click, "Close", [](Window& w) { w.setActive("Sheet", false); });
}

EmbeddedSheetLayout embeddedSheetLayoutFromTwips(int clientWidth, int clientHeight, Bounds box,
                                                 int activateLeft, int activateTop, int closeLeft,
                                                 int closeTop) {
  auto pixels = [](Bounds twips) {
    return Bounds{pixelsFromTwips(twips.left), pixelsFromTwips(twips.top),
                  pixelsFromTwips(twips.width), pixelsFromTwips(twips.height)};
  };
  return EmbeddedSheetLayout{pixelsFromTwips(clientWidth), pixelsFromTwips(clientHeight),
                             pixels(box), pixels({activateLeft, activateTop, 1785, 375}),
                             pixels({closeLeft, closeTop, 1575, 375})};
}

}  // namespace tolvar
