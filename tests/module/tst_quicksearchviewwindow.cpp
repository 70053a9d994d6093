// The quick search window's keyboard dispatch and frame placement, offscreen.
#include "module/quickSearch/QuickSearchViewWindow.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

// What the window told, by signal.
static const QString kKeyDown = QStringLiteral("keyDown");
static const QString kModifiersChanged = QStringLiteral("modifiersChanged");
static const QString kResignedKey = QStringLiteral("resignedKey");
static const QString kPreferencesRequested = QStringLiteral("preferencesRequested");

class TestQuickSearchViewWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowKeys_data();
    void windowKeys();
    void aTakenKeyNeverReachesTheField();
    void modifierChangesArePosted();
    void losingTheKeyboardOnlyPosts();
    void keyHeldSinceBeforeTheShowDoesNothing();
    void frameOnScreen_data();
    void frameOnScreen();
    void frameSurvivesTheStore();

private:
    QTemporaryDir dir_;
    std::unique_ptr<QuickSearchViewWindow> window_;
    QLineEdit* field_ = nullptr;
    QStringList posted_;
    QList<Qt::KeyboardModifiers> flags_;
    std::function<void(QKeyEvent*)> onKey_;
};

void TestQuickSearchViewWindow::init()
{
    posted_.clear();
    flags_.clear();
    onKey_ = nullptr;
    window_ = std::make_unique<QuickSearchViewWindow>(dir_.filePath("frame.json"));
    connect(window_.get(), &QuickSearchViewWindow::keyDown, this, [this](QKeyEvent* key) {
        posted_ << kKeyDown;
        if (onKey_)
            onKey_(key);
    });
    connect(window_.get(), &QuickSearchViewWindow::modifiersChanged, this,
            [this](Qt::KeyboardModifiers flags) {
                posted_ << kModifiersChanged;
                flags_ << flags;
            });
    connect(window_.get(), &QuickSearchViewWindow::resignedKey, this, [this] { posted_ << kResignedKey; });
    connect(window_.get(), &QuickSearchViewWindow::preferencesRequested, this,
            [this] { posted_ << kPreferencesRequested; });
    field_ = new QLineEdit;
    window_->setContentWidget(field_);
    window_->showAndActivate();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    field_->setFocus();
    posted_.clear();
}

void TestQuickSearchViewWindow::cleanup()
{
    window_.reset();
}

void TestQuickSearchViewWindow::windowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<QString>("posted");
    QTest::addColumn<QString>("fieldText");

    const QString keyDown = kKeyDown;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true << QString() << "";
    QTest::newRow("Ctrl+Shift+Escape")
        << int(Qt::Key_Escape) << (Qt::ControlModifier | Qt::ShiftModifier) << true << QString() << "";
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << Qt::KeyboardModifiers(Qt::ControlModifier) << true
                            << QString() << "";
    QTest::newRow("Ctrl+Shift+W") << int(Qt::Key_W) << (Qt::ControlModifier | Qt::ShiftModifier) << false
                                  << keyDown << "";
    QTest::newRow("Ctrl+comma") << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                << kPreferencesRequested << "";
    QTest::newRow("typing") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false << keyDown << "a";
}

void TestQuickSearchViewWindow::windowKeys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, hides);
    QFETCH(QString, posted);
    QFETCH(QString, fieldText);

    QTest::keyClick(field_, Qt::Key(key), modifiers);
    QCOMPARE(window_->isVisible(), !hides);
    posted_.removeAll(kModifiersChanged);
    posted_.removeAll(kResignedKey);
    QCOMPARE(posted_, posted.isEmpty() ? QStringList() : QStringList{posted});
    QCOMPARE(field_->text(), fieldText);
}

void TestQuickSearchViewWindow::aTakenKeyNeverReachesTheField()
{
    int seen = 0;
    onKey_ = [&](QKeyEvent* event) {
        ++seen;
        if (event->key() == Qt::Key_B)
            event->accept();
    };
    QTest::keyClicks(field_, "abc");
    QCOMPARE(seen, 3);
    QCOMPARE(field_->text(), QStringLiteral("ac"));
}

void TestQuickSearchViewWindow::modifierChangesArePosted()
{
    // As X11 reports them: each event carries the modifiers held before it.
    const auto send = [this](QEvent::Type type, int key, Qt::KeyboardModifiers before) {
        QKeyEvent event(type, key, before);
        QApplication::sendEvent(field_, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    send(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier); // auto-repeat: no change
    send(QEvent::KeyPress, Qt::Key_Shift, Qt::ControlModifier);
    send(QEvent::KeyRelease, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    send(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    const QList<Qt::KeyboardModifiers> expected = {
        Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier, Qt::NoModifier};
    QCOMPARE(flags_, expected);
    QVERIFY(!posted_.contains(kKeyDown));
}

void TestQuickSearchViewWindow::losingTheKeyboardOnlyPosts()
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(posted_.contains(kResignedKey));
    QVERIFY(window_->isVisible());
}

void TestQuickSearchViewWindow::keyHeldSinceBeforeTheShowDoesNothing()
{
    const auto press = [this](int key, bool autoRepeat) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(field_, &event);
    };
    const auto release = [this](int key) {
        QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(field_, &event);
    };
    // Return went down in the window before (the one that ran `brimble toggle`): its repeats
    // and its release reach the panel, its press never did.
    press(Qt::Key_Return, true);
    press(Qt::Key_Return, true);
    release(Qt::Key_Return);
    QVERIFY(!posted_.contains(kKeyDown));
    QVERIFY(window_->isVisible());

    // Pressed here, it acts, and so do its repeats.
    press(Qt::Key_Return, false);
    press(Qt::Key_Return, true);
    QCOMPARE(posted_.count(kKeyDown), 2);
    release(Qt::Key_Return);

    // Held across a hide and a show, it counts as held from before again.
    press(Qt::Key_Down, false);
    window_->resignMainWindow();
    window_->showAndActivate();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    field_->setFocus();
    posted_.clear();
    press(Qt::Key_Down, true);
    QVERIFY(!posted_.contains(kKeyDown));
}

void TestQuickSearchViewWindow::frameOnScreen_data()
{
    QTest::addColumn<std::optional<SavedFrame>>("saved");
    QTest::addColumn<QRect>("expected");
    const QRect area(0, 0, 1920, 1080);
    QTest::newRow("nothing saved: centred") << std::optional<SavedFrame>() << QRect(520, 300, 880, 480);
    QTest::newRow("same screen: as saved")
        << std::optional<SavedFrame>(SavedFrame{QRect(100, 120, 700, 450), "screen", area})
        << QRect(100, 120, 700, 450);
    QTest::newRow("unplugged right-hand screen: same relative place")
        << std::optional<SavedFrame>(
               SavedFrame{QRect(1920 + 960, 540, 700, 450), "gone", QRect(1920, 0, 1920, 1080)})
        << QRect(960, 540, 700, 450);
    QTest::newRow("hanging off the edge: pulled inside")
        << std::optional<SavedFrame>(SavedFrame{QRect(1800, -50, 700, 450), "screen", area})
        << QRect(1220, 0, 700, 450);
    QTest::newRow("bigger than the screen: fits it")
        << std::optional<SavedFrame>(SavedFrame{QRect(-10, -10, 3000, 2000), "screen", area}) << area;
    QTest::newRow("below the minimum: minimum")
        << std::optional<SavedFrame>(SavedFrame{QRect(10, 10, 200, 100), "screen", area})
        << QRect(10, 10, 600, 400);
}

void TestQuickSearchViewWindow::frameOnScreen()
{
    QFETCH(std::optional<SavedFrame>, saved);
    QFETCH(QRect, expected);
    QCOMPARE(QuickSearchViewWindow::frameOnScreen(saved, "screen", QRect(0, 0, 1920, 1080)), expected);
}

void TestQuickSearchViewWindow::frameSurvivesTheStore()
{
    const SavedFrame frame{QRect(-1900, 30, 640, 480), "DP-2", QRect(-1920, 0, 1920, 1200)};
    {
        WindowFrameStore store(dir_.filePath("state/brimble/frame.json"));
        store.save(frame);
        store.flush();
        QCOMPARE(store.load(), std::optional<SavedFrame>(frame));
    }
    QFile garbage(dir_.filePath("garbage.json"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("{\"frame\": {\"x\": 1}}");
    garbage.close();
    QCOMPARE(WindowFrameStore(garbage.fileName()).load(), std::nullopt);
}

QTEST_MAIN(TestQuickSearchViewWindow)
#include "tst_quicksearchviewwindow.moc"
