#include "platform/mappedfile.h"

#include <atomic>
#include <csetjmp>
#include <csignal>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// One entry for each mapping alive: the bytes a read guards while it runs, and where
// that read resumes when a page of them is gone. The signal handler finds the entry by
// the faulting address alone, so it needs no lock and no thread-local storage.
struct Wache {
    std::atomic<bool> belegt{false};
    std::atomic<const char *> von{nullptr};
    const char *bis = nullptr;
    sigjmp_buf sprung;
};
constexpr int kWachen = 16;
Wache wachen[kWachen];
struct sigaction vorherige;
bool eingerichtet = false;
std::once_flag einrichten;

void beiSigbus(int signal, siginfo_t *info, void *umstand) {
    const auto *adresse = static_cast<const char *>(info->si_addr);
    if (info->si_code == BUS_ADRERR)
        for (Wache &w : wachen) {
            const char *von = w.von.load(std::memory_order_acquire);
            if (von && adresse >= von && adresse < w.bis) siglongjmp(w.sprung, 1);
        }
    // No guarded read: what the program did before the guard was set up.
    if (vorherige.sa_flags & SA_SIGINFO) return vorherige.sa_sigaction(signal, info, umstand);
    if (vorherige.sa_handler != SIG_DFL && vorherige.sa_handler != SIG_IGN) return vorherige.sa_handler(signal);
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

} // namespace

std::unique_ptr<MappedFile> MappedFile::map(int fd, qint64 offset, qint64 length) {
    if (fd < 0 || offset < 0 || length <= 0) return nullptr;
    std::call_once(einrichten, [] {
        struct sigaction neu = {};
        neu.sa_sigaction = beiSigbus;
        neu.sa_flags = SA_SIGINFO;
        sigemptyset(&neu.sa_mask);
        eingerichtet = ::sigaction(SIGBUS, &neu, &vorherige) == 0;
    });
    if (!eingerichtet) return nullptr;
    std::unique_ptr<MappedFile> m(new MappedFile);
    for (int i = 0; i < kWachen && m->slot_ < 0; ++i) {
        bool frei = false;
        if (wachen[i].belegt.compare_exchange_strong(frei, true)) m->slot_ = i;
    }
    if (m->slot_ < 0) return nullptr;
    const qint64 seite = ::sysconf(_SC_PAGESIZE);
    const qint64 anfang = offset / seite * seite;
    m->length_ = qsizetype(length + (offset - anfang));
    void *p = ::mmap(nullptr, size_t(m->length_), PROT_READ, MAP_PRIVATE, fd, off_t(anfang));
    if (p == MAP_FAILED) return nullptr;
    m->start_ = p;
    m->data_ = static_cast<const uchar *>(p) + (offset - anfang);
    // A file already shorter than the part is read the ordinary way, which says so.
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_size < offset + length) return nullptr;
    return m;
}

MappedFile::~MappedFile() {
    if (start_) ::munmap(start_, size_t(length_));
    if (slot_ >= 0) wachen[slot_].belegt.store(false);
}

bool MappedFile::read(void (*work)(const uchar *data, void *context), void *context) {
    Wache &w = wachen[slot_];
    // The signal mask is saved too: the handler left by the jump had SIGBUS blocked.
    if (sigsetjmp(w.sprung, 1) != 0) {
        w.von.store(nullptr, std::memory_order_release);
        return false;
    }
    w.bis = static_cast<const char *>(start_) + length_;
    w.von.store(static_cast<const char *>(start_), std::memory_order_release);
    work(data_, context);
    w.von.store(nullptr, std::memory_order_release);
    return true;
}

} // namespace platform
