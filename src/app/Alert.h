#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace Alert {

// Asks the user to confirm with "Ok" or "Cancel" in a dialog modal to the window (a sheet where
// the window manager draws one). onConfirm runs once if the user chose Ok; cancelling or closing
// the dialog runs nothing. Returns immediately with the open dialog, which deletes itself when
// it closes.
QMessageBox* confirm(QWidget* window, const QString& message, const QString& informative,
                     QMessageBox::Icon style, std::function<void()> onConfirm);

} // namespace Alert
