#include "view/tabrix_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "view/face_painter.h"
#include "view/keypad_geometry.h"
#include "view/lcd_painter.h"
#include "view/qt_key_map.h"

namespace tabrix {

CTabrixView::CTabrixView(CTabrixDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_bmpFace(PaintFace(FaceState::Resting)), m_bmpPressed(PaintFace(FaceState::Lit)) {
    setFixedSize(kFaceWidth, kFaceHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_doc.AddView(this);
}

CTabrixView::~CTabrixView() { m_doc.RemoveView(this); }

void CTabrixView::OnUpdate() { update(); }

QSize CTabrixView::sizeHint() const { return {kFaceWidth, kFaceHeight}; }

void CTabrixView::Render(QPainter& painter) const {
    // Erase: the resting face; then the held key from the lit face.
    painter.drawImage(0, 0, m_bmpFace);
    if (m_doc.m_nKey != 0) {
        const KeyRect r = GetKeyRect(static_cast<int>(m_doc.m_nKey));
        const QRect rect(r.left, r.top, r.Width(), r.Height());
        painter.drawImage(rect.topLeft(), m_bmpPressed, rect);
    }
    DrawMainLine(painter, m_doc);
    DrawStackLines(painter, m_doc);
    DrawIndicators(painter, m_doc);
}

void CTabrixView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter);
}

void CTabrixView::OnLButtonDown(int x, int y) {
    // Qt keeps delivering the mouse to this widget until the button is
    // released, however far the pointer moves.
    m_doc.m_nKey = static_cast<std::uint32_t>(KeyFromPoint(x, y));
    if (m_doc.m_nKey != 0) update();
}

void CTabrixView::OnLButtonUp(int x, int y) {
    // A release on another key, or off the keypad, executes nothing; press and
    // release both on no key still end a pending shift or prefix.
    if (static_cast<std::uint32_t>(KeyFromPoint(x, y)) == m_doc.m_nKey) m_doc.ExecuteKey();
    m_doc.m_nKey = 0;
    update();
}

void CTabrixView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    OnLButtonDown(p.x(), p.y());
}

void CTabrixView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CTabrixView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    OnLButtonUp(p.x(), p.y());
}

void CTabrixView::keyReleaseEvent(QKeyEvent* event) {
    // Only releases act, and a key held down acts once: auto-repeat is ignored.
    if (event->isAutoRepeat()) return;
    m_doc.OnHardwareKeyUp(VirtualKeyOf(*event));
}

}  // namespace tabrix
