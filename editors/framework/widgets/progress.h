#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class TMainCPort;

// The busy window of an exchange: borderless, on top, centred on the main window, with a
// progress bar (step 1) and one centred line of text. At most one exists at a time.
class TProgressForm : public QWidget
{
    Q_OBJECT
public:
    // Creates and shows the window over `mainWindow`, replacing any earlier one.
    static TProgressForm *open(QWidget *mainWindow);
    // The window while it exists, else null.
    static TProgressForm *instance();
    // Closes and frees the window if it exists.
    static void closeAll();

    void setText(const QString &text);
    QString text() const;
    void setMaximum(int maximum);
    int maximum() const;
    void setPosition(int position);
    int position() const;

private:
    explicit TProgressForm(QWidget *mainWindow);
    ~TProgressForm() override;
    void centreOn(QWidget *mainWindow);

    QLabel *m_lbInfo;
    QProgressBar *m_bar;
};

// Shows `link`'s progress on the progress window whenever one exists.
void showProgressOf(TMainCPort &link);
