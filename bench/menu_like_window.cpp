// A second yardstick for the start-up measurement: plain Qt widgets laid out as the menu
// window is (a menu bar, a bold heading, nineteen option buttons in a frame, a photograph,
// the stopwatch frame with its boxes and buttons), without any of Kelvara's code. When it
// starts as slowly as Kelvara, the time goes to the widgets the menu window shows, not to
// work that could wait.

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "shell/startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  auto* page = new QWidget(&window);
  window.setCentralWidget(page);
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
  for (const char* item : {"Author", "About", "Information", "Instructions", "Version"})
    help->addAction(QString::fromLatin1(item));

  auto* heading = new QLabel(QStringLiteral("Heading"), page);
  QFont font = heading->font();
  font.setPointSizeF(font.pointSizeF() * 2.0);
  font.setBold(true);
  heading->setFont(font);

  auto* list = new QGroupBox(page);
  auto* options = new QVBoxLayout(list);
  options->addWidget(new QLabel(QStringLiteral("Menu:"), list));
  for (int i = 0; i < 19; ++i)
    options->addWidget(new QRadioButton(QStringLiteral("Calculator number &%1").arg(i), list));

  auto* right = new QVBoxLayout;
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(new QLabel(QStringLiteral(" Today's date"), page));
  dateRow->addWidget(new QLineEdit(QStringLiteral("Wednesday,9 December, 2026"), page), 1);
  right->addLayout(dateRow);
  auto* photograph = new QSvgWidget(QStringLiteral(KELVARA_PHOTOGRAPH), page);
  photograph->setFixedSize(320, 200);
  right->addWidget(photograph);
  right->addWidget(new QLabel(QStringLiteral("A caption under the photograph"), page));
  auto* stopwatch = new QGroupBox(QStringLiteral("Stopwatch"), page);
  auto* grid = new QGridLayout(stopwatch);
  grid->addWidget(new QLineEdit(QStringLiteral("0.00  seconds"), stopwatch), 0, 0, 1, 3);
  grid->addWidget(new QPushButton(QStringLiteral("Start"), stopwatch), 1, 0);
  grid->addWidget(new QPushButton(QStringLiteral("Stop"), stopwatch), 1, 1);
  grid->addWidget(new QPushButton(QStringLiteral("Reset"), stopwatch), 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Set alarm to sound after "), stopwatch), 2, 0, 1, 3);
  grid->addWidget(new QLineEdit(QStringLiteral("0"), stopwatch), 3, 0);
  grid->addWidget(new QLabel(QStringLiteral("    Minutes"), stopwatch), 3, 1, 1, 2);
  grid->addWidget(new QLineEdit(QStringLiteral("0"), stopwatch), 4, 0);
  grid->addWidget(new QLabel(QStringLiteral("   Seconds"), stopwatch), 4, 1, 1, 2);
  right->addWidget(stopwatch);
  right->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QPushButton(QStringLiteral("OK"), page));
  buttons->addWidget(new QPushButton(QStringLiteral("E&xit"), page));
  buttons->addStretch(1);

  auto* layout = new QGridLayout(page);
  layout->addWidget(heading, 0, 0, 1, 2);
  layout->addWidget(list, 1, 0);
  layout->addLayout(right, 1, 1);
  layout->addLayout(buttons, 2, 0);
  layout->addWidget(new QLabel(QStringLiteral("A credit line"), page), 2, 1);

  kelvara::StartupProbe::installOn(window);
  window.show();
  return QApplication::exec();
}
