#pragma once

#include "exchangestate.h"
#include "portsettings.h"

#include <QObject>
#include <functional>
#include <memory>

class TMainCPort;

// "Перевірити зв'язок" of the port dialog: one identification over given port settings,
// told in one sentence: the model and variant that answered, that nothing answered, or
// why the port did not open. It keeps its own exchange state, so the program's last
// identification stays as it was.
class ConnectionCheck : public QObject
{
    Q_OBJECT
public:
    // Makes the link the check talks through (settings are set on it afterwards).
    using LinkMaker = std::function<std::unique_ptr<TMainCPort>(ExchangeState &)>;

    explicit ConnectionCheck(LinkMaker makeLink, QObject *parent = nullptr);
    ~ConnectionCheck() override;

    // Starts a check unless one runs; `finished` follows, at once when the port does not open.
    void start(const PortSettings &settings);
    bool running() const { return m_link != nullptr; }

Q_SIGNALS:
    void finished(const QString &verdict);

protected:
    bool event(QEvent *event) override;

private:
    void finish(const QString &verdict);

    LinkMaker m_makeLink;
    ExchangeState m_state;
    std::unique_ptr<TMainCPort> m_link;
};

// What the check says about a device that answered with `typeCode` and `variant`.
QString answeredVerdict(quint8 typeCode, quint8 variant);
