// Shared help for the Windows tests: a watchdog, a hook that answers modal boxes, and
// the real rabbit window in a folder of its own.
//
// How to use it:
// - The test main (test_main.cpp) copies the test program into a fresh temporary
//   folder and runs the copy there, so "rabbit.dat beside the executable" belongs to
//   that one run and is deleted with the folder, and every program it starts ends with it.
//   A watchdog ends a run that hangs (exit code 3, after WATCHDOG_SECONDS without progress).
// - Derive fixtures from RabbitWindowTest. SetUp resets every subsystem, deletes the
//   save file and hooks modal boxes, and has the window speak Traditional Chinese as on a
//   Windows in that language (traditionalChineseDisplay); TearDown destroys the rabbit window and
//   deletes the save file. Write a save file first (writeSaveFile) to start with a rabbit, then
//   call createRabbitWindow().
// - `boxes` answers every message box and dialog (window class #32770) opened on the
//   test's thread: `boxes.answers` are the command ids posted to the next boxes in
//   turn (IDOK once they run out; a yes/no box needs IDYES or IDNO); `boxes.onOpen`,
//   when set, runs first with the box (read or fill its controls) and may return the
//   command to post instead (0: take the next answer); `boxes.holdMs` keeps each box
//   open that long before answering, with the window's timers ticking meanwhile;
//   `boxes.seen` lists the caption and text (UTF-8) of every box in order.
// - pumpMessages(ms) lets timers and posted messages run on this thread for a while.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "life/program_state.h"
#include "save/save_image.h"

constexpr int WATCHDOG_SECONDS = 60;

// Ends the process with exit code 3 unless it has finished by then.
void startWatchdog(int seconds);
// A long run that is getting on gives itself the watchdog's time again.
void restartWatchdog();

struct SeenBox {
    std::string caption;
    std::string text; // a message box's body; empty for a dialog
};

class ModalBoxAnswerer {
  public:
    std::deque<int> answers;
    std::function<int(HWND box)> onOpen;
    int holdMs = 0;
    std::vector<SeenBox> seen;

    // Hooks the calling thread; one answerer at a time.
    void install();
    void uninstall();
    // The texts of the boxes seen so far, for failure messages.
    std::string describe() const;

    // Called by the hook.
    void answer(HWND box);
};

// The folder part of a path, whichever separator it uses.
std::wstring folderOf(const std::wstring& path);
// The folder of the running test program and the save file in it.
std::wstring testFolder();
// The folder the test program was built in, where the programs the tests start lie
// (varnok.exe, the save driver, the fullscreen stand-in). A run's copy in its own folder
// is told it by the program that started it.
std::wstring builtFolder();
// Names the built folder to the programs this one starts.
void passBuiltFolder(const std::wstring& folder);
std::wstring saveFileInTestFolder();
void writeSaveFile(const SaveImage& image);
void writeSaveFileBytes(const std::string& bytes);
// The file's bytes, or an empty string when it does not exist.
std::string readSaveFileBytes();
void removeSaveFile();
// The settings file beside the save file; RabbitWindowTest deletes it before and after.
std::wstring preferencesFileInTestFolder();
// A save file holding an adopted rabbit at the given place; the state is reset afterwards
// so that only the file carries it.
void writeRabbitSave(int x, int y);

// The monitor that is not the main one, if there is one (the first the system lists).
bool otherMonitor(MONITORINFO& monitor);

// Registers the class (once per run) and creates the rabbit window as start-up does;
// returns mainWindow.
HWND createRabbitWindow();
// Destroys the window if it exists and takes the quit message it posts; true when one came.
bool destroyRabbitWindow();
// The rabbit window's rectangle on the screen.
RECT rabbitWindowRect();
// The middle of the standing rabbit's belly on the screen, inside its outline.
POINT rabbitBelly();
// A region's rectangles, as GDI keeps them.
std::vector<RECT> regionRects(HRGN region);
// A picture's colours row by row from the top, as GetPixel reads them.
std::vector<uint32_t> picturePixels(HBITMAP bitmap, SIZE size);
// This process's GDI objects, counted by asking every 16-bit handle value what it is:
// Wine answers for a handle by its low word (and says 0 to GetGuiResources).
int gdiObjectsByHandle();

// Dispatches this thread's messages for `ms` milliseconds; a quit message is noted and
// dropped so that the test goes on.
void pumpMessages(int ms);
bool quitWasPosted();
// Dispatches this thread's messages until the condition holds, for 10 s at most; whether it
// came to hold.
bool pumpUntil(const std::function<bool()>& holds);

// Sends the message and returns where a popup menu opened meanwhile, closing it again;
// empty when none opened.
RECT menuRectAfter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Right-clicks the rabbit as the window receives it, with these buttons and keys held, and
// returns where the popup menu opened, as above.
RECT rightClickMenuRect(WPARAM buttons);

// Clicks the left button at a screen point through the system's own mouse input; false
// when Windows took none.
bool clickAt(POINT point);

// Drags the rabbit as a user would, through the system's own mouse input, so that the
// button is really down while the window's moving loop runs: pressed at the screen point
// `grab`, moved by (dx, dy) once the loop runs, and let go; returns when the drag has
// ended. False when Windows took no press at all (a desktop that takes no input).
bool dragRabbit(POINT grab, int dx, int dy);
constexpr char NO_MOUSE_INPUT[] =
    "Windows took no mouse press here (SendInput left the button up), so nothing can be "
    "dragged on this desktop";

// A program built beside the tests (a stand-in for another program), started with its
// arguments and ended with the test whatever happens.
class HelperProgram {
  public:
    HelperProgram() = default;
    HelperProgram(const HelperProgram&) = delete;
    HelperProgram& operator=(const HelperProgram&) = delete;
    ~HelperProgram();
    // `arguments` follow the program's quoted path on its command line.
    bool start(const std::wstring& program, const std::wstring& arguments = std::wstring());
    bool ended();
    // Starts the program and waits up to 10 s for it to end by itself; its exit code, or -1.
    static int run(const std::wstring& program, const std::wstring& arguments);

  private:
    PROCESS_INFORMATION process = {};
};

// Windows' display language for Traditional Chinese, as userDisplayLanguage answers it.
LANGID WINAPI traditionalChineseDisplay();

class RabbitWindowTest : public ::testing::Test {
  protected:
    ModalBoxAnswerer boxes;
    void SetUp() override;
    void TearDown() override;
};
