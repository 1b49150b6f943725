#pragma once

#include "recordsites.h"

#include <QDialog>

class QLineEdit;

// "Об'єкт і адреса для протоколу": the site a device's records name, typed the first time.
class RecordSiteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RecordSiteDialog(QWidget *parent = nullptr);
    RecordSite site() const;

private:
    QLineEdit *m_site;
    QLineEdit *m_address;
};
