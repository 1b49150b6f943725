// vexsim on a real pseudo-terminal: the program prints the terminal's path, answers an
// identification sent through QSerialPort, and ends cleanly on SIGTERM.
#include "vexsimprocess.h"
#include "simtesthelpers.h"

#include <QSerialPort>
#include <QTest>

namespace {
constexpr int kWaitMs = 10000;
}

class TstSimPty : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void identifiesThroughSerialPort();
};

void TstSimPty::identifiesThroughSerialPort()
{
    QProcess vexsim;
    vexsim.start(vexsimProgram(), {"--model", "4p", "--variant", "3", "--baud", "9600"});
    QTRY_VERIFY_WITH_TIMEOUT(vexsim.canReadLine(), kWaitMs);
    const QString path = QString::fromLocal8Bit(vexsim.readLine()).trimmed();

    QSerialPort port(path);
    port.setBaudRate(9600);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.write(hexBytes("C6 01 07 07 00 00 1C"));
    QByteArray reply;
    QTRY_VERIFY_WITH_TIMEOUT((reply += port.readAll()).size() >= 7, kWaitMs);
    QCOMPARE(reply, hexBytes("C6 01 07 07 17 03 7C"));
    port.close();

    vexsim.terminate();
    QVERIFY(vexsim.waitForFinished(kWaitMs));
    QCOMPARE(vexsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vexsim.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TstSimPty)
#include "tst_simpty.moc"
