#include "view/keypad_accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <vector>

#include "engine/key_codes.h"
#include "view/key_help.h"
#include "view/keypad_geometry.h"
#include "view/picture_rect.h"
#include "view/qt_text.h"
#include "view/spoken_lcd.h"
#include "view/tabrix_view.h"

namespace tabrix {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Accessibility", text); }

// The words a screen reader says around numbers and labels, in the user's language.
SpokenWords Words() {
    SpokenWords words;
    words.timesTenToThe = Tr(QT_TRANSLATE_NOOP("Accessibility", "times ten to the")).toStdString();
    words.shift = Tr(QT_TRANSLATE_NOOP("Accessibility", "shift")).toStdString();
    words.shifted = Tr(QT_TRANSLATE_NOOP("Accessibility", "shifted")).toStdString();
    words.describe = [](std::string_view description) {
        return QCoreApplication::translate("Functions", std::string(description).c_str()).toStdString();
    };
    return words;
}

// A rectangle of the picture, in screen coordinates.
QRect ScreenRect(const CTabrixView* view, const QRectF& logical) {
    const qreal scale = view->PictureScale();
    const QRectF local(view->PictureOrigin() + logical.topLeft() * scale, logical.size() * scale);
    return QRect(view->mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
}

// A part of the picture: the LCD or one key. Parts live as long as the view's
// own interface, which owns them.
class PictureItem : public QAccessibleInterface {
public:
    PictureItem(CTabrixView* view, QAccessibleInterface* parent) : m_view(view), m_parent(parent) {}
    bool isValid() const override { return m_view != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    CTabrixView* m_view;
    QAccessibleInterface* m_parent;
};

class LcdItem final : public PictureItem {
public:
    using PictureItem::PictureItem;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QRect rect() const override { return ScreenRect(m_view, PictureRect(kLcdWindow)); }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
            case QAccessible::Value: return QtText(SpokenLcd(m_view->Document(), Words()));
            // The stack above X, for whoever asks for more than the name says.
            case QAccessible::Description:
                return Tr(QT_TRANSLATE_NOOP("Accessibility", "Calculator display")) + QStringLiteral(": ") +
                       QtText(SpokenStack(m_view->Document(), Words()));
            default: return {};
        }
    }
};

class KeyItem final : public PictureItem, public QAccessibleActionInterface {
public:
    KeyItem(CTabrixView* view, QAccessibleInterface* parent, int code) : PictureItem(view, parent), m_code(code) {}
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = false;
        state.pressed = m_view->Document().m_nKey == static_cast<std::uint32_t>(m_code);
        return state;
    }
    QRect rect() const override {
        return ScreenRect(m_view, PictureRect(GetKeyRect(m_code)));
    }
    QString text(QAccessible::Text t) const override {
        // The name is the key's label; the description says all a tooltip does.
        if (t == QAccessible::Name) return QtText(KeyAccessibleName(m_code, Words()));
        if (t == QAccessible::Description) return KeyHelpText(m_code, m_view->Keys());
        return {};
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) m_view->PressKey(m_code);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    int Code() const { return m_code; }

private:
    int m_code;
};

// The view: a group whose first child is the LCD, then the keys in code order.
class ViewAccessible final : public QAccessibleWidget {
public:
    explicit ViewAccessible(CTabrixView* view) : QAccessibleWidget(view, QAccessible::Grouping) {
        m_items.push_back(new LcdItem(view, this));
        for (int code = static_cast<int>(keys::kFirstKey); code <= static_cast<int>(keys::kLastKey); ++code) {
            if (code != static_cast<int>(keys::kUnderEnter)) m_items.push_back(new KeyItem(view, this, code));
        }
        for (QAccessibleInterface* item : m_items) QAccessible::registerAccessibleInterface(item);
    }
    ~ViewAccessible() override {
        for (QAccessibleInterface* item : m_items) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Tr(QT_TRANSLATE_NOOP("Accessibility", "Tabrix calculator")) : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(m_items.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? m_items[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i] == child) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        auto* view = static_cast<CTabrixView*>(widget());
        const int key = view->KeyAt(view->mapFromGlobal(QPoint(x, y)));
        for (QAccessibleInterface* item : m_items) {
            if (auto* keyItem = dynamic_cast<KeyItem*>(item); keyItem != nullptr && keyItem->Code() == key) return item;
        }
        return m_items[0]->rect().contains(x, y) ? m_items[0] : nullptr;
    }

    QAccessibleInterface* Lcd() const { return m_items[0]; }

private:
    std::vector<QAccessibleInterface*> m_items;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<CTabrixView*>(object)) return new ViewAccessible(view);
    return nullptr;
}

}  // namespace

void InstallKeypadAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceLcdChange(CTabrixView* view) {
    if (!QAccessible::isActive()) return;
    auto* viewInterface = static_cast<ViewAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (viewInterface == nullptr) return;
    QAccessibleEvent event(viewInterface->Lcd(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tabrix
