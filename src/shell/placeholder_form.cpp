#include "shell/placeholder_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kelvara {

PlaceholderForm::PlaceholderForm(PageHost& host, Dialogs& dialogs, const char* objectName,
                                 const QString& caption)
    : PageWindow(host, dialogs, objectName, caption) {
  auto* layout = new QGridLayout(page());
  auto* title = addLabel(nullptr, caption);
  QFont font = title->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.5);
  title->setFont(font);
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(addLabel(nullptr, QStringLiteral("This calculator comes in a later release.")),
                    1, 0, 1, 2);
  layout->addWidget(addMenuButton("cmdMenu"), 2, 0);
  layout->addWidget(addExitButton("cmdExit"), 2, 1);
  resize(420, 160);
}

}  // namespace kelvara
