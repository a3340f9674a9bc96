#pragma once
// A part of an open file mapped read-only, read through a guard: a file cut short by
// another process while it is read makes the read fail instead of killing the program
// (touching a mapped page past a file's end raises SIGBUS).
#include <QtGlobal>
#include <memory>

namespace platform {

class MappedFile {
public:
    // The bytes [offset, offset + length) of the open file `fd`; nothing when the system
    // gives no mapping or the file is shorter now (the caller then reads instead).
    static std::unique_ptr<MappedFile> map(int fd, qint64 offset, qint64 length);
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    // Calls `work(data, context)` with the mapped bytes; false when the file turned out
    // cut short on the way: `work` is then left where it touched the missing page, so it
    // must own nothing that needs destroying (only plain pointers and numbers).
    bool read(void (*work)(const uchar *data, void *context), void *context);

private:
    MappedFile() = default;
    void *start_ = nullptr; // page-aligned start of the mapping
    qsizetype length_ = 0;  // of the mapping, from start_
    const uchar *data_ = nullptr;
    int slot_ = -1; // the guard's entry this mapping owns
};

} // namespace platform
