// "Скасувати" on the busy display during an editor's exchange with the simulator: the
// request in flight is settled, nothing more is sent, one box says what was done, the
// program is idle again, and a cancelled write can be resumed.
#include "exchangeflow.h"
#include "deviceimages.h"
#include "editorbench.h"
#include "panelcodec.h"
#include "paneleditor.h"
#include "progress.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The time a checked write's status names ("о 14:32:05"), left out where it does not matter.
const QRegularExpression kCheckedAt(QStringLiteral(" о \\d\\d:\\d\\d:\\d\\d"));
enum class Transfer { DeviceRead, DeviceWrite, SlotWrite };
} // namespace

class TstCancelExchange : public QObject, private EditorBench
{
    Q_OBJECT
private Q_SLOTS:
    void init() { startBench(); }
    void cleanup() { stopBench(); }
    void cancelStopsTransfer_data();
    void cancelStopsTransfer();

private:
    void cancelAtRequest(int count);
    void start(Transfer transfer);
    void waitIdle(const TPanelEditor &editor);
};

// "Скасувати" is pressed while the `count`-th request the simulator receives waits.
void TstCancelExchange::cancelAtRequest(int count)
{
    m_endpoint->setTraceObserver([this, count](const TraceEntry &entry) {
        if (entry.kind != TraceEntry::Kind::Request)
            return;
        m_requests.append(entry.bytes);
        if (m_requests.size() == count && TProgressForm::instance())
            TProgressForm::instance()->findChild<QPushButton *>("btnCancel")->click();
    });
}

void TstCancelExchange::start(Transfer transfer)
{
    switch (transfer) {
    case Transfer::DeviceRead: m_form->findChild<QAction *>("tbReadDev")->trigger(); break;
    case Transfer::DeviceWrite: m_form->findChild<QAction *>("tbLoadDev")->trigger(); break;
    case Transfer::SlotWrite: m_form->writeSlot(2); break;
    }
}

void TstCancelExchange::waitIdle(const TPanelEditor &editor)
{
    QTRY_VERIFY_WITH_TIMEOUT(editor.isIdle() && !TProgressForm::instance() && !m_form->flow().running(), 60000);
}

void TstCancelExchange::cancelStopsTransfer_data()
{
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("cancelAt"); // requests received, the identification included
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("head"); // the box before the total of requests
    QTest::addColumn<QString>("tail"); // and after it

    const QString rewrite = QStringLiteral(" може містити лише частину нових даних: повторіть запис, перш ніж "
                                           "повернути прилад у роботу. Продовжити запис можна командою "
                                           "\"Продовжити запис\".");
    QTest::newRow("device-read") << int(Transfer::DeviceRead) << 6 << "Зчитування з приладу скасовано"
                                 << "Зчитування з приладу скасовано: отримано відповіді на 5 з "
                                 << " запитів.\rНалаштування в редакторі не змінено.";
    QTest::newRow("device-write") << int(Transfer::DeviceWrite) << 5 << "Запис у прилад скасовано"
                                  << "Запис у прилад скасовано: підтверджено 4 з "
                                  << " запитів.\rПрилад" + rewrite;
    QTest::newRow("slot-write") << int(Transfer::SlotWrite) << 4
                                << "Запис у конфігуратор (конфігурація 2) скасовано"
                                << "Запис у конфігуратор (конфігурація 2) скасовано: підтверджено 4 з "
                                << " запитів.\rКонфігуратор" + rewrite;
}

void TstCancelExchange::cancelStopsTransfer()
{
    QFETCH(int, transfer);
    QFETCH(int, cancelAt);
    QFETCH(QString, head);
    QFETCH(QString, tail);
    makeSimulator(Model::Korvel16p, 2);
    cancelAtRequest(cancelAt);
    auto *editor = qobject_cast<TPanelEditor *>(m_form->openEditor(Model::Korvel16p, 2));
    const PanelSettings before = editor->settings();
    PanelSettings edited = before;
    edited.accessCode2 = QStringLiteral("4321");
    if (Transfer(transfer) == Transfer::DeviceRead)
        putImages({encodeEeprom(PanelModel::SixteenZone, 2, edited), encodeMemory(PanelModel::SixteenZone, edited)},
                  *imageSegments(Model::Korvel16p, 2), *m_device);
    else
        editor->showSettings(edited);
    auto *code = editor->findChild<QLineEdit *>("edCode2");
    Q_EMIT code->textEdited(code->text()); // an edit of the user's: the editor holds settings

    start(Transfer(transfer));
    waitIdle(*editor);
    QCOMPARE(m_requests.size(), cancelAt);
    QTEST(m_form->statusText(0), "status");
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.last().kind, Dialogs::Kind::Information);
    // A write the target took part of goes on from the box as from the menu.
    const bool read = Transfer(transfer) == Transfer::DeviceRead;
    const QStringList waysOn{"Продовжити запис", "Записати знову", "Закрити"};
    QCOMPARE(m_dialogs->messages.last().buttons, read ? QStringList() : waysOn);
    const QString text = m_dialogs->lastText();
    QVERIFY2(text.startsWith(head) && text.endsWith(tail), qPrintable(text));
    QVERIFY(text.mid(head.size(), text.size() - head.size() - tail.size()).toInt() > cancelAt);
    QVERIFY(m_form->findChild<QAction *>("mnReadDev")->isEnabled());

    if (read) {
        // Not half-filled: the controls keep what they held before the read.
        QCOMPARE(editor->settings().accessCode2, before.accessCode2);
        QVERIFY(editor->windowTitle().endsWith(QStringLiteral("   -   зчитування скасовано")));
        return;
    }
    m_dialogs->messages.clear();
    m_form->findChild<QAction *>("mnResumeWrite")->trigger();
    waitIdle(*editor);
    QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

QTEST_MAIN(TstCancelExchange)
#include "tst_cancelexchange.moc"
