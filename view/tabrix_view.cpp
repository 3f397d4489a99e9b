#include "view/tabrix_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

#include "view/face_painter.h"
#include "view/keypad_accessibility.h"
#include "view/keypad_geometry.h"
#include "view/lcd_painter.h"
#include "view/picture_rect.h"
#include "engine/key_codes.h"
#include "view/key_help.h"

namespace tabrix {

namespace {

// One key of the keyboard, the same for its press and its release even when
// the modifiers change in between.
quint64 PhysicalKey(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? (quint64{1} << 32) | event.nativeScanCode()
                                       : static_cast<quint64>(static_cast<quint32>(event.key()));
}

}  // namespace

CTabrixView::CTabrixView(CalculatorSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_doc(session.Doc()) {
    InstallKeypadAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kFaceWidth, kFaceHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resize(kFaceWidth, kFaceHeight);
    m_doc.AddView(this);
}

CTabrixView::~CTabrixView() { m_doc.RemoveView(this); }

void CTabrixView::OnUpdate() {
    update();
    AnnounceLcdChange(this);
}

void CTabrixView::SetKeyMap(const KeyMap& map) {
    m_keyMap = map;
    m_facesStale = m_facesStale || m_showKeyboardKeys;
    update();
}

void CTabrixView::SetShowKeyboardKeys(bool show) {
    if (show == m_showKeyboardKeys) return;
    m_showKeyboardKeys = show;
    m_facesStale = true;
    update();
}

bool CTabrixView::event(QEvent* event) {
    // Hovering a key: what it does, shifted and not, and its keyboard keys.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int key = KeyAt(help->pos());
        if (key != 0) {
            const QRectF r = PictureRect(GetKeyRect(key));
            const qreal scale = PictureScale();
            const QRect area = QRectF(PictureOrigin() + r.topLeft() * scale, r.size() * scale).toAlignedRect();
            QToolTip::showText(help->globalPos(), KeyHelp(key, m_keyMap), this, area);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void CTabrixView::SetZoom(qreal zoom) {
    m_zoom = zoom;
    updateGeometry();
    update();
}

QSize CTabrixView::sizeHint() const { return QSizeF(kFaceWidth * m_zoom, kFaceHeight * m_zoom).toSize(); }

qreal CTabrixView::PictureScale() const {
    return std::min(width() / qreal(kFaceWidth), height() / qreal(kFaceHeight));
}

QPointF CTabrixView::PictureOrigin() const {
    const qreal scale = PictureScale();
    // Whole pixels, so that the picture's edges fall on pixel boundaries.
    return QPointF(qFloor((width() - kFaceWidth * scale) / 2), qFloor((height() - kFaceHeight * scale) / 2));
}

int CTabrixView::KeyAt(const QPointF& widgetPoint) const {
    const QPointF logical = (widgetPoint - PictureOrigin()) / PictureScale();
    return KeyFromPoint(qFloor(logical.x()), qFloor(logical.y()));
}

void CTabrixView::PrepareFaces(qreal deviceScale) {
    if (!m_facesStale && qFuzzyCompare(deviceScale, m_faceScale)) return;
    m_facesStale = false;
    m_faceScale = deviceScale;
    KeyCaptions captions;
    for (std::size_t code = keys::kFirstKey; m_showKeyboardKeys && code <= keys::kLastKey; ++code) {
        const QList<KeyboardKey>& bound = m_keyMap.KeysOf(static_cast<int>(code));
        if (!bound.isEmpty()) captions[code] = bound.front().Caption();
    }
    const KeyCaptions* shown = m_showKeyboardKeys ? &captions : nullptr;
    m_bmpFace = PaintFace(FaceState::Resting, deviceScale, shown);
    m_bmpPressed = PaintFace(FaceState::Lit, deviceScale, shown);
    // Drawn at the logical size: one image pixel per device pixel.
    m_bmpFace.setDevicePixelRatio(deviceScale);
    m_bmpPressed.setDevicePixelRatio(deviceScale);
}

void CTabrixView::Render(QPainter& painter, qreal scale) {
    PrepareFaces(scale * painter.device()->devicePixelRatioF());
    painter.save();
    painter.scale(scale, scale);
    // Erase: the resting face; then the held key from the lit face.
    painter.drawImage(QPointF(0, 0), m_bmpFace);
    if (m_doc.m_nKey != 0) {
        const QRectF logical = PictureRect(GetKeyRect(static_cast<int>(m_doc.m_nKey)));
        const qreal s = m_bmpPressed.devicePixelRatio();
        painter.drawImage(logical, m_bmpPressed,
                          QRectF(logical.topLeft() * s, logical.size() * s));
    }
    // Every text of the LCD lies in its window; at a zoom such as 150 % a text
    // cell's opaque background, rounded, would reach a pixel into the bezel.
    painter.setClipRect(PictureRect(kLcdWindow));
    DrawMainLine(painter, m_doc);
    DrawStackLines(painter, m_doc);
    DrawIndicators(painter, m_doc);
    painter.restore();
}

void CTabrixView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal scale = PictureScale();
    const QPointF origin = PictureOrigin();
    const QRectF picture(origin, QSizeF(kFaceWidth * scale, kFaceHeight * scale));
    if (picture != QRectF(rect())) {
        QRegion surround(rect());
        surround -= picture.toAlignedRect();
        for (const QRect& part : surround) painter.fillRect(part, kSurroundColor);
    }
    painter.translate(origin);
    Render(painter, scale);
}

void CTabrixView::Perform(const Action& action) {
    const Outcome outcome = m_session.Perform(action);
    if (onPerformed) onPerformed(outcome);
}

void CTabrixView::OnLButtonDown(int x, int y) {
    // Qt keeps delivering the mouse to this widget until the button is
    // released, however far the pointer moves.
    m_doc.m_nKey = static_cast<std::uint32_t>(KeyFromPoint(x, y));
    if (m_doc.m_nKey != 0) m_doc.UpdateAllViews();
}

void CTabrixView::OnLButtonUp(int x, int y) {
    // A release on another key, or off the keypad, executes nothing; press and
    // release both on no key still end a pending shift or prefix.
    if (static_cast<std::uint32_t>(KeyFromPoint(x, y)) == m_doc.m_nKey) {
        Perform(Action::Key(m_doc.m_nKey));
        return;
    }
    m_doc.m_nKey = 0;
    m_doc.UpdateAllViews();
}

void CTabrixView::PressKey(int code) {
    const KeyRect r = GetKeyRect(code);
    OnLButtonDown(r.left, r.top);
    OnLButtonUp(r.left, r.top);
}

void CTabrixView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF logical = (event->position() - PictureOrigin()) / PictureScale();
    OnLButtonDown(qFloor(logical.x()), qFloor(logical.y()));
}

void CTabrixView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CTabrixView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF logical = (event->position() - PictureOrigin()) / PictureScale();
    OnLButtonUp(qFloor(logical.x()), qFloor(logical.y()));
}

void CTabrixView::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) m_pressedKeys.insert(PhysicalKey(*event), {m_keyMap.CodeOf(*event), event->key()});
    QWidget::keyPressEvent(event);
}

void CTabrixView::keyReleaseEvent(QKeyEvent* event) {
    // Only releases act, and a key held down acts once: auto-repeat is ignored.
    // A release whose press went elsewhere (a shortcut such as Ctrl+0 or
    // Alt+Backspace took it, or another window had the focus) is not a key.
    // The key is what was pressed: Shift may be let go first ("*" then reads "8").
    if (event->isAutoRepeat()) return;
    const auto pressed = m_pressedKeys.constFind(PhysicalKey(*event));
    if (pressed == m_pressedKeys.constEnd()) return;
    const PressedKey key = *pressed;
    m_pressedKeys.erase(pressed);
    if (key.code != 0) {
        Perform(Action::Key(static_cast<std::uint32_t>(key.code)));
    } else if (key.qtKey == Qt::Key_Delete || key.qtKey == Qt::Key_Escape) {
        // Delete clears X and Escape everything but the modes, on their own.
        Perform(Action::KeyRelease(key.qtKey == Qt::Key_Delete ? vk::kDelete : vk::kEscape));
    } else {
        Perform(Action::KeyRelease(0));  // no key: nothing changes, but a held stylus press ends
    }
}

void CTabrixView::focusOutEvent(QFocusEvent* event) {
    m_pressedKeys.clear();
    QWidget::focusOutEvent(event);
}

}  // namespace tabrix
