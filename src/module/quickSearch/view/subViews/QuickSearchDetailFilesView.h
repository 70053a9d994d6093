#pragma once

#include "model/PasteBoardUtils.h"

#include <QList>
#include <QWidget>

class FileThumbnailLoader;
class QListView;
class QStandardItemModel;
class Workspace;

// A file-list item: one row per file with its thumbnail, name and path. A double click opens
// the file with its default application; its menu opens it or shows it in its folder. Programs,
// scripts and desktop entries are never run: opening one shows it in its folder.
// Thumbnails are asked for once per file when the list is set, never while painting.
class QuickSearchDetailFilesView : public QWidget
{
    Q_OBJECT
public:
    enum Role
    {
        PathRole = Qt::UserRole + 1,
    };

    explicit QuickSearchDetailFilesView(QWidget* parent = nullptr);

    void setFiles(const QList<FileEntry>& files);
    // Opens and reveals go through the desktop's workspace; without one they are logged only.
    void setWorkspace(Workspace* workspace) { workspace_ = workspace; }

    QListView* listView() const { return list_; }
    QStandardItemModel* model() const { return model_; }

    void openFile(int row);
    void showFileInFolder(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyThumbnail(const QString& path);
    void popUpMenu(const QPoint& position);
    QString pathAt(int row) const;

    QListView* list_;
    QStandardItemModel* model_;
    FileThumbnailLoader* thumbnails_;
    Workspace* workspace_ = nullptr;
};
