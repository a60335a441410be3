#include "fields/page_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
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

PageWindow::PageWindow(PageHost& host, Dialogs& dialogs)
    : host_(host), boundDialogs_(dialogs, *this) {
  setCentralWidget(new QWidget(this));
}

void PageWindow::describe(PageDescription description) {
  description_ = std::move(description);
  setObjectName(QString::fromUtf8(description_.page.data(),
                                  static_cast<qsizetype>(description_.page.size())));
  setWindowTitle(QString::fromUtf8(description_.title.data(),
                                   static_cast<qsizetype>(description_.title.size())));
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
    if (handler) handler();
  } catch (const ArithmeticFailure& failure) {
    // Pages report their own failures; this is the last guard so that no figure that is
    // not a number reaches a box and the program carries on.
    qWarning("unhandled arithmetic failure in %s: %s", qPrintable(objectName()), failure.what());
    boundDialogs_.show(notCalculableMessage());
  }
  binding_.push();
  inputNames_.refresh();
}

template <class Widget>
Widget* PageWindow::named(Widget* widget, const void* control) {
  widget->setObjectName(nameOf(control));
  return widget;
}

std::function<void()> PageWindow::handlerOf(const void* control, Event event) {
  const std::string_view name = description_.at(control).name;
  std::function<void()> handler = description_.runFor(name, event);
  const HandlerDescription* step = description_.handlerFor(name, event);
  if (!handler || step == nullptr || description_.recorder == nullptr) return handler;
  std::vector<RecordedCalculation> calculations;
  for (const Calculation& calculation : description_.calculations) {
    if (std::find(calculation.handlers.begin(), calculation.handlers.end(), step->name) ==
        calculation.handlers.end())
      continue;
    RecordedCalculation recorded{&calculation, {}};
    for (const auto* names : {&calculation.inputs, &calculation.results})
      for (std::string_view box : *names) recorded.controls.push_back(description_.find(box));
    calculations.push_back(std::move(recorded));
  }
  if (calculations.empty()) return handler;
  return [this, calculations, handler, stepName = std::string(step->name)] {
    recordRun(calculations, stepName, handler);
  };
}

namespace {

// The texts of a calculation's inputs and results, written over those of the run before, so
// that a run at every position of a scroll bar allocates next to nothing.
void keepTexts(const std::vector<const ControlDescription*>& controls,
               std::map<std::string, std::string, std::less<>>& texts) {
  for (const ControlDescription* control : controls) {
    if (control == nullptr) continue;
    const std::optional<std::string> text = shownText(*control);
    if (!text) continue;
    const auto kept = texts.find(control->name);
    if (kept != texts.end())
      kept->second = *text;
    else
      texts.emplace(control->name, *text);
  }
}

}  // namespace

void PageWindow::recordRun(const std::vector<RecordedCalculation>& calculations,
                           std::string_view step, const std::function<void()>& handler) {
  if (recording_ != nullptr) {  // a step run by another step records into its run
    handler();
    return;
  }
  // Each run is written where it is kept; a calculation of several steps is kept aside until
  // its last step.
  const auto slot = [](auto& kept, std::string_view name) -> CalculationRun& {
    const auto found = kept.find(name);
    return found != kept.end() ? found->second : kept[std::string(name)];
  };
  std::vector<CalculationRun*> runs;
  for (const auto& [calculation, controls] : calculations) {
    const std::string_view name = calculation->name;
    const bool single = calculation->handlers.size() == 1;
    const bool continues = step != calculation->handlers.front() && unfinished_.count(name) == 1;
    CalculationRun& run = slot(single ? runs_ : unfinished_, name);
    if (!continues) {
      run.calculation = name;
      run.working.clear();
      keepTexts(controls, run.before);
    }
    runs.push_back(&run);
  }
  record_.clear();
  recording_ = &record_;
  description_.recorder->recordInto(record_);
  struct Done {  // however the handler ends
    PageWindow& window;
    ~Done() {
      window.recording_ = nullptr;
      window.description_.recorder->recordInto(noWorking());
    }
  };
  try {
    Done done{*this};
    handler();
  } catch (...) {  // a run that did not end is not kept
    for (const RecordedCalculation& recorded : calculations) {
      runs_.erase(std::string(recorded.calculation->name));
      unfinished_.erase(std::string(recorded.calculation->name));
    }
    if (runs_.count(latest_) == 0) latest_.clear();
    throw;
  }
  const std::int64_t when = QDateTime::currentSecsSinceEpoch();
  for (std::size_t c = 0; c < calculations.size(); ++c) {
    const Calculation& calculation = *calculations[c].calculation;
    CalculationRun& run = *runs[c];
    run.working.append(record_);
    keepTexts(calculations[c].controls, run.after);
    run.when = when;
    if (step != calculation.handlers.back()) continue;
    const std::string name(calculation.name);
    if (calculation.handlers.size() > 1) {
      runs_[name] = std::move(run);
      unfinished_.erase(name);
    }
    latest_ = name;
    emit calculated(QString::fromStdString(name));
  }
}

const CalculationRun* PageWindow::latestRun() const { return lastRun(latest_); }

const CalculationRun* PageWindow::lastRun(std::string_view calculation) const {
  const auto run = runs_.find(calculation);
  return run == runs_.end() ? nullptr : &run->second;
}

std::function<void()> PageWindow::commandOf(const void* control,
                                            const std::function<void()>& windowAction) {
  const std::function<void()> handler = handlerOf(control, Event::Click);
  std::function<void()> command;
  if (windowAction) {
    command = windowAction;
  } else {
    switch (description_.at(control).command) {
      case WindowCommand::None: command = handler; break;
      case WindowCommand::Menu: command = [this] { returnToMenu(); }; break;
      // A page's own Exit handler runs first (the trailer page's disables its results).
      case WindowCommand::Exit:
        command = [this, handler] {
          if (handler) handler();
          endProgram();
        };
        break;
      case WindowCommand::Print: command = [this] { printForm(); }; break;
    }
  }
  // The screen reaches the controls first, whatever the command does.
  return [this, command] { run(command); };
}

QLineEdit* PageWindow::addTextBox(TextBox& control) {
  auto* widget = named(new QLineEdit(page()), &control);
  if (description_.at(&control).role == Role::Fixed) widget->setReadOnly(true);
  binding_.bind(widget, control);
  // Every change of the text counts, typed or set by the program.
  if (auto change = handlerOf(&control, Event::Change))
    connect(widget, &QLineEdit::textChanged, this, [this, change] { run(change); });
  return widget;
}

QPlainTextEdit* PageWindow::addTextArea(TextBox& control) {
  auto* widget = named(new QPlainTextEdit(page()), &control);
  if (description_.at(&control).role == Role::Fixed) widget->setReadOnly(true);
  // Tab goes on to the next control; a tab typed into a box of figures means nothing.
  widget->setTabChangesFocus(true);
  binding_.bind(widget, control);
  return widget;
}

QLabel* PageWindow::addLabel(Label& control) {
  // With its caption from the start, so that the form is laid out with it.
  auto* widget = named(new QLabel(QString::fromStdString(control.caption), page()), &control);
  widget->setTextFormat(Qt::PlainText);
  widget->setWordWrap(true);
  binding_.bind(widget, control);
  if (auto click = handlerOf(&control, Event::Click)) onClick(widget, click);
  return widget;
}

QScrollBar* PageWindow::addScrollBar(ScrollBar& control) {
  auto* widget = named(new QScrollBar(Qt::Horizontal, page()), &control);
  // The arrow keys move the bar the way its arrows point, Right to larger values (Qt's
  // scroll bars invert their keys by default, which suits vertical bars only).
  widget->setInvertedControls(false);
  // The Tab key reaches the bar like any other input (Qt's bars take no focus by default).
  widget->setFocusPolicy(Qt::StrongFocus);
  binding_.bind(widget, control);
  scrollBars_.push_back(widget);
  const std::function<void()> change = handlerOf(&control, Event::Change);
  connect(widget, &QScrollBar::valueChanged, this, [this, change] {
    if (running_ == 0) run(change);
  });
  return widget;
}

QPushButton* PageWindow::addButton(CommandButton& control, const QString& caption,
                                   const std::function<void()>& windowAction) {
  auto* widget = named(new QPushButton(caption, page()), &control);
  widget->setAutoDefault(false);
  binding_.bind(widget, control);
  connect(widget, &QPushButton::clicked, this, commandOf(&control, windowAction));
  return widget;
}

QPushButton* PageWindow::addMenuButton(CommandButton& control) {
  return addButton(control, QStringLiteral("&Menu"));
}

QPushButton* PageWindow::addExitButton(CommandButton& control) {
  return addButton(control, QStringLiteral("E&xit"));
}

QPushButton* PageWindow::addPrintButton(CommandButton& control) {
  return addButton(control, QStringLiteral("&Print Form"));
}

QRadioButton* PageWindow::addOptionButton(OptionButton& control, const QString& caption,
                                          QButtonGroup* group) {
  auto* widget = named(new QRadioButton(caption, page()), &control);
  group->addButton(widget);
  binding_.bind(widget, control);
  if (auto click = handlerOf(&control, Event::Click))
    connect(widget, &QRadioButton::clicked, this, [this, click] { run(click); });
  return widget;
}

QCheckBox* PageWindow::addCheckBox(CheckBox& control, const QString& caption) {
  auto* widget = named(new QCheckBox(caption, page()), &control);
  binding_.bind(widget, control);
  if (auto click = handlerOf(&control, Event::Click))
    connect(widget, &QCheckBox::clicked, this, [this, click] { run(click); });
  return widget;
}

QWidget* PageWindow::addPicture(PictureBox& control, const QString& resource) {
  auto* widget = named(new LazySvgWidget(resource, page()), &control);
  widget->setFixedSize(widget->sizeHint());
  binding_.bind(widget, control);
  if (auto click = handlerOf(&control, Event::Click)) onClick(widget, click);
  return widget;
}

QMenu* PageWindow::addMenu(MenuItem& control, const QString& caption) {
  QMenu* menu = menuBar()->addMenu(caption);
  named(menu, &control);
  named(menu->menuAction(), &control);
  return menu;
}

QAction* PageWindow::addMenuBarItem(MenuItem& control, const QString& caption,
                                    const std::function<void()>& windowAction) {
  QAction* action = named(menuBar()->addAction(caption), &control);
  connect(action, &QAction::triggered, this, commandOf(&control, windowAction));
  return action;
}

QAction* PageWindow::addMenuItem(QMenu* menu, MenuItem& control, const QString& caption,
                                 const std::function<void()>& windowAction) {
  QAction* action = named(menu->addAction(caption), &control);
  connect(action, &QAction::triggered, this, commandOf(&control, windowAction));
  return action;
}

QPushButton* PageWindow::addMouseDownButton(CommandButton& control, const QString& caption,
                                           const std::function<void()>& after) {
  auto* widget = named(new QPushButton(caption, page()), &control);
  widget->setAutoDefault(false);
  binding_.bind(widget, control);
  const std::function<void()> handler = handlerOf(&control, Event::MouseDown);
  widget->installEventFilter(new ButtonDownFilter(widget, [this, handler, after] {
    run(handler);
    if (after) after();
  }));
  return widget;
}

QString PageWindow::nameOf(const void* control) const {
  const std::string_view name = description_.at(control).name;
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QLabel* PageWindow::addLabel(const char* name, const QString& caption) {
  auto* widget = new QLabel(caption, page());
  if (name != nullptr) widget->setObjectName(QString::fromLatin1(name));
  widget->setTextFormat(Qt::PlainText);
  widget->setWordWrap(true);
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

void PageWindow::printForm() { host_.printWindow(*this); }

void PageWindow::printSheets(const std::vector<QWidget*>& sheets) {
  host_.printSheets(*this, sheets);
}

QButtonGroup* PageWindow::addOptionGroup() { return new QButtonGroup(this); }

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
    // After the page's own menus: the analyses of its calculations.
    if (host_.offersAnalysis() && !description_.calculations.empty()) {
      QMenu* analysis = menuBar()->addMenu(QStringLiteral("Analysis"));
      analysis->setObjectName(QStringLiteral("mnuAnalysis"));
      analysis->menuAction()->setObjectName(QStringLiteral("mnuAnalysis"));
      QAction* range = analysis->addAction(QStringLiteral("Range of results..."));
      range->setObjectName(QStringLiteral("mnuRange"));
      range->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
      connect(range, &QAction::triggered, this,
              [this] { run([this] { host_.openRange(*this); }); });
      QAction* sheet = analysis->addAction(QStringLiteral("Calculation sheet..."));
      sheet->setObjectName(QStringLiteral("mnuSheet"));
      sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
      connect(sheet, &QAction::triggered, this,
              [this] { run([this] { host_.openSheet(*this); }); });
    }
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
