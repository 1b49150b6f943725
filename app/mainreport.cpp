// Report commands of the main window: the active editor's settings report written as RTF and
// opened in the system's viewer (F11), shown in a print preview, or written as PDF.
#include "main.h"

#include "dialogs.h"
#include "editorwindow.h"
#include "filehistory.h"
#include "proc.h"
#include "reportoutput.h"
#include "rtfreport.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString writtenText(const QString &path)
{
    return QStringLiteral("Звіт записано: %1").arg(QDir::toNativeSeparators(path));
}

} // namespace

EditorWindow *TMainForm::reportingEditor() const
{
    EditorWindow *window = activeEditor();
    return window && modelInfo(window->model()).hasReport ? window : nullptr;
}

// Asks where the active editor's report goes (the last folder used, and a name of the model
// and the day: "КОРВЕЛ-16П 2026-12-09.rtf") and writes it there. The path written, or
// nothing when the user cancels or it could not be written (message 9).
QString TMainForm::saveReport(const QString &suffix, const ReportWriter &write)
{
    EditorWindow *window = reportingEditor();
    if (!window)
        return {};
    const QString name = reportBaseName(window->title(), QDate::currentDate()) + u'.' + suffix;
    const QString filter = QStringLiteral("Звіт %1 (*.%2)|*.%2|Всі файли (*.*)|*.*").arg(suffix.toUpper(), suffix);
    const QString path = dialogs().saveFileName({m_files->suggestedPath(name), filter, suffix});
    if (path.isEmpty() || !confirmOverwrite(path))
        return {};
    if (!write(path, window->PrepareToPrint())) {
        ShowError(kErrWriteFile, QDir::toNativeSeparators(path));
        return {};
    }
    m_files->noteUsed(path);
    return path;
}

// A machine without an RTF viewer still has the file, and the status bar says where.
void TMainForm::mnPrintClick()
{
    const QString path = saveReport(QStringLiteral("rtf"), [](const QString &target, const SettingsReport &report) {
        const QFileInfo file(target);
        return writeReportFile(file.path(), file.fileName(), reportRtf(report)).ok();
    });
    if (path.isEmpty())
        return;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        setStatusText(0, writtenText(path));
    else
        setStatusText(0, writtenText(path) + QStringLiteral("; не вдалося відкрити його: для друку скористайтеся "
                                                            "попереднім переглядом звіту"));
}

void TMainForm::mnPreviewReportClick()
{
    EditorWindow *window = reportingEditor();
    if (!window)
        return;
    const DeviceDefinition &d = modelInfo(window->model());
    std::optional<SettingsReport> factory;
    if (d.report && d.factoryImages)
        factory = d.report(d.factoryImages(window->editorVariant()), window->editorVariant());
    previewReport(window->PrepareToPrint(), factory);
}

void TMainForm::mnReportPdfClick()
{
    const QString path = saveReport(QStringLiteral("pdf"), writeReportPdf);
    if (!path.isEmpty())
        setStatusText(0, writtenText(path));
}
