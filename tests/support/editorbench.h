#pragma once

#include "main.h"
#include "registry.h"
#include "scripteddialogs.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"

#include <QByteArrayList>
#include <QTemporaryDir>

#include <memory>

// End-to-end editor tests: the real main window with its editors, talking to an in-process
// simulated device and configurator, in a temporary folder with scripted dialogs. A test
// class derives from it, calls startBench() in init() and stopBench() in cleanup().
class EditorBench
{
protected:
    void startBench();
    void stopBench();
    void makeSimulator(Model model, quint8 variant);
    static void storeBaud(int baud);
    // Until the exchange started last has ended and the active editor is idle.
    void waitForEnd();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<SimDevice> m_device;
    SimConfigurator m_configurator;
    std::unique_ptr<SimEndpoint> m_endpoint;
    std::unique_ptr<TMainForm> m_form;
    QByteArrayList m_requests; // every request the simulator received
    bool m_portFails = false;  // the next links cannot open their port
    int m_timeoutMs = 5000;
};
