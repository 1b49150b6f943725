// exchange_bench: how close a whole exchange comes to the time the bytes need on the wire.
//
// Each case runs a packet list through the real TMainCPort and QSerialPort against vexsim
// on a pseudo-terminal; vexsim paces the line at the case's baud rate (10 bit times per
// byte, each way). The floor is (request bytes + reply bytes) x 10 / baud: what the wire
// alone costs. The ratio measured / floor is the link's overhead (logging, event loop,
// terminal and process hops, the turnaround of every request).
#include "blockpackets.h"
#include "controlstartdefinition.h"
#include "controlstartmap.h"
#include "paneldefinition.h"
#include "registry.h"
#include "verification.h"
#include "comport.h"
#include "dialogs.h"
#include "editwritebench.h"
#include "frame.h"
#include "hexfile.h"
#include "linkevents.h"
#include "systempaneldefinition.h"
#include "vexctlbench.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

namespace {

constexpr int kStartWaitMs = 10000;
constexpr int kReads = 500;
constexpr int kReadSize = 16;
constexpr int kFirmwareBytes = 32 * 1024;
constexpr int kFirmwareRecordSize = 16; // as objcopy writes HEX records
const QList<int> kBaudRates = {9600, 38400, 115200};
const QList<int> kFirmwareBaudRates = {9600, 38400}; // the speeds the programmer writes at

struct Case {
    QString name;
    std::function<void(TPacketList &)> build;
    QList<int> baudRates = kBaudRates;
    QStringList simulatorOptions = {}; // besides --baud; none: vexsim's 16-zone panel
};

struct Panel {
    const char *name;
    PanelModel model;
    int variant;
};

const Panel kPanels[] = {{"4-zone v5", PanelModel::FourZone, 5},
                         {"8-zone v5", PanelModel::EightZone, 5},
                         {"16-zone v2", PanelModel::SixteenZone, 2}};

// Zero images of the model's sizes: what is written does not change the timing.
QByteArray eepromOf(const Panel &p) { return QByteArray(panelModelInfo(p.model).eepromSize, '\0'); }
QByteArray memoryOf(const Panel &p) { return QByteArray(panelModelInfo(p.model).memorySize, '\0'); }

// The write and then the reads that check it, as one exchange.
void checkedWrite(TPacketList &list, const DeviceDefinition &d, quint8 variant, const SettingsImages &sent)
{
    const TransferPlan write = d.deviceWrite(variant);
    list = planRequests(write, sent.eeprom, sent.memory).list;
    const Verification check = verificationOf(write, sent, d.deviceRead(variant, 38400));
    for (const PlanStep &step : check.reads.stages.first().steps)
        appendStep(list, TransferPlan::Direction::Read, step, {}, {});
}

QList<Case> panelCases()
{
    QList<Case> cases;
    for (const Panel &p : kPanels) {
        const QString name = QString::fromLatin1(p.name);
        cases.append({name + QStringLiteral(" device read"), [p](TPacketList &list) {
                          const auto blocks = deviceReadBlocks(p.model, p.variant, 38400);
                          appendDeviceRead(list, blocks, PanelArea::Eeprom);
                          appendDeviceRead(list, blocks, PanelArea::Memory);
                      }});
        cases.append({name + QStringLiteral(" device write"), [p](TPacketList &list) {
                          const auto blocks = deviceWriteBlocks(p.model, p.variant);
                          appendDeviceWrite(list, blocks, PanelArea::Eeprom, eepromOf(p), memoryOf(p));
                          appendDeviceWrite(list, blocks, PanelArea::Memory, eepromOf(p), memoryOf(p));
                      }});
        // The write and then the reads that check it, as one exchange.
        cases.append({name + QStringLiteral(" device write, checked"), [p](TPacketList &list) {
                          checkedWrite(list, panelDefinition(p.model), quint8(p.variant), {eepromOf(p), memoryOf(p)});
                      }});
        cases.append({name + QStringLiteral(" configurator write"), [p](TPacketList &list) {
                          appendConfiguratorWrite(list, configuratorWriteBlocks(p.model, p.variant, 1),
                                                  eepromOf(p), memoryOf(p));
                      }});
        cases.append({name + QStringLiteral(" configurator read"), [p](TPacketList &list) {
                          appendConfiguratorRead(list, configuratorReadBlocks(p.model, 1));
                      }});
    }
    return cases;
}

// The 16.64P panel's whole device read and write, as its editor plans them.
QList<Case> systemPanelCases()
{
    const DeviceDefinition panel = systemPanelDefinition();
    const QByteArray eeprom(panel.eepromSize, '\0');
    const QByteArray memory(panel.memorySize, '\0');
    const QStringList model{QStringLiteral("--model"), QStringLiteral("64p")};
    return {{QStringLiteral("16.64P v2 device read"),
             [=](TPacketList &list) { list = planRequests(panel.deviceRead(2, 38400), eeprom, memory).list; },
             kBaudRates, model},
            {QStringLiteral("16.64P v2 device write"),
             [=](TPacketList &list) { list = planRequests(panel.deviceWrite(2), eeprom, memory).list; },
             kBaudRates, model}};
}

struct Module {
    const char *name;
    Model model;
    quint8 variant;
    const char *simulator; // vexsim --model
};

const Module kModules[] = {{"GSM v1", Model::ZmuGsm, 1, "gsm"}, {"GSM.4", Model::ZmuGsm4, 1, "gsm4"}};

// Both GSM modules' transfers, planned by their definitions as the editors plan them.
QList<Case> moduleCases()
{
    QList<Case> cases;
    for (const Module &m : kModules) {
        const DeviceDefinition &d = modelInfo(m.model);
        const QByteArray eeprom(d.eepromSize, '\0');
        const QByteArray memory(d.memorySize, '\0');
        const auto planned = [=](std::function<TransferPlan()> plan) {
            return [=](TPacketList &list) { list = planRequests(plan(), eeprom, memory).list; };
        };
        const QString name = QString::fromLatin1(m.name);
        const QStringList simulator{QStringLiteral("--model"), QString::fromLatin1(m.simulator),
                                    QStringLiteral("--variant"), QString::number(m.variant)};
        cases.append({name + QStringLiteral(" device read"),
                      planned([=] { return d.deviceRead(m.variant, 38400); }), kBaudRates, simulator});
        cases.append({name + QStringLiteral(" device write"),
                      planned([=] { return d.deviceWrite(m.variant); }), kBaudRates, simulator});
        cases.append({name + QStringLiteral(" device write, checked"),
                      [=](TPacketList &list) { checkedWrite(list, d, m.variant, {eeprom, memory}); }, kBaudRates,
                      simulator});
        cases.append({name + QStringLiteral(" configurator write"),
                      planned([=] { return d.slotWrite(m.variant, 1); }), kBaudRates, simulator});
        cases.append({name + QStringLiteral(" configurator read"),
                      planned([=] { return d.slotRead(m.variant, 1); }), kBaudRates, simulator});
    }
    return cases;
}

// The control-and-start device's image with a clock to set (01.01.26 12:00:00, BCD), so that
// the write sends every request its plan has.
QByteArray controlStartImage()
{
    QByteArray image(controlstart::kMemorySize, '\0');
    image.replace(controlstart::offsetOf(controlstart::Block::Clock), controlstart::kClockSize,
                  QByteArray("\x00\x00\x12\x01\x01\x00\x26", controlstart::kClockSize));
    return image;
}

// The 2/4's whole device read and write, as its editor plans them.
QList<Case> controlStartCases()
{
    const DeviceDefinition d = controlStartDefinition();
    const QByteArray memory = controlStartImage();
    const QStringList simulator{QStringLiteral("--model"), QStringLiteral("2/4")};
    return {{QStringLiteral("2/4 device read"),
             [=](TPacketList &list) { list = planRequests(d.deviceRead(1, 38400), {}, memory).list; }, kBaudRates,
             simulator},
            {QStringLiteral("2/4 device write"),
             [=](TPacketList &list) { list = planRequests(d.deviceWrite(1), {}, memory).list; }, kBaudRates,
             simulator},
            {QStringLiteral("2/4 device write, checked"),
             [=](TPacketList &list) { checkedWrite(list, d, 1, {QByteArray(), memory}); }, kBaudRates, simulator}};
}

// 32 KiB of firmware from 0x0800 in 16-byte records, none of them erased (all 0xFF).
HexFirmware firmware()
{
    QByteArray text;
    for (int offset = 0; offset < kFirmwareBytes; offset += kFirmwareRecordSize) {
        const int address = kFirstFirmwareAddress + offset;
        QByteArray record;
        record.append(char(kFirmwareRecordSize));
        record.append(char(address >> 8));
        record.append(char(address & 0xFF));
        record.append('\0'); // data record
        for (int i = 0; i < kFirmwareRecordSize; ++i)
            record.append(char((offset + i) % 0xFF));
        quint8 sum = 0;
        for (const char byte : record)
            sum = quint8(sum + quint8(byte));
        record.append(char(-sum));
        text += ':' + record.toHex().toUpper() + '\n';
    }
    return parseHex(text + ":00000001FF\n").firmware;
}

QList<Case> firmwareCases()
{
    const HexFirmware image = firmware();
    return {{QStringLiteral("32 KiB firmware into the device"),
             [image](TPacketList &list) { list.AddFirmwareToDevice(image.lines); }, kFirmwareBaudRates},
            {QStringLiteral("32 KiB firmware into the configurator"),
             [image](TPacketList &list) {
                 list.AddFirmwareToConfigurator(30, 2, image.merged); // vexsim's 16-zone panel
             },
             kFirmwareBaudRates}};
}

// The 16-zone read and write through a USB adapter as it comes (16 ms latency timer) and in
// low-latency mode (1 ms): the timer is paid on every request.
QList<Case> adapterCases()
{
    QList<Case> cases;
    const DeviceDefinition d = panelDefinition(PanelModel::SixteenZone);
    const QByteArray eeprom(d.eepromSize, '\0');
    const QByteArray memory(d.memorySize, '\0');
    for (const int latency : {16, 1}) {
        const QStringList options{QStringLiteral("--latency"), QString::number(latency)};
        const QString adapter = QStringLiteral(" through an adapter, %1 ms").arg(latency);
        cases.append({QStringLiteral("16-zone v2 device read") + adapter,
                      [d](TPacketList &list) { list = planRequests(d.deviceRead(2, 38400), {}, {}).list; },
                      {38400, 115200}, options});
        cases.append({QStringLiteral("16-zone v2 device write") + adapter,
                      [d, eeprom, memory](TPacketList &list) { list = planRequests(d.deviceWrite(2), eeprom, memory).list; },
                      {38400, 115200}, options});
    }
    return cases;
}

QList<Case> allCases()
{
    QList<Case> cases = {{QStringLiteral("500 x (set-address + 16-byte read)"), [](TPacketList &list) {
                              for (int i = 0; i < kReads; ++i) {
                                  list.AddSetAddress(quint16(0x4000 + i * kReadSize));
                                  list.AddReadMemory(kReadSize, kReadSize, i * kReadSize);
                              }
                          }}};
    return cases + panelCases() + systemPanelCases() + moduleCases() + controlStartCases() + firmwareCases()
           + adapterCases();
}

// Bytes of the reply the device sends to `request`.
int replySize(const TPacket &request)
{
    const int requestPayload = int(request.Data.size()) - frame::kOverhead;
    if (frame::byteAt(request.Data, 1) == frame::kAddrConfigurator)
        return frame::kOverhead + (frame::byteAt(request.Data, 3) == frame::kCmdReadStore ? 64 : 0);
    switch (frame::byteAt(request.Data, 3)) {
    case frame::kCmdReadMemory: return frame::kOverhead + requestPayload;
    case frame::kCmdReadEepromByte: return frame::kOverhead + 1;
    case frame::kCmdShortRead: return frame::kOverhead + frame::byteAt(request.Data, frame::kHeaderSize + 1);
    case frame::kCmdClockRead: return frame::kOverhead + frame::kClockBytes;
    default: return frame::kOverhead;
    }
}

} // namespace

qint64 wireBytes(const TPacketList &list)
{
    qint64 bytes = 0;
    for (const TPacket &p : list.packets())
        bytes += p.Data.size() + replySize(p);
    return bytes;
}

namespace {

// The end of an exchange, for the benchmark's event loop.
class EndWatcher : public QObject
{
public:
    QEventLoop loop;
    bool failed = false;
    bool event(QEvent *e) override
    {
        if (e->type() != linkevent::EndRead && e->type() != linkevent::ErrorTransmit)
            return QObject::event(e);
        failed = e->type() == linkevent::ErrorTransmit;
        loop.quit();
        return true;
    }
};

// The log cannot fail silently in a benchmark: say so on standard error.
class StderrDialogs : public Dialogs
{
public:
    void showMessage(Kind, const QString &text, const QString &detail) override
    {
        QTextStream(stderr) << text << ' ' << detail << Qt::endl;
    }
    bool askYesNo(const QString &) override { return false; }
    bool askOkCancel(const QString &) override { return false; }
    Choice askSaveDiscardCancel(const QString &) override { return Choice::Cancel; }
    QString openFileName(const FileRequest &) override { return QString(); }
    QString saveFileName(const FileRequest &) override { return QString(); }
    QString existingDirectory(const QString &, const QString &) override { return QString(); }
    int execDialog(QObject *) override { return 0; }
};

// Milliseconds the exchange took, or -1 when it could not run or failed.
double runCase(const Case &benchCase, int baudRate)
{
    QProcess vexsim;
    vexsim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vexsim"),
                 QStringList{QStringLiteral("--baud"), QString::number(baudRate)} + benchCase.simulatorOptions);
    if (!vexsim.waitForReadyRead(kStartWaitMs))
        return -1;
    ExchangeState state;
    state.resetImages(256, kReads * kReadSize);
    TMainCPort link(state);
    PortSettings settings;
    settings.port = QString::fromLocal8Bit(vexsim.readLine()).trimmed();
    settings.baudRate = baudRate;
    link.setSettings(settings);
    if (!link.OpenPort())
        return -1;
    TPacketList list;
    benchCase.build(list);
    EndWatcher watcher;
    QElapsedTimer clock;
    clock.start();
    link.Start(&watcher, &list);
    watcher.loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    vexsim.terminate();
    vexsim.waitForFinished(kStartWaitMs);
    return watcher.failed ? -1 : ms;
}

} // namespace

// Argument: only the cases whose name contains it ("firmware", "configurator write").
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString only = app.arguments().value(1);
    StderrDialogs dialogs;
    setDialogs(&dialogs);
    QTemporaryDir logDir; // the link writes Logs/VexLoader.log under the current folder
    QDir::setCurrent(logDir.path());
    QTextStream out(stdout);
    for (const Case &benchCase : allCases()) {
        if (!benchCase.name.contains(only, Qt::CaseInsensitive))
            continue;
        TPacketList list;
        benchCase.build(list);
        const qint64 bytes = wireBytes(list);
        for (const int baud : benchCase.baudRates) {
            const double floorMs = bytes * 10 * 1000.0 / baud;
            const double measuredMs = runCase(benchCase, baud);
            out << benchCase.name
                << QStringLiteral(" @ %1 baud: %2 bytes, measured %3 ms, floor %4 ms, ratio %5")
                       .arg(baud, 6)
                       .arg(bytes)
                       .arg(measuredMs, 0, 'f', 1)
                       .arg(floorMs, 0, 'f', 1)
                       .arg(measuredMs / floorMs, 0, 'f', 3)
                << Qt::endl;
        }
    }
    benchEditWrite(out, only);
    benchVexctl(out, only);
    return 0;
}
