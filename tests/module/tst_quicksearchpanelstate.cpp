// The quick search panel's key badges answer keys held in it: they go when another window takes
// the keyboard.
#include "TestSupport.h"

#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"

#include <QTest>

class TestQuickSearchPanelState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }

    void badgesGoWhenThePanelLosesTheKeyboard()
    {
        TestHome home;
        QuickSearchViewWindow window;
        auto* controller = new QuickSearchViewController(store(), preferences(), nullptr, nullptr);
        window.setContentWidget(controller);
        controller->attachWindow(window);
        QuickSearchViewController& panel = *controller;
        QuickSearchPasteInfItem* cells = panel.delegate();
        cells->setQuickPasteBadgesShown(true);
        cells->setPlainTextBadgeShown(true);
        Q_EMIT window.resignedKey();
        QVERIFY(!cells->quickPasteBadgesShown());
        QVERIFY(!cells->plainTextBadgeShown());
    }
};

QTEST_MAIN(TestQuickSearchPanelState)
#include "tst_quicksearchpanelstate.moc"
