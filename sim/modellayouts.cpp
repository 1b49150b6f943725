#include "modellayouts.h"

const QList<ModelLayoutEntry> &modelLayoutEntries()
{
    static const QList<ModelLayoutEntry> entries = {};
    return entries;
}
