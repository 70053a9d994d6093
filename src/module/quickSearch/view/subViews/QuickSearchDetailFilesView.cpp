#include "module/quickSearch/view/subViews/QuickSearchDetailFilesView.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "module/quickSearch/view/subViews/QuickSearchFileItem.h"
#include "platform/FileThumbnailLoader.h"
#include "platform/Workspace.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QMimeDatabase>
#include <QStandardItemModel>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kTag = QStringLiteral("open file");

// The file type's theme icon, by name only: nothing is read from the file.
QIcon typeIcon(const QString& path)
{
    static QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(
        type.iconName(),
        QIcon::fromTheme(type.genericIconName(), QIcon::fromTheme(QStringLiteral("text-x-generic"))));
    // Desktops without an icon theme still get a file shape.
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

// Files the desktop's default handler would run rather than show: programs, scripts, desktop
// entries, whatever the file's name or permission bits say. They are shown in their folder.
bool wouldRun(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return false;
    if (info.isExecutable() || path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return true;
    static QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(path);
    static const QStringList runnable = {
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-sharedlib"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-desktop"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/x-msdownload"),
        QStringLiteral("application/vnd.appimage"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("application/x-csh"),
        QStringLiteral("application/x-msi"),
    };
    for (const QString& name : runnable)
        if (type.inherits(name))
            return true;
    return false;
}

QString nameOf(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.last();
}

} // namespace

QuickSearchDetailFilesView::QuickSearchDetailFilesView(QWidget* parent)
    : QWidget(parent), list_(new QListView(this)), model_(new QStandardItemModel(this)),
      thumbnails_(new FileThumbnailLoader(this))
{
    list_->setModel(model_);
    list_->setItemDelegate(new QuickSearchFileItem(list_));
    list_->setUniformItemSizes(true);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->installEventFilter(this);
    // A single click only points at a row; opening is a deliberate double click.
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { openFile(index.row()); });
    connect(thumbnails_, &FileThumbnailLoader::thumbnailLoaded, this,
            &QuickSearchDetailFilesView::applyThumbnail);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void QuickSearchDetailFilesView::setFiles(const QList<FileEntry>& files)
{
    model_->clear();
    for (const FileEntry& file : files) {
        auto* item = new QStandardItem(nameOf(file.path));
        item->setData(file.path, PathRole);
        item->setToolTip(file.path);
        const QImage thumbnail = thumbnails_->thumbnail(file.path);
        item->setIcon(thumbnail.isNull() ? typeIcon(file.path) : QIcon(QPixmap::fromImage(thumbnail)));
        model_->appendRow(item);
    }
}

void QuickSearchDetailFilesView::applyThumbnail(const QString& path)
{
    const QImage thumbnail = thumbnails_->thumbnail(path);
    if (thumbnail.isNull())
        return;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->item(row)->data(PathRole).toString() == path)
            model_->item(row)->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
}

QString QuickSearchDetailFilesView::pathAt(int row) const
{
    if (row < 0 || row >= model_->rowCount()) {
        Log::error(kTag, QStringLiteral("required data is nil"));
        return {};
    }
    return model_->item(row)->data(PathRole).toString();
}

void QuickSearchDetailFilesView::openFile(int row)
{
    const QString path = pathAt(row);
    if (path.isEmpty())
        return;
    // On Linux the bookmark is the plain path; a file that is gone cannot be opened.
    if (!QFileInfo::exists(path)) {
        Log::warning(kTag, QStringLiteral("request scoped resource fail"));
        return;
    }
    if (!workspace_) {
        Log::warning(kTag, QStringLiteral("no workspace to open the file with"));
        return;
    }
    if (wouldRun(path)) {
        Log::info(kTag, QStringLiteral("a program or script is shown in its folder, not run"));
        showFileInFolder(row);
        return;
    }
    workspace_->openUrl(QUrl::fromLocalFile(path));
}

void QuickSearchDetailFilesView::showFileInFolder(int row)
{
    const QString path = pathAt(row);
    if (path.isEmpty())
        return;
    if (!workspace_) {
        Log::warning(kTag, QStringLiteral("no workspace to show the file with"));
        return;
    }
    // Aliases resolved: the folder shown is the one the file really lives in.
    const QString target = QFileInfo(path).canonicalFilePath();
    workspace_->revealFile(target.isEmpty() ? path : target);
}

bool QuickSearchDetailFilesView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::ContextMenu) {
        popUpMenu(static_cast<QContextMenuEvent*>(event)->pos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void QuickSearchDetailFilesView::popUpMenu(const QPoint& position)
{
    const QModelIndex index = list_->indexAt(position);
    if (!index.isValid())
        return;
    const int row = index.row();
    QMenu menu(this);
    menu.addAction(LocalizedMenu::open(), this, [this, row] { openFile(row); });
    // Without a quick viewer on the desktop, the default application is the closest look.
    menu.addAction(LocalizedMenu::quickLook(), this, [this, row] { openFile(row); });
    menu.addAction(LocalizedMenu::showInFinder(), this, [this, row] { showFileInFolder(row); });
    menu.exec(list_->viewport()->mapToGlobal(position));
}
