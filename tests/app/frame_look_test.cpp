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

    void everyMenuFitsTheFrameWithALargeMenuFont() {
        QFont large = QApplication::font("QMenuBar");
        large.setPixelSize(18);  // as a dark theme's font or a large desktop font makes it
        QApplication::setFont(large, "QMenuBar");
        AppRig rig;
        QMenuBar* bar = rig.frame().menuBar();
        QVERIFY(rig.frame().width() >= bar->sizeHint().width());
        for (QAction* menu : bar->actions())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(menu)), qPrintable(menu->text()));
        // The form keeps its size, whole in the window.
        QCOMPARE(rig.view().size(), QSize(347, 306));
        QVERIFY(rig.frame().rect().contains(rig.view().geometry()));
    }

    void toolbarHasNoContextMenu() {
        AppRig rig;
        for (QWidget* target : {static_cast<QWidget*>(rig.frame().toolBar()),
                                static_cast<QWidget*>(rig.frame().menuBar())}) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4),
                                    target->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(target, &click);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
        QVERIFY(rig.frame().toolBar()->isVisible());
    }
};

QTEST_MAIN(FrameLookTest)
#include "frame_look_test.moc"
