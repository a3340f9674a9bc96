#!/bin/bash
# The launcher's first start, attacked with real faults: a file as XDG_DATA_HOME, a
# read-only folder, a full file system, starts at the same time (with and without the
# system's locks), the launcher killed or interrupted while it works, and the roots a
# user may name (".", a link, a file, the installed data). Every case checks the exit
# status and the message, that no path outside the root's parent folder was made,
# changed or removed (the launcher's own calls, traced with strace until it starts the
# program), and that no half-made root or hidden folder was left.
#
# The launcher is the installed one (a copy of PREFIX/bin/pagora on the installed data);
# the program it starts is a stand-in that tells on which root it was started and
# whether that root was whole, so that many starts cost little. test_installation starts
# the real program. Cases that need root (a small file system, another user) use a
# fault of their own without it; one that cannot run is named, and the test ends as
# skipped (77).
#   erststart.sh PREFIX
set -euo pipefail
installiert=$1
[ -x "$installiert/bin/pagora" ] || { echo "SKIP: nichts installiert unter $installiert (paketbau.sh)"; exit 77; }
command -v strace > /dev/null || { echo "SKIP: strace fehlt (make deps installiert es)"; exit 77; }
arbeit=$(mktemp -d)
chmod 755 "$arbeit"
trap 'chmod -R u+w "$arbeit" 2> /dev/null; rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }
uebersprungen=""
daten=$installiert/share/pagora

p=$arbeit/prefix
mkdir -p "$p/bin" "$p/lib/pagora" "$p/share"
cp "$installiert/bin/pagora" "$p/bin/pagora"
ln -s "$(readlink -f "$daten")" "$p/share/pagora"
cat > "$p/lib/pagora/Pagora.exe" << 'EOF'
#!/bin/sh
wurzel=$(dirname "$0")
[ -f "$wurzel/names.exe" ] && [ -f "$wurzel/Quarn/Pages/Quarn.5" ] || { echo "halb: $wurzel"; exit 9; }
echo "gestartet: $wurzel"
EOF
chmod 755 "$p/lib/pagora/Pagora.exe"

# Another user, where the test runs as root: permissions then stop writes, and a broken
# launcher could not write into / either.
als_nutzer=()
if [ "$(id -u)" = 0 ]; then
    if command -v setpriv > /dev/null &&
        setpriv --reuid=65534 --regid=65534 --clear-groups test -r "$p/share/pagora/names.exe"; then
        als_nutzer=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    else
        als_nutzer=(keiner)
    fi
fi

# starte SPUR ENV=… [-- ARG…]: the launcher with a fresh environment, traced; `nutzer`
# runs it as another user, `eingriff` adds strace's fault injection.
nutzer=()
eingriff=()
starte() {
    local spur=$1
    shift
    local umgebung=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        umgebung+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    strace -f -qq -y -s 4096 -o "$spur" "${eingriff[@]}" \
        -e trace=execve,mkdir,mkdirat,open,openat,creat,symlink,symlinkat,rename,renameat,renameat2,unlink,unlinkat,rmdir,chmod,fchmodat,link,linkat,flock \
        "${nutzer[@]}" env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 HOME="$arbeit/heim" "${umgebung[@]}" "$p/bin/pagora" "$@"
}

# Every path the launcher made, changed, renamed or removed (or tried to) before it
# started the program; a name relative to a folder's descriptor (strace -y shows its
# path) is joined to it.
geschrieben() {
    awk '/execve\(".*\/Pagora\.exe"/ { exit } { print }' "$1" |
        grep -E ' (mkdirat?|symlinkat?|renameat2?|rename|unlinkat?|rmdir|fchmodat|chmod|linkat?|creat)\(| open(at)?\(.*O_(CREAT|WRONLY|RDWR)' |
        sed -E 's/^[0-9]+ +//; s/^(symlink|symlinkat|link|linkat)\("[^"]*", */X(/; s/[0-9]+<([^>]*)>, "([^/"][^"]*)"/"\1\/\2"/g' |
        grep -oE '"[^"]*"' | tr -d '"' || true
}
# nur_darin SPUR ORDNER: nothing written outside ORDNER.
nur_darin() {
    local aussen
    aussen=$(geschrieben "$1" | grep -vE "^$2(/|$)" || true)
    [ -z "$aussen" ] || fehler "$3: geschrieben außerhalb von $2: $(echo "$aussen" | head -5 | tr '\n' ' ')"
}
nichts_geschrieben() {
    [ -z "$(geschrieben "$1")" ] || fehler "$2: geschrieben: $(geschrieben "$1" | head -5 | tr '\n' ' ')"
}
# vollstaendig ROOT: the same entries as the installed root, and nothing else.
vollstaendig() {
    diff <(cd "$daten" && find . | sort) <(cd "$1" && find . | sort) >&2 || fehler "$2: $1 ist nicht vollständig"
}
keine_reste() {
    [ -z "$(find "$@" -name '.pagora-neu*' 2> /dev/null)" ] || fehler "Zwischenordner blieb liegen: $(find "$@" -name '.pagora-neu*')"
}
# status BEFEHL…: runs it, its exit status in $s, its output in $aus.
status() {
    s=0
    aus=$("$@" 2>&1) || s=$?
}

# 1. XDG_DATA_HOME names a file: nothing is tried anywhere.
f=$arbeit/fall1
mkdir -p "$f"
touch "$f/datei"
nutzer=("${als_nutzer[@]}")
[ "${nutzer[*]}" = keiner ] && nutzer=()
status starte "$f/spur" XDG_DATA_HOME="$f/datei"
[ "$s" = 1 ] || fehler "XDG_DATA_HOME als Datei: Rückgabe $s statt 1: $aus"
echo "$aus" | grep -q "^pagora: der Datenordner $f/datei/pagora kann nicht angelegt werden: $f/datei" ||
    fehler "XDG_DATA_HOME als Datei: Meldung: $aus"
nichts_geschrieben "$f/spur" "XDG_DATA_HOME als Datei"

# 2. A read-only folder, as the user's data folder and as an empty folder named by --root.
if [ "${als_nutzer[*]}" = keiner ]; then
    uebersprungen+=" schreibgeschützter Ordner (als root ohne setpriv oder ohne Lesezugriff für nobody)"
else
    f=$arbeit/fall2
    mkdir -p "$f/nurlesen" "$f/leer"
    chmod 555 "$f/nurlesen" "$f/leer"
    nutzer=("${als_nutzer[@]}")
    status starte "$f/spur" XDG_DATA_HOME="$f/nurlesen"
    [ "$s" = 1 ] || fehler "schreibgeschützt: Rückgabe $s statt 1: $aus"
    echo "$aus" | grep -q "^pagora: der Datenordner $f/nurlesen/pagora kann nicht angelegt werden: " ||
        fehler "schreibgeschützt: Meldung: $aus"
    nur_darin "$f/spur" "$f/nurlesen" "schreibgeschützt"
    status starte "$f/spur" -- --root "$f/leer"
    [ "$s" = 1 ] || fehler "schreibgeschützt, --root: Rückgabe $s statt 1: $aus"
    nur_darin "$f/spur" "$f/leer" "schreibgeschützt, --root"
    [ -z "$(find "$f/nurlesen" "$f/leer" -mindepth 1)" ] || fehler "schreibgeschützt: etwas blieb liegen"
fi
nutzer=()

# 3. A full file system: a small one mounted where the test may, else a file size limit
# (with SIGXFSZ ignored, a write then fails as on a full disk). Nothing is left, so the
# second start fails the same way instead of starting a broken root.
f=$arbeit/fall3
mkdir -p "$f/klein"
if [ "$(id -u)" = 0 ] && command -v unshare > /dev/null && unshare -m true 2> /dev/null; then
    art="300 KB großes Dateisystem"
    unshare -m bash -c '
        mount -t tmpfs -o size=300k tmpfs "$1" || exit 3
        for i in 1 2; do
            env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 HOME="$1" XDG_DATA_HOME="$1" "$2" > "$3.$i.aus" 2>&1
            echo $? > "$3.$i.status"
            ls -A "$1" > "$3.$i.inhalt"
        done' - "$f/klein" "$p/bin/pagora" "$f/lauf" || fehler "$art: kann nicht eingehängt werden"
else
    art="Dateigrößengrenze"
    for i in 1 2; do
        (
            trap '' XFSZ
            ulimit -f 100
            s=0
            env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 HOME="$f/klein" XDG_DATA_HOME="$f/klein" "$p/bin/pagora" \
                > "$f/lauf.$i.aus" 2>&1 || s=$?
            echo $s > "$f/lauf.$i.status"
        )
        ls -A "$f/klein" > "$f/lauf.$i.inhalt"
    done
fi
for i in 1 2; do
    [ "$(cat "$f/lauf.$i.status")" = 1 ] || fehler "$art, Start $i: Rückgabe $(cat "$f/lauf.$i.status") statt 1: $(cat "$f/lauf.$i.aus")"
    grep -q "^pagora: der Datenordner $f/klein/pagora kann nicht angelegt werden: $f/klein/pagora/" "$f/lauf.$i.aus" ||
        fehler "$art, Start $i: Meldung: $(cat "$f/lauf.$i.aus")"
    [ ! -s "$f/lauf.$i.inhalt" ] || fehler "$art, Start $i: es blieb liegen: $(cat "$f/lauf.$i.inhalt")"
done
echo "$art: $(head -1 "$f/lauf.1.aus")"

# 4. Four first starts at once, with the system's locks and without them (a file system
# that has none): all start the program on the one whole root, and no copy is left.
for sperren in mit ohne; do
    f=$arbeit/fall4-$sperren
    mkdir -p "$f"
    if [ $sperren = ohne ]; then
        eingriff=(-e inject=flock:error=ENOLCK)
    fi
    for i in 1 2 3 4; do
        (status starte "$f/spur$i" XDG_DATA_HOME="$f/xdg"; echo "$s $aus" > "$f/ergebnis$i") &
    done
    wait
    for i in 1 2 3 4; do
        [ "$(cat "$f/ergebnis$i")" = "0 gestartet: $f/xdg/pagora" ] ||
            fehler "gleichzeitig ($sperren Sperre), Start $i: $(cat "$f/ergebnis$i")"
        nur_darin "$f/spur$i" "$f/xdg" "gleichzeitig ($sperren Sperre)"
    done
    vollstaendig "$f/xdg/pagora" "gleichzeitig ($sperren Sperre)"
    keine_reste "$f"
done
eingriff=()

# 5. The roots a user may name: ".", a link and an existing empty folder become the root
# there, the folder itself keeps its identity; a file, the installed data and a folder
# in it are refused, and nothing is written.
f=$arbeit/fall5
mkdir -p "$f/hier" "$f/ziel"
ln -s "$f/ziel" "$f/verweis"
knoten=$(stat -c %i "$f/hier")
s=0
aus=$(cd "$f/hier" && starte "$f/spur" -- --root . 2>&1) || s=$?
[ "$s:$aus" = "0:gestartet: $f/hier" ] || fehler "--root .: $s $aus"
[ "$(stat -c %i "$f/hier")" = "$knoten" ] || fehler "--root .: der Ordner wurde ersetzt"
vollstaendig "$f/hier" "--root ."
nur_darin "$f/spur" "$f/hier" "--root ."
status starte "$f/spur" -- --root "$f/verweis"
[ "$s:$aus" = "0:gestartet: $f/ziel" ] || fehler "--root VERWEIS: $s $aus"
[ -L "$f/verweis" ] || fehler "--root VERWEIS: der Verweis wurde ersetzt"
vollstaendig "$f/ziel" "--root VERWEIS"
nur_darin "$f/spur" "$f/ziel" "--root VERWEIS"
mkdir "$f/leer"
knoten=$(stat -c %i "$f/leer")
status starte "$f/spur" -- --root "$f/leer"
[ "$s:$aus" = "0:gestartet: $f/leer" ] || fehler "--root LEER: $s $aus"
[ "$(stat -c %i "$f/leer")" = "$knoten" ] || fehler "--root LEER: der Ordner wurde ersetzt"
vollstaendig "$f/leer" "--root LEER"
nur_darin "$f/spur" "$f/leer" "--root LEER"
echo Brief > "$f/brief.txt"
status starte "$f/spur" -- --root "$f/brief.txt"
[ "$s:$aus" = "1:pagora: $f/brief.txt ist kein Ordner" ] || fehler "--root DATEI: $s $aus"
nichts_geschrieben "$f/spur" "--root DATEI"
for innen in "$daten" "$daten/Quarn" "$daten/neu"; do
    status starte "$f/spur" -- --root "$innen"
    [ "$s" = 1 ] && echo "$aus" | grep -q "liegt in den installierten Daten" || fehler "--root $innen: $s $aus"
    nichts_geschrieben "$f/spur" "--root $innen"
done
keine_reste "$f"

# 6. Killed as it puts the root in place (strace sends SIGKILL at the call): a missing
# root is one rename, so nothing half made shows and the next start makes it; an empty
# folder being filled holds some entries, and the next start finishes the move.
f=$arbeit/fall6
mkdir -p "$f/xdg" "$f/leer"
eingriff=(-e inject=rename:signal=KILL:when=1)
status starte "$f/spur" XDG_DATA_HOME="$f/xdg"
[ "$s" = 137 ] && [ ! -e "$f/xdg/pagora" ] || fehler "getötet beim Umbenennen: $s $aus, $(ls -A "$f/xdg")"
eingriff=(-e inject=renameat2:signal=KILL:when=4)
status starte "$f/spur" -- --root "$f/leer"
[ "$s" = 137 ] && [ "$(ls -A "$f/leer" | grep -vc '^\.pagora-neu')" = 3 ] || fehler "getötet beim Einräumen: $s $aus, $(ls -A "$f/leer")"
eingriff=()
status starte "$f/spur" XDG_DATA_HOME="$f/xdg"
[ "$s:$aus" = "0:gestartet: $f/xdg/pagora" ] || fehler "nach dem getöteten Start: $s $aus"
vollstaendig "$f/xdg/pagora" "nach dem getöteten Start"
status starte "$f/spur" -- --root "$f/leer"
[ "$s:$aus" = "0:gestartet: $f/leer" ] || fehler "nach dem getöteten Einräumen: $s $aus"
vollstaendig "$f/leer" "nach dem getöteten Einräumen"
keine_reste "$f"

# 7. Interrupted (SIGTERM while it copies): it ends by the signal and leaves nothing.
f=$arbeit/fall7
mkdir -p "$f/xdg"
eingriff=(-e inject=symlink:signal=TERM:when=20)
status starte "$f/spur" XDG_DATA_HOME="$f/xdg"
[ "$s" = 143 ] || fehler "unterbrochen: Rückgabe $s statt 143: $aus"
[ -z "$(ls -A "$f/xdg")" ] || fehler "unterbrochen: es blieb liegen: $(ls -A "$f/xdg")"
eingriff=()

if [ -n "$uebersprungen" ]; then
    echo "SKIP:$uebersprungen; alle anderen Fälle in Ordnung"
    exit 77
fi
echo "Erster Start unter Fehlern in Ordnung"
