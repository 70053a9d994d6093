// The paste queue against the in-process clipboard: which item each paste gets, and when the
// queue ends.
#include "TestSupport.h"

#include "pasteboard/KeyBoardEventSimu.h"
#include "pasteboard/PasteBoard.h"
#include "pasteboard/PasteQueue.h"
#include "platform/PasteboardTypes.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeKeySynthesizer.h"
#include "platform/fake/FakeWorkspace.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
const QString kText = PasteboardType::string;
constexpr int kSettleMs = 60;

PasteInfModel text(const QString& content)
{
    return textCapture(content, QDateTime::currentDateTimeUtc());
}

PasteboardItem textItem(const QByteArray& content)
{
    PasteboardItem item;
    item.setData(kText, content);
    return item;
}
} // namespace

class TestPasteQueue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void eachPasteGetsTheNextItemAndTheQueueEndsAfterTheLast();
    void readsOfOnePasteCountOnce_data();
    void readsOfOnePasteCountOnce();
    void aCopyMeanwhileEndsTheQueueAndIsKept();
    void clearKeepsTheCurrentItemAndStopsAdvancing();
    void aSimulatedPasteIntoATerminalCountsItsPrimaryRead();
    void labelsAreTheFirstLineEscaped();

private:
    // An application pastes: reads the text `times` times in a row.
    QByteArray paste(int times = 1);
    // Waits until the queue has settled its reads and written the next item.
    void settle();
    void startWith(const QStringList& texts, bool simulatePaste = false);

    std::unique_ptr<TestHome> home_;
    std::unique_ptr<FakeClipboard> clipboard_;
    std::unique_ptr<FakeWorkspace> workspace_;
    std::unique_ptr<FakeKeySynthesizer> keys_;
    std::unique_ptr<KeyBoardEventSimu> keyboard_;
    std::unique_ptr<PasteBoard> board_;
    std::unique_ptr<PasteQueue> queue_;
};

void TestPasteQueue::init()
{
    home_ = std::make_unique<TestHome>();
    clipboard_ = std::make_unique<FakeClipboard>();
    workspace_ = std::make_unique<FakeWorkspace>();
    keys_ = std::make_unique<FakeKeySynthesizer>();
    keyboard_ = std::make_unique<KeyBoardEventSimu>(keys_.get(), clipboard_.get(), home_->preferences());
    board_ =
        std::make_unique<PasteBoard>(home_->store(), home_->preferences(), clipboard_.get(), workspace_.get(),
                                     keyboard_.get(), [] { return RunningApplicationRef(); });
    queue_ = std::make_unique<PasteQueue>(*board_, *clipboard_);
    queue_->setSettleMs(kSettleMs);
}

void TestPasteQueue::cleanup()
{
    queue_.reset();
    board_.reset();
    keyboard_.reset();
    home_.reset();
}

QByteArray TestPasteQueue::paste(int times)
{
    QByteArray got;
    for (int i = 0; i < times; ++i)
        got = clipboard_->readByApplication(kText).value_or(QByteArray("(nothing)"));
    return got;
}

void TestPasteQueue::settle()
{
    const int writes = int(clipboard_->writes().size());
    const auto state = queue_->status().state;
    QTRY_VERIFY(clipboard_->writes().size() > writes || queue_->status().state != state);
    QTRY_VERIFY(queue_->status().state != PasteQueue::State::Starting);
    QTest::qWait(5);
}

void TestPasteQueue::startWith(const QStringList& texts, bool simulatePaste)
{
    QList<PasteInfModel> models;
    for (const QString& t : texts)
        models.append(text(t));
    RunningApplicationRef target;
    if (simulatePaste) {
        auto terminal = std::make_shared<RunningApplication>();
        terminal->windowId = 7;
        terminal->windowClass = QStringLiteral("XTerm");
        target = terminal;
    }
    queue_->start(models, false, simulatePaste, target);
    QTRY_COMPARE(queue_->status().state, PasteQueue::State::Active);
}

void TestPasteQueue::eachPasteGetsTheNextItemAndTheQueueEndsAfterTheLast()
{
    QSignalSpy changes(queue_.get(), &PasteQueue::changed);
    startWith({"first", "second", "third"});
    QCOMPARE(queue_->status().entries.size(), 3);
    QCOMPARE(queue_->status().next, 0);

    QCOMPARE(paste(), QByteArray("first"));
    settle();
    QCOMPARE(queue_->status().next, 1);
    QCOMPARE(paste(), QByteArray("second"));
    settle();
    QCOMPARE(paste(), QByteArray("third"));
    settle();
    QCOMPARE(queue_->status().state, PasteQueue::State::Finished);
    // The last item stays for further pastes; nothing more is written.
    const auto writes = clipboard_->writes().size();
    QCOMPARE(paste(), QByteArray("third"));
    QTest::qWait(kSettleMs * 3);
    QCOMPARE(clipboard_->writes().size(), writes);
    QVERIFY(changes.size() >= 4);

    queue_->dismiss();
    QCOMPARE(queue_->status().state, PasteQueue::State::Empty);
    QVERIFY(queue_->status().entries.isEmpty());
}

void TestPasteQueue::readsOfOnePasteCountOnce_data()
{
    QTest::addColumn<int>("reads");
    QTest::newRow("read twice") << 2;
    QTest::newRow("read five times") << 5;
}

void TestPasteQueue::readsOfOnePasteCountOnce()
{
    QFETCH(int, reads);
    startWith({"one", "two", "three"});
    QCOMPARE(paste(reads), QByteArray("one"));
    settle();
    // Reads spread over more than the settle, each within it of the one before, are one paste.
    QCOMPARE(paste(), QByteArray("two"));
    QTest::qWait(kSettleMs / 2);
    QCOMPARE(paste(), QByteArray("two"));
    QTest::qWait(kSettleMs / 2);
    QCOMPARE(paste(), QByteArray("two"));
    settle();
    QCOMPARE(paste(reads), QByteArray("three"));
    settle();
    QCOMPARE(queue_->status().state, PasteQueue::State::Finished);
}

void TestPasteQueue::aCopyMeanwhileEndsTheQueueAndIsKept()
{
    startWith({"one", "two", "three"});
    QCOMPARE(paste(), QByteArray("one"));
    settle();
    clipboard_->setContents({textItem("copied by the user")});
    QTRY_COMPARE(queue_->status().state, PasteQueue::State::Interrupted);
    QCOMPARE(queue_->status().next, 1);
    // The user's copy stays: the queue writes nothing more, whatever is pasted.
    const auto writes = clipboard_->writes().size();
    QCOMPARE(paste(), QByteArray("copied by the user"));
    QTest::qWait(kSettleMs * 3);
    QCOMPARE(clipboard_->writes().size(), writes);
    QCOMPARE(clipboard_->contents().first().dataForType(kText), QByteArray("copied by the user"));
}

void TestPasteQueue::clearKeepsTheCurrentItemAndStopsAdvancing()
{
    startWith({"one", "two", "three"});
    QCOMPARE(paste(), QByteArray("one"));
    settle();
    queue_->clear();
    QCOMPARE(queue_->status().state, PasteQueue::State::Cleared);
    QCOMPARE(paste(), QByteArray("two"));
    QTest::qWait(kSettleMs * 3);
    QCOMPARE(paste(), QByteArray("two"));

    // A new queue replaces an ended one.
    startWith({"again"});
    QCOMPARE(queue_->status().entries.size(), 1);
    QCOMPARE(paste(), QByteArray("again"));
    settle();
    QCOMPARE(queue_->status().state, PasteQueue::State::Finished);
}

void TestPasteQueue::aSimulatedPasteIntoATerminalCountsItsPrimaryRead()
{
    // A terminal gets the first item also as PRIMARY, and its key stroke reads that.
    startWith({"one", "two"}, true);
    QCOMPARE(clipboard_->primaryWrites().size(), 1);
    clipboard_->readPrimaryByApplication(kText);
    settle();
    QCOMPARE(queue_->status().next, 1);
    // Later PRIMARY reads still hold the first item: they are no paste of the second.
    clipboard_->readPrimaryByApplication(kText);
    QTest::qWait(kSettleMs * 3);
    QCOMPARE(queue_->status().next, 1);
    QCOMPARE(queue_->status().state, PasteQueue::State::Active);
    QCOMPARE(paste(), QByteArray("two"));
}

void TestPasteQueue::labelsAreTheFirstLineEscaped()
{
    QCOMPARE(PasteQueue::labelFor(text("  line one\nline two")), QStringLiteral("line one"));
    QCOMPARE(PasteQueue::labelFor(text("a\tb")), QStringLiteral("a\\tb"));
    QCOMPARE(PasteQueue::labelFor(text(QString(100, u'x')), 10), QString(9, u'x') + QChar(0x2026));
    PasteInfModel image = PasteInfModel::capture({}, {}, nullptr);
    QCOMPARE(PasteQueue::labelFor(image), QString());
}

QTEST_MAIN(TestPasteQueue)
#include "tst_pastequeue.moc"
