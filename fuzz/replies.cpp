// The link's reply framing and sequencer, fed arbitrary reply bytes through an in-memory
// port while it runs a packet list made from the input. Whatever arrives: the images keep
// their sizes; every frame sent is a request of the list; the exchange ends at most once,
// with a failure exactly when it reports one; and once the line falls silent, five missed
// replies end it.
#include "comport.h"
#include "frame.h"
#include "fuzzcheck.h"
#include "linkevents.h"
#include "modelsizes.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

// A port whose far end is the fuzz input: bytes pushed into it are announced at once.
class InMemoryPort : public QIODevice
{
public:
    QList<QByteArray> written;

    void push(const QByteArray &bytes)
    {
        m_incoming += bytes;
        Q_EMIT readyRead();
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_incoming.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, m_incoming.size());
        std::copy_n(m_incoming.constData(), n, data);
        m_incoming.remove(0, n);
        return n;
    }
    qint64 writeData(const char *data, qint64 size) override
    {
        written.append(QByteArray(data, size));
        return size;
    }

private:
    QByteArray m_incoming;
};

class Window : public QObject
{
public:
    int ends = 0;
    int failures = 0;

protected:
    void customEvent(QEvent *event) override
    {
        ends += event->type() == linkevent::EndRead;
        failures += event->type() == linkevent::ErrorTransmit;
    }
};

// Requests of every reply kind, with image indexes a little beyond the images too.
TPacketList packetList(FuzzInput &input, const ModelLayout &layout)
{
    TPacketList list;
    const int requests = 1 + input.byte() % 8;
    const auto index = [&input](int imageSize) { return int(input.byte() % (imageSize + 16)) - 8; };
    for (int i = 0; i < requests; ++i) {
        switch (input.byte() % 8) {
        case 0: list.AddIdentify(); break;
        case 1: list.AddSetAddress(quint16(input.byte() << 8 | input.byte())); break;
        case 2: list.AddReadEepromByte(index(layout.eepromSize)); break;
        case 3: list.AddReadMemory(1 + input.byte() % 32, 1 + input.byte() % 64, index(layout.memorySize)); break;
        case 4:
            list.AddConfiguratorRead(quint16(0x1000 + input.byte()), index(layout.memorySize),
                                     1 + input.byte() % 2, input.byte() % 65);
            break;
        case 5: list.AddWriteMemory(8, index(layout.memorySize), 1 + input.byte() % 16, QByteArray(16, '\x5A')); break;
        case 6: list.AddReadSlotHeader(configurator::slotHeaderAddress(1 + input.byte() % 4)); break;
        default: list.AddSurveySlots(); break;
        }
    }
    return list;
}

// A reply with the right start byte, length and checksum to the request on the line, so
// that the sequencer's handling is reached and not only its framing.
QByteArray wellFramedReply(const QByteArray &request, FuzzInput &input)
{
    const quint8 command = input.byte() % 4 ? frame::byteAt(request, 3) : input.byte();
    return frame::make(frame::byteAt(request, 1), command, input.bytes(input.byte() % 70));
}

void checkState(const TMainCPort &link, const Window &window, const ExchangeState &state,
                const ModelLayout &layout)
{
    QCoreApplication::sendPostedEvents();
    FUZZ_CHECK(state.EepromImage.size() == layout.eepromSize);
    FUZZ_CHECK(state.MemoryImage.size() == layout.memorySize);
    FUZZ_CHECK(window.ends + window.failures <= 1);
    FUZZ_CHECK(link.running() == (window.ends + window.failures == 0));
    FUZZ_CHECK(link.failure().has_value() == (window.failures == 1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setUpApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QuietLogFolder quiet;
    FuzzInput input(data, size);
    const ModelLayout &layout = kModelLayouts[input.byte() % std::size(kModelLayouts)];
    const TPacketList list = packetList(input, layout);
    ExchangeState state;
    state.resetImages(layout.eepromSize, layout.memorySize);

    auto port = std::make_unique<InMemoryPort>();
    InMemoryPort &line = *port;
    line.open(QIODevice::ReadWrite);
    TMainCPort link(state, std::move(port));
    link.setManualTimer(true);
    Window window;
    FUZZ_CHECK(link.Start(&window, &list));

    while (!input.atEnd() && link.running()) {
        const quint8 step = input.byte();
        if (step % 4 == 0)
            link.OnTimeout();
        else if (step % 4 == 1)
            line.push(wellFramedReply(line.written.last(), input));
        else
            line.push(input.bytes(1 + step / 4));
        checkState(link, window, state, layout);
    }
    for (int miss = 0; miss < TMainCPort::kMaxSends && link.running(); ++miss)
        link.OnTimeout();
    checkState(link, window, state, layout);
    FUZZ_CHECK(!link.running());

    for (const QByteArray &frame : line.written) {
        FUZZ_CHECK(std::any_of(list.packets().cbegin(), list.packets().cend(),
                               [&frame](const TPacket &p) { return p.Data == frame; }));
    }
    return 0;
}
