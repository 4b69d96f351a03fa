#include "qt/window_renderer.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "framework/embedded_data.h"
#include "framework/utf8.h"
#include "qt/application_style.h"
#include "qt/badge_widget.h"
#include "qt/drawn_text_widget.h"
#include "qt/fixed_pitch_font.h"
#include "qt/text_conversion.h"
#include "qt/worksheet_widget.h"

namespace tolvar::qt {
namespace {

constexpr int kFieldMinimumWidth = 130;
constexpr int kWrapLabelsLongerThan = 36;  // characters; longer labels wrap instead of widening

// A style that draws a tree's branch lines and expand boxes, which the default style leaves out.
QStyle* linedTreeStyle() {
  static QStyle* style = [] {
    QStyle* lined = QStyleFactory::create("Windows");
    if (lined != nullptr) lined->setParent(QCoreApplication::instance());
    return lined;
  }();
  return style;
}

QColor colourOf(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

bool isLineField(ControlKind kind) {
  return kind == ControlKind::textField || kind == ControlKind::numericField ||
         kind == ControlKind::resultField;
}

bool hasFieldRow(const Control& c) {
  return isLineField(c.kind) || c.kind == ControlKind::choiceList;
}

void applyTextColour(QWidget* widget, const std::optional<Rgb>& colour) {
  if (!colour) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, colourOf(*colour));
  palette.setColor(QPalette::WindowText, colourOf(*colour));
  palette.setColor(QPalette::ButtonText, colourOf(*colour));
  widget->setPalette(palette);
}

// Fits a multi-line note to its wrapped text, so that basis notes are read without scrolling.
void fitNoteHeight(QPlainTextEdit* note, int lines) {
  int shownLines = lines;
  if (shownLines <= 0) {
    int width = std::max(note->width(), note->minimumWidth()) - 16;
    QFontMetrics metrics = note->fontMetrics();
    shownLines = 1;
    for (const QString& paragraph : note->toPlainText().split('\n')) {
      shownLines += std::max(1, (metrics.horizontalAdvance(paragraph) + width - 1) / width);
    }
  }
  int height = note->fontMetrics().lineSpacing() * std::min(shownLines, 16) + 12;
  note->setFixedHeight(height);
}

// A result table keeps the room it was given and scrolls; other tables grow to their rows.
constexpr const char* kKeepsItsRoom = "keepsItsRoom";

void fitTable(QTableWidget* table) {
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  if (table->property(kKeepsItsRoom).toBool()) return;
  int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
  for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
  int width = table->verticalHeader()->width() + 2 * table->frameWidth();
  for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
  table->setMinimumSize(std::min(width, 900), std::min(height, 520));
}

void fillTable(QTableWidget* table, const std::vector<std::vector<std::string>>& rows) {
  table->clear();
  if (rows.empty()) return;
  table->setColumnCount(static_cast<int>(rows.front().size()));
  table->setRowCount(static_cast<int>(rows.size()) - 1);
  QStringList heading;
  for (const auto& cell : rows.front()) heading << toQString(cell);
  table->setHorizontalHeaderLabels(heading);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(toQString(rows[r][c]));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      table->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
    }
  }
  fitTable(table);
}

QString noteText(const std::string& text) {
  return toQString(text).replace("\r\n", "\n");
}

}  // namespace

// A window's rows: a captioned field with its unit and the buttons beside it, a control that
// takes the whole width, or a line of command buttons.
struct WindowRenderer::Row {
  QWidget* caption = nullptr;
  QWidget* field = nullptr;
  QWidget* unit = nullptr;
  QHBoxLayout* beside = nullptr;
  std::vector<QWidget*> buttons;
  std::string name;
};

WindowRenderer::WindowRenderer(std::shared_ptr<Window> window, QWidget* container)
    : QObject(container), window_(std::move(window)), container_(container) {
  build();
  window_->setObserver(
      [this](const std::string& control, ControlChange change) { refresh(control, change); });
}

WindowRenderer::~WindowRenderer() {
  window_->setObserver(nullptr);
}

QWidget* WindowRenderer::widget(const std::string& control) const {
  auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second.data();
}

void WindowRenderer::build() {
  const WindowDescriptor& d = window_->descriptor();
  // Lays out the controls that one container holds, in descriptor order.
  std::function<void(const std::string&, int, QWidget*, int)> layOut =
      [&](const std::string& parent, int page, QWidget* host, int columns) {
        std::vector<Row> rows;
        for (const Control& c : d.controls) {
          if (c.parent != parent || (page >= 0 && c.page != page)) continue;
          QWidget* w = createWidget(c, host);
          if (c.kind == ControlKind::drawnText) continue;  // drawn on the surface, not laid out
          if (c.kind == ControlKind::frame) {
            layOut(c.name, -1, w, 1);
          } else if (c.kind == ControlKind::tabStrip) {
            auto* tabs = static_cast<QTabWidget*>(w);
            for (int i = 0; i < static_cast<int>(c.items.size()); ++i) {
              auto* pageWidget = new QWidget(tabs);
              layOut(c.name, i, pageWidget, 1);
              tabs->addTab(pageWidget, toQString(c.items[static_cast<std::size_t>(i)]));
            }
            if (!c.tooltip.empty()) tabs->setTabToolTip(tabs->count() - 1, toQString(c.tooltip));
          }
          if (!c.beside.empty()) {
            auto row = std::find_if(rows.begin(), rows.end(),
                                    [&](const Row& r) { return r.name == c.beside; });
            if (row != rows.end() && row->beside) {
              if (hasFieldRow(c) && !c.caption.empty()) {
                auto* caption = new QLabel(toQString(c.caption), host);
                caption->setBuddy(w);
                row->beside->addWidget(caption);
                companions_[c.name].push_back(caption);
              }
              row->beside->addWidget(w);
              continue;
            }
          }
          if (hasFieldRow(c)) {
            Row row;
            row.name = c.name;
            row.field = w;
            if (!c.caption.empty()) {
              auto* caption = new QLabel(toQString(c.caption), host);
              caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
              caption->setBuddy(w);
              row.caption = caption;
              companions_[c.name].push_back(caption);
            }
            if (!c.unit.empty()) {
              auto* unit = new QLabel(toQString(c.unit), host);
              row.unit = unit;
              companions_[c.name].push_back(unit);
            }
            row.beside = new QHBoxLayout;
            row.beside->setSpacing(4);
            rows.push_back(row);
          } else if (c.kind == ControlKind::button) {
            if (rows.empty() || rows.back().buttons.empty()) rows.push_back(Row{});
            rows.back().buttons.push_back(w);
          } else {
            Row row;
            row.name = c.name;
            row.field = w;
            rows.push_back(row);
          }
        }

        // Rows of the whole width stand above the columns when they come first, below them
        // otherwise; the others flow into the columns, split where a row starts a column or
        // else into equal counts.
        std::vector<Row*> above, below;
        std::vector<std::vector<Row*>> columnRows(1);
        bool explicitSplit = std::any_of(rows.begin(), rows.end(), [&](const Row& r) {
          return !r.name.empty() && d.find(r.name)->startsColumn;
        });
        for (Row& row : rows) {
          const Control* c = row.name.empty() ? nullptr : d.find(row.name);
          if (columns > 1 && c != nullptr && c->acrossColumns) {
            (columnRows.front().empty() ? above : below).push_back(&row);
            continue;
          }
          if (explicitSplit && c != nullptr && c->startsColumn && !columnRows.back().empty()) {
            columnRows.emplace_back();
          }
          columnRows.back().push_back(&row);
        }
        if (!explicitSplit && columns > 1) {
          std::vector<Row*> all = columnRows.front();
          std::size_t perColumn = (all.size() + static_cast<std::size_t>(columns) - 1) /
                                  static_cast<std::size_t>(columns);
          columnRows.clear();
          for (std::size_t i = 0; i < all.size(); ++i) {
            if (i % std::max<std::size_t>(perColumn, 1) == 0) columnRows.emplace_back();
            columnRows.back().push_back(all[i]);
          }
        }
        auto place = [](QGridLayout* grid, Row& row, int r) {
          if (!row.buttons.empty()) {
            auto* line = new QHBoxLayout;
            line->addStretch();
            for (QWidget* b : row.buttons) line->addWidget(b);
            line->addStretch();
            grid->addLayout(line, r, 0, 1, 4);
          } else if (row.beside) {
            if (row.caption) grid->addWidget(row.caption, r, 0);
            grid->addWidget(row.field, r, 1);
            if (row.unit) grid->addWidget(row.unit, r, 2);
            grid->addLayout(row.beside, r, 3);
          } else {
            grid->addWidget(row.field, r, 0, 1, 4);
          }
        };
        auto gridOf = [&](const std::vector<Row*>& list, bool stretchBelow) {
          auto* grid = new QGridLayout;
          grid->setHorizontalSpacing(6);
          grid->setColumnStretch(1, 1);
          int r = 0;
          for (Row* row : list) place(grid, *row, r++);
          if (stretchBelow) grid->setRowStretch(r, 1);
          return grid;
        };
        auto* outer = new QVBoxLayout(host);
        if (!above.empty()) outer->addLayout(gridOf(above, false));
        auto* side = new QHBoxLayout;
        for (const auto& list : columnRows) side->addLayout(gridOf(list, true));
        outer->addLayout(side);
        if (!below.empty()) outer->addLayout(gridOf(below, false));
      };
  // Widgets report changes while they are filled; those are not the user's actions.
  updating_ = true;
  if (d.fixedLayout) {
    // Each control at its place on a canvas of the window's client size.
    auto* canvas = new QWidget(container_);
    canvas->setFixedSize(d.fixedLayout->width, d.fixedLayout->height);
    auto* outer = new QVBoxLayout(container_);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(canvas);
    for (const Control& c : d.controls) {
      const Bounds b = c.bounds.value_or(Bounds{});
      createWidget(c, canvas)->setGeometry(b.left, b.top, b.width, b.height);
    }
  } else {
    layOut("", -1, container_, std::max(d.columns, 1));
  }
  updating_ = false;
  for (const Control& c : d.controls) refreshAll(c);
}

QWidget* WindowRenderer::createWidget(const Control& c, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::label: {
      auto* label = new QLabel(parent);
      label->setWordWrap(utf8::characterCount(c.text) > kWrapLabelsLongerThan);
      if (c.emphasised) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.25);
        label->setFont(font);
      }
      if (c.muted) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
        label->setPalette(palette);
      }
      w = label;
      break;
    }
    case ControlKind::textField:
    case ControlKind::numericField:
    case ControlKind::resultField: {
      auto* edit = new QLineEdit(parent);
      edit->setMinimumWidth(kFieldMinimumWidth);
      w = edit;
      break;
    }
    case ControlKind::note: {
      auto* edit = new QPlainTextEdit(parent);
      edit->setMinimumWidth(380);
      if (c.fixedPitch) edit->setFont(fixedPitchFont(edit->font()));
      if (c.tooltipBackground) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
        edit->setPalette(palette);
      }
      w = edit;
      break;
    }
    case ControlKind::richText: {
      auto* view = new QTextBrowser(parent);
      view->setOpenLinks(false);
      view->setMinimumSize(520, 380);
      w = view;
      break;
    }
    case ControlKind::choiceList: {
      auto* list = new QComboBox(parent);
      list->setEditable(c.editable);
      list->setMinimumWidth(kFieldMinimumWidth);
      list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      w = list;
      break;
    }
    case ControlKind::optionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the model decides which option of a frame is set
      w = option;
      break;
    }
    case ControlKind::checkBox:
      w = new QCheckBox(parent);
      break;
    case ControlKind::frame:
      w = new QGroupBox(parent);
      break;
    case ControlKind::button: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      w = button;
      break;
    }
    case ControlKind::link: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::RichText);
      label->setCursor(Qt::PointingHandCursor);
      w = label;
      break;
    }
    case ControlKind::tabStrip:
      w = new QTabWidget(parent);
      break;
    case ControlKind::treeView: {
      auto* tree = new QTreeWidget(parent);
      tree->setHeaderHidden(true);
      tree->setRootIsDecorated(true);
      tree->setFrameShape(QFrame::StyledPanel);
      tree->setStyle(linedTreeStyle());
      std::vector<QTreeWidgetItem*> items;
      for (std::size_t i = 0; i < c.treeNodes.size(); ++i) {
        const TreeNode& node = c.treeNodes[i];
        QTreeWidgetItem* item =
            node.parent < 0 ? new QTreeWidgetItem(tree)
                            : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, toQString(node.text));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        items.push_back(item);
      }
      tree->setMinimumSize(220, 300);
      w = tree;
      break;
    }
    case ControlKind::picture: {
      if (c.picture == "badge") {
        w = new BadgeWidget(parent);
      } else if (c.picture == "double-rule") {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        rule->setLineWidth(1);
        rule->setMidLineWidth(1);
        rule->setMinimumHeight(6);
        w = rule;
      } else if (c.picture == "icon") {
        auto* label = new QLabel(parent);
        label->setPixmap(applicationIcon().pixmap(48, 48));
        w = label;
      } else {
        auto* label = new QLabel(parent);
        if (c.picture.size() > 5 && c.picture.ends_with(".html")) {
          label->setTextFormat(Qt::RichText);
          label->setText(toQString(std::string(embeddedData(c.picture))));
        }
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(6);
        w = label;
      }
      break;
    }
    case ControlKind::drawnText:
      w = new DrawnTextWidget(container_);
      break;
    case ControlKind::embeddedSheet: {
      auto* sheet = new WorksheetWidget(parent);
      sheet->onEntered([this, name = c.name](CellRef cell, std::string text) {
        // An entry the sheet refuses is taken back off the box.
        if (!updating_ && !window_->enterCell(name, cell, std::move(text))) {
          refresh(name, ControlChange::sheet);
        }
      });
      w = sheet;
      break;
    }
    case ControlKind::tableGrid: {
      auto* table = new QTableWidget(parent);
      table->verticalHeader()->setVisible(false);
      table->setEditTriggers(QAbstractItemView::NoEditTriggers);
      table->setWordWrap(false);
      if (c.lines > 0) {
        table->setProperty(kKeepsItsRoom, true);
        table->setMinimumSize(900, table->horizontalHeader()->sizeHint().height() +
                                       c.lines * table->verticalHeader()->defaultSectionSize() +
                                       2 * table->frameWidth());
      }
      w = table;
      break;
    }
  }
  w->setObjectName(toQString(c.name));
  if (!c.tooltip.empty() && c.kind != ControlKind::tabStrip) w->setToolTip(toQString(c.tooltip));
  widgets_[c.name] = w;
  controlOf_[w] = c.name;
  connectWidget(c, w);
  return w;
}

void WindowRenderer::connectWidget(const Control& c, QWidget* w) {
  const std::string name = c.name;
  auto guarded = [this](auto action) {
    return [this, action](auto&&... args) {
      if (updating_) return;
      action(args...);
    };
  };
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    connect(edit, &QLineEdit::textEdited, this,
            guarded([this, name](const QString& text) { window_->edit(name, toStdString(text)); }));
    edit->installEventFilter(this);
  } else if (auto* note = qobject_cast<QPlainTextEdit*>(w)) {
    connect(note, &QPlainTextEdit::textChanged, this, guarded([this, name, note] {
              std::string text = toStdString(note->toPlainText().replace("\n", "\r\n"));
              window_->edit(name, text);
            }));
    note->installEventFilter(this);
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    connect(list, &QComboBox::activated, this,
            guarded([this, name](int index) { window_->choose(name, index); }));
    if (QLineEdit* listEdit = list->lineEdit()) {
      connect(listEdit, &QLineEdit::textEdited, this, guarded([this, name](const QString& text) {
                window_->edit(name, toStdString(text));
              }));
      listEdit->installEventFilter(this);
      controlOf_[listEdit] = name;
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    connect(button, &QAbstractButton::clicked, this, guarded([this, name](bool) {
              window_->click(name);
              refresh(name, ControlChange::checked);
            }));
  } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    connect(tabs, &QTabWidget::currentChanged, this,
            guarded([this, name](int page) { window_->choosePage(name, page); }));
  } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
    connect(tree, &QTreeWidget::itemClicked, this,
            guarded([this, name](QTreeWidgetItem* item, int) {
              window_->choose(name, item->data(0, Qt::UserRole).toInt());
            }));
  } else if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == ControlKind::link) {
    connect(label, &QLabel::linkActivated, this,
            guarded([this, name](const QString&) { window_->click(name); }));
  } else if (c.kind == ControlKind::picture) {
    w->installEventFilter(this);
  }
}

bool WindowRenderer::eventFilter(QObject* watched, QEvent* event) {
  auto found = controlOf_.find(watched);
  if (found == controlOf_.end() || updating_) return false;
  const std::string name = found->second;
  auto keepAlive = window_;
  switch (event->type()) {
    case QEvent::KeyPress:
      return filterKey(name, static_cast<QWidget*>(watched), event);
    case QEvent::FocusIn:
      window_->focus(name);
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) window_->click(name);
      return false;
    default:
      return false;
  }
}

// Characters reach the model's keystroke filter the way they reached the original fields:
// Backspace, Enter, Escape and the Ctrl letter combinations as control characters. Keys that
// type no character (Delete, arrows, Home, End) edit the field directly.
bool WindowRenderer::filterKey(const std::string& control, QWidget* widget, QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  char32_t typed = 0;
  switch (key->key()) {
    case Qt::Key_Backspace:
      typed = U'\b';
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      typed = U'\r';
      break;
    case Qt::Key_Escape:
      typed = 0x1b;
      break;
    default:
      if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
          key->key() <= Qt::Key_Z) {
        typed = static_cast<char32_t>(key->key() - Qt::Key_A + 1);
      } else if (QString text = key->text(); !text.isEmpty() && text.front().isPrint()) {
        typed = text.toUcs4().front();
      }
  }
  if (typed == 0) return false;
  std::size_t caret = 0;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    caret = static_cast<std::size_t>(edit->hasSelectedText() ? edit->selectionStart()
                                                             : edit->cursorPosition());
  } else if (auto* note = qobject_cast<QPlainTextEdit*>(widget)) {
    caret = static_cast<std::size_t>(note->textCursor().selectionStart());
  }
  return !window_->keystroke(control, typed, caret);
}

void WindowRenderer::refreshAll(const Control& c) {
  for (ControlChange change :
       {ControlChange::text, ControlChange::caption, ControlChange::items,
        ControlChange::visibility, ControlChange::enabled, ControlChange::checked,
        ControlChange::colour, ControlChange::cells, ControlChange::scroll, ControlChange::sheet}) {
    refresh(c.name, change);
  }
}

void WindowRenderer::refresh(const std::string& control, ControlChange change) {
  QWidget* w = widget(control);
  if (w == nullptr) return;
  const Control& c = window_->control(control);
  const ControlState& s = window_->state(control);
  bool wasUpdating = std::exchange(updating_, true);
  switch (change) {
    case ControlChange::text:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != toQString(s.text)) edit->setText(toQString(s.text));
      } else if (auto* note = qobject_cast<QPlainTextEdit*>(w)) {
        if (note->toPlainText() != noteText(s.text)) note->setPlainText(noteText(s.text));
        fitNoteHeight(note, c.lines);
      } else if (auto* view = qobject_cast<QTextBrowser*>(w)) {
        if (!s.text.empty() && s.text.front() == '<') {
          view->setHtml(toQString(s.text));
        } else {
          view->setPlainText(noteText(s.text));
        }
      } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        if (list->isEditable()) {
          list->setEditText(toQString(s.text));
        } else {
          list->setCurrentIndex(list->findText(toQString(s.text), Qt::MatchExactly));
        }
      } else if (auto* drawn = qobject_cast<DrawnTextWidget*>(w)) {
        drawn->setLines(s.items);
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (c.kind == ControlKind::link) {
          label->setText("<a href=\"#\">" + toQString(s.text).toHtmlEscaped() + "</a>");
        } else if (c.kind != ControlKind::picture) {
          label->setText(noteText(s.text));
        }
      }
      break;
    case ControlChange::caption:
      if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(toQString(s.caption));
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(toQString(s.caption));
      } else if (!companions_[control].empty() && !c.caption.empty()) {
        if (auto* caption = qobject_cast<QLabel*>(companions_[control].front().data())) {
          caption->setText(toQString(s.caption));
        }
      }
      break;
    case ControlChange::items:
      if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->clear();
        for (const std::string& item : s.items) list->addItem(toQString(item));
        // The drop-down shows whole items even where they are wider than the list's field.
        list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) +
                                      list->view()->verticalScrollBar()->sizeHint().width());
        list->setCurrentIndex(s.selectedItem);
        if (list->isEditable()) list->setEditText(toQString(s.text));
      }
      break;
    case ControlChange::selection:
      if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->setCurrentIndex(s.selectedItem);
      } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        int start = static_cast<int>(utf8::characterCount(s.text.substr(0, s.selectionStart)));
        int length = static_cast<int>(
            utf8::characterCount(s.text.substr(s.selectionStart, s.selectionLength)));
        // After the mouse press that gave the focus, which would otherwise clear the selection.
        QTimer::singleShot(0, edit, [edit, start, length] { edit->setSelection(start, length); });
      } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        QTreeWidgetItemIterator it(tree);
        for (; *it; ++it) {
          if ((*it)->data(0, Qt::UserRole).toInt() == s.selectedItem) {
            tree->setCurrentItem(*it);
            tree->scrollToItem(*it);
          }
        }
      }
      break;
    case ControlChange::scroll:
      if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
          if ((*it)->data(0, Qt::UserRole).toInt() == s.scrolledItem) tree->scrollToItem(*it);
        }
      }
      break;
    case ControlChange::page:
      if (auto* tabs = qobject_cast<QTabWidget*>(w)) tabs->setCurrentIndex(s.currentPage);
      break;
    case ControlChange::visibility:
      w->setVisible(s.visible);
      for (auto& companion : companions_[control]) {
        if (companion) companion->setVisible(s.visible);
      }
      break;
    case ControlChange::enabled:
      w->setEnabled(s.enabled);
      for (auto& companion : companions_[control]) {
        if (companion) companion->setEnabled(s.enabled);
      }
      if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setReadOnly(s.readOnly);
      if (auto* note = qobject_cast<QPlainTextEdit*>(w)) note->setReadOnly(s.readOnly);
      break;
    case ControlChange::checked:
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
        button->setChecked(s.checked);
      }
      break;
    case ControlChange::colour:
      applyTextColour(w, s.textColour);
      break;
    case ControlChange::cells:
      if (qobject_cast<WorksheetWidget*>(w) != nullptr) break;  // a sheet has no plain rows
      if (auto* table = qobject_cast<QTableWidget*>(w)) fillTable(table, s.cells);
      break;
    case ControlChange::focus:
      w->setFocus(Qt::OtherFocusReason);
      break;
    case ControlChange::sheet:
      if (auto* sheet = qobject_cast<WorksheetWidget*>(w); sheet && s.sheet) {
        sheet->showSheet(*s.sheet, s.active, s.active && !s.readOnly);
      }
      break;
  }
  updating_ = wasUpdating;
}

}  // namespace tolvar::qt
