#!/usr/bin/env bash
# SQL belongs to the storage layer: the host and the programs write none, and
# none of them reaches into the layer's own database.
set -euo pipefail
root="$1"
if grep -rnE '\b(SELECT|INSERT INTO|UPDATE|DELETE FROM)\b|QSql[A-Za-z]+|platform/bo/session_store\.h|storeOf\(' \
    "$root/platform/shell" "$root/app"; then
    echo "SQL or the storage layer's own database outside platform/bo"
    exit 1
fi
