#include "app/AboutContent.h"

#include "app/UpdateChecker.h"
#include "model/Localized.h"
#include "model/SqliteDatabase.h"
#include "platform/TextRecognizer.h"

#include <QtGlobal>

#include <spdlog/version.h>

namespace AboutContent {

QList<std::pair<QString, QString>> libraries()
{
    QList<std::pair<QString, QString>> list;
    QString qt = QString::fromLatin1(qVersion());
    if (qt != QLatin1String(QT_VERSION_STR))
        qt += QStringLiteral(" (%1)").arg(LocalizedAbout::builtWith(QStringLiteral(QT_VERSION_STR)));
    list.append({QStringLiteral("Qt"), qt});
    list.append({QStringLiteral("SQLite"), SqliteDatabase::libraryVersion()});
    list.append({QStringLiteral("spdlog"),
                 QStringLiteral("%1.%2.%3").arg(SPDLOG_VER_MAJOR).arg(SPDLOG_VER_MINOR).arg(SPDLOG_VER_PATCH)});
    list.append({QStringLiteral("Tesseract"), TextRecognizer::tesseractVersion()});
    list.append({QStringLiteral("Leptonica"), TextRecognizer::leptonicaVersion()});
    list.append({QStringLiteral("libxcb"), QStringLiteral(BRIMBLE_XCB_VERSION)});
    // Empty when the build has no native Wayland clipboard.
    if (!QStringLiteral(BRIMBLE_WAYLAND_VERSION).isEmpty()) {
        list.append({QStringLiteral("libwayland-client"), QStringLiteral(BRIMBLE_WAYLAND_VERSION)});
        list.append({QStringLiteral("xkbcommon"), QStringLiteral(BRIMBLE_XKBCOMMON_VERSION)});
    }
    return list;
}

AboutInfo info(const QString& historyPath, const QString& logDirectory)
{
    AboutInfo about;
    about.version = UpdateChecker::currentVersion();
    about.description = LocalizedAbout::description();
    about.licence = LocalizedAbout::licence();
    about.libraries = libraries();
    about.historyPath = historyPath;
    about.logDirectory = logDirectory;
    return about;
}

} // namespace AboutContent
