# Sourced by the checks that read the program through AT-SPI, as a screen
# reader does: require_atspi skips the check (exit 0, "SKIPPED:") when the
# session bus, the accessibility bus or Python's AT-SPI bindings are missing.
require_atspi() {
  command -v dbus-run-session >/dev/null || { echo "SKIPPED: dbus-run-session is not installed"; exit 0; }
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIPPED: at-spi2-core is not installed"; exit 0; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: python3-pyatspi is not installed"; exit 0; }
}
