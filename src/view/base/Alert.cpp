#include "Alert.h"

#include "model/Localized.h"

#include <QPushButton>

#include <atomic>

namespace Alert {

QMessageBox* confirm(QWidget* window, const QString& message, const QString& informative,
                     QMessageBox::Icon style, std::function<void()> onConfirm)
{
    auto* box = new QMessageBox(style, message, message, QMessageBox::NoButton, window);
    // The message may carry a name the user typed: shown as typed, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QPushButton* ok = box->addButton(LocalizedAlert::confirm(), QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(LocalizedAlert::cancel(), QMessageBox::RejectRole);
    // What is confirmed deletes: Return alone must not do it.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::finished, box, [box, ok, onConfirm = std::move(onConfirm)] {
        if (box->clickedButton() == ok && onConfirm)
            onConfirm();
    });
    box->open();
    return box;
}

void inform(QWidget* window, const QString& message, const QString& informative, QMessageBox::Icon style)
{
    if (!dialogsShown())
        return;
    auto* box = new QMessageBox(style, message, message, QMessageBox::NoButton, window);
    box->setInformativeText(informative);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    box->addButton(LocalizedAlert::confirm(), QMessageBox::AcceptRole);
    box->open();
}

namespace {
std::atomic<bool> g_dialogsShown{true};
} // namespace

bool dialogsShown()
{
    return g_dialogsShown.load();
}

void setDialogsShown(bool shown)
{
    g_dialogsShown = shown;
}

} // namespace Alert
