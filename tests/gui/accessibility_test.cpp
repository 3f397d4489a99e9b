// The calculator as a screen reader sees it, through Qt's accessibility
// interfaces on the offscreen platform.
#include <QAccessible>
#include <gtest/gtest.h>

#include "fakes/session_fixture.h"
#include "view/tabrix_view.h"

namespace tabrix {
namespace {

TEST(Accessibility, LcdAndKeysAreExposedWithNamesRolesAndActions) {
    testing::TestSession t;
    CTabrixView view(t.session);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->childCount(), 30);  // the LCD and 29 keys

    QAccessibleInterface* lcd = root->child(0);
    EXPECT_EQ(lcd->role(), QAccessible::StaticText);
    EXPECT_EQ(lcd->text(QAccessible::Value), QStringLiteral("X 0, SCI 6, DEG"));

    QStringList names;
    for (int i = 1; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->role(), QAccessible::Button);
        names << root->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(names[8], QStringLiteral("7, shifted FIX display digits"));
    EXPECT_EQ(names[19], QStringLiteral("ENTER enter, lifting the stack, shifted RAN# random number"));
    EXPECT_EQ(names[24], QStringLiteral("F shift"));
    EXPECT_EQ(names[25], QStringLiteral("0, shifted STO store in a register"));  // code 26 has no key
    EXPECT_EQ(lcd->text(QAccessible::Description), QStringLiteral("Calculator display: Y 0, Z 0, T 0"));

    auto press = [&](int child) {
        QAccessibleActionInterface* action = root->child(child)->actionInterface();
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
    };
    press(21);  // 1
    press(27);  // .
    press(16);  // 5
    press(8);   // EEX
    press(21);  // 1
    EXPECT_EQ(lcd->text(QAccessible::Value), QStringLiteral("X 1.5 times ten to the 1, SCI 6, DEG"));
    press(20);  // ENTER
    press(25);  // F
    press(19);  // HYP
    EXPECT_EQ(lcd->text(QAccessible::Value), QStringLiteral("X 1.5 times ten to the 1, SCI 6, DEG, HYP"));
    press(25);
    EXPECT_EQ(lcd->text(QAccessible::Value), QStringLiteral("X 1.5 times ten to the 1, SCI 6, DEG, shift, HYP"));
    EXPECT_EQ(t.doc.m_dY, 15);

    // The key under a point of the screen.
    const QRect seven = root->child(9)->rect();
    EXPECT_EQ(root->childAt(seven.center().x(), seven.center().y()), root->child(9));
}

}  // namespace
}  // namespace tabrix
