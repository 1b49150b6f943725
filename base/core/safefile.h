#pragma once

#include <QByteArray>
#include <QString>

// Replaces (or creates) `path` with `bytes` only once all of them are safely on disk: the
// bytes go to a temporary file first, every write is checked (a short write, e.g. a full
// disk, counts as a failure; buffered writes would hide it), and only then is the file
// renamed over the old one. On failure the old file is untouched.
bool saveFileAtomically(const QString &path, const QByteArray &bytes);
