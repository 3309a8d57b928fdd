#include "ui/platform/look.h"

#include <QCoreApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>
#include <functional>

// The pictures of the tool-bar buttons and of the program, drawn here so that the program
// needs no image files. Every picture is drawn on a 32 x 32 canvas and scaled to each size.
namespace platform {
namespace {

using Drawing = std::function<void(QPainter &)>;

constexpr int kCanvas = 32;

const QColor kOutline(40, 40, 40);
const QColor kPaper(255, 255, 250);
const QColor kFolder(240, 190, 60);
const QColor kBlue(40, 90, 180);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 40, 40);

QPen outline(qreal width = 1.2) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPage(QPainter &p) {
    const QPolygonF page({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}});
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawPolygon(page);
    p.drawPolyline(QPolygonF({{20, 3}, {20, 9}, {26, 9}}));
}

void drawNew(QPainter &p) {
    drawPage(p);
    // A green plus in the corner: something is added.
    p.setPen(QPen(kGreen, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 19), QPointF(22, 29));
    p.drawLine(QPointF(17, 24), QPointF(27, 24));
}

void drawOpen(QPainter &p) {
    p.setPen(outline());
    p.setBrush(kFolder.darker(120));
    p.drawPolygon(QPolygonF({{3, 8}, {11, 8}, {13, 11}, {27, 11}, {27, 27}, {3, 27}}));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{3, 27}, {8, 15}, {31, 15}, {27, 27}}));
}

void drawSave(QPainter &p) {
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 4, 16, 10));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(10, 19, 12, 9));
    p.setBrush(kOutline);
    p.drawRect(QRectF(17, 21, 3, 5));
}

// A small cross-table: a dark diagonal, scores in the other cells, and the number of the half.
void drawChess(QPainter &p, const QString &half) {
    const qreal cell = 6;
    p.setPen(outline(0.8));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool diagonal = row == column;
            p.setBrush(diagonal ? kOutline : (row + column) % 2 ? QColor(200, 220, 245) : kPaper);
            p.drawRect(QRectF(2 + column * cell, 2 + row * cell, cell, cell));
        }
    }
    p.setPen(outline(1.2));
    p.setBrush(kFolder);
    p.drawEllipse(QRectF(17, 17, 14, 14));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(17, 17, 14, 14), Qt::AlignCenter, half);
}

void drawTable(QPainter &p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 4, 26, 24));
    p.setBrush(kBlue);
    p.drawRect(QRectF(3, 4, 26, 5));
    p.setBrush(kFolder);
    p.drawRect(QRectF(3, 9, 26, 5));
    p.setPen(outline(0.8));
    for (qreal y = 19; y < 28; y += 5) {
        p.drawLine(QPointF(3, y), QPointF(29, y));
    }
    p.drawLine(QPointF(9, 4), QPointF(9, 28));
    p.drawLine(QPointF(22, 4), QPointF(22, 28));
}

// A wall calendar's leaf: rings on a red head and a grid of days.
void drawCalendar(QPainter &p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 6, 24, 22));
    p.setBrush(kRed);
    p.drawRect(QRectF(4, 6, 24, 6));
    p.setPen(outline(0.8));
    for (qreal x = 9; x < 27; x += 5) {
        for (qreal y = 15; y < 27; y += 4)
            p.drawRect(QRectF(x - 1.5, y, 3, 2));
    }
    p.setPen(outline(2));
    p.drawLine(QPointF(10, 3), QPointF(10, 9));
    p.drawLine(QPointF(22, 3), QPointF(22, 9));
}

// The matches of one round: a numbered list of pairings.
void drawTours(QPainter &p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 3, 24, 26));
    p.setBrush(kGreen);
    p.drawRect(QRectF(4, 3, 24, 6));
    p.setPen(outline(1.6));
    for (qreal y = 14; y < 28; y += 5) {
        p.drawLine(QPointF(8, y), QPointF(14, y));
        p.drawLine(QPointF(18, y), QPointF(24, y));
    }
}

void drawRename(QPainter &p) {
    QFont font = p.font();
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kOutline);
    p.drawText(QRectF(1, 2, 22, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Аб"));
    // A pencil across the lower right corner.
    p.setPen(outline());
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{26, 12}, {30, 16}, {14, 32 - 1}, {10, 27}}));
    p.setBrush(QColor(240, 200, 170));
    p.drawPolygon(QPolygonF({{10, 27}, {14, 31}, {7, 31}}));
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({{26, 12}, {30, 16}, {28, 18}, {24, 14}}));
}

void drawClear(QPainter &p) {
    // An eraser over a smudged line.
    p.setPen(QPen(QColor(160, 160, 160), 2, Qt::DashLine));
    p.drawLine(QPointF(3, 28), QPointF(29, 28));
    p.setPen(outline());
    p.setBrush(QColor(240, 130, 150));
    p.drawPolygon(QPolygonF({{14, 5}, {28, 13}, {21, 25}, {7, 17}}));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{7, 17}, {14, 21}, {10, 27}, {3, 23}}));
    p.drawPolygon(QPolygonF({{14, 21}, {21, 25}, {17, 31 - 0.5}, {10, 27}}));
}

void drawOption(QPainter &p) {
    // A painter's palette: the options are the program's colours.
    QPainterPath palette;
    palette.addEllipse(QRectF(2, 5, 28, 22));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(17, 17, 7, 6));
    p.setPen(outline());
    p.setBrush(QColor(225, 195, 150));
    p.drawPath(palette.subtracted(thumb));
    const QList<QPair<QPointF, QColor>> blobs = {
        {{9, 12}, kRed}, {{16, 10}, kGreen}, {{23, 12}, kBlue}, {{9, 20}, kFolder}};
    p.setPen(Qt::NoPen);
    for (const auto &[centre, colour] : blobs) {
        p.setBrush(colour);
        p.drawEllipse(centre, 3, 3);
    }
}

void drawSign(QPainter &p, const QString &sign) {
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, sign);
}

void drawExit(QPainter &p) {
    // An open door with an arrow leading out.
    p.setPen(outline());
    p.setBrush(QColor(130, 90, 50));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(QColor(180, 130, 80));
    p.drawPolygon(QPolygonF({{4, 3}, {12, 7}, {12, 31}, {4, 29}}));
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16), QPointF(29, 16));
    p.drawPolyline(QPolygonF({{24, 11}, {29, 16}, {24, 21}}));
}

// A football: white ball, a black pentagon in the middle and the edges of the next ones.
void drawBall(QPainter &p) {
    const QPointF centre(16, 16);
    const qreal radius = 14;
    p.setPen(outline(1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);

    QPolygonF pentagon;
    for (int corner = 0; corner < 5; ++corner) {
        const qreal angle = qDegreesToRadians(-90.0 + 72.0 * corner);
        pentagon << centre + QPointF(qCos(angle), qSin(angle)) * 5.5;
    }
    p.setBrush(kOutline);
    p.drawPolygon(pentagon);

    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    p.setClipPath(ball);
    for (const QPointF &corner : pentagon) {
        const QPointF outward = corner + (corner - centre) * 1.15;
        p.drawLine(corner, outward);
        p.drawEllipse(outward + (corner - centre) * 0.75, 4, 4);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

const QHash<QString, Drawing> &drawings() {
    static const QHash<QString, Drawing> table = {
        {QStringLiteral("new"), drawNew},
        {QStringLiteral("open"), drawOpen},
        {QStringLiteral("save"), drawSave},
        {QStringLiteral("chess1"), [](QPainter &p) { drawChess(p, QStringLiteral("1")); }},
        {QStringLiteral("chess2"), [](QPainter &p) { drawChess(p, QStringLiteral("2")); }},
        {QStringLiteral("table"), drawTable},
        {QStringLiteral("rename"), drawRename},
        {QStringLiteral("clear"), drawClear},
        {QStringLiteral("option"), drawOption},
        {QStringLiteral("help"), [](QPainter &p) { drawSign(p, QStringLiteral("?")); }},
        {QStringLiteral("about"), [](QPainter &p) { drawSign(p, QStringLiteral("i")); }},
        {QStringLiteral("exit"), drawExit},
        {QStringLiteral("calendar"), drawCalendar},
        {QStringLiteral("tours"), drawTours},
    };
    return table;
}

QPixmap render(const Drawing &draw, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(qreal(size) / kCanvas, qreal(size) / kCanvas);
    draw(painter);
    return pixmap;
}

// The sizes a picture is drawn in; a request for another size is served, as QIcon serves a set
// of pixmaps, by the smallest of these that is at least as large (or the largest), scaled.
constexpr int kDrawnSizes[] = {16, 24, 32, 48, 64};

int drawnSizeFor(const QSize &wanted) {
    for (int size : kDrawnSizes) {
        if (size * size >= wanted.width() * wanted.height())
            return size;
    }
    return kDrawnSizes[std::size(kDrawnSizes) - 1];
}

// Draws a picture only in the sizes asked for, when first asked for, instead of every size
// before the window that shows it can paint. It hands the drawn pixmaps to an ordinary QIcon,
// which scales and greys them exactly as an icon made of all the sizes would: the size it
// picks from the full set is always among those drawn.
class DrawnIconEngine : public QIconEngine {
  public:
    explicit DrawnIconEngine(Drawing draw) : draw_(std::move(draw)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        drawFor(size);
        return drawn_.pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        drawFor(size);
        return drawn_.pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        drawFor(rect.size() * painter->device()->devicePixelRatio());
        drawn_.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        drawFor(size);
        return drawn_.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        for (int size : kDrawnSizes)
            drawFor(QSize(size, size));
        return drawn_.availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("soccer-drawn"); }
    QIconEngine *clone() const override { return new DrawnIconEngine(*this); }

  private:
    void drawFor(const QSize &wanted) {
        const int size = drawnSizeFor(wanted);
        if (drawnSizes_.contains(size))
            return;
        drawn_.addPixmap(render(draw_, size));
        drawnSizes_.append(size);
    }

    Drawing draw_;
    QIcon drawn_;
    QList<int> drawnSizes_;
};

// Every window of a run shows the same pictures: each is drawn once a run, in each size asked
// for, and its copies share the drawing. The pictures go before the application does, while
// pixmaps can still be let go.
QHash<QString, QIcon> &madeIcons() {
    static QHash<QString, QIcon> icons = [] {
        qAddPostRoutine([] { madeIcons().clear(); });
        return QHash<QString, QIcon>();
    }();
    return icons;
}

QIcon iconOf(const QString &name, const Drawing &draw) {
    QIcon &icon = madeIcons()[name];
    if (icon.isNull())
        icon = QIcon(new DrawnIconEngine(draw));
    return icon;
}

} // namespace

QIcon commandIcon(const QString &name) {
    const auto found = drawings().constFind(name);
    return found == drawings().constEnd() ? QIcon() : iconOf(name, *found);
}

QIcon applicationIcon() {
    return iconOf(QStringLiteral("program"), drawBall);
}

} // namespace platform
