#include "qtdialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// Texts keep the carriage returns of the message table; a message box breaks on \n.
QString displayText(QString text)
{
    return text.replace(u'\r', u'\n');
}

QString titleFor(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Error: return QStringLiteral("Помилка");
    case Dialogs::Kind::Warning: return QStringLiteral("Попередження");
    case Dialogs::Kind::Information: break;
    }
    return QStringLiteral("Інформація");
}

QMessageBox::Icon iconFor(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Error: return QMessageBox::Critical;
    case Dialogs::Kind::Warning: return QMessageBox::Warning;
    case Dialogs::Kind::Information: break;
    }
    return QMessageBox::Information;
}

bool ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton yes)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Підтвердження"), displayText(text),
                    buttons, parent);
    return box.exec() == yes;
}

} // namespace

QString qtFileFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &pattern = parts.at(i + 1);
        // A description may carry its pattern already: "Всі файли (*.*)".
        const QString description = parts.at(i).section(u'(', 0, 0).trimmed();
        filters.append(description + QStringLiteral(" (") + pattern + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDialogs::showMessage(Kind kind, const QString &text, const QString &detail)
{
    QMessageBox box(iconFor(kind), titleFor(kind), displayText(text), QMessageBox::Ok, m_parent);
    box.setInformativeText(displayText(detail));
    box.exec();
}

bool QtDialogs::askYesNo(const QString &text)
{
    return ask(m_parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

bool QtDialogs::askOkCancel(const QString &text)
{
    return ask(m_parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

QString QtDialogs::openFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, QString(), request.directory, qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::saveFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, QString(), request.directory, qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The program asks about overwriting itself, in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::existingDirectory(const QString &caption, const QString &start)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, start);
}

int QtDialogs::execDialog(QObject *dialog)
{
    auto *window = qobject_cast<QDialog *>(dialog);
    return window ? window->exec() : QDialog::Rejected;
}
