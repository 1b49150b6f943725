#include "simendpoint.h"

#include "frame.h"
#include "simconfigurator.h"
#include "simdevice.h"

using Kind = TraceEntry::Kind;

SimEndpoint::SimEndpoint(SimDevice &device, SimConfigurator *configurator)
    : m_device(device), m_configurator(configurator)
{
}

void SimEndpoint::setTraceObserver(std::function<void(const TraceEntry &)> observer)
{
    m_observer = std::move(observer);
}

QList<ReplyPiece> SimEndpoint::receive(const QByteArray &bytes)
{
    QList<ReplyPiece> pieces;
    for (const RequestFramer::Chunk &chunk : m_framer.feed(bytes)) {
        if (chunk.isFrame())
            pieces.append(serve(chunk.bytes));
        else
            trace(Kind::Noise, chunk.bytes, chunk.noiseReason);
    }
    return pieces;
}

void SimEndpoint::lineIdle()
{
    if (m_framer.hasPartial())
        trace(Kind::Noise, m_framer.takePartial(), QStringLiteral("incomplete frame, line idle"));
}

QList<ReplyPiece> SimEndpoint::serve(const QByteArray &request)
{
    ++m_requests;
    trace(Kind::Request, request);
    QString whyNot;
    const std::optional<QByteArray> reply = answer(request, whyNot);
    if (!reply) {
        trace(Kind::NoReply, QByteArray(), whyNot);
        return {};
    }
    const std::optional<FaultRule> fault = m_faults.take(m_requests, frame::byteAt(request, 3));
    if (!fault) {
        trace(Kind::Reply, *reply);
        return {{*reply, 0}};
    }
    if (fault->action == FaultRule::Action::FallSilent)
        m_silent = true;
    const QList<ReplyPiece> pieces = spoilReply(*fault, *reply);
    if (pieces.isEmpty())
        trace(Kind::NoReply, *reply, describeAction(*fault));
    for (const ReplyPiece &piece : pieces)
        trace(Kind::Reply, piece.bytes, describeAction(*fault));
    return pieces;
}

// The reply frame to `request`, or nothing with the reason in `whyNot`.
std::optional<QByteArray> SimEndpoint::answer(const QByteArray &request, QString &whyNot)
{
    if (m_silent) {
        whyNot = QStringLiteral("fault: silent");
        return std::nullopt;
    }
    const quint8 addressee = frame::byteAt(request, 1);
    const quint8 command = frame::byteAt(request, 3);
    const QByteArray payload =
        storedPayload(addressee, command, request.mid(frame::kHeaderSize, request.size() - frame::kOverhead));
    const bool forDevice = addressee == frame::kAddrDevice;
    if (!forDevice && !(addressee == frame::kAddrConfigurator && m_configurator)) {
        whyNot = QStringLiteral("nobody answers addressee 0x%1")
                     .arg(addressee, 2, 16, QLatin1Char('0'));
        return std::nullopt;
    }
    const std::optional<QByteArray> replyPayload = forDevice
                                                       ? m_device.answer(command, payload)
                                                       : m_configurator->answer(command, payload);
    if (!replyPayload) {
        whyNot = forDevice && command == frame::kCmdRegularMode
                     ? QStringLiteral("regular mode is never answered")
                     : QStringLiteral("unknown command, wrong size or out of range");
        return std::nullopt;
    }
    return frame::make(addressee, command, *replyPayload);
}

// The data of a write start after the short address (device 0x09) or the store address
// (configurator 0x02).
QByteArray SimEndpoint::storedPayload(quint8 addressee, quint8 command, QByteArray payload)
{
    using namespace frame;
    const bool forDevice = addressee == kAddrDevice;
    int firstDataByte = -1;
    if (forDevice && (command == kCmdWriteMemory || command == kCmdWriteEeprom))
        firstDataByte = 0;
    else if (forDevice && command == kCmdShortWrite)
        firstDataByte = 1;
    else if (!forDevice && command == kCmdStoreData)
        firstDataByte = 2;
    if (firstDataByte < 0)
        return payload;
    if (++m_writes == m_flippedWrite && firstDataByte < payload.size())
        payload[firstDataByte] = char(payload.at(firstDataByte) ^ 0x01);
    return payload;
}

void SimEndpoint::trace(Kind kind, const QByteArray &bytes, const QString &note)
{
    if (m_observer)
        m_observer({kind, bytes, note});
}
