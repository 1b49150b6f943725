#include "qtdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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

// The selection and progress windows stay on top of the main window; a box under them
// would leave the program looking frozen. Every modal window therefore stays on top as
// well, and takes the focus once it is shown.
int execOnTop(QDialog &dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}

// `yes` and `no` are the box's buttons; `byDefault` is the one Enter presses.
bool ask(QWidget *parent, const QString &text, QMessageBox::StandardButton yes, QMessageBox::StandardButton no,
         QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Підтвердження"), displayText(text), yes | no, parent);
    box.setDefaultButton(byDefault);
    box.setEscapeButton(no);
    return execOnTop(box) == yes;
}

Dialogs::Choice choiceOf(int button)
{
    switch (button) {
    case QMessageBox::Save: return Dialogs::Choice::Save;
    case QMessageBox::Discard: return Dialogs::Choice::Discard;
    default: break;
    }
    return Dialogs::Choice::Cancel;
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

// A box opened from another modal window belongs to that window.
QWidget *QtDialogs::parentWindow() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_parent;
}

void QtDialogs::showMessage(Kind kind, const QString &text, const QString &detail)
{
    QMessageBox box(iconFor(kind), titleFor(kind), displayText(text), QMessageBox::Ok,
                    parentWindow());
    box.setInformativeText(displayText(detail));
    execOnTop(box);
}

bool QtDialogs::askYesNo(const QString &text)
{
    return ask(parentWindow(), text, QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes);
}

bool QtDialogs::askOkCancel(const QString &text)
{
    return ask(parentWindow(), text, QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Ok);
}

bool QtDialogs::askYesNoSafely(const QString &text)
{
    return ask(parentWindow(), text, QMessageBox::Yes, QMessageBox::No, QMessageBox::No);
}

bool QtDialogs::askOkCancelSafely(const QString &text)
{
    return ask(parentWindow(), text, QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Cancel);
}

int QtDialogs::askWithButtons(const ButtonBox &request)
{
    QMessageBox box(iconFor(request.kind), titleFor(request.kind), displayText(request.text), QMessageBox::NoButton,
                    parentWindow());
    box.setInformativeText(displayText(request.detail));
    QList<QAbstractButton *> buttons;
    for (const QString &name : request.buttons)
        buttons.append(box.addButton(name, QMessageBox::ActionRole));
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.value(request.defaultButton)));
    box.setEscapeButton(buttons.value(request.wayOut()));
    execOnTop(box);
    const int pressed = int(buttons.indexOf(box.clickedButton()));
    return pressed < 0 ? request.wayOut() : pressed;
}

Dialogs::Choice QtDialogs::askSaveDiscardCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Підтвердження"), displayText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parentWindow());
    box.button(QMessageBox::Save)->setText(QStringLiteral("Зберегти"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не зберігати"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Скасувати"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return choiceOf(execOnTop(box));
}

QString QtDialogs::openFileName(const FileRequest &request)
{
    QFileDialog dialog(parentWindow(), QString(), request.directory, qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return execOnTop(dialog) == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::saveFileName(const FileRequest &request)
{
    QFileDialog dialog(parentWindow(), QString(), request.directory, qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The program asks about overwriting itself, in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return execOnTop(dialog) == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::existingDirectory(const QString &caption, const QString &start)
{
    QFileDialog dialog(parentWindow(), caption, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return execOnTop(dialog) == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

int QtDialogs::execDialog(QObject *dialog)
{
    auto *window = qobject_cast<QDialog *>(dialog);
    return window ? execOnTop(*window) : QDialog::Rejected;
}
