#pragma once

#include "sitearchive.h"

#include <QDialog>
#include <optional>
#include <variant>

class FieldsForm;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// A device just read that the archive does not know, or knows on more than one site.
struct NewDeviceRequest {
    quint8 typeCode = 0;
    quint8 variant = 0;
    QString objectNumber;
    QList<DeviceRecord> matches{}; // the known devices of that model with that number
};

// Where a new device goes: the site, and the place there.
struct NewDevicePlace {
    SiteId site = 0;
    QString place;

    bool operator==(const NewDevicePlace &) const = default;
};

// The device the read belongs to: a known one, or a new one to add.
using DeviceChoice = std::variant<DeviceId, NewDevicePlace>;

// "Новий прилад": shows the model, the variant and the object number read, and asks which
// site the device is on (found by name or address, or created here) and where it hangs;
// or, when several known devices match, which of them it is.
class NewDeviceDialog : public QDialog
{
    Q_OBJECT
public:
    // `archive` outlives the dialog.
    NewDeviceDialog(SiteArchive &archive, const NewDeviceRequest &request, QWidget *parent = nullptr);

    // Runs the dialog through dialogs(): the choice, nothing when cancelled.
    static std::optional<DeviceChoice> choose(SiteArchive &archive, const NewDeviceRequest &request,
                                              QWidget *parent = nullptr);
    // What the controls say now; nothing while neither a site nor a known device is chosen.
    std::optional<DeviceChoice> choice() const;

private:
    QWidget *makeMatches(const QList<DeviceRecord> &matches);
    QWidget *makeSiteChooser();
    void findSites(SiteId current);
    void createSite();
    void prefer(QRadioButton *way);
    void updateOk();

    SiteArchive &m_archive;
    QList<SiteRecord> m_siteRecords;
    QRadioButton *m_existing = nullptr; // only when known devices match
    QRadioButton *m_new = nullptr;
    QTreeWidget *m_matches = nullptr;
    QLineEdit *m_siteSearch = nullptr;
    QTreeWidget *m_sites = nullptr;
    FieldsForm *m_newSite = nullptr;
    QLineEdit *m_place = nullptr;
    QPushButton *m_ok = nullptr;
};

// The device `event` belongs to: the one known device of its model and object number; after
// a read or a write the archive cannot place for sure, the one the user picks or adds in
// "Новий прилад". 0 when there is none: the dialog cancelled, a comparison, an event of no
// device, or images that hold no object number.
ArchiveResult<DeviceId> eventDevice(SiteArchive &archive, const ArchiveEvent &event, QWidget *parent = nullptr);
