#pragma once

#include "archivebackend.h"
#include "sitearchive.h"

#include <QHash>
#include <QObject>
#include <memory>

// The archive's queries, edits, stored checks and migrations, the same on every engine.
class TstArchiveSuite : public QObject
{
    Q_OBJECT
public:
    explicit TstArchiveSuite(ArchiveBackend &backend) : m_backend(backend) {}

private Q_SLOTS:
    void initTestCase();
    void findSites_data();
    void findSites();
    void findEvents_data();
    void findEvents();
    void history_data();
    void history();
    void matchDevice_data();
    void matchDevice();
    void refusedInput_data();
    void refusedInput();
    void eventRoundTrip();
    void sameEventStoredOnce();
    void storedEvents_data();
    void storedEvents();
    void editingAndArchiving();
    void attachEvent();
    void migrationSteps_data();
    void migrationSteps();
    void newerSchemaRefused();
    void notAnArchive();
    void twoWriters();
    void cleanupTestCase();

private:
    std::unique_ptr<SiteArchive> openFresh(ArchiveLocation *location = nullptr);
    void buildFixture();
    QStringList siteLabels(const QList<SiteRecord> &sites) const;
    QStringList eventLabels(const QList<EventRecord> &events) const;

    ArchiveBackend &m_backend;
    std::unique_ptr<SiteArchive> m_fixture;
    QHash<QString, qint64> m_sites;   // label -> id
    QHash<QString, qint64> m_devices; // label -> id
};
