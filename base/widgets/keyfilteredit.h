#pragma once

#include "proc.h"

#include <QObject>

class QLineEdit;

// Applies a key filter to a line edit: refused typed keys are swallowed with the filter's
// message; pasted or dropped text loses the characters the filter refuses.
class KeyFilterInstaller : public QObject
{
    Q_OBJECT
public:
    static void install(QLineEdit *edit, const KeyFilter &filter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyFilterInstaller(QLineEdit *edit, const KeyFilter &filter);
    void dropRefused(QLineEdit *edit);

    const KeyFilter &m_filter;
};
