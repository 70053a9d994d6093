#pragma once

#include <QMap>
#include <QStringList>

#include <optional>

// `brimble VERB ...`: the command-line interface. Verbs talk to the running Brimble over its
// socket; the read-only ones read the history directly when none runs. Results go to
// standard output, one clear line per problem to standard error.
class CoreDataManager;

namespace CommandLine {

enum ExitCode
{
    Success = 0,
    Failed = 1,     // the request could not be carried out (no such item or clipboard)
    Usage = 2,      // unknown verb or option, missing argument
    NotRunning = 3, // the verb needs a running Brimble
    StoreUnreadable = 4,
    Busy = 5,       // Brimble runs but could not take the request in time
    CopiedOnly = 6, // paste: the item is on the clipboard, but automatic paste is off
    NoDisplay = 7,  // Brimble itself: no display could be opened
};

// Whether the arguments ask for a command-line verb rather than starting Brimble.
bool isCommand(const QStringList& arguments);

// Runs the verb in `arguments` (argv without the program name) and returns the exit code. The
// verbs that read the history themselves open `store` read-only on its file.
int run(const QStringList& arguments, CoreDataManager& store);

// `brimble --help`, made from resources/cli/commandline.json with its summaries in the user's
// language (Localized must be installed).
QString helpText();

// Each verb with the options it takes.
QMap<QString, QStringList> verbOptions();

} // namespace CommandLine
