#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "common/CrashCatcher.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Before anything else, so a crash anywhere in start-up leaves a report.
    CrashCatcher::install(CrashCatcher::defaultReportDirectory(),
                          BRIMBLE_VERSION " (" BRIMBLE_BUILD_NUMBER ")");
    // The image text reader is meant to take one core at the lowest priority; Tesseract's
    // OpenMP would otherwise start a thread per core.
    qputenv("OMP_THREAD_LIMIT", "1");

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // The one history store and the one set of preferences of this process. Everything that
    // uses them is made after them and gone before them: the application and the delegate
    // below, and with the delegate Brimble and the platform.
    CoreDataManager store;
    Preferences preferences(Preferences::defaultPath());
    // What the store needs of the preferences and the texts, which live above it.
    store.setRetentionLevelProvider([&preferences] { return preferences.historyCapacity(); });
    store.setSecretLifetimeProvider([&preferences] { return preferences.secretLifetime(); });
    PasteCategoryInfModel::setTitles(&LocalizedQuickView::clipboardHistory, &LocalizedQuickView::unnamed);

    if (CommandLine::isCommand(arguments)) {
        QCoreApplication app(argc, argv);
        // Standard error carries only the command's own one-line messages; what the store
        // has to say goes to the log.
        qunsetenv("BRIMBLE_LOG_STDERR");
        Log::setup(Log::defaultLogDirectory());
        return CommandLine::run(arguments, store);
    }

    // The windows run on the same display as the clipboard engine: natively on a compositor
    // with data control, else on X11 (through XWayland on other Wayland sessions).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        const QByteArray plugin = Platform::qtPlatformPlugin();
        if (!plugin.isEmpty())
            qputenv("QT_QPA_PLATFORM", plugin);
    }

    // Qt aborts when its display cannot be opened, which would look like a crash and leave a
    // crash report behind; a missing display is the session's state, said in one line.
    const Platform::DisplayProblem noDisplay = Platform::displayProblem(qgetenv("QT_QPA_PLATFORM"));
    if (noDisplay.kind != Platform::DisplayProblem::None) {
        // Said in the user's language, which needs an application to hold the texts.
        QCoreApplication app(argc, argv);
        Localized::install();
        const QString message = noDisplay.kind == Platform::DisplayProblem::NotSet
                                    ? LocalizedCommandLine::noDisplay()
                                : noDisplay.kind == Platform::DisplayProblem::Wayland
                                    ? LocalizedCommandLine::cannotOpenWayland(noDisplay.display)
                                    : LocalizedCommandLine::cannotOpenX11(noDisplay.display);
        fprintf(stderr, "brimble: %s\n", qPrintable(message));
        return CommandLine::NoDisplay;
    }

    // The link preview's web engine shares GL contexts with the widgets; it must be said before
    // the application exists, even though the engine starts only with the first link.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brimble"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brimble"));
    QApplication::setApplicationVersion(QStringLiteral(BRIMBLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("brimble"));
    // A tray agent: closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    AppDelegate delegate(store, preferences);
    int exitCode = 0;
    if (!delegate.applicationDidFinishLaunching(&exitCode))
        return exitCode;
    const int status = QApplication::exec();
    return status != 0 ? status : delegate.terminationStatus();
}
