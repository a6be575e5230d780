// The command line's arguments, cut from the input at its NUL bytes, read as they come and with
// the Qt front's toolkit options passed over. Besides not crashing:
// - a reading is an error exactly when it has an error's text, which begins "ou: ", and such a
//   run without windows exits 2 with that text on standard error;
// - only "--spread" takes --threads, --trials and --seed, each in its range;
// - the toolkit's options change nothing when no argument begins with "-".

#include "FuzzCheck.h"
#include "app/files/CommandLine.h"
#include "ui/qt/QtOptions.h"

#include <algorithm>

namespace {

using Action = CommandLine::Action;

void CheckReading(const CommandLine& command) {
    Require((command.Do == Action::Error) == !command.Error.empty(),
            "an error has a text and nothing else has one");
    if (command.Do == Action::Error) {
        Require(command.Error.starts_with("ou: "), "an error begins with the program's name");
        const CommandLineOutcome outcome = RunWithoutWindows(command);
        Require(outcome.Exit == kExitBadInput && outcome.Output.empty() &&
                    outcome.Errors.starts_with(command.Error),
                "an error exits 2 with its text on standard error");
    }
    if (command.Do == Action::Spread || command.Do == Action::Design)
        Require(!command.Threads || (*command.Threads >= 1 && *command.Threads <= 256),
                "the threads are 1 to 256");
    else
        Require(!command.Threads, "only --spread and --design take --threads");
    if (command.Do == Action::Spread)
        Require(!command.Trials || (*command.Trials >= 1 && *command.Trials <= kMaxTrials),
                "the trials are 1 to kMaxTrials");
    else
        Require(!command.Trials && !command.Seed, "only --spread takes --trials and --seed");
    if (command.Do == Action::ShowForm || command.Do == Action::Help ||
        command.Do == Action::Version)
        Require(command.StagePath.empty() && command.TablePath.empty(),
                "the form, the help and the version take no file");
    Require(RunsWithoutWindows(command) ==
                (command.Do != Action::ShowForm && command.Do != Action::Open),
            "only the form and a file opened in it need the windows");
}

bool SameReading(const CommandLine& a, const CommandLine& b) {
    return a.Do == b.Do && a.StagePath == b.StagePath && a.TablePath == b.TablePath &&
           a.Threads == b.Threads && a.Trials == b.Trials && a.Seed == b.Seed && a.Error == b.Error;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> arguments = SplitAtNul(InputText(data, size));
    const CommandLine plain = ParseCommandLine(arguments);
    const CommandLine withQt = ParseCommandLine(arguments, kQtOptions);
    CheckReading(plain);
    CheckReading(withQt);
    if (std::none_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return argument.starts_with('-'); }))
        Require(SameReading(plain, withQt), "without options the toolkit's are no matter");
    return 0;
}
