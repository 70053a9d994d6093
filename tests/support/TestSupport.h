#pragma once

#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QString>

class CoreDataManager;

// A private home for one test: temporary XDG folders, a fresh preferences file and an open
// history database in them. Everything is removed when it goes out of scope.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    QString preferencesPath() const;

private:
    QTemporaryDir dir_;
};

// The one store every test in the process shares (opened by TestHome).
CoreDataManager& store();

// A plain-text copy dated `date` in `category`, captured the way the recorder captures it.
PasteInfModel textCapture(const QString& text, const QDateTime& date,
                          const QString& category = kDefaultCategoryUUID);
