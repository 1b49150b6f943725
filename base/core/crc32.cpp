#include "crc32.h"

void Crc32::add(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        m_register ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            m_register = (m_register >> 1) ^ (m_register & 1 ? 0xEDB88320u : 0u);
    }
}
