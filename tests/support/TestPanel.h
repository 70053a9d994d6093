#pragma once

#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>

// The panel's controller in the real panel window, shown, on the TestHome's store and
// preferences: keys take the panel's way to it.
struct TestPanel
{
    explicit TestPanel(const TestHome& home) : window(home.path() + QStringLiteral("/frame.json"))
    {
        controller = new QuickSearchViewController(store(), preferences(), nullptr, nullptr);
        window.setContentWidget(controller);
        controller->attachWindow(window);
        window.showAndActivate();
    }
    // Previews still being read when the panel goes are let finish while the application lives.
    ~TestPanel()
    {
        window.hide();
        store().waitForQueued();
        QTest::qWait(100);
    }
    TestPanel(const TestPanel&) = delete;
    TestPanel& operator=(const TestPanel&) = delete;

    QLineEdit* field() const { return controller->searchField(); }
    QListView* list() const { return controller->listView(); }
    QuickSearchPasteInfListModel* model() const { return controller->model(); }

    QuickSearchViewWindow window;
    QuickSearchViewController* controller;
};
