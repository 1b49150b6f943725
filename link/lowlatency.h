#pragma once

#include <functional>
#include <optional>

// USB-to-serial adapters hold received bytes for a latency timer (16 ms on common chips)
// unless the driver is told to pass them on at once. A request-and-reply exchange pays that
// timer on every request, so the link asks the driver for low-latency mode while it runs.

// How the serial driver's flags are read and written; the program uses the system's
// ioctl calls, tests a double. Nothing / false: the driver refused.
struct SerialFlagsAccess {
    std::function<std::optional<int>(int fd)> read;
    std::function<bool(int fd, int flags)> write;

    // TIOCGSERIAL / TIOCSSERIAL on Linux; elsewhere an access that always refuses.
    static SerialFlagsAccess system();
};

// Asks for low-latency mode on the open terminal `fd`. The flags to restore when the link
// closes, or nothing when the driver refused (a pseudo-terminal, a driver without the
// flag): the link then goes on as it is.
std::optional<int> requestLowLatency(int fd, const SerialFlagsAccess &access);
void restoreSerialFlags(int fd, int flags, const SerialFlagsAccess &access);
