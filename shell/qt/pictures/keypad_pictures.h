#pragma once
// The pictures of the bitmap buttons and the toolbar, drawn by the program itself from a
// table of names, sizes and labels, at the device pixel ratio they are shown at.

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringView>

namespace zovrek::qt {

/// The picture `name` (base name + "U" for up or "D" for down, in any case: "SEVENU",
/// "clearxd"), drawn for device pixel ratio `dpr`; its device-independent size is the
/// table's. A null pixmap when there is no such picture.
QPixmap keypadPicture(QStringView name, qreal dpr);

/// Draws the mark of keyboard focus on the key with caption `caption` (in any case), pressed
/// or not: a dotted frame just inside its face, in the colour of its label, so it shows on
/// every key and leaves the label as it is. Does nothing for an unknown caption.
void paintKeypadFocus(QPainter& painter, QStringView caption, bool down);

/// The size in pixels of the font of the label of the key with caption `caption`, 0 for an
/// unknown caption. The keys of the dialogs share one size.
int keypadLabelPixels(QStringView caption);

/// What a screen reader calls the button with caption `caption` (in any case: "SEVEN" is
/// "Seven", "Memory1" is "Memory select"); empty when the table does not know the caption.
QString keypadAccessibleName(QStringView caption);

/// Toolbar button `index` (0..8, in toolbar order: New, Open, Save, Save As, Print Preview,
/// Print, Scientific, Keep as Top Window, About): an 18 x 21 picture for `dpr`; a null
/// pixmap for any other index.
QPixmap toolbarPicture(int index, qreal dpr);
/// Toolbar button `index` as an icon, drawn at the pixel ratio it is shown at.
QIcon toolbarIcon(int index);

/// The program's icon, a desk printing calculator with its paper roll, drawn at 16, 24, 32,
/// 48, 64, 128 and 256 pixels.
QIcon applicationIcon();

/// The same picture `size` x `size` device-independent pixels large (1 to 1024), drawn for
/// `dpr`; the About box shows it at 48. A null pixmap for any other size.
QPixmap applicationPicture(int size, qreal dpr);

}  // namespace zovrek::qt
