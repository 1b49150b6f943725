// Settings files through the main window's commands and the real editors: layout and
// sizes, choosing the editor by the file's type byte, refusals, safe saving, factory files.
#include "editorfactory.h"
#include "gsm4editor.h"
#include "main.h"
#include "paneleditor.h"
#include "qtdialogs.h"
#include "registry.h"
#include "privatesettings.h"
#include "scripteddialogs.h"
#include "systempaneleditor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Keeps every file this process writes below `bytes` until destroyed.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

} // namespace

class TstSettingsFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void savedFileLayout_data();
    void savedFileLayout();
    void saveAndOpenRoundTrip();
    void gsm4FileAndFactorySettingsFollowByte53();
    void openChoosesEditorByType_data();
    void openChoosesEditorByType();
    void unknownTypeOpensNothing();
    void shortFileLeavesControls();
    void failedFileChangesNothing_data();
    void failedFileChangesNothing();
    void dialogFilters_data();
    void dialogFilters();
    void overwriteNeedsConfirmation();
    void failedSaveKeepsOldFile();
    void factorySettings_data();
    void factorySettings();
    void missingFactoryFile();
    void systemPanelRoundTrip();
    void systemPanelFactorySettings();
    void systemPanelCodeWithHexDigitKept();

private:
    TPanelEditor *open(Model model, quint8 variant)
    {
        return qobject_cast<TPanelEditor *>(m_form->openEditor(model, variant));
    }
    void save(const QString &path)
    {
        m_dialogs->fileName = path;
        m_form->findChild<QAction *>("mnSave")->trigger();
    }
    void openFile(const QString &path)
    {
        m_dialogs->fileName = path;
        m_form->findChild<QAction *>("mnOpen")->trigger();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TMainForm> m_form;
};

void TstSettingsFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    usePrivateSettings(m_dir->path());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_form = std::make_unique<TMainForm>(m_dir->filePath("option.ini"));
    m_form->setEditorFactory(createEditor);
    m_form->setProgramFolder(qEnvironmentVariable("VEX_BIN_DIR"));
}

void TstSettingsFiles::cleanup()
{
    m_form.reset();
    m_dialogs.reset();
    m_dir.reset();
}

void TstSettingsFiles::savedFileLayout_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("4-zone-variant-4") << int(Model::Korvel4p) << 4 << 231 << QByteArray("\x17\x04");
    QTest::newRow("8-zone-variant-6") << int(Model::Korvel8p) << 6 << 296 << QByteArray("\x16\x06");
    QTest::newRow("16-zone-variant-3") << int(Model::Korvel16p) << 3 << 542 << QByteArray("\x1E\x03");
    QTest::newRow("16.64P") << int(Model::Korvel16_64p) << 2 << 695 << QByteArray("\x1F\x02");
    QTest::newRow("gsm-version-4") << int(Model::ZmuGsm) << 4 << 136 << QByteArray("\x1A\x04");
    // A GSM.4 window records the module's firmware version, 1 until a write adopts 2.
    QTest::newRow("s112-records-version-1") << int(Model::ZmuGsm4) << 2 << 188 << QByteArray("\x31\x01");
}

void TstSettingsFiles::savedFileLayout()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(int, size);
    QFETCH(QByteArray, header);
    open(Model(model), quint8(variant));
    const QString path = m_dir->filePath("a.vau");
    save(path);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), size);
    QCOMPARE(bytes.left(2), header);
    QCOMPARE(m_dialogs->fileRequests.last().defaultSuffix, QStringLiteral("vau"));
}

void TstSettingsFiles::saveAndOpenRoundTrip()
{
    TPanelEditor *editor = open(Model::Korvel8p, 5);
    PanelSettings s = editor->settings();
    s.accessCode2 = "4321";
    s.accessCode3 = "2735"; // an empty field would come back as the code it stands for
    s.zones[6].outputs[4] = true;
    s.spinners[1] = 120;
    s.telephones[0] = {"0442+5", "0442B5D000000000", false};
    s.sectionFields[3][2] = "7F";
    editor->showSettings(s);
    const QString path = m_dir->filePath("round.VAU");
    save(path);
    m_form->mdiArea()->closeAllSubWindows();
    QCoreApplication::processEvents();
    openFile(path);
    auto *reopened = qobject_cast<TPanelEditor *>(m_form->activeEditor());
    QVERIFY(reopened);
    const PanelSettings back = reopened->settings();
    QCOMPARE(back.zones, s.zones);
    QCOMPARE(back.spinners, s.spinners);
    QCOMPARE(back.address, s.address);
    QCOMPARE(back.accessCode2, s.accessCode2);
    QCOMPARE(back.accessCode3, s.accessCode3);
    QCOMPARE(back.objectNumbers, s.objectNumbers);
    QCOMPARE(back.telephones[0].text, s.telephones[0].text);
    QCOMPARE(back.telephones[0].codeString, s.telephones[0].codeString);
    QCOMPARE(back.telephones[1].codeString, s.telephones[1].codeString);
    QCOMPARE(back.sectionFields, s.sectionFields);
    QCOMPARE(back, s);
    QCOMPARE(reopened->windowTitle(), QStringLiteral("КОРВЕЛ-8П (KVL8P-5)   -   round.VAU"));
}

// The file's byte 53 picks the variant whatever the version byte says; the one factory
// file holds the "ЗМУ-GSM.4" variant.
void TstSettingsFiles::gsm4FileAndFactorySettingsFollowByte53()
{
    auto *editor = qobject_cast<TZMU_GSM4Form *>(m_form->openEditor(Model::ZmuGsm4, 2));
    QVERIFY(editor);
    Gsm4Settings s = editor->settings();
    s.common.text(GprsField::Identifier) = QStringLiteral("123456");
    s.eventCodes[12] = QStringLiteral("FFF");
    editor->showSettings(s);
    const QString path = m_dir->filePath("s112.vau");
    save(path);
    m_form->mdiArea()->closeAllSubWindows();
    QCoreApplication::processEvents();
    openFile(path);
    auto *reopened = qobject_cast<TZMU_GSM4Form *>(m_form->activeEditor());
    QVERIFY(reopened);
    QCOMPARE(reopened->windowTitle(), QStringLiteral("ЗМУ-С112.4   -   s112.vau"));
    QCOMPARE(reopened->settings().common.text(GprsField::Identifier), QStringLiteral("123456"));
    QCOMPARE(reopened->settings().eventCodes[12], QStringLiteral("FFF"));

    m_form->findChild<QAction *>("mnFA")->trigger();
    QCOMPARE(m_dialogs->messages.size(), 0);
    QCOMPARE(reopened->windowTitle(), QStringLiteral("ЗМУ-GSM.4   -   заводські налаштування"));
    QCOMPARE(reopened->settings().common.text(GprsField::Identifier), QStringLiteral("0"));
}

void TstSettingsFiles::openChoosesEditorByType_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("title");
    QTest::newRow("16-zone-variant-2") << QByteArray("\x1E\x02") << 542 << "КОРВЕЛ-16П (KVL16P-2)";
    QTest::newRow("4-zone-variant-5") << QByteArray("\x17\x05") << 231 << "КОРВЕЛ-4П (KVL4P-4)";
    QTest::newRow("longer-file-is-read") << QByteArray("\x16\x03") << 400 << "КОРВЕЛ-8П (KVL8P-3)";
}

void TstSettingsFiles::openChoosesEditorByType()
{
    QFETCH(QByteArray, header);
    QFETCH(int, size);
    QFETCH(QString, title);
    QByteArray file = header + QByteArray(size - 2, '\0');
    file[2 + 0] = char(0x05); // column A: zones 1 and 3
    const QString path = m_dir->filePath("dev.vau");
    writeFile(path, file);
    openFile(path);
    auto *editor = qobject_cast<TPanelEditor *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->title(), title);
    QVERIFY(editor->settings().zones[2].outputs[0]);
    QVERIFY(!editor->settings().zones[1].outputs[0]);
    QCOMPARE(editor->settings().accessCode2, QString()); // 0x0000 reads as the empty default
}

void TstSettingsFiles::unknownTypeOpensNothing()
{
    const QString path = m_dir->filePath("odd.vau");
    writeFile(path, QByteArray(231, '\0'));
    openFile(path);
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Не вдалося визначити тип приладу."));
    QVERIFY(m_form->mdiArea()->subWindowList().isEmpty());
}

void TstSettingsFiles::shortFileLeavesControls()
{
    TPanelEditor *editor = open(Model::Korvel4p, 5);
    editor->findChild<QLineEdit *>("edCode2")->setText("77");
    const QString path = m_dir->filePath("short.vau");
    writeFile(path, QByteArray("\x17\x05", 2) + QByteArray(200, '\x01'));
    openFile(path);
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Не вдалося прочитати файл"));
    QCOMPARE(editor->findChild<QLineEdit *>("edCode2")->text(), QStringLiteral("77"));
    QVERIFY(!editor->windowTitle().contains("short.vau"));
}

namespace {

QByteArray filled(const char *header, int size)
{
    return QByteArray(header, 2) + QByteArray(size - 2, '\0');
}

} // namespace

// A 16-zone editor holds edited settings; a file is then opened (or loaded as the factory
// settings) that fails a check. Sizes: 542 bytes for a 16-zone file, 231 for a 4-zone one.
void TstSettingsFiles::failedFileChangesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("folder"); // the path names a folder, which cannot be read as a file
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");
    const QString cannotRead = QStringLiteral("Не вдалося прочитати файл");
    QTest::newRow("truncated") << "open" << filled("\x1E\x03", 300) << false << cannotRead
                               << "файл неповний: 300 байт із 542";
    QTest::newRow("one-byte-short") << "open" << filled("\x1E\x03", 541) << false << cannotRead
                                    << "файл неповний: 541 байт із 542";
    QTest::newRow("type-byte-only") << "open" << QByteArray("\x1E") << false << cannotRead
                                    << "файл неповний: 1 байт із 542";
    QTest::newRow("empty") << "open" << QByteArray() << false << cannotRead << "файл порожній";
    QTest::newRow("wrong-type") << "open" << filled("\x00\x03", 542) << false
                                << "Не вдалося визначити тип приладу." << "невідомий код типу приладу 0";
    QTest::newRow("wrong-variant") << "open" << filled("\x1E\x09", 542) << false << cannotRead
                                   << "версія прошивки 9 цього приладу не підтримується";
    QTest::newRow("unreadable") << "open" << QByteArray() << true << cannotRead << "файл недоступний (";
    QTest::newRow("over-long") << "open" << filled("\x1E\x03", 552) << false << QString() << QString();
    QTest::newRow("factory-truncated") << "factory" << filled("\x1E\x02", 300) << false << cannotRead
                                       << "файл неповний: 300 байт із 542";
    QTest::newRow("factory-of-4-zone-panel") << "factory" << filled("\x17\x04", 231) << false << cannotRead
                                             << "файл налаштувань іншого приладу (код типу 23)";
    QTest::newRow("factory-missing") << "factory" << QByteArray() << false
                                     << "Не знайдено файлу заводських налаштувань" << "файл не знайдено";
}

void TstSettingsFiles::failedFileChangesNothing()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, folder);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    TPanelEditor *editor = open(Model::Korvel16p, 3);
    PanelSettings edited = editor->settings();
    edited.zones[6].outputs[4] = true;
    edited.accessCode3 = "2468";
    editor->showSettings(edited);
    QTest::keyClicks(editor->findChild<QLineEdit *>("edCode2"), "77"); // typed: marks the caption
    edited = editor->settings();
    const QString caption = editor->windowTitle();
    QVERIFY(caption.endsWith("змінено користувачем"));
    EditorState &shared = m_form->exchange();
    shared.EepromImage = QByteArray(28, '\x11');
    shared.MemoryImage = QByteArray(512, '\x22');
    shared.DeviceType = 30;
    shared.FirmwareVariant = 3;

    m_form->setProgramFolder(m_dir->path());
    const QString path = command == "factory" ? m_dir->filePath("adjustments/kvl16p-2.vaf")
                                              : m_dir->filePath("file.vau");
    QDir().mkpath(m_dir->filePath("adjustments"));
    if (folder)
        QVERIFY(QDir().mkdir(path));
    else if (command == "open" || !bytes.isEmpty())
        writeFile(path, bytes);
    if (command == "factory")
        m_form->findChild<QAction *>("mnFA")->trigger();
    else
        openFile(path);

    QCOMPARE(m_form->mdiArea()->subWindowList().size(), 1);
    if (message.isEmpty()) { // loaded from its first 542 bytes
        QCOMPARE(m_dialogs->messages.size(), 0);
        QCOMPARE(editor->windowTitle(), QStringLiteral("КОРВЕЛ-16П (KVL16P-3)   -   file.vau"));
        QCOMPARE(shared.EepromImage, bytes.mid(2, 28));
        QCOMPARE(shared.MemoryImage, bytes.mid(30, 512));
        QCOMPARE(m_form->statusText(0),
                 QDir::toNativeSeparators(path) + ": файл довший за 542 байт, решту (10 байт) пропущено");
        return;
    }
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.last().kind, Dialogs::Kind::Error);
    QCOMPARE(m_dialogs->lastText(), message);
    const QString detail = m_dialogs->messages.last().detail;
    QVERIFY2(detail.startsWith(QDir::toNativeSeparators(path) + ": " + reason), qPrintable(detail));
    QCOMPARE(editor->settings(), edited);
    QCOMPARE(editor->windowTitle(), caption);
    QCOMPARE(shared.EepromImage, QByteArray(28, '\x11'));
    QCOMPARE(shared.MemoryImage, QByteArray(512, '\x22'));
    QCOMPARE(shared.DeviceType, quint8(30));
    QCOMPARE(shared.FirmwareVariant, quint8(3));
    QVERIFY(!shared.FillingControls);
}

void TstSettingsFiles::dialogFilters_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("filter");
    QTest::newRow("open") << "mnOpen" << "Налаштування користувача (*.vau);;HEX - файли (*.hex);;Всі файли (*.*)";
    QTest::newRow("save") << "mnSave" << "Налаштування користувача (*.vau);;Всі файли (*.*)";
}

void TstSettingsFiles::dialogFilters()
{
    QFETCH(QString, command);
    QFETCH(QString, filter);
    open(Model::Korvel4p, 2);
    m_form->findChild<QAction *>(command)->trigger(); // cancelled: no file name
    QCOMPARE(qtFileFilter(m_dialogs->fileRequests.last().filter), filter);
}

void TstSettingsFiles::overwriteNeedsConfirmation()
{
    open(Model::Korvel4p, 2);
    const QString path = m_dir->filePath("keep.vau");
    writeFile(path, "old");
    m_dialogs->answer = false;
    save(path);
    QCOMPARE(m_dialogs->questions, QStringList{"Такий файл вже існує. Перезаписати?"});
    QCOMPARE(readAll(path), QByteArray("old"));
    m_dialogs->answer = true;
    save(path);
    QCOMPARE(readAll(path).size(), 231);
}

void TstSettingsFiles::failedSaveKeepsOldFile()
{
    open(Model::Korvel16p, 2);
    const QString path = m_dir->filePath("precious.vau");
    const QByteArray old(300, 'x');
    writeFile(path, old);
    {
        FileSizeLimit limit(100); // the new 542 bytes cannot be written
        save(path);
    }
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Не вдалося записати файл"));
    QCOMPARE(readAll(path), old);
}

void TstSettingsFiles::factorySettings_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("caption");
    QTest::newRow("4-zone-KVL4P-3") << int(Model::Korvel4p) << 4
                                   << "КОРВЕЛ-4П (KVL4P-3)   -   заводські налаштування";
    QTest::newRow("8-zone-KVL8P-5") << int(Model::Korvel8p) << 6
                                   << "КОРВЕЛ-8П (KVL8P-5)   -   заводські налаштування";
    QTest::newRow("16-zone-any") << int(Model::Korvel16p) << 4
                                 << "КОРВЕЛ-16П (KVL16P-4)   -   заводські налаштування";
}

void TstSettingsFiles::factorySettings()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(QString, caption);
    TPanelEditor *editor = open(Model(model), quint8(variant));
    editor->findChild<QLineEdit *>("edCode3")->setText("99");
    m_form->findChild<QAction *>("mnFA")->trigger();
    QCOMPARE(m_dialogs->messages.size(), 0);
    QCOMPARE(editor->windowTitle(), caption);
    // The factory file holds the codes an empty field stands for.
    QCOMPARE(editor->findChild<QLineEdit *>("edCode3")->text(), QStringLiteral("2735"));
    QVERIFY(!m_form->exchange().FillingControls);
}

void TstSettingsFiles::missingFactoryFile()
{
    m_form->setProgramFolder(m_dir->path());
    open(Model::Korvel4p, 2);
    m_form->findChild<QAction *>("mnFA")->trigger();
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Не знайдено файлу заводських налаштувань"));
}

// Every kind of setting, the system table included, comes back from the file; the unused
// image bytes are saved as 0.
void TstSettingsFiles::systemPanelRoundTrip()
{
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->openEditor(Model::Korvel16_64p, 2));
    QVERIFY(editor);
    SystemPanelSettings s = editor->systemPanelSettings();
    s.panel.accessCode2 = "120034";
    s.panel.zones[12].outputs[2] = true;
    s.panel.spinners = {60, 990, 99, 1, 2, 3, 4, 5};
    s.panel.telephones[1] = {"0442+5", "0442B5D000000000", false};
    s.panel.sectionFields[27][15] = "7F";
    s.system.setSlotType(2, kSlotEightZone);
    s.system.setSlotType(3, kSlotSixteenZone);
    s.system.addModule(1);
    s.system.setRelayZones(3, 1, 8, 0xC003);
    s.system.setRelayZones(0, 1, 1, 0x0100);
    editor->showSystemPanelSettings(s);
    const QString path = m_dir->filePath("system.vau");
    save(path);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 695);
    const int memory = 2 + 29;
    QCOMPARE(bytes.mid(memory + 25, 5), QByteArray(5, '\0'));
    // Slot 2 in the high nibble of 658, slot 3 in the low nibble of 659, module 2 in 661.
    QCOMPARE(bytes.mid(memory + 658, 6).toHex(), QByteArray("100200100000"));
    m_form->mdiArea()->closeAllSubWindows();
    QCoreApplication::processEvents();
    openFile(path);
    auto *reopened = qobject_cast<TKorvelForm16_64p *>(m_form->activeEditor());
    QVERIFY(reopened);
    QCOMPARE(reopened->systemPanelSettings(), s);
    QCOMPARE(reopened->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)   -   system.vau"));
}

// kvl64p-1.vaf, made by the build: every zone "замкнутий", both codes 0, no remote panel.
void TstSettingsFiles::systemPanelFactorySettings()
{
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->openEditor(Model::Korvel16_64p, 2));
    SystemPanelSettings edited = editor->systemPanelSettings();
    edited.system.setSlotType(5, kSlotSixteenZone);
    edited.panel.accessCode3 = "99";
    editor->showSystemPanelSettings(edited);
    m_form->findChild<QAction *>("mnFA")->trigger();
    QCOMPARE(m_dialogs->messages.size(), 0);
    QCOMPARE(editor->windowTitle(), QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)   -   заводські налаштування"));
    const SystemPanelSettings factory = editor->systemPanelSettings();
    QCOMPARE(factory.panel.accessCode2, QStringLiteral("0"));
    QCOMPARE(factory.panel.accessCode3, QStringLiteral("0"));
    QCOMPARE(factory.panel.zones[15].detectorType, int(kDetectorClosed));
    QCOMPARE(factory.panel.spinner(PanelSpinner::Coincidence), 10);
    QCOMPARE(factory.system, TDeviceCollection());
}

// A level-2 code 1A 00 03 (not decimal) shows as stored and is saved back unchanged.
void TstSettingsFiles::systemPanelCodeWithHexDigitKept()
{
    QByteArray file = QByteArray("\x1F\x02", 2) + QByteArray(29 + 664, '\0');
    file.replace(2 + 23, 3, QByteArray::fromHex("1A0003"));
    const QString path = m_dir->filePath("odd-code.vau");
    writeFile(path, file);
    openFile(path);
    auto *editor = qobject_cast<TKorvelForm16_64p *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->findChild<QLineEdit *>("edCode2")->text(), QStringLiteral("1A0003"));
    const QString saved = m_dir->filePath("saved.vau");
    save(saved);
    QCOMPARE(readAll(saved).mid(2 + 23, 3).toHex(), QByteArray("1a0003"));
}

QTEST_MAIN(TstSettingsFiles)
#include "tst_settingsfiles.moc"
