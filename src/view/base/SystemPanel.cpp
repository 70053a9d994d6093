#include "view/base/SystemPanel.h"

#include "common/Log.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

namespace {
const QString kTag = QStringLiteral("SystemPanel");

std::optional<QString> g_answer;

// True when the answer is scripted: no dialog is shown.
bool answeredWithoutDialog(const SystemPanel::Completion& done)
{
    if (!g_answer)
        return false;
    if (!g_answer->isEmpty())
        QTimer::singleShot(0, [done, answer = *g_answer] { done(answer); });
    else
        Log::info(kTag, QStringLiteral("dialogs are off: cancelled"));
    return true;
}

QFileDialog* makeDialog(QWidget* window, const QString& directory)
{
    auto* dialog = new QFileDialog(window, QString(), directory);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    return dialog;
}
} // namespace

void SystemPanel::saveFile(const QString& fileName, const QStringList& extensions, QWidget* window,
                           Completion done)
{
    if (answeredWithoutDialog(done))
        return;
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog* dialog = makeDialog(window, start.isEmpty() ? QDir::homePath() : start);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const QString& extension : extensions)
        filters.append(QStringLiteral("%1 (*.%2)").arg(extension.toUpper(), extension));
    filters.append(QFileDialog::tr("All Files (*)"));
    dialog->setNameFilters(filters);
    if (!extensions.isEmpty())
        dialog->setDefaultSuffix(extensions.first());
    // Picking another type's filter changes the proposed name's extension with it.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [dialog, extensions](const QString& filter) {
                         const int index = dialog->nameFilters().indexOf(filter);
                         if (index >= 0 && index < extensions.size())
                             dialog->setDefaultSuffix(extensions.at(index));
                     });
    dialog->selectFile(extensions.isEmpty() ? fileName : fileName + QLatin1Char('.') + extensions.first());
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [done](const QString& path) {
        if (!path.isEmpty())
            done(path);
    });
    dialog->open();
}

void SystemPanel::openFile(const QStringList& extensions, QWidget* window, Completion done)
{
    if (answeredWithoutDialog(done))
        return;
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog* dialog = makeDialog(window, start.isEmpty() ? QDir::homePath() : start);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const QString& extension : extensions)
        filters.append(QStringLiteral("%1 (*.%2)").arg(extension.toUpper(), extension));
    filters.append(QFileDialog::tr("All Files (*)"));
    dialog->setNameFilters(filters);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [done](const QString& path) {
        if (!path.isEmpty())
            done(path);
    });
    dialog->open();
}

void SystemPanel::chooseFolder(const QString& directory, QWidget* window, Completion done)
{
    if (answeredWithoutDialog(done))
        return;
    QString start = directory;
    if (start.isEmpty())
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog* dialog = makeDialog(window, start.isEmpty() ? QDir::homePath() : start);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [done](const QString& path) {
        if (!path.isEmpty())
            done(path);
    });
    dialog->open();
}

void SystemPanel::answerWithoutDialog(const QString& answer)
{
    g_answer = answer;
}
