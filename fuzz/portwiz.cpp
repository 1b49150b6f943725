// Portwiz's entry checks and package texts. A VID or PID it takes is four upper-case hex
// digits of the typed value; a file or folder name it takes has none of the characters it
// refuses. For entries every page accepts, the INF and setup.ini have exactly the lines of
// their tables: the same number of CR LF ended lines as with plain names, the fixed lines
// word for word, and no line break inside a line.
#include "fuzzcheck.h"
#include "packagetexts.h"
#include "validation.h"

#include <QStringList>

namespace {

void checkUsbId(const QString &typed)
{
    const std::optional<QString> id = usbIdFromEntry(typed);
    if (!id)
        return;
    FUZZ_CHECK(id->size() == 4);
    FUZZ_CHECK(std::all_of(id->cbegin(), id->cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    }));
    bool ok = false;
    const uint typedValue = typed.trimmed().isEmpty() ? 0 : typed.trimmed().toUInt(&ok, 16);
    FUZZ_CHECK(typed.trimmed().isEmpty() || ok);
    FUZZ_CHECK(id->toUInt(nullptr, 16) == typedValue);
}

void checkNameRules(const QString &text)
{
    if (fileNameFault(text) == EntryFault::None) {
        for (const QChar c : text)
            FUZZ_CHECK(c.unicode() >= 0x20 && !QStringView(u"\\/:*?\"<>|").contains(c));
        FUZZ_CHECK(!text.endsWith(u'.') && !text.endsWith(u' '));
    }
    for (const QChar separator : {QChar(u'\\'), QChar(u'/')}) {
        if (!isValidDirectoryName(text, separator))
            continue;
        FUZZ_CHECK(!text.trimmed().isEmpty());
        for (const QChar c : text)
            FUZZ_CHECK(c.unicode() >= 0x20 && !QStringView(u"\"*<>?|").contains(c)
                       && (c == separator || (c != u'\\' && c != u'/')));
    }
    if (quotedNameFault(text) == EntryFault::None)
        FUZZ_CHECK(!text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'));
}

PackageSettings settingsFrom(FuzzInput &input)
{
    PackageSettings s;
    const quint8 choices = input.byte();
    s.generateInstaller = choices & 0x01;
    s.driverType = choices & 0x02 ? DriverType::DirectAccess : DriverType::SerialPort;
    s.targetSystem = choices & 0x04 ? TargetSystem::Windows7 : TargetSystem::WindowsXpFamily;
    s.quietInstall = choices & 0x08;
    s.copyFiles = choices & 0x10;
    s.quietUninstall = choices & 0x20;
    s.removeFiles = choices & 0x40;
    s.relativeInstall = RelativeInstall(input.byte() % 3);
    s.companyName = input.text(kMaxNameLength);
    s.companyAbbreviation = input.text(kMaxAbbreviationLength);
    s.infName = input.text(kMaxInfNameLength);
    s.vid = input.text(kUsbIdLength + 2);
    s.pid = input.text(kUsbIdLength + 2);
    s.deviceName = input.text(kMaxNameLength);
    s.productName = input.text(kMaxNameLength);
    s.installerName = input.text(kMaxInstallerNameLength);
    s.targetDirectory = input.text(64);
    return s;
}

// The checks of the company, device, product and installer-options pages.
bool everyPageAccepts(PackageSettings &s)
{
    const std::optional<QString> vid = usbIdFromEntry(s.vid);
    const std::optional<QString> pid = usbIdFromEntry(s.pid);
    if (!vid || !pid)
        return false;
    s.vid = *vid;
    s.pid = *pid;
    const bool filled = !s.companyName.isEmpty() && !s.companyAbbreviation.isEmpty()
                        && !s.deviceName.isEmpty() && (!s.generateInstaller || !s.productName.isEmpty());
    return filled && !packageSettingsFault(s);
}

PackageSettings withPlainNames(PackageSettings s, QChar name)
{
    for (QString *text : {&s.companyName, &s.companyAbbreviation, &s.infName, &s.deviceName,
                          &s.productName, &s.installerName, &s.targetDirectory})
        *text = name;
    s.vid = s.pid = QStringLiteral("000") + name;
    return s;
}

// Lines the same with either set of plain names come from the table alone.
void checkLines(const QByteArray &text, const QByteArray &plainA, const QByteArray &plainB)
{
    const QList<QByteArray> lines = text.split('\n');
    const QList<QByteArray> linesA = plainA.split('\n');
    const QList<QByteArray> linesB = plainB.split('\n');
    FUZZ_CHECK(lines.size() == linesA.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        FUZZ_CHECK(last || lines[i].endsWith('\r'));
        FUZZ_CHECK(!lines[i].chopped(last ? 0 : 1).contains('\r'));
        if (linesA[i] == linesB[i])
            FUZZ_CHECK(lines[i] == linesA[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    PackageSettings settings = settingsFrom(input);
    checkUsbId(settings.vid);
    checkUsbId(settings.pid);
    for (const QString &text : {settings.companyName, settings.infName, settings.deviceName,
                                settings.installerName, settings.targetDirectory})
        checkNameRules(text);
    if (!everyPageAccepts(settings))
        return 0;

    const PackageSettings plainA = withPlainNames(settings, u'A');
    const PackageSettings plainB = withPlainNames(settings, u'B');
    checkLines(packageInf(settings), packageInf(plainA), packageInf(plainB));
    if (settings.generateInstaller) // the package has a setup.ini only then
        checkLines(setupIni(settings), setupIni(plainA), setupIni(plainB));
    return 0;
}
