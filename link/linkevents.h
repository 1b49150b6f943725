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
} // namespace linkevent
