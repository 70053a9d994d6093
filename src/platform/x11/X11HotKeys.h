#pragma once

#include "platform/HotKeys.h"

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

// Global hot keys as passive key grabs on the root windows, made on Qt's own xcb connection so
// that the key presses arrive in its event stream (picked out by a native event filter). Each
// combination is grabbed with every Caps Lock / Num Lock state, and grabbed again when the
// keyboard mapping changes.
class X11HotKeys : public HotKeys, private QAbstractNativeEventFilter
{
public:
    // Null (with the reason) when the application does not run on the xcb platform.
    static std::unique_ptr<X11HotKeys> create(QString* whyNot);
    ~X11HotKeys() override;

    Result registerHotKey(const KeyCombo& combo, Handler handler) override;
    void unregisterHotKey(const KeyCombo& combo) override;

private:
    struct Grab
    {
        KeyCombo combo;
        Handler handler;
        QList<xcb_keycode_t> keycodes;
        uint16_t modifiers = 0;
        bool down = false;
        xcb_timestamp_t pressTime = 0;
        xcb_timestamp_t releaseTime = 0;
    };

    explicit X11HotKeys(xcb_connection_t* connection);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void readKeyboard();
    void keyboardChanged();
    // Fills the grab's key codes and modifier mask from the current mapping and grabs them.
    Result grab(Grab& grab);
    void ungrab(const Grab& grab);
    uint16_t xModifiers(quint32 carbonModifiers) const;
    void handleKey(bool press, xcb_keycode_t keycode, uint16_t state, xcb_timestamp_t time);

    xcb_connection_t* connection_;
    QList<xcb_window_t> roots_;
    xcb_key_symbols_t* symbols_ = nullptr;
    uint8_t xkbFirstEvent_ = 0;
    uint16_t altMask_ = XCB_MOD_MASK_1;
    uint16_t superMask_ = XCB_MOD_MASK_4;
    uint16_t numLockMask_ = XCB_MOD_MASK_2;
    QList<Grab> grabs_;
    // Handlers run from the event loop, not inside the filter; queued calls die with this.
    QObject context_;
};
