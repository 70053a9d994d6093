#include "TextRecognizer.h"

#include "common/Log.h"

#include <QDir>
#include <QLocale>

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QString kTag = QStringLiteral("TextRecognizer");

QString dataFolder()
{
    const QByteArray prefix = qgetenv("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return QString::fromLocal8Bit(prefix);
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}
} // namespace

QString TextRecognizer::tesseractVersion()
{
    return QString::fromLatin1(tesseract::TessBaseAPI::Version());
}

QString TextRecognizer::leptonicaVersion()
{
    // "leptonica-1.82.0", allocated by the library.
    char* text = getLeptonicaVersion();
    if (!text)
        return QString();
    QString version = QString::fromLatin1(text);
    lept_free(text);
    return version.startsWith(QLatin1String("leptonica-")) ? version.mid(10) : version;
}

struct TextRecognizer::Engine
{
    tesseract::TessBaseAPI api;
    QString languages;
    bool ready = false;
};

TextRecognizer::TextRecognizer() = default;
TextRecognizer::~TextRecognizer()
{
    if (engine_)
        engine_->api.End();
}

QStringList TextRecognizer::installedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(dataFolder()).entryList({QStringLiteral("*.traineddata")}, QDir::Files)) {
        const QString name = file.chopped(int(qstrlen(".traineddata")));
        if (name != QLatin1String("osd") && name != QLatin1String("equ"))
            languages.append(name);
    }
    languages.sort();
    return languages;
}

QString TextRecognizer::languageNames(const QString& languages)
{
    QStringList names;
    for (const QString& code : languages.split(u'+', Qt::SkipEmptyParts)) {
        // Tesseract names its data by ISO 639 code, with a variant after an underscore.
        const QString base = code.section(u'_', 0, 0);
        const QString variant = code.section(u'_', 1);
        const QLocale::Language language = QLocale::codeToLanguage(base, QLocale::AnyLanguageCode);
        if (language == QLocale::AnyLanguage || language == QLocale::C) {
            names.append(code);
            continue;
        }
        QString name = QLocale::languageToString(language);
        if (variant == QLatin1String("sim"))
            name += QStringLiteral(" (Simplified)");
        else if (variant == QLatin1String("tra"))
            name += QStringLiteral(" (Traditional)");
        else if (!variant.isEmpty())
            name += QStringLiteral(" (%1)").arg(variant);
        names.append(name);
    }
    return names.isEmpty() ? languages : names.join(QStringLiteral(" + "));
}

std::optional<QString> TextRecognizer::recognise(const QImage& image, const QString& languages,
                                                 const std::atomic<bool>& cancel)
{
    if (!engine_ || engine_->languages != languages) {
        engine_ = std::make_unique<Engine>();
        engine_->languages = languages;
        engine_->ready = engine_->api.Init(dataFolder().toLocal8Bit().constData(),
                                           languages.toLatin1().constData(), tesseract::OEM_LSTM_ONLY) == 0;
        if (!engine_->ready)
            Log::error(kTag, QStringLiteral("the text reader could not start for \"%1\" (data in %2)")
                                 .arg(languages, dataFolder()));
    }
    if (!engine_->ready)
        return std::nullopt;
    // Grey is all the engine looks at, and a quarter of the bytes of colour.
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    engine_->api.SetPageSegMode(tesseract::PSM_AUTO);
    engine_->api.SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    engine_->api.SetSourceResolution(96);
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void* flag, int) { return static_cast<const std::atomic<bool>*>(flag)->load(); };
    monitor.cancel_this = const_cast<std::atomic<bool>*>(&cancel);
    const int failed = engine_->api.Recognize(&monitor);
    if (cancel.load() || failed != 0) {
        engine_->api.Clear();
        return std::nullopt;
    }
    std::unique_ptr<char[]> text(engine_->api.GetUTF8Text());
    engine_->api.Clear();
    return text ? QString::fromUtf8(text.get()).trimmed() : QString();
}

void TextRecognizer::lowerThisThreadsPriority()
{
    sched_param param{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) != 0)
        setpriority(PRIO_PROCESS, pid_t(gettid()), 19);
}
