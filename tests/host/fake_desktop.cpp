// The recording desktop behind the host tests.
#include "fake_desktop.h"

#include <cstring>
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include "animation/idle_animations.h"
#include "animation/pose_table.h"
#include "animation/walking.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "life/care.h"
#include "life/life_clock.h"
#include "life/program_state.h"
#include "life/timer_dispatch.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/settings.h"

FakeDesktop desktop;

int FakeDesktop::interval(int timerId) const {
    auto found = timers.find(timerId);
    return found == timers.end() ? -1 : found->second.interval;
}

void FakeDesktop::advance(long long ms) {
    const long long until = now + ms;
    int timerId = 0;
    while (nextDue(until, timerId)) {
        runTimerStep(timerId);
    }
    now = until;
}

std::vector<int> FakeDesktop::regionIds(std::size_t from) const {
    std::vector<int> ids;
    for (std::size_t i = from; i < regions.size(); ++i) {
        ids.push_back(regions[i].bitmapId);
    }
    return ids;
}

void OnScreenTest::SetUp() {
    CoreTest::SetUp();
    screenWidth = 800;
    screenHeight = 600;
    posX = 300;
    posY = 200;
}

void resetEverything() {
    desktop = FakeDesktop{};
    resetProgramState();
}

void startTimer(int timerId, int intervalMs) {
    desktop.start(timerId, intervalMs);
    desktop.timerLog.emplace_back(desktop.now, timerId);
}

void stopTimer(int timerId) {
    desktop.stop(timerId);
    desktop.timerLog.emplace_back(desktop.now, -timerId);
}

void applySpriteRegion(int bitmapId) {
    desktop.regions.push_back({desktop.now, bitmapId});
}

void redrawRabbit() {
    desktop.redraws += 1;
}

void showReport(const std::string& text, const std::string& caption) {
    desktop.reports.push_back({desktop.now, text, caption});
    if (desktop.whileReportOpen) {
        desktop.whileReportOpen(desktop.reports.back());
    }
}

bool askYesNo(const std::string& text, const std::string& caption) {
    desktop.questions.push_back(caption + ": " + text);
    return desktop.answerYes;
}

void enableMenuPosition(int position, bool enabled) {
    if (position >= 0 && position < 12) {
        desktop.menuEnabled[position] = enabled;
    }
}

void setMenuItemText(int commandId, TextId id) {
    desktop.menuTexts[commandId] = text(id);
}

void saveState() {
    desktop.saves.push_back(encodeSaveImage());
}

#ifdef _WIN32
namespace {
std::string convert(UINT from, UINT to, const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    std::string out(wide.size() * 3, '\0');
    out.resize(WideCharToMultiByte(to, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}
const UINT UTF8 = CP_UTF8;
const UINT BIG5 = 950;
} // namespace
#else
namespace {
std::string convert(const char* from, const char* to, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}
const char UTF8[] = "UTF-8";
const char BIG5[] = "CP950";
} // namespace
#endif

std::string big5ToUtf8(const char* bytes, std::size_t length) {
    return convert(BIG5, UTF8, std::string(bytes, length));
}

std::string utf8ToBig5(const std::string& text) {
    return convert(UTF8, BIG5, text);
}
