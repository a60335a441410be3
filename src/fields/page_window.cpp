#include "fields/page_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QtGlobal>
#include <algorithm>

#include "fields/checked.h"
#include "fields/lazy_svg_widget.h"

namespace kelvara {

namespace {

// Runs a handler for one kind of mouse event on the widget it watches.
class MouseEventFilter : public QObject {
 public:
  MouseEventFilter(QObject* parent, QEvent::Type type, std::function<void()> handler)
      : QObject(parent), type_(type), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_ &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      handler_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type type_;
  std::function<void()> handler_;
};

// Runs a handler for a left click on the widget it watches: a press and a release on that
// widget, as for a button. A press that is released elsewhere is no click.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* parent, std::function<void()> handler)
      : QObject(parent), widget_(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
      return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return QObject::eventFilter(watched, event);
    if (type == QEvent::MouseButtonPress) {
      pressed_ = true;
    } else if (pressed_) {
      pressed_ = false;
      if (widget_->rect().contains(mouse->position().toPoint())) handler_();
    }
    return true;
  }

 private:
  QWidget* widget_;
  std::function<void()> handler_;
  bool pressed_ = false;
};

// Runs a handler when a button other than the left one goes down on a push button, which
// itself answers only the left one (through its pressed signal).
class ButtonDownFilter : public QObject {
 public:
  ButtonDownFilter(QWidget* parent, std::function<void()> handler)
      : QObject(parent), widget_(parent), handler_(std::move(handler)) {}

 protected:
  // A press of any mouse button, the second press of a double click included, on the
  // enabled button: a disabled button still passes its mouse events through its filters.
  // The left button's press goes on to the button so that it is drawn pressed; the keyboard
  // presses it without a mouse and runs nothing.
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool down =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (down && widget_->isEnabled()) {
      handler_();
      return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* widget_;
  std::function<void()> handler_;
};

}  // namespace

PageWindow::PageWindow(PageHost& host, Dialogs& dialogs, const char* objectName,
                       const QString& caption)
    : host_(host), boundDialogs_(dialogs, *this) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setCentralWidget(new QWidget(this));
}

void PageWindow::returnToMenu() {
  hide();
  host_.showMenu();
}

void PageWindow::goToPage(const char* page) {
  hide();
  host_.showPage(page);
}

void PageWindow::endProgram() { host_.endProgram(); }

void PageWindow::run(const std::function<void()>& handler) {
  struct Running {
    explicit Running(int& count) : count_(count) { ++count_; }
    ~Running() { --count_; }
    int& count_;
  } running(running_);
  binding_.pull();
  try {
    handler();
  } catch (const ArithmeticFailure& failure) {
    // Pages report their own failures; this is the last guard so that no figure that is
    // not a number reaches a box and the program carries on.
    qWarning("unhandled arithmetic failure in %s: %s", qPrintable(objectName()), failure.what());
    boundDialogs_.show(notCalculableMessage());
  }
  binding_.push();
  inputNames_.refresh();
}

QLineEdit* PageWindow::addTextBox(const char* name, TextBox& control) {
  auto* widget = new QLineEdit(page());
  widget->setObjectName(QString::fromLatin1(name));
  binding_.bind(widget, control);
  return widget;
}

QPlainTextEdit* PageWindow::addTextArea(const char* name, TextBox& control) {
  auto* widget = new QPlainTextEdit(page());
  widget->setObjectName(QString::fromLatin1(name));
  // Tab goes on to the next control; a tab typed into a box of figures means nothing.
  widget->setTabChangesFocus(true);
  binding_.bind(widget, control);
  return widget;
}

QLabel* PageWindow::addLabel(const char* name, Label& control) {
  auto* widget = new QLabel(page());
  widget->setObjectName(QString::fromLatin1(name));
  widget->setTextFormat(Qt::PlainText);
  widget->setWordWrap(true);
  binding_.bind(widget, control);
  return widget;
}

QLabel* PageWindow::addLabel(const char* name, const QString& caption) {
  auto* widget = new QLabel(caption, page());
  if (name != nullptr) widget->setObjectName(QString::fromLatin1(name));
  widget->setTextFormat(Qt::PlainText);
  widget->setWordWrap(true);
  return widget;
}

QScrollBar* PageWindow::addScrollBar(const char* name, ScrollBar& control,
                                     const std::function<void()>& changeHandler) {
  auto* widget = new QScrollBar(Qt::Horizontal, page());
  widget->setObjectName(QString::fromLatin1(name));
  // The arrow keys move the bar the way its arrows point, Right to larger values (Qt's
  // scroll bars invert their keys by default, which suits vertical bars only).
  widget->setInvertedControls(false);
  // The Tab key reaches the bar like any other input (Qt's bars take no focus by default).
  widget->setFocusPolicy(Qt::StrongFocus);
  binding_.bind(widget, control);
  scrollBars_.push_back(widget);
  connect(widget, &QScrollBar::valueChanged, this, [this, changeHandler] {
    if (running_ == 0) run(changeHandler);
  });
  return widget;
}

QPushButton* PageWindow::addButton(const char* name, const QString& caption,
                                   CommandButton* control, const std::function<void()>& handler) {
  auto* widget = new QPushButton(caption, page());
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAutoDefault(false);
  if (control != nullptr) binding_.bind(widget, *control);
  connect(widget, &QPushButton::clicked, this, [this, handler] { run(handler); });
  return widget;
}

QPushButton* PageWindow::addMouseDownButton(const char* name, const QString& caption,
                                           CommandButton* control,
                                           const std::function<void()>& handler) {
  auto* widget = new QPushButton(caption, page());
  widget->setObjectName(QString::fromLatin1(name));
  widget->setAutoDefault(false);
  if (control != nullptr) binding_.bind(widget, *control);
  widget->installEventFilter(new ButtonDownFilter(widget, [this, handler] { run(handler); }));
  return widget;
}

QPushButton* PageWindow::addMenuButton(const char* name) {
  return addButton(name, QStringLiteral("&Menu"), nullptr, [this] { returnToMenu(); });
}

QPushButton* PageWindow::addExitButton(const char* name) {
  return addButton(name, QStringLiteral("E&xit"), nullptr, [this] { host_.endProgram(); });
}

QPushButton* PageWindow::addPrintButton(const char* name) {
  return addButton(name, QStringLiteral("&Print Form"), nullptr, [this] { printForm(); });
}

void PageWindow::printForm() { host_.printWindow(*this); }

void PageWindow::printSheets(const std::vector<QWidget*>& sheets) {
  host_.printSheets(*this, sheets);
}

QButtonGroup* PageWindow::addOptionGroup() { return new QButtonGroup(this); }

QRadioButton* PageWindow::addOptionButton(const char* name, const QString& caption,
                                          OptionButton& control, QButtonGroup* group,
                                          const std::function<void()>& handler) {
  auto* widget = new QRadioButton(caption, page());
  widget->setObjectName(QString::fromLatin1(name));
  group->addButton(widget);
  binding_.bind(widget, control);
  if (handler) connect(widget, &QRadioButton::clicked, this, [this, handler] { run(handler); });
  return widget;
}

QCheckBox* PageWindow::addCheckBox(const char* name, const QString& caption, CheckBox& control,
                                   const std::function<void()>& handler) {
  auto* widget = new QCheckBox(caption, page());
  widget->setObjectName(QString::fromLatin1(name));
  binding_.bind(widget, control);
  if (handler) connect(widget, &QCheckBox::clicked, this, [this, handler] { run(handler); });
  return widget;
}

QWidget* PageWindow::addPicture(const char* name, const QString& resource, PictureBox& control) {
  auto* widget = new LazySvgWidget(resource, page());
  widget->setObjectName(QString::fromLatin1(name));
  widget->setFixedSize(widget->sizeHint());
  binding_.bind(widget, control);
  return widget;
}

QMenu* PageWindow::addMenu(const char* name, const QString& caption) {
  QMenu* menu = menuBar()->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* PageWindow::addMenuBarItem(const char* name, const QString& caption,
                                    const std::function<void()>& handler) {
  QAction* action = menuBar()->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
  return action;
}

QAction* PageWindow::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                 const std::function<void()>& handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
  return action;
}

void PageWindow::onDoubleClick(QWidget* widget, const std::function<void()>& handler) {
  widget->installEventFilter(new MouseEventFilter(widget, QEvent::MouseButtonDblClick,
                                                  [this, handler] { run(handler); }));
}

void PageWindow::onClick(QWidget* widget, const std::function<void()>& handler) {
  widget->installEventFilter(new ClickFilter(widget, [this, handler] { run(handler); }));
}

void PageWindow::releaseScrollBars() {
  for (QScrollBar* bar : scrollBars_) {
    // A release on a bar that is not held does nothing.
    const QPointF centre(bar->width() / 2.0, bar->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, bar->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
  }
}

void PageWindow::showEvent(QShowEvent* event) {
  if (!shownBefore_) {
    shownBefore_ = true;
    const QList<QWidget*> chain = chainTabOrder(page());
    inputNames_.collect(page());
    // The page opens with the focus in its first box, unless the form chose another control.
    if (focusWidget() == nullptr) {
      const auto first = std::find_if(chain.begin(), chain.end(), [this](QWidget* widget) {
        return widget->isVisibleTo(this) && widget->isEnabled();
      });
      if (first != chain.end()) (*first)->setFocus(Qt::TabFocusReason);
    }
  }
  QMainWindow::showEvent(event);
}

void PageWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  host_.endProgram();
}

}  // namespace kelvara
