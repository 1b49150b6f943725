// Low-latency mode of USB-to-serial drivers: asked for when a serial port opens, the old
// flags put back when it closes, a driver that refuses left alone.
#include "comport.h"
#include "lowlatency.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <pty.h>
#include <unistd.h>

using OptionalFlags = std::optional<int>;
Q_DECLARE_METATYPE(OptionalFlags)

namespace {

constexpr int kLowLatency = 0x2000; // ASYNC_LOW_LATENCY, 1 << 13 in the kernel's serial flags

// A driver whose flags start as `flags` (nothing: it answers no flag requests at all).
struct FakeDriver {
    OptionalFlags flags;
    bool acceptsWrites = true;
    QList<int> written;

    SerialFlagsAccess access()
    {
        return {[this](int) { return flags; },
                [this](int, int value) {
                    if (!acceptsWrites)
                        return false;
                    written.append(value);
                    flags = value;
                    return true;
                }};
    }
};

} // namespace

class TstLowLatency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void request_data();
    void request();
    void linkAsksOnOpenAndRestoresOnClose();
    void pseudoTerminalOpensThoughItRefuses();

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
};

void TstLowLatency::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
}

void TstLowLatency::request_data()
{
    QTest::addColumn<OptionalFlags>("driverFlags");
    QTest::addColumn<bool>("acceptsWrites");
    QTest::addColumn<OptionalFlags>("saved");
    QTest::addColumn<QList<int>>("written");
    QTest::newRow("supported-flag-added") << OptionalFlags(0x0040) << true << OptionalFlags(0x0040)
                                          << QList<int>{0x2040};
    QTest::newRow("already-low-latency") << OptionalFlags(0x2000) << true << OptionalFlags(0x2000)
                                         << QList<int>{0x2000};
    QTest::newRow("no-flags-at-all") << OptionalFlags() << true << OptionalFlags() << QList<int>{};
    QTest::newRow("flag-refused") << OptionalFlags(0) << false << OptionalFlags() << QList<int>{};
}

void TstLowLatency::request()
{
    QFETCH(OptionalFlags, driverFlags);
    QFETCH(bool, acceptsWrites);
    QFETCH(OptionalFlags, saved);
    QFETCH(QList<int>, written);
    FakeDriver driver{driverFlags, acceptsWrites, {}};
    QCOMPARE(requestLowLatency(3, driver.access()), saved);
    QCOMPARE(driver.written, written);
}

void TstLowLatency::linkAsksOnOpenAndRestoresOnClose()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
    FakeDriver driver{0x0040, true, {}};
    {
        ExchangeState state;
        TMainCPort link(state);
        PortSettings settings;
        settings.port = QString::fromLocal8Bit(name);
        link.setSettings(settings);
        link.setSerialFlagsAccess(driver.access());
        QVERIFY(link.OpenPort());
        QCOMPARE(driver.written, QList<int>{0x0040 | kLowLatency});
    }
    QCOMPARE(driver.written, (QList<int>{0x0040 | kLowLatency, 0x0040}));
    ::close(slave);
    ::close(master);
}

// A pseudo-terminal has no such flag: the port opens all the same, and the log says so once.
void TstLowLatency::pseudoTerminalOpensThoughItRefuses()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        ExchangeState state;
        TMainCPort link(state);
        PortSettings settings;
        settings.port = QString::fromLocal8Bit(name);
        link.setSettings(settings);
        QVERIFY(link.OpenPort());
    }
    QFile log(QStringLiteral("Logs/VexLoader.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()).count(QStringLiteral("без режиму малої затримки")), 1);
    ::close(slave);
    ::close(master);
}

QTEST_GUILESS_MAIN(TstLowLatency)
#include "tst_lowlatency.moc"
