// What the archive window shows and does, without the window: the words for kinds,
// outcomes and models, time-line rows, pages of events, the days of a search, the difference of two
// events, their settings files and the commissioning record of a checked write, on an archive in
// a temporary SQLite file. Times are shown
// in Kyiv time (UTC+2 in winter, UTC+3 from the last Sunday of March).
#include "archivefixture.h"
#include "archivetexts.h"
#include "commissioningrecord.h"
#include "eventactions.h"
#include "eventpages.h"
#include "searchform.h"

#include <QDir>
#include <QFile>

using namespace archivefixture;
using namespace archivetesting;
using Kind = EventKind;
using Outcome = EventOutcome;

namespace {

const QTimeZone kKyiv(QByteArrayLiteral("Europe/Kyiv"));

// `text` with "{id}" standing for the number of `event` and "{path}" for `path`.
QString filledIn(QString text, EventId event, const QString &path = QString())
{
    return text.replace(QStringLiteral("{id}"), QString::number(event))
        .replace(QStringLiteral("{path}"), QDir::toNativeSeparators(path));
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(EventKind)
Q_DECLARE_METATYPE(EventOutcome)
Q_DECLARE_METATYPE(std::optional<EventOutcome>)
Q_DECLARE_METATYPE(std::optional<QDate>)

class TstArchiveView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void words_data();
    void words();
    void timelineRow_data();
    void timelineRow();
    void pages_data();
    void pages();
    void searchDays_data();
    void searchDays();
    void commissioningRecordOffered_data();
    void commissioningRecordOffered();
    void commissioningRecordOfEvent_data();
    void commissioningRecordOfEvent();
    void differenceOfTwoEvents_data();
    void differenceOfTwoEvents();
    void exportFile_data();
    void exportFile();

private:
    EventRecord stored(const QString &label);

    ArchiveFixture m_fixture;
    DeviceId m_device = 0;
    QHash<QString, EventId> m_events;
};

// The device's events (E1 oldest):
//   E1  2024-03-01 10:00Z  checked write, done   memory 0A 1B
//   E2  2024-03-02 10:00Z  read, done            memory 0C 00
//   E3  2024-03-03 10:00Z  read, done            memory 0A 1B (as E1)
//   E4  2024-03-04 10:00Z  read, failed          no images
//   E5  2024-06-05 09:30Z  read, differs         EEPROM "123456789", memory the fox sentence
// and, not matched to a device: G1 a GSM.4 read, U1 a read of an unknown type 99, D1 a read
// whose memory CRC is damaged afterwards.
void TstArchiveView::initTestCase()
{
    QVERIFY(kKyiv.isValid());
    const SiteId site = m_fixture.site({QStringLiteral("Школа № 5"), QStringLiteral("вул. Садова, 3")});
    m_device = m_fixture.device(site, QStringLiteral("0A1B"), QStringLiteral("щит 2"));
    const struct { const char *label; EventFields fields; DeviceId device; } events[] = {
        {"E1", {"2024-03-01T10:00:00Z", Kind::CheckedWrite, Outcome::Done, panelImages('\x0A', '\x1B')}, m_device},
        {"E2", {"2024-03-02T10:00:00Z", Kind::Read, Outcome::Done, panelImages('\x0C', '\x00')}, m_device},
        {"E3", {"2024-03-03T10:00:00Z", Kind::Read, Outcome::Done, panelImages('\x0A', '\x1B')}, m_device},
        {"E4", {"2024-03-04T10:00:00Z", Kind::Read, Outcome::Failed}, m_device},
        {"E5", {"2024-06-05T09:30:00Z", Kind::Read, Outcome::Differs, {kCheckDigits, kFox}}, m_device},
        {"G1", {"2024-03-05T10:00:00Z", Kind::Read, Outcome::Done, {QByteArray(54, '\0'), QByteArray(132, '\0')}, kGsm4, 1}, 0},
        {"U1", {"2024-03-06T10:00:00Z", Kind::Read, Outcome::Done, {QByteArray(), "abc"}, 99, 1}, 0},
        {"D1", {"2024-03-07T10:00:00Z", Kind::Read, Outcome::Done, panelImages('\x0A', '\x1B')}, 0},
    };
    for (const auto &e : events)
        m_events.insert(QLatin1String(e.label), m_fixture.event(e.device, e.fields));
    const std::unique_ptr<ArchiveConnection> raw = rawConnection(ArchiveLocation::file(m_fixture.path()));
    QCOMPARE(textOf(*raw, QStringLiteral("UPDATE events SET memory_crc = 1 WHERE id = %1").arg(m_events.value("D1"))),
             QString());
}

EventRecord TstArchiveView::stored(const QString &label)
{
    return m_fixture.archive().event(m_events.value(label)).value;
}

void TstArchiveView::words_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");

    QTest::newRow("read") << eventKindText(Kind::Read) << "читання";
    QTest::newRow("write") << eventKindText(Kind::Write) << "запис";
    QTest::newRow("checked write") << eventKindText(Kind::CheckedWrite) << "перевірений запис";
    QTest::newRow("compare") << eventKindText(Kind::Compare) << "порівняння";
    QTest::newRow("firmware") << eventKindText(Kind::FirmwareFlash) << "прошивка";
    QTest::newRow("slot read") << eventKindText(Kind::SlotRead) << "читання слоту";
    QTest::newRow("slot write") << eventKindText(Kind::SlotWrite) << "запис слоту";
    QTest::newRow("file saved") << eventKindText(Kind::FileSaved) << "файл збережено";
    QTest::newRow("file opened") << eventKindText(Kind::FileOpened) << "файл відкрито";
    QTest::newRow("done") << outcomeText(Outcome::Done) << "виконано";
    QTest::newRow("differs") << outcomeText(Outcome::Differs) << "з відмінностями";
    QTest::newRow("failed") << outcomeText(Outcome::Failed) << "помилка";
    QTest::newRow("cancelled") << outcomeText(Outcome::Cancelled) << "скасовано";
    QTest::newRow("model and variant") << deviceTitle(kSixteenZone, 2) << "КОРВЕЛ-16П (KVL16P-2)";
    QTest::newRow("a variant without a title of its own") << deviceTitle(kGsm4, 7) << "ЗМУ-GSM.4";
    QTest::newRow("a model the program does not know") << deviceTitle(99, 1) << "невідомий прилад (тип 99)";
}

void TstArchiveView::words()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void TstArchiveView::timelineRow_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("summer time, CRC of both images")
        << "E5"
        << QStringList{"05.06.2024 12:30:00", "читання", "з відмінностями", "Олена", "pc-1", "/dev/ttyUSB0", "CBF43926", "414FA339"};
    QTest::newRow("winter time, no images")
        << "E4" << QStringList{"04.03.2024 12:00:00", "читання", "помилка", "Олена", "pc-1", "/dev/ttyUSB0", "—", "—"};
}

void TstArchiveView::timelineRow()
{
    QFETCH(QString, event);
    QFETCH(QStringList, cells);
    QCOMPARE(timelineCells(stored(event), kKyiv), cells);
    QCOMPARE(timelineHeaders().size(), cells.size());
}

void TstArchiveView::pages_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<QList<QStringList>>("expected"); // each page, newest first

    QTest::newRow("pages of two, the last short") << 2 << QList<QStringList>{{"E5", "E4"}, {"E3", "E2"}, {"E1"}};
    QTest::newRow("the last page full: no more after it") << 5 << QList<QStringList>{{"E5", "E4", "E3", "E2", "E1"}};
    QTest::newRow("one page holds all") << 50 << QList<QStringList>{{"E5", "E4", "E3", "E2", "E1"}};
}

void TstArchiveView::pages()
{
    QFETCH(int, pageSize);
    QFETCH(QList<QStringList>, expected);

    EventPages pages = EventPages::history(m_fixture.archive(), m_device, pageSize);
    for (int p = 0; p < expected.size(); ++p) {
        QVERIFY(pages.hasMore());
        const ArchiveResult<QList<EventRecord>> page = pages.next();
        ARCHIVE_VERIFY(page);
        QStringList labels;
        for (const EventRecord &record : page.value)
            labels.append(m_events.key(record.id));
        QCOMPARE(labels, expected.at(p));
    }
    QVERIFY(!pages.hasMore());
}

void TstArchiveView::searchDays_data()
{
    QTest::addColumn<std::optional<QDate>>("from");
    QTest::addColumn<std::optional<QDate>>("to");
    QTest::addColumn<std::optional<EventOutcome>>("outcome");
    QTest::addColumn<bool>("eventConditions");
    QTest::addColumn<QDateTime>("utcFrom");
    QTest::addColumn<QDateTime>("utcTo");

    const std::optional<QDate> none;
    const std::optional<EventOutcome> any;
    QTest::newRow("no dates, no outcome: sites only") << none << none << any << false << QDateTime() << QDateTime();
    QTest::newRow("one winter day") << std::optional(QDate(2024, 3, 1)) << std::optional(QDate(2024, 3, 1)) << any << true
                                    << utc("2024-02-29T22:00:00Z") << utc("2024-03-01T22:00:00Z");
    QTest::newRow("the day clocks go forward") << std::optional(QDate(2024, 3, 31)) << std::optional(QDate(2024, 3, 31)) << any
                                               << true << utc("2024-03-30T22:00:00Z") << utc("2024-03-31T21:00:00Z");
    QTest::newRow("from a day on") << std::optional(QDate(2024, 6, 5)) << none << any << true << utc("2024-06-04T21:00:00Z")
                                   << QDateTime();
    QTest::newRow("outcome alone") << none << none << std::optional(Outcome::Failed) << true << QDateTime() << QDateTime();
}

void TstArchiveView::searchDays()
{
    QFETCH(std::optional<QDate>, from);
    QFETCH(std::optional<QDate>, to);
    QFETCH(std::optional<EventOutcome>, outcome);
    QFETCH(bool, eventConditions);
    QFETCH(QDateTime, utcFrom);
    QFETCH(QDateTime, utcTo);

    const SearchForm form{QStringLiteral("садова"), QStringLiteral("0a1b"), kSixteenZone, from, to, outcome, true};
    QCOMPARE(hasEventConditions(form), eventConditions);
    const EventQuery query = eventQuery(form, kKyiv);
    QCOMPARE(query.from, utcFrom);
    QCOMPARE(query.to, utcTo);
    QCOMPARE(query.outcome, outcome);
    QCOMPARE(query.siteText, form.siteText);
    QCOMPARE(query.objectNumber, form.objectNumber);
    QCOMPARE(query.typeCode, form.typeCode);
    QCOMPARE(siteQuery(form).includeArchived, true);
}

void TstArchiveView::commissioningRecordOffered_data()
{
    QTest::addColumn<EventKind>("kind");
    QTest::addColumn<EventOutcome>("outcome");
    QTest::addColumn<bool>("offered");

    QTest::newRow("checked write, done") << Kind::CheckedWrite << Outcome::Done << true;
    QTest::newRow("checked write, differs") << Kind::CheckedWrite << Outcome::Differs << true;
    QTest::newRow("checked write, failed") << Kind::CheckedWrite << Outcome::Failed << false;
    QTest::newRow("checked write, cancelled") << Kind::CheckedWrite << Outcome::Cancelled << false;
    QTest::newRow("write not read back") << Kind::Write << Outcome::Done << false;
    QTest::newRow("slot write") << Kind::SlotWrite << Outcome::Done << false;
}

void TstArchiveView::commissioningRecordOffered()
{
    QFETCH(EventKind, kind);
    QFETCH(EventOutcome, outcome);
    QFETCH(bool, offered);

    EventRecord record;
    record.event.kind = kind;
    record.event.outcome = outcome;
    QCOMPARE(hasCommissioningRecord(record), offered);
}

// A checked write of a 16-zone panel, variant 2, by "Олена" on /dev/ttyUSB0, whose EEPROM
// image is "123456789" and memory image the fox sentence: its first object number is memory
// bytes 0 and 1, "Th" (54 68).
void TstArchiveView::commissioningRecordOfEvent_data()
{
    QTest::addColumn<QStringList>("site");        // name and address; empty: no site
    QTest::addColumn<QStringList>("kept");        // differences as kept, "group|name|first|second"
    QTest::addColumn<QStringList>("differences"); // the record's, alike
    QTest::addColumn<QStringList>("others");      // the record's mismatched constants

    QTest::newRow("on a site, as written") << QStringList{"Школа № 5", "вул. Садова, 3"} << QStringList{}
                                           << QStringList{} << QStringList{};
    QTest::newRow("a field and a constant read back otherwise")
        << QStringList{"Школа № 5", "вул. Садова, 3"}
        << QStringList{"Коди доступу|код доступу до другого рівня|1234|9876", "|EEPROM 0x00FE–0x00FF||"}
        << QStringList{"Коди доступу|код доступу до другого рівня|1234|9876"} << QStringList{"EEPROM 0x00FE–0x00FF"};
    QTest::newRow("on no site") << QStringList{"", ""} << QStringList{} << QStringList{} << QStringList{};
}

void TstArchiveView::commissioningRecordOfEvent()
{
    QFETCH(QStringList, site);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, differences);
    QFETCH(QStringList, others);

    EventRecord record;
    ArchiveEvent &event = record.event;
    event = {{}, 0, Kind::CheckedWrite, utc("2024-03-01T10:00:00Z"), QStringLiteral("/dev/ttyUSB0"),
             {QStringLiteral("Олена"), QStringLiteral("pc-1")}, Outcome::Differs, kSixteenZone, 2, kCheckDigits, kFox};
    for (const QString &line : kept) {
        const QStringList parts = line.split(u'|');
        event.differences.append({parts[0], parts[1], parts[2], parts[3]});
    }
    EventOwner owner;
    owner.site.info = {site[0], site[1]};
    const CommissioningRecord r = commissioningRecordOf(record, owner);

    QCOMPARE((QStringList{r.title, r.target, r.port, r.site, r.address, r.objectNumber, r.operatorName}),
             (QStringList{"КОРВЕЛ-16П (KVL16P-2)", "прилад", "/dev/ttyUSB0", site[0], site[1], "5468", "Олена"}));
    QCOMPARE(r.written, utc("2024-03-01T10:00:00Z"));
    QCOMPARE(r.eepromCrc, kCheckDigitsCrc);
    QCOMPARE(r.memoryCrc, kFoxCrc);
    QVERIFY(r.hasEeprom);
    QStringList shown;
    for (const FieldDifference &d : r.differences)
        shown.append(QStringList{d.group, d.name, d.first, d.second}.join(u'|'));
    QCOMPARE(shown, differences);
    QCOMPARE(r.otherMismatches, others);
}

void TstArchiveView::differenceOfTwoEvents_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("text");     // lines joined by "\r"
    QTest::addColumn<QString>("refusing"); // the event the archive refuses
    QTest::addColumn<QString>("refusal");  // and its message

    QTest::newRow("object number changed")
        << "E1" << "E2"
        << "перевірений запис 01.03.2024 12:00:00 → читання 02.03.2024 12:00:00\rКоди доступу\r"
           "  об'єктові номера приладу №1: 0A1B → 0C00"
        << "" << "";
    QTest::newRow("the other way round") << "E2" << "E1"
                                         << "читання 02.03.2024 12:00:00 → перевірений запис 01.03.2024 12:00:00\r"
                                            "Коди доступу\r  об'єктові номера приладу №1: 0C00 → 0A1B"
                                         << "" << "";
    QTest::newRow("same settings") << "E1" << "E3" << "Налаштування не відрізняються." << "" << "";
    QTest::newRow("another model") << "E1" << "G1"
                                   << "Події стосуються різних моделей приладів: їх налаштування не порівнюються." << "" << "";
    QTest::newRow("an event without settings") << "E1" << "E4" << "" << "E4" << "Подія не містить налаштувань приладу: {id}";
    QTest::newRow("a damaged event") << "D1" << "E1" << "" << "D1"
                                     << "Архів пошкоджено: подія {id}: контрольна сума образу пам’яті не збігається";
}

void TstArchiveView::differenceOfTwoEvents()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, text);
    QFETCH(QString, refusing);
    QFETCH(QString, refusal);

    const ArchiveResult<QString> difference = differenceOfEvents(m_fixture.archive(), stored(first), stored(second), kKyiv);
    QCOMPARE(difference.value, text);
    QCOMPARE(difference.error.message, filledIn(refusal, m_events.value(refusing)));
}

void TstArchiveView::exportFile_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("header"); // type code and variant
    QTest::addColumn<QString>("refusal");

    QTest::newRow("written") << "E1" << "e1.vau" << QByteArray("\x1E\x02", 2) << "";
    QTest::newRow("over an existing file") << "E1" << "e1.vau" << QByteArray("\x1E\x02", 2) << "";
    QTest::newRow("no images: refused") << "E4" << "e4.vau" << QByteArray() << "Подія не містить налаштувань приладу: {id}";
    QTest::newRow("damaged: refused") << "D1" << "d1.vau" << QByteArray()
                                      << "Архів пошкоджено: подія {id}: контрольна сума образу пам’яті не збігається";
    QTest::newRow("unknown model: refused") << "U1" << "u1.vau" << QByteArray() << "Програма не знає приладу з кодом типу 99.";
    QTest::newRow("folder missing: refused") << "E1" << "missing/e1.vau" << QByteArray()
                                             << "Не вдалося записати файл {path}.";
}

void TstArchiveView::exportFile()
{
    QFETCH(QString, event);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, header);
    QFETCH(QString, refusal);

    const QString path = m_fixture.filePath(fileName);
    const QString reason = exportEventFile(m_fixture.archive(), m_events.value(event), path);
    QCOMPARE(reason, filledIn(refusal, m_events.value(event), path));
    if (!reason.isEmpty()) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    // Type 30, variant 2, then the 16-zone panel's images as E1 holds them.
    const SettingsImages images = panelImages('\x0A', '\x1B');
    QCOMPARE(fileContents(path), header + images.eeprom + images.memory);
}

QTEST_GUILESS_MAIN(TstArchiveView)
#include "tst_archiveview.moc"
