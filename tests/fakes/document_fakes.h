// Test doubles for the document commands' services, and a harness that wires
// them to a calculator with a counting view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/document_commands.h"
#include "document/notice.h"
#include "document/services.h"
#include "fakes/doc_fixture.h"
#include "fakes/scripted_random.h"

namespace tabrix::testing {

// Answers every request with `answer` (nothing = the user cancels) and keeps
// the requests.
class FakeFileDialog final : public IFileDialog {
public:
    std::optional<std::string> Choose(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<FileDialogRequest> requests;
};

class RecordingMessageBox final : public IMessageBox {
public:
    void ShowMessage(const std::string& text, const std::string& detail) override {
        if (onShow) onShow(text);
        messages.push_back(text);
        details.push_back(EnglishText(detail));  // as an English reader sees it
    }
    std::function<void(const std::string&)> onShow;  // runs while the box is "up"
    std::vector<std::string> messages;
    std::vector<std::string> details;
};

class RecordingRecentFiles final : public IRecentFiles {
public:
    void AddToRecentFileList(const std::string& path) override {
        if (onAdd) onAdd(path);
        paths.push_back(path);
    }
    std::function<void(const std::string&)> onAdd;
    std::vector<std::string> paths;
};

// A private clipboard. `failOpen` makes Open() refuse (another program holds
// it); `failSet` makes SetText() fail and leave the old contents. Calls made
// while the clipboard is not open are counted as misuse.
class FakeClipboard final : public IClipboard {
public:
    bool Open() override {
        if (failOpen) return false;
        if (isOpen) ++misuse;
        isOpen = true;
        ++opens;
        return true;
    }
    void Close() override {
        if (!isOpen) ++misuse;
        isOpen = false;
        ++closes;
    }
    bool HasText() override {
        CheckOpen();
        return text.has_value();
    }
    std::optional<std::string> GetText() override {
        CheckOpen();
        return text;
    }
    bool SetText(const std::string& newText) override {
        CheckOpen();
        if (failSet) return false;
        text = newText;
        return true;
    }

    void Empty() override {
        CheckOpen();
        text.reset();
    }

    bool failOpen = false;
    bool failSet = false;
    std::optional<std::string> text;
    bool isOpen = false;
    int opens = 0;
    int closes = 0;
    int misuse = 0;

private:
    void CheckOpen() {
        if (!isOpen) ++misuse;
    }
};

class RecordingCommandUI final : public ICommandUI {
public:
    void Enable(bool enabled) override { enables.push_back(enabled); }
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<bool> enables;
    std::vector<std::string> texts;
};

// A calculator, every fake service, a view counting redraws, and the commands.
struct DocumentHarness {
    DocumentHarness() { t.doc.AddView(&view); }
    ~DocumentHarness() { t.doc.RemoveView(&view); }
    DocumentHarness(const DocumentHarness&) = delete;
    DocumentHarness& operator=(const DocumentHarness&) = delete;

    CTabrixDoc& doc() { return t.doc; }

    TestDoc t;
    CountingView view;
    FakeFileDialog dialog;
    RecordingMessageBox messages;
    RecordingRecentFiles recent;
    FakeClipboard clipboard;
    DocumentCommands commands{t.doc, DocumentServices{&dialog, &messages, &recent, &clipboard}};
};

}  // namespace tabrix::testing
