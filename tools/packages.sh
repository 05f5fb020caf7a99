# Sourced by run.sh and test.sh: installs missing Debian packages with apt, using sudo only
# when not already root.

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# A locale the number-text tests switch to, to check that a comma separator is honoured.
ensure_locale() {
    local name=$1 normalised
    normalised=$(echo "$name" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$normalised" && return 0
    as_root localedef -i "${name%%.*}" -f UTF-8 "$name"
}
