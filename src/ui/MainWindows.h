#pragma once

#include <future>
#include <memory>

struct ProgramContext;
class TFMdraw;

// The main window and the windows it opens. The main window stays hidden until a child signs
// in, so they are all created, in the program's fixed order, the first time one is needed:
// the name screen shows and takes a name without waiting for them. What the start-up does to
// the main window (its creation handler, the history flag, the clip and palette lists) is done
// at the start or as they are created.
class MainWindows {
public:
    // Lists the program in the registry of the maker's programs, as the main window's creation
    // handler does at every start; should the program end first, the destructor waits for it.
    explicit MainWindows(ProgramContext& program);
    ~MainWindows();

    // The work the windows must wait for before they are made: whatever writes the first-run
    // record must not run beside it.
    void waitBeforeMaking(std::shared_future<void> work) { before_ = std::move(work); }

    TFMdraw& main();
    void showInstructions();
    // Closes the main window, which ends the program; before it exists, ends the program.
    void close();

private:
    struct Windows;
    ProgramContext& program_;
    std::unique_ptr<Windows> windows_;
    std::future<void> registering_;
    std::shared_future<void> before_;
};
