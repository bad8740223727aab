#!/usr/bin/env bash
# Asks the running game about places off its board over AT-SPI; see atspi_off_board.py.
# Needs what on_accessibility_bus.sh needs, and python3-pyatspi.
set -euo pipefail
here=$(dirname "$0")
exec bash "$here/../support/on_accessibility_bus.sh" /usr/bin/python3 "$here/atspi_off_board.py" "$1"
