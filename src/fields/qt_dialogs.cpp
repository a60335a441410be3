#include "fields/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvara {

namespace {

QMessageBox::Icon iconOf(int code) {
  switch (code & 0x70) {
    case MessageCode::Critical: return QMessageBox::Critical;
    case MessageCode::Question: return QMessageBox::Question;
    case MessageCode::Exclamation: return QMessageBox::Warning;
    case MessageCode::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtDialogs::show(const Message& message) {
  const bool yesNo = (message.code & 0x7) == MessageCode::YesNo;
  QMessageBox box(iconOf(message.code), QString::fromStdString(message.title),
                  QString::fromStdString(message.text()),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  if (box.exec() == QMessageBox::Yes) return Answer::Yes;
  return yesNo ? Answer::No : Answer::Ok;
}

}  // namespace kelvara
