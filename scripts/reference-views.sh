# Sourced by the scripts that render the reference views: reads
# tests/references/views.txt, the one list of views.
#
#   reference_views          prints "NAME ARGUMENTS..." for every view, masks and crops left out
#   reference_view_names     prints every view's name, one a line
#   picture_views            reference_views of the views that compare the whole
#                            frame (the README's pictures); a cropped view guards
#                            a setting and is no picture

REFERENCE_VIEWS_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/references/views.txt"

# Every view, or with "whole" only those without a crop.
list_views() {
  local kind name drivers args
  while read -r kind name drivers args; do
    [ "$kind" = view ] || continue
    if [ "${1:-}" = whole ] && [[ "$args" == *crop=* ]]; then
      continue
    fi
    # shellcheck disable=SC2001
    echo "$name $(sed 's/mask=[^ ]*//g; s/crop=[^ ]*//g; s/  */ /g; s/ $//' <<<"$args")"
  done <"$REFERENCE_VIEWS_FILE"
}

reference_views() {
  list_views
}

picture_views() {
  list_views whole
}

reference_view_names() {
  reference_views | cut -d' ' -f1
}
