#pragma once

class QSqlDatabase;

namespace talvex {

// Replaces SQLite's LIKE on this connection by one that ignores letter case for every
// alphabet ("élodie" matches "ÉLODIE"), as PostgreSQL's ILIKE does; '%' and '_' keep
// their wildcard meaning and ESCAPE is honoured.
void installerLikeSqlite(QSqlDatabase& base);

} // namespace talvex
