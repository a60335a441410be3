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
#include <vector>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

using Handler = void (CrushPage::*)();

struct CategoryItems {
  Handler vehicle1;
  Handler vehicle2;
};

// One row per entry of crush::kVehicleCategories, in its order.
constexpr CategoryItems kCategoryHandlers[crush::kCategoryCount] = {
    {&CrushPage::mnuMinicar1_Click, &CrushPage::mnuMinicar2_Click},
    {&CrushPage::mnuSmallcar1_Click, &CrushPage::mnuSmallcar2_Click},
    {&CrushPage::mnuFamilycar1_Click, &CrushPage::mnuFamilycar2_Click},
    {&CrushPage::mnuLargecar1_Click, &CrushPage::mnuLargecar2_Click},
    {&CrushPage::mnuVerylargecar1_Click, &CrushPage::mnuVerylargecar2_Click},
    {&CrushPage::mnuVan1_Click, &CrushPage::mnuVan2_Click},
    {&CrushPage::mnuVanlarge1_Click, &CrushPage::mnuVanlarge2_Click},
    {&CrushPage::mnuMPVsmall1_Click, &CrushPage::mnuMPVsmall2_Click},
    {&CrushPage::mnuMPVlarge1_Click, &CrushPage::mnuMPVlarge2_Click},
    {&CrushPage::mnuPickupsmall1_Click, &CrushPage::mnuPickupsmall2_Click},
    {&CrushPage::mnuPickuplarge1_Click, &CrushPage::mnuPickuplarge2_Click},
    {&CrushPage::mnuTruck1_Click, &CrushPage::mnuTruck2_Click},
};

struct TypeItem {
  const char* name;
  const char* caption;
  Handler handler;
};

// The labels and option buttons that take the report's light background.
constexpr const char* kReportBackground[] = {
    "lblVehiclemodel", "lblStiffnessA",  "lblStiffnessB",  "lblDamageWidth", "lblCrush",
    "lblC1",           "lblC2",          "lblC3",          "lblC4",          "lblC5",
    "lblC6",           "lblCrushTitle",  "lblVehicle1",    "lblVehicle2",    "lblForcedirection",
    "lblMomentarm",    "lblMass",        "lblDeltaV",      "lblInput",       "lblOutput",
    "lblEnergy",       "lblImpactforce", "lblBarrierspeed", "opt2readings",  "opt4readings",
    "opt6readings"};
// The buttons the report leaves out.
constexpr const char* kReportHidden[] = {"cmdClear2", "cmdCalculate7", "cmdEdit",
                                         "cmdExit7",  "cmdMenu7",      "cmdDiagram"};

// Everything the report print changes on the page, kept so that the page is put back
// exactly as it was however the print ends.
class ReportState {
 public:
  explicit ReportState(QWidget& window) : window_(window), focus_(window.focusWidget()) {
    keepBackground(&window);
    for (const char* name : kReportBackground)
      if (auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name)))
        keepBackground(widget);
    for (const char* name : kReportHidden)
      if (auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name)))
        buttons_.push_back({widget, widget->isHidden()});
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
    : PageWindow(host, dialogs, "frmCrush", QStringLiteral("Crush Analysis")),
      host_(host),
      page_(PageWindow::dialogs()) {
  // Menus, left to right.
  for (int vehicle : {1, 2}) {
    QMenu* menu = vehicle == 1
                      ? addMenu("mnuVehicle1category", QStringLiteral("Vehicle 1 Category"))
                      : addMenu("mnuVehicle2category", QStringLiteral("Vehicle 2 Category"));
    for (std::size_t row = 0; row < crush::kCategoryCount; ++row) {
      const crush::VehicleCategory& category = crush::kVehicleCategories[row];
      const QString name =
          QStringLiteral("mnu%1%2").arg(QString::fromLatin1(category.item)).arg(vehicle);
      const Handler handler =
          vehicle == 1 ? kCategoryHandlers[row].vehicle1 : kCategoryHandlers[row].vehicle2;
      addMenuItem(menu, name.toLatin1().constData(),
                  QString::fromUtf8(vehicle == 1 ? category.caption1 : category.caption2),
                  [this, handler] { (page_.*handler)(); });
    }
  }
  const TypeItem types1[] = {{"mnuFront1", "Front", &CrushPage::mnuFront1_Click},
                             {"mnuRear1", "Rear", &CrushPage::mnuRear1_Click},
                             {"mnuSide1", "Side", &CrushPage::mnuSide1_Click}};
  const TypeItem types2[] = {{"mnuFront2", "Front", &CrushPage::mnuFront2_Click},
                             {"mnuRear2", "Rear", &CrushPage::mnuRear2_Click},
                             {"mnuSide2", "Side", &CrushPage::mnuSide2_Click}};
  QMenu* collision1 = addMenu("mnuCollisiontype1", QStringLiteral("Collision Type Vehicle 1"));
  for (const TypeItem& item : types1)
    addMenuItem(collision1, item.name, QString::fromLatin1(item.caption),
                [this, handler = item.handler] { (page_.*handler)(); });
  QMenu* collision2 = addMenu("mnuCollisiontype2", QStringLiteral("Collision type vehicle 2"));
  for (const TypeItem& item : types2)
    addMenuItem(collision2, item.name, QString::fromLatin1(item.caption),
                [this, handler = item.handler] { (page_.*handler)(); });
  QMenu* help = addMenu("mnuHelp", QStringLiteral("Help and Instructions"));
  addMenuItem(help, "mnuInstructions", QStringLiteral("Instructions"),
              [this] { page_.mnuInstructions_Click(); });
  addMenuItem(help, "mnuAbout", QStringLiteral("About"), [this] { page_.mnuAbout_Click(); });
  addMenuItem(help, "mnuLimitations", QStringLiteral("Limitations"),
              [this] { page_.mnuLimitations_Click(); });
  addMenuBarItem("mnuPrintform", QStringLiteral("Print Form"), [this] { mnuPrintform_Click(); });

  // Columns: captions, the reading heads, vehicle 1, vehicle 2, the readings options.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  int row = 0;
  const auto caption = [&](QLabel* label) { grid->addWidget(keepOnOneLine(label), row, 0, 1, 2); };
  const auto pair = [&](const char* name, const QString& text, const char* box1, TextBox& control1,
                        const char* box2, TextBox& control2) {
    caption(addLabel(name, text));
    grid->addWidget(addTextBox(box1, control1), row, 2);
    grid->addWidget(addTextBox(box2, control2), row, 3);
    ++row;
  };

  grid->addWidget(headingLabel(addLabel("lblInput", QStringLiteral("Input")), 1.0), row, 0);
  grid->addWidget(headingLabel(addLabel("lblVehicle1", QStringLiteral("Vehicle 1")), 1.0), row, 2,
                  Qt::AlignHCenter);
  grid->addWidget(headingLabel(addLabel("lblVehicle2", QStringLiteral("Vehicle 2")), 1.0), row, 3,
                  Qt::AlignHCenter);
  ++row;
  pair("lblVehiclemodel", QStringLiteral("Vehicle model      (eg Ford Focus)"), "txtVehicle1model",
       page_.txtVehicle1model, "txtVehicle2model", page_.txtVehicle2model);
  pair("lblStiffnessA", QStringLiteral("Stiffness Coefficient A"), "txtCoefficientA1",
       page_.txtCoefficientA1, "txtCoefficientA2", page_.txtCoefficientA2);
  pair("lblStiffnessB", QStringLiteral("Stiffness Coefficient B"), "txtCoefficientB1",
       page_.txtCoefficientB1, "txtCoefficientB2", page_.txtCoefficientB2);
  pair("lblDamageWidth", QStringLiteral("Width of damage, cm"), "txtWidthdamage1",
       page_.txtWidthdamage1, "txtWidthdamage2", page_.txtWidthdamage2);

  // Crush readings: one row per reading, its head beside the two vehicles' cells.
  const int crushRow = row;
  QLabel* crush =
      keepOnOneLine(addLabel("lblCrush", QStringLiteral("Crush measurements, cm:       ")));
  grid->addWidget(crush, crushRow, 0, 6, 1, Qt::AlignTop);
  struct Reading {
    const char* head;
    Label& label;
    const char* cell1;
    TextBox& box1;
    const char* cell2;
    TextBox& box2;
  };
  const Reading readings[] = {
      {"lblC1", page_.lblC1, "txtC11", page_.txtC11, "txtC12", page_.txtC12},
      {"lblC2", page_.lblC2, "txtC21", page_.txtC21, "txtC22", page_.txtC22},
      {"lblC3", page_.lblC3, "txtC31", page_.txtC31, "txtC32", page_.txtC32},
      {"lblC4", page_.lblC4, "txtC41", page_.txtC41, "txtC42", page_.txtC42},
      {"lblC5", page_.lblC5, "txtC51", page_.txtC51, "txtC52", page_.txtC52},
      {"lblC6", page_.lblC6, "txtC61", page_.txtC61, "txtC62", page_.txtC62}};
  for (const Reading& reading : readings) {
    QLabel* head = keepOnOneLine(addLabel(reading.head, reading.label));
    grid->addWidget(head, row, 1);
    grid->addWidget(addTextBox(reading.cell1, reading.box1), row, 2);
    grid->addWidget(addTextBox(reading.cell2, reading.box2), row, 3);
    ++row;
  }
  auto* options = new QVBoxLayout;
  QButtonGroup* group = addOptionGroup();
  options->addWidget(addOptionButton("opt2readings", QStringLiteral("2 measurements"),
                                     page_.opt2readings, group,
                                     [this] { page_.opt2readings_Click(); }));
  options->addWidget(addOptionButton("opt4readings", QStringLiteral("4 measurements"),
                                     page_.opt4readings, group,
                                     [this] { page_.opt4readings_Click(); }));
  options->addWidget(addOptionButton("opt6readings", QStringLiteral("6 measurements"),
                                     page_.opt6readings, group,
                                     [this] { page_.opt6readings_Click(); }));
  options->addStretch(1);
  grid->addLayout(options, crushRow, 4, 6, 1);

  pair("lblForcedirection", QStringLiteral(" Force direction to surface normal angle, degrees "),
       "txtForceangle1", page_.txtForceangle1, "txtForceangle2", page_.txtForceangle2);
  pair("lblMomentarm", QStringLiteral(" CofG to Force Direction (moment arm) cm"), "txth1",
       page_.txth1, "txth2", page_.txth2);
  pair("lblMass", QStringLiteral(" Mass of vehicle, kg"), "txtMass1", page_.txtMass1, "txtMass2",
       page_.txtMass2);

  grid->addWidget(headingLabel(addLabel("lblOutput", QStringLiteral("Output")), 1.0), row++, 0);
  pair("lblEnergy", QStringLiteral(" Energy dissipated in Joules"), "txtEnergy1", page_.txtEnergy1,
       "txtEnergy2", page_.txtEnergy2);
  pair("lblImpactforce", QStringLiteral(" Maximum impact force, Newtons"), "txtForce1",
       page_.txtForce1, "txtForce2", page_.txtForce2);
  pair("lblBarrierspeed", QStringLiteral(" Equivalent Barrier Speed, mph"), "txtEBS1",
       page_.txtEBS1, "txtEBS2", page_.txtEBS2);
  pair("lblDeltaV", QStringLiteral("                        Delta V"), "txtDeltaV1",
       page_.txtDeltaV1, "txtDeltaV2", page_.txtDeltaV2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);

  auto* buttons = pageButtonRow({addButton("cmdCalculate7", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalculate7_Click(); }),
                                 addButton("cmdEdit", QStringLiteral("&Edit cells"), nullptr,
                                           [this] { page_.cmdEdit_Click(); }),
                                 addButton("cmdClear2", QStringLiteral("C&lear all cells"), nullptr,
                                           [this] { page_.cmdClear2_Click(); }),
                                 addButton("cmdDiagram", QStringLiteral("Paramater Diagram"),
                                           nullptr, [this] { goToPage("frmDiagram"); })},
                                {addMenuButton("cmdMenu7"), addExitButton("cmdExit7")});

  QLabel* title = titleLabel(addLabel("lblCrushTitle", QStringLiteral("Crush Analysis")), 1.5);
  QLineEdit* credit = addTextBox("Text1", page_.Text1);
  credit->setReadOnly(true);
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
  for (const char* name : {"txtDeltaV1", "txtDeltaV2"})
    findChild<QLineEdit*>(QString::fromLatin1(name))->setMinimumWidth(resultWidth);
  resize(sizeHint().expandedTo(QSize(900, 700)));

  binding().push();
}

void CrushForm::mnuPrintform_Click() {
  ReportState kept(*this);
  kept.applyReportLook();
  host_.printWindow(*this);
}

}  // namespace kelvara
