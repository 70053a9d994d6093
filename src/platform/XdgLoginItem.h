#pragma once

#include "platform/LoginItem.h"

#include <QString>

// Start at login through XDG autostart: $XDG_CONFIG_HOME/autostart/brimble.desktop. Switching
// off keeps the file and marks it Hidden=true, as desktop settings panels do.
class XdgLoginItem : public LoginItem
{
public:
    // Empty arguments mean the running program and the user's autostart folder.
    explicit XdgLoginItem(QString executablePath = {}, QString autostartDir = {});

    bool setEnabled(bool enabled) override;
    bool isEnabled() const override;

    QString filePath() const;
    // The file's text for a state.
    QByteArray contents(bool enabled) const;

private:
    QString executablePath_;
    QString autostartDir_;
};
