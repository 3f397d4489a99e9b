// CTabrixView: the calculator picture as a widget. It forwards pointer presses
// and releases and key releases to the document, and paints the face, the held
// key and the LCD; it holds no calculator state of its own.
#pragma once

#include <QImage>
#include <QWidget>

#include "engine/calculator_state.h"
#include "platform/services.h"

namespace tabrix {

class CTabrixView : public QWidget, public IView {
public:
    explicit CTabrixView(CTabrixDoc& doc, QWidget* parent = nullptr);
    ~CTabrixView() override;

    // The document changed: repaint everything.
    void OnUpdate() override;

    QSize sizeHint() const override;

    // Paints the whole picture (face, held key, LCD) into `painter`.
    void Render(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);

    CTabrixDoc& m_doc;
    QImage m_bmpFace;     // every key at rest
    QImage m_bmpPressed;  // every key lit
};

}  // namespace tabrix
