// The round view "Туры" and the calendar behind it: the draw, a score entered on a round's
// match, a match moved to another round or date, home and away swapped.
#include "core/season/calendaredit.h"
#include "ui/dialogs/frmcalendar.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/placeschartview.h"
#include "ui/main/roundview.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QListView>
#include <utility>

using mainlayout::kTitle;

namespace {

QString pairName(const soccer::League &league, const soccer::SeasonMatch &match) {
    return league.teamNames[match.home].trimmed() + QStringLiteral(" – ") +
           league.teamNames[match.away].trimmed();
}

// The answer the move prompt starts from: where the match stands now.
QString slotText(const soccer::SeasonMatch &match) {
    const QString round = QString::number(match.round);
    return match.date.isValid()
               ? round + QStringLiteral(" ") + match.date.toString(QStringLiteral("dd.MM.yyyy"))
               : round;
}

} // namespace

// Beside the cross-tables, in the same place and as wide; hidden until chosen.
void frmtable::buildRoundView() {
    using namespace mainlayout;
    tours = new RoundView(document_, centralWidget());
    tours->setGeometry(0, platform::twipsToPixelsY(kGridTop),
                       platform::twipsToPixelsX(kCrossTableWidth),
                       platform::twipsToPixelsY(kGridHeight));
    tours->hide();
    buildRoundCommands(tours->matchList());
    connect(tours, &RoundView::matchActivated, this, &frmtable::lsttour_Activated);
}

void frmtable::protours() {
    showView(View::Rounds);
}

// In the place of the round view; the places are counted only when it is shown.
void frmtable::buildChartView() {
    using namespace mainlayout;
    chart = new PlacesChartView(document_, centralWidget());
    chart->setGeometry(0, platform::twipsToPixelsY(kGridTop),
                       platform::twipsToPixelsX(kCrossTableWidth),
                       platform::twipsToPixelsY(kGridHeight));
    chart->hide();
}

void frmtable::prochart() {
    showView(View::Chart);
}

// The draw replaces a calendar only when the user agrees, since moved matches and dates set
// by hand go with it.
void frmtable::procalendar() {
    frmcalendar::create(this, league(), [this](const soccer::Calendar &drawn) {
        if (!league().calendar.empty() &&
            platform::message(
                this, QStringLiteral("В таблице уже есть календарь. Заменить его новым?"), kTitle,
                platform::Buttons::YesNo, platform::Icon::Information) != platform::Answer::Yes)
            return;
        document_->setCalendar(QStringLiteral("составление календаря"), drawn);
        protours();
    });
}

// The match's result is the cell of the home team's row and the away team's column in its
// half's cross-table, asked for as a click on that cell asks.
void frmtable::lsttour_Activated() {
    const soccer::SeasonMatch *match = tours->currentMatch();
    if (!match)
        return;
    const int home = match->home;
    const int away = match->away;
    enterScore(half(match->half), home, away);
}

void frmtable::promove() {
    const soccer::SeasonMatch *shown = tours->currentMatch();
    if (!shown)
        return;
    const soccer::SeasonMatch match = *shown;
    const std::optional<QString> answer =
        platform::input(this,
                        QStringLiteral("Перенести матч  ") + pairName(league(), match) +
                            QStringLiteral("  в тур (и на дату ДД.ММ.ГГГГ):"),
                        kTitle, slotText(match));
    if (!answer)
        return;
    const std::optional<soccer::MatchSlot> slot = soccer::readMatchSlot(*answer);
    if (!slot) {
        platform::message(this,
                          QStringLiteral("«%1» — не тур: нужен номер тура от 1 до %2 и, если "
                                         "нужно, дата ДД.ММ.ГГГГ")
                              .arg(answer->trimmed())
                              .arg(soccer::kMaxRound),
                          kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return;
    }
    soccer::Calendar calendar = league().calendar;
    if (soccer::moveFixture(calendar, match.half, match.home, match.away, *slot))
        document_->setCalendar(QStringLiteral("перенос матча ") + pairName(league(), match),
                               std::move(calendar));
}

void frmtable::proswap() {
    const soccer::SeasonMatch *shown = tours->currentMatch();
    if (!shown)
        return;
    const soccer::SeasonMatch match = *shown;
    soccer::Calendar calendar = league().calendar;
    if (soccer::swapHomeAway(calendar, match.half, match.home, match.away))
        document_->setCalendar(QStringLiteral("обмен хозяев и гостей ") + pairName(league(), match),
                               std::move(calendar));
}
