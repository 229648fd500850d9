#!/bin/sh
# Generates each locale given (e.g. ja_JP.UTF-8) that the machine lacks; says which.
set -eu
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=""
for locale in "$@"; do
    name=$(echo "$locale" | sed 's/\.UTF-8$/.utf8/')
    locale -a 2>/dev/null | grep -qix "$name" && continue
    grep -q "^$locale UTF-8" /etc/locale.gen 2>/dev/null || echo "$locale UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    missing="$missing $locale"
done
[ -z "$missing" ] && exit 0
$sudo locale-gen >/dev/null
echo "Generated locales:$missing"
