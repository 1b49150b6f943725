#include "gprsgroup.h"

#include "gsmfields.h"
#include "gsmtexts.h"
#include "keyfilteredit.h"
#include "partcontrols.h"
#include "dialogs.h"
#include "proc.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kIpMask = QStringLiteral("999.999.999.999; ");
constexpr int kIntervalDigits = 3;
const QString kShownAsStoredHint =
    QStringLiteral("У модулі записано значення, яке не читається як число; показано, як записано");

int maxLengthOf(const GprsBlock &block)
{
    switch (block.kind) {
    case GprsFieldKind::Digits:
        return gsmimage::kDigitFieldWidth;
    case GprsFieldKind::AccessPoint:
        return gsmimage::kAccessPointMaxLength;
    case GprsFieldKind::Ip:
        return gsmimage::kIpTextLength;
    case GprsFieldKind::Interval:
        break;
    }
    return kIntervalDigits;
}

// Intervals are minutes in one byte: decimal digits in both modules.
const KeyFilter &filterOf(const GprsBlock &block, GprsDigits digits)
{
    if (block.kind == GprsFieldKind::AccessPoint)
        return accessPointKeyFilter();
    if (block.kind == GprsFieldKind::Digits && digits == GprsDigits::Hexadecimal)
        return hexKeyFilter();
    return digitKeyFilter();
}

} // namespace

GprsGroup::GprsGroup(const QString &caption, GprsDigits digits, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(QStringLiteral("gbGPRS"));
    auto *form = new QFormLayout(this);
    for (const GprsBlock &b : gprsBlocks()) {
        QLineEdit *e = createEdit(b, digits);
        auto *label = new QLabel(QString::fromUtf8(b.label));
        form->addRow(label, e);
        if (b.field == GprsField::HiddenCode)
            m_hiddenCodeLabel = label;
    }
}

QLineEdit *GprsGroup::createEdit(const GprsBlock &block, GprsDigits digits)
{
    const std::size_t index = std::size_t(block.field);
    m_maxLengths[index] = maxLengthOf(block);
    QLineEdit *e = createNamedEdit(QString::fromLatin1(block.objectName), m_maxLengths[index]);
    m_edits[index] = e;
    if (block.kind == GprsFieldKind::Ip) {
        e->setInputMask(kIpMask);
        e->installEventFilter(this);
        return e;
    }
    KeyFilterInstaller::install(e, filterOf(block, digits));
    if (block.kind == GprsFieldKind::Interval)
        e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, e] {
        markAdjusted(e, false, QString());
        Q_EMIT changed();
    });
    return e;
}

// Bytes shown as stored may be longer than the field takes from the keyboard.
void GprsGroup::load(const GprsTexts &texts)
{
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        m_edits[i]->setMaxLength(std::max(m_maxLengths[i], int(texts[i].size())));
        m_edits[i]->setText(texts[i]);
    }
}

GprsTexts GprsGroup::value() const
{
    GprsTexts texts;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        texts[i] = m_edits[i]->text();
    return texts;
}

void GprsGroup::markShownAsStored(const ShownAsStored &names)
{
    for (QLineEdit *e : m_edits)
        markAdjusted(e, names.contains(e->objectName()), kShownAsStoredHint);
}

void GprsGroup::setIdentifierWidth(int width)
{
    m_maxLengths[std::size_t(GprsField::Identifier)] = width;
    edit(GprsField::Identifier)->setMaxLength(width);
}

void GprsGroup::setHiddenCodeEnabled(bool enabled)
{
    edit(GprsField::HiddenCode)->setEnabled(enabled);
    m_hiddenCodeLabel->setEnabled(enabled);
}

bool GprsGroup::eventFilter(QObject *watched, QEvent *event)
{
    auto *e = qobject_cast<QLineEdit *>(watched);
    if (e && event->type() == QEvent::KeyRelease) {
        if (e->inputMask().isEmpty())
            applyIntervalLimit(e);
        else
            checkIp(e);
    }
    return QGroupBox::eventFilter(watched, event);
}

void GprsGroup::checkIp(QLineEdit *e)
{
    if (isValidIp(e->text()))
        return;
    ShowError(kErrBadIpAddress);
    e->clear();
}

void applyIntervalLimit(QLineEdit *e)
{
    const std::optional<QString> clamped = clampedInterval(e->text());
    if (!clamped)
        return;
    e->setText(*clamped);
    e->selectAll();
    dialogs().showMessage(Dialogs::Kind::Information, gsmtext::kIntervalLimit);
}
