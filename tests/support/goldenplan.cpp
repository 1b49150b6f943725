#include "goldenplan.h"

#include <QFile>
#include <QRegularExpression>

namespace golden {

namespace {

constexpr int kMaxUseDepth = 8; // a list that uses itself is a table error, not a hang

QString withoutComment(const QString &line)
{
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    return (hash < 0 ? line : line.left(hash)).trimmed();
}

QStringList words(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// "0x1500+0x80" gives "0x1580"; a field that is not a sum of numbers stays as it is.
QString summed(const QString &field)
{
    if (!field.contains(QLatin1Char('+')))
        return field;
    qint64 sum = 0;
    for (const QString &part : field.split(QLatin1Char('+'))) {
        const std::optional<qint64> value = numberField(part);
        if (!value)
            return field;
        sum += *value;
    }
    return hexField(sum);
}

} // namespace

// Reads the text into the book's tables and lists.
class PlanParser
{
public:
    explicit PlanParser(PlanBook &book) : m_book(book) {}

    void parse(const QString &text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size() && m_book.m_error.isEmpty(); ++i)
            parseLine(i + 1, withoutComment(lines[i]));
        if (m_book.m_error.isEmpty() && !m_name.isEmpty())
            fail(int(lines.size()), QStringLiteral("'%1' has no end").arg(m_name));
    }

private:
    void parseLine(int number, const QString &line)
    {
        if (line.isEmpty())
            return;
        const QStringList fields = words(line);
        if (m_name.isEmpty())
            return open(number, fields);
        if (line == QLatin1String("end")) {
            m_name.clear();
        } else if (m_inTable) {
            addTableLine(number, fields);
        } else {
            m_book.m_lists[m_name].append({number, line});
        }
    }

    void open(int number, const QStringList &fields)
    {
        const bool table = fields.first() == QLatin1String("table");
        if (fields.size() != 2 || (!table && fields.first() != QLatin1String("list")))
            return fail(number, QStringLiteral("expected 'table NAME' or 'list NAME'"));
        m_name = fields[1];
        m_inTable = table;
        if (m_book.m_tables.contains(m_name) || m_book.m_lists.contains(m_name))
            return fail(number, QStringLiteral("'%1' is defined twice").arg(m_name));
        if (table)
            m_book.m_tables.insert(m_name, {});
        else
            m_book.m_lists.insert(m_name, {});
    }

    void addTableLine(int number, const QStringList &fields)
    {
        PlanBook::Table &table = m_book.m_tables[m_name];
        if (table.columns.isEmpty()) {
            if (fields.first() != QLatin1String("columns"))
                return fail(number, QStringLiteral("a table starts with 'columns'"));
            table.columns = fields.mid(1);
        } else if (fields.size() != table.columns.size()) {
            fail(number, QStringLiteral("%1 cells for %2 columns")
                             .arg(fields.size())
                             .arg(table.columns.size()));
        } else {
            table.rows.append(fields);
        }
    }

    void fail(int number, const QString &why)
    {
        m_book.m_error = QStringLiteral("line %1: %2").arg(number).arg(why);
    }

    PlanBook &m_book;
    QString m_name; // of the table or list being read; empty between them
    bool m_inTable = false;
};

// Expands a list's lines into requests: use, each, $parameters, sums, N/C and next.
class PlanExpander
{
public:
    explicit PlanExpander(const PlanBook &book) : m_book(book) {}

    Requests expand(const QString &name, const Parameters &parameters, QString *error)
    {
        Requests requests;
        expandList(name, parameters, 0, 0, requests);
        if (m_error.isEmpty())
            resolveNext(requests);
        if (error)
            *error = m_error;
        return m_error.isEmpty() ? requests : Requests{};
    }

private:
    void expandList(const QString &name, const Parameters &parameters, int depth, int line,
                    Requests &out)
    {
        if (!m_book.m_lists.contains(name))
            return fail(line, QStringLiteral("no list '%1'").arg(name));
        if (depth > kMaxUseDepth)
            return fail(line, QStringLiteral("'%1' uses itself").arg(name));
        for (const PlanBook::Line &l : m_book.m_lists.value(name)) {
            if (!m_error.isEmpty())
                return;
            expandLine(l, parameters, depth, out);
        }
    }

    void expandLine(const PlanBook::Line &line, const Parameters &parameters, int depth,
                    Requests &out)
    {
        const QStringList fields = words(line.text);
        if (fields.first() == QLatin1String("use"))
            return expandUse(line.number, fields, parameters, depth, out);
        if (fields.first() == QLatin1String("each"))
            return expandEach(line, parameters, out);
        expandRows(line.number, line.text, parameters, out);
    }

    void expandUse(int line, const QStringList &fields, Parameters parameters, int depth,
                   Requests &out)
    {
        if (fields.size() < 2)
            return fail(line, QStringLiteral("'use' names no list"));
        for (const QString &binding : fields.mid(2)) {
            const QStringList pair = binding.split(QLatin1Char('='));
            if (pair.size() != 2)
                return fail(line, QStringLiteral("'%1' is not name=value").arg(binding));
            parameters.insert(pair[0], pair[1]);
        }
        expandList(fields[1], parameters, depth + 1, line, out);
    }

    // each TABLE [first..last] : rows
    void expandEach(const PlanBook::Line &line, const Parameters &parameters, Requests &out)
    {
        const qsizetype colon = line.text.indexOf(QLatin1Char(':'));
        const QStringList head = words(line.text.left(colon));
        if (colon < 0 || head.size() < 2 || head.size() > 3)
            return fail(line.number, QStringLiteral("expected 'each TABLE [a..b] : rows'"));
        if (!m_book.m_tables.contains(head[1]))
            return fail(line.number, QStringLiteral("no table '%1'").arg(head[1]));
        const PlanBook::Table &table = m_book.m_tables.value(head[1]);
        const QStringList range = head.size() == 3 ? head[2].split(QLatin1String("..")) : QStringList{};
        for (const QStringList &row : table.rows) {
            if (!range.isEmpty() && !inRange(row.first(), range))
                continue;
            Parameters cells = parameters;
            for (qsizetype c = 0; c < table.columns.size(); ++c)
                cells.insert(table.columns[c], row[c]);
            expandRows(line.number, line.text.mid(colon + 1), cells, out);
        }
    }

    static bool inRange(const QString &cell, const QStringList &range)
    {
        const std::optional<qint64> value = numberField(cell);
        return value && range.size() == 2 && *value >= numberField(range[0]).value_or(-1)
               && *value <= numberField(range[1]).value_or(-1);
    }

    void expandRows(int line, const QString &text, const Parameters &parameters, Requests &out)
    {
        const QString substituted = substitute(line, text, parameters);
        for (const QString &row : substituted.split(QLatin1Char(';'))) {
            QStringList fields = words(row);
            if (fields.isEmpty())
                return fail(line, QStringLiteral("empty row"));
            for (QString &field : fields)
                field = summed(field);
            appendChunked(line, fields, out);
        }
    }

    QString substitute(int line, QString text, const Parameters &parameters)
    {
        static const QRegularExpression name(QStringLiteral("\\$(\\w+)"));
        QRegularExpressionMatch match;
        while ((match = name.match(text)).hasMatch()) {
            if (!parameters.contains(match.captured(1))) {
                fail(line, QStringLiteral("no value for $%1").arg(match.captured(1)));
                return {};
            }
            text.replace(match.capturedStart(), match.capturedLength(),
                         parameters.value(match.captured(1)));
        }
        return text;
    }

    // "W E 0x0000 15/8": requests of at most 8 bytes from 0x0000 until 15 are moved.
    void appendChunked(int line, const QStringList &fields, Requests &out)
    {
        const QStringList split = fields.last().split(QLatin1Char('/'));
        if (split.size() != 2) {
            out.append({fields, line});
            return;
        }
        const std::optional<qint64> total = numberField(split[0]);
        const std::optional<qint64> chunk = numberField(split[1]);
        const std::optional<qint64> start =
            fields.size() >= 3 ? numberField(fields[fields.size() - 2]) : std::nullopt;
        if (!total || !chunk || *chunk <= 0 || !start)
            return fail(line, QStringLiteral("'%1' needs an address and N/C").arg(fields.join(' ')));
        for (qint64 done = 0; done < *total; done += *chunk) {
            QStringList request = fields.mid(0, fields.size() - 2);
            request << hexField(*start + done) << QString::number(qMin(*chunk, *total - done));
            out.append({request, line});
        }
    }

    void resolveNext(Requests &requests)
    {
        constexpr int kNextField = 8;
        for (qsizetype i = 0; i < requests.size(); ++i) {
            Request &r = requests[i];
            if (r.fields.size() <= kNextField || r.fields[kNextField] != QLatin1String("next"))
                continue;
            qsizetype j = i + 1;
            while (j < requests.size() && requests[j].fields.first() != QLatin1String("CD"))
                ++j;
            if (j == requests.size())
                return fail(r.line, QStringLiteral("'next' with no later descriptor"));
            r.fields[kNextField] = requests[j].fields[1];
        }
    }

    void fail(int line, const QString &why)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("line %1: %2").arg(line).arg(why);
    }

    const PlanBook &m_book;
    QString m_error;
};

PlanBook PlanBook::parse(const QString &text)
{
    PlanBook book;
    PlanParser(book).parse(text);
    if (!book.m_error.isEmpty()) {
        book.m_tables.clear();
        book.m_lists.clear();
    }
    return book;
}

PlanBook PlanBook::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        PlanBook book;
        book.m_error = QStringLiteral("cannot read %1").arg(path);
        return book;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

Requests PlanBook::requests(const QString &name, const Parameters &parameters,
                            QString *error) const
{
    return PlanExpander(*this).expand(name, parameters, error);
}

} // namespace golden
