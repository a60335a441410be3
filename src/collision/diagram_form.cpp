#include "collision/diagram_form.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "collision/diagram.h"
#include "fields/form_layout.h"

namespace kelvara {

namespace {

using namespace diagram;

QPointF at(Point p) { return {p.x, p.y}; }

void arrowHead(QPainter& painter, QPointF tip, QPointF from) {
  const QLineF back(tip, from);
  QLineF side = back;
  side.setLength(9);
  QLineF left = side, right = side;
  left.setAngle(back.angle() + 22);
  right.setAngle(back.angle() - 22);
  const QPolygonF head{tip, left.p2(), right.p2()};
  painter.drawPolygon(head);
}

void drawDiagram(QPainter& painter, const Drawing& d) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, d.width, d.height), Qt::white);
  const QColor ink(Qt::black);
  const QColor damage(170, 30, 30);
  const QColor construction(70, 70, 70);

  QPen body(ink, 2.0);
  painter.setPen(body);
  painter.setBrush(Qt::NoBrush);
  for (std::size_t i = 0; i < d.outlines.size(); ++i) {
    // Body outlines and crushed profiles alternate.
    painter.setPen(QPen(i % 2 == 0 ? ink : damage, i % 2 == 0 ? 2.0 : 2.5));
    QPolygonF line;
    for (const Point& p : d.outlines[i]) line << at(p);
    painter.drawPolyline(line);
  }
  for (const Segment& segment : d.segments) {
    QPen pen(segment.stroke == Stroke::Thin ? construction : ink,
             segment.stroke == Stroke::Thin ? 0.8 : 1.6);
    if (segment.stroke == Stroke::Dashed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(at(segment.from), at(segment.to));
    if (segment.arrowAtFrom) {
      painter.setBrush(ink);
      arrowHead(painter, at(segment.to), at(segment.from));
      painter.setBrush(Qt::NoBrush);
    }
  }
  painter.setPen(QPen(construction, 1.0));
  painter.setBrush(construction);
  for (const Dimension& dimension : d.dimensions) {
    painter.drawLine(at(dimension.from), at(dimension.to));
    arrowHead(painter, at(dimension.from), at(dimension.to));
    arrowHead(painter, at(dimension.to), at(dimension.from));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ink, 1.2));
  for (const Arc& arc : d.arcs) {
    const QRectF box(arc.centre.x - arc.radius, arc.centre.y - arc.radius, 2 * arc.radius,
                     2 * arc.radius);
    // Qt counts angles anticlockwise in sixteenths of a degree.
    painter.drawArc(box, static_cast<int>(std::lround(-arc.startDegrees * 16)),
                    static_cast<int>(std::lround(-arc.spanDegrees * 16)));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (const Point& marker : d.markers) painter.drawEllipse(at(marker), 3.5, 3.5);

  QFont font = painter.font();
  font.setPixelSize(13);
  for (const Text& label : d.labels) {
    QFont labelFont = font;
    if (label.view < 0) {
      labelFont.setPixelSize(15);
      labelFont.setItalic(true);
    }
    painter.setFont(labelFont);
    const QFontMetricsF metrics(labelFont);
    const QString text = QString::fromStdString(label.text);
    const double width = metrics.horizontalAdvance(text);
    double left = label.at.x;
    if (label.align == Align::Centre) left -= width / 2;
    if (label.align == Align::Right) left -= width;
    const QRectF box(left - 2, label.at.y - metrics.ascent() - 1, width + 4,
                     metrics.ascent() + metrics.descent() + 2);
    painter.fillRect(box, Qt::white);
    painter.setPen(ink);
    painter.drawText(QPointF(left, label.at.y), text);
  }
}

}  // namespace

DiagramPicture::DiagramPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
}

QSize DiagramPicture::sizeHint() const {
  const Drawing& d = parameterDiagram();
  return {static_cast<int>(d.width), static_cast<int>(d.height)};
}

void DiagramPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawDiagram(painter, parameterDiagram());
}

DiagramForm::DiagramForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs, "frmDiagram", QStringLiteral("Parameter Diagram")), host_(host) {
  QLabel* heading = titleLabel(addLabel("lblParameter", QStringLiteral("Parameter Diagrams")), 1.5);

  auto* picture = new DiagramPicture(page());
  picture->setObjectName(QStringLiteral("Picture1"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton("cmdPrintdiagram", QStringLiteral("&Print Diagram"), nullptr,
                               [this] { host_.printWindow(*this); }));
  buttons->addStretch(1);
  QLabel* credit = keepOnOneLine(addLabel("Label1", QStringLiteral("Kelvara Software Ltd, 2026")));
  buttons->addWidget(credit);
  buttons->addStretch(1);
  buttons->addWidget(addButton("cmdReturntocrushfrm", QStringLiteral("&Return to Crush Analysis"),
                               nullptr, [this] { goToPage("frmCrush"); }));

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(heading);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
}

}  // namespace kelvara
