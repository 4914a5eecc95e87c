#include "core/horloge.h"

#include <utility>

namespace talvex::horloge {

namespace {
Source& sourceCourante()
{
    static Source source;
    return source;
}
} // namespace

QDateTime maintenant()
{
    const Source& source = sourceCourante();
    return source ? source() : QDateTime::currentDateTime();
}

Source remplacerSource(Source source)
{
    return std::exchange(sourceCourante(), std::move(source));
}

} // namespace talvex::horloge
