// From a dropped 24-megapixel JPEG to both renderings on the effect chooser's screen.
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "session/session_impl.h"
#include "support/photo_like.h"
#include "ui/effect_chooser_window.h"
#include "ui/render_panel.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace std::chrono_literals;
using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

// Each iteration is one drop: the window opens, its 5 ms task fires, and the events
// that follow are run until both panels are painted and take clicks.
void BM_DroppedJpeg24MpToBothRenderingsOnScreen(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"24mp.jpg"_s);
    if (!bench::photoLike(6000, 4000).save(path, "JPEG", 90)) {
        state.SkipWithError("cannot write the JPEG");
        return;
    }
    platform::ManualClock clock;
    test::FakeSerialLine line;
    test::FakePortLister ports;
    test::RecordingView view;
    session::SessionImpl session({line, clock, view, ports, folder.path()}, {});
    ui::EffectChooserWindow window(session, clock);
    for (auto _ : state) {
        window.open(path);
        clock.advance(ui::EffectChooserWindow::TaskInterval);
        do {
            QCoreApplication::processEvents();
        } while (!window.isReady());
        window.close();
    }
}
BENCHMARK(BM_DroppedJpeg24MpToBothRenderingsOnScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
