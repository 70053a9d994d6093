#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The save and folder dialogs, modal to a window and never blocking the caller: the
// completion runs later with the chosen path, and not at all on cancel.
//
// A run without dialogs (the end-to-end tests) takes a scripted answer as the chosen path without
// showing anything; an empty answer counts as cancelled.
namespace SystemPanel {

using Completion = std::function<void(const QString& path)>;

// A save dialog proposing `fileName` with the first of `extensions` added; any other name
// and type may be chosen.
void saveFile(const QString& fileName, const QStringList& extensions, QWidget* window, Completion done);

// An open dialog for one existing file, showing files of `extensions` first (any may be chosen).
void openFile(const QStringList& extensions, QWidget* window, Completion done);

// A folder chooser starting at `directory` (the user's pictures, documents... when empty).
void chooseFolder(const QString& directory, QWidget* window, Completion done);

// From now on no dialog is shown: every one completes with `answer` (none when empty).
void answerWithoutDialog(const QString& answer);

} // namespace SystemPanel
