#include "progressline.h"

#include "exchangeprogress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kBarWidth = 24;

QString stageOf(const FlowStep &step)
{
    using Kind = Operation::Kind;
    if (!step.counted)
        return step.operation.kind == Kind::SurveySlots ? QStringLiteral("surveying") : QStringLiteral("identifying");
    switch (step.operation.kind) {
    case Kind::ReadDevice:
    case Kind::ReadSlot:
    case Kind::CompareDevice: return QStringLiteral("reading");
    case Kind::VerifyDevice:
    case Kind::VerifySlot: return QStringLiteral("checking");
    case Kind::ClearConfigurator: return QStringLiteral("clearing");
    case Kind::FirmwareToDevice:
    case Kind::FirmwareToConfigurator: return QStringLiteral("flashing");
    default: return QStringLiteral("writing");
    }
}

QString bar(qint64 done, qint64 total)
{
    const int filled = total > 0 ? int(done * kBarWidth / total) : 0;
    return QString(filled, u'#') + QString(kBarWidth - filled, u'-');
}

} // namespace

ProgressLine::ProgressLine() : m_shown(::isatty(STDERR_FILENO) == 1)
{
}

void ProgressLine::start(const FlowStep &step)
{
    m_stage = stageOf(step);
    m_bytesAfter = step.counted ? bytesAfterEach(step.planned.list) : QList<qint64>();
    m_clock.start();
    answered(0);
}

void ProgressLine::answered(int count)
{
    if (!m_shown)
        return;
    if (m_bytesAfter.isEmpty()) {
        draw(m_stage + QStringLiteral("..."));
        return;
    }
    const qint64 total = m_bytesAfter.constLast();
    const qint64 done = count > 0 ? m_bytesAfter.value(std::min<qsizetype>(count, m_bytesAfter.size()) - 1) : 0;
    QString text = QStringLiteral("%1 [%2] %3 of %4 bytes").arg(m_stage.leftJustified(9), bar(done, total)).arg(done).arg(total);
    if (const std::optional<qint64> left = secondsLeft(done, total, m_clock.elapsed()))
        text += QStringLiteral(", %1:%2 left").arg(*left / 60).arg(*left % 60, 2, 10, QLatin1Char('0'));
    draw(text);
}

void ProgressLine::finish()
{
    if (m_shown && m_drawnWidth > 0)
        draw(QString());
    m_drawnWidth = 0;
}

// Shorter text is padded so that nothing of the longer line before it stays visible.
void ProgressLine::draw(const QString &text)
{
    if (text == m_drawn && !text.isEmpty())
        return;
    m_drawn = text;
    const QByteArray line = text.leftJustified(m_drawnWidth).toLocal8Bit();
    std::fprintf(stderr, "\r%s%s", line.constData(), text.isEmpty() ? "\r" : "");
    std::fflush(stderr);
    m_drawnWidth = text.size();
}
