#include "changedsettings.h"

namespace {

QList<QStringList> changedRows(const ReportBlock &block, const ReportBlock *factory)
{
    QList<QStringList> rows;
    for (qsizetype i = 0; i < block.rows.size(); ++i) {
        if (!factory || factory->kind != block.kind || factory->rows.value(i) != block.rows.at(i))
            rows.append(block.rows.at(i));
    }
    return rows;
}

} // namespace

SettingsReport changedSettings(const SettingsReport &report, const SettingsReport &factory)
{
    SettingsReport changed{report.title, {}};
    for (qsizetype i = 0; i < report.blocks.size(); ++i) {
        ReportBlock block = report.blocks.at(i);
        block.rows = changedRows(block, i < factory.blocks.size() ? &factory.blocks.at(i) : nullptr);
        if (!block.rows.isEmpty())
            changed.blocks.append(block);
    }
    return changed;
}
