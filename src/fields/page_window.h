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
#include <vector>

#include "fields/binding.h"
#include "fields/form_layout.h"
#include "fields/message.h"
#include "fields/page_host.h"

namespace kelvara {

class PageWindow : public QMainWindow {
  Q_OBJECT

 public:
  // objectName is the page's name (frmNewton), caption its window title.
  PageWindow(PageHost& host, Dialogs& dialogs, const char* objectName, const QString& caption);

  // The Menu button: hide this page and show the menu window.
  void returnToMenu();
  // Hide this page and show another one (the crush page's parameter diagram).
  void goToPage(const char* page);
  // End the program, as the Exit button does (for a page whose Exit runs a handler first).
  void endProgram();

 protected:
  // The dialogs to hand to the page logic: before each box they put on the screen
  // everything the handler has written so far.
  Dialogs& dialogs() { return boundDialogs_; }
  Binding& binding() { return binding_; }
  // The widget the form lays its controls out on.
  QWidget* page() { return centralWidget(); }

  // Runs one handler of the page logic: screen to controls, the handler, controls to screen.
  void run(const std::function<void()>& handler);

  // Widgets bound to controls, named and parented to the page.
  QLineEdit* addTextBox(const char* name, TextBox& control);
  // A multi-line text box, its lines separated by line feeds in the control's text.
  QPlainTextEdit* addTextArea(const char* name, TextBox& control);
  QLabel* addLabel(const char* name, Label& control);
  // A scroll bar that moves while a handler is still running (its message box open, the
  // bar's arrow held down) does not start its handler inside that one: the bar goes back to
  // where the running handler leaves it.
  QScrollBar* addScrollBar(const char* name, ScrollBar& control,
                           const std::function<void()>& changeHandler);
  // Fixed texts; name may be null for an unnamed caption.
  QLabel* addLabel(const char* name, const QString& caption);
  // A command button running handler when clicked; control (may be null) holds its state.
  QPushButton* addButton(const char* name, const QString& caption, CommandButton* control,
                         const std::function<void()>& handler);
  // A command button running handler when a mouse button goes down on it: any button, the
  // second press of a double click included. Its click runs nothing.
  QPushButton* addMouseDownButton(const char* name, const QString& caption,
                                  CommandButton* control, const std::function<void()>& handler);
  // The shared page buttons.
  QPushButton* addMenuButton(const char* name);
  QPushButton* addExitButton(const char* name);
  QPushButton* addPrintButton(const char* name);
  // Option buttons that exclude one another. The group may be left with none selected
  // (the binding unchecks it when the page logic clears every value).
  QButtonGroup* addOptionGroup();
  // An option button of group; handler (may be empty) runs when the investigator clicks it,
  // after the new choice has reached the controls.
  QRadioButton* addOptionButton(const char* name, const QString& caption, OptionButton& control,
                                QButtonGroup* group, const std::function<void()>& handler = {});
  // A check box; handler (may be empty) runs when the investigator clicks it.
  QCheckBox* addCheckBox(const char* name, const QString& caption, CheckBox& control,
                         const std::function<void()>& handler = {});
  // A picture from the compiled-in resources (":/dynamics/overturn.svg"), shown at its own
  // size; control holds whether it is visible.
  QWidget* addPicture(const char* name, const QString& resource, PictureBox& control);
  // A drop-down menu on the menu bar, and an item directly on the menu bar (Notes).
  QMenu* addMenu(const char* name, const QString& caption);
  QAction* addMenuBarItem(const char* name, const QString& caption,
                          const std::function<void()>& handler);
  // A menu item running handler.
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       const std::function<void()>& handler);
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
      return screen_.show(message);
    }

   private:
    Dialogs& screen_;
    PageWindow& window_;
  };

  // A box opened while a scroll bar's arrow or slider is held takes the button's release;
  // the bar is let go first, or it would go on stepping once the box is closed.
  void releaseScrollBars();

  PageHost& host_;
  int running_ = 0;  // handlers of this page under way, one inside the other
  Binding binding_;
  InputNames inputNames_;
  bool shownBefore_ = false;
  std::vector<QScrollBar*> scrollBars_;
  BoundDialogs boundDialogs_;
};

}  // namespace kelvara
