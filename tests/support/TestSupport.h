#pragma once

#include <QTemporaryDir>
#include <QString>

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
