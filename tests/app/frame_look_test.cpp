// The frame under any theme: every menu in reach, and a toolbar that stays.

#include <QContextMenuEvent>
#include <QMenuBar>
#include <QToolBar>

#include "app_rig.h"

using zovrek::testing::AppRig;

class FrameLookTest : public QObject {
    Q_OBJECT
private slots:
    void init() { zovrek::testing::forgetSettings(); }

    void everyMenuFitsTheFrame_data() {
        QTest::addColumn<int>("menuFontPixels");
        QTest::newRow("usual font") << 0;
        QTest::newRow("large font") << 18;  // as a dark theme's or a large desktop font
    }
    void everyMenuFitsTheFrame() {
        QFETCH(int, menuFontPixels);
        const QFont usual = QApplication::font("QMenuBar");
        if (menuFontPixels) {
            QFont large = usual;
            large.setPixelSize(menuFontPixels);
            QApplication::setFont(large, "QMenuBar");
        }
        {
            AppRig rig;
            QVERIFY(rig.exposed);
            QMenuBar* bar = rig.frame().menuBar();
            QVERIFY(rig.frame().width() >= bar->sizeHint().width());
            for (QAction* menu : bar->actions()) {
                const QRect item = bar->actionGeometry(menu);
                QVERIFY2(!item.isEmpty() && bar->rect().contains(item), qPrintable(menu->text()));
            }
            // The form keeps its size, whole in the window.
            QCOMPARE(rig.view().size(), QSize(347, 306));
            QVERIFY(rig.frame().rect().contains(rig.view().geometry()));
        }
        QApplication::setFont(usual, "QMenuBar");
    }

    void toolbarHasNoContextMenu() {
        AppRig rig;
        QToolBar* toolBar = rig.frame().toolBar();
        for (QWidget* target : {static_cast<QWidget*>(toolBar), static_cast<QWidget*>(rig.frame().menuBar())}) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4),
                                    target->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(target, &click);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
        QVERIFY(toolBar->isVisible());
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
};

QTEST_MAIN(FrameLookTest)
#include "frame_look_test.moc"
