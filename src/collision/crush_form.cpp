#include "collision/crush_form.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

using Item = MenuItem CrushPage::*;

struct CategoryItems {
  Item vehicle1;
  Item vehicle2;
};

// One row per entry of crush::kVehicleCategories, in its order.
constexpr CategoryItems kCategoryItems[crush::kCategoryCount] = {
    {&CrushPage::mnuMinicar1, &CrushPage::mnuMinicar2},
    {&CrushPage::mnuSmallcar1, &CrushPage::mnuSmallcar2},
    {&CrushPage::mnuFamilycar1, &CrushPage::mnuFamilycar2},
    {&CrushPage::mnuLargecar1, &CrushPage::mnuLargecar2},
    {&CrushPage::mnuVerylargecar1, &CrushPage::mnuVerylargecar2},
    {&CrushPage::mnuVan1, &CrushPage::mnuVan2},
    {&CrushPage::mnuVanlarge1, &CrushPage::mnuVanlarge2},
    {&CrushPage::mnuMPVsmall1, &CrushPage::mnuMPVsmall2},
    {&CrushPage::mnuMPVlarge1, &CrushPage::mnuMPVlarge2},
    {&CrushPage::mnuPickupsmall1, &CrushPage::mnuPickupsmall2},
    {&CrushPage::mnuPickuplarge1, &CrushPage::mnuPickuplarge2},
    {&CrushPage::mnuTruck1, &CrushPage::mnuTruck2},
};

struct TypeItem {
  Item item;
  const char* caption;
};

// Everything the report print changes on the page, kept so that the page is put back
// exactly as it was however the print ends.
class ReportState {
 public:
  // background: the labels and option buttons that take the report's light background;
  // hidden: the buttons the report leaves out.
  ReportState(QWidget& window, const std::vector<QWidget*>& background,
              const std::vector<QWidget*>& hidden)
      : window_(window), focus_(window.focusWidget()) {
    keepBackground(&window);
    for (QWidget* widget : background) keepBackground(widget);
    for (QWidget* widget : hidden) buttons_.push_back({widget, widget->isHidden()});
  }

  ReportState(const ReportState&) = delete;
  ReportState& operator=(const ReportState&) = delete;

  // The light background of the report (the 3-D highlight colour), without the buttons.
  void applyReportLook() {
    const QColor light = window_.palette().color(QPalette::Light);
    for (const Background& kept : backgrounds_) {
      QPalette palette = kept.widget->palette();
      palette.setColor(QPalette::Window, light);
      // Option buttons fill their background in the button colour.
      palette.setColor(kept.widget->backgroundRole(), light);
      kept.widget->setPalette(palette);
      kept.widget->setAutoFillBackground(true);
    }
    // A hidden button would hand its focus on to the next box, which selects its text.
    for (const Button& button : buttons_)
      if (button.widget->hasFocus()) button.widget->clearFocus();
    for (const Button& button : buttons_) button.widget->hide();
  }

  ~ReportState() {
    for (auto kept = backgrounds_.rbegin(); kept != backgrounds_.rend(); ++kept) {
      if (kept->widget.isNull()) continue;
      // A widget that inherited its palette inherits it again.
      kept->widget->setPalette(kept->ownPalette ? kept->palette : QPalette());
      kept->widget->setAutoFillBackground(kept->autoFill);
    }
    for (const Button& button : buttons_)
      if (!button.widget.isNull()) button.widget->setHidden(button.hidden);
    if (!focus_.isNull()) focus_->setFocus();
  }

 private:
  struct Background {
    QPointer<QWidget> widget;
    bool ownPalette;
    QPalette palette;
    bool autoFill;
  };
  struct Button {
    QPointer<QWidget> widget;
    bool hidden;
  };

  void keepBackground(QWidget* widget) {
    backgrounds_.push_back({widget, widget->testAttribute(Qt::WA_SetPalette), widget->palette(),
                            widget->autoFillBackground()});
  }

  QWidget& window_;
  QPointer<QWidget> focus_;
  std::vector<Background> backgrounds_;
  std::vector<Button> buttons_;
};

}  // namespace

CrushForm::CrushForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), host_(host), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  // Menus, left to right.
  for (int vehicle : {1, 2}) {
    QMenu* menu = vehicle == 1
                      ? addMenu(page_.mnuVehicle1category, QStringLiteral("Vehicle 1 Category"))
                      : addMenu(page_.mnuVehicle2category, QStringLiteral("Vehicle 2 Category"));
    for (std::size_t row = 0; row < crush::kCategoryCount; ++row) {
      const crush::VehicleCategory& category = crush::kVehicleCategories[row];
      const Item item = vehicle == 1 ? kCategoryItems[row].vehicle1 : kCategoryItems[row].vehicle2;
      addMenuItem(menu, page_.*item,
                  QString::fromUtf8(vehicle == 1 ? category.caption1 : category.caption2));
    }
  }
  const TypeItem types1[] = {{&CrushPage::mnuFront1, "Front"},
                             {&CrushPage::mnuRear1, "Rear"},
                             {&CrushPage::mnuSide1, "Side"}};
  const TypeItem types2[] = {{&CrushPage::mnuFront2, "Front"},
                             {&CrushPage::mnuRear2, "Rear"},
                             {&CrushPage::mnuSide2, "Side"}};
  QMenu* collision1 = addMenu(page_.mnuCollisiontype1, QStringLiteral("Collision Type Vehicle 1"));
  for (const TypeItem& type : types1)
    addMenuItem(collision1, page_.*type.item, QString::fromLatin1(type.caption));
  QMenu* collision2 = addMenu(page_.mnuCollisiontype2, QStringLiteral("Collision type vehicle 2"));
  for (const TypeItem& type : types2)
    addMenuItem(collision2, page_.*type.item, QString::fromLatin1(type.caption));
  QMenu* help = addMenu(page_.mnuHelp, QStringLiteral("Help and Instructions"));
  addMenuItem(help, page_.mnuInstructions, QStringLiteral("Instructions"));
  addMenuItem(help, page_.mnuAbout, QStringLiteral("About"));
  addMenuItem(help, page_.mnuLimitations, QStringLiteral("Limitations"));
  addMenuBarItem(page_.mnuPrintform, QStringLiteral("Print Form"),
                 [this] { mnuPrintform_Click(); });

  // The labels and option buttons that take the report's light background, and the buttons
  // the report leaves out.
  const auto onReport = [this](auto* widget) {
    reportBackground_.push_back(widget);
    return widget;
  };
  const auto leftOffReport = [this](QPushButton* button) {
    reportHidden_.push_back(button);
    return button;
  };

  // Columns: captions, the reading heads, vehicle 1, vehicle 2, the readings options.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  int row = 0;
  const auto caption = [&](QLabel* label) { grid->addWidget(keepOnOneLine(label), row, 0, 1, 2); };
  // A caption and the two vehicles' boxes beside it; returns the boxes.
  const auto pair = [&](Label& name, TextBox& control1, TextBox& control2) {
    caption(onReport(addLabel(name)));
    const std::array<QLineEdit*, 2> boxes{addTextBox(control1), addTextBox(control2)};
    grid->addWidget(boxes[0], row, 2);
    grid->addWidget(boxes[1], row, 3);
    ++row;
    return boxes;
  };

  grid->addWidget(headingLabel(onReport(addLabel(page_.lblInput)), 1.0), row, 0);
  grid->addWidget(headingLabel(onReport(addLabel(page_.lblVehicle1)), 1.0), row, 2,
                  Qt::AlignHCenter);
  grid->addWidget(headingLabel(onReport(addLabel(page_.lblVehicle2)), 1.0), row, 3,
                  Qt::AlignHCenter);
  ++row;
  pair(page_.lblVehiclemodel, page_.txtVehicle1model, page_.txtVehicle2model);
  pair(page_.lblStiffnessA, page_.txtCoefficientA1, page_.txtCoefficientA2);
  pair(page_.lblStiffnessB, page_.txtCoefficientB1, page_.txtCoefficientB2);
  pair(page_.lblDamageWidth, page_.txtWidthdamage1, page_.txtWidthdamage2);

  // Crush readings: one row per reading, its head beside the two vehicles' cells.
  const int crushRow = row;
  QLabel* crush = keepOnOneLine(onReport(addLabel(page_.lblCrush)));
  grid->addWidget(crush, crushRow, 0, 6, 1, Qt::AlignTop);
  struct Reading {
    Label& label;
    TextBox& box1;
    TextBox& box2;
  };
  const Reading readings[] = {
      {page_.lblC1, page_.txtC11, page_.txtC12}, {page_.lblC2, page_.txtC21, page_.txtC22},
      {page_.lblC3, page_.txtC31, page_.txtC32}, {page_.lblC4, page_.txtC41, page_.txtC42},
      {page_.lblC5, page_.txtC51, page_.txtC52}, {page_.lblC6, page_.txtC61, page_.txtC62}};
  for (const Reading& reading : readings) {
    QLabel* head = keepOnOneLine(onReport(addLabel(reading.label)));
    grid->addWidget(head, row, 1);
    grid->addWidget(addTextBox(reading.box1), row, 2);
    grid->addWidget(addTextBox(reading.box2), row, 3);
    ++row;
  }
  auto* options = new QVBoxLayout;
  QButtonGroup* group = addOptionGroup();
  options->addWidget(
      onReport(addOptionButton(page_.opt2readings, QStringLiteral("2 measurements"), group)));
  options->addWidget(
      onReport(addOptionButton(page_.opt4readings, QStringLiteral("4 measurements"), group)));
  options->addWidget(
      onReport(addOptionButton(page_.opt6readings, QStringLiteral("6 measurements"), group)));
  options->addStretch(1);
  grid->addLayout(options, crushRow, 4, 6, 1);

  pair(page_.lblForcedirection, page_.txtForceangle1, page_.txtForceangle2);
  pair(page_.lblMomentarm, page_.txth1, page_.txth2);
  pair(page_.lblMass, page_.txtMass1, page_.txtMass2);

  grid->addWidget(headingLabel(onReport(addLabel(page_.lblOutput)), 1.0), row++, 0);
  pair(page_.lblEnergy, page_.txtEnergy1, page_.txtEnergy2);
  pair(page_.lblImpactforce, page_.txtForce1, page_.txtForce2);
  pair(page_.lblBarrierspeed, page_.txtEBS1, page_.txtEBS2);
  const std::array<QLineEdit*, 2> deltaV =
      pair(page_.lblDeltaV, page_.txtDeltaV1, page_.txtDeltaV2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);

  auto* buttons = pageButtonRow(
      {leftOffReport(addButton(page_.cmdCalculate7, QStringLiteral("&Calculate"))),
       leftOffReport(addButton(page_.cmdEdit, QStringLiteral("&Edit cells"))),
       leftOffReport(addButton(page_.cmdClear2, QStringLiteral("C&lear all cells"))),
       leftOffReport(addButton(page_.cmdDiagram, QStringLiteral("Paramater Diagram"),
                               [this] { goToPage("frmDiagram"); }))},
      {leftOffReport(addMenuButton(page_.cmdMenu7)), leftOffReport(addExitButton(page_.cmdExit7))});

  QLabel* title = titleLabel(onReport(addLabel(page_.lblCrushTitle)), 1.5);
  QLineEdit* credit = addTextBox(page_.Text1);
  credit->setFrame(false);
  credit->setFocusPolicy(Qt::NoFocus);

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addLayout(grid);
  // Room the window has beyond its contents goes above the buttons, not around the title.
  layout->addStretch(1);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->addWidget(credit);

  // Wide enough for a delta V with its m/s figure.
  const QFontMetrics metrics = credit->fontMetrics();
  const int resultWidth = metrics.horizontalAdvance(QStringLiteral("0000.0 mph  or  0000.0 m/s  "));
  for (QLineEdit* box : deltaV) box->setMinimumWidth(resultWidth);
  // The labels show their captions before the window takes its size from them.
  binding().push();
  resize(sizeHint().expandedTo(QSize(900, 700)));
}

void CrushForm::mnuPrintform_Click() {
  ReportState kept(*this, reportBackground_, reportHidden_);
  kept.applyReportLook();
  host_.printWindow(*this);
}

}  // namespace kelvara
