#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The device clock of the control-and-start device: seven BCD bytes (seconds, minutes,
// hours, day, month, an unused 0, two-digit year) in both directions.
namespace controlstart {

// What the clock group holds.
struct ClockSettings {
    bool write = false;      // chbWriteClock "Перезаписати час"
    bool systemTime = false; // rbSystemClock "Системний час", else rbUserClock "Вказаний час"
    QDateTime userTime;      // DevDate and DevTime
    QString deviceText = {}; // lbClockDev: the device's clock as last read
    QString readAtText = {}; // lbGetClock: the computer's time when it was read

    friend bool operator==(const ClockSettings &, const ClockSettings &) = default;
};

// The bytes a write sends: the computer's time `now` or the user's, or seven zero bytes (no
// clock write) when the clock is not to be written. Years are kept modulo 100.
QByteArray clockBytes(const ClockSettings &clock, const QDateTime &now);

// Takes a read clock into the labels: "07.03.26 14:30:25" from the bytes' hexadecimal digits,
// and `now` as "dd.mm.yy hh:mm:ss". A clock whose day, month and year bytes are all 0 was not
// read; the labels keep their texts.
void showDeviceClock(const QByteArray &bytes, const QDateTime &now, ClockSettings &clock);

} // namespace controlstart
