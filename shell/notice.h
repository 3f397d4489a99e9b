// A short message under the LCD that goes by itself: what Paste Number
// read, a kept session that could not be read, a program running. It floats
// over the window like a tooltip, wraps to the window's width (a long
// message never runs off it), and is told to screen readers.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace tabrix {

class CNotice final : public QLabel {
    Q_DECLARE_TR_FUNCTIONS(CNotice)

public:
    // A notice of `window`, hidden until shown.
    explicit CNotice(QWidget* window);

    // Shows `text` with its top left at `topLeft` (global), at most `width`
    // pixels wide, for `milliseconds` (0: until replaced or hidden).
    void Show(const QString& text, const QPoint& topLeft, int width, int milliseconds = 5000);

private:
    QTimer m_timer;
};

}  // namespace tabrix
