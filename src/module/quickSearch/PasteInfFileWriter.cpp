#include "module/quickSearch/PasteInfFileWriter.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "platform/PasteboardTypes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <chrono>

namespace {
const QString kTag = QStringLiteral("save to file");

// Past this many taken names in a row something else is wrong (a folder we cannot list).
constexpr int kMaxSuffix = 100000;

QByteArray formatForSuffix(const QString& suffix)
{
    const QByteArray lower = suffix.toLower().toLatin1();
    if (lower == "jpg" || lower == "jpeg")
        return "jpeg";
    if (lower == "tif" || lower == "tiff")
        return "tiff";
    return lower;
}

bool canWrite(const QByteArray& format)
{
    return !format.isEmpty() && QImageWriter::supportedImageFormats().contains(format);
}

// The bytes of an image in `format`: the stored bytes when they already are that format,
// else decoded and encoded again. Formats without alpha get the image over white, as a
// viewer would show it, rather than over black.
std::optional<QByteArray> imageBytes(const QByteArray& stored, QByteArray format, QString* error)
{
    if (!canWrite(format))
        format = "png";
    QBuffer input;
    input.setData(stored);
    QImageReader reader(&input);
    if (reader.format() == format)
        return stored;
    QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("the image cannot be decoded: ") + reader.errorString();
        return std::nullopt;
    }
    if (image.hasAlphaChannel() && (format == "jpeg" || format == "bmp")) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.setDevicePixelRatio(image.devicePixelRatio());
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
        image = opaque;
    }
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    QImageWriter writer(&output, format);
    if (!writer.write(image)) {
        *error = QStringLiteral("the image cannot be encoded as %1: %2")
                     .arg(QString::fromLatin1(format), writer.errorString());
        return std::nullopt;
    }
    return output.data();
}

std::optional<QByteArray> fileBytes(const QString& path, const PreferredContent& content, QString* error)
{
    if (content.displayType == PasteInfoDisplayType::Image) {
        const auto* stored = std::get_if<QByteArray>(&content.value);
        if (!stored) {
            *error = QStringLiteral("the image has no data");
            return std::nullopt;
        }
        return imageBytes(*stored, formatForSuffix(QFileInfo(path).suffix()), error);
    }
    if (!PasteInfFileWriter::ruleFor(content.displayType, content.pasteboardType)) {
        *error = QStringLiteral("a %1 item cannot be saved").arg(DisplayType::rawValue(content.displayType));
        return std::nullopt;
    }
    if (const auto* text = std::get_if<QString>(&content.value))
        return text->toUtf8();
    if (const auto* bytes = std::get_if<QByteArray>(&content.value))
        return *bytes;
    *error = QStringLiteral("the item has no data to save");
    return std::nullopt;
}
} // namespace

std::optional<PasteInfFileWriter::Rule> PasteInfFileWriter::ruleFor(PasteInfoDisplayType type,
                                                                    const QString& pasteboardType)
{
    switch (type) {
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
        if (pasteboardType == PasteboardType::html)
            return Rule{LocalizedPasteBoardType::richTextType(), {QStringLiteral("html")}};
        return Rule{LocalizedPasteBoardType::richTextType(), {QStringLiteral("rtf")}};
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::PlainText:
    case PasteInfoDisplayType::Color:
        return Rule{LocalizedPasteBoardType::plainTextType(), {QStringLiteral("txt")}};
    case PasteInfoDisplayType::Link:
        return Rule{LocalizedPasteBoardType::linkType(), {QStringLiteral("txt")}};
    case PasteInfoDisplayType::Image: {
        QStringList extensions;
        for (const QString& extension :
             {QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("tiff")})
            if (canWrite(formatForSuffix(extension)))
                extensions.append(extension);
        return Rule{LocalizedPasteBoardType::imageType(), extensions};
    }
    case PasteInfoDisplayType::File:
    case PasteInfoDisplayType::Unknown:
        break;
    }
    return std::nullopt;
}

QString PasteInfFileWriter::proposedName(const QString& baseName, const QDateTime& time,
                                         int tenthOfMillisecond)
{
    return baseName + QLatin1Char(' ') + time.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss.zzz")) +
           QString::number(tenthOfMillisecond % 10);
}

QString PasteInfFileWriter::proposedName(const QString& baseName)
{
    using namespace std::chrono;
    const auto micro = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return proposedName(baseName, QDateTime::fromMSecsSinceEpoch(micro / 1000), int(micro % 1000 / 100));
}

bool PasteInfFileWriter::writeItemFile(const QString& path, const PreferredContent& content, QString* error)
{
    QString reason;
    const std::optional<QByteArray> bytes = fileBytes(path, content, &reason);
    if (bytes) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit())
            return true;
        reason = file.errorString();
    }
    Log::error(kTag, QStringLiteral("write to file fail, ") + reason);
    if (error)
        *error = reason;
    return false;
}

QStringList PasteInfFileWriter::writeIntoFolder(const QString& folder, qsizetype count,
                                                const ItemSource& itemAt, int* failures,
                                                const NameMaker& nameFor)
{
    QStringList written;
    int failed = 0;
    const QDir dir(folder);
    for (qsizetype index = 0; index < count; ++index) {
        // Held for this step only: it goes before the next item is read.
        const std::optional<PreferredContent> item = itemAt(index);
        if (!item)
            continue;
        const PreferredContent& content = *item;
        const std::optional<Rule> rule = ruleFor(content.displayType, content.pasteboardType);
        const QString extension = rule && !rule->extensions.isEmpty() ? rule->extensions.first() : QString();
        const QString base = rule ? rule->baseName : QStringLiteral("file");
        const QString stem = nameFor ? nameFor(base) : proposedName(base);
        const QString dotExtension = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
        QString reason;
        const std::optional<QByteArray> bytes = fileBytes(stem + dotExtension, content, &reason);
        bool done = false;
        // The clock may not have moved between two items: a taken name gets the next number,
        // and NewOnly makes the check and the creation one step.
        for (int suffix = 1; bytes && !done && suffix < kMaxSuffix; ++suffix) {
            const QString name = suffix == 1
                                     ? stem + dotExtension
                                     : QStringLiteral("%1 %2%3").arg(stem).arg(suffix).arg(dotExtension);
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                if (file.exists())
                    continue;
                reason = file.errorString();
                break;
            }
            if (file.write(*bytes) != bytes->size()) {
                reason = file.errorString();
                file.remove();
                break;
            }
            written.append(file.fileName());
            done = true;
        }
        if (!done) {
            ++failed;
            Log::error(kTag, QStringLiteral("write to file fail, ") + reason);
        }
    }
    if (failures)
        *failures = failed;
    return written;
}
