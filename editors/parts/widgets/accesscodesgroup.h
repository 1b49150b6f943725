#pragma once

#include "panelencoding.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
struct KeyFilter;

struct AccessCodesConfig {
    AccessCodeFormat level2; // edCode2
    AccessCodeFormat level3; // edCode3
};

// "Коди доступу": the two access codes, decimal digits only, as many as their formats hold,
// and the two object numbers (edNumDev1, edNumDev2, four hexadecimal digits).
class AccessCodesGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit AccessCodesGroup(const AccessCodesConfig &config, QWidget *parent = nullptr);

    void load(const QString &level2, const QString &level3, const std::array<QString, 2> &objectNumbers);
    void store(QString &level2, QString &level3, std::array<QString, 2> &objectNumbers) const;

Q_SIGNALS:
    void changed();

private:
    QLineEdit *addEdit(const QString &caption, const QString &name, int maxLength,
                       const KeyFilter &filter);

    QLineEdit *m_level2;
    QLineEdit *m_level3;
    std::array<QLineEdit *, 2> m_objectNumbers{};
};
