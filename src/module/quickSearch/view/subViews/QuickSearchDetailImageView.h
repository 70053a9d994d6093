#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QToolButton;

// An image item on a checkerboard, scaled to fit, with a Save button (and the same entry in
// its context menu) that writes the image in the format the user picks.
class QuickSearchDetailImageView : public QWidget
{
    Q_OBJECT
public:
    explicit QuickSearchDetailImageView(QWidget* parent = nullptr);
    ~QuickSearchDetailImageView() override;

    // image: the decoded picture to show; data: the stored bytes, which Save encodes.
    void setImage(const QImage& image, const QByteArray& data);
    const QImage& image() const { return image_; }

    // Asks for a file name (a save dialog with a timestamped name) and saves there.
    void chooseFileAndSave();
    // Encodes the stored image as `format` ("png", "jpeg", "tiff") into `path`, off the GUI
    // thread; imageSaved tells how it went.
    void saveImage(const QString& path, const QByteArray& format);

    // The format a chosen file is written in: its extension when it names one of ours, else the
    // chosen filter's, else PNG.
    static QByteArray formatForFile(const QString& path, const QString& selectedFilter);

Q_SIGNALS:
    void imageSaved(const QString& path, bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage image_;
    QByteArray data_;
    QPixmap scaled_; // the image at the size it is painted, made once per size
    QPixmap pattern_;
    QToolButton* saveButton_;
    std::shared_ptr<int> alive_;
};
