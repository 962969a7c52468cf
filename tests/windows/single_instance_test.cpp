// One rabbit per folder when the folder's claim is out of this start's reach: a rabbit run as
// administrator holds one that a start with fewer rights may not open.
#include <windows.h>

#include <sddl.h>

#include <functional>
#include <string>

#include "win_test_support.h"
#include "windows/main_window.h"
#include "windows/rabbit_visibility.h"
#include "windows/single_instance.h"

namespace {
std::wstring claimName() {
    return L"Local\\" + folderClaimName();
}

// The claim as an elevated rabbit holds it for a normal start: a DACL that grants nothing.
HANDLE claimOutOfReach() {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P", SDDL_REVISION_1, &descriptor,
                                                         nullptr);
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor, FALSE};
    HANDLE claim = CreateMutexW(&attributes, TRUE, claimName().c_str());
    LocalFree(descriptor);
    return claim;
}

// Something else by the claim's name, which no mutex can be opened as.
HANDLE eventByTheName() {
    return CreateEventW(nullptr, TRUE, FALSE, claimName().c_str());
}

class SingleInstanceTest : public RabbitWindowTest {};

TEST_F(SingleInstanceTest, AClaimOutOfReachShowsTheRunningRabbitAndAnyOtherFailureRuns) {
    const struct {
        const char* holder;
        std::function<HANDLE()> hold;
        bool runs;
    } cases[] = {
        {"a claim out of reach", claimOutOfReach, false},
        {"an event by the claim's name", eventByTheName, true},
    };
    ASSERT_NE(createRabbitWindow(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.holder);
        HANDLE held = c.hold();
        ASSERT_NE(held, nullptr);
        ASSERT_EQ(CreateMutexW(nullptr, TRUE, claimName().c_str()), nullptr);
        hideRabbit();
        EXPECT_EQ(claimRabbitFolder(), c.runs);
        pumpMessages(100);
        EXPECT_NE(IsWindowVisible(mainWindow), c.runs) << "the running rabbit is shown";
        CloseHandle(held);
        showRabbit();
    }
}
} // namespace
