// The simulator's request handling, fed any bytes (and well-framed requests made from the
// input) as they would arrive on the line. Every received byte is accounted for as part of
// a request frame or as noise, in order; each reply is one frame to the request before it,
// of the length the command gives; and a store the device or the configurator acknowledged
// holds what it was sent.
#include "frame.h"
#include "fuzzcheck.h"
#include "modelsizes.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"

#include <QDateTime>

namespace {

using namespace frame;
using Kind = TraceEntry::Kind;

// Reply length of an answered request: the simulator's table of reply sizes.
int replyLength(const QByteArray &request)
{
    const quint8 command = byteAt(request, 3);
    const int payload = int(request.size()) - kOverhead;
    if (byteAt(request, 1) == kAddrConfigurator)
        return command == kCmdReadStore ? kOverhead + SimConfigurator::kReadSize : kOverhead;
    switch (command) {
    case kCmdReadEepromByte: return kOverhead + 1;
    case kCmdReadMemory: return kOverhead + payload;
    case kCmdIdentify: return kOverhead + 2;
    case kCmdShortRead: return kOverhead + byteAt(request, kHeaderSize + 1);
    case kCmdClockRead: return kOverhead + kClockBytes;
    default: return kOverhead;
    }
}

void checkFrame(const QByteArray &bytes)
{
    FUZZ_CHECK(bytes.size() >= kMinSize && bytes.size() <= kMaxSize);
    FUZZ_CHECK(byteAt(bytes, 0) == kStartByte && byteAt(bytes, 2) == bytes.size());
    FUZZ_CHECK(checksumIsGood(bytes));
}

// Stores whose place the request names: what the store then holds.
void checkStored(const QByteArray &request, const SimDevice &device, const SimConfigurator &configurator)
{
    const QByteArray payload = request.mid(kHeaderSize, request.size() - kOverhead);
    const quint8 command = byteAt(request, 3);
    if (byteAt(request, 1) == kAddrConfigurator && command == kCmdStoreData) {
        const int address = byteAt(payload, 0) | byteAt(payload, 1) << 8;
        FUZZ_CHECK(configurator.read(address, int(payload.size()) - 2) == payload.mid(2));
    } else if (byteAt(request, 1) == kAddrDevice && command == kCmdShortWrite) {
        FUZZ_CHECK(device.read(SimArea::Short, byteAt(payload, 0), int(payload.size()) - 1) == payload.mid(1));
    }
}

QByteArray wellFramedRequest(FuzzInput &input)
{
    const quint8 addressee = input.byte() % 2 ? kAddrDevice : kAddrConfigurator;
    const quint8 command = input.byte() % 16;
    return make(addressee, command, input.bytes(input.byte() % 80));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const ModelLayout &layout = kModelLayouts[input.byte() % std::size(kModelLayouts)];
    SimDevice device(layout.typeCode, input.byte());
    device.setTimeSource([] { return QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26), Qt::UTC); });
    SimConfigurator configurator;
    SimEndpoint endpoint(device, &configurator);

    QByteArray received;
    QByteArray lastRequest;
    bool replied = true;
    endpoint.setTraceObserver([&](const TraceEntry &entry) {
        switch (entry.kind) {
        case Kind::Request:
            checkFrame(entry.bytes);
            received += entry.bytes;
            lastRequest = entry.bytes;
            replied = false;
            break;
        case Kind::Noise: received += entry.bytes; break;
        case Kind::Reply:
            FUZZ_CHECK(!replied);
            replied = true;
            checkFrame(entry.bytes);
            FUZZ_CHECK(entry.bytes.left(2) == lastRequest.left(2) && byteAt(entry.bytes, 3) == byteAt(lastRequest, 3));
            FUZZ_CHECK(entry.bytes.size() == replyLength(lastRequest));
            checkStored(lastRequest, device, configurator);
            break;
        case Kind::NoReply:
            FUZZ_CHECK(!replied);
            replied = true;
            break;
        }
    });

    QByteArray sent;
    while (!input.atEnd()) {
        const quint8 step = input.byte();
        const QByteArray bytes = step % 3 == 0 ? wellFramedRequest(input) : input.bytes(1 + step / 3);
        sent += bytes;
        for (const ReplyPiece &piece : endpoint.receive(bytes))
            FUZZ_CHECK(piece.delayMs == 0);
        if (step % 7 == 0)
            endpoint.lineIdle();
    }
    endpoint.lineIdle();
    FUZZ_CHECK(received == sent);
    return 0;
}
