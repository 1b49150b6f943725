#pragma once

#include "telephonenumber.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

struct TelephoneFieldConfig {
    int number;      // edTelNum<number>, sbPause<number>, sbFindSignal<number>, sbTonePulse<number>
    QString caption; // above the edit
};

// A telephone number with its pause, signal-search and tone/pulse buttons. The field keeps
// the code string the device stores, rebuilt from the text after every edit; the edit's
// hint shows it.
class TelephoneField : public QWidget
{
    Q_OBJECT
public:
    explicit TelephoneField(const TelephoneFieldConfig &config, QWidget *parent = nullptr);

    void load(const TelephoneNumber &number);
    TelephoneNumber value() const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *createButton(const QString &name, const QString &text, const QString &hint);
    void setCodeString(const QString &codeString);
    void rebuildCodeString();
    void edited();
    void insertMark(QChar mark);
    void toneClicked();
    void setToneState(bool tone, bool fromImage);

    QLineEdit *m_edit;
    QToolButton *m_pause;
    QToolButton *m_findSignal;
    QToolButton *m_tonePulse;
    QString m_codeString;
};
