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
// once. Nothing is shown while dialogs are off (the message is only logged by the caller).
void inform(QWidget* window, const QString& message, const QString& informative, QMessageBox::Icon style);

// Whether Brimble may show dialogs that wait for the user: on, unless the composition root
// turned them off for a run nobody watches (the end-to-end tests). Every dialog of Brimble asks
// this first.
bool dialogsShown();
void setDialogsShown(bool shown);

} // namespace Alert
