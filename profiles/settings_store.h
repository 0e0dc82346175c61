#pragma once

#include <QString>
#include <QVariant>

class QSettings;

// Stores `value` under `key` unless the file already holds the same text there. A profile list
// stored longer than the mouse needs keeps the entries beyond those (stored_value_rules.h). Every store
// rewrites the whole file (and waits for the disk) at the next sync, and re-sending a profile
// stores what each page read from it a moment before.
void storeSetting(QSettings *settings, const QString &key, const QVariant &value);

// Removes `key` if it is there.
void removeSetting(QSettings *settings, const QString &key);
