#include "comport.h"

#include "frame.h"
#include "linkevents.h"
#include "log.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QSet>
#include <algorithm>

namespace {

const QString kModule = QStringLiteral("comport");
const QString kProcedure = QStringLiteral("ReadFromCom");

// Reply bytes needed before the sequencer can use a reply of `kind`.
int minimumReplySize(const TPacket &request)
{
    switch (request.Kind) {
    case kKindEeprom:
    case kKindMemory:
        return frame::kOverhead + request.Count;
    case kKindEepromByte:
        return frame::kOverhead + 1;
    case kKindIdentify:
    case kKindSlotHeader:
    case kKindSurvey:
        return frame::kOverhead + 2;
    default:
        return frame::kMinSize;
    }
}

// The data bytes a memory read asks for. A reply that carries more must not spill them over
// image bytes that an earlier read of the same exchange took. A read of two bytes is left
// whole: the firmware may answer it with its whole block.
qsizetype askedBytes(const TPacket &request, qsizetype replied)
{
    constexpr qsizetype kBlockRequest = 2;
    const QByteArray &data = request.Data;
    switch (frame::byteAt(data, 3)) {
    case frame::kCmdShortRead: return frame::byteAt(data, frame::kHeaderSize + 1);
    case frame::kCmdClockRead: return frame::kClockBytes;
    default: break;
    }
    const qsizetype asked = data.size() - frame::kOverhead;
    return asked == kBlockRequest ? replied : asked;
}

// Copies `bytes` into `image` from `dest`; bytes that would land outside the image are
// dropped, so the image keeps its size whatever the reply holds.
void storeBounded(QByteArray &image, qsizetype dest, const QByteArray &bytes)
{
    if (dest < 0 || dest >= image.size())
        return;
    const qsizetype n = std::min(bytes.size(), image.size() - dest);
    std::copy_n(bytes.constData(), n, image.data() + dest);
}

} // namespace

TMainCPort::TMainCPort(ExchangeState &state, QObject *parent)
    : TMainCPort(state, std::make_unique<QSerialPort>(), parent)
{
    m_settings.baudRate = 38400;
}

TMainCPort::TMainCPort(ExchangeState &state, std::unique_ptr<QIODevice> transport, QObject *parent)
    : QObject(parent), m_state(state), m_transport(std::move(transport))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TMainCPort::OnTimeout);
    connect(m_transport.get(), &QIODevice::readyRead, this, &TMainCPort::onReadyRead);
}

TMainCPort::~TMainCPort()
{
    m_timer.stop();
    if (m_transport)
        closeTransport();
}

void TMainCPort::closeTransport()
{
    auto *serial = qobject_cast<QSerialPort *>(m_transport.get());
    if (serial && serial->isOpen() && m_savedSerialFlags)
        restoreSerialFlags(int(serial->handle()), *std::exchange(m_savedSerialFlags, std::nullopt), m_flagsAccess);
    m_transport->close();
}

// A driver that refuses (a pseudo-terminal, a driver without the flag) is noted once per
// port in the log; the link goes on as it is.
void TMainCPort::askForLowLatency()
{
    auto *serial = qobject_cast<QSerialPort *>(m_transport.get());
    if (!serial)
        return;
    m_savedSerialFlags = requestLowLatency(int(serial->handle()), m_flagsAccess);
    static QSet<QString> noted;
    if (!m_savedSerialFlags && !noted.contains(m_settings.port)) {
        noted.insert(m_settings.port);
        WriteLog(QStringLiteral("Порт \"%1\" без режиму малої затримки: драйвер його не підтримує").arg(m_settings.port),
                 kModule, QStringLiteral("OpenPort"));
    }
}

void TMainCPort::LoadSettings()
{
    m_settings = PortSettings::load();
}

bool TMainCPort::OpenPort()
{
    if (m_transport->isOpen())
        closeTransport();
    if (auto *serial = qobject_cast<QSerialPort *>(m_transport.get()))
        m_settings.applyTo(*serial);
    // QSerialPort opens the device exclusively (it takes the lock other programs honour).
    if (m_transport->open(QIODevice::ReadWrite)) {
        m_lastError.clear();
        askForLowLatency();
        return true;
    }
    m_lastError = m_transport->errorString();
    WriteLog(QStringLiteral("Не вдалося відкрити порт \"%1\": %2").arg(m_settings.port, m_lastError),
             kModule, QStringLiteral("OpenPort"));
    return false;
}

void TMainCPort::purge()
{
    if (auto *serial = qobject_cast<QSerialPort *>(m_transport.get()))
        serial->clear(QSerialPort::AllDirections);
    else if (m_transport->isOpen())
        m_transport->readAll();
    // Bytes gathered so far can only belong to an earlier reply or to line noise; a stray
    // byte left here would make every later reply unframeable.
    m_accumulator.clear();
}

void TMainCPort::SendFrame(const QByteArray &frameBytes)
{
    WriteLog(QStringLiteral("Послан пакет: \t") + hexFrame(frameBytes), kModule, kProcedure);
    if (!m_transport->isOpen())
        return; // no reply will come; the reply timer takes over
    purge();
    // The port writes from the event loop at once; waiting here for the line to drain
    // (a flush) would cost a round trip through the driver for every frame.
    m_transport->write(frameBytes);
}

void TMainCPort::onReadyRead()
{
    const QByteArray block = m_transport->readAll();
    if (!block.isEmpty())
        OnPacket(block);
}

void TMainCPort::OnPacket(const QByteArray &block)
{
    m_accumulator.append(block);
    if (m_accumulator.size() > frame::kMaxSize)
        dropOverflow();
    if (m_accumulator.size() < 3 || frame::byteAt(m_accumulator, 2) != m_accumulator.size())
        return;
    const QByteArray reply = std::exchange(m_accumulator, QByteArray());
    WriteLog(QStringLiteral("Получен пакет: \t") + hexFrame(reply), kModule, kProcedure);
    if (running()) // a finished or failed exchange takes no late replies
        handleReply(reply);
}

// No frame is longer than kMaxSize, so gathered bytes that pass it hold no reply as they
// stand: they go up to the first later start byte that can still begin a frame (all of them
// when there is none), and what is dropped is logged. Garbage between sends thus never grows
// memory, and a good reply that comes in the same block as the garbage still frames.
void TMainCPort::dropOverflow()
{
    qsizetype start = m_accumulator.indexOf(char(frame::kStartByte), 1);
    while (start >= 0 && !canBeginFrame(start))
        start = m_accumulator.indexOf(char(frame::kStartByte), start + 1);
    const qsizetype dropped = start < 0 ? m_accumulator.size() : start;
    WriteLog(QStringLiteral("Відкинуто %1 байт поза кадром: ").arg(dropped)
                 + hexFrame(m_accumulator.left(std::min<qsizetype>(dropped, frame::kMaxSize))),
             kModule, kProcedure);
    m_accumulator.remove(0, dropped);
}

// A start byte at `index` can begin a frame while its length byte has not arrived yet, or
// when that byte names at least a minimal frame and no fewer bytes than are held from there
// (so what is kept is never longer than a frame).
bool TMainCPort::canBeginFrame(qsizetype index) const
{
    const qsizetype held = m_accumulator.size() - index;
    if (held < 3)
        return true;
    const int length = frame::byteAt(m_accumulator, index + 2);
    return length >= frame::kMinSize && length >= held;
}

bool TMainCPort::refusedWhileRunning()
{
    if (!running())
        return false;
    WriteLog(QStringLiteral("Обмін уже триває: новий не розпочато"), kModule, QStringLiteral("Start"));
    return true;
}

bool TMainCPort::Start(QObject *window, const TPacketList *list)
{
    Q_ASSERT(list && !list->isEmpty());
    if (refusedWhileRunning())
        return false;
    m_window = window;
    m_list = list;
    m_current = 0;
    m_resendIndex = 0;
    m_furthest = 0;
    m_misses = 0;
    m_writesAcknowledged = false;
    m_failure.reset();
    m_cancelRequested = false;
    m_cancel.reset();
    sendCurrent();
    return true;
}

// The list a failed exchange ran may be the one replaced here: the link lets go of it first.
void TMainCPort::startOwnList(QObject *window, const std::function<void(TPacketList &)> &build)
{
    if (refusedWhileRunning())
        return;
    m_list = nullptr;
    m_ownList = std::make_unique<TPacketList>();
    build(*m_ownList);
    Start(window, m_ownList.get());
}

void TMainCPort::Identify(QObject *window)
{
    startOwnList(window, [](TPacketList &l) { l.AddIdentify(); });
}

void TMainCPort::SurveySlots(QObject *window)
{
    startOwnList(window, [](TPacketList &l) { l.AddSurveySlots(); });
}

void TMainCPort::ClearConfigurator(QObject *window)
{
    startOwnList(window, [](TPacketList &l) { l.AddClearConfigurator(); });
}

// The request is not answered, so no list is run: the frame is sent and the end posted.
void TMainCPort::RegularMode(QObject *window)
{
    if (refusedWhileRunning())
        return;
    m_list = nullptr;
    m_window = window;
    TPacketList request;
    request.AddRegularMode();
    SendFrame(request.at(0).Data);
    QTimer::singleShot(kRegularModeDelayMs, this, [this] { post(linkevent::EndRegularMode); });
}

void TMainCPort::handleReply(const QByteArray &reply)
{
    const TPacket &request = m_list->at(m_current);
    if (!frame::checksumIsGood(reply)) {
        disarmTimer();
        miss(ExchangeFailure::Cause::BadChecksum);
        return;
    }
    if (!frame::replyIsGood(reply, request.Data)) {
        discardReply(reply);
        return;
    }
    disarmTimer();
    if (!storeReply(request, reply)) {
        miss(ExchangeFailure::Cause::WrongAnswer);
        return;
    }
    m_writesAcknowledged = m_writesAcknowledged || request.isWrite();
    advance();
}

// Most likely the late answer to a request sent before the last resend: taking it, or
// resending at once, would put the exchange out of step. The reply time keeps running.
void TMainCPort::discardReply(const QByteArray &reply)
{
    m_wrongAnswerWaiting = true;
    WriteLog(QStringLiteral("Відповідь не на запит %1 (команда %2), відкинуто")
                 .arg(m_current + 1)
                 .arg(frame::byteAt(reply, 3), 2, 16, QLatin1Char('0')),
             kModule, kProcedure);
}

void TMainCPort::advance()
{
    Q_EMIT progressed(m_current + 2);
    ++m_current;
    if (m_current > m_furthest) {
        m_furthest = m_current;
        m_misses = 0;
    }
    if (m_current >= m_list->size()) {
        WriteLog(QStringLiteral("Обмін завершено: запитів %1").arg(m_list->size()), kModule, kProcedure);
        m_list = nullptr;
        post(linkevent::EndRead);
        return;
    }
    if (m_list->at(m_current).isResendPoint())
        m_resendIndex = m_current;
    if (m_cancelRequested)
        stopCancelled();
    else
        sendCurrent();
}

bool TMainCPort::storeReply(const TPacket &request, const QByteArray &reply)
{
    if (reply.size() < minimumReplySize(request))
        return false;
    const QByteArray payload = reply.mid(frame::kHeaderSize, reply.size() - frame::kOverhead);
    switch (request.Kind) {
    case kKindEeprom:
        storeBounded(m_state.EepromImage, request.Dest, payload.left(request.Count));
        break;
    case kKindMemory:
        storeBounded(m_state.MemoryImage, request.Dest, payload.left(request.Count));
        break;
    case kKindEepromByte:
        storeBounded(m_state.EepromImage, request.Dest, payload.left(1));
        break;
    case kKindMemoryRead:
        storeBounded(m_state.MemoryImage, request.Dest, payload.left(askedBytes(request, payload.size())));
        break;
    case kKindIdentify:
    case kKindSlotHeader:
    case kKindSurvey:
        m_state.DeviceType = frame::byteAt(payload, 0);
        m_state.FirmwareVariant = frame::byteAt(payload, 1);
        post(request.Kind == kKindSurvey ? linkevent::CheckConfigurator : linkevent::ReadDevice);
        break;
    default:
        break;
    }
    return true;
}

void TMainCPort::OnTimeout()
{
    if (!running())
        return;
    miss(m_wrongAnswerWaiting ? ExchangeFailure::Cause::WrongAnswer
                              : ExchangeFailure::Cause::NoReply);
}

// A resend goes from the resend point, so that a write at the device's pointer is always
// repeated together with the set-address that positioned it.
void TMainCPort::miss(ExchangeFailure::Cause cause)
{
    if (m_cancelRequested) {
        stopCancelled();
        return;
    }
    if (++m_misses >= kMaxSends) {
        fail(cause);
        return;
    }
    m_current = m_resendIndex;
    sendCurrent();
}

void TMainCPort::fail(ExchangeFailure::Cause cause)
{
    disarmTimer();
    m_failure = ExchangeFailure{cause, m_furthest + 1, int(m_list->size()), m_writesAcknowledged,
                                m_resendIndex};
    static const char *const kCauses[] = {"немає відповіді", "невірна контрольна сума", "відповідь не на той запит"};
    WriteLog(QStringLiteral("Обмін зупинено: %1, запит %2 з %3")
                 .arg(QString::fromUtf8(kCauses[int(cause)]))
                 .arg(m_failure->request)
                 .arg(m_failure->total),
             kModule, kProcedure);
    post(linkevent::ErrorTransmit);
}

void TMainCPort::cancel()
{
    if (running())
        m_cancelRequested = true;
}

void TMainCPort::stopCancelled()
{
    disarmTimer();
    m_cancel = ExchangeCancel{m_furthest, int(m_list->size()), m_writesAcknowledged, m_resendIndex};
    WriteLog(QStringLiteral("Обмін скасовано: відповіді на %1 з %2 запитів")
                 .arg(m_cancel->answered)
                 .arg(m_cancel->total),
             kModule, kProcedure);
    post(linkevent::Cancelled);
}

void TMainCPort::sendCurrent()
{
    m_wrongAnswerWaiting = false;
    SendFrame(m_list->at(m_current).Data);
    armTimer();
}

void TMainCPort::armTimer()
{
    m_timerArmed = true;
    if (!m_manualTimer)
        m_timer.start(m_timeoutMs);
}

void TMainCPort::disarmTimer()
{
    m_timerArmed = false;
    m_timer.stop();
}

void TMainCPort::post(QEvent::Type type)
{
    if (m_window)
        QCoreApplication::postEvent(m_window, new LinkEvent(type, m_list ? m_current : -1));
}
