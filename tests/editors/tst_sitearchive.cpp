// The site archive as vexloader keeps it, end to end: the real main window and a simulated
// 16-zone panel (variant 2, object number 0A1B, level-2 code 1234) record into an archive in
// the test's own folder. A first read places the panel on a site created in "Новий прилад";
// the write after an edit belongs to it without asking; the archive window finds both events,
// opens the read in the editor and compares the write with it. Settings files saved and
// opened are recorded; an archive switched off or damaged leaves every exchange as it was.
#include "deviceimages.h"
#include "editorbench.h"
#include "panelcodec.h"
#include "paneleditor.h"
#include "privatesettings.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kRefused = QStringLiteral("Архів об'єктів недоступний: до кінця сеансу події в нього не записуються.");
const QString kSwitchedOff = QStringLiteral("Архів об'єктів вимкнено: увімкніть його в «Налаштування архіву».");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<EventKind> kindsOf(const QList<EventRecord> &events)
{
    QList<EventKind> kinds;
    for (const EventRecord &record : events)
        kinds.append(record.event.kind);
    return kinds;
}

// "Новий прилад" as an installer fills it: a new site, and where the panel hangs.
int placeOnNewSite(QObject *dialog)
{
    const auto edit = [dialog](const char *name) { return dialog->findChild<QLineEdit *>(QLatin1String(name)); };
    edit("edSiteName")->setText(QStringLiteral("Школа № 5"));
    edit("edSiteAddress")->setText(QStringLiteral("вул. Садова, 3"));
    dialog->findChild<QPushButton *>(QStringLiteral("btnCreateSite"))->click();
    edit("edPlace")->setText(QStringLiteral("щит 2"));
    return QDialog::Accepted;
}

} // namespace

class TstSiteArchive : public QObject, private EditorBench
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void readWriteFoundAndCompared();
    void settingsFilesRecorded();
    void exchangesWithoutArchive_data();
    void exchangesWithoutArchive();
    void optionsMoveTheArchive();

private:
    TPanelEditor *readPanel();
    TPanelEditor *writeCode(const QString &code);
    template <typename T>
    T *archiveChild(const char *name) const;
    void selectRow(const char *tree, int row);

    QStringList m_asked; // the dialogs run, by object name
};

void TstSiteArchive::init()
{
    startBench();
    makeSimulator(Model::Korvel16p, 2);
    PanelSettings settings;
    settings.accessCode2 = QStringLiteral("1234");
    settings.objectNumbers = {QStringLiteral("0A1B"), QStringLiteral("0C00")};
    const settingsfile::Images images{encodeEeprom(PanelModel::SixteenZone, 2, settings),
                                      encodeMemory(PanelModel::SixteenZone, settings)};
    putImages(images, *imageSegments(Model::Korvel16p, 2), *m_device);
    m_asked.clear();
    m_dialogs->dialogHandler = [this](QObject *dialog) {
        m_asked.append(dialog->objectName());
        return placeOnNewSite(dialog);
    };
}

void TstSiteArchive::cleanup()
{
    stopBench();
}

TPanelEditor *TstSiteArchive::readPanel()
{
    m_form->findChild<QAction *>("tbReadDev")->trigger();
    waitForEnd();
    return qobject_cast<TPanelEditor *>(m_form->activeEditor());
}

TPanelEditor *TstSiteArchive::writeCode(const QString &code)
{
    TPanelEditor *editor = readPanel();
    auto *edit = editor->findChild<QLineEdit *>("edCode2");
    edit->setText(code);
    Q_EMIT edit->textEdited(code);
    m_form->findChild<QAction *>("tbLoadDev")->trigger();
    waitForEnd();
    return editor;
}

template <typename T>
T *TstSiteArchive::archiveChild(const char *name) const
{
    for (QMdiSubWindow *sub : m_form->mdiArea()->subWindowList()) {
        if (sub->widget()->objectName() == QLatin1String("ArchiveForm"))
            return sub->widget()->findChild<T *>(QLatin1String(name));
    }
    return nullptr;
}

void TstSiteArchive::selectRow(const char *tree, int row)
{
    QTreeWidget *list = archiveChild<QTreeWidget>(tree);
    QVERIFY(list && row < list->topLevelItemCount());
    list->setCurrentItem(list->topLevelItem(row));
}

void TstSiteArchive::readWriteFoundAndCompared()
{
    TPanelEditor *editor = writeCode(QStringLiteral("9876"));
    QCOMPARE(m_asked, QStringList{QStringLiteral("NewDeviceDialog")});
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("записано і перевірено")));
    QCOMPARE(m_form->statusText(2), QString());

    const std::unique_ptr<SiteArchive> archive = openPrivateArchive(m_dir->path());
    QVERIFY(archive);
    const QList<SiteRecord> sites = archive->findSites({QStringLiteral("садова")}).value;
    QCOMPARE(sites.size(), 1);
    QCOMPARE(sites.first().info.name, QStringLiteral("Школа № 5"));
    const QList<DeviceRecord> devices = archive->devices(sites.first().id).value;
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.first().info.objectNumber, QStringLiteral("0A1B"));
    QCOMPARE(devices.first().info.place, QStringLiteral("щит 2"));
    const QList<EventRecord> history = archive->history(devices.first().id, 0, 10).value;
    QCOMPARE(kindsOf(history), (QList<EventKind>{EventKind::CheckedWrite, EventKind::Read}));
    QCOMPARE(history.first().event.outcome, EventOutcome::Done);

    m_form->findChild<QAction *>("tbArchive")->trigger();
    selectRow("twSites", 0);
    selectRow("twDevices", 0);
    QCOMPARE(archiveChild<QTreeWidget>("twTimeline")->topLevelItemCount(), 2);
    selectRow("twTimeline", 1);
    archiveChild<QAction>("actOpenInEditor")->trigger();
    QCOMPARE(editor->findChild<QLineEdit *>("edCode2")->text(), QStringLiteral("1234"));
    QVERIFY2(editor->windowTitle().contains(QStringLiteral("   -   Школа № 5, щит 2 — читання ")),
             qPrintable(editor->windowTitle()));

    selectRow("twTimeline", 0);
    archiveChild<QAction>("actCompareWithEditor")->trigger();
    const QString compared = m_dialogs->lastText();
    QVERIFY2(compared.contains(QStringLiteral("код доступу до другого рівня: 1234 → 9876")), qPrintable(compared));
    QCOMPARE(compared.count(QStringLiteral(" → ")), 2); // the heading and the one field edited
    QCOMPARE(m_asked.size(), 1);
}

// Neither a file saved nor one opened is a device's: nothing is asked.
void TstSiteArchive::settingsFilesRecorded()
{
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, 2));
    const QString path = m_dir->filePath(QStringLiteral("школа.vau"));
    m_dialogs->fileName = path;
    m_form->findChild<QAction *>("mnSave")->trigger();
    m_form->findChild<QAction *>("mnOpen")->trigger();
    QCOMPARE(m_asked, QStringList());
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("школа.vau")));

    const std::unique_ptr<SiteArchive> archive = openPrivateArchive(m_dir->path());
    QVERIFY(archive);
    const QList<EventRecord> events = archive->findEvents({}).value;
    QCOMPARE(kindsOf(events), (QList<EventKind>{EventKind::FileOpened, EventKind::FileSaved}));
    const QByteArray file = fileBytes(path);
    for (const EventRecord &record : events) {
        QCOMPARE(record.event.filePath, QFileInfo(path).absoluteFilePath());
        QCOMPARE(record.event.device, DeviceId(0));
        QCOMPARE(archive->exportSettings(record.id).value.fileBytes(), file);
    }
}

void TstSiteArchive::exchangesWithoutArchive_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QByteArray>("file");       // the archive file before; empty: none
    QTest::addColumn<QString>("said");          // the one box of the read and the write; empty: none
    QTest::addColumn<QString>("archiveCommand"); // what "Архів об'єктів" says then

    QTest::newRow("switched off") << false << QByteArray() << QString() << kSwitchedOff;
    QTest::newRow("damaged file") << true << QByteArray(4096, 'x') << kRefused << kRefused;
}

void TstSiteArchive::exchangesWithoutArchive()
{
    QFETCH(bool, enabled);
    QFETCH(QByteArray, file);
    QFETCH(QString, said);
    QFETCH(QString, archiveCommand);
    usePrivateSettings(m_dir->path(), enabled);
    const QString path = privateArchivePath(m_dir->path());
    if (!file.isEmpty()) {
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(file) == file.size());
    }

    TPanelEditor *editor = writeCode(QStringLiteral("9876"));
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("записано і перевірено")));
    QCOMPARE(m_device->read(SimArea::Eeprom, 64, 2).value(), QByteArray("\x98\x76", 2));
    QCOMPARE(m_asked, QStringList());
    QCOMPARE(m_dialogs->messages.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty()) {
        QCOMPARE(m_dialogs->lastText(), said);
        QVERIFY2(m_dialogs->messages.last().detail.startsWith(QStringLiteral("Архів пошкоджено")),
                 qPrintable(m_dialogs->messages.last().detail));
    }
    QCOMPARE(fileBytes(path), file);
    QCOMPARE(QFileInfo::exists(path), !file.isEmpty());

    m_form->findChild<QAction *>("mnArchive")->trigger();
    QCOMPARE(m_dialogs->lastText(), archiveCommand);
    QVERIFY(!archiveChild<QWidget>("twSites"));
}

// "Налаштування архіву": a copy of the archive in use holds what it held; the operator named
// and the file chosen there take the next exchange, and the old file is left as it was.
void TstSiteArchive::optionsMoveTheArchive()
{
    readPanel();
    const QString backup = m_dir->filePath(QStringLiteral("копія.sqlite"));
    const QString moved = m_dir->filePath(QStringLiteral("інший.sqlite"));
    m_dialogs->dialogHandler = [&](QObject *dialog) {
        m_asked.append(dialog->objectName());
        if (dialog->objectName() == QLatin1String("NewDeviceDialog"))
            return placeOnNewSite(dialog);
        m_dialogs->fileName = backup;
        dialog->findChild<QPushButton *>(QStringLiteral("btnBackup"))->click();
        m_dialogs->fileName = moved;
        dialog->findChild<QPushButton *>(QStringLiteral("btnChangePath"))->click();
        dialog->findChild<QLineEdit *>(QStringLiteral("edOperator"))->setText(QStringLiteral(" Оксана "));
        return int(QDialog::Accepted);
    };
    m_form->findChild<QAction *>("mnArchiveOptions")->trigger();
    readPanel();
    QCOMPARE(m_asked, (QStringList{"NewDeviceDialog", "ArchiveOptionsDialog", "NewDeviceDialog"}));

    const auto onlyEvent = [](const QString &path) {
        const std::unique_ptr<SiteArchive> archive = std::move(SiteArchive::open(ArchiveLocation::file(path)).value);
        const QList<EventRecord> events = archive ? archive->findEvents({}).value : QList<EventRecord>();
        return events.size() == 1 ? events.first().event : ArchiveEvent();
    };
    const ArchiveEvent first = onlyEvent(privateArchivePath(m_dir->path()));
    QCOMPARE(first.kind, EventKind::Read);
    QCOMPARE(onlyEvent(backup).at, first.at);
    const ArchiveEvent next = onlyEvent(moved);
    QCOMPARE(next.kind, EventKind::Read);
    QCOMPARE(next.author.operatorName, QStringLiteral("Оксана"));
    QVERIFY(next.at >= first.at);
}

QTEST_MAIN(TstSiteArchive)
#include "tst_sitearchive.moc"
