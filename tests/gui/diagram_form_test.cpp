// The parameter diagram window: its picture, print and return button.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "collision/diagram_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class DiagramFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<DiagramForm> form;

 private slots:
  void init() {
    host = FakeHost();
    form = std::make_unique<DiagramForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesAndCaptions() {
    QCOMPARE(form->objectName(), QStringLiteral("frmDiagram"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Parameter Diagram"));
    QCOMPARE(widgetNamed<QLabel>(form.get(), "lblParameter")->text(),
             QStringLiteral("Parameter Diagrams"));
    QVERIFY(!widgetNamed<QLabel>(form.get(), "Label1")->text().isEmpty());
    QCOMPARE(widgetNamed<QPushButton>(form.get(), "cmdPrintdiagram")->text(),
             QStringLiteral("&Print Diagram"));
    QCOMPARE(widgetNamed<QPushButton>(form.get(), "cmdReturntocrushfrm")->text(),
             QStringLiteral("&Return to Crush Analysis"));
    // Only the two buttons: no Menu or Exit.
    QCOMPARE(form->findChildren<QPushButton*>().size(), qsizetype(2));
  }

  void thePictureIsDrawn() {
    QWidget* picture = widgetNamed<QWidget>(form.get(), "Picture1");
    QVERIFY(picture->isVisible());
    const QImage image = picture->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2)
        if (qGray(image.pixel(x, y)) < 100) ++dark;
    QVERIFY2(dark > 500, qPrintable(QString::number(dark)));
  }

  void printAndReturn() {
    clickOn(form.get(), "cmdPrintdiagram");
    QCOMPARE(host.printed, static_cast<QWidget*>(form.get()));
    QVERIFY(form->isVisible());
    clickOn(form.get(), "cmdReturntocrushfrm");
    QVERIFY(form->isHidden());
    QCOMPARE(host.pagesShown, std::vector<std::string>{"frmCrush"});
    QCOMPARE(host.menuShown, 0);
  }

  void closingEndsTheProgram() {
    form->close();
    QCOMPARE(host.programEnded, 1);
  }
};

QTEST_MAIN(DiagramFormTest)
#include "diagram_form_test.moc"
