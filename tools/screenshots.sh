#!/usr/bin/env bash
# Makes the main window's pictures in docs/ again from build/tools, after a visible change.
# Look at each one before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools=build/tools
export QT_QPA_PLATFORM=offscreen
export LANGUAGE=en
for dark in "" --dark; do
    suffix=${dark:+-dark}
    $tools/screenshot_main_window $dark docs/main-window$suffix.png \
        ${dark:-docs/context-menu.png docs/pack-into-hak.png docs/batch-summary.png docs/batch-details.png}
    QT_SCALE_FACTOR=1.5 $tools/screenshot_main_window $dark --screen=1280x800 \
        docs/main-window-150$suffix.png
    $tools/screenshot_main_window $dark --screen=1280x800 --maximised \
        docs/main-window-maximised$suffix.png
    QT_SCALE_FACTOR=2 $tools/screenshot_progress $dark docs/progress-dialog$suffix.png \
        docs/progress-dialog-batch$suffix.png
done
$tools/screenshot_main_window --maximised --facts docs/facts-columns.png
# The longest language's captions and the most accented, with their numbers and dates.
for language in de pl; do
    LC_ALL= LANG=${language}_${language^^}.UTF-8 LANGUAGE=$language $tools/screenshot_main_window docs/main-window-$language.png \
        docs/context-menu-$language.png docs/pack-into-hak-$language.png \
        docs/batch-summary-$language.png docs/batch-details-$language.png
done
