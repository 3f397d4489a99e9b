// The calculator widget on the offscreen platform: pointer and keyboard input
// and the painted picture, checked pixel by pixel.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "fakes/session_fixture.h"
#include "view/face_cache.h"
#include "view/face_painter.h"
#include "view/key_labels.h"
#include "view/keypad_geometry.h"
#include "view/lcd_colors.h"
#include "view/tabrix_view.h"

namespace tabrix {
namespace {

QPoint CentreOf(int key) {
    const KeyRect r = GetKeyRect(key);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ViewTest : public ::testing::Test {
protected:
    QImage Picture() {
        QImage image(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        view.Render(painter);
        return image;
    }
    void Click(int key) { ClickAt(CentreOf(key)); }
    void ClickAt(QPoint p) {
        QTest::mousePress(&view, Qt::LeftButton, {}, p);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, p);
    }
    // A key pressed and released on the view (a repeat is a release only).
    void Release(int qtKey, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        if (!autoRepeat) {
            QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
            QApplication::sendEvent(&view, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&view, &release);
    }

    testing::TestSession t;
    CTabrixView view{t.session};
};

// True when some pixel of the rectangle is much darker than the LCD colour.
bool HasInk(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 110) return true;
        }
    }
    return false;
}

// The high-contrast LCD draws the stack and mode lines as dark as the main
// line; the printed picture keeps them grey.
TEST_F(ViewTest, AHighContrastLcdDrawsTheStackLinesDark) {
    const QRect yLine(face::kStackY.x, face::kStackY.y, 60, 9);
    const auto darkest = [&](const QImage& image) {
        int least = 255;
        for (int y = yLine.top(); y <= yLine.bottom(); ++y) {
            for (int x = yLine.left(); x <= yLine.right(); ++x) least = std::min(least, qGray(image.pixel(x, y)));
        }
        return least;
    };
    const int printed = darkest(Picture());
    view.SetHighContrastLcd(true);
    const int high = darkest(Picture());
    // Thin strokes at one pixel to the picture pixel are never quite black.
    EXPECT_LT(high, printed - 40) << "darker than the printed grey: " << high << " against " << printed;
    view.SetHighContrastLcd(false);
    EXPECT_EQ(darkest(Picture()), printed);
}

TEST_F(ViewTest, MouseSequencesGiveTheEngineResults) {
    for (std::uint32_t key : {keys::kOne, keys::kEnter, keys::kTwo, keys::kPlus}) Click(key);  // 1 ENTER 2 +
    EXPECT_EQ(t.doc.m_dX, 3);
    Click(keys::kShift);
    Click(keys::kSqrt);  // F x^2
    EXPECT_EQ(t.doc.m_dX, 9);
    EXPECT_EQ(t.doc.m_nKey, 0u);
}

TEST_F(ViewTest, ReleaseElsewhereExecutesNothing) {
    QTest::mousePress(&view, Qt::LeftButton, {}, CentreOf(9));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, CentreOf(10));
    QTest::mousePress(&view, Qt::LeftButton, {}, CentreOf(21));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(900, -40));  // outside the window
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(42, 100));   // in a gap
    QTest::mouseRelease(&view, Qt::LeftButton, {}, CentreOf(5));
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_dX, 0);
    EXPECT_EQ(t.doc.m_nKey, 0u);
}

TEST_F(ViewTest, TapOnNoKeyCancelsShiftAndPrefixOnly) {
    Click(keys::kOne);  // typing 1
    Click(keys::kShift);
    Click(keys::kSeven);   // FIX prefix pending
    Click(keys::kShift);  // ... dropped by F, shift on
    ASSERT_TRUE(t.doc.m_bShift);
    ClickAt({120, 240});
    EXPECT_FALSE(t.doc.m_bShift);
    EXPECT_TRUE(t.doc.m_strPrefix.empty());
    EXPECT_TRUE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_strMantissa, "1");
}

TEST_F(ViewTest, DoubleTapTypesTheDigitTwice) {
    const QPoint p = CentreOf(9);
    QTest::mousePress(&view, Qt::LeftButton, {}, p);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, p);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, p, view.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&view, &doubleClick);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, p);
    EXPECT_EQ(t.doc.m_strMantissa, "77");
}

TEST_F(ViewTest, HeldKeyIsLitInsideItsRectangleOnly) {
    QTest::mousePress(&view, Qt::LeftButton, {}, CentreOf(20));
    ASSERT_EQ(t.doc.m_nKey, 20u);
    const QImage held = Picture();
    EXPECT_EQ(QColor(held.pixel(47, 250)), QColor(213, 213, 210));  // ENTER's lower half, lit grey
    EXPECT_EQ(QColor(held.pixel(47, 215)), QColor(213, 213, 210));
    EXPECT_EQ(QColor(held.pixel(8, 250)), QColor(247, 247, 44));     // F, resting yellow
    EXPECT_EQ(QColor(held.pixel(125, 250)), QColor(44, 44, 252));    // the point key, resting blue
    QTest::mouseRelease(&view, Qt::LeftButton, {}, CentreOf(20));
    EXPECT_EQ(QColor(Picture().pixel(47, 250)), QColor(93, 93, 91));
}

TEST_F(ViewTest, MainLineCharactersAndPointStandInTheirCells) {
    const QImage image = Picture();  // " 0000000 00", point after the first digit
    EXPECT_FALSE(HasInk(image, QRect(28, 11, 11, 26)));  // the blank sign cell
    for (int i : {1, 2, 7, 9, 10}) EXPECT_TRUE(HasInk(image, QRect(28 + 17 * i, 11, 11, 26))) << i;
    EXPECT_FALSE(HasInk(image, QRect(28 + 17 * 8, 11, 11, 26)));  // the blank exponent sign
    // The point, 11 px into the first digit's cell, survived the opaque cells
    // of both neighbours.
    EXPECT_TRUE(HasInk(image, QRect(56, 25, 6, 12)));
    EXPECT_FALSE(HasInk(image, QRect(56 + 17, 25, 6, 12)));  // no point after the second digit
}

TEST_F(ViewTest, MinusSignIsShiftedIntoItsCellAndIndicatorsAppear) {
    Click(keys::kOne);
    Click(keys::kChs);  // typing -1
    Click(keys::kShift);
    Click(keys::kAbout);  // HYP pending, shift off
    Click(keys::kShift);  // shift on, HYP kept
    const QImage image = Picture();
    EXPECT_FALSE(HasInk(image, QRect(28, 11, 5, 26)));  // a "-" starts 5 px into its cell
    EXPECT_TRUE(HasInk(image, QRect(33, 11, 8, 26)));
    EXPECT_TRUE(HasInk(image, QRect(24, 52, 6, 14)));   // "f"
    EXPECT_TRUE(HasInk(image, QRect(45, 52, 25, 14)));  // "HYP"
    Click(keys::kShift);
    EXPECT_FALSE(HasInk(Picture(), QRect(24, 52, 6, 14)));
}

TEST_F(ViewTest, StackAndModeLinesAreGreyAtTheirPlaces) {
    for (std::uint32_t key : {keys::kShift, keys::kSeven, keys::kTwo}) Click(key);  // FIX 2
    const QImage image = Picture();
    auto hasGrey = [&](QRect rect) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (qGray(image.pixel(x, y)) < 200 && qAbs(qRed(image.pixel(x, y)) - qBlue(image.pixel(x, y))) < 30)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasGrey(QRect(92, 37, 30, 10)));   // Y
    EXPECT_TRUE(hasGrey(QRect(92, 57, 30, 10)));   // T
    EXPECT_TRUE(hasGrey(QRect(190, 57, 25, 10)));  // FIX.2
    EXPECT_TRUE(hasGrey(QRect(190, 45, 25, 10)));  // DEG
    EXPECT_FALSE(hasGrey(QRect(150, 37, 30, 10)));  // FIX 2 lines are short
}

TEST_F(ViewTest, KeyboardReleasesActAndAutoRepeatIsIgnored) {
    Release(Qt::Key_7);
    Release(Qt::Key_7, {}, true);  // a held key repeats: ignored
    Release(Qt::Key_Period);
    Release(Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(t.doc.m_strMantissa, "7");
    EXPECT_EQ(t.doc.m_strFraction, "5");
    Release(Qt::Key_Enter, Qt::KeypadModifier);
    Release(Qt::Key_2);
    Release(Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(t.doc.m_dX, 15);
    Release(Qt::Key_Asterisk);  // the main keyboard's * is not the multiply key
    Release(Qt::Key_Escape);
    EXPECT_EQ(t.doc.m_dX, 0);
    Release(Qt::Key_F);
    Release(Qt::Key_Return);  // F ENTER: RAN#
    EXPECT_FALSE(t.doc.m_bShift);
}

TEST_F(ViewTest, AFunctionKeyPerformsItsFunctionInOneUndoStep) {
    KeyMap map = KeyMap::Standard();
    map.BindFunction("abs", {Qt::Key_A, false});
    map.BindFunction("sto+:3", {Qt::Key_3, false});
    view.SetKeyMap(map);
    t.session.Perform(Action::PasteValue(-5));
    Release(Qt::Key_A);
    EXPECT_EQ(t.doc.m_dX, 5);
    Release(Qt::Key_3);
    EXPECT_EQ(t.doc.m_dReg[3], 5) << "the top row's 3 adds to R3";
    Release(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_TRUE(t.doc.m_bEntering) << "the keypad's 3 is still a digit";
    const auto undo = [&] { t.session.Perform(Action::Command(Action::Kind::Undo)); };
    undo();
    undo();
    EXPECT_EQ(t.doc.m_dReg[3], 0);
    undo();
    EXPECT_EQ(t.doc.m_dX, -5);
}

TEST_F(ViewTest, ReleaseWhosePressWentElsewhereIsIgnored) {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier);  // Ctrl+0 took the press
    QApplication::sendEvent(&view, &release);
    EXPECT_FALSE(t.doc.m_bEntering);
    Release(Qt::Key_0);
    EXPECT_TRUE(t.doc.m_bEntering);
}

// The picture scales: pointer positions map back to the 240 x 268 layout and
// the key rectangles keep their exclusive edges at every scale.
TEST_F(ViewTest, HitTestingFollowsTheScale) {
    for (const qreal scale : {1.5, 3.0}) {
        view.resize(qRound(kFaceWidth * scale), qRound(kFaceHeight * scale));
        EXPECT_EQ(view.PictureScale(), scale);
        auto keyAt = [&](qreal x, qreal y) { return view.KeyAt(QPointF(x, y) * scale); };
        EXPECT_EQ(keyAt(39.9, 92), 1) << scale;
        EXPECT_EQ(keyAt(40, 92), 0) << scale;
        EXPECT_EQ(keyAt(5, 261.9), 25) << scale;
        EXPECT_EQ(keyAt(5, 262), 0) << scale;
        EXPECT_EQ(keyAt(60, 240), 20) << scale;
        ClickAt((QPointF(60, 240) * scale).toPoint());
        EXPECT_EQ(t.doc.m_dY, 0);  // ENTER executed
    }
    // A wider window: the picture keeps its proportions, centred.
    view.resize(kFaceWidth * 2 + 100, kFaceHeight * 2);
    EXPECT_EQ(view.PictureScale(), 2.0);
    EXPECT_EQ(view.PictureOrigin(), QPointF(50, 0));
    EXPECT_EQ(view.KeyAt(QPointF(50 + 10, 200)), 1);
    EXPECT_EQ(view.KeyAt(QPointF(10, 200)), 0);
}

TEST_F(ViewTest, ScaledPictureIsDrawnAfreshNotBlurred) {
    for (const qreal scale : {1.5, 3.0}) {
        QImage image(qCeil(kFaceWidth * scale), qCeil(kFaceHeight * scale), QImage::Format_RGB32);
        QPainter painter(&image);
        view.Render(painter, scale);
        painter.end();
        // The LCD window's edge is sharp: LCD colour on one side, the bezel's
        // white on the other, with nothing blended between.
        const int edge = qCeil(17 * scale);
        const int y = qRound(40 * scale);
        EXPECT_EQ(QColor(image.pixel(edge, y)), kLcdColor) << scale;
        EXPECT_EQ(QColor(image.pixel(qFloor(17 * scale) - 1, y)), kBezelColor) << scale;
        // Inside a key, away from its label: the key's own colour.
        EXPECT_EQ(QColor(image.pixel(qRound(8 * scale), qRound(250 * scale))), QColor(247, 247, 44)) << scale;
    }
}

// The faces kept in the cache come back pixel for pixel, only for the scale
// and the keyboard keys they were drawn with; a damaged file is not used.
TEST(FaceCacheTest, KeptFacesComeBackExactlyAndOnlyForWhatTheyWereDrawnFor) {
    QTemporaryDir folder;
    const qreal scale = 1.5;
    const Faces drawn{PaintFace(FaceState::Resting, scale), PaintFace(FaceState::Lit, scale)};
    {
        FaceCache cache(folder.path());
        EXPECT_FALSE(cache.Find(scale, nullptr));
        cache.Keep(scale, nullptr, drawn);
    }  // written before the cache goes
    FaceCache cache(folder.path());
    const std::optional<Faces> kept = cache.Find(scale, nullptr);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->resting, drawn.resting.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(kept->lit, drawn.lit.convertToFormat(QImage::Format_RGB32));
    KeyCaptions captions;
    captions[keys::kSeven] = QStringLiteral("7");
    EXPECT_FALSE(cache.Find(scale, &captions));
    EXPECT_FALSE(cache.Find(2.0, nullptr));
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("x");  // one byte too many: not a pair of faces
    }
    EXPECT_FALSE(cache.Find(scale, nullptr));
}

// The first picture, drawn on another thread while the window is made, is
// the picture a paint draws; when the calculator changes before the first
// paint, that paint shows the change.
TEST_F(ViewTest, TheFirstPictureDrawnAheadIsThePictureAPaintDraws) {
    QImage expected(kFaceWidth * 2, kFaceHeight * 2, QImage::Format_RGB32);
    {
        QPainter painter(&expected);
        view.Render(painter, 2.0);
    }
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        CTabrixView fresh(t.session);
        fresh.resize(kFaceWidth * 2, kFaceHeight * 2);
        fresh.DrawFirstPictureAhead(2.0);
        if (changed) t.Type("7");
        const QImage painted = fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage now(kFaceWidth * 2, kFaceHeight * 2, QImage::Format_RGB32);
        {
            QPainter painter(&now);
            view.Render(painter, 2.0);
        }
        EXPECT_EQ(painted, changed ? now : expected);
        EXPECT_EQ(painted == expected, !changed);
    }
}

// A pixel of a shifted label: dark yellow, or a blend of it into the
// background, never a key's grey or blue.
bool IsLabelInk(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return r > 110 && g > 110 && b < r - 50 && std::abs(r - g) < 30;
}

TEST(FacePicture, ShiftedLabelsStayInTheirBandAboveTheirKey) {
    for (const qreal scale : {1.0, 1.5, 2.0, 3.0, 4.0}) {
        SCOPED_TRACE(scale);
        const QImage face = PaintFace(FaceState::Resting, scale);
        for (int code = keys::kFirstKey; code <= static_cast<int>(keys::kLastKey); ++code) {
            if (ShiftedLabel(code).empty()) continue;
            SCOPED_TRACE(code);
            const KeyRect key = GetKeyRect(code);
            const int bandBottom = qRound(key.top * scale);
            const int bandTop = qRound((key.top - kShiftedBand) * scale);
            int inkInBand = 0, inkOnLowestRows = 0, inkAboveBand = 0;
            for (int x = qRound((key.left - 2) * scale); x < qRound((key.right + 2) * scale); ++x) {
                for (int y = bandTop - qRound(6 * scale); y < bandBottom; ++y) {
                    if (!IsLabelInk(face.pixel(x, y))) continue;
                    if (y < bandTop) ++inkAboveBand;
                    else ++inkInBand;
                    if (y >= bandBottom - 2) ++inkOnLowestRows;
                }
            }
            EXPECT_GT(inkInBand, 0);
            EXPECT_GT(inkOnLowestRows, 0);  // the label sits right above its key
            EXPECT_EQ(inkAboveBand, 0);     // and never reaches the key above
        }
    }
}

}  // namespace
}  // namespace tabrix
