#pragma once

#include "exchangeflow.h"

#include <QElapsedTimer>
#include <QList>

// One line on standard error, redrawn in place: what runs, a bar, the bytes moved of the
// step's total and the time left at the pace so far. Silent unless standard error is a
// terminal, so that logs and pipes get no carriage returns.
class ProgressLine
{
public:
    ProgressLine();

    void start(const FlowStep &step);
    void answered(int count);
    // Clears the line before other output follows.
    void finish();

private:
    void draw(const QString &text);

    bool m_shown;
    QString m_stage;
    QList<qint64> m_bytesAfter;
    QElapsedTimer m_clock;
    QString m_drawn;
    qsizetype m_drawnWidth = 0;
};
