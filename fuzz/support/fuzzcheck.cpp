#include "fuzzcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void fuzzFailure(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "property violated: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

quint8 FuzzInput::byte()
{
    return atEnd() ? 0 : quint8(m_bytes.at(m_position++));
}

QByteArray FuzzInput::bytes(qsizetype count)
{
    const QByteArray part = m_bytes.mid(m_position, count);
    m_position += part.size();
    return part;
}

QByteArray FuzzInput::rest()
{
    return bytes(m_bytes.size() - m_position);
}

QString FuzzInput::text(int maxLength)
{
    return QString::fromUtf8(bytes(byte() % (maxLength + 1)));
}

void setUpApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

QuietLogFolder::QuietLogFolder() : m_callersFolder(QDir::currentPath())
{
    static const QTemporaryDir folder;
    static const bool prepared = QDir(folder.path()).mkpath(QStringLiteral("Logs"))
        && QFile::link(QStringLiteral("/dev/null"), folder.filePath(QStringLiteral("Logs/VexLoader.log")));
    FUZZ_CHECK(prepared && QDir::setCurrent(folder.path()));
}

QuietLogFolder::~QuietLogFolder()
{
    QDir::setCurrent(m_callersFolder);
}
