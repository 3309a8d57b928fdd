#pragma once

#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/ranking/rankingrule.h"

#include <QString>

namespace soccer {

// A table's ranking rule in its file. The program's rule writes nothing, so such a table is
// the same file as ever. Any other rule is one line after the last team name,
// "ranking-rule: " and the rule's key ("ranking-rule: head-to-head-first"): a reader that
// reads the values the table format defines stops before it.
void writeRuleTrailer(LineWriter &writer, const RankingRule &rule);

// The rule of the rest of a table file, read after the last team name as one text value.
// Nothing after the names, or anything but a trailer line exactly as written (no other
// blanks, no other case) naming a known rule, reads as the program's rule: a table never
// fails to load for its trailer.
RankingRule readRuleTrailer(ListReader &reader);
// The same for the trailer line's text.
RankingRule ruleOfTrailerLine(const QString &line);

} // namespace soccer
