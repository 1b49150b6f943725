#pragma once

#include "archivelocation.h"

#include <QString>
#include <QTemporaryDir>

// Where the shared suite's archives live: files in a temporary folder, or databases on a
// server the test started.
class ArchiveBackend
{
public:
    virtual ~ArchiveBackend() = default;
    // Why the suite does not run here at all (nothing to run it on); empty when it runs.
    virtual QString skipReason() const { return QString(); }
    // Why the suite cannot run although it should; empty when all is well.
    virtual QString failure() const { return QString(); }
    // A new, empty archive.
    virtual ArchiveLocation freshLocation() = 0;
};

class SqliteBackend : public ArchiveBackend
{
public:
    QString failure() const override { return m_dir.isValid() ? QString() : m_dir.errorString(); }
    ArchiveLocation freshLocation() override
    {
        return ArchiveLocation::file(m_dir.filePath(QStringLiteral("archive-%1.sqlite").arg(++m_count)));
    }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};
