#include "fields/lazy_svg_widget.h"

#include <QFile>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace kelvara {

QSize declaredSvgSize(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader reader(&file);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (reader.name() != QLatin1String("svg")) return {};
    bool wide = false;
    bool high = false;
    const double width = reader.attributes().value(QLatin1String("width")).toDouble(&wide);
    const double height = reader.attributes().value(QLatin1String("height")).toDouble(&high);
    if (!wide || !high || width <= 0.0 || height <= 0.0) return {};
    return QSize(qRound(width), qRound(height));
  }
  return {};
}

LazySvgWidget::LazySvgWidget(const QString& resource, QSize size, QWidget* parent)
    : QSvgWidget(parent), resource_(resource), size_(size) {}

LazySvgWidget::LazySvgWidget(const QString& resource, QWidget* parent)
    : QSvgWidget(parent), resource_(resource), size_(declaredSvgSize(resource)) {
  // A picture that does not declare its size plainly is decoded at once for its size.
  if (!size_.isValid()) {
    decode();
    size_ = renderer()->defaultSize();
  }
}

void LazySvgWidget::showEvent(QShowEvent* event) {
  decode();
  QSvgWidget::showEvent(event);
}

void LazySvgWidget::decode() {
  if (decoded_) return;
  decoded_ = true;
  load(resource_);
}

}  // namespace kelvara
