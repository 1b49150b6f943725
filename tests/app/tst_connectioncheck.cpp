// "Перевірити зв'язок" of the port dialog against the in-process simulator: one
// identification with the settings given, and a sentence naming what answered, that
// nothing did, or why the port did not open.
#include "comport.h"
#include "connectioncheck.h"
#include "faultplan.h"
#include "scripteddialogs.h"
#include "scriptedtransport.h"
#include "simdevice.h"
#include "simendpoint.h"
#include "simport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kIdentifyFrame = QByteArray::fromHex("C601070700001C");

enum class Line { Answers, Silent, PortBusy };

} // namespace

Q_DECLARE_METATYPE(Line)

class TstConnectionCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void verdict_data();
    void verdict();

private:
    QTemporaryDir m_dir; // the link's log goes here
    ScriptedDialogs m_dialogs;
};

void TstConnectionCheck::initTestCase()
{
    QDir::setCurrent(m_dir.path());
}

void TstConnectionCheck::verdict_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("variant");
    QTest::addColumn<Line>("line");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("identifications"); // requests the simulator received

    QTest::newRow("16-zone panel named with its variant")
        << 30 << 3 << Line::Answers
        << "Зв'язок є: відповів прилад КОРВЕЛ-16П (KVL16P-3) (тип 30, варіант 3)." << 1;
    QTest::newRow("4-zone panel reporting 0 is its KVL4P-3")
        << 23 << 0 << Line::Answers
        << "Зв'язок є: відповів прилад КОРВЕЛ-4П (KVL4P-3) (тип 23, варіант 0)." << 1;
    QTest::newRow("GSM.4 module, second variant")
        << 49 << 2 << Line::Answers << "Зв'язок є: відповів прилад ЗМУ-С112.4 (тип 49, варіант 2)." << 1;
    QTest::newRow("16.64P panel with a variant the program does not take")
        << 31 << 3 << Line::Answers
        << "Прилад відповів: тип 31, варіант 3 Корвел-16.64П. Версія не підтримується." << 1;
    QTest::newRow("unknown device")
        << 99 << 1 << Line::Answers
        << "Прилад відповів: тип 99, варіант 1 (не визначено). Версія не підтримується." << 1;
    QTest::newRow("nothing answers")
        << 30 << 3 << Line::Silent
        << "Прилад не відповів на порту /dev/ttyUSB0: немає відповіді після 5 спроб на запит 1 з 1."
        << 5;
    QTest::newRow("port does not open")
        << 30 << 3 << Line::PortBusy << "Порт /dev/ttyUSB0 не відкрито: Device or resource busy." << 0;
}

void TstConnectionCheck::verdict()
{
    QFETCH(int, typeCode);
    QFETCH(int, variant);
    QFETCH(Line, line);
    QFETCH(QString, verdict);
    QFETCH(int, identifications);

    SimDevice device{quint8(typeCode), quint8(variant)};
    SimEndpoint endpoint(device);
    if (line == Line::Silent)
        endpoint.setFaultPlan(FaultPlan({FaultRule{FaultRule::Action::FallSilent, 0, 0,
                                                   FaultRule::Trigger::AnyRequest, 0, FaultRule::kAlways}}));
    QByteArrayList requests;
    endpoint.setTraceObserver([&requests](const TraceEntry &entry) {
        if (entry.kind == TraceEntry::Kind::Request)
            requests.append(entry.bytes);
    });
    ConnectionCheck check([&](ExchangeState &state) {
        std::unique_ptr<QIODevice> port;
        if (line == Line::PortBusy) {
            auto busy = std::make_unique<ScriptedTransport>();
            busy->failOpen = true;
            port = std::move(busy);
        } else {
            port = std::make_unique<SimPort>(endpoint);
        }
        auto link = std::make_unique<TMainCPort>(state, std::move(port));
        link->setReplyTimeout(line == Line::Silent ? 1 : 10000);
        return link;
    });
    QSignalSpy finished(&check, &ConnectionCheck::finished);

    PortSettings settings;
    settings.port = QStringLiteral("/dev/ttyUSB0");
    check.start(settings);
    QVERIFY(finished.size() == 1 || finished.wait(60000));
    QCOMPARE(finished.first().first().toString(), verdict);
    QVERIFY(!check.running());
    QCOMPARE(requests, QByteArrayList(identifications, kIdentifyFrame));
}

QTEST_GUILESS_MAIN(TstConnectionCheck)
#include "tst_connectioncheck.moc"
