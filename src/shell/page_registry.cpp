#include "shell/page_registry.h"

#include <QWidget>
#include <stdexcept>

namespace kelvara {

PageRegistry::PageRegistry() = default;
PageRegistry::~PageRegistry() = default;

void PageRegistry::add(const QString& page, Factory factory) {
  factories_[page] = std::move(factory);
}

QWidget* PageRegistry::show(const QString& page) {
  QWidget* window = existing(page);
  if (window == nullptr) {
    auto factory = factories_.find(page);
    if (factory == factories_.end())
      throw std::logic_error("no page registered as " + page.toStdString());
    window = factory->second();
    pages_[page].reset(window);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

QWidget* PageRegistry::existing(const QString& page) const {
  auto found = pages_.find(page);
  return found == pages_.end() ? nullptr : found->second.get();
}

QStringList PageRegistry::names() const {
  QStringList all;
  for (const auto& [page, factory] : factories_) all << page;
  return all;
}

}  // namespace kelvara
