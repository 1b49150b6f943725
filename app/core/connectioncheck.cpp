#include "connectioncheck.h"

#include "comport.h"
#include "exchangetexts.h"
#include "linkevents.h"
#include "proc.h"
#include "registry.h"

namespace {

QString portName(const QString &port)
{
    return port.isEmpty() ? QStringLiteral("(не вказано)") : port;
}

// What the check says about a device that answered with `typeCode` and `variant`.
QString answeredVerdict(quint8 typeCode, quint8 variant)
{
    const std::optional<Identified> found = identify(typeCode, variant);
    if (!found)
        return foundDeviceDetail(typeCode, variant, slotDescription(typeCode, variant)) + u' '
               + errorText(kErrVersionNotSupported) + u'.';
    return QStringLiteral("Зв'язок є: відповів прилад %1, тип %2, варіант %3.")
        .arg(editorTitle(found->model, found->variant)).arg(typeCode).arg(variant);
}

} // namespace

ConnectionCheck::ConnectionCheck(LinkMaker makeLink, QObject *parent)
    : QObject(parent), m_makeLink(std::move(makeLink))
{
}

ConnectionCheck::~ConnectionCheck() = default;

void ConnectionCheck::start(const PortSettings &settings)
{
    if (running())
        return;
    m_link = m_makeLink(m_state);
    m_link->setSettings(settings);
    if (!m_link->OpenPort()) {
        const QString reason = m_link->lastError();
        finish(QStringLiteral("Порт %1 не відкрито: %2.")
                   .arg(portName(settings.port),
                        reason.isEmpty() ? QStringLiteral("невідома причина") : reason));
        return;
    }
    m_link->Identify(this);
}

bool ConnectionCheck::event(QEvent *event)
{
    // The end message that follows every identification reply has nothing to add.
    if (event->type() == linkevent::ReadDevice && running())
        finish(answeredVerdict(m_state.DeviceType, m_state.FirmwareVariant));
    else if (event->type() == linkevent::ErrorTransmit && running())
        finish(QStringLiteral("Прилад не відповів на порту %1: %2.")
                   .arg(portName(m_link->settings().port), causeText(*m_link->failure())));
    else if (event->type() != linkevent::EndRead)
        return QObject::event(event);
    return true;
}

void ConnectionCheck::finish(const QString &verdict)
{
    m_link.reset();
    Q_EMIT finished(verdict);
}
