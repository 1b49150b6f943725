#pragma once

#include "zonetable.h"

#include <QList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

struct OutputColumn {
    int index;       // 0 to 4: the letter A to E of its boxes ckb<letter><zone>; header lbExit<index + 1>
    QString caption; // of the header
};

// Shown while no zone switches the column's output.
struct RelayIndicator {
    int column; // OutputColumn::index
    QString text;
    QString name;
};

struct ZoneGridConfig {
    ZoneRange zones;
    QList<OutputColumn> columns;
    QList<RelayIndicator> indicators;
    QStringList detectorTypes = detectorTypeItems();
    QStringList modes = coincidenceModeItems();
};

// The zone table: per zone the detector type (cbTypeMessage<z>), the coincidence mode
// (cbMode<z>) and the output boxes. Zones pair 1-2, 3-4, ... for "по двох зонах"; a header
// click inverts its column; the header of the column under the pointer is drawn blue.
class ZoneGrid : public QWidget
{
    Q_OBJECT
public:
    explicit ZoneGrid(ZoneGridConfig config, QWidget *parent = nullptr);

    // Whether a zone may not combine "по двох СП" with "розімкнутий" (early firmware); asked at
    // every change. Without a rule the combination is allowed.
    void setExclusionRule(std::function<bool()> applies);

    void load(const ZoneList &zones);
    void store(ZoneList &zones) const;
    bool anyZoneInMode(int mode) const;

Q_SIGNALS:
    void changed();
    void modesChanged(); // after the user chose a mode, and after load

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        QComboBox *type = nullptr;
        QComboBox *mode = nullptr;
        std::array<QCheckBox *, kOutputColumnCount> outputs{}; // none where the grid has no column
    };

    QWidget *createTable();
    QWidget *createIndicators();
    void createRow(QGridLayout *grid, int zone, int line);
    Row &row(int zone) { return m_rows[std::size_t(zone - 1)]; }
    const Row &row(int zone) const { return m_rows[std::size_t(zone - 1)]; }
    void modeChosen(int zone);
    void typeChosen(int zone);
    bool exclusionApplies() const;
    void invertColumn(int column);
    void updateIndicators();

    ZoneGridConfig m_config;
    std::array<Row, kMaxZones> m_rows;
    std::array<QLabel *, kOutputColumnCount> m_headers{};
    QList<QLabel *> m_indicators; // by m_config.indicators
    std::function<bool()> m_exclusion;
};
