// The "Архів об'єктів" window and the "Новий прилад" dialog on an archive in a temporary
// SQLite file: finding sites, a site's devices and a device's time line, hiding and bringing
// back, the event actions as the host hears them, and a scripted "Новий прилад".
//
//   Ліцей      просп. Миру, 10   P3 0D00 "хол"
//   Склад      вул. Заводська, 1 (no devices)
//   Школа № 5  вул. Садова, 3    P1 0A1B "щит 2", P2 0C00 "підвал"
//
// P1's events, newest first: E3 read failed (no images), E2 read (memory 0C 00), E1 checked
// write (memory 0A 1B), D1 read whose memory CRC is damaged afterwards.
#include "archivefixture.h"
#include "archiveform.h"
#include "archivewindowhost.h"
#include "newdevicedialog.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace archivefixture;
using namespace archivetesting;
using Kind = EventKind;
using Outcome = EventOutcome;

namespace {

// What the window asked of its host, one line a call.
class RecordingHost : public ArchiveWindowHost
{
public:
    void openConfiguration(const SettingsExport &settings, const QString &caption) override
    {
        calls.append(QStringLiteral("open ") + caption);
        exports.append(settings);
    }
    void compareWithEditor(const SettingsExport &settings) override
    {
        calls.append(QStringLiteral("compare"));
        exports.append(settings);
    }
    void saveRecord(const EventRecord &event, const SiteRecord &site, const DeviceRecord &device) override
    {
        calls.append(QStringLiteral("record %1 %2 %3").arg(event.id).arg(site.info.name, device.info.place));
    }

    QStringList calls;
    QList<SettingsExport> exports;
};

QStringList column(const QTreeWidget *tree, int column)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text(column));
    return texts;
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A local time as the time line shows it.
const QRegularExpression kShownTime(QStringLiteral("^\\d\\d\\.\\d\\d\\.2024 \\d\\d:\\d\\d:\\d\\d$"));

} // namespace

class TstArchiveForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void searchFindsSites_data();
    void searchFindsSites();
    void deviceHistoryNewestFirst();
    void eventsFound_data();
    void eventsFound();
    void hiddenUntilAskedFor_data();
    void hiddenUntilAskedFor();
    void actionsFollowTheEvent_data();
    void actionsFollowTheEvent();
    void eventActionsAskTheHost_data();
    void eventActionsAskTheHost();
    void comparedWithMarkedEvent();
    void exportedOrRefused_data();
    void exportedOrRefused();
    void siteAddedOrRefused_data();
    void siteAddedOrRefused();
    void oneWindowAtMost();
    void newDeviceDialog_data();
    void newDeviceDialog();
    void recordEdited_data();
    void recordEdited();

private:
    template <typename T>
    T *child(const char *name) const;
    void select(const char *tree, const QString &text, int column = 0);
    void selectEvent(const QString &label);
    void trigger(const char *action);

    ArchiveFixture m_fixture;
    QHash<QString, DeviceId> m_devices;
    QHash<QString, EventId> m_events;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<TArchiveForm> m_form;
};

void TstArchiveForm::initTestCase()
{
    const SiteId school = m_fixture.site({QStringLiteral("Школа № 5"), QStringLiteral("вул. Садова, 3")});
    const SiteId lyceum = m_fixture.site({QStringLiteral("Ліцей"), QStringLiteral("просп. Миру, 10")});
    m_fixture.site({QStringLiteral("Склад"), QStringLiteral("вул. Заводська, 1")});
    m_devices.insert(QStringLiteral("P1"), m_fixture.device(school, QStringLiteral("0A1B"), QStringLiteral("щит 2")));
    m_devices.insert(QStringLiteral("P2"), m_fixture.device(school, QStringLiteral("0C00"), QStringLiteral("підвал")));
    m_devices.insert(QStringLiteral("P3"), m_fixture.device(lyceum, QStringLiteral("0D00"), QStringLiteral("хол")));
    const struct { const char *label; EventFields fields; } events[] = {
        {"D1", {"2024-02-01T10:00:00Z", Kind::Read, Outcome::Done, panelImages('\x0A', '\x1B')}},
        {"E1", {"2024-03-01T10:00:00Z", Kind::CheckedWrite, Outcome::Done, panelImages('\x0A', '\x1B')}},
        {"E2", {"2024-03-02T10:00:00Z", Kind::Read, Outcome::Done, panelImages('\x0C', '\x00')}},
        {"E3", {"2024-03-04T10:00:00Z", Kind::Read, Outcome::Failed}},
    };
    for (const auto &e : events)
        m_events.insert(QLatin1String(e.label), m_fixture.event(m_devices.value(QStringLiteral("P1")), e.fields));
    const std::unique_ptr<ArchiveConnection> raw = rawConnection(ArchiveLocation::file(m_fixture.path()));
    QCOMPARE(textOf(*raw, QStringLiteral("UPDATE events SET memory_crc = 1 WHERE id = %1").arg(m_events.value("D1"))), QString());
}

void TstArchiveForm::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_host = std::make_unique<RecordingHost>();
    m_form = std::make_unique<TArchiveForm>(m_fixture.archive(), *m_host);
    m_form->show();
}

void TstArchiveForm::cleanup()
{
    m_form.reset();
    m_host.reset();
    m_dialogs.reset();
}

template <typename T>
T *TstArchiveForm::child(const char *name) const
{
    T *found = m_form->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

// The one row whose `column` starts with `text` becomes the current one.
void TstArchiveForm::select(const char *tree, const QString &text, int column)
{
    QTreeWidget *list = child<QTreeWidget>(tree);
    const QList<QTreeWidgetItem *> items = list->findItems(text, Qt::MatchStartsWith, column);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->setCurrentItem(items.first());
}

// An event of P1 by its label, in the time line.
void TstArchiveForm::selectEvent(const QString &label)
{
    select("twSites", QStringLiteral("Школа № 5"));
    select("twDevices", QStringLiteral("0A1B"), 1);
    QTreeWidget *timeline = child<QTreeWidget>("twTimeline");
    const int row = QStringList{"E3", "E2", "E1", "D1"}.indexOf(label);
    QVERIFY(row >= 0 && row < timeline->topLevelItemCount());
    timeline->setCurrentItem(timeline->topLevelItem(row));
}

void TstArchiveForm::trigger(const char *action)
{
    QAction *found = child<QAction>(action);
    QVERIFY2(found->isEnabled(), action);
    found->trigger();
}

void TstArchiveForm::searchFindsSites_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QStringList>("sites");

    QTest::newRow("nothing given: every site") << "" << "" << "усі моделі" << false << QStringList{"Ліцей", "Склад", "Школа № 5"};
    QTest::newRow("part of a name, lower case") << "школа" << "" << "усі моделі" << true << QStringList{"Школа № 5"};
    QTest::newRow("part of a name, upper case") << "ЛІЦ" << "" << "усі моделі" << false << QStringList{"Ліцей"};
    QTest::newRow("part of an address") << "САДОВА" << "" << "усі моделі" << true << QStringList{"Школа № 5"};
    QTest::newRow("object number in lower case") << "" << "0d00" << "усі моделі" << true << QStringList{"Ліцей"};
    QTest::newRow("sites with a model") << "" << "" << "КОРВЕЛ - 16П" << false << QStringList{"Ліцей", "Школа № 5"};
    QTest::newRow("a model nobody has") << "" << "" << "ЗМУ-GSM" << true << QStringList{};
}

void TstArchiveForm::searchFindsSites()
{
    QFETCH(QString, text);
    QFETCH(QString, objectNumber);
    QFETCH(QString, model);
    QFETCH(bool, byEnter);
    QFETCH(QStringList, sites);

    child<QLineEdit>("edSiteText")->setText(text);
    child<QLineEdit>("edObjectNumber")->setText(objectNumber);
    QComboBox *models = child<QComboBox>("cbModel");
    models->setCurrentIndex(models->findText(model));
    QVERIFY(models->currentIndex() >= 0);
    if (byEnter)
        QTest::keyClick(child<QLineEdit>("edSiteText"), Qt::Key_Return);
    else
        QTest::mouseClick(child<QPushButton>("btnFind"), Qt::LeftButton);
    QCOMPARE(column(child<QTreeWidget>("twSites"), 0), sites);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstArchiveForm::deviceHistoryNewestFirst()
{
    select("twSites", QStringLiteral("Школа № 5"));
    QTreeWidget *devices = child<QTreeWidget>("twDevices");
    QCOMPARE(column(devices, 1), (QStringList{"0A1B", "0C00"}));
    QCOMPARE(column(devices, 2), (QStringList{"щит 2", "підвал"}));
    QCOMPARE(column(child<QTreeWidget>("twTimeline"), 1), QStringList());

    devices->setCurrentItem(devices->topLevelItem(0));
    QTreeWidget *timeline = child<QTreeWidget>("twTimeline");
    QCOMPARE(column(timeline, 1), (QStringList{"читання", "читання", "перевірений запис", "читання"}));
    QCOMPARE(column(timeline, 2), (QStringList{"помилка", "виконано", "виконано", "виконано"}));
    QCOMPARE(column(timeline, 3), (QStringList{"Олена", "Олена", "Олена", "Олена"}));
    QCOMPARE(column(timeline, 6).first(), QStringLiteral("—"));
    for (const QString &shown : column(timeline, 0))
        QVERIFY2(kShownTime.match(shown).hasMatch(), qPrintable(shown));
    QVERIFY(!child<QPushButton>("btnMoreTimeline")->isEnabled());

    // Another site leaves no device, no time line and no event to act on.
    timeline->setCurrentItem(timeline->topLevelItem(1));
    QVERIFY(child<QAction>("actOpenInEditor")->isEnabled());
    select("twSites", QStringLiteral("Склад"));
    QCOMPARE(devices->topLevelItemCount(), 0);
    QCOMPARE(timeline->topLevelItemCount(), 0);
    QVERIFY(!child<QAction>("actOpenInEditor")->isEnabled());
}

void TstArchiveForm::eventsFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("from"); // "" for no such condition
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("rows"); // site and place, kind, outcome
    QTest::addColumn<bool>("openable");    // the first one found can go to an editor

    const QString all = QStringLiteral("усі результати");
    QTest::newRow("no event conditions: no list") << "" << "" << "" << all << QStringList{} << false;
    QTest::newRow("failed ones") << "" << "" << "" << "помилка" << QStringList{"Школа № 5, щит 2|читання|помилка"} << false;
    QTest::newRow("two days, both ends included")
        << "" << "2024-03-01" << "2024-03-02" << all
        << QStringList{"Школа № 5, щит 2|читання|виконано", "Школа № 5, щит 2|перевірений запис|виконано"} << true;
    QTest::newRow("from a day on") << "школа" << "2024-03-03" << "" << all << QStringList{"Школа № 5, щит 2|читання|помилка"}
                                   << false;
    QTest::newRow("a site without events") << "ліцей" << "" << "" << "виконано" << QStringList{} << false;
}

void TstArchiveForm::eventsFound()
{
    QFETCH(QString, text);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, outcome);
    QFETCH(QStringList, rows);
    QFETCH(bool, openable);

    child<QLineEdit>("edSiteText")->setText(text);
    for (const auto &[day, check, edit] : {std::tuple{from, "ckFrom", "deFrom"}, std::tuple{to, "ckTo", "deTo"}}) {
        child<QCheckBox>(check)->setChecked(!day.isEmpty());
        child<QDateEdit>(edit)->setDate(QDate::fromString(day, Qt::ISODate));
    }
    QComboBox *outcomes = child<QComboBox>("cbOutcome");
    outcomes->setCurrentIndex(outcomes->findText(outcome));
    QTest::keyClick(outcomes, Qt::Key_Return);

    const bool eventConditions = !from.isEmpty() || !to.isEmpty() || outcome != QStringLiteral("усі результати");
    QCOMPARE(child<QGroupBox>("grFoundEvents")->isVisible(), eventConditions);
    QTreeWidget *found = child<QTreeWidget>("twFound");
    QStringList shown;
    for (int i = 0; i < found->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = found->topLevelItem(i);
        QCOMPARE(item->text(1), QStringLiteral("КОРВЕЛ-16П (KVL16P-2)"));
        shown.append(QStringList{item->text(0), item->text(3), item->text(4)}.join(u'|'));
    }
    QCOMPARE(shown, rows);
    found->setCurrentItem(found->topLevelItem(0));
    QCOMPARE(child<QAction>("actOpenInEditor")->isEnabled(), openable);
}

void TstArchiveForm::hiddenUntilAskedFor_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QStringList>("inService");
    QTest::addColumn<QStringList>("withHidden");

    QTest::newRow("a site") << "twSites" << "Склад" << "actToggleSite" << QStringList{"Ліцей", "Школа № 5"}
                            << QStringList{"Ліцей", "Склад (приховано)", "Школа № 5"};
    QTest::newRow("a device") << "twDevices" << "0C00" << "actToggleDevice" << QStringList{"0A1B"}
                              << QStringList{"0A1B", "0C00"};
}

void TstArchiveForm::hiddenUntilAskedFor()
{
    QFETCH(QString, list);
    QFETCH(QString, row);
    QFETCH(QString, toggle);
    QFETCH(QStringList, inService);
    QFETCH(QStringList, withHidden);

    const int shown = list == QLatin1String("twSites") ? 0 : 1; // the name, the object number
    QTreeWidget *tree = child<QTreeWidget>(qPrintable(list));
    QAction *action = child<QAction>(qPrintable(toggle));
    if (shown == 1)
        select("twSites", QStringLiteral("Школа № 5"));
    select(qPrintable(list), row, shown);
    action->trigger();
    QCOMPARE(column(tree, shown), inService);

    child<QCheckBox>("ckShowArchived")->setChecked(true);
    QCOMPARE(column(tree, shown), withHidden);
    select(qPrintable(list), row, shown);
    QVERIFY(tree->currentItem()->text(0).endsWith(QStringLiteral(" (приховано)")));
    QVERIFY(action->text().startsWith(QStringLiteral("Повернути")));

    // Brought back, it stays in the list when hidden ones are no longer shown.
    action->trigger();
    QVERIFY(action->text().startsWith(QStringLiteral("Приховати")));
    child<QCheckBox>("ckShowArchived")->setChecked(false);
    QVERIFY(column(tree, shown).contains(row));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstArchiveForm::actionsFollowTheEvent_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QStringList>("enabled");

    const QStringList configuration{"actOpenInEditor", "actCompareWithEditor", "actMarkForComparison", "actExportVau"};
    QTest::newRow("checked write") << "E1" << configuration + QStringList{"actSaveRecord"};
    QTest::newRow("read") << "E2" << configuration;
    QTest::newRow("failed read without images") << "E3" << QStringList{};
    QTest::newRow("damaged: still offered, refused with the reason") << "D1" << configuration;
}

void TstArchiveForm::actionsFollowTheEvent()
{
    QFETCH(QString, event);
    QFETCH(QStringList, enabled);

    selectEvent(event);
    QStringList found;
    for (const QAction *action : child<QTreeWidget>("twTimeline")->actions()) {
        if (action->isEnabled())
            found.append(action->objectName());
    }
    QCOMPARE(found, enabled);
}

void TstArchiveForm::eventActionsAskTheHost_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("call"); // "{time}": the event's time as shown
    QTest::addColumn<QByteArray>("memoryStart");

    QTest::newRow("open in the editor") << "E1" << "actOpenInEditor"
                                        << "open Школа № 5, щит 2 — перевірений запис {time}" << QByteArray("\x0A\x1B", 2);
    QTest::newRow("compare with the editor") << "E2" << "actCompareWithEditor" << "compare" << QByteArray("\x0C\x00", 2);
    QTest::newRow("save the record") << "E1" << "actSaveRecord" << "record {id} Школа № 5 щит 2" << QByteArray();
}

void TstArchiveForm::eventActionsAskTheHost()
{
    QFETCH(QString, event);
    QFETCH(QString, action);
    QFETCH(QString, call);
    QFETCH(QByteArray, memoryStart);

    selectEvent(event);
    trigger(qPrintable(action));
    const QString time = child<QTreeWidget>("twTimeline")->currentItem()->text(0);
    QCOMPARE(m_host->calls, QStringList{QString(call).replace(QStringLiteral("{time}"), time)
                                            .replace(QStringLiteral("{id}"), QString::number(m_events.value(event)))});
    if (memoryStart.isEmpty())
        return;
    const SettingsImages images = panelImages(memoryStart.at(0), memoryStart.at(1));
    QCOMPARE(m_host->exports.size(), 1);
    const SettingsExport &settings = m_host->exports.first();
    QCOMPARE(settings.typeCode, kSixteenZone);
    QCOMPARE(settings.variant, quint8(2));
    QCOMPARE(settings.eeprom, images.eeprom);
    QCOMPARE(settings.memory, images.memory);
}

void TstArchiveForm::comparedWithMarkedEvent()
{
    selectEvent(QStringLiteral("E1"));
    QVERIFY(!child<QAction>("actCompareWithMarked")->isEnabled());
    trigger("actMarkForComparison");
    QVERIFY(child<QLabel>("lbNote")->text().contains(QStringLiteral("перевірений запис")));
    QVERIFY(!child<QAction>("actCompareWithMarked")->isEnabled()); // not with itself

    selectEvent(QStringLiteral("E2"));
    trigger("actCompareWithMarked");
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().kind, Dialogs::Kind::Information);
    const QStringList lines = m_dialogs->lastText().split(u'\r');
    QCOMPARE(lines.mid(1), (QStringList{"Коди доступу", "  об'єктові номера приладу №1: 0A1B → 0C00"}));
    QVERIFY2(lines.first().startsWith(QStringLiteral("перевірений запис ")) && lines.first().contains(QStringLiteral(" → читання ")),
             qPrintable(lines.first()));
    QVERIFY(m_host->calls.isEmpty());
}

void TstArchiveForm::exportedOrRefused_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("refusal"); // empty: written; "{id}" the event's number

    QTest::newRow("written") << "E1" << "";
    QTest::newRow("damaged: refused") << "D1" << "Архів пошкоджено: подія {id}: контрольна сума образу пам’яті не збігається";
}

void TstArchiveForm::exportedOrRefused()
{
    QFETCH(QString, event);
    QFETCH(QString, refusal);

    const QString path = m_fixture.filePath(event + QStringLiteral(".vau"));
    m_dialogs->fileName = path;
    selectEvent(event);
    trigger("actExportVau");
    QCOMPARE(m_dialogs->fileRequests.size(), 1);
    QCOMPARE(m_dialogs->fileRequests.first().defaultSuffix, QStringLiteral("vau"));
    if (refusal.isEmpty()) {
        const SettingsImages images = panelImages('\x0A', '\x1B');
        QCOMPARE(fileContents(path), QByteArray("\x1E\x02", 2) + images.eeprom + images.memory);
        QVERIFY(child<QLabel>("lbNote")->text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(m_dialogs->messages.isEmpty());
        return;
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().text, QStringLiteral("Налаштування не експортовано."));
    QCOMPARE(m_dialogs->messages.first().detail,
             QString(refusal).replace(QStringLiteral("{id}"), QString::number(m_events.value(event))));
}

void TstArchiveForm::siteAddedOrRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("sites");
    QTest::addColumn<QString>("error");

    QTest::newRow("added and current, whatever was searched")
        << "Гімназія" << QStringList{"Гімназія", "Ліцей", "Склад", "Школа № 5"} << "";
    QTest::newRow("no name: the archive's reason") << "  " << QStringList{"Школа № 5"} << "Не вказано назву об’єкта";
}

void TstArchiveForm::siteAddedOrRefused()
{
    QFETCH(QString, name);
    QFETCH(QStringList, sites);
    QFETCH(QString, error);

    child<QLineEdit>("edSiteText")->setText(QStringLiteral("школа"));
    m_form->search();
    m_dialogs->dialogHandler = [&](QObject *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("edSiteName"))->setText(name);
        dialog->findChild<QLineEdit *>(QStringLiteral("edSiteAddress"))->setText(QStringLiteral("вул. Шкільна, 7"));
        return int(QDialog::Accepted);
    };
    trigger("actAddSite");
    QTreeWidget *list = child<QTreeWidget>("twSites");
    QCOMPARE(column(list, 0), sites);
    QCOMPARE(m_dialogs->texts(Dialogs::Kind::Error), error.isEmpty() ? QStringList() : QStringList{error});
    if (error.isEmpty()) {
        QCOMPARE(list->currentItem()->text(1), QStringLiteral("вул. Шкільна, 7"));
        QVERIFY(child<QLineEdit>("edSiteText")->text().isEmpty());
    }
}

void TstArchiveForm::oneWindowAtMost()
{
    QMdiArea area;
    TArchiveForm *first = showArchive(area, m_fixture.archive(), *m_host);
    QCOMPARE(first->windowTitle(), QStringLiteral("Архів об'єктів"));
    QCOMPARE(first->objectName(), QStringLiteral("ArchiveForm"));
    area.subWindowList().first()->showMinimized();
    QCOMPARE(showArchive(area, m_fixture.archive(), *m_host), first);
    QCOMPARE(area.subWindowList().size(), 1);
    QVERIFY(!area.subWindowList().first()->isMinimized());
}

enum class Script { CreateSite, ChooseSite, ChooseMatch, Cancel };
Q_DECLARE_METATYPE(Script)

void TstArchiveForm::newDeviceDialog_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<QStringList>("matches"); // devices known by that number
    QTest::addColumn<QString>("chosen");      // "site <name> <place>", "device <label>" or "none"

    QTest::newRow("new site created in the dialog") << Script::CreateSite << "0E00" << QStringList{}
                                                    << "site Гімназія № 2, вул. Лісова, 4, Петро: щит 1";
    QTest::newRow("a site found by part of its address") << Script::ChooseSite << "0E00" << QStringList{}
                                                         << "site Ліцей, просп. Миру, 10, : кабінет 12";
    QTest::newRow("one of the devices that match") << Script::ChooseMatch << "0A1B" << QStringList{"P1", "P2"} << "device P2";
    QTest::newRow("cancelled") << Script::Cancel << "0E00" << QStringList{} << "none";
}

void TstArchiveForm::newDeviceDialog()
{
    QFETCH(Script, script);
    QFETCH(QString, objectNumber);
    QFETCH(QStringList, matches);
    QFETCH(QString, chosen);

    NewDeviceRequest request{kSixteenZone, 2, objectNumber};
    for (const QString &label : matches)
        request.matches.append(m_fixture.archive().device(m_devices.value(label)).value);
    QStringList shown;
    m_dialogs->dialogHandler = [&](QObject *object) {
        const auto text = [object](const char *name) { return object->findChild<QLabel *>(QLatin1String(name))->text(); };
        const auto edit = [object](const char *name) { return object->findChild<QLineEdit *>(QLatin1String(name)); };
        const auto tree = [object](const char *name) { return object->findChild<QTreeWidget *>(QLatin1String(name)); };
        shown = {object->property("windowTitle").toString(), text("lbModel"), text("lbVariant"), text("lbObjectNumber")};
        switch (script) {
        case Script::CreateSite:
            edit("edSiteName")->setText(QStringLiteral("Гімназія № 2"));
            edit("edSiteAddress")->setText(QStringLiteral("вул. Лісова, 4"));
            edit("edSiteContact")->setText(QStringLiteral("Петро"));
            object->findChild<QPushButton *>(QStringLiteral("btnCreateSite"))->click();
            edit("edPlace")->setText(QStringLiteral("щит 1"));
            break;
        case Script::ChooseSite:
            edit("edSiteSearch")->setText(QStringLiteral("миру"));
            tree("twSites")->setCurrentItem(tree("twSites")->topLevelItem(0));
            edit("edPlace")->setText(QStringLiteral("кабінет 12"));
            break;
        case Script::ChooseMatch:
            tree("twMatches")->setCurrentItem(tree("twMatches")->topLevelItem(1));
            break;
        case Script::Cancel:
            return int(QDialog::Rejected);
        }
        return object->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled() ? int(QDialog::Accepted) : -1;
    };
    const std::optional<DeviceChoice> choice = NewDeviceDialog::choose(m_fixture.archive(), request);
    QCOMPARE(shown, (QStringList{"Новий прилад", "КОРВЕЛ-16П (KVL16P-2)", "2", objectNumber}));

    QString got = QStringLiteral("none");
    if (choice && std::holds_alternative<DeviceId>(*choice)) {
        got = QStringLiteral("device ") + m_devices.key(std::get<DeviceId>(*choice));
    } else if (choice) {
        const NewDevicePlace &place = std::get<NewDevicePlace>(*choice);
        const SiteInfo site = m_fixture.archive().site(place.site).value.info;
        got = QStringLiteral("site %1, %2, %3: %4").arg(site.name, site.address, site.contact, place.place);
    }
    QCOMPARE(got, chosen);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TstArchiveForm::recordEdited_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("before"); // what the dialog offers, field by field
    QTest::addColumn<QStringList>("after");  // typed over it
    QTest::addColumn<QStringList>("row");    // the list's row afterwards

    QTest::newRow("a site") << "actEditSite" << QStringList{"Ліцей", "просп. Миру, 10", "", ""}
                            << QStringList{"Ліцей № 1", "просп. Миру, 12", "Ірина", "ключ у вахтера"}
                            << QStringList{"Ліцей № 1", "просп. Миру, 12", "Ірина"};
    QTest::newRow("a device") << "actEditDevice" << QStringList{"хол", ""} << QStringList{"хол, біля входу", "замінено 2024"}
                              << QStringList{"КОРВЕЛ-16П (KVL16P-2)", "0D00", "хол, біля входу", "замінено 2024"};
}

void TstArchiveForm::recordEdited()
{
    QFETCH(QString, action);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, row);

    select("twSites", QStringLiteral("Ліцей"));
    select("twDevices", QStringLiteral("0D00"), 1);
    QStringList offered;
    m_dialogs->dialogHandler = [&](QObject *dialog) {
        const QList<QWidget *> edits = dialog->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^ed")));
        for (qsizetype i = 0; i < edits.size(); ++i) {
            offered.append(edits.at(i)->property(edits.at(i)->inherits("QLineEdit") ? "text" : "plainText").toString());
            edits.at(i)->setProperty(edits.at(i)->inherits("QLineEdit") ? "text" : "plainText", after.value(i));
        }
        return int(QDialog::Accepted);
    };
    trigger(qPrintable(action));
    QCOMPARE(offered, before);
    QTreeWidget *list = child<QTreeWidget>(action == QLatin1String("actEditSite") ? "twSites" : "twDevices");
    QStringList shown;
    for (int c = 0; c < row.size(); ++c)
        shown.append(list->currentItem()->text(c));
    QCOMPARE(shown, row);
}

QTEST_MAIN(TstArchiveForm)
#include "tst_archiveform.moc"
