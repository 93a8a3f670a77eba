// The one key filter: handlers are offered a key by stage, whatever order they were added in,
// and the first that claims it takes it from the later ones and from the focused edit; a
// handler goes with its owner.

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "shell/qt/key_dispatcher.h"

using zovrek::qt::KeyDispatcher;
using zovrek::qt::KeyStage;

namespace {

struct Window {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);

    Window() {
        (new QVBoxLayout(&window))->addWidget(edit);
        window.show();
        window.activateWindow();
        edit->setFocus();
    }
};

}  // namespace

Q_DECLARE_METATYPE(std::vector<KeyStage>)

class KeyDispatcherTest : public QObject {
    Q_OBJECT
private slots:
    void firstStageThatClaimsTakesTheKey_data();
    void firstStageThatClaimsTakesTheKey();
    void handlerGoesWithItsOwner();
};

void KeyDispatcherTest::firstStageThatClaimsTakesTheKey_data() {
    using S = std::vector<KeyStage>;
    QTest::addColumn<S>("claiming");
    QTest::addColumn<S>("offered");
    QTest::addColumn<QString>("typed");
    const S all{KeyStage::PrintPreview, KeyStage::DesktopKeys, KeyStage::Accelerators};
    QTest::newRow("none claims") << S{} << all << "a";
    QTest::newRow("the table") << S{KeyStage::Accelerators} << all << "";
    QTest::newRow("desktop keys before the table")
        << S{KeyStage::DesktopKeys, KeyStage::Accelerators}
        << S{KeyStage::PrintPreview, KeyStage::DesktopKeys} << "";
    QTest::newRow("the preview before all") << all << S{KeyStage::PrintPreview} << "";
}

void KeyDispatcherTest::firstStageThatClaimsTakesTheKey() {
    QFETCH(std::vector<KeyStage>, claiming);
    QFETCH(std::vector<KeyStage>, offered);
    QFETCH(QString, typed);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    std::vector<KeyStage> seen;
    QObject owner;
    // Added last to first, as the program's windows happen to come.
    for (KeyStage stage : {KeyStage::Accelerators, KeyStage::DesktopKeys, KeyStage::PrintPreview})
        KeyDispatcher::add(stage, &owner, [&, stage](QWidget& target, QKeyEvent& event) {
            if (target.window() != &w.window) return false;
            if (event.type() == QEvent::KeyPress) seen.push_back(stage);
            if (std::find(claiming.begin(), claiming.end(), stage) == claiming.end()) return false;
            event.accept();
            return true;
        });
    QTest::keyClick(w.edit, Qt::Key_A);
    QVERIFY(seen == offered);
    QCOMPARE(w.edit->text(), typed);
}

void KeyDispatcherTest::handlerGoesWithItsOwner() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    int offered = 0;
    auto owner = std::make_unique<QObject>();
    KeyDispatcher::add(KeyStage::Accelerators, owner.get(), [&offered](QWidget&, QKeyEvent&) {
        ++offered;
        return true;
    });
    owner.reset();
    QTest::keyClick(w.edit, Qt::Key_A);
    QCOMPARE(offered, 0);
    QCOMPARE(w.edit->text(), QStringLiteral("a"));
}

QTEST_MAIN(KeyDispatcherTest)
#include "key_dispatcher_test.moc"
