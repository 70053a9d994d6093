#include "module/quickSearch/view/subViews/QuickSearchDetailImageView.h"
#include "view/base/Alert.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/Localized.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolButton>

namespace {

const QString kTag = QStringLiteral("QuickSearchDetailImageView");
constexpr int kCell = 8;

struct SaveFormat
{
    QByteArray format;
    QStringList extensions;
    QString filter;
};

// The formats offered, PNG first (the default); TIFF only where its image plugin is installed.
const QList<SaveFormat>& saveFormats()
{
    static const QList<SaveFormat> formats = [] {
        const QList<QByteArray> supported = QImageWriter::supportedImageFormats();
        QList<SaveFormat> all{
            {"png", {QStringLiteral("png")}, QStringLiteral("PNG (*.png)")},
            {"jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg")}, QStringLiteral("JPEG (*.jpg *.jpeg)")},
            {"tiff", {QStringLiteral("tiff"), QStringLiteral("tif")}, QStringLiteral("TIFF (*.tiff *.tif)")},
        };
        all.removeIf([&](const SaveFormat& format) { return !supported.contains(format.format); });
        return all;
    }();
    return formats;
}

QPixmap checkerboard(const QPalette& palette)
{
    QPixmap tile(2 * kCell, 2 * kCell);
    const QColor base = palette.color(QPalette::Base);
    const QColor other = base.lightness() > 128 ? base.darker(110) : base.lighter(130);
    tile.fill(base);
    QPainter painter(&tile);
    painter.fillRect(0, 0, kCell, kCell, other);
    painter.fillRect(kCell, kCell, kCell, kCell, other);
    return tile;
}

bool writeImage(const QByteArray& data, const QString& path, const QByteArray& format, QString* error)
{
    QImage image = QImage::fromData(data);
    if (image.isNull()) {
        *error = QStringLiteral("the image cannot be decoded");
        return false;
    }
    if (format == "jpeg" && image.hasAlphaChannel()) {
        // JPEG has no transparency: lay the picture on white rather than let it turn black.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = flat;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QuickSearchDetailImageView::QuickSearchDetailImageView(QWidget* parent)
    : QWidget(parent), saveButton_(new QToolButton(this)), alive_(std::make_shared<int>(0))
{
    saveButton_->setText(LocalizedMenu::saveToFile());
    saveButton_->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    saveButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    saveButton_->setFocusPolicy(Qt::NoFocus);
    saveButton_->setEnabled(false);
    connect(saveButton_, &QToolButton::clicked, this, &QuickSearchDetailImageView::chooseFileAndSave);
}

QuickSearchDetailImageView::~QuickSearchDetailImageView() = default;

void QuickSearchDetailImageView::setImage(const QImage& image, const QByteArray& data)
{
    image_ = image;
    data_ = data;
    scaled_ = QPixmap();
    saveButton_->setEnabled(!image_.isNull());
    update();
}

void QuickSearchDetailImageView::chooseFileAndSave()
{
    if (image_.isNull())
        return;
    QStringList filters;
    for (const SaveFormat& format : saveFormats())
        filters.append(format.filter);
    const QString name = LocalizedPasteBoardType::imageType() + QLatin1Char(' ') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss.zzz")) +
                         QStringLiteral("0.png");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    auto* dialog = new QFileDialog(window(), LocalizedMenu::saveToFile(), QDir(folder).filePath(name),
                                   filters.join(QStringLiteral(";;")));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A name typed without an extension gets the chosen format's.
    dialog->setDefaultSuffix(QStringLiteral("png"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        for (const SaveFormat& format : saveFormats())
            if (format.filter == filter)
                dialog->setDefaultSuffix(format.extensions.first());
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& path) {
        saveImage(path, formatForFile(path, dialog->selectedNameFilter()));
    });
    dialog->open();
}

QByteArray QuickSearchDetailImageView::formatForFile(const QString& path, const QString& selectedFilter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const SaveFormat& format : saveFormats())
        if (format.extensions.contains(suffix))
            return format.format;
    for (const SaveFormat& format : saveFormats())
        if (format.filter == selectedFilter)
            return format.format;
    return "png";
}

void QuickSearchDetailImageView::saveImage(const QString& path, const QByteArray& format)
{
    const std::weak_ptr<int> alive = alive_;
    Dispatch::global([this, alive, data = data_, path, format] {
        QString error;
        const bool ok = writeImage(data, path, format, &error);
        if (ok)
            Log::info(kTag, QStringLiteral("image saved as %1").arg(QString::fromLatin1(format)));
        else
            Log::error(kTag, QStringLiteral("saving the image failed: %1").arg(error));
        Dispatch::main([this, alive, path, ok] {
            if (alive.expired())
                return;
            if (!ok && Alert::dialogsShown())
                QMessageBox::warning(window(), LocalizedAlert::alert(), LocalizedAlert::saveToFileFailed());
            Q_EMIT imageSaved(path, ok);
        });
    });
}

void QuickSearchDetailImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (pattern_.isNull())
        pattern_ = checkerboard(palette());
    painter.drawTiledPixmap(rect(), pattern_);
    if (image_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize target = image_.size().scaled(size() * ratio, Qt::KeepAspectRatio);
    if (scaled_.size() != target) {
        scaled_ = QPixmap::fromImage(image_.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    const QSizeF shown = QSizeF(scaled_.size()) / ratio;
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), scaled_);
}

void QuickSearchDetailImageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize hint = saveButton_->sizeHint();
    saveButton_->setGeometry(width() - hint.width() - 8, height() - hint.height() - 8, hint.width(),
                             hint.height());
}

void QuickSearchDetailImageView::contextMenuEvent(QContextMenuEvent* event)
{
    if (image_.isNull())
        return;
    QMenu menu(this);
    menu.addAction(LocalizedMenu::saveToFile(), this, &QuickSearchDetailImageView::chooseFileAndSave);
    menu.exec(event->globalPos());
}
