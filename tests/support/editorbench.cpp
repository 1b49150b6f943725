#include "editorbench.h"

#include "comport.h"
#include "exchangeflow.h"
#include "deviceimages.h"
#include "editorfactory.h"
#include "editorwindow.h"
#include "privatesettings.h"
#include "progress.h"
#include "scriptedtransport.h"
#include "simport.h"

#include <QDir>
#include <QSettings>
#include <QTest>

void EditorBench::startBench()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_dir->path());
    usePrivateSettings(m_dir->path());
    storeBaud(38400);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_configurator = SimConfigurator();
    m_requests.clear();
    m_portFails = false;
    m_timeoutMs = 5000;
    m_form = std::make_unique<TMainForm>(m_dir->filePath("option.ini"));
    m_form->setEditorFactory(createEditor);
    m_form->setLinkFactory([this](ExchangeState &state) {
        std::unique_ptr<QIODevice> port;
        if (m_portFails) {
            auto busy = std::make_unique<ScriptedTransport>();
            busy->failOpen = true;
            port = std::move(busy);
        } else {
            port = std::make_unique<SimPort>(*m_endpoint);
        }
        auto link = std::make_unique<TMainCPort>(state, std::move(port));
        link->LoadSettings();
        link->setReplyTimeout(m_timeoutMs);
        return link;
    });
}

void EditorBench::stopBench()
{
    m_form.reset();
    TProgressForm::closeAll();
    m_endpoint.reset();
    m_device.reset();
    m_dialogs.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

void EditorBench::storeBaud(int baud)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "VexLoad", "ComPort");
    store.setValue("BaudRate", QString::number(baud));
}

void EditorBench::makeSimulator(Model model, quint8 variant)
{
    m_device = std::make_unique<SimDevice>(modelInfo(model).typeCode, variant);
    setModelBehaviour(*m_device, model);
    m_endpoint = std::make_unique<SimEndpoint>(*m_device, &m_configurator);
    m_endpoint->setTraceObserver([this](const TraceEntry &entry) {
        if (entry.kind == TraceEntry::Kind::Request)
            m_requests.append(entry.bytes);
    });
}

void EditorBench::waitForEnd()
{
    QTRY_VERIFY_WITH_TIMEOUT(!TProgressForm::instance() && !m_form->flow().running(), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_form->activeEditor() || m_form->activeEditor()->isIdle(), 60000);
}
