#pragma once

// Starting Brimble when the user logs in (XDG autostart on Linux desktops).
class LoginItem
{
public:
    virtual ~LoginItem() = default;
    virtual bool setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};
