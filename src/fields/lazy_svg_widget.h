#pragma once
// A picture from the compiled-in resources that is read and decoded only when it is first
// shown, so that a window builds without decoding the pictures it keeps hidden (the menu's
// other photographs, the equations a page shows on request).

#include <QSize>
#include <QString>
#include <QSvgWidget>

namespace kelvara {

class LazySvgWidget : public QSvgWidget {
 public:
  // size is the picture's size on the page.
  LazySvgWidget(const QString& resource, QSize size, QWidget* parent);
  // The size the picture declares in its width and height.
  LazySvgWidget(const QString& resource, QWidget* parent);

  QSize sizeHint() const override { return size_; }
  bool decoded() const { return decoded_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void decode();

  QString resource_;
  QSize size_;
  bool decoded_ = false;
};

// The width and height an SVG document gives on its root element, in pixels; an invalid
// size when it gives none, or not as plain numbers.
QSize declaredSvgSize(const QString& resource);

}  // namespace kelvara
