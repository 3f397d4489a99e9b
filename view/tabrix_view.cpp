#include "view/tabrix_view.h"

#include <QAccessible>
#include <QApplication>
#include <tuple>
#include <utility>
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
#include "document/function_search.h"
#include "document/keyboard_letters.h"

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
    if (m_showKeyboardKeys) m_ahead.valid = false;  // drawn ahead with the old keys
    update();
}

void CTabrixView::SetShowKeyboardKeys(bool show) {
    if (show == m_showKeyboardKeys) return;
    m_showKeyboardKeys = show;
    m_facesStale = true;
    m_ahead.valid = false;
    update();
}

void CTabrixView::SetHighContrastLcd(bool high) {
    if (high == m_highContrastLcd) return;
    m_highContrastLcd = high;
    m_ahead.valid = false;  // drawn ahead in the printed grey
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
            QToolTip::showText(help->globalPos(), KeyHelpText(key, m_keyMap), this, area);
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

namespace {

// The keyboard key in each key's corner, when they are shown.
std::optional<KeyCaptions> CaptionsOf(const KeyMap& keyMap, bool shown) {
    if (!shown) return std::nullopt;
    KeyCaptions captions;
    for (std::size_t code = keys::kFirstKey; code <= keys::kLastKey; ++code) {
        const QList<KeyboardKey>& bound = keyMap.KeysOf(static_cast<int>(code));
        if (!bound.isEmpty()) captions[code] = bound.front().Caption();
    }
    return captions;
}

// The faces for `deviceScale`, from the cache when it has them; whether they
// had to be drawn.
std::pair<Faces, bool> FacesFor(qreal deviceScale, const std::optional<KeyCaptions>& captions, const FaceCache* cache) {
    const KeyCaptions* shown = captions ? &*captions : nullptr;
    std::optional<Faces> faces = cache != nullptr ? cache->Find(deviceScale, shown) : std::nullopt;
    const bool drawn = !faces;
    if (drawn) faces = Faces{PaintFace(FaceState::Resting, deviceScale, shown), PaintFace(FaceState::Lit, deviceScale, shown)};
    // Drawn at the logical size: one image pixel per device pixel.
    faces->resting.setDevicePixelRatio(deviceScale);
    faces->lit.setDevicePixelRatio(deviceScale);
    return {std::move(*faces), drawn};
}

// The whole picture in logical coordinates at `scale`: the resting face, the
// held key from the lit face, then the LCD's three text layers.
void RenderPicture(QPainter& painter, qreal scale, const Faces& faces, const CTabrixDoc& doc, bool highContrast) {
    painter.save();
    painter.scale(scale, scale);
    painter.drawImage(QPointF(0, 0), faces.resting);
    if (doc.m_nKey != 0) {
        const QRectF logical = PictureRect(GetKeyRect(static_cast<int>(doc.m_nKey)));
        const qreal s = faces.lit.devicePixelRatio();
        painter.drawImage(logical, faces.lit, QRectF(logical.topLeft() * s, logical.size() * s));
    }
    PaintLayerKeys(painter, KeyLayerOf(doc), doc.m_nKey);
    // Every text of the LCD lies in its window; at a zoom such as 150 % a text
    // cell's opaque background, rounded, would reach a pixel into the bezel.
    painter.setClipRect(PictureRect(kLcdWindow));
    DrawMainLine(painter, doc);
    DrawStackLines(painter, doc, highContrast);
    DrawIndicators(painter, doc);
    painter.restore();
}

}  // namespace

void CTabrixView::KeepFacesIn(const QString& folder) { m_faceCache = std::make_unique<FaceCache>(folder); }

void CTabrixView::DrawFirstPictureAhead(qreal scale) {
    const qreal screen = qApp->devicePixelRatio();
    m_ahead.scale = scale;
    m_ahead.state = m_doc.State();
    m_ahead.valid = true;
    m_ahead.job = std::async(std::launch::async, [scale, screen, state = m_ahead.state,
                                                  captions = CaptionsOf(m_keyMap, m_showKeyboardKeys),
                                                  cache = m_faceCache.get()] {
        FirstPicture first;
        std::tie(first.faces, first.drawn) = FacesFor(scale * screen, captions, cache);
        first.picture = QImage(qCeil(kFaceWidth * scale * screen), qCeil(kFaceHeight * scale * screen),
                               QImage::Format_RGB32);
        first.picture.setDevicePixelRatio(screen);
        CTabrixDoc doc;
        doc.SetState(state);
        QPainter painter(&first.picture);
        RenderPicture(painter, scale, first.faces, doc, false);
        return first;
    });
}

void CTabrixView::PrepareFaces(qreal deviceScale) {
    if (!m_facesStale && qFuzzyCompare(deviceScale, m_faceScale)) return;
    m_facesStale = false;
    m_faceScale = deviceScale;
    const std::optional<KeyCaptions> captions = CaptionsOf(m_keyMap, m_showKeyboardKeys);
    auto [faces, drawn] = FacesFor(deviceScale, captions, m_faceCache.get());
    m_bmpFace = std::move(faces.resting);
    m_bmpPressed = std::move(faces.lit);
    if (drawn && m_faceCache) m_faceCache->Keep(deviceScale, captions ? &*captions : nullptr, {m_bmpFace, m_bmpPressed});
}

std::optional<QImage> CTabrixView::FinishFirstPicture(qreal deviceScale) {
    if (!m_ahead.job.valid()) return std::nullopt;
    FirstPicture first = m_ahead.job.get();  // waits while it is still being drawn
    const qreal aheadScale = m_ahead.scale * qApp->devicePixelRatio();
    if (!m_ahead.valid || !qFuzzyCompare(deviceScale, aheadScale)) return std::nullopt;
    // The faces serve every later paint.
    m_bmpFace = std::move(first.faces.resting);
    m_bmpPressed = std::move(first.faces.lit);
    m_faceScale = deviceScale;
    m_facesStale = false;
    if (first.drawn && m_faceCache) {
        const std::optional<KeyCaptions> captions = CaptionsOf(m_keyMap, m_showKeyboardKeys);
        m_faceCache->Keep(deviceScale, captions ? &*captions : nullptr, {m_bmpFace, m_bmpPressed});
    }
    if (!(m_ahead.state == m_doc.State())) return std::nullopt;  // the calculator changed meanwhile
    return std::move(first.picture);
}

void CTabrixView::Render(QPainter& painter, qreal scale) {
    FinishFirstPicture(scale * painter.device()->devicePixelRatioF());
    PrepareFaces(scale * painter.device()->devicePixelRatioF());
    RenderPicture(painter, scale, Faces{m_bmpFace, m_bmpPressed}, m_doc, m_highContrastLcd);
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
    if (const std::optional<QImage> first = FinishFirstPicture(scale * painter.device()->devicePixelRatioF())) {
        painter.drawImage(QPointF(0, 0), *first);
    } else {
        Render(painter, scale);
    }
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
    if (!event->isAutoRepeat()) {
        m_shiftAlone = event->key() == Qt::Key_Shift;
        m_pressedKeys.insert(PhysicalKey(*event), {m_keyMap.CodeOf(*event), event->key(), m_keyMap.FunctionOf(*event),
                                                   event->text().toStdString()});
    }
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
    // The mode's own meaning comes first: A to F in HEX, the shift on a lone Shift.
    const bool loneShift = key.qtKey == Qt::Key_Shift && std::exchange(m_shiftAlone, false);
    std::string typed = loneShift ? std::string(kLoneShift) : key.typed;
    if (key.qtKey == Qt::Key_Left || key.qtKey == Qt::Key_Right) {
        typed = key.qtKey == Qt::Key_Left ? kArrowLeft : kArrowRight;
    }
    if (const auto inMode = TypedInMode(m_doc.State(), typed)) {
        Perform(*inMode);
    } else if (key.function) {
        // A key of a function performs it as the finder does.
        if (const std::optional<Action> action = FunctionSearch::Exact(*key.function)) Perform(*action);
    } else if (key.code != 0) {
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
