// Pictures are decoded when first shown, at the size they will have once decoded.

#include <QApplication>
#include <QSvgRenderer>
#include <QTemporaryFile>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "fields/lazy_svg_widget.h"
#include "fields/page_window.h"
#include "shell/application.h"
#include "shell/menu_page.h"
#include "support/recording_dialogs.h"

using namespace kelvara;

class LazySvgWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  // Kept hidden on a window on the screen, a picture is not decoded; shown, it is.
  void aPictureIsDecodedOnlyWhenShownAtItsDeclaredSize() {
    QWidget window;
    std::vector<std::pair<QString, LazySvgWidget*>> pictures;
    for (const char* resource : {":/dynamics/overturn_equation.svg", ":/photographs/bend.svg",
                                 ":/dynamics/trailer_articulated.svg"}) {
      const QString path = QString::fromLatin1(resource);
      auto* picture = new LazySvgWidget(path, &window);
      picture->hide();
      pictures.emplace_back(path, picture);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const auto& [path, picture] : pictures) {
      QVERIFY2(!picture->decoded() && !picture->renderer()->isValid(), qPrintable(path));
      QCOMPARE(picture->sizeHint(), QSvgRenderer(path).defaultSize());
      picture->show();
      QVERIFY2(picture->decoded() && picture->renderer()->isValid(), qPrintable(path));
      QCOMPARE(picture->renderer()->defaultSize(), picture->sizeHint());
    }
  }

  void aPictureWithoutAPlainSizeIsDecodedAtOnceForIt() {
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="12mm" viewBox="0 0 40 30">)"
               R"(<rect width="40" height="30"/></svg>)");
    file.close();
    QVERIFY(!declaredSvgSize(file.fileName()).isValid());
    LazySvgWidget picture(file.fileName(), nullptr);
    QVERIFY(picture.decoded());
    QCOMPARE(picture.sizeHint(), picture.renderer()->defaultSize());
    QVERIFY(!declaredSvgSize(QStringLiteral(":/no/such/picture.svg")).isValid());
  }

  // The menu window opens without building any page, and decodes only the photograph drawn
  // for the run.
  void theMenuOpensWithoutAPageOrItsHiddenPhotographs() {
    testing::RecordingDialogs dialogs;
    for (int photograph : {0, 2}) {
      auto suite = std::make_unique<Application>(dialogs, photograph, QDate(2026, 12, 7));
      suite->start();
      QVERIFY(QTest::qWaitForWindowExposed(&suite->menu()));
      for (const MenuEntry& entry : kMenuEntries)
        QVERIFY2(suite->pages().existing(QString::fromLatin1(entry.page)) == nullptr, entry.page);
      QVERIFY(suite->pages().existing(QStringLiteral("frmDiagram")) == nullptr);
      int windows = 0;
      for (QWidget* window : QApplication::topLevelWidgets())
        windows += qobject_cast<PageWindow*>(window) != nullptr ? 1 : 0;
      QCOMPARE(windows, 1);
      for (int i = 0; i < 3; ++i) {
        auto* picture = suite->menu().findChild<LazySvgWidget*>(QStringLiteral("Pic(%1)").arg(i));
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->decoded(), i == photograph);
        QCOMPARE(picture->size(), QSize(320, 200));
      }
    }
  }
};

QTEST_MAIN(LazySvgWidgetTest)
#include "lazy_svg_widget_test.moc"
