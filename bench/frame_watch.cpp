// Starts a program in an X display and watches the screen: prints when its
// window titled TITLE was first mapped and when the screen last changed, in
// milliseconds from the start, then ends the program.
//   frame_watch TITLE SECONDS PROGRAM [ARGUMENTS...]
// The screen is compared every few milliseconds, so the last change is the
// first frame after which nothing moved: the window's stable first picture,
// opening effects included.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using TClock = std::chrono::steady_clock;

std::string WindowName(xcb_connection_t* x, xcb_window_t window)
{
  const auto cookie = xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
  std::string name;
  if (reply) {
    name.assign(static_cast<const char*>(xcb_get_property_value(reply)), static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
  }
  return name;
}

bool Mapped(xcb_connection_t* x, xcb_window_t window)
{
  xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr);
  const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
  std::free(reply);
  return viewable;
}

// Whether a mapped top-level window (or one a window manager framed) has
// the title.
bool Shown(xcb_connection_t* x, xcb_window_t parent, const std::string& title, int depth)
{
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, parent), nullptr);
  if (!tree)
    return false;
  const xcb_window_t* children = xcb_query_tree_children(tree);
  bool found = false;
  for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
    found = (WindowName(x, children[i]) == title && Mapped(x, children[i])) || (depth > 0 && Shown(x, children[i], title, depth - 1));
  std::free(tree);
  return found;
}

std::uint64_t ScreenHash(xcb_connection_t* x, const xcb_screen_t* screen)
{
  const auto cookie = xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, screen->width_in_pixels,
    screen->height_in_pixels, ~0U);
  xcb_get_image_reply_t* image = xcb_get_image_reply(x, cookie, nullptr);
  if (!image)
    return 0;
  const std::uint8_t* data = xcb_get_image_data(image);
  const int length = xcb_get_image_data_length(image);
  std::uint64_t hash = 1469598103934665603ULL;
  for (int i = 0; i < length; i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, data + i, static_cast<std::size_t>(std::min(8, length - i)));
    hash = (hash ^ word) * 1099511628211ULL;
  }
  std::free(image);
  return hash;
}

double Ms(TClock::time_point from, TClock::time_point to)
{
  return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

int main(int argc, char** argv)
{
  if (argc < 4) {
    std::fprintf(stderr, "usage: frame_watch TITLE SECONDS PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  const std::string title = argv[1];
  const double seconds = std::atof(argv[2]);
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "frame_watch: no X display\n");
    return 2;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const std::uint64_t before = ScreenHash(x, screen);

  const TClock::time_point start = TClock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[3], argv + 3);
    _exit(127);
  }
  double mapped = -1;
  double changed = -1;
  std::uint64_t last = before;
  while (Ms(start, TClock::now()) < seconds * 1000) {
    if (mapped < 0 && Shown(x, screen->root, title, 1))
      mapped = Ms(start, TClock::now());
    const std::uint64_t hash = ScreenHash(x, screen);
    if (hash != last) {
      last = hash;
      changed = Ms(start, TClock::now());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(x);
  std::printf("%.0f %.0f\n", mapped, changed);
  return mapped < 0 ? 1 : 0;
}
