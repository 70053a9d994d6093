#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class CoreDataManager;

// Reads the text in copied images in the background, so that search finds screenshots by
// their words: one thread at the lowest priority, newest image first, one image at a time.
// What it read is kept with the item (CoreDataManager::recordImageText); an image it was in
// the middle of when it stopped is read again the next time it starts.
class ImageTextReader
{
public:
    struct Settings
    {
        bool enabled = true;
        QString languages = QStringLiteral("eng"); // Tesseract's form: "eng+deu"
    };
    using SettingsProvider = std::function<Settings()>;

    // Larger images are not read (one log line each): a screenshot of several 8K screens is
    // the largest thing worth the memory.
    static constexpr qint64 maxPixels = 40'000'000;

    ImageTextReader(CoreDataManager& store, SettingsProvider settings);
    ~ImageTextReader(); // stop()

    void start();
    // Something new may be there to read (a copy, a setting changed).
    void wake();
    // Cancels the image being read (it stays unread) and waits for the thread.
    void stop();

    // Images read since start (tests, benchmarks).
    int readCount() const { return readCount_.load(); }

private:
    void run();
    // False when it stopped in the middle.
    bool readOne(qint64 id, const QString& uuid, const Settings& settings);

    CoreDataManager& store_;
    SettingsProvider settings_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool pending_ = true;
    std::atomic<bool> stopping_{false};
    std::atomic<int> readCount_{0};
    int observerKey_ = -1;
};
