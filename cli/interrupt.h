#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

// Ctrl+C while an exchange runs: the signal handler only writes a byte into a pipe, and the
// event loop reads it and calls `interrupted`, so that the exchange stops after the request
// in flight. A second Ctrl+C ends the program at once (the default action is restored).
class Interrupt : public QObject
{
    Q_OBJECT
public:
    explicit Interrupt(std::function<void()> interrupted, QObject *parent = nullptr);
    ~Interrupt() override;

private:
    void readPipe();

    std::function<void()> m_interrupted;
    QSocketNotifier *m_notifier = nullptr;
};
