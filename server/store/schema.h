#pragma once

#include <span>

// The database's tables grow by numbered steps that are never edited once released: a store
// applies, in one transaction, every step above the version its `schema_version` table records.
// The statements are plain SQL that SQLite and PostgreSQL read alike.
namespace fibwick::service {

struct SchemaStep {
  int version;
  const char* sql;
};

std::span<const SchemaStep> SchemaSteps();

}  // namespace fibwick::service
