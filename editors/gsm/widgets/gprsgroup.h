#pragma once

#include "gsmsettings.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

// After a key release in an interval edit: a value above 240 becomes "240", selected, and
// the user is told the limit.
void applyIntervalLimit(QLineEdit *edit);

// Which key filter the digit fields take: the GSM module's decimal digits or the GSM.4
// module's hexadecimal ones.
enum class GprsDigits { Decimal, Hexadecimal };

// The GPRS settings both GSM modules share, one edit per block of the memory map with the
// documented names: the IP check after every key, the 240-minute limit of the intervals.
// Edits of the identifier, hidden code, access points, ports and intervals are changes;
// edits of the IP addresses are not.
class GprsGroup : public QGroupBox
{
    Q_OBJECT
public:
    GprsGroup(const QString &caption, GprsDigits digits, QWidget *parent = nullptr);

    void load(const GprsTexts &texts);
    GprsTexts value() const;
    // Marks the edits named as showing their bytes as stored (and clears the others).
    void markShownAsStored(const ShownAsStored &names);

    void setIdentifierWidth(int width);
    void setHiddenCodeEnabled(bool enabled);

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *createEdit(const GprsBlock &block, GprsDigits digits);
    void checkIp(QLineEdit *edit);
    QLineEdit *edit(GprsField field) const { return m_edits[std::size_t(field)]; }

    std::array<QLineEdit *, kGprsFieldCount> m_edits{};
    std::array<int, kGprsFieldCount> m_maxLengths{};
    QLabel *m_hiddenCodeLabel = nullptr;
};
