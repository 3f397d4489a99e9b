// The calculator picture on Qt's offscreen platform: one full repaint, and a
// key press followed by the repaint that shows it.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <benchmark/benchmark.h>

#include "document/tape.h"
#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "shell/tape_panel.h"
#include "view/face_painter.h"
#include "view/keypad_geometry.h"
#include "view/lcd_painter.h"
#include "view/tabrix_view.h"

namespace {

using namespace tabrix;

// Erase step and draw step of one paint, into an image the size of the view,
// at the zoom given in percent.
void BM_FullRepaint(benchmark::State& state) {
    const qreal scale = state.range(0) / 100.0;
    CalculatorSession session;
    session.Doc().m_nKey = 20;  // a held key too, so the lit face is copied
    CTabrixView view(session);
    QImage target(qCeil(kFaceWidth * scale), qCeil(kFaceHeight * scale), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        view.Render(painter, scale);
    }
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);

// The view, counting its paints to prove that repaint() painted.
class CountingView : public CTabrixView {
public:
    using CTabrixView::CTabrixView;
    long paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        CTabrixView::paintEvent(event);
    }
};

// Press on a key and release it (the key executes), each followed by the
// synchronous repaint of the shown widget.
void BM_PressToRepainted(benchmark::State& state) {
    CalculatorSession session;
    CTabrixDoc& doc = session.Doc();
    CountingView view(session);
    view.show();
    // Let the window be exposed, so that repaint() really paints.
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    const long paintsBefore = view.paints;
    const KeyRect r = GetKeyRect(21);
    const QPointF centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, centre, view.mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(&view, &press);
        view.repaint();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, view.mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, {});
        QApplication::sendEvent(&view, &release);
        view.repaint();
        if (doc.m_strMantissa.size() >= 9) doc.ClearX();  // keep the entry from filling up
    }
    if (view.paints - paintsBefore < 2 * static_cast<long>(state.iterations())) {
        state.SkipWithError("the view did not repaint");
    }
}
BENCHMARK(BM_PressToRepainted)->Unit(benchmark::kMicrosecond);

// The three LCD fonts, made anew on every paint.
void BM_LcdFonts(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MainLineFont());
        benchmark::DoNotOptimize(StackFont());
        benchmark::DoNotOptimize(IndicatorFont());
    }
}
BENCHMARK(BM_LcdFonts)->Unit(benchmark::kMicrosecond);

// Drawing both faces, once each at start-up.
void BM_PaintFaces(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintFace(FaceState::Resting));
        benchmark::DoNotOptimize(PaintFace(FaceState::Lit));
    }
}
BENCHMARK(BM_PaintFaces)->Unit(benchmark::kMillisecond);

// The tape dock with a million lines: a new line appended, the list scrolled
// to its end and repainted at once, as after every key.
void BM_TapeDockNewLineAtAMillion(benchmark::State& state) {
    CTabrixDoc doc;
    CTape tape(doc, nullptr);
    auto line = [&] {
        for (std::uint32_t key : {keys::kThree, keys::kPlus}) tape.RecordKey(key, [&] { doc.PressKey(key); });
    };
    for (int i = 0; i < 1'000'000; ++i) line();
    QAction clear(QStringLiteral("Clear")), saveAs(QStringLiteral("Save"));
    CTapePanel panel(tape, &clear, &saveAs, [](double) {});
    panel.resize(240, 400);
    panel.show();
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    for (auto _ : state) {
        line();
        panel.List()->viewport()->repaint();
    }
    if (panel.List()->RowCount() != static_cast<int>(tape.Size())) state.SkipWithError("rows missing");
}
BENCHMARK(BM_TapeDockNewLineAtAMillion)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
