#pragma once

#include "frame.h"

#include <QByteArray>
#include <QDateTime>

// A device's real-time clock as 7 BCD bytes: seconds, minutes, hours, day, month, one byte
// the device does not use (always read as 0), year of the century. It keeps running: what it
// shows is the time it was set to plus the time passed since, so every call takes "now".
class SimClock
{
public:
    static constexpr int kSize = frame::kClockBytes;

    // Starts on the local wall-clock time.
    SimClock();

    QByteArray read(const QDateTime &nowUtc) const;
    // Takes a valid BCD date and time of the years 2000 to 2099. Anything else (the
    // program sends seven 0x00 bytes when the user does not want the clock set) leaves
    // the clock running as it was; then the result is false.
    bool set(const QByteArray &bytes, const QDateTime &nowUtc);

private:
    qint64 m_offsetSecs; // device time minus UTC
};
