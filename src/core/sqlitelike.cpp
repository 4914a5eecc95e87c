#include "core/sqlitelike.h"

#include "core/errors.h"

#include <QChar>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <memory>
#include <string>

namespace talvex {

namespace {

// The code point at s[i] (UTF-8), case-folded; moves i past it. ASCII takes the short road.
inline char32_t pointPlie(const unsigned char* s, int n, int& i)
{
    const unsigned char c = s[i++];
    if (c < 0x80)
        return static_cast<char32_t>((c >= 'A' && c <= 'Z') ? c + 32 : c);
    char32_t cp = 0;
    int suite = 0;
    if ((c & 0xE0) == 0xC0) {
        cp = c & 0x1F;
        suite = 1;
    } else if ((c & 0xF0) == 0xE0) {
        cp = c & 0x0F;
        suite = 2;
    } else if ((c & 0xF8) == 0xF0) {
        cp = c & 0x07;
        suite = 3;
    } else {
        cp = 0xFFFD;
    }
    for (int k = 0; k < suite && i < n; ++k, ++i)
        cp = (cp << 6) | (s[i] & 0x3F);
    return QChar::toCaseFolded(cp);
}

// Decodes a whole text into case-folded code points (the pattern, once per statement).
void plier(const unsigned char* s, int n, std::u32string& sortie)
{
    sortie.clear();
    sortie.reserve(static_cast<std::size_t>(n));
    int i = 0;
    while (i < n)
        sortie.push_back(pointPlie(s, n, i));
}

// Classic wildcard match with one back-tracking point for the last '%'. The text is read
// in place, one code point at a time, so that a row that fails on its first characters
// (most rows of a "begins with" search) costs almost nothing.
bool correspond(const std::u32string& motif, const unsigned char* texte, int n, char32_t echappement)
{
    std::size_t p = 0;
    int t = 0;
    std::size_t etoile = std::u32string::npos;
    int reprise = 0;
    while (t < n) {
        if (p < motif.size()) {
            char32_t m = motif[p];
            if (m == U'%' && m != echappement) {
                etoile = p++;
                reprise = t;
                continue;
            }
            bool litteral = false;
            if (echappement && m == echappement && p + 1 < motif.size()) {
                m = motif[p + 1];
                litteral = true;
            }
            int suivant = t;
            const char32_t c = pointPlie(texte, n, suivant);
            if ((!litteral && m == U'_') || m == c) {
                p += litteral ? 2 : 1;
                t = suivant;
                continue;
            }
        }
        if (etoile == std::u32string::npos)
            return false;
        p = etoile + 1;
        pointPlie(texte, n, reprise);
        t = reprise;
    }
    while (p < motif.size() && motif[p] == U'%' && motif[p] != echappement)
        ++p;
    return p == motif.size();
}

struct MotifPlie
{
    std::u32string points;
};

void like(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL result
    char32_t echappement = 0;
    if (argc == 3) {
        std::u32string e;
        const auto* es = sqlite3_value_text(argv[2]);
        plier(es, sqlite3_value_bytes(argv[2]), e);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        echappement = e[0];
    }
    const auto* texte = sqlite3_value_text(argv[1]);
    const int octets = sqlite3_value_bytes(argv[1]);
    auto* motif = static_cast<MotifPlie*>(sqlite3_get_auxdata(ctx, 0));
    if (!motif) {
        auto nouveau = std::make_unique<MotifPlie>();
        const auto* ps = sqlite3_value_text(argv[0]);
        plier(ps, sqlite3_value_bytes(argv[0]), nouveau->points);
        const bool resultat = correspond(nouveau->points, texte, octets, echappement);
        // SQLite keeps the folded pattern for the next rows of the statement, or frees it at once.
        sqlite3_set_auxdata(ctx, 0, nouveau.release(), [](void* p) { delete static_cast<MotifPlie*>(p); });
        sqlite3_result_int(ctx, resultat ? 1 : 0);
        return;
    }
    sqlite3_result_int(ctx, correspond(motif->points, texte, octets, echappement) ? 1 : 0);
}

} // namespace

void installerLikeSqlite(QSqlDatabase& base)
{
    const QVariant poignee = base.driver()->handle();
    if (!poignee.isValid() || qstrcmp(poignee.typeName(), "sqlite3*") != 0)
        throw EErreurBase(QStringLiteral("Pilote SQLite inattendu : impossible d'installer la recherche."));
    sqlite3* db = *static_cast<sqlite3* const*>(poignee.constData());
    const int drapeaux = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    for (int arite : {2, 3}) {
        if (sqlite3_create_function_v2(db, "like", arite, drapeaux, nullptr, &like, nullptr, nullptr, nullptr)
            != SQLITE_OK)
            throw EErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

} // namespace talvex
