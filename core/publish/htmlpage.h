#pragma once

#include "core/publish/publishedtables.h"

#include <QByteArray>
#include <QString>

namespace soccer {

// One self-contained web page in UTF-8 with every table of the publication: HTML5 that is
// also well-formed XML (so that strict XML tools read it too), real table markup with
// captions and header scopes for screen readers, and an inline style that prints on A4 and
// lets the wide cross-tables scroll sideways on a phone.
QByteArray htmlPage(const Publication &publication);

// A text as HTML character data or attribute value: & < > " ' as references, and the few
// characters that neither HTML nor XML allows (control characters, non-characters) as the
// replacement character.
QString htmlEscaped(const QString &text);

} // namespace soccer
