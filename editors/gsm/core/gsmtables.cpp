#include "gsmtables.h"

namespace {

using F = GprsField;
using K = GprsFieldKind;

// Each alternative block lies 0x0100 above its main one. The IP blocks end with two 0xFF
// bytes, the second of which the port block that follows overwrites in the module.
constexpr std::array<GprsBlock, kGprsFieldCount> kBlocks{{
    {F::Identifier, K::Digits, "edIdentZMU", "Ідентифікатор ЗМУ", 0, 6, 4, 0x7300, 0x6A00},
    {F::HiddenCode, K::Digits, "edHideNumZMU", "Прихований код ЗМУ", 6, 6, 4, 0x7400, 0x6B00},
    {F::AccessPoint, K::AccessPoint, "edAP", "Точка доступу для GPRS", 12, 32, 32, 0x7308, 0x6A08},
    {F::AltAccessPoint, K::AccessPoint, "edAltAP", "Альтернативна точка доступу для GPRS", 44, 32, 32,
     0x7408, 0x6B08},
    {F::Ip, K::Ip, "edIP", "Основна IP-адреса ПЦС", 76, 17, 15, 0x7328, 0x6A28},
    {F::AltIp, K::Ip, "edAltIP", "Альтернативна IP-адреса ПЦС", 93, 17, 15, 0x7428, 0x6B28},
    {F::PortPpk, K::Digits, "edPortPPK", "Порт ППК", 110, 4, 4, 0x7338, 0x6A38},
    {F::AltPortPpk, K::Digits, "edAltPortPPK", "Альтернативний порт ППК", 114, 4, 4, 0x7438, 0x6B38},
    {F::PortPcs, K::Digits, "edPortPCS", "Порт ПЦС", 118, 4, 4, 0x7340, 0x6A40},
    {F::AltPortPcs, K::Digits, "edAltPortPCS", "Альтернативний порт ПЦС", 122, 4, 4, 0x7440, 0x6B40},
    {F::Interval, K::Interval, "edIntervalMessages",
     "Інтервал тестових (запланованих) сповіщень, з кроком 1хв", 126, 3, 1, 0x7348, 0x6A48},
    {F::AltInterval, K::Interval, "edAltIntervalMessages",
     "Альтернативний інтервал тестових (запланованих) сповіщень, з кроком 1хв", 129, 3, 1, 0x7448,
     0x6B48},
}};

} // namespace

const std::array<GprsBlock, kGprsFieldCount> &gprsBlocks()
{
    return kBlocks;
}

const GprsBlock &gprsBlock(GprsField field)
{
    return kBlocks[std::size_t(field)];
}

quint16 gsmBlockAddress(const GprsBlock &block, quint8 version)
{
    return version == kGsmShiftedVersion ? quint16(block.gsmAddress - kGsmVersion4Shift) : block.gsmAddress;
}
