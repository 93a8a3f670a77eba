#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include "pictures/keypad_picture_table.h"
#include "shell/colours.h"
#include "shell/kept_pictures.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/pictures/picture_cache.h"

using namespace zovrek;

namespace {

QString baseName(const pictures::KeyPicture& picture) {
    return QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size()));
}

QSize deviceSize(const QPixmap& p) {
    return p.size();
}

bool isBlank(const QPixmap& p) {
    const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

// Every picture as the screen shows it (device pixels), up beside down, at ratio 1 and 2.
QImage contactSheet() {
    QList<QPixmap> cells;
    for (qreal dpr : {1.0, 2.0})
        for (const auto& picture : pictures::kPictures)
            for (QChar state : {u'U', u'D'})
                cells << qt::keypadPicture(baseName(picture) + state, dpr);
    for (qreal dpr : {1.0, 2.0})
        for (int i = 0; i < 9; ++i) cells << qt::toolbarPicture(i, dpr);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) cells << qt::applicationPicture(size, 1);
    cells << qt::applicationPicture(48, 2);

    const int width = 1400;
    QImage sheet(width, 1400, QImage::Format_ARGB32);
    sheet.fill(QColor(0xd4, 0xd0, 0xc8));
    QPainter painter(&sheet);
    int x = 8, y = 8, rowHeight = 0;
    for (QPixmap cell : cells) {
        cell.setDevicePixelRatio(1);
        if (x + cell.width() > width - 8) x = 8, y += rowHeight + 8, rowHeight = 0;
        painter.drawPixmap(x, y, cell);
        x += cell.width() + 6;
        rowHeight = std::max(rowHeight, cell.height());
    }
    painter.end();
    return sheet.copy(0, 0, width, y + rowHeight + 8);
}

double contrast(const QColor& a, const QColor& b) {
    auto rgb = [](const QColor& c) {
        return shell::Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    return shell::contrastRatio(rgb(a), rgb(b));
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void picturesHaveTheTableSizes_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QSize>("up");
        QTest::addColumn<QSize>("down");
        for (const auto& picture : pictures::kPictures)
            for (qreal dpr : {1.0, 2.0})
                QTest::addRow("%s@%g", picture.name.data(), dpr)
                    << baseName(picture) << dpr << QSize(picture.upWidth, picture.upHeight)
                    << QSize(picture.downWidth, picture.downHeight);
    }
    void picturesHaveTheTableSizes() {
        QFETCH(QString, base);
        QFETCH(qreal, dpr);
        QFETCH(QSize, up);
        QFETCH(QSize, down);
        const QPixmap u = qt::keypadPicture(base + u'U', dpr);
        const QPixmap d = qt::keypadPicture(base + u'D', dpr);
        QVERIFY(!u.isNull() && !d.isNull());
        QCOMPARE(u.deviceIndependentSize().toSize(), up);
        QCOMPARE(d.deviceIndependentSize().toSize(), down);
        QCOMPARE(deviceSize(u), up * dpr);
        QCOMPARE(deviceSize(d), down * dpr);
        // A pressed key must look pressed.
        QVERIFY(u.toImage() != d.toImage());
    }

    void lookupByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");  // empty: no picture
        QTest::newRow("mixed case up") << "ClearxU" << QSize(57, 25);
        QTest::newRow("lower case down") << "logxD" << QSize(51, 25);
        QTest::newRow("state in lower case") << "Memory1d" << QSize(34, 19);
        QTest::newRow("one-letter base") << "cU" << QSize(46, 25);
        QTest::newRow("unknown") << "NOSUCHKEYU" << QSize();
        QTest::newRow("no state") << "SEVEN" << QSize();
        QTest::newRow("other state") << "SEVENX" << QSize();
        QTest::newRow("state twice") << "SEVENUU" << QSize();
        QTest::newRow("state only") << "U" << QSize();
        QTest::newRow("empty") << "" << QSize();
    }
    void lookupByName() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QPixmap p = qt::keypadPicture(name, 1);
        QCOMPARE(p.isNull(), size.isEmpty());
        if (!size.isEmpty()) {
            QCOMPARE(p.size(), size);
            QCOMPARE(p.toImage(), qt::keypadPicture(name.toUpper(), 1).toImage());
        }
    }

    void nonsenseRatiosGiveNoPicture() {
        for (qreal dpr : {0.0, -1.0, qQNaN(), qInf(), 1e6}) {
            QVERIFY(qt::keypadPicture(u"SEVENU", dpr).isNull());
            QVERIFY(qt::toolbarPicture(0, dpr).isNull());
            QVERIFY(qt::applicationPicture(48, dpr).isNull());
        }
        QVERIFY(qt::applicationPicture(0, 1).isNull());
    }

    void accessibleNamesComeFromTheTable() {
        QCOMPARE(qt::keypadAccessibleName(u"Memory1"), QStringLiteral("Memory select"));
        QCOMPARE(qt::keypadAccessibleName(u"Clear_All"), QStringLiteral("Clear tape"));
        QVERIFY(qt::keypadAccessibleName(u"Nothing").isEmpty());
    }

    void toolbarPicturesAre18By21() {
        for (qreal dpr : {1.0, 2.0}) {
            for (int i = 0; i < 9; ++i) {
                const QPixmap p = qt::toolbarPicture(i, dpr);
                QCOMPARE(p.deviceIndependentSize().toSize(), QSize(18, 21));
                QCOMPARE(deviceSize(p), QSize(18, 21) * dpr);
                QVERIFY2(!isBlank(p), qPrintable(QString::number(i)));
            }
        }
        QVERIFY(qt::toolbarPicture(9, 1).isNull());
        QVERIFY(qt::toolbarPicture(-1, 1).isNull());
    }

    void toolbarPicturesShowOnLightAndDarkToolbars() {
        // Each picture, on a light and a dark toolbar, has a good part of it standing out.
        for (const QColor toolbar : {QColor(0xef, 0xef, 0xef), QColor(0x32, 0x32, 0x32)}) {
            for (int i = 0; i < 9; ++i) {
                QImage shown(18, 21, QImage::Format_RGB32);
                shown.fill(toolbar);
                QPainter(&shown).drawPixmap(0, 0, qt::toolbarPicture(i, 1));
                int standingOut = 0;
                for (int y = 0; y < shown.height(); ++y)
                    for (int x = 0; x < shown.width(); ++x)
                        if (contrast(QColor(shown.pixel(x, y)), toolbar) >= 3) ++standingOut;
                QVERIFY2(standingOut >= 30, qPrintable(QStringLiteral("picture %1 on %2: %3")
                                                          .arg(i).arg(toolbar.name())
                                                          .arg(standingOut)));
            }
        }
    }

    void iconHasEverySize() {
        const QIcon icon = qt::applicationIcon();
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            QCOMPARE(icon.pixmap(QSize(s, s)).size(), QSize(s, s));
        QCOMPARE(qt::applicationPicture(48, 2).size(), QSize(96, 96));
    }

    // Kept for the next run: the file holds the very pixels drawn.
    void picturesKeptAcrossRuns() {
        const QImage drawn = qt::keypadPicture(QStringLiteral("SEVENU"), 2)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        qt::paint::saveKeptPictures();
        QFile file(QFile::decodeName(QByteArray::fromStdString(shell::keptPicturesFile())));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto kept = shell::decodeKeptPictures(
            std::string_view(bytes.constData(), std::size_t(bytes.size())),
            qt::paint::keptPicturesStamp());
        const auto seven = std::find_if(kept.begin(), kept.end(),
                                        [](const auto& p) { return p.name == "SEVENU@2"; });
        QVERIFY(seven != kept.end());
        QCOMPARE(QSize(int(seven->width), int(seven->height)), drawn.size());
        QCOMPARE(seven->ratio, 2.0);
        const QImage read(reinterpret_cast<const uchar*>(seven->pixels.data()), drawn.width(),
                          drawn.height(), QImage::Format_ARGB32_Premultiplied);
        QVERIFY(read == drawn);
    }

    void writeContactSheet() {
        const QString file = qEnvironmentVariable("ZOVREK_PICTURE_SHEET");
        if (file.isEmpty()) QSKIP("set ZOVREK_PICTURE_SHEET to a PNG file to look at the pictures");
        QVERIFY(contactSheet().save(file));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
