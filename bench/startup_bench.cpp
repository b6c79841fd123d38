// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up as the user sees it: the time from the start of a program's process until the first
// frame of its window reaches the X server, for the real velmora and for Qt's "hello world" of
// the same build, started in turns on the X server of $DISPLAY. It waits on X events only: the
// top-level windows are seen created on the root window, each gets a DAMAGE object, and the first
// damage report on a window of the started program (by its _NET_WM_PID) is the first frame (Qt's
// windows have no background of their own, so mapping one draws nothing). Windows of any other
// client, such as the one a session bus started by X11 autolaunch leaves behind, are passed over.
// Prints the median of each program and the median of the rounds' ratios: each round starts both,
// in an order that alternates, so that a load that comes and goes on a shared machine weighs on
// both sides of a round alike.
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
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
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
    xcb_atom_t wmPid;          // _NET_WM_PID, the process a window belongs to
};

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply != nullptr) {
        atom = reply->atom;
    }
    std::free(reply);
    return atom;
}

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
                          static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY),
                          internAtom(connection, "_NET_WM_PID")};
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

// The process a window says it belongs to; 0 for a window that says nothing or is gone.
pid_t windowPid(const Display& display, xcb_window_t window) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        display.connection,
        xcb_get_property(display.connection, 0, window, display.wmPid, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    pid_t pid = 0;
    if (reply != nullptr && xcb_get_property_value_length(reply) == sizeof(std::uint32_t)) {
        pid = static_cast<pid_t>(*static_cast<const std::uint32_t*>(xcb_get_property_value(reply)));
    }
    std::free(reply);
    return pid;
}

struct Start {
    double firstFrame;                  // milliseconds from the spawn
    std::vector<xcb_window_t> windows;  // the program's top-level windows
};

// One start: the first damage on a window of the program, which then ends.
Start startOnce(const Display& display, const std::string& program) {
    const Clock::time_point started = Clock::now();
    const pid_t pid = start(program);
    std::map<xcb_damage_damage_t, xcb_window_t> created;
    double elapsed = -1;
    while (elapsed < 0) {
        const Event event = nextEvent(display, started + patience);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* window = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            const xcb_damage_damage_t damage = xcb_generate_id(display.connection);
            xcb_damage_create(display.connection, damage, window->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(display.connection);
            created.emplace(damage, window->window);
        } else if (type == display.damageEvent) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            const auto window = created.find(damaged->damage);
            if (window != created.end() && windowPid(display, window->second) == pid) {
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            }
        }
    }
    Start done{elapsed, {}};
    for (const auto& [damage, window] : created) {
        if (windowPid(display, window) == pid) {
            done.windows.push_back(window);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return done;
}

// Waits until the server has destroyed the windows of the program that ended, so the next start
// finds the server as the first did and no late event of one start is taken for the next.
void settle(const Display& display, std::vector<xcb_window_t> windows) {
    while (!windows.empty()) {
        const Event event = nextEvent(display, Clock::now() + patience);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
            const auto* destroyed = reinterpret_cast<xcb_destroy_notify_event_t*>(event.get());
            std::erase(windows, destroyed->window);
        }
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
        std::vector<std::vector<double>> samples(programs.size());
        std::vector<double> ratios;
        for (int round = -1; round < starts; ++round) {  // round -1 warms the file cache
            std::array<double, 2> firstFrames{};
            for (std::size_t turn = 0; turn < programs.size(); ++turn) {
                const std::size_t p = round % 2 != 0 ? 1 - turn : turn;
                Start once = startOnce(display, programs[p]);
                settle(display, std::move(once.windows));
                firstFrames.at(p) = once.firstFrame;
            }
            if (round >= 0) {
                samples[0].push_back(firstFrames[0]);
                samples[1].push_back(firstFrames[1]);
                ratios.push_back(firstFrames[0] / firstFrames[1]);
            }
        }
        std::printf("velmora          median %7.1f ms over %d starts\n", median(samples[0]),
                    starts);
        std::printf("Qt hello world   median %7.1f ms over %d starts\n", median(samples[1]),
                    starts);
        std::printf("ratio %.3f, the median of the rounds' (goal: at most 1.15)\n", median(ratios));
        xcb_disconnect(display.connection);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
