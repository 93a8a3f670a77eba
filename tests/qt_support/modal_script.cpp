#include "modal_script.h"

#include <QApplication>
#include <QWidget>

namespace zovrek::testing {

ModalScript::ModalScript() {
    qt::Modal::setAnswerer([this](QDialog& dialog) { return answer(dialog); });
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { checkForStrayModal(); });
    watchdog_.start(250);
}

ModalScript::~ModalScript() { qt::Modal::setAnswerer({}); }

ModalScript& ModalScript::expect(const QString& title, qt::Modal::Answerer answer) {
    expected_.push_back({title, std::move(answer)});
    return *this;
}

ModalScript& ModalScript::expect(const QString& title, int result) {
    return expect(title, [result](QDialog&) { return result; });
}

int ModalScript::answer(QDialog& dialog) {
    const QString title = dialog.windowTitle();
    seen_ << title;
    if (expected_.empty() || expected_.front().title != title) {
        unexpected_ << title;
        return QDialog::Rejected;
    }
    const auto answer = std::move(expected_.front().answer);
    expected_.pop_front();
    return answer(dialog);
}

void ModalScript::checkForStrayModal() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        unexpected_ << modal->windowTitle() + QStringLiteral(" (outside the seam)");
        modal->close();
    }
}

QString ModalScript::problems() const {
    QStringList problems;
    for (const QString& t : unexpected_) problems << QStringLiteral("unexpected window: ") + t;
    for (const Expected& e : expected_) problems << QStringLiteral("window never came: ") + e.title;
    return problems.join(u'\n');
}

}  // namespace zovrek::testing
