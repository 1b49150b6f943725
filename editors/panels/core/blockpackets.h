#pragma once

#include "panelblocks.h"

// Turns block lists into the requests of an exchange.

// Device write of the blocks of `area`: per block a set-address request, then the block's
// image bytes in requests of the block's request size.
void appendDeviceWrite(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area,
                       const QByteArray &eepromImage, const QByteArray &memoryImage);

// Device read of the blocks of `area`: per block a set-address request, then one
// EEPROM-byte read per byte, or the memory reads of the block's request form.
void appendDeviceRead(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area);

// Configurator write: per area (EEPROM first) every descriptor, then every block's data.
QList<PlanStep> configuratorWriteSteps(const QList<ConfiguratorWriteBlock> &blocks);
void appendConfiguratorWrite(TPacketList &list, const QList<ConfiguratorWriteBlock> &blocks,
                             const QByteArray &eepromImage, const QByteArray &memoryImage);

// Configurator read: one read per stored block into its image offset.
void appendConfiguratorRead(TPacketList &list, const QList<ConfiguratorBlock> &blocks);
