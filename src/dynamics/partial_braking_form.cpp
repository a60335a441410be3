#include "dynamics/partial_braking_form.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <string_view>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

// Plan view of a car seen from above, facing right, nearside at the top: the body, the two
// axles and the four wheels, with the brake check boxes laid on the wheels.
class PlanView : public QWidget {
 public:
  static constexpr int kWidth = 340;
  static constexpr int kHeight = 200;
  static constexpr int kRearAxleX = 95;
  static constexpr int kFrontAxleX = 235;
  static constexpr int kNearsideY = 52;
  static constexpr int kOffsideY = 148;

  explicit PlanView(QWidget* parent) : QWidget(parent) { setFixedSize(kWidth, kHeight); }

  // Centres a check box's indicator on the wheel at (x, y).
  void placeOnWheel(QCheckBox* box, int x, int y) {
    box->setParent(this);
    box->adjustSize();
    box->move(x - box->width() / 2, y - box->height() / 2);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    painter.setPen(QPen(ink, 2));

    // Axles and wheels, beneath the body.
    painter.drawLine(kRearAxleX, kNearsideY, kRearAxleX, kOffsideY);
    painter.drawLine(kFrontAxleX, kNearsideY, kFrontAxleX, kOffsideY);
    painter.setBrush(QColor(70, 70, 70));
    for (int x : {kRearAxleX, kFrontAxleX})
      for (int y : {kNearsideY, kOffsideY}) painter.drawRect(QRectF(x - 20, y - 10, 40, 20));

    // Body, windscreen and rear window.
    painter.setBrush(QColor(225, 232, 240));
    painter.drawRoundedRect(QRectF(50, 62, 240, 76), 10, 10);
    painter.setBrush(QColor(190, 205, 220));
    painter.drawRect(QRectF(186, 72, 26, 56));
    painter.drawRect(QRectF(112, 74, 18, 52));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(212, 72), QPointF(130, 74));
    painter.drawLine(QPointF(212, 128), QPointF(130, 126));

    // Direction of travel.
    painter.setBrush(ink);
    painter.drawLine(300, 100, 326, 100);
    painter.drawPolygon(QPolygonF({QPointF(334, 100), QPointF(322, 94), QPointF(322, 106)}));

    painter.setPen(ink);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    painter.drawText(QRectF(0, 4, kWidth, 20), Qt::AlignCenter, QStringLiteral("Nearside"));
    painter.drawText(QRectF(0, kHeight - 24, kWidth, 20), Qt::AlignCenter,
                     QStringLiteral("Offside"));
    painter.drawText(QRectF(kFrontAxleX - 40, 4, 80, 20), Qt::AlignCenter,
                     QStringLiteral("Front"));
    painter.drawText(QRectF(kRearAxleX - 40, 4, 80, 20), Qt::AlignCenter, QStringLiteral("Rear"));
  }
};

}  // namespace

PartialBrakingForm::PartialBrakingForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Partial Braking")));

  auto* input = new QGroupBox(QStringLiteral("INPUT"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(
      inputGrid,
      addLabel(nullptr,
               QStringLiteral("Value of the ratio (height of C of G)/(wheel base)        h/L")),
      addTextBox(page_.txtHL),
      addLabel(nullptr, QStringLiteral("h/L lies between 0.20 and 0.25 for cars")));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("True coefficient of friction")),
                  addTextBox(page_.txtTruemu));
  addOneLineCaptionedRow(
      inputGrid,
      addLabel(nullptr,
               QStringLiteral("Proportion of static vehicle weight on front axle.   (eg 0.60)")),
      addTextBox(page_.txtWf));
  addCaptionedRow(
      inputGrid, addLabel(nullptr, QStringLiteral("Gradient in degrees")),
      addTextBox(page_.txtGradient),
      addLabel(nullptr,
               QStringLiteral("(Uphill is positive, downhill is negative, level is zero)")));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("OUTPUT"), page());
  auto* outputGrid = new QGridLayout(output);
  addCaptionedRow(outputGrid,
                  addLabel(nullptr, QStringLiteral("Effective coefficient of friction")),
                  addTextBox(page_.txtMue));
  outputGrid->setColumnStretch(0, 1);
  alignColumns({inputGrid, outputGrid}, 1);

  auto* plan = new PlanView(page());
  // The wheels' boxes carry no caption: a screen reader names each by its wheel, as the
  // description's words for the box do.
  auto wheelBox = [this](CheckBox& brake) {
    QCheckBox* box = addCheckBox(brake, QString());
    const std::string_view wheel = description().at(&brake).words;
    box->setAccessibleName(QString::fromUtf8(wheel.data(), static_cast<qsizetype>(wheel.size())));
    return box;
  };
  plan->placeOnWheel(wheelBox(page_.chkFn), PlanView::kFrontAxleX, PlanView::kNearsideY);
  plan->placeOnWheel(wheelBox(page_.chkFo), PlanView::kFrontAxleX, PlanView::kOffsideY);
  plan->placeOnWheel(wheelBox(page_.chkRn), PlanView::kRearAxleX, PlanView::kNearsideY);
  plan->placeOnWheel(wheelBox(page_.chkRo), PlanView::kRearAxleX, PlanView::kOffsideY);
  auto* brakes = new QVBoxLayout;
  brakes->addWidget(keepOnOneLine(
      addLabel(nullptr, QStringLiteral("Check the boxes for those brakes which are working."))));
  brakes->addWidget(plan, 0, Qt::AlignHCenter);
  brakes->addWidget(keepOnOneLine(addLabel(
      nullptr, QStringLiteral("(The unchecked brakes will be assumed to be inoperative)"))));
  brakes->addStretch(1);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes")),
                                 addPrintButton(page_.cmdPrint)},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(input, 1, 0);
  layout->addWidget(output, 2, 0);
  layout->addLayout(brakes, 1, 1, 2, 1);
  layout->setRowStretch(3, 1);
  layout->addLayout(buttons, 4, 0, 1, 2);
  layout->setColumnStretch(0, 1);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("NOTES"));

  resize(sizeHint().expandedTo(QSize(860, 440)));
  binding().push();
}

}  // namespace kelvara
