#pragma once
// Every page window exists at most once: created the first time it is shown, then kept
// (hidden, never closed) until the program ends, so its boxes keep their contents.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace kelvara {

class PageRegistry {
 public:
  PageRegistry();
  ~PageRegistry();
  PageRegistry(const PageRegistry&) = delete;
  PageRegistry& operator=(const PageRegistry&) = delete;

  using Factory = std::function<QWidget*()>;

  void add(const QString& page, Factory factory);

  // Creates the page if it does not exist yet, then shows it in front.
  QWidget* show(const QString& page);
  // The page if it has been created, else null.
  QWidget* existing(const QString& page) const;
  // The names of every page that can be shown, created or not, in alphabetical order.
  QStringList names() const;

 private:
  std::map<QString, Factory> factories_;
  std::map<QString, std::unique_ptr<QWidget>> pages_;
};

}  // namespace kelvara
