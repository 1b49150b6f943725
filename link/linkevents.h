#pragma once

#include <QEvent>

// Messages the link posts to the window that started an exchange (both parameters 0 in
// the original window-message form, so a plain QEvent of the type carries everything).
namespace linkevent {
inline const QEvent::Type ReadDevice = QEvent::Type(QEvent::User + 100);
inline const QEvent::Type EndRead = QEvent::Type(QEvent::User + 101);
inline const QEvent::Type ErrorTransmit = QEvent::Type(QEvent::User + 102);
inline const QEvent::Type EndRegularMode = QEvent::Type(QEvent::User + 103);
inline const QEvent::Type CheckConfigurator = QEvent::Type(QEvent::User + 104);
// The user cancelled the exchange and the request in flight has been settled.
inline const QEvent::Type Cancelled = QEvent::Type(QEvent::User + 105);
} // namespace linkevent

// Every message of the link carries the index of the request whose reply caused it
// (-1 when none did), so that a survey restarted by a resend still knows which slot a
// reply belongs to.
class LinkEvent : public QEvent
{
public:
    LinkEvent(Type type, int requestIndex) : QEvent(type), m_requestIndex(requestIndex) {}
    int requestIndex() const { return m_requestIndex; }

private:
    int m_requestIndex;
};

// For a window that runs its own exchange: calls `endRead`, `errorTransmit` or
// `cancelled` for the link's end, failure or cancel message and says whether the event was
// one of them.
template <typename EndRead, typename ErrorTransmit, typename Cancelled>
bool handleExchangeEnd(QEvent *event, EndRead endRead, ErrorTransmit errorTransmit, Cancelled cancelled)
{
    if (event->type() == linkevent::EndRead)
        endRead();
    else if (event->type() == linkevent::ErrorTransmit)
        errorTransmit();
    else if (event->type() == linkevent::Cancelled)
        cancelled();
    else
        return false;
    return true;
}
