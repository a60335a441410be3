#pragma once
// The Check figures window: every worked example of every calculator page, run through the
// pages' own logic, with what each gave and whether it matches, to show or print as
// evidence that the calculators give their published answers.

#include <QString>
#include <memory>
#include <vector>

#include "fields/page_window.h"
#include "shell/independent_references.h"
#include "shell/worked_examples.h"

class QLabel;
class QTableWidget;

namespace kelvara {

class CheckFiguresForm : public PageWindow {
  Q_OBJECT

 public:
  CheckFiguresForm(PageHost& host, Dialogs& dialogs);
  ~CheckFiguresForm() override;

  // Runs the worked examples again and shows what they gave, under today's date.
  void refresh();
  const CheckReport& report() const { return report_; }
  const ReferenceReport& references() const { return references_; }

  // The sheets Print Form prints: the heading and every example, as many to a sheet as fit
  // one printed page legibly. The window owns them until the next print.
  std::vector<QWidget*> printedSheets();

 protected:
  void showEvent(QShowEvent* event) override;
  void printForm() override;

 private:
  QLabel* lblDate_;
  bool referencesAgree() const;

  QLabel* lblSummary_;
  QLabel* lblReferencesSummary_;
  QLabel* lblReferenceChecks_;
  QTableWidget* tblExamples_;
  QTableWidget* tblReferences_;
  CheckReport report_;
  ReferenceReport references_;
  QString date_;
  std::vector<std::unique_ptr<QWidget>> sheets_;
};

}  // namespace kelvara
