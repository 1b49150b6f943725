#pragma once

#include "eventrecording.h"
#include "exchangeflow.h"
#include "interrupt.h"
#include "portsettings.h"
#include "progressline.h"

#include <functional>

// The exchanges of one vexctl command on one port, run one after another: each waits for the
// flow's result in an event loop, with the progress line and Ctrl+C. After Ctrl+C nothing
// more is started.
class Session
{
public:
    using Start = std::function<bool(ExchangeFlow &flow, const ExchangeFlow::Done &done)>;

    Session(const PortSettings &settings, bool yesToAll);

    const PortSettings &settings() const { return m_settings; }
    FlowResult run(const Start &start);
    // The identification `operation` starts with.
    FlowResult identify(const Operation &operation);
    // --yes answers yes; a terminal gets the question; anything else is a no.
    bool confirm(const QString &question) const;
    // The exchange the command is about, as the archive records it (on this session's port).
    void note(ExchangeReport report, const FlowResult &result);
    const std::optional<ArchiveEvent> &noted() const { return m_noted; }

private:
    PortSettings m_settings;
    bool m_yesToAll;
    ExchangeFlow m_flow;
    ProgressLine m_progress;
    Interrupt m_interrupt;
    bool m_interrupted = false;
    std::optional<ArchiveEvent> m_noted;
};

// The stored port settings with the command line's port and baud rate.
PortSettings portSettingsFor(const std::optional<QString> &port, const std::optional<qint32> &baud);
