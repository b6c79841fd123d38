// Start-up as the user sees it: the time from the start of a program's process until the first
// frame of its window reaches the X server, for the real velmora and for Qt's "hello world" of
// the same build, started in turns on the X server of $DISPLAY. It waits on X events only: the
// program's top-level windows are seen created on the root window, each gets a DAMAGE object, and
// the first damage report is the first frame (Qt's windows have no background of their own, so
// mapping one draws nothing). Prints the median of each program and their ratio.
//   startup_bench [STARTS]

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

constexpr auto patience = std::chrono::seconds(20);

struct Display {
    xcb_connection_t* connection;
    xcb_window_t root;
    std::uint8_t damageEvent;  // the DamageNotify event code on this server
};

Display openDisplay() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        throw std::runtime_error("no X server on $DISPLAY (try xvfb-run)");
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    // The client must announce the version it speaks before it may create damage objects.
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const Display display{connection, screens.data->root,
                          static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY)};
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, display.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    return display;
}

// The next event, waiting for the server's socket without spinning.
Event nextEvent(const Display& display, Clock::time_point deadline) {
    for (;;) {
        Event event(xcb_poll_for_event(display.connection), &std::free);
        if (event != nullptr) {
            return event;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd socket{xcb_get_file_descriptor(display.connection), POLLIN, 0};
        if (left.count() <= 0 || poll(&socket, 1, static_cast<int>(left.count())) == 0) {
            throw std::runtime_error("the X server went quiet for too long");
        }
    }
}

pid_t start(const std::string& program) {
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    // What the programs print (Qt's notes on a bare X server) would drown the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    return pid;
}

// One start: milliseconds from the spawn until the first damage on a window of the program.
double firstFrame(const Display& display, const std::string& program) {
    const Clock::time_point started = Clock::now();
    const pid_t pid = start(program);
    std::set<xcb_damage_damage_t> damages;
    double elapsed = -1;
    while (elapsed < 0) {
        const Event event = nextEvent(display, started + patience);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            const xcb_damage_damage_t damage = xcb_generate_id(display.connection);
            xcb_damage_create(display.connection, damage, created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(display.connection);
            damages.insert(damage);
        } else if (type == display.damageEvent) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            if (damages.contains(damaged->damage)) {
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            }
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return elapsed;
}

int topLevelWindows(const Display& display) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(
        display.connection, xcb_query_tree(display.connection, display.root), nullptr);
    const int count = tree != nullptr ? xcb_query_tree_children_length(tree) : 0;
    std::free(tree);
    return count;
}

// Waits until the server has destroyed every window of the program that ended, so the next start
// finds the server as the first did and no late event of one start is taken for the next.
void settle(const Display& display, int windowsBefore) {
    while (topLevelWindows(display) > windowsBefore) {
        nextEvent(display, Clock::now() + patience);
    }
    while (Event(xcb_poll_for_event(display.connection), &std::free) != nullptr) {
    }
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    const std::vector<std::string> programs{VELMORA_PROGRAM, REFERENCE_PROGRAM};
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    try {
        const Display display = openDisplay();
        const int windowsBefore = topLevelWindows(display);
        std::vector<std::vector<double>> samples(programs.size());
        for (int round = -1; round < starts; ++round) {  // round -1 warms the file cache
            for (std::size_t p = 0; p < programs.size(); ++p) {
                const double elapsed = firstFrame(display, programs[p]);
                settle(display, windowsBefore);
                if (round >= 0) {
                    samples[p].push_back(elapsed);
                }
            }
        }
        const double velmora = median(samples[0]);
        const double reference = median(samples[1]);
        std::printf("velmora          median %7.1f ms over %d starts\n", velmora, starts);
        std::printf("Qt hello world   median %7.1f ms over %d starts\n", reference, starts);
        std::printf("ratio %.3f (goal: at most 1.15)\n", velmora / reference);
        xcb_disconnect(display.connection);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
