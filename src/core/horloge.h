#pragma once

#include <QDateTime>

#include <functional>

namespace talvex::horloge {

// The current local date and time as the program sees it: the system clock unless a
// test has fixed another source.
QDateTime maintenant();

using Source = std::function<QDateTime()>;
// Replaces the source of "now"; an empty source gives the system clock back. Returns
// the source that was in place.
Source remplacerSource(Source source);

} // namespace talvex::horloge
