#include "newdevicedialog.h"

#include "archivetexts.h"
#include "devicematching.h"
#include "dialogs.h"
#include "fieldsdialog.h"
#include "recordtree.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDialogWidth = 560;

constexpr int kNewSiteFields = 3; // name, address and contact: notes can wait for the archive window

QLabel *valueLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QWidget *makeHeader(const NewDeviceRequest &request, QWidget *parent)
{
    auto *header = new QWidget(parent);
    auto *form = new QFormLayout(header);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Модель:"), valueLabel(deviceTitle(request.typeCode, request.variant),
                                                       QStringLiteral("lbModel"), header));
    form->addRow(QStringLiteral("Версія:"), valueLabel(QString::number(request.variant), QStringLiteral("lbVariant"), header));
    form->addRow(QStringLiteral("Об'єктовий номер:"),
                 valueLabel(request.objectNumber.isEmpty() ? QStringLiteral("(немає)") : request.objectNumber,
                            QStringLiteral("lbObjectNumber"), header));
    return header;
}

} // namespace

NewDeviceDialog::NewDeviceDialog(SiteArchive &archive, const NewDeviceRequest &request, QWidget *parent)
    : QDialog(parent), m_archive(archive)
{
    setObjectName(QStringLiteral("NewDeviceDialog"));
    setWindowTitle(QStringLiteral("Новий прилад"));
    // Wide enough for a site's name, address and contact side by side.
    setMinimumWidth(kDialogWidth);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeHeader(request, this));
    if (!request.matches.isEmpty())
        layout->addWidget(makeMatches(request.matches));
    layout->addWidget(makeSiteChooser());
    QDialogButtonBox *buttons = addOkCancel(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    findSites(0);
}

std::optional<DeviceChoice> NewDeviceDialog::choose(SiteArchive &archive, const NewDeviceRequest &request, QWidget *parent)
{
    NewDeviceDialog dialog(archive, request, parent);
    if (dialogs().execDialog(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<DeviceChoice> NewDeviceDialog::choice() const
{
    if (m_existing && m_existing->isChecked()) {
        const DeviceId device = currentRecordId(*m_matches);
        return device ? std::optional<DeviceChoice>(device) : std::nullopt;
    }
    const SiteId site = currentRecordId(*m_sites);
    return site ? std::optional<DeviceChoice>(NewDevicePlace{site, m_place->text().trimmed()}) : std::nullopt;
}

// Known devices named by their site; choosing one of them, or the way of a new device.
QWidget *NewDeviceDialog::makeMatches(const QList<DeviceRecord> &matches)
{
    m_existing = new QRadioButton(QStringLiteral("Це відомий прилад:"), this);
    m_existing->setObjectName(QStringLiteral("rbExisting"));
    m_new = new QRadioButton(QStringLiteral("Це новий прилад"), this);
    m_new->setObjectName(QStringLiteral("rbNew"));
    m_existing->setChecked(true);
    m_matches = makeRecordTree(QStringLiteral("twMatches"), siteHeaders().mid(0, 1) + deviceHeaders().mid(2), this);
    fillRecords(*m_matches, matches, [this](const DeviceRecord &device) {
        const QString site = m_archive.site(device.info.site).value.info.name;
        return QStringList{withArchivedMark(site, device.archived), device.info.place, device.info.notes};
    }, 0);
    connect(m_matches, &QTreeWidget::currentItemChanged, this, [this] { prefer(m_existing); });
    connect(m_existing, &QRadioButton::toggled, this, &NewDeviceDialog::updateOk);
    return makeGroupBox(QStringLiteral("Прилади з цим номером"), {m_existing, m_matches, m_new}, this);
}

QWidget *NewDeviceDialog::makeSiteChooser()
{
    m_siteSearch = new QLineEdit(this);
    m_siteSearch->setObjectName(QStringLiteral("edSiteSearch"));
    m_siteSearch->setPlaceholderText(QStringLiteral("пошук за назвою або адресою"));
    m_sites = makeRecordTree(QStringLiteral("twSites"), siteHeaders(), this);
    m_newSite = new FieldsForm(siteFields({}).mid(0, kNewSiteFields), this);
    auto *create = new QPushButton(QStringLiteral("Створити об'єкт"), this);
    create->setObjectName(QStringLiteral("btnCreateSite"));
    create->setAutoDefault(false);
    auto *place = new FieldsForm({{QStringLiteral("Місце:"), QStringLiteral("edPlace")}}, this);
    m_place = place->findChild<QLineEdit *>();
    connect(m_siteSearch, &QLineEdit::textChanged, this, [this] { findSites(currentRecordId(*m_sites)); });
    connect(m_sites, &QTreeWidget::currentItemChanged, this, [this] { prefer(m_new); });
    connect(m_place, &QLineEdit::textEdited, this, [this] { prefer(m_new); });
    connect(create, &QPushButton::clicked, this, &NewDeviceDialog::createSite);

    QGroupBox *newSite = makeGroupBox(QStringLiteral("Або новий об'єкт"), {m_newSite, create}, this);
    return makeGroupBox(QStringLiteral("Об'єкт"), {m_siteSearch, m_sites, newSite, place}, this);
}

void NewDeviceDialog::findSites(SiteId current)
{
    const ArchiveResult<QList<SiteRecord>> found = m_archive.findSites({m_siteSearch->text()});
    if (!reportFailure(found.error))
        m_siteRecords = found.value;
    fillRecords(*m_sites, m_siteRecords, siteCells, current);
    updateOk();
}

// The new site becomes the chosen one, shown whatever was searched for.
void NewDeviceDialog::createSite()
{
    const ArchiveResult<SiteId> added = m_archive.addSite(siteInfoOf(m_newSite->values()));
    if (reportFailure(added.error))
        return;
    m_newSite->clear();
    {
        const QSignalBlocker quiet(m_siteSearch);
        m_siteSearch->clear();
    }
    findSites(added.value);
    prefer(m_new);
}

void NewDeviceDialog::prefer(QRadioButton *way)
{
    if (way)
        way->setChecked(true);
    updateOk();
}

void NewDeviceDialog::updateOk()
{
    m_ok->setEnabled(choice().has_value());
}

ArchiveResult<DeviceId> eventDevice(SiteArchive &archive, const ArchiveEvent &event, QWidget *parent)
{
    if (!belongsToDevice(event))
        return {};
    const ArchiveResult<DeviceMatch> match = matchEventDevice(archive, event);
    const DeviceMatch &found = match.value;
    // A comparison changes nothing on the device: it is not worth a question.
    if (!match.ok() || found.single() || found.objectNumber.isEmpty() || event.kind == EventKind::Compare)
        return {found.single(), match.error};
    const std::optional<DeviceChoice> choice =
        NewDeviceDialog::choose(archive, {event.typeCode, event.variant, found.objectNumber, found.devices}, parent);
    if (!choice)
        return {};
    if (const DeviceId *known = std::get_if<DeviceId>(&*choice))
        return {*known, {}};
    const NewDevicePlace &place = std::get<NewDevicePlace>(*choice);
    return addEventDevice(archive, place.site, event, place.place);
}
