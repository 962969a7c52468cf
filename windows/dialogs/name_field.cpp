// Keeps the rename field within what the save file's name can hold.
#include "windows/dialogs/name_field.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "language/texts.h"
#include "windows/dialogs/balloon_tip.h"
#include "windows/wide_text.h"

namespace {
// The text last let through and its code page 950 bytes.
std::wstring acceptedText;
std::string acceptedBytes;

std::wstring fieldText(HWND field) {
    const int length = GetWindowTextLengthW(field);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(field, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Says why, in a balloon on the field: refusing in silence leaves the user guessing.
void explainRefusal(HWND field, TextId reason) {
    showBalloonTip(field, widen(text(TextId::NAME_REFUSED_TITLE)), widen(text(reason)));
}

// Puts the old text back with the caret where the refused typing began, and says why.
void undoEdit(HWND field, const std::wstring& text, TextId reason) {
    DWORD caret = 0;
    SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const long grown = static_cast<long>(text.size()) - static_cast<long>(acceptedText.size());
    const long start = std::min(std::max(static_cast<long>(caret) - grown, 0L),
                                static_cast<long>(acceptedText.size()));
    SetWindowTextW(field, acceptedText.c_str());
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start));
    MessageBeep(MB_OK);
    explainRefusal(field, reason);
}
} // namespace

void fillNameField(HWND field, const char* name, std::size_t capacity) {
    // Every character takes at least one byte: the edit's own limit stops long typing early.
    SendMessageW(field, EM_LIMITTEXT, NAME_FIELD_BYTES, 0);
    const std::size_t length =
        static_cast<std::size_t>(std::find(name, name + capacity - 1, '\0') - name);
    acceptedText = big5ToWide(name, length);
    acceptedBytes.assign(name, length);
    SetWindowTextW(field, acceptedText.c_str());
}

void checkNameField(HWND field) {
    const std::wstring text = fieldText(field);
    if (text == acceptedText) {
        return;
    }
    std::string bytes;
    // A name loaded longer than the field allows may still be shortened.
    const std::size_t limit =
        acceptedBytes.size() > NAME_FIELD_BYTES ? acceptedBytes.size() : NAME_FIELD_BYTES;
    // The way back must give the same text: a stand-in such as "e" for "é" is refused too.
    if (!wideToBig5(text, bytes) || big5ToWide(bytes.data(), bytes.size()) != text) {
        undoEdit(field, text, TextId::NAME_CHARACTER_REFUSED);
    } else if (bytes.size() > limit) {
        undoEdit(field, text, TextId::NAME_TOO_LONG);
    } else {
        acceptedText = text;
        acceptedBytes = bytes;
        hideBalloonTip();
    }
}

void explainNameTooLong(HWND field) {
    explainRefusal(field, TextId::NAME_TOO_LONG);
}

void takeNameField(HWND field, char* name) {
    // Settles a change that came without its notification.
    checkNameField(field);
    std::memcpy(name, acceptedBytes.data(), acceptedBytes.size());
    name[acceptedBytes.size()] = '\0';
}
