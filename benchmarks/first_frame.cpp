// How soon the game shows its first frame, against a bare Qt window, on one private Xvfb: each
// program is started in turn (interleaved, the order alternating), and the X server is watched
// (DAMAGE) for the moments its top-level window is mapped and first shows the picture it
// settles on. Prints the medians from exec, their ratio, and the game's own start split into its
// steps (gachapoko_bench --start-only on the same server).
//     build/dev/benchmarks/gachapoko_first_frame [--starts N] [--game PATH] [--settled-session]
// N is 12 unless given; PATH is another build of the game to time in place of this build's. The
// game gets a bare X session (no session bus, no runtime directory), so its own look-ups are
// counted; the bare window gets DBUS_SESSION_BUS_ADDRESS=disabled: and a private runtime directory,
// without which Qt would autolaunch a bus and make a directory of its own. With --settled-session
// the game gets those too, and has nothing to look up.
#include "tests/support/environment.h"
#include "tests/support/process.h"
#include "tests/support/x_server.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using gachapoko::test::Environment;
using gachapoko::test::Process;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Start {
    double mapped = 0;
    double firstFrame = 0;
    int frames = 0; // drawn until the window settled
};

// The benchmark's connection to the server: new top-level windows, their mapping, their damage.
class Watcher {
public:
    explicit Watcher(const std::string& display) {
        m_connection = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection) != 0) {
            return;
        }
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            return;
        }
        m_damageEvent = damage->first_event;
        free(xcb_damage_query_version_reply(m_connection,
                                            xcb_damage_query_version(m_connection, 1, 1), nullptr));
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_ready = true;
    }
    ~Watcher() { xcb_disconnect(m_connection); }
    bool ready() const { return m_ready; }

    // Starts `command` and watches its window until it has shown the same picture for
    // `settle`; nothing when no window settles within ten seconds.
    std::optional<Start> time(const std::string& program, const Environment& environment,
                              std::chrono::milliseconds settle = std::chrono::milliseconds(700)) {
        struct Frame {
            Clock::time_point at;
            std::vector<std::uint8_t> pixels;
        };
        std::vector<Frame> frames;
        std::map<xcb_window_t, xcb_damage_damage_t> damages;
        std::optional<Clock::time_point> mapped;
        xcb_window_t window = XCB_WINDOW_NONE; // the one mapped: Qt makes hidden ones too
        Process process(program, {}, environment);
        process.discardStandardOutput();
        process.discardStandardError();
        const Clock::time_point started = Clock::now();
        if (!process.start().empty()) {
            return std::nullopt;
        }
        Clock::time_point lastChange = started;
        while (Clock::now() - started < std::chrono::seconds(10)) {
            if (mapped && !frames.empty() && Clock::now() - lastChange > settle) {
                break;
            }
            pollfd readable{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&readable, 1, 5);
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const Clock::time_point now = Clock::now();
                const int type = event->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY) {
                    const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                    const xcb_damage_damage_t damage = xcb_generate_id(m_connection);
                    xcb_damage_create(m_connection, damage, created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    damages[created->window] = damage;
                } else if (type == XCB_MAP_NOTIFY && !mapped) {
                    mapped = now;
                    window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
                    const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                    xcb_damage_subtract(m_connection, notify->damage, XCB_NONE, XCB_NONE);
                    if (notify->drawable == window) {
                        frames.push_back({now, grab(notify->drawable, notify->geometry)});
                        lastChange = now;
                    }
                }
                free(event);
            }
            xcb_flush(m_connection);
        }
        process.end();
        for (const auto& [window, damage] : damages) {
            xcb_damage_destroy(m_connection, damage);
        }
        xcb_flush(m_connection);
        if (!mapped || frames.empty()) {
            return std::nullopt;
        }
        const auto first = std::find_if(frames.begin(), frames.end(), [&](const Frame& frame) {
            return frame.pixels == frames.back().pixels;
        });
        return Start{millisecondsBetween(started, *mapped), millisecondsBetween(started, first->at),
                     static_cast<int>(frames.size())};
    }

private:
    std::vector<std::uint8_t> grab(xcb_drawable_t window, xcb_rectangle_t geometry) {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> image(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              geometry.width, geometry.height, ~0u),
                                nullptr),
            &free);
        if (!image) {
            return {};
        }
        const std::uint8_t* data = xcb_get_image_data(image.get());
        return {data, data + xcb_get_image_data_length(image.get())};
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    std::uint8_t m_damageEvent = 0;
    bool m_ready = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int starts = 12;
    bool settledSession = false;
    std::string game = GACHAPOKO_GAME;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--starts") == 0 && i + 1 < argc) {
            starts = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc) {
            game = argv[i + 1]; // another build of the game, to compare
        }
        settledSession = settledSession || std::strcmp(argv[i], "--settled-session") == 0;
    }
    gachapoko::test::XServer server;
    if (const std::string problem = server.start(); !problem.empty()) {
        std::fprintf(stderr, "gachapoko_first_frame: %s\n", problem.c_str());
        return 1;
    }
    Watcher watcher(server.display());
    if (!watcher.ready()) {
        std::fprintf(stderr, "gachapoko_first_frame: the X server has no DAMAGE extension\n");
        return 1;
    }
    // The programs' homes, removed at the end.
    const gachapoko::test::TemporaryDirectory scratch;
    const std::filesystem::path home = scratch.path() / "home";
    const std::filesystem::path runtime = scratch.path() / "runtime";
    std::filesystem::create_directories(home / "tmp");
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    Environment bareXSession;
    bareXSession.set("PATH", "/usr/local/bin:/usr/bin:/bin")
        .set("HOME", home.string())
        .set("TMPDIR", (home / "tmp").string())
        .set("LANG", "C.UTF-8")
        .set("DISPLAY", server.display())
        .set("QT_QPA_PLATFORM", "xcb");
    Environment quietQt = bareXSession;
    quietQt.set("DBUS_SESSION_BUS_ADDRESS", "disabled:").set("XDG_RUNTIME_DIR", runtime.string());

    struct Program {
        const char* name;
        std::string program;
        const Environment& environment;
        std::vector<Start> starts;
    };
    Program programs[] = {{"the game", game, settledSession ? quietQt : bareXSession, {}},
                          {"a bare Qt window", GACHAPOKO_BARE_WINDOW, quietQt, {}}};
    // One start of each to warm the file cache, not counted.
    for (Program& program : programs) {
        watcher.time(program.program, program.environment);
    }
    // The ratio within each round too: the machine's load drifts less between two neighbouring
    // starts than over the whole run.
    std::vector<double> mappedRatios;
    std::vector<double> frameRatios;
    for (int round = 0; round < starts; ++round) {
        std::optional<Start> pair[2];
        for (int i = 0; i < 2; ++i) {
            const int which = (round + i) % 2;
            pair[which] = watcher.time(programs[which].program, programs[which].environment);
            if (pair[which]) {
                programs[which].starts.push_back(*pair[which]);
            }
        }
        if (pair[0] && pair[1]) {
            mappedRatios.push_back(pair[0]->mapped / pair[1]->mapped);
            frameRatios.push_back(pair[0]->firstFrame / pair[1]->firstFrame);
        }
    }
    std::printf("First frame on Xvfb %s, medians of %d interleaved starts, from exec; the game in "
                "%s:\n",
                server.display().c_str(), starts,
                settledSession ? "a session with its bus and runtime directory settled"
                               : "a bare X session");
    double mapped[2] = {};
    double frame[2] = {};
    for (int i = 0; i < 2; ++i) {
        std::vector<double> mappedTimes;
        std::vector<double> frameTimes;
        std::vector<double> frameCounts;
        for (const Start& start : programs[i].starts) {
            mappedTimes.push_back(start.mapped);
            frameTimes.push_back(start.firstFrame);
            frameCounts.push_back(start.frames);
        }
        if (frameTimes.empty()) {
            std::fprintf(stderr, "gachapoko_first_frame: %s never showed a window\n",
                         programs[i].name);
            return 1;
        }
        mapped[i] = median(mappedTimes);
        frame[i] = median(frameTimes);
        std::printf("  %-17s window mapped %6.1f ms, first frame equal to the settled one "
                    "%6.1f ms (%zu starts, %.0f frames drawn)\n",
                    programs[i].name, mapped[i], frame[i], frameTimes.size(), median(frameCounts));
    }
    std::printf("  the game against the bare window: %.3fx to the mapped window, %.3fx to the "
                "first frame\n",
                mapped[0] / mapped[1], frame[0] / frame[1]);
    std::printf("  median of the ratios within each round: %.3fx to the mapped window, %.3fx to "
                "the first frame\n",
                median(mappedRatios), median(frameRatios));
    std::fflush(stdout);

    // The game's start from main, step by step, on the same server and in the same session.
    const gachapoko::test::Finished steps = gachapoko::test::run(
        GACHAPOKO_BENCH, {"--start-only"}, settledSession ? quietQt : bareXSession);
    std::fputs(steps.out.c_str(), stdout);
    if (!steps.succeeded()) {
        std::fprintf(stderr, "gachapoko_first_frame: %s\n", steps.report().c_str());
        return 1;
    }
    return 0;
}
