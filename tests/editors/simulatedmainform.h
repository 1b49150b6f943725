#pragma once

#include "main.h"
#include "scripteddialogs.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"

#include <QTemporaryDir>

#include <memory>

// The real main window and editors against the in-process simulator, for the end-to-end
// editor tests: a private folder for option.ini, the log and the port settings, scripted
// dialogs, and every link made on the simulated device (or on a port that will not open).
class SimulatedMainForm
{
protected:
    void setUp();
    void tearDown();
    static void storeBaud(int baud);
    // A device of the model and variant, its requests recorded in m_requests.
    void makeSimulator(Model model, quint8 variant);
    // Until the busy display is gone and the active editor is idle.
    void waitForEnd();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<SimDevice> m_device;
    SimConfigurator m_configurator;
    std::unique_ptr<SimEndpoint> m_endpoint;
    std::unique_ptr<TMainForm> m_form;
    QList<QByteArray> m_requests;
    bool m_portFails = false;
    int m_timeoutMs = 5000;
};
