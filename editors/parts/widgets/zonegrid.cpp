#include "zonegrid.h"

#include "partcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

const char kColumnLetters[] = "ABCDE";
constexpr int kFirstOutputColumn = 3; // grid column of the first output, after number, type, mode

// Item backgrounds of the detector-type and mode combos, by item index.
const QColor kItemColours[] = {Qt::white, QColor(0xD9, 0xEB, 0xFF), QColor(0xE1, 0xFF, 0xEF),
                               QColor(0xFF, 0xFF, 0xE6)};

QComboBox *createColouredCombo(const QString &name, const QStringList &items)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    for (int i = 0; i < items.size() && model; ++i) {
        model->item(i)->setBackground(kItemColours[i % 4]);
        model->item(i)->setForeground(Qt::black);
    }
    return combo;
}

int partnerZone(int zone)
{
    return zone % 2 ? zone + 1 : zone - 1;
}

} // namespace

ZoneGrid::ZoneGrid(ZoneGridConfig config, QWidget *parent) : QWidget(parent), m_config(std::move(config))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createTable());
    if (!m_config.indicators.isEmpty())
        layout->addWidget(createIndicators());
}

QWidget *ZoneGrid::createTable()
{
    auto *box = new QGroupBox(QStringLiteral("Зони"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("№ зони")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Тип сповіщувача")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Режим збігу")), 0, 2);
    for (int place = 0; place < m_config.columns.size(); ++place) {
        const OutputColumn &column = m_config.columns.at(place);
        auto *header = new QLabel(column.caption);
        header->setObjectName(QStringLiteral("lbExit%1").arg(column.index + 1));
        header->setCursor(Qt::PointingHandCursor);
        header->setToolTip(QStringLiteral("Інвертувати стовпчик"));
        header->installEventFilter(this);
        grid->addWidget(header, 0, kFirstOutputColumn + place, Qt::AlignCenter);
        m_headers[std::size_t(column.index)] = header;
    }
    for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone)
        createRow(grid, zone, zone - m_config.zones.first + 1);
    return box;
}

void ZoneGrid::createRow(QGridLayout *grid, int zone, int line)
{
    Row &r = row(zone);
    grid->addWidget(new QLabel(QString::number(zone)), line, 0);
    r.type = createColouredCombo(QStringLiteral("cbTypeMessage%1").arg(zone), m_config.detectorTypes);
    r.mode = createColouredCombo(QStringLiteral("cbMode%1").arg(zone), m_config.modes);
    grid->addWidget(r.type, line, 1);
    grid->addWidget(r.mode, line, 2);
    connect(r.mode, &QComboBox::activated, this, [this, zone] { modeChosen(zone); });
    connect(r.type, &QComboBox::activated, this, [this, zone] { typeChosen(zone); });
    for (int place = 0; place < m_config.columns.size(); ++place) {
        const int column = m_config.columns.at(place).index;
        auto *box = new QCheckBox;
        box->setObjectName(QStringLiteral("ckb%1%2").arg(QLatin1Char(kColumnLetters[column])).arg(zone));
        box->setProperty("column", column);
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, &ZoneGrid::changed);
        // Also on boxes set by the program, so the indicators follow a decoded image.
        connect(box, &QCheckBox::toggled, this, &ZoneGrid::updateIndicators);
        grid->addWidget(box, line, kFirstOutputColumn + place, Qt::AlignCenter);
        r.outputs[std::size_t(column)] = box;
    }
}

QWidget *ZoneGrid::createIndicators()
{
    auto *panel = new QWidget;
    auto *row = new QHBoxLayout(panel);
    for (const RelayIndicator &indicator : m_config.indicators) {
        auto *frame = new QLabel(indicator.text);
        frame->setObjectName(indicator.name);
        frame->setFrameShape(QFrame::Box);
        frame->setStyleSheet(QStringLiteral("color: #b00000; padding: 3px;"));
        row->addWidget(frame);
        m_indicators.append(frame);
    }
    row->addStretch();
    return panel;
}

void ZoneGrid::setExclusionRule(std::function<bool()> applies)
{
    m_exclusion = std::move(applies);
}

void ZoneGrid::load(const ZoneList &zones)
{
    for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone) {
        const ZoneSettings &z = zones[std::size_t(zone - 1)];
        Row &r = row(zone);
        r.type->setCurrentIndex(z.detectorType);
        r.mode->setCurrentIndex(z.mode);
        for (int column = 0; column < kOutputColumnCount; ++column) {
            if (QCheckBox *box = r.outputs[std::size_t(column)])
                box->setChecked(z.outputs[std::size_t(column)]);
        }
    }
    Q_EMIT modesChanged();
}

void ZoneGrid::store(ZoneList &zones) const
{
    for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone) {
        ZoneSettings &z = zones[std::size_t(zone - 1)];
        const Row &r = row(zone);
        z.detectorType = r.type->currentIndex();
        z.mode = r.mode->currentIndex();
        for (int column = 0; column < kOutputColumnCount; ++column) {
            if (const QCheckBox *box = r.outputs[std::size_t(column)])
                z.outputs[std::size_t(column)] = box->isChecked();
        }
    }
}

bool ZoneGrid::anyZoneInMode(int mode) const
{
    for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone) {
        if (row(zone).mode->currentIndex() == mode)
            return true;
    }
    return false;
}

bool ZoneGrid::exclusionApplies() const
{
    return m_exclusion && m_exclusion();
}

// "по двох зонах" always holds for both zones of a pair. The partner's selection is set
// directly, without its own rules.
void ZoneGrid::modeChosen(int zone)
{
    Row &r = row(zone);
    const int partner = partnerZone(zone);
    if (m_config.zones.contains(partner)) {
        QComboBox *partnerMode = row(partner).mode;
        if (r.mode->currentIndex() == kModeTwoZones)
            partnerMode->setCurrentIndex(kModeTwoZones);
        else if (partnerMode->currentIndex() == kModeTwoZones)
            partnerMode->setCurrentIndex(kModeNone);
    }
    Q_EMIT modesChanged();
    if (exclusionApplies() && r.mode->currentIndex() == kModeTwoDetectors
        && r.type->currentIndex() == kDetectorOpen)
        r.type->setCurrentIndex(kDetectorClosed);
    Q_EMIT changed();
}

// The change is told after the rule has run, so that whoever keeps the edit keeps it whole.
void ZoneGrid::typeChosen(int zone)
{
    Row &r = row(zone);
    if (exclusionApplies() && r.type->currentIndex() == kDetectorOpen
        && r.mode->currentIndex() == kModeTwoDetectors)
        r.mode->setCurrentIndex(kModeNone);
    Q_EMIT changed();
}

// The inversion is not an edit of its own: it adds no changed mark.
void ZoneGrid::invertColumn(int column)
{
    for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone) {
        QCheckBox *box = row(zone).outputs[std::size_t(column)];
        box->setChecked(!box->isChecked());
    }
}

void ZoneGrid::updateIndicators()
{
    for (int i = 0; i < m_indicators.size(); ++i) {
        const int column = m_config.indicators.at(i).column;
        bool anyChecked = false;
        for (int zone = m_config.zones.first; zone <= m_config.zones.last; ++zone)
            anyChecked = anyChecked || row(zone).outputs[std::size_t(column)]->isChecked();
        m_indicators.at(i)->setVisible(!anyChecked);
    }
}

bool ZoneGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (auto *box = qobject_cast<QCheckBox *>(watched)) {
        if (type == QEvent::Enter || type == QEvent::Leave) {
            QLabel *header = m_headers[std::size_t(box->property("column").toInt())];
            setTextColour(header, type == QEvent::Enter ? Qt::blue : Qt::black);
        }
    } else if (type == QEvent::MouseButtonRelease) {
        const auto found = std::find(m_headers.begin(), m_headers.end(), watched);
        if (found != m_headers.end())
            invertColumn(int(found - m_headers.begin()));
    }
    return QWidget::eventFilter(watched, event);
}
