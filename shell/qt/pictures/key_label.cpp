#include "shell/qt/pictures/key_label.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "shell/qt/pictures/key_symbols.h"

namespace zovrek::qt::paint {
namespace {

constexpr qreal kCapPerPixel = 0.72;  // cap height of the usual sans fonts per pixel size
constexpr qreal kMarginX = 3;         // free space beside the text, clear of the focus mark
constexpr qreal kLineStep = 1.45;     // baseline to baseline, in cap heights
constexpr qreal kRaisedScale = 0.62;  // size of a raised 2 or y
constexpr qreal kRaisedLift = 0.5;    // its baseline above the line's, in cap heights
constexpr int kMinPixels = 7;
constexpr int kWrapBelow = 8;  // a two-word label breaks when one line would be smaller
// Cuts of the font, in percent of its width: the first ones are tried at every size before
// a smaller one, the rest only at the smallest size. Few cuts, so that few fonts are made.
constexpr std::array kCuts{100, 94, 88, 80, 72, 64};
constexpr std::size_t kCutsAtEverySize = 3;
// Labels are measured at one size, that of most words, and scaled: advances grow in
// proportion to the size, and the one font made for measuring serves all labels.
constexpr int kMeasuringPixels = 12;

struct Run {
    QString text;
    bool raised = false;
};
using Line = QList<Run>;

QList<Line> parse(QStringView label) {
    QList<Line> lines(1);
    for (const QChar c : label) {
        if (c == u'\n') {
            lines.append(Line{});
            continue;
        }
        const bool raised = c == QChar(0x00b2) || c == QChar(0x02b8);
        const QChar plain = c == QChar(0x00b2) ? QChar(u'2') : c == QChar(0x02b8) ? QChar(u'y') : c;
        Line& line = lines.back();
        if (line.isEmpty() || line.back().raised != raised) line.append(Run{{}, raised});
        line.back().text += plain;
    }
    return lines;
}

QList<Line> wrapAtMiddleSpace(QStringView label) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < label.size(); ++i)
        if (label[i] == u' ' &&
            (best < 0 || std::abs(2 * i - label.size()) < std::abs(2 * best - label.size())))
            best = i;
    if (best < 0) return {};
    return parse(label.left(best).toString() + u'\n' + label.mid(best + 1).toString());
}

QFont labelFont(int pixels, int stretch) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, pixels));
    // A narrower cut of the font, or the font drawn narrower, where the words are long.
    font.setStretch(stretch);
    return font;
}

bool anyRaised(const QList<Line>& lines) {
    for (const Line& line : lines)
        for (const Run& run : line)
            if (run.raised) return true;
    return false;
}

// The fonts of a label at one size and cut, with their metrics. The raised font is made
// only for labels that have raised letters: each font made costs time at start-up.
struct Fonts {
    Fonts(const QList<Line>& lines, int pixels, int stretch, const QPaintDevice* device)
        : base(labelFont(pixels, stretch)),
          raised(anyRaised(lines) ? labelFont(int(std::lround(pixels * kRaisedScale)), stretch)
                                  : base),
          baseMetrics(base, device),
          raisedMetrics(raised, device) {}

    qreal width(const Run& run) const {
        return (run.raised ? raisedMetrics : baseMetrics).horizontalAdvance(run.text);
    }
    qreal width(const Line& line) const {
        qreal w = 0;
        for (const Run& run : line) w += width(run);
        return w;
    }
    qreal widest(const QList<Line>& lines) const {
        qreal w = 0;
        for (const Line& line : lines) w = std::max(w, width(line));
        return w;
    }

    QFont base;
    QFont raised;
    QFontMetricsF baseMetrics;
    QFontMetricsF raisedMetrics;
};

struct Choice {
    int pixels;
    int stretch;
    bool wrapped;
};

// The largest size, in the widest cut, at which `lines` fit `face`; at the smallest size
// the narrowest cut if none fits.
Choice choose(const QList<Line>& lines, QSizeF face, bool isShort, const QPaintDevice* device) {
    const qreal room = face.width() - 2 * kMarginX;
    const qreal cap = isShort ? face.height() * 0.5 : face.height() * 0.36 + 1.5;
    const qreal rows = 1 + kLineStep * qreal(lines.size() - 1);
    // Widest line per pixel of size; a narrower cut is about as much narrower. Where that
    // is a little off, drawing squeezes the rest.
    const qreal perPixel =
        Fonts(lines, kMeasuringPixels, 100, device).widest(lines) / kMeasuringPixels;
    auto fits = [&](int pixels, std::size_t cut) {
        return perPixel * kCuts[cut] / 100 * pixels <= room;
    };
    for (int pixels = std::max(kMinPixels, int(std::lround(cap / kCapPerPixel)));
         pixels > kMinPixels; --pixels) {
        if (pixels * kCapPerPixel * rows > face.height() - 2) continue;
        for (std::size_t cut = 0; cut < kCutsAtEverySize; ++cut)
            if (fits(pixels, cut)) return {pixels, kCuts[cut], false};
    }
    for (std::size_t cut = 0; cut < kCuts.size(); ++cut)
        if (fits(kMinPixels, cut)) return {kMinPixels, kCuts[cut], false};
    return {kMinPixels, kCuts.back(), false};
}

// The choice for `label` in `face`, with or without breaking it at a space. Remembered by
// label and face: the up and down pictures and every pixel ratio share it, as the fonts
// measure alike at any ratio.
Choice choice(QStringView label, QSizeF face, const QPaintDevice* device) {
    static QHash<QString, Choice> choices;
    const QString key = label.toString() + u'|' + QString::number(face.width()) + u'x' +
                        QString::number(face.height());
    const auto found = choices.constFind(key);
    if (found != choices.constEnd()) return *found;
    const QList<Line> lines = parse(label);
    Choice c = choose(lines, face, lines.size() == 1 && label.size() <= 2, device);
    if (c.pixels < kWrapBelow && lines.size() == 1) {
        const QList<Line> wrapped = wrapAtMiddleSpace(label);
        if (!wrapped.isEmpty()) {
            Choice w = choose(wrapped, face, false, device);
            if (w.pixels > c.pixels) c = {w.pixels, w.stretch, true};
        }
    }
    choices.insert(key, c);
    return c;
}

// The widest cut of the font in which `label` fits `face` at `pixels`, else the narrowest.
Choice choiceAt(QStringView label, QSizeF face, int pixels, const QPaintDevice* device) {
    const QList<Line> lines = parse(label);
    const qreal perPixel =
        Fonts(lines, kMeasuringPixels, 100, device).widest(lines) / kMeasuringPixels;
    for (const int cut : kCuts)
        if (perPixel * cut / 100 * pixels <= face.width() - 2 * kMarginX) return {pixels, cut, false};
    return {pixels, kCuts.back(), false};
}

}  // namespace

int fittedLabelPixels(QStringView label, QSizeF face, const QPaintDevice* device) {
    return choice(label, face, device).pixels;
}

void paintKeyLabel(QPainter& painter, const QRectF& face, QStringView label, const QColor& colour,
                   qreal dpr, int pixels) {
    if (isKeySymbol(label)) {
        paintKeySymbol(painter, face, label, colour, dpr);
        return;
    }
    const Choice c = pixels > 0 ? choiceAt(label, face.size(), pixels, painter.device())
                                : choice(label, face.size(), painter.device());
    const QList<Line> lines = c.wrapped ? wrapAtMiddleSpace(label) : parse(label);
    const Fonts fonts(lines, c.pixels, c.stretch, painter.device());
    // Past the narrowest cut, drawn narrower still rather than cut off.
    const qreal room = face.width() - 2 * kMarginX;
    const qreal widest = fonts.widest(lines);
    const qreal squeeze = widest > room ? room / widest : 1.0;
    const qreal cap = fonts.baseMetrics.capHeight();
    auto snap = [dpr](qreal v) { return std::round(v * dpr) / dpr; };

    painter.save();
    painter.setPen(colour);
    qreal baseline = face.center().y() - cap * (1 + kLineStep * qreal(lines.size() - 1)) / 2 + cap;
    for (const Line& line : lines) {
        const qreal y = snap(baseline);
        qreal x = snap(face.center().x() - fonts.width(line) * squeeze / 2);
        for (const Run& run : line) {
            painter.setFont(run.raised ? fonts.raised : fonts.base);
            painter.save();
            painter.translate(x, run.raised ? snap(y - cap * kRaisedLift) : y);
            painter.scale(squeeze, 1);
            painter.drawText(QPointF(0, 0), run.text);
            painter.restore();
            x += fonts.width(run) * squeeze;
        }
        baseline += cap * kLineStep;
    }
    painter.restore();
}

}  // namespace zovrek::qt::paint
