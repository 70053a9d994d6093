#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

// Reads the text in an image, on this computer (Tesseract with the language data installed
// from the distribution's packages). One recogniser per thread; it keeps its engine between
// images of the same languages.
class TextRecognizer
{
public:
    TextRecognizer();
    ~TextRecognizer();

    // The languages whose data is installed ("eng", "deu", ...), sorted; never the script
    // detector's own data.
    static QStringList installedLanguages();
    // What a person calls `languages` ("eng+chi_sim": "English + Chinese (Simplified)"); a code
    // no language is known by stays as it is.
    static QString languageNames(const QString& languages);

    // The image's text, lines as Tesseract found them; empty when it holds none. Absent when
    // `cancel` was set meanwhile or the engine could not start for `languages` ("eng+deu";
    // logged once per languages).
    std::optional<QString> recognise(const QImage& image, const QString& languages,
                                     const std::atomic<bool>& cancel);

    // The versions of the Tesseract and Leptonica libraries in use ("5.3.0", "1.82.0").
    static QString tesseractVersion();
    static QString leptonicaVersion();

    // Puts the calling thread at the lowest scheduling priority, below every normal thread.
    static void lowerThisThreadsPriority();

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
};
