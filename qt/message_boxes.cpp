#include "qt/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::information:
      return QMessageBox::Information;
    case MessageIcon::warning:
      return QMessageBox::Warning;
    case MessageIcon::stop:
      return QMessageBox::Critical;
    case MessageIcon::question:
      return QMessageBox::Question;
    case MessageIcon::none:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer showMessageBox(const MessageBox& box, QWidget* parent) {
  QMessageBox dialog(parent);
  dialog.setObjectName("MessageBox");
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setWindowTitle(toQString(box.title));
  dialog.setText(toQString(box.text).replace("\r\n", "\n"));
  dialog.setIcon(iconOf(box.icon));
  if (box.buttons == MessageButtons::ok) {
    QPushButton* ok = dialog.addButton(QString::fromUtf8("确定"), QMessageBox::AcceptRole);
    ok->setObjectName("OK");
    dialog.setDefaultButton(ok);
    dialog.setEscapeButton(ok);
    dialog.exec();
    return Answer::ok;
  }
  QPushButton* yes = dialog.addButton(QString::fromUtf8("是"), QMessageBox::YesRole);
  QPushButton* no = dialog.addButton(QString::fromUtf8("否"), QMessageBox::NoRole);
  yes->setObjectName("Yes");
  no->setObjectName("No");
  dialog.setDefaultButton(box.defaultAnswer == Answer::yes ? yes : no);
  dialog.setEscapeButton(no);
  dialog.exec();
  return dialog.clickedButton() == yes ? Answer::yes : Answer::no;
}

}  // namespace tolvar::qt
