#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

// Expected report lines are written with «text» for text escaped in code page 1251; the
// escapes come from the system's converter, not from the code under test.
inline QByteArray expandRtf(const QString &line)
{
    QStringEncoder codePage("windows-1251");
    const QStringList parts = line.split(u'«');
    QByteArray rtf = parts.first().toLatin1();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype end = parts[i].indexOf(u'»');
        const QByteArray bytes = codePage.encode(parts[i].left(end));
        for (char byte : bytes)
            rtf += "\\'" + QByteArray::number(quint8(byte), 16).toUpper().rightJustified(2, '0');
        rtf += parts[i].mid(end + 1).toLatin1();
    }
    return rtf;
}

// The lines expanded, each with a CR LF line end.
inline QByteArray expectedRtfDocument(const QStringList &lines)
{
    QByteArray rtf;
    for (const QString &line : lines)
        rtf += expandRtf(line) + "\r\n";
    return rtf;
}

// The RTF style pieces the reports share.
inline const QString kRtfProlog = QStringLiteral(
    R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fnil\fcharset204{\*\fname Times )"
    R"(New Roman;}Times New Roman CYR;}{\f1\fnil\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 )"
    R"(Symbol;}})");
inline const QString kRtfColours = QStringLiteral(R"({\colortbl ;\red0\green0\blue255;})");
inline const QString kRtfTitle = QStringLiteral(
    R"(\paperw11906\paperh16838\margl1134\margr567\margt1134\margb1134\viewkind4\uc1\pard\qc\cf1\b\f0\fs32)");
inline const QString kRtfBullets = QStringLiteral(
    R"(\par \pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200)");

// The zone table's tab stops are worked out from the widths of its texts (checked on their
// own); the document comparisons read each run of them as "<stops>".
inline QByteArray withStopsMarked(QByteArray rtf)
{
    static const QRegularExpression headings(QStringLiteral(R"(\\par \\pard(\\tx\d+)+\\cf0\\fs20)"));
    static const QRegularExpression bullets(QStringLiteral(R"(\\fi-200\\li200(\\tx\d+)+\\b0)"));
    QString text = QString::fromLatin1(rtf);
    text.replace(headings, QStringLiteral(R"(\par \pard<stops>\cf0\fs20)"));
    text.replace(bullets, QStringLiteral(R"(\fi-200\li200<stops>\b0)"));
    return text.toLatin1();
}

// The timing and test-report lists of a report whose times are 60 s, 120 s and `lineFault`,
// and whose test report goes first at 8:30, then every 1 day 0 hours 0 minutes.
inline QStringList expectedTimingAndTestReport(const QString &lineFault)
{
    return {
        R"(\par \pard)",
        R"(\par \b«ЧАСОВІ НАЛАШТУВАННЯ»)",
        kRtfBullets + R"(\b0)",
        R"(«час виявлення збігу»\tab\tab\tab«60 сек»\)",
        R"(«час звучання ЗІ»\tab\tab\tab«120 сек»\)",
        R"(«час виявлення несправності лінії»\tab«)" + lineFault + "»",
        R"(\par \pard)",
        R"(\b«Параметри передачі тестового сповіщення»)",
        kRtfBullets + R"(\b0)",
        R"(«перше тестове сповіщення»\tab«8 год»\tab«30 хв»\)",
        R"(«період»\tab\tab\tab«1 дні»\tab«0 год»\tab«0 хв»)",
    };
}
