#pragma once
// The program's own accessible interfaces: the tape's text and the announcer.

namespace zovrek::qt {

/// Gives Qt the program's interface factories. Call it before the first widget exists: Qt
/// keeps the first interface it makes for an object, and while a screen reader runs it makes
/// one as soon as a widget is given its accessible name, in the widget's constructor.
void installAccessibleFactories();

}  // namespace zovrek::qt
