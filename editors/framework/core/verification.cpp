#include "verification.h"

#include "frame.h"

#include <algorithm>

namespace {

const QByteArray &imageOf(const SettingsImages &images, ImageArea area)
{
    return area == ImageArea::Eeprom ? images.eeprom : images.memory;
}

QByteArray &imageOf(SettingsImages &images, ImageArea area)
{
    return area == ImageArea::Eeprom ? images.eeprom : images.memory;
}

QString hexAddress(int address)
{
    return QStringLiteral("0x%1").arg(address, 4, 16, QLatin1Char('0')).toUpper().replace(u'X', u'x');
}

// The memory read that the model's own read makes at `address`, if it makes one.
const DeviceRun *modelRead(const TransferPlan &readPlan, quint16 address)
{
    for (const PlanStage &stage : readPlan.stages) {
        for (const PlanStep &step : stage.steps) {
            const auto *run = std::get_if<DeviceRun>(&step);
            if (run && run->area == ImageArea::Memory && run->deviceAddress == address)
                return run;
        }
    }
    return nullptr;
}

class Builder
{
public:
    Builder(const SettingsImages &sent, const TransferPlan &readPlan) : m_sent(sent), m_readPlan(readPlan) {}

    // Memory is read back the way the model's own read takes it (the request size, or a
    // two-byte request that the firmware answers with its whole block); where that read
    // takes fewer bytes than were written, only those are checked.
    void add(const DeviceRun &run)
    {
        DeviceRun read = run;
        read.constant.clear();
        read.form = RequestForm::Chunked;
        const DeviceRun *own = run.area == ImageArea::Memory ? modelRead(m_readPlan, run.deviceAddress) : nullptr;
        if (own) {
            read.length = std::min(run.length, own->length);
            read.requestSize = std::min(read.length, own->requestSize);
            read.form = own->form;
        }
        const ImageArea scratch = run.area;
        const QByteArray sent = bytesOf(run.area, run.imageOffset, run.length, run.constant);
        overwriteEarlier(run.area, run.deviceAddress, sent);
        read.imageOffset = reserve(scratch, sent.left(read.length));
        m_written.append({run.area, run.deviceAddress, read.imageOffset, read.length});
        // A whole-block answer may be longer than the bytes checked: room for it.
        if (read.form == RequestForm::ShortRead)
            imageOf(m_expected, scratch).append(QByteArray(own->length - read.length, '\0'));
        m_steps.append(read);
        record(scratch, read.imageOffset, read.length, run.constant.isEmpty(), run.area, run.imageOffset,
               QStringLiteral("байти %1").arg(hexAddress(run.deviceAddress)));
    }

    void add(const ShortRun &run)
    {
        const int offset = reserve(ImageArea::Memory, bytesOf(ImageArea::Memory, run.imageOffset, run.length, {}));
        m_steps.append(ShortRun{run.shortAddress, offset, run.length, run.requestSize});
        record(ImageArea::Memory, offset, run.length, true, ImageArea::Memory, run.imageOffset, {});
    }

    void add(const TPacketList::Descriptor &d)
    {
        const QByteArray stored = d.stored();
        const int offset = reserve(ImageArea::Memory, stored);
        m_steps.append(SlotData{ImageArea::Memory, d.record, offset, int(stored.size()), {}});
        record(ImageArea::Memory, offset, int(stored.size()), false, ImageArea::Memory, 0,
               QStringLiteral("опис блоку %1").arg(hexAddress(d.record)));
    }

    void add(const SlotData &data)
    {
        const int offset = reserve(ImageArea::Memory, bytesOf(data.area, data.imageOffset, data.length, data.constant));
        m_steps.append(SlotData{ImageArea::Memory, data.dataAddress, offset, data.length, {}});
        record(ImageArea::Memory, offset, data.length, data.constant.isEmpty(), data.area, data.imageOffset,
               QStringLiteral("дані %1").arg(hexAddress(data.dataAddress)));
    }

    void add(const ClockRun &) {}

    Verification take()
    {
        Verification v;
        v.reads = {TransferPlan::Direction::Read,
                   {{QStringLiteral("Перевірка записаних даних"), m_steps}}};
        v.expected = m_expected;
        v.ranges = m_ranges;
        return v;
    }

private:
    QByteArray bytesOf(ImageArea area, int offset, int length, const QByteArray &constant) const
    {
        if (!constant.isEmpty())
            return constant.left(length).leftJustified(length, '\0');
        return imageOf(m_sent, area).mid(offset, length).leftJustified(length, '\0');
    }

    // A later write that lands on bytes an earlier one wrote (a block running into the
    // next) leaves its own bytes there: the earlier range is expected to read them.
    void overwriteEarlier(ImageArea area, int address, const QByteArray &bytes)
    {
        for (const WrittenRange &w : m_written) {
            if (w.area != area)
                continue;
            const int first = std::max(address, w.deviceAddress);
            const int end = std::min(address + int(bytes.size()), w.deviceAddress + w.length);
            for (int a = first; a < end; ++a)
                imageOf(m_expected, area)[w.scratchOffset + a - w.deviceAddress] = bytes.at(a - address);
        }
    }

    int reserve(ImageArea scratch, const QByteArray &bytes)
    {
        QByteArray &image = imageOf(m_expected, scratch);
        const int offset = int(image.size());
        image.append(bytes);
        return offset;
    }

    void record(ImageArea scratch, int offset, int length, bool fromImage, ImageArea source,
                int sourceOffset, const QString &label)
    {
        m_ranges.append({scratch, offset, length, fromImage, source, sourceOffset, label});
    }

    // Device bytes checked so far, by the space they were written to.
    struct WrittenRange {
        ImageArea area;
        int deviceAddress;
        int scratchOffset;
        int length;
    };

    const SettingsImages &m_sent;
    const TransferPlan &m_readPlan;
    QList<WrittenRange> m_written;
    QList<PlanStep> m_steps;
    SettingsImages m_expected;
    QList<VerifiedRange> m_ranges;
};

SettingsImages withoutClock(const TransferPlan &readPlan, SettingsImages images)
{
    for (const PlanStage &stage : readPlan.stages) {
        for (const PlanStep &step : stage.steps) {
            const auto *clock = std::get_if<ClockRun>(&step);
            for (int i = 0; clock && i < frame::kClockBytes; ++i) {
                if (clock->imageOffset + i < images.memory.size())
                    images.memory[clock->imageOffset + i] = '\0';
            }
        }
    }
    return images;
}

} // namespace

Verification verificationOf(const TransferPlan &write, const SettingsImages &sent,
                            const TransferPlan &readPlan)
{
    Builder builder(sent, readPlan);
    for (const PlanStage &stage : write.stages) {
        for (const PlanStep &step : stage.steps)
            std::visit([&builder](const auto &s) { builder.add(s); }, step);
    }
    return builder.take();
}

bool sameSettings(const TransferPlan &readPlan, const SettingsImages &first, const SettingsImages &second)
{
    const SettingsImages a = withoutClock(readPlan, first);
    const SettingsImages b = withoutClock(readPlan, second);
    return a.eeprom == b.eeprom && a.memory == b.memory;
}

VerifyResult checkVerification(const Verification &verification, const SettingsImages &sent,
                               const SettingsImages &scratch)
{
    VerifyResult result;
    result.readBack = sent;
    for (const VerifiedRange &r : verification.ranges) {
        const QByteArray wanted = imageOf(verification.expected, r.scratch).mid(r.scratchOffset, r.length);
        const QByteArray got = imageOf(scratch, r.scratch).mid(r.scratchOffset, r.length).leftJustified(r.length, '\0');
        if (got == wanted)
            continue;
        result.matches = false;
        if (r.fromImage) {
            QByteArray &image = imageOf(result.readBack, r.source);
            for (int i = 0; i < r.length && r.sourceOffset + i < image.size(); ++i)
                image[r.sourceOffset + i] = got.at(i);
        } else {
            result.otherMismatches.append(QStringLiteral("%1: записано %2, прочитано %3")
                                              .arg(r.label, QString::fromLatin1(wanted.toHex(' ').toUpper()),
                                                   QString::fromLatin1(got.toHex(' ').toUpper())));
        }
    }
    return result;
}
