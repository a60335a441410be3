#pragma once
// The parameter diagram window: the two plan views with the dimensions the crush page asks
// for, a print of the window and the way back to the crush page.

#include <QWidget>

#include "fields/page_window.h"

namespace kelvara {

// Paints the parameter diagram at its own size.
class DiagramPicture : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramPicture(QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class DiagramForm : public PageWindow {
  Q_OBJECT

 public:
  DiagramForm(PageHost& host, Dialogs& dialogs);

 private:
  PageHost& host_;
};

}  // namespace kelvara
