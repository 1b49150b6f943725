#pragma once

#include <QString>
#include <QTextStream>

// F5 after a read and one edit, per model: the identification, the read again, the write of
// what differs and its check, as a ratio to the identification and read of F6. Runs when
// `only` is empty or part of "edit one setting and write".
void benchEditWrite(QTextStream &out, const QString &only);
