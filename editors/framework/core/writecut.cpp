#include "writecut.h"

#include "frame.h"

#include <map>

namespace {

using Address = std::pair<DeviceSpace, int>;
using DeviceBytes = std::map<Address, char>;

DeviceSpace spaceOf(ImageArea area)
{
    return area == ImageArea::Eeprom ? DeviceSpace::Eeprom : DeviceSpace::Memory;
}

const QByteArray &imageOf(const SettingsImages &images, ImageArea area)
{
    return area == ImageArea::Eeprom ? images.eeprom : images.memory;
}

// The device's bytes as the read placed them in the images, by device address; bytes of
// the images that no segment maps are not the device's.
DeviceBytes deviceBytes(const QList<ImageSegment> &segments, const SettingsImages &images)
{
    DeviceBytes bytes;
    for (const ImageSegment &s : segments) {
        const QByteArray &image = imageOf(images, s.image);
        for (int i = 0; i < s.length && s.imageOffset + i < image.size(); ++i)
            bytes[{s.space, s.address + i}] = image.at(s.imageOffset + i);
    }
    return bytes;
}

// The bytes one request of a run puts at consecutive device addresses: the unit a plan is
// cut by.
struct Piece {
    int step;  // index among all steps of the plan
    int start; // within its run
    int length;
    Address first;
    QByteArray bytes;
    bool constant;
};

struct Cutter {
    QList<Piece> pieces;
    QList<bool> needed;
    DeviceBytes target;
    std::map<Address, int> lastWriter;

    void addRun(int step, DeviceSpace space, int address, int length, int requestSize, const QByteArray &source,
                int offset, bool constant)
    {
        const int size = requestSize > 0 ? requestSize : length;
        for (int start = 0; start < length; start += size) {
            const int n = std::min(size, length - start);
            pieces.append({step, start, n, {space, address + start}, imageSlice(source, offset + start, n), constant});
        }
    }

    void addStep(int step, const PlanStep &planStep, const SettingsImages &sent)
    {
        if (const auto *run = std::get_if<DeviceRun>(&planStep)) {
            const bool constant = !run->constant.isEmpty();
            addRun(step, spaceOf(run->area), run->deviceAddress, run->length, run->requestSize,
                   constant ? run->constant : imageOf(sent, run->area), constant ? 0 : run->imageOffset, constant);
        } else if (const auto *run = std::get_if<ShortRun>(&planStep)) {
            addRun(step, DeviceSpace::Short, run->shortAddress, run->length, run->requestSize, sent.memory,
                   run->imageOffset, false);
        } else if (const auto *clock = std::get_if<ClockRun>(&planStep)) {
            const QByteArray time = imageSlice(sent.memory, clock->imageOffset, frame::kClockBytes);
            if (time.count('\0') != frame::kClockBytes) // no date: nothing is sent for the clock
                addRun(step, DeviceSpace::Clock, 0, frame::kClockBytes, frame::kClockBytes, sent.memory,
                       clock->imageOffset, false);
        }
    }

    // What the device holds after the whole write, and which piece put each byte there.
    void aim()
    {
        for (int k = 0; k < pieces.size(); ++k)
            apply(pieces.at(k), target, &lastWriter, k);
    }

    // A byte that a later piece overwrites is no reason to send a piece: only the bytes it
    // leaves in the device are.
    bool differs(int k, const DeviceBytes &device) const
    {
        const Piece &p = pieces.at(k);
        for (int i = 0; i < p.length; ++i) {
            const Address a{p.first.first, p.first.second + i};
            if (lastWriter.at(a) != k)
                continue;
            const auto held = device.find(a);
            if (held == device.end() || held->second != target.at(a))
                return true;
        }
        return false;
    }

    // Marks, until nothing changes, the last piece that writes each byte the device would
    // otherwise end up holding differently from after the whole write (constants go by
    // their own rule).
    void settle(const DeviceBytes &device)
    {
        for (bool changed = true; changed;) {
            changed = false;
            DeviceBytes after = device;
            for (int k = 0; k < pieces.size(); ++k) {
                if (needed.at(k))
                    apply(pieces.at(k), after, nullptr, k);
            }
            for (const auto &[address, byte] : target) {
                const int writer = lastWriter.at(address);
                const auto held = after.find(address);
                if ((held == after.end() || held->second != byte) && !needed.at(writer)
                    && !pieces.at(writer).constant) {
                    needed[writer] = true;
                    changed = true;
                }
            }
        }
    }

    static void apply(const Piece &p, DeviceBytes &bytes, std::map<Address, int> *writers, int k)
    {
        for (int i = 0; i < p.length; ++i) {
            const Address a{p.first.first, p.first.second + i};
            bytes[a] = p.bytes.at(i);
            if (writers)
                (*writers)[a] = k;
        }
    }
};

// The step's pieces that are needed, joined where they follow each other: (start, length).
QList<std::pair<int, int>> neededRanges(const Cutter &cutter, int step)
{
    QList<std::pair<int, int>> ranges;
    for (int k = 0; k < cutter.pieces.size(); ++k) {
        const Piece &p = cutter.pieces.at(k);
        if (p.step != step || !cutter.needed.at(k))
            continue;
        if (!ranges.isEmpty() && ranges.last().first + ranges.last().second == p.start)
            ranges.last().second += p.length;
        else
            ranges.append({p.start, p.length});
    }
    return ranges;
}

QList<PlanStep> piecesOf(const PlanStep &step, const QList<std::pair<int, int>> &ranges)
{
    QList<PlanStep> kept;
    for (const auto &[start, length] : ranges) {
        if (const auto *run = std::get_if<DeviceRun>(&step)) {
            DeviceRun piece = *run;
            piece.deviceAddress = quint16(run->deviceAddress + start);
            piece.imageOffset = run->constant.isEmpty() ? run->imageOffset + start : 0;
            piece.length = length;
            if (!run->constant.isEmpty())
                piece.constant = run->constant.mid(start, length);
            kept.append(piece);
        } else if (const auto *run = std::get_if<ShortRun>(&step)) {
            kept.append(ShortRun{quint8(run->shortAddress + start), run->imageOffset + start, length, run->requestSize});
        } else {
            kept.append(step); // the clock: all seven bytes or nothing
        }
    }
    return kept;
}

} // namespace

CutPlan cutWritePlan(const TransferPlan &write, const SettingsImages &sent, const QList<ImageSegment> &segments,
                     const SettingsImages &deviceNow)
{
    Cutter cutter;
    int steps = 0;
    for (const PlanStage &stage : write.stages) {
        for (const PlanStep &step : stage.steps)
            cutter.addStep(steps++, step, sent);
    }
    const DeviceBytes device = deviceBytes(segments, deviceNow);
    cutter.aim();
    bool anyData = false;
    for (int k = 0; k < cutter.pieces.size(); ++k) {
        const bool differs = !cutter.pieces.at(k).constant && cutter.differs(k, device);
        cutter.needed.append(differs);
        anyData = anyData || differs;
    }
    cutter.settle(device);
    for (int k = 0; anyData && k < cutter.pieces.size(); ++k)
        cutter.needed[k] = cutter.needed.at(k) || cutter.pieces.at(k).constant;
    cutter.settle(device);

    CutPlan cut{{write.direction, {}}, 0};
    int step = 0;
    for (const PlanStage &stage : write.stages) {
        PlanStage kept{stage.text, {}};
        for (const PlanStep &planStep : stage.steps) {
            const QList<std::pair<int, int>> ranges = neededRanges(cutter, step++);
            kept.steps += piecesOf(planStep, ranges);
            cut.runs += int(ranges.size());
        }
        if (!kept.steps.isEmpty())
            cut.plan.stages.append(kept);
    }
    return cut;
}
