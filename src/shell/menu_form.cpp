#include "shell/menu_form.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "fields/form_layout.h"
#include "fields/lazy_svg_widget.h"

namespace kelvara {

namespace {

constexpr std::array<const char*, kPhotographCount> kPhotographFiles{
    ":/photographs/bend.svg", ":/photographs/junction.svg", ":/photographs/motorway.svg"};
constexpr QSize kPhotographSize(320, 200);

}  // namespace

void QtBeeper::beep() { QApplication::beep(); }

QString menuDateText(const QDate& date) {
  return QLocale::system().toString(date, QStringLiteral("dddd,d MMMM, yyyy"));
}

MenuForm::MenuForm(PageHost& host, Dialogs& dialogs, Beeper& beeper, TimerState::Clock clock,
                   PageOpener openPage, int photograph, const QString& date)
    : PageWindow(host, dialogs),
      page_(PageWindow::dialogs(), beeper, std::move(clock), photograph, date.toStdString()),
      openPage_(std::move(openPage)) {
  describe(page_.describe());
  // One shot per step, armed for the exact time of the next tick: no busy wait, and the
  // ticks keep to start + k × 100 ms however late one of them is served.
  stopwatchTimer_.setSingleShot(true);
  stopwatchTimer_.setTimerType(Qt::PreciseTimer);
  connect(&stopwatchTimer_, &QTimer::timeout, this, [this] {
    run([this] { page_.myTimer.tick(); });
    scheduleStopwatch();
  });
  auto* heading = headingLabel(addLabel(page_.lbl1), 2.0);

  auto* cmdOK =
      addButton(page_.cmdOK, QStringLiteral("OK"), [this] { openEntryPage(page_.cmdOK_Click()); });
  cmdOK->setDefault(true);
  for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
  }
  auto* cmdExit = addExitButton(page_.cmdExit);

  auto* lblToday = addLabel(page_.lblToday);
  auto* txtDate = addTextBox(page_.txtDate);
  auto* lblAuthor = addLabel(page_.lblAuthor);

  auto* right = new QVBoxLayout;
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(lblToday);
  dateRow->addWidget(txtDate, 1);
  right->addLayout(dateRow);
  right->addWidget(buildPictures());
  right->addWidget(buildStopwatch());
  right->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdExit);
  buttons->addStretch(1);

  auto* layout = new QGridLayout(page());
  layout->addWidget(heading, 0, 0, 1, 2);
  layout->addWidget(buildMenuList(), 1, 0);
  layout->addLayout(right, 1, 1);
  layout->addLayout(buttons, 2, 0);
  layout->addWidget(lblAuthor, 2, 1);

  QMenu* help = addMenu(page_.mnuHelp, QStringLiteral("Help"));
  addMenuItem(help, page_.mnuAuthor, QStringLiteral("Author"));
  addMenuItem(help, page_.mnuAbout, QStringLiteral("About"));
  addMenuItem(help, page_.mnuInformation, QStringLiteral("Information"));
  addMenuItem(help, page_.mnuInstructions, QStringLiteral("Instructions"));
  addMenuItem(help, page_.mnuVersion, QStringLiteral("Version"));
  addMenuItem(help, page_.mnuCheckFigures, QStringLiteral("Check figures"),
              [this] { openEntryPage("frmCheckFigures"); });

  binding().push();
  cmdOK->setFocus();
}

void MenuForm::openEntryPage(const char* page) {
  if (page == nullptr) return;
  hide();
  openPage_(QString::fromLatin1(page));
}

QWidget* MenuForm::buildMenuList() {
  auto* group = new QGroupBox(page());
  auto* list = new QVBoxLayout(group);
  list->addWidget(addLabel(page_.lbl2));
  for (std::size_t i = 0; i < kMenuEntries.size(); ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(kMenuEntries[i].caption), group);
    option->setObjectName(nameOf(&page_.options[i]));
    binding().bind(option, page_.options[i]);
    onDoubleClick(option, [this, i] { openEntryPage(MenuPage::entry_DblClick(i)); });
    list->addWidget(option);
  }
  return group;
}

QWidget* MenuForm::buildPictures() {
  auto* box = new QWidget(page());
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < kPhotographCount; ++i) {
    // Only the photograph drawn for this run is shown, so only it is decoded.
    auto* picture =
        new LazySvgWidget(QString::fromLatin1(kPhotographFiles[i]), kPhotographSize, box);
    picture->setObjectName(nameOf(&page_.Pic[static_cast<std::size_t>(i)]));
    picture->setFixedSize(kPhotographSize);
    binding().bind(picture, page_.Pic[static_cast<std::size_t>(i)]);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
  }
  auto* caption = addLabel(page_.Label1);
  caption->setAlignment(Qt::AlignHCenter);
  layout->addWidget(caption);
  return box;
}

QWidget* MenuForm::buildStopwatch() {
  auto* frame = new QGroupBox(QStringLiteral("Stopwatch"), page());
  frame->setObjectName(nameOf(&page_.frmStopwatch));
  auto* txtStopwatch = addTextBox(page_.txtStopwatch);
  auto* cmdStart = addMouseDownButton(page_.cmdStart, QStringLiteral("Start"),
                                      [this] { scheduleStopwatch(); });
  auto* cmdStop = addMouseDownButton(page_.cmdStop, QStringLiteral("Stop"),
                                     [this] { scheduleStopwatch(); });
  auto* cmdReset = addButton(page_.cmdReset, QStringLiteral("Reset"));

  auto* layout = new QGridLayout(frame);
  layout->addWidget(txtStopwatch, 0, 0, 1, 3);
  layout->addWidget(cmdStart, 1, 0);
  layout->addWidget(cmdStop, 1, 1);
  layout->addWidget(cmdReset, 1, 2);
  layout->addWidget(addLabel(page_.lblAlarm), 2, 0, 1, 3);
  layout->addWidget(addTextBox(page_.txtMinutes), 3, 0);
  layout->addWidget(addLabel(nullptr, QStringLiteral("    Minutes")), 3, 1, 1, 2);
  layout->addWidget(addTextBox(page_.txtSeconds), 4, 0);
  layout->addWidget(addLabel(nullptr, QStringLiteral("   Seconds")), 4, 1, 1, 2);
  return frame;
}

void MenuForm::scheduleStopwatch() {
  if (!page_.myTimer.running()) {
    stopwatchTimer_.stop();
    return;
  }
  stopwatchTimer_.start(std::chrono::milliseconds(page_.myTimer.untilNextStep()));
}

}  // namespace kelvara
