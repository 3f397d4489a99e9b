// CTabrixView: the calculator picture as a widget. It turns pointer presses
// and releases and key releases into the calculator session's actions, and
// paints the face, the held key and the LCD; it holds no calculator state of
// its own.
//
// The picture is laid out in 240 x 268 logical pixels and drawn through a
// scaled painter, so it is crisp at every zoom and window size: it fills the
// widget keeping its proportions, centred on the surrounding colour.
#pragma once

#include <QImage>
#include <QHash>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <QWidget>

#include "document/calculator_session.h"
#include "view/face_cache.h"
#include "view/key_map.h"
#include "engine/calculator_state.h"
#include "platform/services.h"

namespace tabrix {

class CTabrixView : public QWidget, public IView {
public:
    explicit CTabrixView(CalculatorSession& session, QWidget* parent = nullptr);
    ~CTabrixView() override;

    // The document changed: repaint everything (and tell a screen reader).
    void OnUpdate() override;

    // Called after each action the view has carried out, with its outcome.
    std::function<void(const Outcome&)> onPerformed;

    // Which keyboard keys press which keys (the standard map until set).
    void SetKeyMap(const KeyMap& map);
    const KeyMap& Keys() const { return m_keyMap; }
    // Draws each key's keyboard key in its corner, or not.
    void SetShowKeyboardKeys(bool show);
    bool ShowsKeyboardKeys() const { return m_showKeyboardKeys; }
    // The stack and mode lines in black instead of the printed grey.
    void SetHighContrastLcd(bool high);
    bool HighContrastLcd() const { return m_highContrastLcd; }

    // Keeps the faces once drawn in `folder`, and reads them from there
    // (FaceCache); none are kept until this is called.
    void KeepFacesIn(const QString& folder);
    // Draws the first picture (the faces and the LCD as the calculator
    // stands) at `scale` on another thread while the window is being shown:
    // the first paint copies it, instead of loading the LCD's fonts and
    // drawing its text on the way to the screen. When anything has changed
    // by then (the calculator, the scale, the keys shown), the first paint
    // draws as every other does.
    void DrawFirstPictureAhead(qreal scale);

    // The size the view asks for: the picture at `zoom` (1 = 240 x 268).
    void SetZoom(qreal zoom);
    qreal Zoom() const { return m_zoom; }
    QSize sizeHint() const override;

    // Presses and releases key `code` as a tap on it would (the screen
    // reader's press action).
    void PressKey(int code);
    // A keyboard key pressed or released while something else in the window
    // has the focus: it reaches the calculator all the same.
    void TakeKeyPress(QKeyEvent* event) { keyPressEvent(event); }
    void TakeKeyRelease(QKeyEvent* event) { keyReleaseEvent(event); }

    // Paints the whole picture (face, held key, LCD) in logical coordinates,
    // at `scale` device pixels per logical pixel.
    void Render(QPainter& painter, qreal scale = 1.0);

    // Where the picture lies in the widget: its scale and top-left corner.
    qreal PictureScale() const;
    QPointF PictureOrigin() const;
    // The key under a widget point, through the picture's scale.
    int KeyAt(const QPointF& widgetPoint) const;

    CTabrixDoc& Document() const { return m_doc; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void Perform(const Action& action);
    // The two faces drawn for `deviceScale` device pixels per logical pixel,
    // when they are first painted or have changed: drawn only where they are
    // painted, so that a start at another zoom draws them once.
    void PrepareFaces(qreal deviceScale);
    // Waits for the first picture drawn ahead, if there is one, and keeps
    // its faces when they are for `deviceScale`; the picture itself, when it
    // still shows the calculator as it is.
    std::optional<QImage> FinishFirstPicture(qreal deviceScale);

    CalculatorSession& m_session;
    CTabrixDoc& m_doc;
    qreal m_zoom = 1.0;
    qreal m_faceScale = 0;
    bool m_facesStale = true;  // the keyboard keys drawn on them changed, or none drawn yet
    std::unique_ptr<FaceCache> m_faceCache;
    struct FirstPicture {
        Faces faces;
        bool drawn = false;  // the faces were drawn, not read from the cache
        QImage picture;
    };
    struct {
        std::future<FirstPicture> job;
        qreal scale = 0;
        CalculatorState state;
        bool valid = false;  // nothing it depends on has changed since it began
    } m_ahead;
    QImage m_bmpFace;     // every key at rest
    QImage m_bmpPressed;  // every key lit
    // Keys whose press reached the view, by physical key: the calculator key
    // each pressed (0 for none) and Qt's key, as they were at the press, so
    // that letting go of Shift first does not change the key.
    struct PressedKey {
        int code = 0;
        int qtKey = 0;
        std::optional<std::string> function;  // the function it performs instead, when it does
        std::string typed;                    // the character it typed ("f"), for what the mode makes of it
    };
    QHash<quint64, PressedKey> m_pressedKeys;
    bool m_shiftAlone = false;  // Shift is down and no other key went down since
    KeyMap m_keyMap = KeyMap::Standard();
    bool m_showKeyboardKeys = false;
    bool m_highContrastLcd = false;
};

}  // namespace tabrix
