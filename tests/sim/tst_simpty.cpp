// vexsim on a real pseudo-terminal, talked to through QSerialPort: it prints the terminal's
// path, answers, loads a settings file at start, saves the device on SIGTERM and exits 0.
#include "vexsimprocess.h"
#include "simtesthelpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kEepromSize = 28;  // 16-zone panel settings file: type, variant, 28 + 512 bytes
constexpr int kMemorySize = 512;

// A 16-zone panel file of variant 3 whose memory image byte i is i * 7 (mod 256).
QByteArray patternFile()
{
    QByteArray file = hexBytes("1E 03") + QByteArray(kEepromSize, '\x11');
    for (int i = 0; i < kMemorySize; ++i)
        file.append(char(i * 7));
    return file;
}

struct Vexsim {
    QProcess process;
    QSerialPort port;

    bool start(const QStringList &arguments)
    {
        process.start(vexsimProgram(), arguments);
        if (!process.waitForStarted(kWaitMs))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!process.canReadLine() && clock.elapsed() < kWaitMs)
            process.waitForReadyRead(kWaitMs);
        port.setPortName(QString::fromLocal8Bit(process.readLine()).trimmed());
        port.setBaudRate(9600);
        return port.open(QIODevice::ReadWrite);
    }

    QByteArray exchange(const QString &request, int replySize)
    {
        port.write(hexBytes(request));
        QByteArray reply;
        QElapsedTimer clock;
        clock.start();
        while (reply.size() < replySize && clock.elapsed() < kWaitMs) {
            port.waitForReadyRead(100);
            reply += port.readAll();
        }
        return reply;
    }

    bool stop()
    {
        port.close();
        process.terminate();
        return process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }
};

} // namespace

class TstSimPty : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void identifiesThroughSerialPort_data();
    void identifiesThroughSerialPort();
    void settingsFileLoadedAndSavedOnSigterm();
    void systemPanelFileLoadedAndSaved();
    void controlStartDeviceServesCodeBlockAndClock();
};

void TstSimPty::identifiesThroughSerialPort_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reply");
    QTest::newRow("4-zone-variant-3") << QStringList{"--model", "4p", "--variant", "3", "--baud", "9600"}
                                      << "C6 01 07 07 17 03 7C";
    QTest::newRow("gsm-version-4") << QStringList{"--model", "gsm", "--variant", "4"} << "C6 01 07 07 1A 04 76";
    QTest::newRow("gsm4-version-2") << QStringList{"--model", "gsm4", "--variant", "2"} << "C6 01 07 07 31 02 49";
}

void TstSimPty::identifiesThroughSerialPort()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reply);
    Vexsim vexsim;
    QVERIFY(vexsim.start(arguments));
    QCOMPARE(vexsim.exchange("C6 01 07 07 00 00 1C", 7), hexBytes(reply));
    QVERIFY(vexsim.stop());
}

void TstSimPty::settingsFileLoadedAndSavedOnSigterm()
{
    QTemporaryDir dir;
    QFile in(dir.filePath("in.vau"));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(patternFile()) == patternFile().size());
    in.close();
    const QString saved = dir.filePath("out.vau");

    Vexsim vexsim;
    QVERIFY(vexsim.start({"--load", in.fileName(), "--save", saved}));
    QCOMPARE(vexsim.exchange("C6 01 07 07 00 00 1C", 7), hexBytes("C6 01 07 07 1E 03 CE"));
    QCOMPARE(vexsim.exchange("C6 01 07 01 80 48 66", 5), hexBytes("C6 01 05 01 3A"));
    // Section 18 (device 0x4880) is memory image bytes 30 and 31.
    QCOMPARE(vexsim.exchange("C6 01 07 06 00 00 B7", 7), hexBytes("C6 01 07 06 D2 D9 B5"));
    QVERIFY(vexsim.stop());

    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QByteArray expected = patternFile();
    // Memory image bytes 25 to 29 and 434 to 511 have no place in the panel: saved as 0.
    const int memoryStart = 2 + kEepromSize;
    expected.replace(memoryStart + 25, 5, QByteArray(5, '\0'));
    expected.replace(memoryStart + 434, 78, QByteArray(78, '\0'));
    QCOMPARE(out.readAll(), expected);
}

// The 16.64P panel: 29 + 664 bytes; memory bytes 25 to 29 and 662 to 663 have no place in the
// panel and come back as 0.
void TstSimPty::systemPanelFileLoadedAndSaved()
{
    constexpr int kPanelEeprom = 29;
    constexpr int kPanelMemory = 664;
    QByteArray file = hexBytes("1F 02");
    for (int i = 0; i < kPanelEeprom + kPanelMemory; ++i)
        file.append(char(i * 7 + 1));
    QTemporaryDir dir;
    QFile in(dir.filePath("in64.vau"));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file) == file.size());
    in.close();
    const QString saved = dir.filePath("out64.vau");

    Vexsim vexsim;
    QVERIFY(vexsim.start({"--model", "64p", "--load", in.fileName(), "--save", saved}));
    QVERIFY(vexsim.stop());

    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const int memoryStart = 2 + kPanelEeprom;
    file.replace(memoryStart + 25, 5, QByteArray(5, '\0'));
    file.replace(memoryStart + 662, 2, QByteArray(2, '\0'));
    QCOMPARE(out.readAll(), file);
}

// A 2/4 settings file (type 55, variant 1, no EEPROM, 203 memory bytes) with the code block
// 00 12 34 01 23 45 at image byte 190 and the clock 07.03.26 14:30:25 at 196.
void TstSimPty::controlStartDeviceServesCodeBlockAndClock()
{
    QTemporaryDir dir;
    QByteArray file = hexBytes("37 01") + QByteArray(203, '\0');
    file.replace(2 + 190, 13, hexBytes("00 12 34 01 23 45 25 30 14 07 03 00 26"));
    QFile in(dir.filePath("in.vau"));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file) == file.size());
    in.close();

    Vexsim vexsim;
    QVERIFY(vexsim.start({"--model", "2/4", "--load", in.fileName()}));
    QCOMPARE(vexsim.exchange("C6 01 07 07 00 00 1C", 7), hexBytes("C6 01 07 07 37 01 01"));
    QCOMPARE(vexsim.exchange("C6 01 07 0A C1 06 A1", 11), hexBytes("C6 01 0B 0A 00 12 34 01 23 45 D2"));
    const QByteArray clock = vexsim.exchange("C6 01 07 0B 01 01 3D", 12);
    QCOMPARE(clock.size(), 12);
    QCOMPARE(clock.mid(6, 5), hexBytes("14 07 03 00 26")); // ticking from 14:30:25
    QVERIFY(vexsim.stop());
}

QTEST_GUILESS_MAIN(TstSimPty)
#include "tst_simpty.moc"
