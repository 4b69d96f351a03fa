#include "qt/appendix_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/message_boxes.h"
#include "qt/sheet_clipboard.h"
#include "qt/text_conversion.h"
#include "report/sheet_text.h"

namespace tolvar::qt {
namespace {

struct FormatChoice {
  AppendixFormat format;
  const char* name;
  const char* caption;
  const char* filter;
  const char* suffix;
};

constexpr FormatChoice kFormats[] = {
    {AppendixFormat::html, "SaveHtml", "保存为HTML...", "HTML 文档 (*.html *.htm)", ".html"},
    {AppendixFormat::odf, "SaveOdf", "保存为ODF...", "ODF 文本文档 (*.odt)", ".odt"},
    {AppendixFormat::pdf, "SavePdf", "保存为PDF...", "PDF 文档 (*.pdf)", ".pdf"},
};

const FormatChoice& choiceOf(AppendixFormat format) {
  for (const FormatChoice& choice : kFormats) {
    if (choice.format == format) return choice;
  }
  return kFormats[0];
}

QString footerOf(const CalculationSheet& sheet) {
  return sheet.rows.empty() ? QString() : toQString(sheet.rows.back().cells.front());
}

}  // namespace

AppendixWindow::AppendixWindow(Appendix& appendix)
    : QWidget(nullptr, Qt::Window), appendix_(appendix) {
  setObjectName("AppendixWindow");
  setWindowTitle(toQString(std::string(kAppendixTitle)));
  list_ = new QListWidget(this);
  list_->setObjectName("Sheets");
  list_->setMinimumWidth(260);
  preview_ = new QTextBrowser(this);
  preview_->setObjectName("Preview");
  preview_->setMinimumWidth(460);

  auto* commands = new QVBoxLayout;
  auto addCommand = [&](const char* name, const char* caption, auto action, bool needsSheets) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    commands->addWidget(button);
    if (needsSheets) needsSheets_.push_back(button);
  };
  addCommand(
      "MoveUp", "上移", [this] { moveChosen(-1); }, true);
  addCommand(
      "MoveDown", "下移", [this] { moveChosen(1); }, true);
  addCommand(
      "Remove", "删除", [this] { removeChosen(); }, true);
  commands->addSpacing(12);
  addCommand(
      "CopyAll", "全部复制", [this] { copySheets(appendix_.sheets()); }, true);
  addCommand(
      "ClearAll", "全部清空", [this] { clearAll(); }, true);
  commands->addSpacing(12);
  for (const FormatChoice& choice : kFormats) {
    AppendixFormat format = choice.format;
    addCommand(
        choice.name, choice.caption, [this, format] { save(format); }, true);
  }
  commands->addStretch();

  auto* hint = new QLabel(
      QString::fromUtf8("在计算窗口中右击，选择“加入计算书汇总”（Ctrl+Shift+A）即可加入。"), this);
  hint->setWordWrap(true);
  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addWidget(preview_, 2);
  body->addLayout(commands);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(hint);
  resize(900, 520);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { showChosen(); });
  appendix_.setObserver([this] { refresh(); });
  refresh();
}

AppendixWindow::~AppendixWindow() {
  appendix_.setObserver(nullptr);
}

void AppendixWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (onClose_) onClose_();
}

int AppendixWindow::chosen() const {
  return list_->currentRow();
}

void AppendixWindow::refresh() {
  int keep = std::max(chosen(), 0);
  const QSignalBlocker blocker(list_);
  list_->clear();
  int number = 0;
  for (const CalculationSheet& sheet : appendix_.sheets()) {
    auto* item =
        new QListWidgetItem(QStringLiteral("%1. %2").arg(++number).arg(toQString(sheet.title)));
    item->setToolTip(footerOf(sheet));
    list_->addItem(item);
  }
  if (list_->count() > 0) list_->setCurrentRow(std::min(keep, list_->count() - 1));
  for (QPushButton* button : needsSheets_) button->setEnabled(!appendix_.empty());
  showChosen();
}

void AppendixWindow::showChosen() {
  int row = chosen();
  if (row < 0 || row >= static_cast<int>(appendix_.size())) {
    preview_->setPlainText(QString::fromUtf8("尚未加入计算书。"));
    return;
  }
  preview_->setHtml(toQString(sheetHtml(appendix_.sheets()[static_cast<std::size_t>(row)])));
}

void AppendixWindow::moveChosen(int step) {
  int from = chosen();
  int to = from + step;
  if (from < 0 || to < 0 || to >= static_cast<int>(appendix_.size())) return;
  appendix_.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
  list_->setCurrentRow(to);
}

void AppendixWindow::removeChosen() {
  if (chosen() >= 0) appendix_.remove(static_cast<std::size_t>(chosen()));
}

void AppendixWindow::clearAll() {
  MessageBox question{.text = "确定清空计算书汇总中的全部计算书吗？",
                      .buttons = MessageButtons::yesNo,
                      .defaultAnswer = Answer::no,
                      .icon = MessageIcon::question};
  if (showMessageBox(question, this) == Answer::yes) appendix_.clear();
}

QString AppendixWindow::askPath(AppendixFormat format) {
  if (askPath_) return askPath_(format);
  const FormatChoice& choice = choiceOf(format);
  QString path = QFileDialog::getSaveFileName(
      this, QString::fromUtf8(choice.caption).remove("..."),
      toQString(std::string(kAppendixTitle)) + choice.suffix, QString::fromUtf8(choice.filter));
  if (!path.isEmpty() && !path.contains('.')) path += choice.suffix;
  return path;
}

void AppendixWindow::save(AppendixFormat format) {
  QString path = askPath(format);
  if (path.isEmpty()) return;
  QString why = saveAppendix(appendix_, path, format);
  if (why.isEmpty()) return;
  showMessageBox({.text = "计算书汇总未能保存到 " + toStdString(path) + "：\n" + toStdString(why) +
                          "\n汇总中的计算书都还在，可另选位置再次保存。",
                  .icon = MessageIcon::warning},
                 this);
}

}  // namespace tolvar::qt
