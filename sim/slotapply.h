#pragma once

class SimConfigurator;
class SimDevice;

// What the hand-held unit does on site with configuration slot n: it follows the chain of
// block descriptors that starts at 0x1000 + 0x40 * (n - 1) and copies each block's data
// into the device's EEPROM or memory at the descriptor's device address. The chain ends at
// a next-address below 0x1000. The whole chain is checked before the first byte is copied,
// so a refused slot leaves the device untouched.
struct SlotApplyResult {
    enum class Error {
        None,
        NoSuchSlot,  // slot outside 1 to 4
        EmptySlot,   // the first descriptor is erased (0xFF 0xFF)
        WrongDevice, // a descriptor names another device type
        BadArea,     // a target area other than 1 (EEPROM) or 2 (memory)
        OutOfRange,  // a descriptor, its data or its target leaves its space
        Loop,        // the chain comes back to a descriptor it has already visited
    };
    Error error = Error::None;
    int blocksCopied = 0;
    int failedDescriptor = -1; // configurator address of the descriptor refused
};

SlotApplyResult applySlot(const SimConfigurator &configurator, int slot, SimDevice &device);
