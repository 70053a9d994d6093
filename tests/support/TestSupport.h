#pragma once

#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QSize>
#include <QTemporaryDir>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class CoreDataManager;
class Preferences;

// A private home for one test: temporary XDG folders, a fresh preferences file and an open
// history database in them, with the store and the preferences made on them as the
// application makes its own. Everything is removed when it goes out of scope.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    QString preferencesPath() const;
    CoreDataManager& store() const { return *store_; }
    Preferences& preferences() const { return *preferences_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Preferences> preferences_;
    // After the preferences, which its providers read: it goes first.
    std::unique_ptr<CoreDataManager> store_;
};

// The store and the preferences of the TestHome alive now; a test has one at a time.
CoreDataManager& store();
Preferences& preferences();

// The PNG bytes of an image of one colour.
QByteArray pngOf(const QSize& size, const QColor& color = QColor(20, 120, 220, 128));

// A plain-text copy dated `date` in `category`, captured the way the recorder captures it.
PasteInfModel textCapture(const QString& text, const QDateTime& date,
                          const QString& category = kDefaultCategoryUUID);

// One message of a Qt Linguist catalogue (a .ts file): its English source, its translations
// (more than one for plural forms) and whether it is marked unfinished.
struct CatalogueMessage
{
    QString source;
    QStringList translations;
    bool unfinished = false;
};
// The bytes of the file at `path`; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// The messages of the catalogue at `path`, by id; empty when it cannot be read.
QMap<QString, CatalogueMessage> readCatalogue(const QString& path);
// The project's own catalogue for `language` ("en", "de", ...).
QMap<QString, CatalogueMessage> projectCatalogue(const QString& language);

// Overwrites every page of the closed history at `path` but the schema's with garbage: the file
// opens, and the first real read meets the damage. False when it cannot.
bool damageAllButSchema(const QString& path);

// A small tmpfs mounted for one test, to fill up: a full disk. Only root may mount one; a test
// skips when mounted() is false, with why() as the reason.
class SmallDisk
{
public:
    SmallDisk();
    ~SmallDisk();
    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    QString path() const { return dir_.path(); }
    // Fills it to the last byte; makeRoom() takes the filling away again.
    bool fill();
    bool makeRoom();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};
