// The document's services on Qt: file dialogs, message boxes, the system
// clipboard, the recent-file list in the settings, and menu items.
#pragma once

#include <QAction>

#include "document/services.h"

class QWidget;

namespace tabrix {

class QtFileDialog final : public IFileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    std::optional<std::string> Choose(const FileDialogRequest& request) override;

private:
    QWidget* m_parent;
};

class QtMessageBox final : public IMessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    void ShowMessage(const std::string& text, const std::string& details) override;

private:
    QWidget* m_parent;
};

// The system clipboard's plain text.
class QtClipboard final : public IClipboard {
public:
    bool Open() override { return true; }
    void Close() override {}
    bool HasText() override;
    std::optional<std::string> GetText() override;
    bool SetText(const std::string& text) override;
    void Empty() override;
};

// A menu item or tool bar action as the document's update handlers see it.
class QtCommandUI final : public ICommandUI {
public:
    explicit QtCommandUI(QAction* action) : m_action(action) {}
    void Enable(bool enabled) override { m_action->setEnabled(enabled); }
    void SetText(const std::string& text) override { m_action->setText(QString::fromStdString(text)); }
    void SetCheck(bool checked) override {
        m_action->setCheckable(true);
        m_action->setChecked(checked);
    }

private:
    QAction* m_action;
};

}  // namespace tabrix
