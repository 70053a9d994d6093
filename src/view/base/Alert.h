#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace Alert {

// Asks the user to confirm with "Ok" or "Cancel" in a dialog modal to the window (a sheet where
// the window manager draws one); Cancel is the default button and the message is plain text.
// onConfirm runs once if the user chose Ok; cancelling or closing the dialog runs nothing. Returns
// immediately with the open dialog, which deletes itself when it closes.
QMessageBox* confirm(QWidget* window, const QString& message, const QString& informative,
                     QMessageBox::Icon style, std::function<void()> onConfirm);

// Tells the user of a failure in a dialog with one "Ok" button, modal to the window; returns at
// once. Nothing is shown with BRIMBLE_NO_DIALOGS set (the message is only logged by the caller).
void inform(QWidget* window, const QString& message, const QString& informative, QMessageBox::Icon style);

} // namespace Alert
