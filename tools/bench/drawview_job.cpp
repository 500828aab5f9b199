// The bench's drawing job: the close view drawn offscreen at every zoom.

#include "bench.h"

#include "core/peaktable.h"
#include "platform/wav/wav.h"
#include "ui/closeview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace trevisto::bench {

// drawview FILE.wav: draws the close view offscreen at 1400 × 200 px at ten zooms from the
// whole sound to one frame a pixel, twenty frames each, each frame scrolled so that nothing
// drawn before is reused, and prints the median and the worst milliseconds a frame.
int drawviewJob(int argc, char **argv)
{
    if (argc != 1)
        return -1;
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    int appArgc = 1;
    char name[] = "trevisto-bench";
    char *appArgv[] = {name, nullptr};
    QApplication app(appArgc, appArgv);
    const auto file = trevisto::wav::File::open(argv[0]);
    if (!file) {
        std::fprintf(stderr, "trevisto-bench: %s is not a WAV file it can read\n", argv[0]);
        return 1;
    }
    // The envelope as the loaders reduce it while they write the working file.
    const auto started = Clock::now();
    PeakTable peaks;
    peaks.start(file->format(), PeakTable::DetailCapacity);
    std::vector<unsigned char> block(1 << 20);
    const int64_t perBlock = int64_t(block.size() / file->format().blockAlign());
    for (int64_t at = 0; at < file->info().frames; at += perBlock) {
        const int64_t got = file->readFrames(at, perBlock, block.data());
        if (got <= 0)
            break;
        peaks.add(block.data(), size_t(got) * file->format().blockAlign());
    }
    const double reduceSeconds = since(started);

    CloseView view;
    view.resize(1400, 200);
    view.setSound(QString::fromLocal8Bit(argv[0]), std::move(peaks));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const double whole = view.span().framesPerPixel();
    std::vector<double> all;
    std::printf("drawview %s: %lld frames, envelope reduced in %.2f s\n", argv[0],
                static_cast<long long>(file->info().frames), reduceSeconds);
    for (int level = 0; level < 10; ++level) {
        // Geometric steps from the whole sound to one frame a pixel.
        const double fpp = whole * std::pow(1.0 / whole, level / 9.0);
        view.span().showWhole();
        view.span().zoom(whole / fpp, 700);
        std::vector<double> ms;
        for (int i = 0; i < 20; ++i) {
            view.span().scroll(i % 2 ? 37 : -23);
            const auto t = Clock::now();
            QPainter painter(&image);
            view.render(&painter);
            painter.end();
            ms.push_back(since(t) * 1000);
        }
        std::sort(ms.begin(), ms.end());
        all.insert(all.end(), ms.begin(), ms.end());
        std::printf("  zoom %d: %.4g frames a pixel, median %.2f ms, worst %.2f ms\n", level,
                    view.span().framesPerPixel(), ms[ms.size() / 2], ms.back());
    }
    std::sort(all.begin(), all.end());
    std::printf("all zooms: median %.2f ms, worst %.2f ms a frame\n", all[all.size() / 2], all.back());
    std::fflush(stdout);
    return 0;
}

} // namespace trevisto::bench
