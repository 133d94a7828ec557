# Sourced by the scripts: installer_paquets P… installs the Debian packages
# among P… that are missing (with sudo when not run as root).
installer_paquets() {
    local manquants=() p sudo_cmd=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
    done
    [ ${#manquants[@]} -gt 0 ] || return 0
    echo "Installing: ${manquants[*]}"
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}
