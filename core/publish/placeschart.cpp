#include "core/publish/placeschart.h"

#include "core/publish/htmlpage.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace soccer {

namespace placeschart {

QString teamColor(int team, int teamCount) {
    const double hue = teamCount > 0 ? double(team - 1) / teamCount * 6 : 0; // sextants
    const double value = team % 2 ? 0.58 : 0.40;
    const double chroma = value * 0.78;
    const double x = chroma * (1 - std::abs(std::fmod(hue, 2) - 1));
    const double m = value - chroma;
    const double sextant[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x},
                                  {0, x, chroma}, {x, 0, chroma}, {chroma, 0, x}};
    const double *rgb = sextant[std::min(int(hue), 5)];
    QString color = QStringLiteral("#");
    for (int i = 0; i < 3; ++i)
        color += QStringLiteral("%1").arg(int((rgb[i] + m) * 255 + 0.5), 2, 16, QLatin1Char('0'));
    return color;
}

double chartWidth(const PlacesHistory &history) {
    return kLeftMargin + double(history.rounds.size()) * kRoundWidth + kNameWidth;
}

double chartHeight(const PlacesHistory &history) {
    return kTopMargin + history.teamCount * kPlaceHeight + kBottomMargin;
}

double roundX(std::size_t i) {
    return kLeftMargin + (double(i) + 0.5) * kRoundWidth;
}

double placeY(int place) {
    return kTopMargin + (place - 0.5) * kPlaceHeight;
}

} // namespace placeschart

namespace {

using namespace placeschart;

QString number(double value) {
    return QString::number(value, 'f', 1);
}

void writeAxes(QStringList &out, const PlacesHistory &history) {
    for (std::size_t i = 0; i < history.rounds.size(); ++i)
        out << QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                   .arg(number(roundX(i)), number(kTopMargin - 8))
                   .arg(history.rounds[i]);
    for (int place = 1; place <= history.teamCount; ++place)
        out << QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>")
                   .arg(number(kLeftMargin - 6), number(placeY(place) + 4))
                   .arg(place);
}

void writeTeam(QStringList &out, const TeamNames &names, const PlacesHistory &history, int team) {
    QStringList points;
    for (std::size_t i = 0; i < history.places.size(); ++i)
        points << number(roundX(i)) + u',' + number(placeY(history.places[i][team]));
    const QString color = teamColor(team, history.teamCount);
    out << QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" stroke-width=\"2\" "
                          "points=\"%2\"><title>%3</title></polyline>")
               .arg(color, points.join(u' '), htmlEscaped(names[std::size_t(team)]));
    const int last = history.places.back()[team];
    out << QStringLiteral("<text x=\"%1\" y=\"%2\" fill=\"%3\">%4</text>")
               .arg(number(roundX(history.places.size() - 1) + 8), number(placeY(last) + 4), color,
                    htmlEscaped(names[std::size_t(team)]));
}

} // namespace

std::optional<PublishedChart> publishedChart(const League &league) {
    PlacesHistory history = placesHistory(league);
    if (history.rounds.empty())
        return std::nullopt;
    return PublishedChart{league.teamNames, std::move(history)};
}

QString placesChartSvg(const TeamNames &names, const PlacesHistory &history) {
    if (history.rounds.empty())
        return {};
    QStringList out;
    out << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" font-family=\"sans-serif\" font-size=\"10\" "
                          "role=\"img\" aria-label=\"График мест\">")
               .arg(number(chartWidth(history)), number(chartHeight(history)));
    out << QStringLiteral("<title>График мест</title>");
    writeAxes(out, history);
    for (int team = 1; team <= history.teamCount; ++team)
        writeTeam(out, names, history, team);
    out << QStringLiteral("</svg>");
    return out.join(u'\n') + u'\n';
}

} // namespace soccer
