// Start-up time and memory of the program, measured from outside on a real X display.
//
//   cmake --build build --target zorbel bare_window bench_startup
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/bench/bench_startup [runs]
//
// Start-up: from starting the process to its first window on screen, once mapped and
// once painted, for the program (its splash window) and, alternating in the same run,
// for bare_window, a Qt program that opens one empty window of the splash's size.
// Painted means that the middle of the window no longer shows the root window's colour,
// which this benchmark sets to one no window paints. The goal is at most 1.3 times the
// bare window's time.
// Memory: the resident memory (VmRSS) of the program during a game on frm8x8, reached
// with xdotool as a player would: a key on the splash, then grade 3, "+ (Plus)",
// "schwer" and "OK". The goal is at most 36 MB.
// Every figure is printed with its median and maximum over the runs (default 10). Timings
// depend on the machine; nothing here passes or fails.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QThread>

#include "residentmemory.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// Painted by no window of the program nor by Qt's default palette.
constexpr std::uint32_t rootColour = 0x01fe03;
constexpr int timeoutMs = 20000;

struct Window
{
    xcb_window_t id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Display
{
public:
    Display()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t values[] = {rootColour, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        xcb_clear_area(m_connection, 0, m_root, 0, 0, 0, 0);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }

    bool ok() const { return !xcb_connection_has_error(m_connection); }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // The next top-level window of exactly this size that is mapped, or of any size
    // above 100 x 100 pixels when width is 0.
    std::optional<Window> waitForMap(const QElapsedTimer &clock, int width = 0, int height = 0)
    {
        while (clock.elapsed() < timeoutMs) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection), &std::free);
            if (!event) {
                pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
                poll(&descriptor, 1, 1);
                continue;
            }
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, map->window), nullptr), &std::free);
            if (!geometry)
                continue;
            const bool fits = width ? geometry->width == width && geometry->height == height
                                    : geometry->width > 100 && geometry->height > 100;
            if (fits)
                return Window{map->window, geometry->x, geometry->y, geometry->width, geometry->height};
        }
        return std::nullopt;
    }

    // Waits until the middle of the window shows something other than the root's colour.
    bool waitForPaint(const Window &window, const QElapsedTimer &clock)
    {
        while (clock.elapsed() < timeoutMs) {
            const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
                xcb_get_image_reply(m_connection,
                                    xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root,
                                                  static_cast<std::int16_t>(window.x + window.width / 2),
                                                  static_cast<std::int16_t>(window.y + window.height / 2), 1, 1, ~0u),
                                    nullptr),
                &std::free);
            if (image && xcb_get_image_data_length(image.get()) >= 4) {
                std::uint32_t pixel = 0;
                std::memcpy(&pixel, xcb_get_image_data(image.get()), 4);
                if ((pixel & 0xffffff) != rootColour)
                    return true;
            }
            QThread::usleep(200);
        }
        return false;
    }

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_root = 0;
};

struct Figures
{
    QList<double> values;

    void add(double value) { values.append(value); }
    double median() const
    {
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const auto n = sorted.size();
        return n == 0 ? 0 : n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double maximum() const { return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

void print(const char *what, const Figures &figures, const char *unit)
{
    std::printf("%-44s median %8.1f %s   max %8.1f %s   (%lld runs)\n", what, figures.median(), unit, figures.maximum(), unit,
                static_cast<long long>(figures.values.size()));
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(5000);
}

// Milliseconds from the start of the process to its first window mapped and painted.
bool timeStartup(Display &display, const QString &program, Figures &mapped, Figures &painted)
{
    display.drain();
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    const auto window = display.waitForMap(clock);
    const double mapMs = clock.nsecsElapsed() / 1e6;
    const bool ok = window && display.waitForPaint(*window, clock);
    const double paintMs = clock.nsecsElapsed() / 1e6;
    stop(process);
    if (!ok)
        return false;
    mapped.add(mapMs);
    painted.add(paintMs);
    return true;
}

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Clicks the middle of a control given in twips, relative to the window's client area.
bool clickTwips(const Window &window, int left, int top, int width, int height)
{
    const bool clicked = xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window.id),
                                  QString::number((left + width / 2) / 15), QString::number((top + height / 2) / 15),
                                  QStringLiteral("click"), QStringLiteral("1")});
    // The program handles one click before the next arrives.
    QThread::msleep(100);
    return clicked;
}

// Resident memory in MB of the program while a game on frm8x8 is on screen.
bool gameMemory(Display &display, const QString &program, Figures &memory)
{
    display.drain();
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    const auto splash = display.waitForMap(clock);
    bool ok = splash && display.waitForPaint(*splash, clock);
    if (ok) {
        // The key goes to the window under the pointer, which is the splash window.
        ok = xdotool({QStringLiteral("mousemove"), QString::number(splash->x + 4), QString::number(splash->y + 4)})
            && xdotool({QStringLiteral("key"), QStringLiteral("space")});
    }
    const auto auswahl = ok ? display.waitForMap(clock, 530, 544) : std::nullopt;
    ok = auswahl && display.waitForPaint(*auswahl, clock);
    // Within their frames: optKlasse(2), chkRechenart(0), optLevel(2); then cmdOK.
    ok = ok && clickTwips(*auswahl, 4560 + 120, 720 + 960, 3135, 405) && clickTwips(*auswahl, 4560 + 120, 2760, 3135, 405)
        && clickTwips(*auswahl, 4680, 4920 + 960, 3135, 405) && clickTwips(*auswahl, 4320, 6600, 3495, 405);
    const auto board = ok ? display.waitForMap(clock, 575, 439) : std::nullopt;
    ok = board && display.waitForPaint(*board, clock);
    if (ok) {
        QThread::msleep(500);
        const long kilobytes = residentKilobytes(QStringLiteral("/proc/%1/status").arg(process.processId()));
        ok = kilobytes > 0;
        memory.add(kilobytes / 1024.0);
    }
    stop(process);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const QString program = QStringLiteral(ZORBEL_PROGRAM);
    const QString bare = QStringLiteral(BARE_WINDOW_PROGRAM);

    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "No X display; run under xvfb-run.\n");
        return 1;
    }

    // Warm the file cache and the font cache before anything is counted.
    Figures ignored;
    timeStartup(display, program, ignored, ignored);
    timeStartup(display, bare, ignored, ignored);

    Figures programMapped, programPainted, bareMapped, barePainted, memory;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so that neither always meets a just-freed machine.
        if (run % 2 == 0) {
            failures += !timeStartup(display, program, programMapped, programPainted);
            failures += !timeStartup(display, bare, bareMapped, barePainted);
        } else {
            failures += !timeStartup(display, bare, bareMapped, barePainted);
            failures += !timeStartup(display, program, programMapped, programPainted);
        }
        failures += !gameMemory(display, program, memory);
    }

    print("zorbel: start to splash window mapped", programMapped, "ms");
    print("zorbel: start to splash window painted", programPainted, "ms");
    print("bare_window: start to window mapped", bareMapped, "ms");
    print("bare_window: start to window painted", barePainted, "ms");
    std::printf("painted, zorbel / bare_window (medians): %.2f (goal at most 1.30)\n",
                barePainted.median() > 0 ? programPainted.median() / barePainted.median() : 0.0);
    print("zorbel: resident memory during a game on frm8x8", memory, "MB");
    std::printf("goal for the memory: at most 36 MB\n");
    if (failures)
        std::printf("%d runs timed out and are not counted\n", failures);
    return 0;
}
