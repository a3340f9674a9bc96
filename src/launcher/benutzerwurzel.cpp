#include "launcher/benutzerwurzel.h"

#include "launcher/starter.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace launcher {

namespace {

using Pfad = std::string;
namespace fs = std::filesystem;

// The hidden folder a first start assembles in. Under the lock of the folder it lies in,
// one found there is what a killed start left.
constexpr std::string_view kNeu = ".pagora-neu.";
const Pfad kMarke = "names.exe";

QString zeigen(const Pfad &p) {
    return QFile::decodeName(QByteArray::fromStdString(p));
}
Pfad nativ(const QString &p) {
    return QFile::encodeName(p).toStdString();
}
QString grund(int nummer) {
    return QString::fromLocal8Bit(std::strerror(nummer));
}

bool istWurzel(const Pfad &ordner) {
    struct stat st {};
    return ::stat((ordner + "/" + kMarke).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

Pfad elternVon(const Pfad &p) {
    const auto schnitt = p.rfind('/');
    return schnitt == 0 || schnitt == Pfad::npos ? "/" : p.substr(0, schnitt);
}

Pfad darin(const Pfad &ordner, std::string_view name) {
    return (ordner == "/" ? "" : ordner) + "/" + std::string(name);
}

bool endetMit(const std::string &name, std::string_view endung, bool ohneGross) {
    if (name.size() < endung.size()) return false;
    return std::equal(endung.begin(), endung.end(), name.end() - qsizetype(endung.size()), [&](char a, char b) {
        return ohneGross ? std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b))
                         : a == b;
    });
}

// The names in a folder, sorted; false (errno set) when it cannot be read.
bool eintraege(const Pfad &ordner, std::vector<std::string> *namen) {
    DIR *d = ::opendir(ordner.c_str());
    if (!d) return false;
    errno = 0;
    while (const dirent *e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..") namen->push_back(n);
    }
    const int fehler = errno;
    ::closedir(d);
    std::sort(namen->begin(), namen->end());
    errno = fehler;
    return fehler == 0;
}

// A folder and the missing ones above it; false (errno set) when one cannot be made.
bool ordnerMachen(const Pfad &ordner) {
    struct stat st {};
    if (::stat(ordner.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT || !ordnerMachen(elternVon(ordner))) return false;
    if (::mkdir(ordner.c_str(), 0777) == 0) return true;
    return errno == EEXIST && ::stat(ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Never follows a link: a link to the installed files goes, the files stay.
void entfernen(const Pfad &p) {
    std::error_code ec;
    fs::remove_all(p, ec);
}

// Moves without replacing what is already there; false (errno set) otherwise.
bool verschieben(const Pfad &von, const Pfad &nach) {
    if (::renameat2(AT_FDCWD, von.c_str(), AT_FDCWD, nach.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system that cannot refuse by itself: there is no other start in the folder
    // (the lock), so a look first is as good.
    struct stat st {};
    if (::lstat(nach.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(von.c_str(), nach.c_str()) == 0;
}

void ordnerSyncen(const Pfad &ordner) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// First starts on one folder take turns. The lock is the system's and ends with its
// process; where the file system has none, the start goes on without it.
class Sperre {
public:
    Sperre(const Pfad &ordner, const volatile std::sig_atomic_t *abbruch)
        : fd_(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ < 0) return;
        int ergebnis;
        while ((ergebnis = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR && !*abbruch) {
        }
        gehalten_ = ergebnis == 0;
    }
    ~Sperre() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool gehalten() const { return gehalten_; }
    Sperre(const Sperre &) = delete;
    Sperre &operator=(const Sperre &) = delete;

private:
    int fd_;
    bool gehalten_ = false;
};

class Anlage {
public:
    Anlage(const Installation &installation, const volatile std::sig_atomic_t *abbruch)
        : daten_(nativ(installation.daten)), programm_(nativ(installation.programm)), abbruch_(abbruch) {}

    Bereitstellung bereitstellen(const QString &gewaehlt) {
        wurzel_ = aufgeloest(gewaehlt);
        if (wurzel_ == daten_ || wurzel_.starts_with(darin(daten_, ""))) {
            return gescheitert(Starter::tr("%1 liegt in den installierten Daten (%2), die nur gelesen werden: "
                                           "wählen Sie einen eigenen Ordner")
                                   .arg(zeigen(wurzel_), zeigen(daten_)));
        }
        if (istWurzel(wurzel_)) return bereit();
        if (auto falsch = keinOrdner()) return *falsch;
        const Pfad eltern = elternVon(wurzel_);
        if (!ordnerMachen(eltern)) return nichtAngelegt(zeigen(eltern), errno);

        const Sperre sperre(eltern, abbruch_);
        if (*abbruch_) return {Bereitstellung::Ausgang::Abgebrochen, {}, {}};
        // A start that came first may have made it meanwhile.
        if (istWurzel(wurzel_)) return bereit();
        if (auto falsch = keinOrdner()) return *falsch;
        struct stat st {};
        return ::lstat(wurzel_.c_str(), &st) == 0 ? anOrtFuellen(sperre.gehalten())
                                                  : neuAnlegen(eltern, sperre.gehalten());
    }

private:
    static Pfad aufgeloest(const QString &gewaehlt) {
        const QString absolut = QDir::isAbsolutePath(gewaehlt) ? gewaehlt : QDir::currentPath() + '/' + gewaehlt;
        // Links are followed as far as the path exists: "--root LINK" makes the root
        // where the link leads, "--root ." the working folder itself.
        std::error_code ec;
        fs::path p = fs::weakly_canonical(fs::path(nativ(absolut)), ec);
        if (ec) p = fs::path(nativ(absolut)).lexically_normal();
        Pfad s = p.string();
        while (s.size() > 1 && s.back() == '/')
            s.pop_back();
        return s;
    }

    std::optional<Bereitstellung> keinOrdner() {
        struct stat st {};
        if (::lstat(wurzel_.c_str(), &st) != 0) {
            if (errno == ENOENT) return std::nullopt;
            return nichtAngelegt(zeigen(wurzel_), errno);
        }
        if (S_ISLNK(st.st_mode)) return gescheitert(Starter::tr("%1 ist ein Verweis ins Leere").arg(zeigen(wurzel_)));
        if (!S_ISDIR(st.st_mode)) return gescheitert(Starter::tr("%1 ist kein Ordner").arg(zeigen(wurzel_)));
        return std::nullopt;
    }

    // A missing root: assembled beside it and renamed into place whole. Without the lock
    // another start may be at work beside it, so nothing is cleared away.
    Bereitstellung neuAnlegen(const Pfad &eltern, bool gesperrt) {
        if (gesperrt) restEntfernen(eltern);
        Pfad neu = darin(eltern, std::string(kNeu) + "XXXXXX");
        if (!::mkdtemp(neu.data())) return nichtAngelegt(zeigen(eltern), errno);
        const mode_t maske = ::umask(0);
        ::umask(maske);
        // A hidden folder is made for its owner alone; the root gets the usual rights.
        const bool freigegeben = ::chmod(neu.c_str(), 0777 & ~maske) == 0 || scheitern(wurzel_, errno);
        if (!freigegeben || !fuellen(neu) || !syncen(neu)) {
            entfernen(neu);
            return ausFehler();
        }
        if (::rename(neu.c_str(), wurzel_.c_str()) == 0) {
            ordnerSyncen(eltern);
            return bereit();
        }
        const int nummer = errno;
        entfernen(neu);
        // A start without the lock (a file system without locks) was quicker: its root is used.
        if (istWurzel(wurzel_)) return bereit();
        if (nummer == ENOTEMPTY || nummer == EEXIST) return nichtLeer();
        return nichtAngelegt(zeigen(wurzel_), nummer);
    }

    // An empty folder stays the folder it is: the root is assembled inside it and its
    // entries are moved out, names.exe last. Hidden folders in it are what killed starts
    // left only under both locks; without them they are another start's, and left alone.
    Bereitstellung anOrtFuellen(bool gesperrt) {
        const Sperre eigene(wurzel_, abbruch_);
        gesperrt = gesperrt && eigene.gehalten();
        std::vector<std::string> namen;
        if (!eintraege(wurzel_, &namen)) return nichtAngelegt(zeigen(wurzel_), errno);
        std::vector<Pfad> reste;
        bool fremde = false;
        for (const std::string &n : namen) {
            if (!n.starts_with(kNeu))
                fremde = true;
            else if (gesperrt)
                reste.push_back(darin(wurzel_, n));
        }
        // A start killed while moving left a complete folder: its move is finished.
        for (const Pfad &rest : reste) {
            if (!istWurzel(rest)) continue;
            for (const Pfad &anderer : reste)
                if (anderer != rest) entfernen(anderer);
            return einraeumen(rest, false) ? bereit() : ausFehler();
        }
        if (fremde) return nichtLeer();
        for (const Pfad &rest : reste)
            entfernen(rest);
        Pfad neu = darin(wurzel_, std::string(kNeu) + "XXXXXX");
        if (!::mkdtemp(neu.data())) return nichtAngelegt(zeigen(wurzel_), errno);
        if (!fuellen(neu) || !syncen(neu)) {
            entfernen(neu);
            return ausFehler();
        }
        return einraeumen(neu, true) || istWurzel(wurzel_) ? bereit() : ausFehler();
    }

    // Moves the entries of the complete folder `neu` into the root, names.exe last. On a
    // failure the entries moved go back, and a folder made by this start is removed.
    bool einraeumen(const Pfad &neu, bool eigener) {
        std::vector<std::string> namen;
        if (!eintraege(neu, &namen)) return scheitern(wurzel_, errno);
        std::erase(namen, kMarke);
        namen.push_back(kMarke);
        std::vector<std::string> verschoben;
        for (const std::string &name : namen) {
            if (!verschieben(darin(neu, name), darin(wurzel_, name))) {
                const int nummer = errno;
                for (auto n = verschoben.rbegin(); n != verschoben.rend(); ++n)
                    verschieben(darin(wurzel_, *n), darin(neu, *n));
                if (eigener) entfernen(neu);
                return scheitern(darin(wurzel_, name), nummer);
            }
            verschoben.push_back(name);
        }
        entfernen(neu);
        ordnerSyncen(wurzel_);
        return true;
    }

    // Under the lock of `ordner`: folders that killed starts left beside the root.
    static void restEntfernen(const Pfad &ordner) {
        std::vector<std::string> namen;
        if (!eintraege(ordner, &namen)) return;
        for (const std::string &n : namen)
            if (n.starts_with(kNeu)) entfernen(darin(ordner, n));
    }

    // Fills the empty folder `ziel` with the user's copy of the installed data root,
    // names.exe last: a folder holding it is complete.
    bool fuellen(const Pfad &ziel) {
        if (!fuellenAb(ziel, "")) return false;
        const Pfad marke = darin(daten_, kMarke);
        struct stat st {};
        if (::stat(marke.c_str(), &st) != 0) return scheitern(marke, errno);
        return kopieren(marke, darin(ziel, kMarke), kMarke, st.st_mode);
    }

    bool fuellenAb(const Pfad &ziel, const Pfad &ort) {
        const Pfad quelle = ort.empty() ? daten_ : darin(daten_, ort);
        std::vector<std::string> namen;
        if (!eintraege(quelle, &namen)) return scheitern(quelle, errno);
        for (const std::string &name : namen) {
            if (*abbruch_) {
                abgebrochen_ = true;
                return false;
            }
            const Pfad rel = ort.empty() ? name : ort + "/" + name;
            if (rel == kMarke) continue;
            const Pfad von = darin(daten_, rel), nach = darin(ziel, rel);
            struct stat st {};
            if (::stat(von.c_str(), &st) != 0) return scheitern(von, errno);
            if (S_ISDIR(st.st_mode)) {
                if (::mkdir(nach.c_str(), 0777) != 0) return scheitern(imZiel(rel), errno);
                if (!fuellenAb(ziel, rel)) return false;
            } else if (name != kMarke && endetMit(name, ".exe", false)) {
                // Programme files start the installed program, which an upgrade replaces.
                if (::symlink(programm_.c_str(), nach.c_str()) != 0) return scheitern(imZiel(rel), errno);
            } else if (endetMit(name, ".bmp", true) || rel == "Help/Projekt.dat") {
                // The bitmaps are most of the bytes; a write replaces a link, never its target.
                char *echt = ::realpath(von.c_str(), nullptr);
                if (!echt) return scheitern(von, errno);
                const bool gut = ::symlink(echt, nach.c_str()) == 0;
                const int nummer = errno;
                std::free(echt);
                if (!gut) return scheitern(imZiel(rel), nummer);
            } else if (!kopieren(von, nach, rel, st.st_mode)) {
                return false;
            }
        }
        return true;
    }

    // A copy the user may write. Every write and the closing are checked: a full disk
    // fails here, not later in the program.
    bool kopieren(const Pfad &von, const Pfad &nach, const Pfad &rel, mode_t modus) {
        const int ein = ::open(von.c_str(), O_RDONLY | O_CLOEXEC);
        if (ein < 0) return scheitern(von, errno);
        const int aus = ::open(nach.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, (modus & 0777) | S_IWUSR);
        if (aus < 0) {
            const int nummer = errno;
            ::close(ein);
            return scheitern(imZiel(rel), nummer);
        }
        char puffer[1 << 16];
        int nummer = 0;
        bool beimLesen = false;
        for (;;) {
            const ssize_t gelesen = ::read(ein, puffer, sizeof puffer);
            if (gelesen == 0) break;
            if (gelesen < 0) {
                if (errno == EINTR) continue;
                nummer = errno;
                beimLesen = true;
                break;
            }
            for (ssize_t fertig = 0; nummer == 0 && fertig < gelesen;) {
                const ssize_t geschrieben = ::write(aus, puffer + fertig, size_t(gelesen - fertig));
                if (geschrieben > 0)
                    fertig += geschrieben;
                else if (geschrieben == 0)
                    nummer = EIO;
                else if (errno != EINTR)
                    nummer = errno;
            }
            if (nummer != 0) break;
        }
        ::close(ein);
        if (::close(aus) != 0 && nummer == 0) nummer = errno;
        if (nummer != 0) return scheitern(beimLesen ? von : imZiel(rel), nummer);
        return true;
    }

    // Everything written reaches the disk before the root takes its place.
    bool syncen(const Pfad &ordner) {
        const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool gut = fd >= 0 && ::syncfs(fd) == 0;
        const int nummer = errno;
        if (fd >= 0) ::close(fd);
        return gut || scheitern(wurzel_, nummer);
    }

    // Where a file being made will lie in the root, for the message.
    Pfad imZiel(const Pfad &rel) const { return darin(wurzel_, rel); }

    bool scheitern(const Pfad &datei, int nummer) {
        fehlerDatei_ = zeigen(datei);
        fehlerNummer_ = nummer;
        return false;
    }

    Bereitstellung bereit() const { return {Bereitstellung::Ausgang::Bereit, zeigen(wurzel_), {}}; }
    static Bereitstellung gescheitert(const QString &meldung) { return {Bereitstellung::Ausgang::Fehler, {}, meldung}; }
    Bereitstellung nichtAngelegt(const QString &datei, int nummer) const {
        return gescheitert(Starter::tr("der Datenordner %1 kann nicht angelegt werden: %2: %3")
                               .arg(zeigen(wurzel_), datei, grund(nummer)));
    }
    Bereitstellung nichtLeer() const {
        return gescheitert(
            Starter::tr("%1 ist nicht leer und kein Pagora-Datenordner (names.exe fehlt)").arg(zeigen(wurzel_)));
    }
    Bereitstellung ausFehler() const {
        if (abgebrochen_) return {Bereitstellung::Ausgang::Abgebrochen, {}, {}};
        return nichtAngelegt(fehlerDatei_, fehlerNummer_);
    }

    const Pfad daten_, programm_;
    const volatile std::sig_atomic_t *abbruch_;
    Pfad wurzel_;
    QString fehlerDatei_;
    int fehlerNummer_ = 0;
    bool abgebrochen_ = false;
};

} // namespace

Bereitstellung bereitstellen(const QString &gewaehlt, const Installation &installation,
                             const volatile std::sig_atomic_t *abbruch) {
    return Anlage(installation, abbruch).bereitstellen(gewaehlt);
}

} // namespace launcher
