#pragma once

#include "packets.h"

#include <QString>
#include <QTextStream>

// Request and reply bytes of the whole list: what the wire must carry.
qint64 wireBytes(const TPacketList &list);

// vexctl's read and checked write of the 16-zone panel, from its start to its exit, beside the
// same operations run by the exchange flow in this process as the program's windows run
// them; and vexctl identify's start-to-exit time. Runs when `only` is empty or part of "vexctl".
void benchVexctl(QTextStream &out, const QString &only);
