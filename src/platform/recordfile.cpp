#include "platform/recordfile.h"

namespace platform {

bool RecordFile::open(const QString &nativePath, int recordSize) {
    close();
    if (nativePath.isEmpty() || recordSize <= 0) return false;
    recordSize_ = recordSize;
    file_.setFileName(nativePath);
    return file_.open(QIODevice::ReadOnly);
}

void RecordFile::close() {
    if (file_.isOpen()) file_.close();
}

qint64 RecordFile::count() const {
    return file_.isOpen() ? file_.size() / recordSize_ : 0;
}

bool RecordFile::seek(qint64 record) {
    if (!file_.isOpen() || record < 0 || record > count()) return false;
    return file_.seek(record * recordSize_);
}

bool RecordFile::readNext(QByteArray *record) {
    if (!file_.isOpen()) return false;
    const qint64 at = file_.pos();
    QByteArray bytes = file_.read(recordSize_);
    if (bytes.size() != recordSize_) {
        file_.seek(at);
        return false;
    }
    *record = bytes;
    return true;
}

qint64 RecordFile::position() const {
    return file_.isOpen() ? file_.pos() / recordSize_ : 0;
}

} // namespace platform
