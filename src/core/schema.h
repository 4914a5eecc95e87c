#pragma once

#include <QStringList>

namespace talvex {

class TDataModule_TALVEX;

namespace schema {

// The version this program writes; a database of a later version is refused.
int versionCourante();

// Creates the tables, indexes and required rows of a new database, or brings an older
// one up to the current version, in one transaction.
void preparer(TDataModule_TALVEX& module);

// The eleven business tables, in creation order.
QStringList tables();

} // namespace schema
} // namespace talvex
