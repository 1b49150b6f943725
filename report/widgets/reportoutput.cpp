#include "reportoutput.h"

#include "changedsettings.h"
#include "dialogs.h"

#include <QCheckBox>

#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QToolBar>

namespace {

constexpr int kPdfResolution = 150; // dots per inch of the page layout

void printHtml(const QString &html, QPagedPaintDevice &device)
{
    QTextDocument document;
    document.setHtml(html);
    document.print(&device);
}

} // namespace

bool writeHtmlPdf(const QString &path, const QString &html, const QString &title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(title);
        printHtml(html, pdf);
    }
    return file.size() > 0 && file.commit();
}

bool writeReportPdf(const QString &path, const SettingsReport &report)
{
    return writeHtmlPdf(path, reportHtml(report), report.title);
}

void previewReport(const SettingsReport &report, const std::optional<SettingsReport> &factory)
{
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(report.title);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(QStringLiteral("Попередній перегляд звіту"));
    QString html = reportHtml(report);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html](QPrinter *target) { printHtml(html, *target); });
    auto *toolBar = preview.findChild<QToolBar *>();
    if (factory && toolBar) {
        auto *changedOnly = new QCheckBox(QStringLiteral("Лише змінені налаштування"), toolBar);
        changedOnly->setObjectName(QStringLiteral("ckbChangedOnly"));
        toolBar->addWidget(changedOnly);
        QObject::connect(changedOnly, &QCheckBox::toggled, &preview, [&](bool on) {
            html = reportHtml(on ? changedSettings(report, *factory) : report);
            if (auto *pages = preview.findChild<QPrintPreviewWidget *>())
                pages->updatePreview();
        });
    }
    dialogs().execDialog(&preview);
}
