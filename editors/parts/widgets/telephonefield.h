#pragma once

#include "panelencoding.h"
#include "telephonenumber.h"

#include <QWidget>

class QGridLayout;
class QLineEdit;
class QToolButton;

// How a field's number is typed and becomes the code string the device stores.
enum class TelephoneStyle {
    Panel,   // up to 16 digits, "+" and "*", with pause, signal-search and tone/pulse buttons
    Dialled, // up to `digits` decimal digits, no buttons; the code string is the text
             // followed by "D" up to `digits`
};

struct TelephoneFieldConfig {
    int number;      // edTelNum<number>, sbPause<number>, sbFindSignal<number>, sbTonePulse<number>
    QString caption; // above the edit
    TelephoneStyle style = TelephoneStyle::Panel;
    int digits = kTelephoneDigits; // Dialled: the code string's length
};

// A telephone number, with its pause, signal-search and tone/pulse buttons in the panels'
// style. The field keeps the code string the device stores, rebuilt from the text after
// every edit; the edit's hint shows it.
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

    void createButtons(int number, QGridLayout *grid);

    TelephoneFieldConfig m_config;
    QLineEdit *m_edit;
    QToolButton *m_tonePulse = nullptr; // Panel style only
    QString m_codeString;
};
