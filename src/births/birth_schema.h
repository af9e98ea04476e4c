// The births database's schema, version by version: the steps that take a file from the
// version its PRAGMA user_version holds (0 for a new, empty file) to the current one, each
// run once and in order. A released step is never changed: a change of the schema is a
// new step, and kBirthsSchemaVersion its number.
#pragma once

#include <QString>
#include <functional>

namespace velquor {

inline constexpr int kBirthsSchemaVersion = 2;

// Runs, through `run`, the statements of every step after `version` up to
// kBirthsSchemaVersion, each step ending by setting user_version to its number. `version`
// is 0 .. kBirthsSchemaVersion; `run` throws when a statement fails, and the caller's
// transaction then keeps the file as it was.
void UpgradeSchema(int version, const std::function<void(const QString& statement)>& run);

}  // namespace velquor
