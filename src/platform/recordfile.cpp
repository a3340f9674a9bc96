#include "platform/recordfile.h"

#include <cstring>

namespace platform {

namespace {
// Records one read asks for at most once a caller reads on: about 750 KB of pages.
constexpr int kHoechsterVorlauf = 512;
} // namespace

bool RecordFile::open(const QString &nativePath, int recordSize) {
    close();
    if (nativePath.isEmpty() || recordSize <= 0) return false;
    recordSize_ = recordSize;
    file_.setFileName(nativePath);
    // This object buffers itself: QFile's own buffer would copy every byte once more.
    return file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void RecordFile::close() {
    if (file_.isOpen()) file_.close();
    puffer_.clear();
    gelesen_ = stelle_ = 0;
    pufferAnfang_ = 0;
    vorlauf_ = 1;
}

qint64 RecordFile::count() const {
    return file_.isOpen() ? file_.size() / recordSize_ : 0;
}

bool RecordFile::seek(qint64 record) {
    if (!file_.isOpen() || record < 0 || record > count()) return false;
    if (!file_.seek(record * recordSize_)) return false;
    pufferAnfang_ = record * recordSize_;
    gelesen_ = stelle_ = 0;
    vorlauf_ = 1;
    return true;
}

// Keeps the part of a record left at the buffer's end and reads on behind it, more
// each time the caller reads on, until a whole record is there or the file ends.
bool RecordFile::nachladen() {
    const qsizetype rest = gelesen_ - stelle_;
    const qsizetype groesse = qsizetype(vorlauf_) * recordSize_;
    if (puffer_.size() < groesse) puffer_.resize(groesse);
    if (rest > 0 && stelle_ > 0) std::memmove(puffer_.data(), puffer_.constData() + stelle_, size_t(rest));
    pufferAnfang_ += stelle_;
    stelle_ = 0;
    gelesen_ = rest;
    while (gelesen_ < recordSize_) {
        const qint64 n = file_.read(puffer_.data() + gelesen_, groesse - gelesen_);
        if (n <= 0) return false;
        gelesen_ += n;
    }
    vorlauf_ = std::min(vorlauf_ * 2, kHoechsterVorlauf);
    return true;
}

const char *RecordFile::next() {
    if (!file_.isOpen()) return nullptr;
    if (gelesen_ - stelle_ < recordSize_ && !nachladen()) return nullptr;
    const char *satz = puffer_.constData() + stelle_;
    stelle_ += recordSize_;
    return satz;
}

bool RecordFile::readNext(QByteArray *record) {
    const char *satz = next();
    if (!satz) return false;
    // An unshared record of the right size is filled in place: no allocation per page.
    record->resize(recordSize_);
    std::memcpy(record->data(), satz, size_t(recordSize_));
    return true;
}

qint64 RecordFile::position() const {
    return file_.isOpen() ? (pufferAnfang_ + stelle_) / recordSize_ : 0;
}

} // namespace platform
