#include "publish/chartpainter.h"

#include <QPainter>
#include <QPolygonF>

namespace publish {

namespace {

using namespace soccer::placeschart;

const QColor kFaded(0xC8, 0xC8, 0xC8);
const QColor kAxisInk(0x44, 0x44, 0x44);

void paintAxes(QPainter &painter, const soccer::PlacesHistory &history) {
    painter.setPen(kAxisInk);
    for (std::size_t i = 0; i < history.rounds.size(); ++i)
        painter.drawText(QRectF(roundX(i) - kRoundWidth, 0, 2 * kRoundWidth, kTopMargin - 4),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(history.rounds[i]));
    for (int place = 1; place <= history.teamCount; ++place)
        painter.drawText(QRectF(0, placeY(place) - kPlaceHeight / 2, kLeftMargin - 6, kPlaceHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(place));
}

void paintTeam(QPainter &painter, const soccer::TeamNames &names,
               const soccer::PlacesHistory &history, int team, const QColor &color, double width) {
    QPolygonF line;
    line.reserve(qsizetype(history.places.size()));
    for (std::size_t i = 0; i < history.places.size(); ++i)
        line << QPointF(roundX(i), placeY(history.places[i][team]));
    painter.setPen(QPen(color, width));
    painter.drawPolyline(line);
    const double lastX = roundX(history.places.size() - 1) + 8;
    const double lastY = placeY(history.places.back()[team]);
    painter.drawText(QRectF(lastX, lastY - kPlaceHeight / 2, kNameWidth, kPlaceHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, names[std::size_t(team)]);
}

} // namespace

void paintPlacesChart(QPainter &painter, const soccer::TeamNames &names,
                      const soccer::PlacesHistory &history, const std::set<int> &highlighted) {
    if (history.rounds.empty())
        return;
    // Smooth lines cost ten times as much: a league's chart gets them, the largest table's
    // 99 lines over 198 rounds are drawn plain so that the view stays quick.
    constexpr std::size_t kSmoothPoints = 5000;
    painter.setRenderHint(QPainter::Antialiasing,
                          std::size_t(history.teamCount) * history.rounds.size() <= kSmoothPoints);
    paintAxes(painter, history);
    // The faded lines first, so that the picked ones lie on top of them.
    for (int team = 1; team <= history.teamCount; ++team) {
        if (!highlighted.contains(team))
            paintTeam(painter, names, history, team,
                      highlighted.empty() ? QColor(teamColor(team, history.teamCount)) : kFaded,
                      1.5);
    }
    for (int team : highlighted)
        paintTeam(painter, names, history, team, QColor(teamColor(team, history.teamCount)), 3);
}

} // namespace publish
