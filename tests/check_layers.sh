#!/usr/bin/env bash
# The layers depend one way: app -> ui -> pool, engine, help -> store -> base.
# Fails when a file includes a header of a layer it may not use.
set -u
src=$1
declare -A allowed=(
  [base]="base"
  [store]="base store"
  [pool]="base store pool"
  [engine]="base store engine"
  [help]="base store help"
  [ui]="base store pool engine help ui"
  [app]="base store pool engine help ui app"
)
status=0
for layer in "${!allowed[@]}"; do
  [ -d "$src/$layer" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    used=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$hit")
    if ! grep -qw "$used" <<<"${allowed[$layer]}"; then
      echo "layering: $file includes from $used/"
      status=1
    fi
  done < <(grep -H -E '#include "[a-z]+/' "$src/$layer"/*.{h,cpp} 2>/dev/null)
done
[ $status -eq 0 ] && echo "layering: 1 passed, 0 failed" || echo "layering: 0 passed, 1 failed"
exit $status
