// The quick search panel's key badges answer keys held in it: they go when another window takes
// the keyboard.
#include "TestSupport.h"

#include "app/EventBus.h"
#include "app/EventNames.h"
#include "app/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/view/QuickSearchPasteInfItemDelegate.h"

#include <QTest>

class TestQuickSearchPanelState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }

    void badgesGoWhenThePanelLosesTheKeyboard()
    {
        TestHome home;
        QuickSearchViewController controller(nullptr, nullptr);
        QuickSearchPasteInfItemDelegate* cells = controller.delegate();
        cells->setQuickPasteBadgesShown(true);
        cells->setPlainTextBadgeShown(true);
        EventBus::post(EventName::resignKeyInQuickSearchWindow);
        QTRY_VERIFY(!cells->quickPasteBadgesShown());
        QVERIFY(!cells->plainTextBadgeShown());
    }
};

QTEST_MAIN(TestQuickSearchPanelState)
#include "tst_quicksearchpanelstate.moc"
