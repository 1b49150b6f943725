#pragma once

#include "exchangeprogress.h"

#include <QFrame>

class ExchangeFlow;
class QLabel;
class QProgressBar;
class QPushButton;
class Shell;
class TPacketList;

// The busy display of an exchange, docked in the main window's status bar so that it
// covers no editor: a progress bar (busy until a maximum is set), the share, bytes and
// time left of a measured exchange, and "Скасувати" (also Esc), which stops the exchange
// after the request in flight. Its stage text goes with status panel 0, which the
// operations set alike. At most one exists at a time.
class TProgressForm : public QFrame
{
    Q_OBJECT
public:
    // Creates and shows the display in `mainWindow`'s status bar, replacing any earlier one.
    static TProgressForm *open(QWidget *mainWindow);
    // The display while it exists, else null.
    static TProgressForm *instance();
    // Closes and frees the display if it exists.
    static void closeAll();
    // What measures the time left (the steady clock unless a test says otherwise).
    static void setClock(const ProgressClock &clock);

    void setText(const QString &text);
    QString text() const;
    // 0 makes the bar a busy indicator.
    void setMaximum(int maximum);
    int maximum() const;
    void setPosition(int position);
    int position() const;

    // Measures `list` from now: the details then follow answered().
    void measure(const TPacketList &list);
    void answered(int count);
    QString details() const;

    // The user asked to stop. The request stands until the display closes, so that an
    // exchange that would follow the one stopped does not start.
    bool cancelRequested() const { return m_cancelRequested; }
    void requestCancel();

private:
    explicit TProgressForm(QWidget *mainWindow);
    ~TProgressForm() override;
    void dockIn(QWidget *mainWindow);

    QString m_text;
    QProgressBar *m_bar;
    QLabel *m_lbDetails;
    QPushButton *m_btnCancel;
    ProgressMeter m_meter;
    bool m_measuring = false;
    bool m_cancelRequested = false;
};

// Shows every step of `flow` on the display whenever one exists (its stage text also in
// status panel 0 of `shell`), and lets its "Скасувати" stop the flow.
void showFlowProgress(ExchangeFlow &flow, Shell &shell);
