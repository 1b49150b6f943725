#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

class SimEndpoint;

// The wire between the program and a SimEndpoint. Received bytes go to the endpoint at
// once; its reply pieces come out of transmit() when the wire would have carried them.
// With a baud rate every byte costs 10 bit times each way (start bit, 8 data bits, stop
// bit): a request is complete when its last byte has arrived, a reply piece leaves when
// its last byte has gone, and the two directions run side by side. Without a baud rate
// a reply leaves from the event loop right after the request (plus any fault delay).
class SimLine : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBitsPerByte = 10;
    // A request frame that stops arriving for this long is given up as noise.
    static constexpr int kIdleResyncMs = 100;

    explicit SimLine(SimEndpoint &endpoint, int baudRate = 0, QObject *parent = nullptr);

    // Reply bytes pass a USB-to-serial adapter with this latency timer (0: none).
    void setAdapterLatency(int ms);

    void receive(const QByteArray &bytes);
    // No reply piece is waiting to be sent.
    bool idle() const { return m_queue.isEmpty(); }

Q_SIGNALS:
    void transmit(const QByteArray &bytes);

private:
    struct Pending {
        qint64 dueNs;
        QByteArray bytes;
    };

    qint64 wireNs(qsizetype bytes) const;
    void arm();
    void sendDue();
    void waitUntil(qint64 dueNs) const;
    void enqueue(qint64 startNs, const QByteArray &bytes);

    SimEndpoint &m_endpoint;
    qint64 m_byteNs; // wire time of one byte; 0 without pacing
    qint64 m_adapterLatencyNs = 0;
    QElapsedTimer m_clock;
    qint64 m_receiveFreeNs = 0;  // when the last received byte has fully arrived
    qint64 m_transmitFreeNs = 0; // when the last queued byte has fully left
    QQueue<Pending> m_queue;
    QTimer m_sendTimer;
    QTimer m_idleTimer;
};
