#pragma once

#include <QByteArrayView>

// CRC-32 as zip, PNG and the crc32 tool compute it: reflected polynomial 0xEDB88320,
// initial value and final exclusive-or 0xFFFFFFFF. Fed piece by piece.
class Crc32
{
public:
    void add(QByteArrayView bytes);
    quint32 value() const { return ~m_register; }

private:
    quint32 m_register = 0xFFFFFFFF;
};
