#include "lowlatency.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {

#ifdef Q_OS_LINUX
constexpr int kLowLatencyFlag = ASYNC_LOW_LATENCY;

std::optional<int> readSystemFlags(int fd)
{
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return std::nullopt;
    return serial.flags;
}

bool writeSystemFlags(int fd, int flags)
{
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return false;
    serial.flags = flags;
    return ioctl(fd, TIOCSSERIAL, &serial) == 0;
}
#else
constexpr int kLowLatencyFlag = 0x2000;

std::optional<int> readSystemFlags(int) { return std::nullopt; }
bool writeSystemFlags(int, int) { return false; }
#endif

} // namespace

SerialFlagsAccess SerialFlagsAccess::system()
{
    return {readSystemFlags, writeSystemFlags};
}

std::optional<int> requestLowLatency(int fd, const SerialFlagsAccess &access)
{
    const std::optional<int> flags = access.read(fd);
    if (!flags || !access.write(fd, *flags | kLowLatencyFlag))
        return std::nullopt;
    return flags;
}

void restoreSerialFlags(int fd, int flags, const SerialFlagsAccess &access)
{
    access.write(fd, flags);
}
