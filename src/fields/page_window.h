#pragma once
// The window every calculator page is: its widgets bound to the page logic's controls,
// handlers run with the screen kept in step, and the page buttons (Menu, Exit, Print Form)
// and closing the window wired to the shell through PageHost.

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "fields/binding.h"
#include "fields/form_layout.h"
#include "fields/message.h"
#include "fields/page_description.h"
#include "fields/page_host.h"
#include "fields/working.h"

namespace kelvara {

class PageWindow : public QMainWindow {
  Q_OBJECT

 public:
  // objectName is the window's name (frmMenu), caption its window title.
  PageWindow(PageHost& host, Dialogs& dialogs, const char* objectName, const QString& caption);
  // A calculator page, named and titled by its description (see describe).
  PageWindow(PageHost& host, Dialogs& dialogs);

  // What the page is, as its logic describes it; empty for a window without page logic.
  const PageDescription& description() const { return description_; }

  // The Menu button: hide this page and show the menu window.
  void returnToMenu();
  // Hide this page and show another one (the crush page's parameter diagram).
  void goToPage(const char* page);
  // End the program, as the Exit button does (for a page whose Exit runs a handler first).
  void endProgram();

  // The last completed run of a calculation of the page, if there has been one.
  const CalculationRun* lastRun(std::string_view calculation) const;
  // The run of whichever calculation ran last.
  const CalculationRun* latestRun() const;

 signals:
  // A calculation of the page has run; lastRun holds it.
  void calculated(const QString& calculation);

 protected:
  // The dialogs to hand to the page logic: before each box they put on the screen
  // everything the handler has written so far.
  Dialogs& dialogs() { return boundDialogs_; }
  Binding& binding() { return binding_; }
  // The widget the form lays its controls out on.
  QWidget* page() { return centralWidget(); }

  // Runs one handler of the page logic: screen to controls, the handler, controls to screen.
  void run(const std::function<void()>& handler);

  // Takes the page logic's description: the window's name and title, and the names, roles
  // and handlers of the controls the widgets below are bound to.
  void describe(PageDescription description);

  // Widgets bound to the described controls of the page logic, named as the description
  // names them and parented to the page; each runs the handlers the description gives it
  // (a box its Change, a button, option, check box, picture or label its Click, a scroll
  // bar its Change, a menu item its Click). A command button or menu item the description
  // gives to the window runs windowAction, or else the window's own command (Menu, Exit
  // after the page's handler, Print Form).
  QLineEdit* addTextBox(TextBox& control);  // read-only when it shows a fixed text
  QPlainTextEdit* addTextArea(TextBox& control);
  QLabel* addLabel(Label& control);
  QScrollBar* addScrollBar(ScrollBar& control);
  QPushButton* addButton(CommandButton& control, const QString& caption,
                         const std::function<void()>& windowAction = {});
  QPushButton* addMenuButton(CommandButton& control);
  QPushButton* addExitButton(CommandButton& control);
  QPushButton* addPrintButton(CommandButton& control);
  QRadioButton* addOptionButton(OptionButton& control, const QString& caption,
                                QButtonGroup* group);
  QCheckBox* addCheckBox(CheckBox& control, const QString& caption);
  QWidget* addPicture(PictureBox& control, const QString& resource);
  QMenu* addMenu(MenuItem& control, const QString& caption);
  QAction* addMenuBarItem(MenuItem& control, const QString& caption,
                          const std::function<void()>& windowAction = {});
  QAction* addMenuItem(QMenu* menu, MenuItem& control, const QString& caption,
                       const std::function<void()>& windowAction = {});
  // A command button running its MouseDown handler when a mouse button goes down on it: any
  // button, the second press of a double click included; then after, if given. Its click
  // runs nothing.
  QPushButton* addMouseDownButton(CommandButton& control, const QString& caption,
                                  const std::function<void()>& after = {});
  // The name the description gives a control, for a widget the form builds itself.
  QString nameOf(const void* control) const;

  // Widgets of a window without page logic (the menu window, Check figures), named by the
  // form, parented to the page.
  // Fixed texts; name may be null for an unnamed caption.
  QLabel* addLabel(const char* name, const QString& caption);
  // A command button running handler when clicked; control (may be null) holds its state.
  QPushButton* addButton(const char* name, const QString& caption, CommandButton* control,
                         const std::function<void()>& handler);
  // Option buttons that exclude one another. The group may be left with none selected
  // (the binding unchecks it when the page logic clears every value).
  QButtonGroup* addOptionGroup();
  // Runs handler on a double click on widget (radio buttons have no such signal).
  void onDoubleClick(QWidget* widget, const std::function<void()>& handler);
  // Runs handler on a left click (press and release on the widget) on a widget that has no
  // click signal (a picture, a label).
  void onClick(QWidget* widget, const std::function<void()>& handler);

  // What Print Form prints: an image of the window. A page whose window cannot show all it
  // holds at once prints sheets of its own instead (printSheets).
  virtual void printForm();
  // Prints sheets laid out for printing, never shown, as the pages of one print.
  void printSheets(const std::vector<QWidget*>& sheets);

  void closeEvent(QCloseEvent* event) override;
  // On the first show, once the form is laid out: the Tab key's order and the inputs' names.
  void showEvent(QShowEvent* event) override;

 private:
  class BoundDialogs : public Dialogs {
   public:
    BoundDialogs(Dialogs& screen, PageWindow& window) : screen_(screen), window_(window) {}
    int show(const Message& message) override {
      window_.releaseScrollBars();
      window_.binding_.push();
      if (window_.recording_ != nullptr) window_.recording_->message(message);
      return screen_.show(message);
    }

   private:
    Dialogs& screen_;
    PageWindow& window_;
  };

  // A box opened while a scroll bar's arrow or slider is held takes the button's release;
  // the bar is let go first, or it would go on stepping once the box is closed.
  void releaseScrollBars();

  // The named, bound widget of a described control, and the handler an event of it runs
  // (an empty function when there is none).
  template <class Widget>
  Widget* named(Widget* widget, const void* control);
  std::function<void()> handlerOf(const void* control, Event event);
  // A calculation a handler is a step of, with the controls whose texts its run keeps.
  struct RecordedCalculation {
    const Calculation* calculation;
    std::vector<const ControlDescription*> controls;
  };
  // Runs a handler that is a step of calculations of the page, keeping their record: the
  // texts before and after, the working and the messages. A calculation of several steps
  // is complete at its last.
  void recordRun(const std::vector<RecordedCalculation>& calculations, std::string_view step,
                 const std::function<void()>& handler);
  // What a described command does when the investigator gives it.
  std::function<void()> commandOf(const void* control, const std::function<void()>& windowAction);

  PageHost& host_;
  PageDescription description_{{}, {}};
  int running_ = 0;  // handlers of this page under way, one inside the other
  Binding binding_;
  InputNames inputNames_;
  bool shownBefore_ = false;
  std::vector<QScrollBar*> scrollBars_;
  BoundDialogs boundDialogs_;
  std::map<std::string, CalculationRun, std::less<>> runs_;
  std::map<std::string, CalculationRun, std::less<>> unfinished_;  // runs of several steps
  std::string latest_;
  WorkingRecord record_;  // of the handler running, kept for its room
  WorkingRecord* recording_ = nullptr;
};

}  // namespace kelvara
