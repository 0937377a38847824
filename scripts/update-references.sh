#!/usr/bin/env bash
# Regenerates the reference frames (tests/references/NAME.png) with llvmpipe:
# every view of tests/references/views.txt, or the views named on the command
# line. Use it when the picture changes on purpose, and commit the new frames
# with the change that moved them.
#
#   bash scripts/update-references.sh               every view
#   bash scripts/update-references.sh dusk night    those two
#
# Builds first. Every view is captured before any reference is replaced, and
# each is replaced whole (a file beside it renamed over it), so a failed run
# leaves the references as they were.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
# shellcheck source=scripts/reference-views.sh
source scripts/reference-views.sh

known=$(reference_view_names)
for name in "$@"; do
  if ! grep -qx -- "$name" <<<"$known"; then
    echo "update-references: no view '$name' in tests/references/views.txt (views: $(echo $known))" >&2
    exit 2
  fi
done
display=()
if [ -z "${DISPLAY:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "update-references: no display and no xvfb-run: run it on a display, or install Xvfb with bash scripts/install-deps.sh" >&2
    exit 2
  fi
  display=(xvfb-run -a -s "-screen 0 1920x1080x24")
fi

bash scripts/build.sh
BIN="$ROOT/${BUILD_DIR:-build}/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$BIN"
names=()
while read -r name args; do
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx -- "$name"; then
    continue
  fi
  echo "[references] capturing $name"
  # shellcheck disable=SC2086
  if ! SDL_AUDIODRIVER=dummy GALLIUM_DRIVER=llvmpipe LIBGL_ALWAYS_SOFTWARE=1 "${display[@]}" \
      ./kestrune-capture $args --out "$work/$name.png" >"$work/$name.log" 2>&1 </dev/null; then
    cat "$work/$name.log" >&2
    echo "update-references: capturing '$name' failed; no reference was changed" >&2
    exit 1
  fi
  names+=("$name")
done < <(reference_views)

for name in "${names[@]}"; do
  ./kestrune-reference store "$work/$name.png" "$ROOT/tests/references/$name.png" "$REFERENCE_VIEWS_FILE" "$name"
done
echo "[references] updated ${#names[@]} reference(s) in tests/references: ${names[*]}"
