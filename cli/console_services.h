// The console's own implementations of the document's services.
#pragma once

#include <ostream>
#include <string>

#include "document/notice.h"
#include "document/private_clipboard.h"
#include "document/services.h"

namespace tabrix::cli {

// A clipboard private to one run (the document's PrivateClipboard).
using tabrix::PrivateClipboard;

// A message box is one line on standard error: the message's own text, or
// with details "tabrix-cli: File Error: s.rpn: Permission denied".
class ConsoleMessageBox final : public IMessageBox {
public:
    explicit ConsoleMessageBox(std::ostream& err) : m_err(err) {}
    void ShowMessage(const std::string& text, const std::string& details) override {
        if (details.empty()) {
            m_err << text << "\n";
        } else {
            m_err << "tabrix-cli: " << text << ": " << EnglishText(details) << "\n";
        }
    }

private:
    std::ostream& m_err;
};

}  // namespace tabrix::cli
